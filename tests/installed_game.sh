#!/usr/bin/env bash
# Installs the game into a temporary prefix and starts the installed executable: it must take
# its recordings from <prefix>/share/tintineables/sounds, not from the build tree. Then what a
# distribution checks: the desktop entry, the AppStream metadata, the manual page, the icons,
# and the Debian package made from the same build, which lintian must pass without a warning.
#   installed_game.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
own_session "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Start it from an unrelated folder, trace which recordings it opens, then end it.
cd "$work"
env --default-signal=TERM QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -qq -e trace=openat -o "$work/trace" timeout 30 "$prefix/games/tintineables" 2> "$work/stderr" &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    # strace only detaches on a signal of its own: end the game itself.
    pkill -TERM -P "$pid" || true
    wait "$pid" || true
    echo "ok   the installed game started and ran until it was ended"
else
    wait "$pid" || true
    fail "the installed game stopped by itself:"
    cat "$work/stderr"
fi
opened=$(grep -o '"[^"]*\.wav"' "$work/trace" | tr -d '"' | sort -u)
count=$(echo "$opened" | grep -c "^$prefix/share/tintineables/sounds/" || true)
installed=$(find "$prefix/share/tintineables/sounds" -name '*.wav' | wc -l)
[ "$count" = "$installed" ] && [ "$installed" -gt 13 ] &&
    echo "ok   all $installed recordings read from $prefix/share/tintineables/sounds" ||
    fail "read $count of $installed recordings from the prefix; opened: $opened"
if echo "$opened" | grep -q "^$build"; then
    fail "a recording was read from the build tree"
fi

# The desktop entry, the AppStream metadata, the manual page and the icons.
desktop-file-validate "$prefix/share/applications/tintineables.desktop" &&
    echo "ok   desktop-file-validate accepts the desktop entry" || fail "desktop entry"
metainfo=$prefix/share/metainfo/invalid.tintineables.tintineables.metainfo.xml
if appstreamcli validate --no-net --pedantic "$metainfo" > "$work/appstream" 2>&1 &&
   ! grep -E '^[EWP]:' "$work/appstream"; then
    echo "ok   appstreamcli validates the metadata, pedantic checks too"
else
    fail "AppStream metadata:"; cat "$work/appstream"
fi
man_page=$prefix/share/man/man6/tintineables.6.gz
if [ -s "$man_page" ]; then
    # groff's every warning, and man's own, for the page as man shows it.
    # (bold text comes overstruck: a character, a backspace, the character again)
    zcat "$man_page" | groff -k -ww -man -Tutf8 2> "$work/man.warnings" | sed 's/.\x08//g' \
        > "$work/man.txt"
    MANWIDTH=80 man --warnings -l "$man_page" > /dev/null 2>> "$work/man.warnings"
    if [ -s "$work/man.warnings" ]; then
        fail "the manual page renders with warnings:"; cat "$work/man.warnings"
    fi
    for section in NAME SYNOPSIS DESCRIPTION MENU BOARD FILES "EXIT STATUS" DIAGNOSTICS; do
        grep -q "^$section" "$work/man.txt" || fail "the manual page has no $section"
    done
    echo "ok   the manual page renders without a warning"
else
    fail "no manual page $man_page"
fi
for icon in scalable/apps/tintineables.svg 16x16/apps/tintineables.png 32x32/apps/tintineables.png \
            48x48/apps/tintineables.png 256x256/apps/tintineables.png; do
    [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done

# The Debian package: its files under /usr and its runtime dependencies.
(cd "$build" && cpack -B "$work/package" > "$work/cpack.log" 2>&1) || { fail "cpack"; cat "$work/cpack.log"; }
deb=$(ls "$work/package"/*.deb 2>/dev/null | head -n 1)
if [ -n "$deb" ]; then
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libqt6widgets6 libsdl2-mixer qt6-qpa-plugins; do
        echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed: $depends"
    done
    contents=$(dpkg-deb -c "$deb")
    for file in ./usr/games/tintineables ./usr/share/tintineables/sounds/bola.wav \
                ./usr/share/applications/tintineables.desktop ./usr/share/man/man6/tintineables.6.gz \
                ./usr/share/metainfo/invalid.tintineables.tintineables.metainfo.xml \
                ./usr/share/doc/tintineables/copyright ./usr/share/doc/tintineables/changelog.gz; do
        echo "$contents" | grep -q " $file\$" || fail "the package lacks $file"
    done
    echo "ok   $(basename "$deb"): depends on $depends"
    # Informational tags may stay; errors, warnings and pedantic remarks may not.
    lintian --display-info "$deb" > "$work/lintian" 2>&1
    if grep -E '^[EWXP]:' "$work/lintian"; then
        fail "lintian:"; cat "$work/lintian"
    else
        echo "ok   lintian: no error, no warning ($(grep -c '^I:' "$work/lintian") informational tags)"
    fi
fi
[ "$failures" = 0 ]
