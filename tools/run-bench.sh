#!/usr/bin/env bash
# Runs the benchmarks offscreen in a throw-away folder.
set -euo pipefail
# The sources, found before the run moves to its own folder.
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/cipherly-bench.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/runtime" && chmod 700 "$root/runtime"
export HOME="$root" XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/runtime"
export QT_QPA_PLATFORM=offscreen
cd "$root"
for b in "$build"/bench/cipherly-bench*; do
  if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
done
# Imports as a player meets them: a device, a 64 MiB text, and Debian's
# fortune collections where they are installed.
echo "Import of /dev/zero:"
"$build/bench/cipherly-import-report" /dev/zero || true
awk 'BEGIN { srand(1); while (n < 64 * 1048576 - 300) { l = ""; for (i = 0; i < 20; ++i) l = l "word" int(rand() * 9) " "; n += length(l) + 1; print l } }' | tr 0-9 a-j >"$root/big.txt"
# Each import beside a short script that only reads and splits the same
# files, and the import's time as a multiple of the script's.
# On a shared machine either can be slowed for a moment: three rounds of the
# two taken in turn, and the best of each compared.
importBeside() {
  local report script all=""
  for _ in 1 2 3; do
    report=$("$build/bench/cipherly-import-report" "$@") || true
    script=$(python3 "$src/bench/plain_split.py" "$@")
    all+="$report"$'\n'"$script"$'\n'
  done
  echo "$report"
  echo "  the same read and split by a short script: $script"
  printf '%s' "$all" | awk '
    / ms \(the median of five\), peak memory/ { if (!t || $1 < t) t = $1 }
    / lines .* ms$/ { if (!s || $(NF - 1) < s) s = $(NF - 1) }
    END { if (t && s) printf "  the best of three rounds: the import %d ms, the script %.1f ms: %.2fx\n", t, s, t / s }'
}
echo "Import of a 64 MiB text file:"
importBeside "$root/big.txt"
if [ -d /usr/share/games/fortunes ]; then
  echo "Import of the fortune collections in /usr/share/games/fortunes:"
  mapfile -d '' fortunes < <(find /usr/share/games/fortunes -type f ! -name '*.dat' -print0)
  importBeside "${fortunes[@]}"
fi
# The solver on quotes from a collection its word counts never saw.
if [ -f /usr/share/games/fortunes/anarchism ]; then
  echo "The solver on the anarchism collection:"
  "$build/bench/cipherly-solver-bench" /usr/share/games/fortunes/anarchism
  echo "The solver on the same quotes of 120-200 characters, without word breaks:"
  "$build/bench/cipherly-solver-bench" --no-breaks /usr/share/games/fortunes/anarchism
fi
# The same on German: fortunes-de's collections but the quotations the
# German word counts come from, every fifth quote (about 900).
if [ -f /usr/share/games/fortunes/de/zitate ]; then
  echo "The solver on fortunes-de's collections but its quotations:"
  mapfile -t german < <(find /usr/share/games/fortunes/de -type f ! -name '*.dat' ! -name zitate | sort)
  "$build/bench/cipherly-solver-bench" --every 5 "${german[@]}"
fi
# The quote store, killed a thousand times in each of its writes.
"$build/bench/cipherly-store-kills" 1000
# The end of a game, killed 400 times, counted once at the next start.
"$build/bench/cipherly-game-end-kills" 400
# The record of games at 100,000 rows, against an empty one.
"$build/bench/cipherly-record-bench"
# A pair placed while the disk is busy.
"$build/bench/cipherly-save-bench"
# On a real X server: the first window and the wakeups while idle, against a
# plain Qt window.
"$src/bench/desktop_bench.sh" "$build/startup/cipherly" "$build/bench/cipherly-plain-window" \
  "$build/tests/xprobe"
