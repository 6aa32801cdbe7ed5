#!/usr/bin/env bash
# The page with a real screen reader, as a blind player on Linux has it: Orca over AT-SPI and
# Debian's Chromium or Firefox ESR on a real X server (Xvfb) with its own session bus, speech-dispatcher writing
# every line Orca speaks to a file, the page served on localhost, and real keys through XTest.
# Each screen's title is spoken as it opens, the holes say nothing, Command9 says its name; then,
# in the text mode, a whole game and the help keys are said in words.
#   page_screen_reader.sh PAGE_FOLDER [chromium|firefox] [es|en]
set -uo pipefail
page=$1
browser_name=${2:-chromium}
language=${3:-es}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/own_session.sh"
work=$(mktemp -d)
own_session "$work"
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$page" > "$work/server.log" 2>&1 &
server=$!
trap 'kill $server 2> /dev/null; rm -rf "$work"' EXIT
for ((i = 0; i < 100; i++)); do
    port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/server.log")
    [ -n "$port" ] && break
    sleep 0.05
done

node "$here/web/winning_game.js" | cut -d' ' -f2 > "$work/winning_game.keys" || exit 1

cat > "$work/session.sh" <<'SESSION'
set -uo pipefail
work=$1 url=$2 browser_name=$3 language=$4 here=$5
# What the page says in the language it is asked for.
if [ "$language" = en ]; then
    start="press Enter to play" credits=CREDITS board=BOARD command9="Sound of the centre with a peg"
    text_on="text mode on" text_off="text mode off"
else
    start="pulsa Intro para jugar" credits=CRÉDITOS board=TABLERO command9="Sonido del centro con bola"
    text_on="modo texto activado" text_off="modo texto desactivado"
fi
# Firefox starts no sound without a sound server, and the page then tells the player so, over
# what this test listens for: a server of the test's own, as a player has one.
[ "$browser_name" = firefox ] && { start_sound_server pulseaudio "$work/server" || exit 1; }
start_screen_reader "$work" || exit 1
if [ "$browser_name" = firefox ]; then
    # Firefox as a player starts it, on a fresh profile that asks pages for Spanish, with its
    # accessibility on, as the desktop turns it on for a screen reader; no first-run pages, and
    # nothing of its own reaching for the network.
    firefox_profile "$work/profile" "$language"
    GNOME_ACCESSIBILITY=1 firefox-esr --profile "$work/profile" --no-remote "$url" > "$work/browser.log" 2>&1 &
else
    # Chromium as a player starts it, in the page's own window; its accessibility is on, as it is
    # when a screen reader runs; the languages it asks pages for, and so the page's, the test's.
    # Nothing of its own reaches for the network.
    chromium --no-sandbox --user-data-dir="$work/profile" --no-first-run --disable-gpu \
        --disable-background-networking --disable-component-update --disable-sync \
        --disable-features=Translate --force-renderer-accessibility --accept-lang="$language" --app="$url" \
        > "$work/browser.log" 2>&1 &
fi
browser=$!
set_mark
heard "the page opens on its first element" "$start" 20
key Return
heard "Enter starts the game: the menu's title" "^TINTINEABLES"
key F1
heard "F1: the tutorial" "^TUTORIAL"
key F3
heard "F3: the credits" "^$credits"
key F2
heard "F2: the board" "^$board"
key Up
quiet "Up to the next hole" 1 "^up"
key Right
quiet "Right to the next hole" 1 "^right"
key Down; sleep 0.3; key Left; sleep 0.3
key shift+Tab
heard "Command9 by Shift+Tab from the first hole" "$command9"
key Escape
heard "Escape: back to the menu" "^TINTINEABLES"
# The text mode: the holes and every answer in words, through the page's live region.
key F2
heard "F2: the board again" "^$board"
key t
said_words "T" "$text_on" && ok "T: $text_on"
played_in_words "$language" "$work/winning_game.keys" "$here"
key t
said_words "T again" "$text_off" && ok "T: $text_off"
key Up
quiet "out of the text mode, a hole says nothing" 1 "^up"
key Escape
heard "Escape: back to the menu again" "^TINTINEABLES"
if [ "$failures" != 0 ]; then
    kill -0 $browser 2> /dev/null || echo "$browser_name has ended:"
    tail -n 5 "$work/browser.log"
fi
kill $browser
wait $browser 2> /dev/null
stop_screen_reader
stop_sound_server
exit $(( failures > 0 ))
SESSION

with_x_server -s "-screen 0 1024x768x24" timeout 200 \
    bash -c ". '$here/sound_server.sh'; . '$here/screen_reader_session.sh'; . '$here/firefox_profile.sh'; . '$work/session.sh'" _ "$work" \
    "http://127.0.0.1:$port/" "$browser_name" "$language" "$here" > "$work/session.log" 2>&1
status=$?
grep -E '^(ok|FAIL)' "$work/session.log"
[ "$status" = 0 ] || { echo "the session ended with status $status:"; tail -n 20 "$work/session.log"; }
exit "$status"
