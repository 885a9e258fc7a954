#!/bin/bash
# tesmar-cli flash read against tesmar-emu with the line's faults, run after
# run: every exit 0 must leave a file identical to a clean read, and every
# other exit must name the bytes it kept, which FILE.part must hold (the
# first bytes of the clean read) while FILE is not made. Prints the counts of
# each fault; exits 1 when a run broke the rule, or when a fault never
# showed in the session log (the runs then proved nothing).
#
# Usage: flash_faults.sh EMU CLI [RUNS] [COUNT] [FAULT...]
#   RUNS   runs per fault (default 20); run k starts the emulator with --seed k
#   COUNT  bytes read from byte 0 (default 20000)
#   FAULT  the emulator's fault option and its probability, one word each
#          (default: "--corrupt 0.2" "--nak 0.2" "--silence 0.05")
# Extra tesmar-cli words (e.g. --retries 5) go in TRANSFER_ARGS.
#
# It takes its time: the driver waits 2 s before it resends after a NAK and
# 5 s of silence make a lost answer, so 20 runs of 20,000 bytes with --nak 0.2
# take about an hour. Run the faults in parallel by calling it once per fault.
set -u
EMU=$1
CLI=$2
RUNS=${3:-20}
COUNT=${4:-20000}
shift $(($# < 4 ? $# : 4))
FAULTS=("$@")
[ ${#FAULTS[@]} -eq 0 ] && FAULTS=("--corrupt 0.2" "--nak 0.2" "--silence 0.05")
read -r -a EXTRA <<<"${TRANSFER_ARGS:-}"

dir=$(mktemp -d)
emu_pid=
stop_emu() {
  [ -n "$emu_pid" ] && kill "$emu_pid" 2>/dev/null && wait "$emu_pid" 2>/dev/null
  emu_pid=
}
trap 'stop_emu; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Starts the emulator serving $dir/reg with the options given.
start_emu() {
  rm -f "$dir/reg"
  "$EMU" --link "$dir/reg" --flash-size $((COUNT + 1000)) "$@" >"$dir/emu.out" 2>&1 &
  emu_pid=$!
  for _ in $(seq 100); do [ -e "$dir/reg" ] && return; sleep 0.05; done
  fail "the emulator did not make its link: $(cat "$dir/emu.out")"
}

# One read into $1 with its own config folder and session log; sets rc and out.
read_flash() {
  local file=$1 cfg=$dir/cfg
  rm -rf "$cfg" && mkdir "$cfg"
  printf '[LogFile]\r\nLog=1\r\nLogName=%s\r\n' "$cfg/session.log" >"$cfg/tsinit.ini"
  out=$(timeout 3600 "$CLI" --config "$cfg" -p "$dir/reg" flash read --start 0 \
    --count "$COUNT" "${EXTRA[@]}" "$file" 2>&1)
  rc=$?
}

start_emu
read_flash "$dir/clean.bin"
stop_emu
[ $rc -eq 0 ] || fail "clean read exited $rc: $out"
[ "$(stat -c %s "$dir/clean.bin")" -eq "$COUNT" ] || fail "clean read is not $COUNT bytes"
chunks=$(((COUNT + 49) / 50))

status=0
for fault in "${FAULTS[@]}"; do
  read -r -a opt <<<"$fault"
  ok=0 other=0 sent=0
  for k in $(seq "$RUNS"); do
    file=$dir/dump.bin
    rm -f "$file" "$file.part"
    start_emu "${opt[@]}" --seed "$k"
    read_flash "$file"
    stop_emu
    # F1h requests sent, resends included (the log's request entries).
    sent=$((sent + $(grep -ac '^F1' "$dir/cfg/session.log")))
    if [ $rc -eq 0 ]; then
      ok=$((ok + 1))
      cmp -s "$file" "$dir/clean.bin" || { echo "$fault seed $k: exit 0, file differs"; status=1; }
      [ -e "$file.part" ] && { echo "$fault seed $k: exit 0 left $file.part"; status=1; }
      continue
    fi
    other=$((other + 1))
    kept=$(grep -o 'Сохранено байтов: [0-9]*' <<<"$out" | grep -o '[0-9]*$')
    first=$(tr "\n" " " <<<"$out")
    echo "$fault seed $k: exit $rc, kept ${kept:-?}: $first"
    if [ -z "$kept" ]; then
      echo "  the message names no bytes kept: $out"
      status=1
    elif [ "$kept" -gt 0 ]; then
      [ "$(stat -c %s "$file.part" 2>/dev/null)" = "$kept" ] || { echo "  $file.part is not $kept bytes"; status=1; }
      cmp -s -n "$kept" "$file.part" "$dir/clean.bin" || { echo "  $file.part is not the clean read's start"; status=1; }
    fi
    [ -e "$file" ] && { echo "  a failed read left $file"; status=1; }
  done
  echo "$fault: $RUNS runs of $COUNT bytes: exit 0: $ok, other: $other (F1h requests sent: $sent, $((RUNS * chunks)) without faults)"
  if [ "$other" -eq 0 ] && [ "$sent" -le $((RUNS * chunks)) ]; then
    echo "  $fault never showed: nothing was asked again"
    status=1
  fi
done
exit $status
