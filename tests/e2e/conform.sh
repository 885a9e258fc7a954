#!/bin/bash
# tesmar-cli conform against tesmar-emu on a pty: the shipped contract holds
# for the software registrar (exit 0, every step as written, the tape checks
# made from its tape file); run again on the registrar it changed, the step
# that wants a fresh one is named and it exits 1; a contract that cannot be
# read exits 64.
# Usage: conform.sh TESMAR_EMU TESMAR_CLI CONTRACT
set -u
EMU=$1 CLI=$2 CONTRACT=$3
dir=$(mktemp -d)
trap 'kill $emu_pid 2>/dev/null; wait $emu_pid 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$EMU" --link "$dir/reg" --tape "$dir/tape.txt" >"$dir/emu.out" 2>&1 &
emu_pid=$!
for _ in $(seq 50); do [ -e "$dir/reg" ] && break; sleep 0.1; done
[ -e "$dir/reg" ] || fail "emulator did not make its link"

out=$(timeout 120 "$CLI" -p "$dir/reg" --config "$dir" conform --tape "$dir/tape.txt" "$CONTRACT"); rc=$?
echo "$out"
[ $rc -eq 0 ] || fail "conform exited $rc"
steps=$(grep -c '^step ' "$CONTRACT")
grep -qx "$CONTRACT: $steps steps, $steps as the contract says, 0 differ" <<<"$out" || fail "counts: $out"

# Run again, the registrar is no longer fresh: its serial number is set, so
# the step that wants none differs and is named with its line.
out=$(timeout 120 "$CLI" -p "$dir/reg" --config "$dir" conform --tape "$dir/tape.txt" "$CONTRACT"); rc=$?
[ $rc -eq 1 ] || fail "a second run exited $rc"
line=$(grep -n '^step 42h says that no serial number is set$' "$CONTRACT" | cut -d: -f1)
grep -qx "$CONTRACT:$line: step \"42h says that no serial number is set\"" <<<"$out" ||
  fail "the departing step is not named: $out"
grep -q '^  error: expected 0205, got 0000$' <<<"$out" || fail "what differs: $out"

printf 'step a\nsend 2G\n' >"$dir/bad.contract"
err=$("$CLI" -p "$dir/reg" conform "$dir/bad.contract" 2>&1 >/dev/null); rc=$?
[ $rc -eq 64 ] || fail "a bad contract exited $rc"
grep -q "bad.contract:2: send takes two hexadecimal digits" <<<"$err" || fail "bad contract: $err"
exit 0
