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

# Two folders that hold the same counter: the second run's line is not taken
# for a repeat of the first run's (the registrar would answer it from memory
# without printing it).
timeout 20 "$CLI" -p "$dir/reg" send 60 "731942;" >/dev/null || fail "60 before twice"
for f in one two; do
  mkdir -p "$dir/$f"
  echo 7 >"$dir/$f/tesmar-cli.seq"
  timeout 20 "$CLI" --config "$dir/$f" -p "$dir/reg" send 61 "731942;Двічі;" >/dev/null || fail "61 from $f"
done
timeout 20 "$CLI" -p "$dir/reg" send 62 "731942;" >/dev/null || fail "62 after twice"
[ "$(grep -c '^Двічі$' "$dir/tape.txt")" = 2 ] || fail "a run's first command was swallowed: $(cat "$dir/tape.txt")"

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
for args in "send 8G 731942;" "send 801 x" "send 1F 731942;" "frobnicate" "-x send 80" "run"; do
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

# Refused before anything is sent: text Windows-1251 cannot carry, parameters
# over 219 bytes, a folder as the script, a file as the port. Exit 64 (2 for
# the port), one clear line, nothing on the tape.
lines_before=$(wc -l <"$dir/tape.txt")
err=$("$CLI" -p "$dir/reg" send 61 $'731942;caf\xe9 12.50;' 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "broken UTF-8 exited $rc"
grep -q 'not valid UTF-8 at byte 11, nothing sent: "731942;caf<E9> 12.50;"' <<<"$err" || fail "broken UTF-8: $err"
err=$("$CLI" -p "$dir/reg" send 61 "731942;ok 😀;" 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "emoji exited $rc"
grep -q "U+1F600" <<<"$err" || fail "emoji: $err"
out=$("$CLI" --json -p "$dir/reg" send 61 "731942;$(printf 'a%.0s' $(seq 220));" 2>"$dir/err.txt"); rc=$?
[ $rc -eq 64 ] || fail "long parameters exited $rc"
grep -q "more than the 219" "$dir/err.txt" || fail "long parameters: $(cat "$dir/err.txt")"
grep -q timeout <<<"$out$(cat "$dir/err.txt")" && fail "long parameters reported a time-out"
[ "$(wc -l <"$dir/tape.txt")" = "$lines_before" ] || fail "a refused line was printed"
err=$("$CLI" -p "$dir/reg" run "$dir" 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "run on a folder exited $rc"
grep -q "is a folder, not a script file" <<<"$err" || fail "run on a folder: $err"
for port in "$dir/tape.txt" /dev/null; do
  err=$("$CLI" -p "$port" send 80 "731942;" 2>&1 >/dev/null); rc=$?
  [ $rc -eq 2 ] || fail "$port as the port exited $rc"
  grep -q "cannot open $port: not a serial device" <<<"$err" || fail "$port as the port: $err"
done

# The sequence counter is kept between runs, one ahead of the last request;
# every run's first exchange is the read that proves the sequence.
mkdir -p "$dir/cfg"
timeout 20 "$CLI" --config "$dir/cfg" --json -p "$dir/reg" send 21 "731942;" >"$dir/a.json" || fail "seq a"
seq_a=$(sed 's/.*"sent":"01..\(..\).*/\1/' "$dir/a.json")
next=$(cat "$dir/cfg/tesmar-cli.seq")
timeout 20 "$CLI" --config "$dir/cfg" --json -p "$dir/reg" send 21 "731942;" >"$dir/b.json" || fail "seq b"
seq_b=$(sed 's/.*"sent":"01..\(..\).*/\1/' "$dir/b.json")
[ "$seq_a" != "$seq_b" ] || fail "second run repeated SEQ $seq_a"
[ "$(printf "%02X" $((0x20 + (next + 2) % 256 % 95)))" = "$seq_b" ] || fail "counter $next, SEQ $seq_b"

# A Speed in tsinit.ini that no port takes is named with its file, exit 64.
mkdir -p "$dir/badspeed"
printf '[Communication]\r\nSpeed=abc\r\n' >"$dir/badspeed/tsinit.ini"
err=$("$CLI" --config "$dir/badspeed" -p "$dir/reg" send 80 "731942;" 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "bad Speed exited $rc"
grep -qF "[Communication] Speed in $dir/badspeed/tsinit.ini is not a speed the port can take: \"abc\"" <<<"$err" ||
  fail "bad Speed: $err"

# Ctrl-C during a run: it stops between lines with its message, exit 130,
# and the session log gets its end line.
printf '[LogFile]\r\nLog=1\r\nLogName=%s\r\n' "$dir/cfg/session.log" >"$dir/cfg/tsinit.ini"
printf '%%DeclareBeg\r\n%%New i\r\n%%DeclareEnd\r\n%%Set i = "0"\r\n%%While (i<100000)\r\n21731942;\r\n%%Delay 20\r\n%%Oper (i, 1, 0, i)\r\n%%EndWhile\r\n' >"$dir/long.txt"
"$CLI" --config "$dir/cfg" -p "$dir/reg" run "$dir/long.txt" >/dev/null 2>"$dir/err.txt" &
cli_pid=$!
sleep 1
kill -INT $cli_pid
timeout 10 tail --pid=$cli_pid -f /dev/null || { kill -9 $cli_pid; fail "run ignored Ctrl-C"; }
wait $cli_pid; rc=$?
[ $rc -eq 130 ] || fail "stopped run exited $rc"
grep -q "stopped by SIGINT after line" "$dir/err.txt" || fail "stop message: $(cat "$dir/err.txt")"
tail -1 "$dir/cfg/session.log" | iconv -f CP1251 -t UTF-8 | grep -q "^;Конец Сеанса" || fail "no end line in the session log"

# A silent registrar: no answer, exit 2, within the bounded wait.
kill $emu_pid; wait $emu_pid 2>/dev/null
"$EMU" --link "$dir/reg" --silence 1 >"$dir/emu.out" 2>&1 &
emu_pid=$!
sleep 0.3
printf '[Fiscal Printer]\r\nReply=0\r\n' >"$dir/tsinit.ini"
out=$(timeout 30 "$CLI" --config "$dir" --json -p "$dir/reg" send 21 "731942;"); rc=$?
[ $rc -eq 2 ] || fail "silent registrar exited $rc"
grep -q '"timeout":true' <<<"$out" || fail "timeout flag: $out"

# A registrar that keeps sending SYN: the exchange bound of tsinit.ini ends
# it with a message, exit 2.
kill $emu_pid; wait $emu_pid 2>/dev/null
"$EMU" --link "$dir/reg" --busy 60000 >"$dir/emu.out" 2>&1 &
emu_pid=$!
sleep 0.3
printf '[Fiscal Printer]\r\nReply=0\r\nExchangeLimit=1500\r\n' >"$dir/tsinit.ini"
timeout 20 "$CLI" --config "$dir" -p "$dir/reg" send 21 "731942;" >/dev/null 2>"$dir/err.txt"; rc=$?
[ $rc -eq 2 ] || fail "endless SYN exited $rc"
grep -q "ExchangeLimit" "$dir/err.txt" || fail "endless SYN message: $(cat "$dir/err.txt")"
kill -9 $emu_pid; wait $emu_pid 2>/dev/null
"$EMU" --link "$dir/reg" >"$dir/emu.out" 2>&1 &
emu_pid=$!
sleep 0.3

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
