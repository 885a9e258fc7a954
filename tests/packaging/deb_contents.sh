#!/bin/bash
# Makes the Debian packages from this build folder and checks what they hold:
# the three programs, the library and its soname link, the desktop entry and
# icon, the udev rule, the manual pages, the control fields; no file in two
# packages; the packaged programs start and print their version.
# Usage: deb_contents.sh CPACK BUILD_DIR OUT_DIR VERSION LIBDIR UDEV_RULES_PATH
set -u
CPACK=$1 BUILD=$2 OUT=$3 VERSION=$4 LIBDIR=$5 RULES=$6
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed: skipped"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$OUT"
mkdir -p "$OUT" || fail "cannot make $OUT"
if ! "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$OUT" >"$OUT/cpack.log" 2>&1; then
  cat "$OUT/cpack.log"
  fail "cpack -G DEB"
fi
arch=$(dpkg --print-architecture)
deb() { echo "$OUT/${1}_${VERSION}_${arch}.deb"; }

# "path type target" a line: type is the first letter of the mode (- d l).
for p in tesmar libsorvil1 libsorvil-dev; do
  [ -f "$(deb $p)" ] || fail "no package $(deb $p); made: $(ls "$OUT")"
  dpkg-deb -c "$(deb $p)" | awk '{l = substr($6, 2) " " substr($1, 1, 1); print ($8 == "" ? l : l " " $8)}' >"$OUT/$p.list"
done

has_file() { grep -qx "$2 -" "$OUT/$1.list" || fail "$1 lacks the file $2"; }
has_link() { grep -qx "$2 l $3" "$OUT/$1.list" || fail "$1 lacks the link $2 -> $3"; }

for program in tesmar tesmar-cli tesmar-emu; do
  has_file tesmar /usr/bin/$program
  has_file tesmar /usr/share/man/man1/$program.1.gz
done
has_file tesmar /usr/share/applications/local.tesmar.Tesmar.desktop
has_file tesmar /usr/share/tesmar/contract/registrar.contract
has_file tesmar /usr/share/tesmar/translations/tesmar_uk.qm
has_file tesmar /usr/share/tesmar/translations/tesmar_en.qm
has_file tesmar /usr/share/metainfo/local.tesmar.Tesmar.metainfo.xml
has_file tesmar /usr/share/icons/hicolor/scalable/apps/tesmar.svg
has_file tesmar /usr/share/icons/hicolor/128x128/apps/tesmar.png
has_file tesmar "$RULES"
has_file libsorvil1 "/usr/$LIBDIR/libsorvil.so.1.0"
has_link libsorvil1 "/usr/$LIBDIR/libsorvil.so.1" libsorvil.so.1.0
has_link libsorvil-dev "/usr/$LIBDIR/libsorvil.so" libsorvil.so.1
has_file libsorvil-dev /usr/include/sorvil.h
for p in tesmar libsorvil1 libsorvil-dev; do
  has_file $p /usr/share/doc/$p/copyright
  has_file $p /usr/share/doc/$p/changelog.gz
done

# dpkg refuses a second package that brings a file the first one owns.
shared=$(cat "$OUT"/*.list | awk '$2 != "d" {print $1}' | sort | uniq -d)
[ -z "$shared" ] || fail "in more than one package: $shared"

field() { dpkg-deb -f "$(deb "$1")" "$2"; }
for p in tesmar libsorvil1 libsorvil-dev; do
  [ "$(field $p Package)" = $p ] || fail "$p: Package is $(field $p Package)"
  [ "$(field $p Version)" = "$VERSION" ] || fail "$p: Version is $(field $p Version)"
  [ -n "$(field $p Description)" ] || fail "$p has no description"
done
# Dependencies computed by dpkg-shlibdeps from the binaries.
grep -q "libqt6widgets6" <<<"$(field tesmar Depends)" || fail "tesmar Depends: $(field tesmar Depends)"
grep -q "libc6" <<<"$(field libsorvil1 Depends)" || fail "libsorvil1 Depends: $(field libsorvil1 Depends)"
grep -qF "libsorvil1 (= $VERSION)" <<<"$(field libsorvil-dev Depends)" ||
  fail "libsorvil-dev Depends: $(field libsorvil-dev Depends)"
dpkg-deb -I "$(deb libsorvil1)" shlibs | grep -qx "libsorvil 1 libsorvil1 (= $VERSION)" ||
  fail "libsorvil1 shlibs: $(dpkg-deb -I "$(deb libsorvil1)" shlibs)"

# The stripped programs, as installed, still run.
dpkg-deb -x "$(deb tesmar)" "$OUT/root" || fail "cannot unpack tesmar"
for program in tesmar tesmar-cli tesmar-emu; do
  out=$("$OUT/root/usr/bin/$program" --version) || fail "$program --version exited $?"
  [ "$out" = "$program $VERSION" ] || fail "$program --version printed: $out"
done
echo "packages:" "$(basename -a "$OUT"/*.deb | tr "\n" " ")"
