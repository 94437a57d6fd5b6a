#!/bin/sh
# The layer check passes on the sources as they are, and on a copy with planted includes it
# fails and names each planted file and line.
#   tests/tools/check-layers-test.sh SOURCE_ROOT
set -u
root=$(cd "${1:?usage: check-layers-test.sh SOURCE_ROOT}" && pwd)
check="$root/tools/check-layers.sh"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$(sh "$check" "$root" 2>&1) || fail "the sources themselves: $out"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -R "$root/src" "$tmp/src"

# plant LINE as line 2 of FILE, expect MESSAGE for FILE:2, then put the file back
planted() {
    file=$1 line=$2 message=$3
    cp "$tmp/src/$file" "$tmp/saved"
    { head -n 1 "$tmp/saved"; echo "$line"; tail -n +2 "$tmp/saved"; } >"$tmp/src/$file"
    out=$(sh "$check" "$tmp" 2>&1)
    status=$?
    [ "$status" -eq 1 ] || fail "$file with '$line': status $status, not 1"
    echo "$out" | grep -qxF "src/$file:2: $message" || fail "$file with '$line' gave: $out"
    [ "$(echo "$out" | wc -l)" -eq 1 ] || fail "$file with '$line': more than the planted line: $out"
    mv "$tmp/saved" "$tmp/src/$file"
}

planted wizards/common/page.h '#include "link/aboutbox.h"' \
    'includes link/aboutbox.h, but wizards/common/ lies below link/'
planted wizards/thread/threadrepair.cpp '#include "app/mainwindowlogic.h"' \
    'includes app/mainwindowlogic.h, but wizards/ lies below app/'
planted ui/controls.h '#  include "wizards/common/numbertext.h"' \
    'includes wizards/common/numbertext.h, but ui/ lies below wizards/common/'
planted wizards/common/fields.cpp '#include "wizards/thread/threadcheck.h"' \
    'includes wizards/thread/threadcheck.h, but wizards/common/ lies below wizards/'
planted app/mainwindowlogic.cpp '#include "desktop/mainwindow.h"' \
    'includes desktop/mainwindow.h, but app/ lies below desktop/'
planted link/aboutbox.cpp '#include <QString>' 'includes <QString>; only desktop/ includes Qt'
planted link/textfile.cpp '#include <sys/stat.h>' \
    "includes <sys/stat.h>; only platform/ includes the system's own headers"
planted standin/standin.cpp '#include <windows.h>' \
    "includes <windows.h>; only platform/ includes the system's own headers"

# the program reader may lean on the number text, nothing else of ours
mkdir -p "$tmp/src/program"
printf '// reader\n#include "wizards/common/numbertext.h"\n' >"$tmp/src/program/reader.h"
out=$(sh "$check" "$tmp" 2>&1) || fail "program/ on the number text: $out"
planted program/reader.h '#include "ui/controls.h"' \
    'includes ui/controls.h, but program/ may include only wizards/common/, platform/'

# a folder the check does not know is no layer at all
mkdir -p "$tmp/src/extra"
echo '// x' >"$tmp/src/extra/x.h"
out=$(sh "$check" "$tmp" 2>&1)
echo "$out" | grep -qF "src/extra/x.h:1: lies in no layer" || fail "an unknown folder gave: $out"

# what is allowed stays allowed: downward, sideways between wizard groups, own folder
rm -r "$tmp/src/extra"
cp "$tmp/src/desktop/mainwindow.h" "$tmp/saved"
printf '#include "app/mainwindowlogic.h"\n#include "ui/form.h"\n#include <QWidget>\n' >>"$tmp/src/desktop/mainwindow.h"
printf '#include "wizards/spiral/fibonacci.h"\n' >>"$tmp/src/wizards/contour/cutcircle.h"
printf '#include <unistd.h>\n' >>"$tmp/src/platform/files.h"
out=$(sh "$check" "$tmp" 2>&1) || fail "allowed includes refused: $out"

[ "$failures" -eq 0 ] && echo "layer check: all cases pass"
[ "$failures" -eq 0 ]
