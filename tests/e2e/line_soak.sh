#!/bin/bash
# A soak of tesmar-cli against tesmar-emu on a faulty line: PRINTS service
# documents (60h, 61h "ТЕСТ N", 65h), every command a run of its own from a
# fresh config folder (so no run knows the sequence counter of the last),
# against NAK, corrupted checksums, stray bytes, silence, replies cut short
# and SYN bytes before every reply.
#
#   line_soak.sh TESMAR-EMU TESMAR-CLI [PRINTS [SEED]]
#
# The lines each run added to the tape are its own (the runs follow one
# another), so every exit status is checked against the paper:
#   exit 0     the command printed (60h its header, 61h exactly its line,
#              65h the closing rule);
#   exit 1, 2  it printed nothing (refused, or not carried out);
#   exit 3     it may have run: either;
# and no "ТЕСТ N" is on the tape twice. Prints the counts; exits 1 on any
# breach, 0 otherwise. A tool, not a timed test: 300 prints take about half
# an hour; the suite runs a few seeded ones.
set -u
EMU=$1
CLI=$2
PRINTS=${3:-300}
SEED=${4:-1}
dir=$(mktemp -d)
emu_pid=
trap '[ -n "$emu_pid" ] && kill $emu_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

"$EMU" --link "$dir/reg" --tape "$dir/tape.txt" --seed "$SEED" --nak 0.05 --corrupt 0.05 \
  --stray 0.05 --silence 0.05 --cut 0.05 --busy 20 >"$dir/emu.out" 2>"$dir/emu.err" &
emu_pid=$!
for _ in $(seq 50); do [ -L "$dir/reg" ] && break; sleep 0.1; done
[ -L "$dir/reg" ] || { echo "FAIL: the emulator made no link: $(cat "$dir/emu.err")"; exit 1; }
: >>"$dir/tape.txt"

declare -A count
breaches=0
breach() {
  echo "BREACH: $*"
  breaches=$((breaches + 1))
}

# Runs one command from a fresh folder; sets rc and printed (the tape lines it added).
run() {  # code params
  local config before
  config=$(mktemp -d "$dir/config-XXXXXX")
  before=$(wc -l <"$dir/tape.txt")
  timeout 300 "$CLI" --config "$config" -p "$dir/reg" send "$1" "$2" >"$dir/out.txt" 2>&1
  rc=$?
  printed=$(tail -n +"$((before + 1))" "$dir/tape.txt")
  count["$1 exit $rc"]=$((${count["$1 exit $rc"]:-0} + 1))
}

# Judges one run: its exit status against what it printed. `expected` is the
# text it must print (exactly) or a pattern its first line must match.
judge() {  # code what expected-kind expected
  local code=$1 what=$2 kind=$3 want=$4 did=no
  case $kind in
    exact) [ "$printed" = "$want" ] && did=yes ;;
    first) [[ "$(head -n 1 <<<"$printed")" == $want ]] && did=yes ;;
  esac
  case $rc in
    0) [ $did = yes ] || breach "$what: exit 0 but printed '$printed'" ;;
    1 | 2) [ -z "$printed" ] || breach "$what: exit $rc but printed '$printed'" ;;
    3) [ -z "$printed" ] || [ $did = yes ] || breach "$what: exit 3 and printed '$printed'"
       [ $did = yes ] && count["$code unknown, printed"]=$((${count["$code unknown, printed"]:-0} + 1)) ;;
    *) breach "$what: exit $rc ($(tail -n 1 "$dir/out.txt"))" ;;
  esac
}

start=$SECONDS
for n in $(seq "$PRINTS"); do
  run 60 "731942;"
  judge 60 "print $n 60h" first "*СЛУЖБОВИЙ ДОКУМЕНТ*"
  run 61 "731942;ТЕСТ $n;"
  judge 61 "print $n 61h" exact "ТЕСТ $n"
  run 65 "731942;0;"
  judge 65 "print $n 65h" first "-----*"
done

twice=$(grep '^ТЕСТ [0-9]*$' "$dir/tape.txt" | sort | uniq -d)
[ -z "$twice" ] || breach "printed twice: $twice"

echo "soak: $PRINTS prints, seed $SEED, $((SECONDS - start)) s"
for code in 60 61 65; do
  printf '  %sh: exit 0 %d, exit 3 (may have run) %d of which printed %d, exit 1 %d, exit 2 %d\n' \
    "$code" "${count["$code exit 0"]:-0}" "${count["$code exit 3"]:-0}" \
    "${count["$code unknown, printed"]:-0}" "${count["$code exit 1"]:-0}" \
    "${count["$code exit 2"]:-0}"
done
echo "  lines ТЕСТ on the tape: $(grep -c '^ТЕСТ [0-9]*$' "$dir/tape.txt"), breaches: $breaches"
[ $breaches -eq 0 ]
