#!/bin/bash
# --help and --version of the three programs: both exit 0 and print on
# stdout; the version line is "PROGRAM VERSION". Every option --help names
# has an entry in the program's manual page.
# Usage: help_and_version.sh VERSION MAN_DIR PROGRAM_PATH...
set -u
VERSION=$1 MAN=$2
shift 2
fail() { echo "FAIL: $*"; exit 1; }

for path in "$@"; do
  name=$(basename "$path")
  out=$("$path" --version 2>&1) || fail "$name --version exited $?"
  [ "$out" = "$name $VERSION" ] || fail "$name --version printed: $out"
  help=$("$path" --help 2>/dev/null) || fail "$name --help exited $?"
  [ "$("$path" -h 2>/dev/null)" = "$help" ] || fail "$name -h differs from --help"
  grep -q "^Usage" <<<"$help" || fail "$name --help: $help"

  # Options on the usage lines and in the option table (lines that start with
  # a dash), not in the examples of other programs. The page writes "\-".
  page=$(sed 's/\\-/-/g' "$MAN/$name.1.in")
  lines=$(grep -E "^(Usage:)? *(-|$name( |$))" <<<"$help")
  for option in $(grep -oE '(^|[][ |,])--?[a-z][a-z-]*' <<<"$lines" | tr -d '[]|, ' | sort -u); do
    grep -qE -- "^\.(B|BI|BR|RB)[^a-z]*$option( |\"|$)" <<<"$page" ||
      fail "$name.1 has no entry for $option"
  done
done

# tesmar-emu's older "--version TEXT" (the firmware version) still takes its
# value: the line goes on to the next option instead of printing the version.
for path in "$@"; do
  [ "$(basename "$path")" = tesmar-emu ] || continue
  err=$("$path" --version 2.50 --no-such-option 1 2>&1); rc=$?
  [ $rc -eq 64 ] || fail "tesmar-emu --version 2.50 --no-such-option 1 exited $rc: $err"
  grep -q "unknown option --no-such-option" <<<"$err" || fail "tesmar-emu said: $err"
done
exit 0
