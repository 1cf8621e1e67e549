#!/usr/bin/env bash
# The Debian package as Debian itself checks one: lintian finds no error and
# no warning, the game is in /usr/games and stripped, the manual page and the
# changelog are compressed, the copyright file is machine-readable, and the
# package depends on Qt's Wayland platform and the fonts the designs name.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }
cpack --config "$build/CPackConfig.cmake" -B "$out" -G DEB >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "the package could not be built"; }
deb=$(ls "$out"/cipherly_*_amd64.deb)

if command -v lintian >/dev/null; then
  lintian "$deb" >"$out/lintian.log" 2>&1 || true
  if grep -E '^[EW]: ' "$out/lintian.log"; then fail "lintian reports the lines above"; fi
else
  echo "lintian is not installed; its check is left out"
fi

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/games/cipherly ./usr/share/man/man6/cipherly.6.gz ./usr/share/man/de/man6/cipherly.6.gz \
  ./usr/share/doc/cipherly/copyright \
  ./usr/share/doc/cipherly/changelog.gz ./usr/share/applications/com.example.Cipherly.desktop \
  ./usr/share/metainfo/com.example.Cipherly.metainfo.xml; do
  grep -qxF "$f" <<<"$files" || fail "the package lacks $f"
done
grep -q '^./usr/bin/' <<<"$files" && fail "the game is in /usr/bin"

dpkg-deb -x "$deb" "$out/root"
file "$out/root/usr/games/cipherly" | grep -q ', stripped' || fail "the game is not stripped"
# In the build folder the program keeps its debugging information.
file "$build/startup/cipherly" | grep -q 'with debug_info' || fail "the build lost its debugging information"
zcat "$out/root/usr/share/man/man6/cipherly.6.gz" | grep -q '^\.TH CIPHERLY 6' || fail "no manual page"
man=$(zcat "$out/root/usr/share/man/man6/cipherly.6.gz")
# The manual page covers the options a terminal user tries, every file,
# setting and addition, and points to the fortune collections.
for word in '\-\-help' '\-\-version' games.csv FadeStatus NewUser SolverAids QuoteFolder ExportFolder \
  Cipherly.lock XDG_CONFIG_HOME "Solver's aids" Statistics 'Import Quotes' 'SEE ALSO' \
  'fortune (6)' Shift+F10 Ctrl+Z Ctrl+Y Game.sav 'Solve This Quote' 'Cipherly solution' 'Cipherly help'; do
  grep -qF -- "$word" <<<"$man" || fail "the manual page says nothing of $word"
done
# The German page names every setting and file the English one names.
german=$(zcat "$out/root/usr/share/man/de/man6/cipherly.6.gz")
while read -r word; do
  grep -qxF -- ".B $word" <<<"$german" || fail "the German manual page says nothing of $word"
done < <(sed -n '/^\.SH FILES/,/^\.SH ENV/s/^\.B \([A-Za-z.$*\\-]*\)$/\1/p' <<<"$man")
head -n1 "$out/root/usr/share/doc/cipherly/copyright" |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
grep -q "^Exec=.*cipherly" "$out/root/usr/share/applications/com.example.Cipherly.desktop" || fail "no command in the desktop entry"

depends=$(dpkg-deb -f "$deb" Depends)
for p in qt6-wayland fonts-liberation2 fonts-comic-neue fonts-dejavu-core; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "the package does not depend on $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"
dpkg-deb -f "$deb" Suggests | grep -q fortunes || fail "the fortune collections are not suggested"
dpkg-deb -f "$deb" Recommends | grep -q xdg-utils || fail "xdg-utils, which opens the links, is not recommended"
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n || fail "Qt's own translations (Yes, No in German) are not recommended"
# A terminal user asking for help or the version gets it, without a display.
env -u DISPLAY -u WAYLAND_DISPLAY "$out/root/usr/games/cipherly" --help | grep -q '^Usage: cipherly' ||
  fail "--help prints no usage"
env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 "$out/root/usr/games/cipherly" --help | grep -q '^Aufruf: cipherly' ||
  fail "--help speaks no German to a German reader"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$out/root/usr/games/cipherly" --version)" = "Cipherly 3.28.18" ] ||
  fail "--version prints no version"
echo "1 passed, 0 failed"
