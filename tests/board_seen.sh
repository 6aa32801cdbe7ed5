#!/usr/bin/env bash
# The board as a sighted player sees it on the desktop: the real game on a real X server with a
# window manager, real keys, and screenshots read back pixel by pixel (board_seen.py) against the
# board written out below; once in the game's own colours, once with a high-contrast palette the
# player chose for Qt programs (qt6ct, black on white, a blue selection), where the curtain's key
# blanks the window and shows it again. The menu shows its keys as buttons.
#   board_seen.sh GAME
set -uo pipefail
game=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
. "$here/own_session.sh"
own_session "$work"
fail=0
trap '[ "$fail" != 0 ] || rm -rf "$work"' EXIT

# From the bottom left hole: to (4,2) and up by a jump into the centre; then to (3,4), its peg
# lifted, and the cursor onto the centre. Written out, top row first (upper case: the cursor):
board_after_keys='..ppp../..ppp../ppppppp/pplPppp/pppeppp/..pep../..ppp..'
keys='Right Up space Up Up Control_L Down Down Left Up Up space Right'
game_colours='board=#000000,peg=#ffffff,hole=#ffffff,lifted=#00e5ff,cursor=#ffd000,mark=#b0b0b0'
# The player's palette: window white, text black, selection a dark blue.
theme_colours='board=#ffffff,peg=#000000,hole=#000000,lifted=#1a1aa6,cursor=#1a1aa6,mark=#000000'
mkdir -p "$work/config/qt6ct"
colours='#ff000000, #ffffffff, #ffffffff, #ffcacaca, #ff9f9f9f, #ffb8b8b8, #ff000000, #ffffffff, #ff000000, #ffffffff, #ffffffff, #ff000000, #ff1a1aa6, #ffffffff, #ff0000ff, #ffff00ff, #fff5f5f5, #ff000000, #ffffffdc, #ff000000, #ff000000'
printf '[ColorScheme]\nactive_colors=%s\ndisabled_colors=%s\ninactive_colors=%s\n' \
    "$colours" "$colours" "$colours" > "$work/config/qt6ct/high-contrast.conf"
printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' \
    "$work/config/qt6ct/high-contrast.conf" > "$work/config/qt6ct/qt6ct.conf"

cat > "$work/session.sh" <<SESSION
set -u
. "$here/own_session.sh"
openbox > /dev/null 2>&1 &
sleep 0.5
shot() { # NAME: the screen, and where the active window's client area is
    sleep 0.6
    xwd -root -silent > "$work/\$1.xwd"
    client_area "\$(xdotool getactivewindow)" > "$work/\$1.geometry"
}
run() { # THEME: the game in it, onto the board, the keys, the menu; the curtain with the theme
    local pid
    if [ "\$1" = theme ]; then
        export QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/config"
    else
        unset QT_QPA_PLATFORMTHEME
    fi
    SDL_AUDIODRIVER=dummy "$game" 2> "$work/\$1.stderr" & pid=\$!
    window_of TINTINEABLES > /dev/null
    sleep 0.5
    shot \$1-menu
    xdotool key F2
    sleep 0.5
    for key in $keys; do xdotool key \$key; sleep 0.15; done
    shot \$1-board
    if [ "\$1" = theme ]; then
        xdotool key grave; shot \$1-curtain
        xdotool key grave; shot \$1-shown
    fi
    xdotool key Escape; sleep 0.5; xdotool key Escape
    end_within 5 \$pid
    echo \$? > "$work/\$1.status"
}
run game
run theme
SESSION
with_x_server -s "-screen 0 1024x768x24" bash "$work/session.sh"

check() { # WHAT SHOT PICTURE COLOURS [curtain]
    local what=$1
    shift
    echo "-- $what"
    python3 "$here/board_seen.py" "$work/$1.xwd" "$work/$1.geometry" "${@:2}" || fail=1
}
# TINTINEABLES_SCREENSHOTS: a folder to keep the windows as PNGs in (README's pictures).
if [ -n "${TINTINEABLES_SCREENSHOTS:-}" ]; then
    mkdir -p "$TINTINEABLES_SCREENSHOTS"
    for shot in game-board game-menu theme-board; do
        python3 "$here/screenshot.py" "$work/$shot.xwd" "$TINTINEABLES_SCREENSHOTS/desktop-$shot.png" "$work/$shot.geometry" 24
    done
fi
check "the game's colours" game-board "$board_after_keys" "$game_colours"
check "the player's high-contrast palette" theme-board "$board_after_keys" "$theme_colours"
check "the curtain" theme-curtain "" "" curtain
check "shown again" theme-shown "$board_after_keys" "$theme_colours"
check "the menu's keys" game-menu keys "board=#000000,text=#ffffff,key=#ffd000"
for run in game theme; do
    [ "$(cat "$work/$run.status" 2> /dev/null)" = 0 ] || { echo "FAIL: $run: ended with $(cat "$work/$run.status" 2> /dev/null)"; fail=1; }
done
[ "$fail" = 0 ] && echo "all as written out" || echo "work folder: $work"
exit $fail
