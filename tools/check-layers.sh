#!/bin/sh
# The folders under src/ are layers: a file includes only its own layer and those below it,
# only desktop/ includes Qt, and only platform/ includes the system's own headers (what differs
# between Linux and Windows stays there). This reads every #include line under SOURCE_ROOT/src and
# names each file and line that breaks the rule; the status is 1 if any does.
#   tools/check-layers.sh [SOURCE_ROOT]
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root/src"

# folder (the longest prefix counts), its layer, and, where a folder may reach only part of
# what lies below, the folders it may include besides its own.
layers='
platform        0
ui              1
wizards/common  2
wizards         3
program         4  wizards/common platform
link            5
app             6
standin         6
desktop         7
'

files=$(find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.in' \) | sed 's|^\./||' | sort)
[ -n "$files" ] || { echo "check-layers: no sources under $root/src" >&2; exit 2; }

# shellcheck disable=SC2086
awk -v layers="$layers" '
function folderOf(path,    best, f) {
    best = ""
    for (f in rank)
        if ((path == f || index(path, f "/") == 1) && length(f) > length(best)) best = f
    return best
}
function allowed(from, to,    n, i, list) {
    if (to == from || !(from in only)) return rank[to] <= rank[from]
    n = split(only[from], list, " ")
    for (i = 1; i <= n; i++) if (to == list[i]) return 1
    return 0
}
BEGIN {
    n = split(layers, line, "\n")
    for (i = 1; i <= n; i++) {
        if (split(line[i], w, " ") < 2) continue
        rank[w[1]] = w[2]
        if (w[3] != "") { only[w[1]] = w[3]; for (j = 4; j in w; j++) only[w[1]] = only[w[1]] " " w[j] }
        delete w
    }
}
FNR == 1 {
    from = folderOf(FILENAME)
    if (from == "") { printf "%s:1: lies in no layer; add its folder to tools/check-layers.sh\n", "src/" FILENAME; bad++ }
}
/^[ \t]*#[ \t]*include[ \t]*</ {
    if (from != "desktop" && match($0, /<Q[A-Za-z]*>/)) {
        printf "%s:%d: includes %s; only desktop/ includes Qt\n", "src/" FILENAME, FNR, substr($0, RSTART, RLENGTH)
        bad++
    }
    if (from != "platform" && match($0, /<(windows|unistd|fcntl|io|shellapi|dirent|pwd|sys\/[a-z_]+)\.h>/)) {
        printf "%s:%d: includes %s; only platform/ includes the system'"'"'s own headers\n", "src/" FILENAME, FNR, substr($0, RSTART, RLENGTH)
        bad++
    }
    next
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
    target = $0
    sub(/^[^"]*"/, "", target); sub(/".*$/, "", target)
    to = folderOf(target)
    if (from == "" || to == "") next
    if (!allowed(from, to)) {
        if (from in only) {
            list = only[from]
            gsub(/ /, "/, ", list)
            printf "%s:%d: includes %s, but %s/ may include only %s/\n", "src/" FILENAME, FNR, target, from, list
        } else
            printf "%s:%d: includes %s, but %s/ lies below %s/\n", "src/" FILENAME, FNR, target, from, to
        bad++
    }
}
END { exit bad ? 1 : 0 }
' $files
