#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks its contents and dependencies,
# installs it as a user would, and checks the installed programs: --version and --help
# answer, the manual page shows, and the desktop program reads its pictures from where the
# package put them. Run as root on a machine that may have the package installed.
set -euo pipefail
build=${1:-build}
fail() { echo "check-package: $*" >&2; exit 1; }

rm -f "$build"/qorix-wizards_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/qorix-wizards_*.deb)
echo "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libjpeg62-turbo; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/qorix-wizards ./usr/bin/qorix-wizards-cli ./usr/bin/qorix-standin \
         ./usr/share/applications/qorix-wizards.desktop \
         ./usr/share/icons/hicolor/scalable/apps/qorix-wizards.svg \
         ./usr/share/man/man1/qorix-wizards.1.gz ./usr/share/man/man1/qorix-wizards-cli.1.gz \
         ./usr/share/man/man1/qorix-standin.1.gz \
         ./usr/share/qorix-wizards/assets/cutcircle.jpg; do
    grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done

apt-get install -y -qq --reinstall "./$deb" >/dev/null || apt-get install -y -qq --reinstall "$deb" >/dev/null

grep -qx "Name=QORIX varázslók" /usr/share/applications/qorix-wizards.desktop ||
    fail "desktop entry without its name"
for program in qorix-wizards qorix-wizards-cli qorix-standin; do
    "$program" --version | grep -q "^$program (QORIX varázslók) " || fail "$program --version"
    "$program" --help | grep -q "qorix" || fail "$program --help"
done
MANPAGER=cat MANWIDTH=100 man qorix-wizards-cli 2>/dev/null | grep -q "EXIT STATUS" ||
    fail "man qorix-wizards-cli shows no page"

# The installed desktop program, started offscreen, must open its pictures from the package's
# folder; it waits at its first message box, so it is stopped after a few seconds.
trace=$(mktemp)
home=$(mktemp -d)
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 10 strace -f -e trace=openat -o "$trace" \
    /usr/bin/qorix-wizards "$home/QORIX" >/dev/null 2>&1 || true
opened=$(grep -v ENOENT "$trace" | grep -o '"[^"]*\.jpg"' | sed 's|/usr/bin/\.\./|/usr/|' | sort -u || true)
grep -q '"/usr/share/qorix-wizards/assets/cutcircle.jpg"' <<<"$opened" ||
    fail "the installed program did not read its pictures: $opened"
if grep -v '/usr/share/qorix-wizards/assets/' <<<"$opened" | grep -q .; then
    fail "pictures read from outside the package: $opened"
fi
rm -rf "$trace" "$home"
echo "check-package: the package installs and its programs answer"
