#!/bin/bash
# tesmar-emu's bank terminal: its options are checked like the others, it is
# served on a pty of its own behind --terminal-link, answers the request 12h
# with the acknowledgement and the card's details (held back by
# --terminal-delay), and its link goes away when the emulator stops.
set -u
EMU=$1
dir=$(mktemp -d)
emu_pid=
trap '[ -n "$emu_pid" ] && kill $emu_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

err=$("$EMU" --terminal-cut 2 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "--terminal-cut 2 exited $rc"
grep -qF "bad probability for --terminal-cut: 2" <<<"$err" || fail "said: $err"
err=$("$EMU" --terminal-decline 1.5 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "--terminal-decline 1.5 exited $rc"
grep -qF "bad probability for --terminal-decline: 1.5" <<<"$err" || fail "said: $err"
err=$("$EMU" --terminal-delay -5 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "--terminal-delay -5 exited $rc"
grep -qF "bad number for --terminal-delay: -5" <<<"$err" || fail "said: $err"

"$EMU" --link "$dir/reg" --terminal-link "$dir/term" --terminal-delay 200 \
  --terminal-decline 0.5 --seed 7 >"$dir/emu.out" 2>"$dir/emu.err" &
emu_pid=$!
for _ in $(seq 50); do [ -L "$dir/term" ] && break; sleep 0.1; done
[ -L "$dir/term" ] || fail "no terminal link: $(cat "$dir/emu.err")"
# The link is made before the line about it is printed.
for _ in $(seq 50); do grep -q "^terminal: " "$dir/emu.out" && break; sleep 0.1; done
grep -q "^terminal: $dir/term -> /dev/pts/" "$dir/emu.out" || fail "no terminal line: $(cat "$dir/emu.out")"

exec 3<>"$dir/term"
stty -F "$dir/term" raw -echo
printf '\x00\x01\x12' >&3
answer=$(timeout 2 head -c 49 <&3 | od -An -c | tr -s ' \n' ' ')
exec 3>&-
grep -qF '\0 001 006 \0' <<<"$answer" || fail "no acknowledgement: $answer"
grep -qF '0 4 = V I S A' <<<"$answer" || fail "no card details: $answer"

kill -TERM $emu_pid
wait $emu_pid; rc=$?; emu_pid=
[ $rc -eq 0 ] || fail "exited $rc after SIGTERM"
[ -e "$dir/term" ] && fail "terminal link left behind"
echo ok
