#!/bin/bash
# tesmar-emu's own options: unknown options and malformed numbers are named,
# --link never takes a path that is not its own kind of link, a hang-up
# serves again at the same link, the state file keeps keys it does not know,
# and Ctrl+C or SIGTERM stops it within a second even while it is busy or
# pacing a slow line.
set -u
EMU=$1
CLI=$2
dir=$(mktemp -d)
emu_pid=
trap '[ -n "$emu_pid" ] && kill $emu_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

expect_usage() {  # expected stderr text, then the arguments
  local want=$1; shift
  err=$("$EMU" "$@" 2>&1 >/dev/null); rc=$?
  [ $rc -eq 64 ] || fail "'$*' exited $rc"
  grep -qF -- "$want" <<<"$err" || fail "'$*' said: $err"
}
expect_usage "unknown option --frobnicate" --frobnicate
expect_usage "unknown option --frobnicate" --frobnicate 5
expect_usage "bad number for --busy: 1e5" --busy 1e5
expect_usage "bad number for --baud: +9600" --baud +9600
expect_usage "unsupported speed for --baud: 12345" --baud 12345
expect_usage "unsupported speed for --baud: 1" --baud 1
expect_usage "bad probability for --nak: 1e-1" --nak 1e-1
expect_usage "option --link needs a value" --link

start() {  # starts the emulator with the arguments, waits for its link
  "$EMU" "$@" >"$dir/emu.out" 2>"$dir/emu.err" &
  emu_pid=$!
  for _ in $(seq 50); do [ -L "$dir/reg" ] && return 0; sleep 0.1; done
  fail "no link: $(cat "$dir/emu.err")"
}
stops_within_a_second() {  # signal
  kill -"$1" $emu_pid
  for _ in $(seq 10); do kill -0 $emu_pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $emu_pid 2>/dev/null && fail "still running a second after SIG$1"
  wait $emu_pid; rc=$?; emu_pid=
  [ $rc -eq 0 ] || fail "exited $rc after SIG$1"
  [ -e "$dir/reg" ] && fail "link left behind after SIG$1"
  return 0
}

# A regular file or a link to one at the --link path is left alone.
echo "keep me" >"$dir/file"
ln -s "$dir/file" "$dir/other"
for path in "$dir/file" "$dir/other"; do
  err=$("$EMU" --link "$path" 2>&1 >/dev/null); rc=$?
  [ $rc -eq 1 ] || fail "--link $path exited $rc"
  grep -q "not replacing it" <<<"$err" || fail "--link $path said: $err"
done
[ "$(cat "$dir/file")" = "keep me" ] || fail "the file was touched"
[ "$(readlink "$dir/other")" = "$dir/file" ] || fail "the other link was touched"

# Busy for a minute, or a byte every ten seconds: the signal still stops it.
start --link "$dir/reg" --busy 60000
timeout 5 "$CLI" -p "$dir/reg" send 21 "731942;" >/dev/null 2>&1 &
sleep 0.5
stops_within_a_second INT
start --link "$dir/reg" --baud 110
timeout 5 "$CLI" -b 110 -p "$dir/reg" send 21 "731942;" >/dev/null 2>&1 &
sleep 0.5
stops_within_a_second TERM
wait

# A hang-up: the same link, a new pty behind it.
start --link "$dir/reg" --hangup 1
first=$(readlink "$dir/reg")
printf '[Fiscal Printer]\r\nReply=0\r\n' >"$dir/tsinit.ini"
timeout 20 "$CLI" --config "$dir" -p "$dir/reg" send 21 "731942;" >/dev/null 2>&1
for _ in $(seq 30); do grep -q "serving again" "$dir/emu.err" && break; sleep 0.1; done
grep -q "serving again on /dev/pts/" "$dir/emu.err" || fail "hang-up: $(cat "$dir/emu.err")"
[ -n "$(readlink "$dir/reg")" ] && [ "$(readlink "$dir/reg")" != "$first" ] ||
  fail "link not moved to the new pty: $(readlink "$dir/reg")"
stops_within_a_second INT

# State: a key of no domain is kept; an out-of-range clock offset refused.
printf 'wifi.ssid=4E4554\n' >"$dir/state"
start --link "$dir/reg" --state "$dir/state"
timeout 20 "$CLI" -p "$dir/reg" send 88 "731942;7;42;" >/dev/null || fail "88"
stops_within_a_second INT
grep -q '^wifi.ssid=4E4554$' "$dir/state" || fail "unknown key dropped: $(cat "$dir/state")"
grep -q '^service.7=42$' "$dir/state" || fail "state not saved: $(cat "$dir/state")"
printf 'clock_offset=99999999999\n' >"$dir/state"
err=$("$EMU" --state "$dir/state" 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || fail "out-of-range clock offset exited $rc"
grep -q "clock offset is out of range" <<<"$err" || fail "clock offset: $err"

# A state in a folder that is not there is refused at the start; a file
# written on Windows (byte order mark, CR LF) reads as any other.
err=$("$EMU" --state "$dir/none/state" 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || fail "state in a missing folder exited $rc"
grep -qF "cannot keep the state in $dir/none/state" <<<"$err" || fail "missing folder: $err"
mkdir "$dir/kept"
printf '\xEF\xBB\xBFservice.7=42\r\nservice.8=43\r\n' >"$dir/kept/state"
start --link "$dir/reg" --state "$dir/kept/state"
out=$(timeout 20 "$CLI" --json -p "$dir/reg" send 89 "731942;7;") || fail "89 after a Windows state file"
grep -q '"fields":\["42"\]' <<<"$out" || fail "first key lost: $out"
# A command whose state cannot be saved any more is not answered with success.
rm -r "$dir/kept"
out=$(timeout 20 "$CLI" -p "$dir/reg" send 88 "731942;7;44;" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "unsaved command exited $rc: $out"
grep -q "Ошибка Flash памяти!" <<<"$out" || fail "unsaved command: $out"
stops_within_a_second INT
exit 0
