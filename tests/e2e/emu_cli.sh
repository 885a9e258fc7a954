#!/bin/bash
# tesmar-emu on a pty, tesmar-cli against it: the model and the counts come
# back in the JSON reply; bad input gets one line on stderr and exit 64.
set -u
EMU=$1
CLI=$2
dir=$(mktemp -d)
trap 'kill $emu_pid 2>/dev/null; wait $emu_pid 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$EMU" --link "$dir/reg" --model "Модель ЕК-3141" --tax-groups 6 --payment-types 4 \
  --tape "$dir/tape.txt" --state "$dir/state" >"$dir/emu.out" 2>&1 &
emu_pid=$!
for _ in $(seq 50); do [ -e "$dir/reg" ] && break; sleep 0.1; done
[ -e "$dir/reg" ] || fail "emulator did not make its link"

json=$(timeout 20 "$CLI" --json -p "$dir/reg" send 80 "731942;") || fail "send 80 exited $?"
echo "$json"
grep -q '"fields":\["Модель ЕК-3141","3.01",' <<<"$json" || fail "model not in fields"
grep -q '"6","4"\]' <<<"$json" || fail "tax groups and payment types not fields 10 and 11"
grep -q '"error":"0000"' <<<"$json" || fail "error code"
grep -q '"timeout":false' <<<"$json" || fail "timeout flag"

# A refused command exits 1 and says why.
out=$(timeout 20 "$CLI" -p "$dir/reg" send 42 "731942;"); rc=$?
[ $rc -eq 1 ] || fail "refused command exited $rc"
grep -q "Заводской номер не установлен!" <<<"$out" || fail "decoded refusal missing: $out"

# What is printed reaches the tape in UTF-8, once.
timeout 20 "$CLI" -p "$dir/reg" send 60 "731942;" >/dev/null || fail "60"
timeout 20 "$CLI" -p "$dir/reg" send 61 "731942;Привіт;" >/dev/null || fail "61"
timeout 20 "$CLI" -p "$dir/reg" send 62 "731942;" >/dev/null || fail "62"
[ "$(grep -c '^Привіт$' "$dir/tape.txt")" = 1 ] || fail "tape: $(cat "$dir/tape.txt")"

# State survives a restart of the emulator.
timeout 20 "$CLI" -p "$dir/reg" send 88 "731942;7;42;" >/dev/null || fail "88"
kill $emu_pid; wait $emu_pid 2>/dev/null
"$EMU" --link "$dir/reg" --state "$dir/state" >"$dir/emu.out" 2>&1 &
emu_pid=$!
sleep 0.3
out=$(timeout 20 "$CLI" --json -p "$dir/reg" send 89 "731942;7;") || fail "89 after restart"
grep -q '"fields":\["42"\]' <<<"$out" || fail "state lost: $out"

# A script run headless: log to stdout, exit 0 at the end of the file, 1 on a failure.
printf '%%DeclareBeg\r\n%%New i\r\n%%DeclareEnd\r\n%%Set i = "0"\r\n%%While (i<3)\r\n21731942;\r\n%%Oper (i, 1, 0, i)\r\n%%EndWhile\r\n%%Print i\r\n' >"$dir/loop.txt"
out=$(timeout 30 "$CLI" -p "$dir/reg" run "$dir/loop.txt" 2>"$dir/err.txt") || fail "run exited $?"
[ "$(grep -c '^PC: ' <<<"$out")" = 3 ] || fail "run log: $out"
grep -q '^;i=3$' <<<"$out" || fail "run print: $out"
grep -q "Конец файла!" "$dir/err.txt" || fail "run end message"
printf '42731942;\r\n' >"$dir/fail.txt"
timeout 30 "$CLI" -p "$dir/reg" run "$dir/fail.txt" >/dev/null 2>"$dir/err.txt"; rc=$?
[ $rc -eq 1 ] || fail "failing run exited $rc"
grep -q "Ошибка выполнения команды" "$dir/err.txt" || fail "failing run message"

# Bad input: one line on stderr, exit 64, nothing sent.
for args in "send 8G 731942;" "send 801 x" "frobnicate" "-x send 80" "run"; do
  err=$("$CLI" -p "$dir/reg" $args 2>&1 >/dev/null); rc=$?
  [ $rc -eq 64 ] || fail "'$args' exited $rc"
  [ "$(wc -l <<<"$err")" = 1 ] || fail "'$args' printed: $err"
done
err=$("$CLI" -p /dev/tesmar-none send 80 "731942;" 2>&1 >/dev/null); rc=$?
[ $rc -eq 2 ] || fail "missing port exited $rc"
grep -q "cannot open /dev/tesmar-none" <<<"$err" || fail "missing port message: $err"
err=$("$EMU" --nak 2 2>&1); rc=$?
[ $rc -eq 64 ] || fail "emu bad probability exited $rc"
"$EMU" --help | grep -q -- "--link PATH" || fail "emu help"
"$CLI" --help | grep -q "send CODE" || fail "cli help"

# A silent registrar: no answer, exit 2, within the bounded wait.
kill $emu_pid; wait $emu_pid 2>/dev/null
"$EMU" --link "$dir/reg" --silence 1 >"$dir/emu.out" 2>&1 &
emu_pid=$!
sleep 0.3
printf '[Fiscal Printer]\r\nReply=0\r\n' >"$dir/tsinit.ini"
out=$(timeout 30 "$CLI" --config "$dir" --json -p "$dir/reg" send 21 "731942;"); rc=$?
[ $rc -eq 2 ] || fail "silent registrar exited $rc"
grep -q '"timeout":true' <<<"$out" || fail "timeout flag: $out"

# The direct USB link: tesmar-cli --usb through a libusb stand-in whose bulk
# endpoints reach the emulator's pty.
if [ -n "${FAKE_LIBUSB:-}" ]; then
  kill $emu_pid; wait $emu_pid 2>/dev/null
  "$EMU" --link "$dir/reg" --model "USB-реєстратор" >"$dir/emu.out" 2>&1 &
  emu_pid=$!
  sleep 0.3
  out=$(TESMAR_LIBUSB=$FAKE_LIBUSB FAKE_USB_PTY=$dir/reg timeout 30 "$CLI" --usb --json send 80 "731942;") || fail "usb send exited $?"
  grep -q '"fields":\["USB-реєстратор"' <<<"$out" || fail "usb reply: $out"
  err=$(TESMAR_LIBUSB=/nonexistent.so "$CLI" --usb send 80 "731942;" 2>&1 >/dev/null); rc=$?
  [ $rc -eq 2 ] || fail "usb without library exited $rc"
  grep -q "cannot load /nonexistent.so" <<<"$err" || fail "usb without library: $err"
fi
exit 0
