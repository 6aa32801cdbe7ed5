#!/usr/bin/env bash
# The game with a real screen reader, as a blind player runs it: Orca over AT-SPI on a real X
# server (Xvfb) with its own session bus, speech-dispatcher writing every line Orca speaks to
# a file, the real executable, and real keys through XTest (xdotool).
#   screen_reader.sh GAME [LAUNCHES]
# The first launch walks every screen; every launch checks that the menu's title is the first
# thing spoken, before any key. A launch on an English desktop hears the English names, and a
# last one plays a whole game in the text mode, in English words.
set -uo pipefail
game=$1
launches=${2:-5}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/own_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
own_session "$work"

node "$here/web/winning_game.js" | cut -d' ' -f2 > "$work/winning_game.keys" || exit 1

cat > "$work/session.sh" <<'SESSION'
set -uo pipefail
work=$1 game=$2 launches=$3 here=$4

start_screen_reader "$work" || exit 1

start_game() { # [VARIABLE=VALUE...]: more of the game's environment
    set_mark
    # In the sanitizer build, leaks inside Qt are told apart by frames below Qt's own, which
    # only the slow unwinder sees (Qt is built without frame pointers).
    env "$@" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" \
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw" "$game" 2>> "$work/game.stderr" &
    game_pid=$!
}
end_game() { # expects the process to end with status 0 within a few seconds
    end_within 10 "$game_pid"
    local status=$?
    [ "$status" = 0 ] || { fail "the game ended with status $status"; cat "$work/game.stderr"; }
}

first_spoken_ok=0
for ((launch = 1; launch <= launches; launch++)); do
    start_game
    # The menu's title, and nothing before it.
    if heard "launch $launch: the menu's title" "TINTINEABLES" 10; then
        first=$(tail -n +$((mark + 1)) "$spoken" | head -n 1)
        if [[ "$first" == TINTINEABLES* ]]; then
            first_spoken_ok=$((first_spoken_ok + 1))
        else
            fail "launch $launch: the first thing spoken was \"$first\""
        fi
    fi
    if [ "$launch" = 1 ]; then
        key F1
        heard "F1 is echoed and opens the tutorial" "^F1" && heard "the tutorial" "^TUTORIAL"
        key Escape
        heard "Escape: back to the menu" "^TINTINEABLES"
        key F3
        heard "F3: the credits" "^CRÉDITOS"
        key F2
        heard "F2: the board" "^TABLERO"
        key shift+Tab
        heard "Command9 by Shift+Tab from the first hole" "Sonido del centro con bola"
        key Tab
        quiet "Tab back to the first hole" 1 "^tab"
        key Right
        quiet "arrows between holes" 1
        key Up
        quiet "arrows between holes" 1
        # Away to another program's window, then back: the focus never moved in the game, so
        # no hole announces itself, no sound plays, and Orca says nothing of the holes.
        board=$(window_of TABLERO)
        xmessage -name other "another program" &
        other=$!
        other_window=$(window_of other) && xdotool windowfocus --sync "$other_window"
        sleep 1
        set_mark
        before=$(stat -c %s "$work/out.raw")
        xdotool windowfocus --sync "$board"
        quiet "back to the board window" 1.5 "^TABLERO"
        after=$(stat -c %s "$work/out.raw")
        sounded=$(tail -c +$((before + 1)) "$work/out.raw" | head -c $((after - before)) |
                  od -An -v -td2 | tr -s ' ' '\n' | grep -c -v -E '^-?0?$')
        [ "$sounded" = 0 ] && ok "back to the board window: the game played nothing" ||
            fail "back to the board window: the game played $sounded samples"
        kill "$other"
        key Escape
        heard "Escape: back to the menu" "^TINTINEABLES"
    fi
    key Escape
    end_game
done
# On an English desktop Orca names the English windows, and Command9 by its English name.
start_game LANGUAGE=en
heard "English: the menu's title" "^TINTINEABLES" 10
key F3
heard "English: F3, the credits" "^CREDITS"
key F2
heard "English: F2, the board" "^BOARD"
key shift+Tab
heard "English: Command9 by Shift+Tab" "Sound of the centre with a peg"
key Escape
heard "English: Escape, back to the menu" "^TINTINEABLES"
key Escape
end_game
# The text mode, in English: every arrival and every answer of Bergholt's winning game, then the
# help keys, an undo and a refusal, said in words matched against the board played apart
# (board_in_words.py); switched off, the holes say nothing again.
start_game LANGUAGE=en
heard "text mode: the menu" "^TINTINEABLES" 10
key F2
heard "text mode: the board" "^BOARD"
key t
said_words "T" "text mode on" && ok "T: text mode on"
played_in_words en "$work/winning_game.keys" "$here"
key t
said_words "T again" "text mode off" && ok "T: text mode off"
key Up
quiet "out of the text mode, a hole says nothing" 1
key Escape
heard "text mode: Escape, back to the menu" "^TINTINEABLES"
key Escape
end_game

echo "the menu's title spoken first in $first_spoken_ok of $launches launches"
stop_screen_reader
exit $(( failures > 0 ))
SESSION

# Inside an X server of our own. The daemons may outlive the session for a moment: the log is
# a file, not a pipe they hold.
with_x_server -s "-screen 0 1024x768x24" timeout 600 \
    bash -c ". '$here/screen_reader_session.sh'; . '$work/session.sh'" \
    _ "$work" "$game" "$launches" "$here" > "$work/session.log" 2>&1
status=$?
grep -E '^(ok|FAIL|the menu)' "$work/session.log"
if [ "$status" != 0 ]; then
    echo "the session ended with status $status:"; tail -n 30 "$work/session.log"
    # What Orca and speech-dispatcher said of themselves, for a failure that comes once in many runs.
    for log in "$work/orca.log" "$work"/speechd-log/*; do
        [ -s "$log" ] && { echo "== ${log#"$work"/}, its end:"; tail -n 15 "$log"; }
    done
fi
if grep -q -i -E 'AddressSanitizer|LeakSanitizer|runtime error' "$work/game.stderr" 2>/dev/null; then
    echo "FAIL: the sanitizers reported:"; cat "$work/game.stderr"; status=1
fi
exit "$status"
