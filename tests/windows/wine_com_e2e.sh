#!/bin/bash
# tesmar-cli.exe under Wine against the Linux tesmar-emu: the emulator serves
# a pty, Wine's COM port mapping (a dosdevices comN link) points a COM port at
# it, and the Windows serial transport talks to it as to a registrar:
# identification, a script, the fiscal memory and firmware read-outs.
# Usage: wine_com_e2e.sh WINE_RUN WINEPREFIX EMU CLI_EXE
set -u
WINE_RUN=$1
PREFIX=$2
EMU=$3
CLI=$4
PORT=com37
dir=$(mktemp -d)
emu_pid=
cleanup() {
  [ -n "$emu_pid" ] && kill "$emu_pid" 2>/dev/null && wait "$emu_pid" 2>/dev/null
  rm -f "$PREFIX/dosdevices/$PORT"
  rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$EMU" --link "$dir/reg" --model "WinReg-1" --tax-groups 5 --payment-types 3 \
  --tape "$dir/tape.txt" >"$dir/emu.out" 2>&1 &
emu_pid=$!
for _ in $(seq 50); do [ -e "$dir/reg" ] && break; sleep 0.1; done
[ -e "$dir/reg" ] || fail "emulator did not make its link"
pty=$(readlink -f "$dir/reg")
ln -sfn "$pty" "$PREFIX/dosdevices/$PORT" || fail "no COM port link in the prefix"

# Identification: the model and the counts come back through the COM port.
json=$(timeout 60 "$WINE_RUN" "$CLI" --json -p COM37 send 80 "731942;" | tr -d '\r') ||
  fail "send 80 exited $?"
echo "$json"
grep -q '"fields":\["WinReg-1",' <<<"$json" || fail "model not in fields"
grep -q '"5","3"\]' <<<"$json" || fail "tax groups and payment types"
grep -q '"error":"0000"' <<<"$json" || fail "error code"
grep -q '"timeout":false' <<<"$json" || fail "timeout flag"

# A script run: three commands in a loop, the variable printed, exit 0.
printf '%%DeclareBeg\r\n%%New i\r\n%%DeclareEnd\r\n%%Set i = "0"\r\n%%While (i<3)\r\n21731942;\r\n%%Oper (i, 1, 0, i)\r\n%%EndWhile\r\n%%Print i\r\n' >"$dir/loop.txt"
out=$(timeout 90 "$WINE_RUN" "$CLI" -p COM37 run "Z:$dir/loop.txt" 2>"$dir/err.txt" | tr -d '\r') ||
  fail "run exited $?: $(cat "$dir/err.txt")"
echo "$out"
[ "$(grep -c '^PC: ' <<<"$out")" = 3 ] || fail "run log: $out"
grep -q '^;i=3$' <<<"$out" || fail "run print: $out"

# A refused command exits 1 over the same port.
timeout 60 "$WINE_RUN" "$CLI" -p COM37 send 42 "731942;" >/dev/null 2>&1
rc=$?
[ $rc -eq 1 ] || fail "refused command exited $rc"

# The transfers over the COM port: a fiscal memory read gives the bytes a
# Linux read of the same range gives, and the firmware read-out ends with
# its success message. Both runs share one sequence counter file, so neither
# repeats the other's last SEQ.
HOST_CLI=$(dirname "$EMU")/../cli/tesmar-cli
mkdir -p "$dir/cfg"
timeout 120 "$WINE_RUN" "$CLI" --config "Z:$dir/cfg" -p COM37 flash read --start 100 --count 520 \
  "Z:$dir/win.bin" >"$dir/flash.txt" 2>&1 || fail "flash read exited $?: $(cat "$dir/flash.txt")"
"$HOST_CLI" --config "$dir/cfg" -p "$dir/reg" flash read --start 100 --count 520 "$dir/linux.bin" \
  >/dev/null 2>&1 || fail "the Linux flash read failed"
[ "$(stat -c %s "$dir/win.bin")" = 520 ] || fail "flash read size $(stat -c %s "$dir/win.bin")"
cmp "$dir/win.bin" "$dir/linux.bin" || fail "the Windows and Linux reads differ"
timeout 300 "$WINE_RUN" "$CLI" --config "Z:$dir/cfg" -p COM37 firmware read "Z:$dir/fw.bin" \
  >"$dir/fw.txt" 2>&1 || fail "firmware read exited $?: $(cat "$dir/fw.txt")"
[ -s "$dir/fw.bin" ] || fail "no firmware file"

# A port that is not there: no answer is not success.
timeout 60 "$WINE_RUN" "$CLI" -p COM199 send 80 "731942;" >/dev/null 2>&1
rc=$?
[ $rc -ne 0 ] || fail "an absent port reported success"
echo "OK"
