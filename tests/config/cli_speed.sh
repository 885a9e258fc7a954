#!/bin/bash
# tesmar-emu at 9600; after a 27h with 115200 it answers a port at 115200
# only; a refused 27h leaves its speed alone.
set -u
EMU=$1
CLI=$2
dir=$(mktemp -d)
trap 'kill $emu_pid 2>/dev/null; wait $emu_pid 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
printf '[Fiscal Printer]\r\nReply=0\r\n' >"$dir/tsinit.ini"
cli() { timeout 60 "$CLI" --config "$dir" -p "$dir/reg" "$@"; }

"$EMU" --link "$dir/reg" --baud 9600 --state "$dir/state" >"$dir/emu.out" 2>&1 &
emu_pid=$!
for _ in $(seq 50); do [ -e "$dir/reg" ] && break; sleep 0.1; done
[ -e "$dir/reg" ] || fail "emulator did not make its link"

cli -b 9600 send 80 "731942;" >/dev/null || fail "80 at the starting speed exited $?"
cli -b 19200 send 80 "731942;" >/dev/null; rc=$?
[ $rc -eq 2 ] || fail "80 at another speed than the registrar's exited $rc"

cli -b 9600 send 27 "731942;14400;0;0000;00;0A;0A;32;" >/dev/null; rc=$?
[ $rc -eq 1 ] || fail "27 with a speed the registrar lacks exited $rc"
cli -b 9600 send 80 "731942;" >/dev/null || fail "80 after a refused 27 exited $?"

cli -b 9600 send 27 "731942;115200;0;0000;00;0A;0A;32;" >/dev/null || fail "27 exited $?"
cli -b 9600 send 80 "731942;" >/dev/null; rc=$?
[ $rc -eq 2 ] || fail "80 at the old speed exited $rc (expected no answer)"
cli -b 115200 send 80 "731942;" >/dev/null || fail "80 at the new speed exited $?"
grep -q '^line_speed=115200$' "$dir/state" || fail "state: $(cat "$dir/state")"
echo OK
