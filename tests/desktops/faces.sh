#!/usr/bin/env bash
# Whatever face the system makes its default sans-serif (Noto Sans on most
# KDE and GNOME installs), every window comes out pixel for pixel the same:
# each text names a face the game's package installs. The windows are drawn
# twice, the second time under a font configuration whose sans-serif face is
# a serif one, and compared.
set -euo pipefail
test=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/own" "$dir/other"
cat >"$dir/other.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>sans-serif</family><prefer><family>DejaVu Serif</family></prefer></alias>
  <alias binding="strong"><family>Sans Serif</family><prefer><family>DejaVu Serif</family></prefer></alias>
</fontconfig>
CONF
CIPHERLY_GRABS="$dir/own" "$test" everyWindowGrabbedForTheFaceCheck >"$dir/own.log" 2>&1 ||
  { cat "$dir/own.log"; echo "FAIL: the windows could not be drawn"; exit 1; }
FONTCONFIG_FILE="$dir/other.conf" CIPHERLY_GRABS="$dir/other" "$test" everyWindowGrabbedForTheFaceCheck \
  >"$dir/other.log" 2>&1 || { cat "$dir/other.log"; echo "FAIL: the windows could not be drawn"; exit 1; }
own=$(cat "$dir/own/system-face.txt") other=$(cat "$dir/other/system-face.txt")
echo "system sans-serif face: $own, then $other"
[ "$own" != "$other" ] || { echo "FAIL: the second system face is the first"; exit 1; }
failed=0
for f in "$dir"/own/*.png; do
  name=$(basename "$f")
  if cmp -s "$f" "$dir/other/$name"; then echo "   $name: the same"; else echo "   $name: DIFFERS"; failed=1; fi
done
[ "$failed" -eq 0 ] || { echo "FAIL: a window depends on the system's face"; exit 1; }
echo "1 passed, 0 failed"
