#!/bin/sh
# Runs every measurement and prints its figures:
#   bench/run.sh [BUILD_DIR] [--quick]
# --quick leaves out the two largest spirals (the slowest to run).
set -eu
build=${1:-build}
quick=${2:-}
export QT_QPA_PLATFORM=offscreen
quiet() { grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR || true; }

echo "== Create runs against the snprintf baseline"
if [ "$quick" = "--quick" ]; then
    "$build/qorix-bench" --benchmark_filter='pocket|cut|bolt|thread|turns'
else
    "$build/qorix-bench"
fi

echo
echo "== Reading the largest spiral (a million lines) into its toolpath, against writing it"
"$build/qorix-bench-reader"

echo
echo "== Start-up to the main window shown, against one empty Qt Widgets window"
runs=31
now() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
once() {
    t0=$(now)
    "$build/qorix-bench-desktop" "$@" 2>/dev/null
    t1=$(now)
    echo $(( (t1 - t0) / 1000 ))
}
folder=$(mktemp -d)
times=$(mktemp)
# the two alternate, so that both see the same state of the machine
i=0
while [ $i -lt $runs ]; do
    echo "empty $(once empty-window)" >> "$times"
    echo "main $(once main-window "$folder")" >> "$times"
    i=$((i + 1))
done
empty=$(awk '$1 == "empty" {print $2}' "$times" | median)
main=$(awk '$1 == "main" {print $2}' "$times" | median)
rm -f "$times"
rmdir "$folder"
awk -v e="$empty" -v m="$main" 'BEGIN {
    printf "start-up: %.2fx the empty window (main window %.1f ms, empty window %.1f ms, median of '$runs')\n",
           m / e, m / 1000, e / 1000 }'

echo
echo "== Output box"
"$build/qorix-bench-desktop" output-box 100000 2>&1 | quiet
"$build/qorix-bench-desktop" output-box 1000000 2>&1 | quiet
"$build/qorix-bench-desktop" typing 100000 2>&1 | quiet
"$build/qorix-bench-desktop" typing 1000000 2>&1 | quiet

echo
echo "== Hole selector over 100 x 100 holes"
"$build/qorix-bench-desktop" hole-selector 100 2>&1 | quiet

echo
echo "== Saving"
file=$(mktemp --suffix=.tap)
"$build/qorix-bench-desktop" save 1000000 "$file"
echo "file: $(wc -c < "$file") bytes"

echo
echo "== Toolpath preview"
"$build/qorix-bench-preview" press 20 2>&1 | quiet
"$build/qorix-bench-preview" large 1000000 2>&1 | quiet
"$build/qorix-bench-preview" large 1000000 circular-pocket 2>&1 | quiet
# "Megnyitás" of the million lines saved above (pockets in series: the first M30 ends the run,
# the rest is read for its warnings) and of a two-line file
"$build/qorix-bench-preview" open "$file" 2>&1 | quiet
small=$(mktemp --suffix=.tap)
printf 'G0 X1 Y1 Z5\r\nM30\r\n' > "$small"
"$build/qorix-bench-preview" open "$small" 2>&1 | quiet
rm -f "$file" "$small"
