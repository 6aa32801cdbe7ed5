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

# Start it from an unrelated folder, trace which files it opens, then end it.
# run_installed NAME [VARIABLE=VALUE...]: the trace lands in $work/trace-NAME.
run_installed() {
    local name=$1
    shift
    (cd "$work" && env --default-signal=TERM QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$@" \
        strace -f -qq -e trace=openat -o "$work/trace-$name" timeout 30 \
        "$prefix/games/tintineables" 2> "$work/stderr-$name") &
    local pid=$!
    sleep 2
    if pgrep -f "$prefix/games/tintineables" > /dev/null; then
        # strace only detaches on a signal of its own: end the game itself.
        pkill -TERM -f "^$prefix/games/tintineables" || true
        wait "$pid" || true
        echo "ok   the installed game started in $name and ran until it was ended"
    else
        wait "$pid" || true
        fail "the installed game stopped by itself in $name:"
        cat "$work/stderr-$name"
    fi
}
# opened NAME PATTERN: the files of the trace that were opened, matching PATTERN.
opened() { grep -o '"[^"]*"' "$work/trace-$1" | tr -d '"' | grep -E "$2" | sort -u; }

data=$prefix/share/tintineables
run_installed Spanish
count=$(opened Spanish '\.wav$' | grep -c "^$data/sounds/[^/]*$" || true)
installed=$(find "$data/sounds" -maxdepth 1 -name '*.wav' | wc -l)
[ "$count" = "$installed" ] && [ "$installed" -gt 13 ] &&
    echo "ok   all $installed Spanish recordings read from $data/sounds" ||
    fail "read $count of $installed recordings from the prefix; opened: $(opened Spanish '\.wav$')"
if opened Spanish '\.wav$' | grep -q "^$build"; then
    fail "a recording was read from the build tree"
fi
# In English: the English recordings, the earcons, and the translation, all from the prefix.
run_installed English LANGUAGE=en
english=$(find "$data/sounds/en" -name '*.wav' | wc -l)
read_english=$(opened English '\.wav$' | grep -c "^$data/sounds/en/" || true)
spanish_spoken=$(opened English '/(presentacion|tutorial|voz_[a-z0-9_]+)\.wav$' |
                 grep -c -v "^$data/sounds/en/" || true)
[ "$read_english" = "$english" ] && [ "$spanish_spoken" = 0 ] &&
    opened English '\.qm$' | grep -q "^$data/translations/tintineables_en.qm$" &&
    echo "ok   in English, the $english English recordings and the translation from $data" ||
    fail "in English: $read_english of $english English recordings, $spanish_spoken Spanish ones; opened: $(opened English '\.(wav|qm)$')"

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
# The player's manual in each language, whole pages that load nothing from elsewhere.
for language in es en pt fr; do
    page=$prefix/share/doc/tintineables/manual/$language.html
    if [ ! -s "$page" ]; then
        fail "no manual $page"
    elif ! grep -q "<html lang=\"$language" "$page" || grep -Eq '(src|href)="(https?:)?//' "$page"; then
        fail "the $language manual is not a page of its own language, or loads from elsewhere"
    fi
done
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
                ./usr/share/tintineables/sounds/tutorial.wav \
                ./usr/share/tintineables/sounds/en/tutorial.wav \
                ./usr/share/tintineables/translations/tintineables_en.qm \
                ./usr/share/applications/tintineables.desktop ./usr/share/man/man6/tintineables.6.gz \
                ./usr/share/metainfo/invalid.tintineables.tintineables.metainfo.xml \
                ./usr/share/doc/tintineables/copyright ./usr/share/doc/tintineables/changelog.gz \
                ./usr/share/doc/tintineables/manual/{es,en,pt,fr}.html; do
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
