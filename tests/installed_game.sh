#!/usr/bin/env bash
# Installs the game into a temporary prefix and starts the installed executable: it must take
# its recordings from <prefix>/share/tintineables/sounds, not from the build tree. Then the
# desktop entry and the icons, and the Debian package made from the same build.
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
    strace -f -qq -e trace=openat -o "$work/trace" timeout 30 "$prefix/bin/tintineables" 2> "$work/stderr" &
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
[ "$count" = 13 ] && echo "ok   all 13 recordings read from $prefix/share/tintineables/sounds" ||
    fail "read $count recordings from the prefix; opened: $opened"
if echo "$opened" | grep -q "^$build"; then
    fail "a recording was read from the build tree"
fi

# The desktop entry and the icons.
desktop-file-validate "$prefix/share/applications/tintineables.desktop" &&
    echo "ok   desktop-file-validate accepts the desktop entry" || fail "desktop entry"
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
    for file in ./usr/bin/tintineables ./usr/share/tintineables/sounds/bola.wav \
                ./usr/share/applications/tintineables.desktop; do
        echo "$contents" | grep -q " $file\$" || fail "the package lacks $file"
    done
    echo "ok   $(basename "$deb"): depends on $depends"
fi
[ "$failures" = 0 ]
