#!/usr/bin/env bash
# The Windows edition as a player on Windows has it, under Wine: its own X server (Xvfb) with a
# window manager (openbox; without one Wine gives a new window no keyboard focus), a PulseAudio
# server of the test's own on a 48 kHz null sink, real keys through XTest, and what the sink
# played recorded from its monitor and matched, cue for cue, against the game's own sounds for
# the same keys (cues_for_keys, the game's C++ run natively). Beside the game, a small Windows
# program listens to the system's accessibility events and says what a screen reader is told
# (accessibility_probe.exe). Scenarios: in Spanish, the screen tour and Bergholt's winning game,
# Escape twice ending with status 0; in French, the help keys, undo, Command9's name, the puzzles;
# the player's own sound from the command line and by keys, its levels and pace measured; the sound
# server killed and started again mid-game; a bad option, a missing recording, a broken compressed
# one, and no sound device, each ending with status 1 and a message that names the cause. The speech ships
# compressed: it is listened for as Windows decodes it for the game (decoded_recordings.exe).
# The board at a glance too: after two jumps the whole cross swept by V, heard hole by hole with
# each hole's place measured from the two channels (sweep_heard), and a second V cut by Shift.
#   windows_edition.sh WINDOWS_BUILD CUES_FOR_KEYS AUDIO_FIND SWEEP_HEARD
set -uo pipefail
windows=$(cd "$1" && pwd)
cues_for_keys=$2
audio_find=$3
sweep_heard=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/sound_server.sh"
attempts_on_a_steady_machine 3 "${BASH_SOURCE[0]}" "$@"
work=$(mktemp -d)
own_session "$work"
trap 'stop_sound_server; [ "${fail:-1}" != 0 ] || rm -rf "$work"' EXIT # kept when the test fails

# Wine takes the user's language from the locale, which must exist: made here, for this run.
mkdir -p "$work/locale"
for locale in es_ES fr_FR; do
    localedef -i $locale -f UTF-8 "$work/locale/$locale.UTF-8" || { echo "FAIL: no $locale locale"; exit 1; }
done
node "$here/web/winning_game.js" > "$work/winning_game.keys" || exit 1

# One run of the game: LANG, the folder it is unpacked in, then X key names, each followed by
# the seconds to wait after it; ends when the game does, with its status in $work/NAME.status.
cat > "$work/session.sh" <<'SESSION'
set -u
work=$1 windows=$2 here=$3
. "$here/sound_server.sh"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LOCPATH="$work/locale"
openbox > "$work/openbox.log" 2>&1 &
wm=$!
# A null sink re-renders what its monitor already sent unless told not to rewind.
SOUND_SERVER_SINK_OPTIONS=norewinds=1 start_sound_server pulseaudio "$work/server" || exit 1
# The new prefix settles first: what its creation starts goes on for seconds after wineboot ends.
wineboot -i > "$work/wineboot.log" 2>&1
wineserver -w
wine "$windows/decoded_recordings.exe" "$windows/sounds" "$work/heard" > "$work/decoded.log" 2>&1 ||
    echo "decoded_recordings failed: $(cat "$work/decoded.log")"
wine "$windows/accessibility_probe.exe" 600 >> "$work/told" 2> /dev/null &
probe=$!
for ((i = 0; i < 200; i++)); do grep -q listening "$work/told" 2> /dev/null && break; sleep 0.1; done

# The installer as a player runs it, in French: every page read by a screen reader's probe of its
# own (which also reads each page's controls), the desktop shortcut asked (Space on the first check
# box), the game not opened at the end (the second), Enter to install.
wine "$windows/accessibility_probe.exe" 60 pages > "$work/pages" 2> /dev/null &
pages=$!
for ((i = 0; i < 200; i++)); do grep -q listening "$work/pages" 2> /dev/null && break; sleep 0.1; done
LANG=fr_FR.UTF-8 wine "$windows/tintineables-setup.exe" > /dev/null 2>&1 &
installer=$!
for ((i = 0; i < 200; i++)); do grep -q "^focus|Mettre aussi" "$work/pages" && break; sleep 0.1; done
for key in space Tab space Return; do xdotool key $key; sleep 0.5; done
end_within 30 $installer
echo $? > "$work/install.status"
users="$WINEPREFIX/drive_c/users/$(whoami)"
start_menu_folder="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
start_menu="$start_menu_folder/TINTINEABLES.lnk"
programs="$users/AppData/Local/Programs"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TINTINEABLES'
# installed NAME: what an install left, for the checks below.
installed() {
    { { find -L "$programs" "$users/Desktop/TINTINEABLES.lnk" -maxdepth 3
        find "$start_menu_folder" -maxdepth 1 -name '*TINTINEABLES*'; } 2> /dev/null | sed "s|$users/||"
      wine reg query "$uninstall_key" 2> /dev/null | tr -d '\r' | grep -v '^reg:'; } > "$work/$1.installed"
}
installed interactive
tr -d '\0' < "$start_menu_folder/Manuel de TINTINEABLES.lnk" > "$work/interactive.lnk" 2> /dev/null || true

# play NAME LANG PROGRAM READY [KEY SECONDS]...: runs the game with LANG, from its executable (with
# the options in game_options) or
# a shortcut to it (a .lnk, as the Start menu starts it), records the sink, waits until READY ("window:TITLE", its window is shown; "told:PATTERN", a screen
# reader was told it; "said:PATTERN", the game wrote it on stderr), then presses each X key and waits the seconds after it
# ("shot:SHOT" takes a screenshot instead, SHOT.xwd, and the active window's client area, SHOT.geometry); the
# game's status goes to NAME.status.
game_options=()
play() {
    local name=$1 lang=$2 program=$3 ready=$4 game recorder from i
    shift 4
    echo "$EPOCHREALTIME" > "$work/$name.start"
    parec --raw --format=s16le --rate=48000 --channels=2 --latency-msec=10 -d speaker.monitor \
        > "$work/$name.raw" 2> /dev/null &
    recorder=$!
    echo "== $name" >> "$work/told"
    from=$(wc -l < "$work/told")
    if [[ $program = *.lnk ]]; then
        LANG=$lang wine start /wait /unix "$program" > "$work/$name.stderr" 2>&1 &
    else
        LANG=$lang wine "$program" "${game_options[@]}" > "$work/$name.stderr" 2>&1 &
    fi
    game=$!
    for ((i = 0; i < 300; i++)); do
        case $ready in
            window:*) xdotool search --onlyvisible --name "^${ready#window:}\$" > /dev/null && break ;;
            told:*) tail -n +$((from + 1)) "$work/told" | grep -q -E -- "${ready#told:}" && break ;;
            said:*) grep -q -E -- "${ready#said:}" "$work/$name.stderr" && break ;;
        esac
        sleep 0.1
    done
    sleep 1
    while [ $# -ge 2 ]; do
        case $1 in
            away) away_and_back "$name" ;;
            shot:*) xwd -root -silent > "$work/${1#shot:}.xwd"
                    client_area "$(xdotool getactivewindow)" > "$work/${1#shot:}.geometry" ;;
            click:*) click "${1#click:}" ;;
            *) xdotool key "$1" ;;
        esac
        sleep "$2"
        shift 2
    done
    end_within 15 $game
    echo $? > "$work/$name.status"
    sleep 0.3
    kill $recorder
}

# "click:COLUMN,ROW[,BUTTON]" among the keys: the mouse on that hole's centre, the cross being the
# square at the top of the active window's client area (its captions below), and a click.
click() {
    local column row button X Y WIDTH HEIGHT
    IFS=, read -r column row button <<< "$1"
    eval "$(client_area "$(xdotool getactivewindow)")"
    xdotool mousemove $((X + (2 * column - 1) * WIDTH / 14)) $((Y + (15 - 2 * row) * WIDTH / 14)) \
        click "${button:-1}"
}

# "away" among the keys: another program's window takes the focus, then the game's comes back;
# NAME.back marks when it came back and 1.5 s later, and what a screen reader had been told.
away_and_back() {
    local game_window other
    game_window=$(xdotool getactivewindow)
    xmessage -name other "another program" &
    other=$!
    xdotool windowactivate --sync "$(window_of other)"
    sleep 1
    echo "$EPOCHREALTIME $(wc -l < "$work/told")" > "$work/$1.back"
    xdotool windowactivate --sync "$game_window"
    sleep 1.5
    echo "$EPOCHREALTIME $(wc -l < "$work/told")" >> "$work/$1.back"
    kill $other
}

# Spanish, started from the Start menu: the tour of the screens, then Bergholt's game, won; Escape
# to the menu, Escape out.
keys=()
for key in F1 F1 F3 F3 F1 Escape F3 Escape F2; do keys+=("$key" 0.8); done
# A key every 0.3 s: faster, an X server and Wine that the machine holds up for a moment hand the
# game two keys at once, and the first one's cue is cut before it sounds.
while read -r code name; do keys+=("$name" 0.3); done < "$work/winning_game.keys"
keys+=(Escape 0.8 Escape 0.3)
play spanish es_ES.UTF-8 "$start_menu" window:TINTINEABLES "${keys[@]}"

# French, the installed game started by itself (its messages on stderr kept): onto the board in
# the text mode, the questions, Command9 (its name, its sound), back to
# the first hole, away to another window and back, a hint followed and its jump taken back; then
# the puzzles, on to the Plus, whose G the solver's thread searches.
keys=(F2 0.8 t 1.5 b 3 p 3 g 2 shift+Tab 0.8 space 0.8 Tab 0.8 away 0 a 2.5 space 0.8 Up 0.8 Up 0.8
      Control_L 0.8 BackSpace 0.8 Escape 0.8 F4 2 Next 2 Next 2 Next 2 Next 2 Next 2 Next 2 Next 2
      Next 2 g 2 a 2.5 Escape 0.8 Escape 0.3)
play french fr_FR.UTF-8 "$programs/TINTINEABLES/tintineables.exe" window:TINTINEABLES "${keys[@]}"

# The player's own sound, as a shortcut's options carry it: the voice 6 dB and the earcons 9 dB
# down from the start; B, and F8 to hear it again; the key after 0, 3 dB more off the earcons (a
# peg's cue to judge them by); 8 twice, the voice at 1.5 times its pace, and B again.
game_options=(--speech-volume=-6 --cue-volume -9)
play own_sound es_ES.UTF-8 "$windows/tintineables.exe" window:TINTINEABLES F2 1 b 3 F8 3 minus 1 8 2.5 \
    8 2.5 b 3 Escape 0.8 Escape 0.3
# The board as seen: the menu's keys; a jump into the centre, a peg lifted and the cursor beside
# it; the curtain's key (left of 1) blanks the window, and shows it again. Then by mouse: the
# emptied (4,3) clicked twice, the peg in hand dropped there, no jump; the right button takes
# the jump back.
game_options=()
play seen es_ES.UTF-8 "$windows/tintineables.exe" window:TINTINEABLES shot:menu 0 F2 1 Right 0.3 Up 0.3 \
    space 0.3 Up 0.3 Up 0.3 Control_L 0.3 Down 0.3 Down 0.3 Left 0.3 Up 0.3 Up 0.3 space 0.3 Right 0.6 \
    shot:board 0 grave 0.6 shot:curtain 0 grave 0.6 shot:shown 0 click:4,3 0.6 click:4,3 0.8 shot:refused 0 \
    click:4,4,3 1.5 shot:undone 0 Escape 0.8 Escape 0.3
# The board at a glance: (4,2) up into the centre, (2,3) right over (3,3) into (4,3); V, the
# whole cross; V again, cut short by Shift alone; an arrow after it.
play sweep es_ES.UTF-8 "$windows/tintineables.exe" window:TINTINEABLES F2 1 Right 0.4 Up 0.4 space 0.4 \
    Up 0.4 Up 0.4 Control_L 0.4 Down 0.4 Left 0.4 Left 0.4 space 0.4 Right 0.4 Right 0.4 Control_L 1 \
    v 3.5 v 1 shift 1 Right 1 Escape 0.8 Escape 0.3
# A pace the game has not: said, and no window.
game_options=(--speech-rate 3)
play bad_option es_ES.UTF-8 "$windows/tintineables.exe" "said:speech-rate" Return 0.5
game_options=()

# The sound server dies mid-game, as it does when a device goes or the audio service restarts,
# and comes back: the game finds the device again by itself and the next keys are heard.
echo "== restart" >> "$work/told"
LANG=es_ES.UTF-8 wine "$windows/tintineables.exe" > "$work/restart.stderr" 2>&1 &
game=$!
sleep 4
xdotool key F2
sleep 1
{ kill -KILL "${sound_server_pids[@]}"; wait "${sound_server_pids[@]}"; } 2> /dev/null
sound_server_pids=()
sleep 1
SOUND_SERVER_SINK_OPTIONS=norewinds=1 start_sound_server pulseaudio "$work/server" || exit 1
for ((i = 0; i < 100; i++)); do grep -q "is back" "$work/restart.stderr" && break; sleep 0.1; done
parec --raw --format=s16le --rate=48000 --channels=2 --latency-msec=10 -d speaker.monitor \
    > "$work/restart.raw" 2> /dev/null &
recorder=$!
sleep 1
for key in Up Down Up Down Escape Escape; do xdotool key $key; sleep 0.6; done
end_within 15 $game
echo $? > "$work/restart.status"
kill $recorder

# The uninstaller, in French, read as the installer was; then, after an install by /S (no page, no
# desktop shortcut), "Uninstall.exe /S". Each time, nothing of the game may be left. An uninstaller
# runs as a copy of itself in the temporary folder, which goes on after the one started ends.
gone_within() { # SECONDS PATH
    for ((i = 0; i < $1 * 10; i++)); do [ -e "$2" ] || return 0; sleep 0.1; done
    return 1
}
kill $pages 2> /dev/null
wine "$windows/accessibility_probe.exe" 60 pages >> "$work/pages" 2> /dev/null &
pages=$!
LANG=fr_FR.UTF-8 wine "$programs/TINTINEABLES/Uninstall.exe" > /dev/null 2>&1
for ((i = 0; i < 200; i++)); do grep -q "^control|Désinstaller|" "$work/pages" && break; sleep 0.1; done
xdotool key Return
for ((i = 0; i < 200; i++)); do grep -q "^focus|Fermer|" "$work/pages" && break; sleep 0.1; done
xdotool key Return
gone_within 20 "$programs/TINTINEABLES"
installed uninstalled
LANG=es_ES.UTF-8 wine "$windows/tintineables-setup.exe" /S > /dev/null 2>&1
echo $? > "$work/silent.status"
installed silent
wine "$programs/TINTINEABLES/Uninstall.exe" /S > /dev/null 2>&1
gone_within 20 "$programs/TINTINEABLES"
installed silently_uninstalled
kill $pages 2> /dev/null

# A missing recording: the message names it, in a box the player closes with Enter.
mkdir -p "$work/unpacked"
cp -r "$windows/tintineables.exe" "$windows/sounds" "$work/unpacked/"
rm "$work/unpacked/sounds/bola.wav"
play missing es_ES.UTF-8 "$work/unpacked/tintineables.exe" "said:missing" Return 0.5
# A compressed recording whose sound is gone (zeros where its frames were), its header intact.
cp "$windows/sounds/bola.wav" "$work/unpacked/sounds/"
size=$(stat -c %s "$work/unpacked/sounds/voz_5.wav")
dd if=/dev/zero of="$work/unpacked/sounds/voz_5.wav" bs=1 seek=100 count=$((size - 100)) conv=notrunc 2> /dev/null
play broken es_ES.UTF-8 "$work/unpacked/tintineables.exe" "said:voz_5" Return 0.5

# No sound device at all: the sound server is gone.
stop_sound_server
play nodevice es_ES.UTF-8 "$windows/tintineables.exe" "said:no audio device" Return 0.5

kill $probe 2> /dev/null
wineserver -k 2> /dev/null
kill $wm 2> /dev/null
SESSION
# Tall enough for the spoken screens' windows, their keys' square over the captions (782 pixels
# of client area): on a screen of 768 the window manager makes them shorter, the keys' buttons
# with them, and the band no longer starts a width down.
with_x_server -s "-screen 0 1024x900x24" timeout 400 bash "$work/session.sh" "$work" "$windows" "$here" \
    > "$work/session.log" 2>&1

fail=0
spoken='^voz_|^(presentacion|tutorial|creditos|reiniciar)\.wav$'
# Heard as the game gives them: every sound of the run, in order, from the sink's monitor. Wine
# keeps 30 ms queued at the server, but refills it from a thread of ordinary priority on a 10 ms
# timer: a cue broken while the machine stalled for longer than 10 ms is the machine's (seen: 10 ms
# of silence in a poner1.wav, with no stall over 20 ms then), and only such a one. That thread
# also loses a 10 ms period now and then with no stall a real-time probe sees (seen: a bola.wav
# exact for its first 40 ms, then a period out): a cue is known here by its first 20 ms, which
# tell every cue of the game from the others, and which come from the game on time.
export AUDIO_FIND_MS=20
heard_as_the_game() { # NAME FOLDER_OF_SPOKEN VIRTUAL_KEYS...
    local name=$1 language=$2 files=() file
    shift 2
    for file in $("$cues_for_keys" "$@" | tr ' +' '\n\n'); do
        if [[ $file =~ $spoken ]]; then files+=("$work/heard/$language$file"); else files+=("$work/heard/$file"); fi
    done
    python3 "$here/cues_heard_in_order.py" "$name" "$audio_find" "$work/$name.raw" \
        "$(cat "$work/$name.start" 2> /dev/null || echo 0)" "${MACHINE_STALLS:-}" $machine_stall_ms "${files[@]}" || fail=1
}
# The speech as Windows decodes it starts on the recording's own frame: no codec delay left in.
python3 "$here/windows/same_onset.py" "$here/../assets/sounds" "$work/heard" voz_1.wav fr/voz_command9.wav \
    en/presentacion.wav pt/reiniciar.wav || fail=1
codes=(112 112 114 114 112 27 114 27 113)
while read -r code name; do codes+=("$code"); done < "$work/winning_game.keys"
heard_as_the_game spanish "" "${codes[@]}" 27 27
heard_as_the_game french fr/ 113 84 66 80 71 9s 32 9 65 32 38 38 17 8 27 115 34 34 34 34 34 34 34 34 71 65 27 27
python3 "$here/windows/own_sound.py" "$work/own_sound.raw" "$work/heard" "$audio_find" || fail=1
# What the game drew, read back against the board written out (as board_seen.sh for the desktop);
# Wine reports no high-contrast setting, so the game's own colours.
game_colours='board=#000000,peg=#ffffff,hole=#ffffff,lifted=#00e5ff,cursor=#ffd000,mark=#b0b0b0'
board_after_keys='..ppp../..ppp../ppppppp/pplPppp/pppeppp/..pep../..ppp..'
if [ -n "${TINTINEABLES_SCREENSHOTS:-}" ]; then # a folder to keep them in, as PNGs
    mkdir -p "$TINTINEABLES_SCREENSHOTS"
    python3 "$here/screenshot.py" "$work/board.xwd" "$TINTINEABLES_SCREENSHOTS/windows-board.png" "$work/board.geometry" 24
fi
for shot in "board:$board_after_keys:$game_colours" "curtain:::curtain" "shown:$board_after_keys:$game_colours" \
            "menu:keys:board=#000000,text=#ffffff,key=#ffd000"; do
    IFS=: read -r name picture colours curtain <<< "$shot"
    echo "-- seen: $name"
    python3 "$here/board_seen.py" "$work/$name.xwd" "$work/$name.geometry" "$picture" "$colours" $curtain || fail=1
done
# The captions under the cross, read by tesseract against the text mode's words for the same
# moves: the arrival on the centre; the drop by mouse refused; the jump taken back by the right
# button.
for step in "board|bolas: 31 · saltos: 1|centro, bola" \
            "refused|bolas: 31 · saltos: 1|error: no es un salto, la bola vuelve a su sitio" \
            "undone|bolas: 32 · saltos: 0|bola, fila 2, columna 4. salto deshecho"; do
    IFS='|' read -r shot status caption <<< "$step"
    echo "-- captions: $shot"
    python3 "$here/captions_read.py" "$work/$shot.xwd" "$work/$shot.geometry" spa "$status" "$caption" || fail=1
done
# The menu's band under its keys as it opened: its presentation's first sentence and the next,
# or (a slow start) the second and the third.
echo "-- captions: menu"
python3 "$here/captions_read.py" "$work/menu.xwd" "$work/menu.geometry" spa "Tintineables." \
        "Solitario de treinta y dos bolas para jugar con el oído." ||
    python3 "$here/captions_read.py" "$work/menu.xwd" "$work/menu.geometry" spa \
        "Solitario de treinta y dos bolas para jugar con el oído." "F1, tutorial." || fail=1
# The sweeps, written out from the board's picture after the two jumps (sweep_parts.sh). Wine's
# thread that feeds the sound server loses a 10 ms period now and then (see above; seen twice in
# one sweep: a pause of 110 ms heard as 140, another as 120): three holes of the 34 may be heard
# broken, each still the right recording in its place in the run.
. "$here/sweep_parts.sh"
mapfile -t cross < <(sweep_parts 4 3 20 110 "1 2 3 4 5 6 7" "  ooo  " "  ooo  " "ooooooo" "ooooooo" "o..oooo" "  o.o  " "  ooo  ")
if "$sweep_heard" --broken 3 "$work/sweep.raw" "$windows/sounds" "${cross[@]}" > "$work/sweep.cross" &&
   "$sweep_heard" --cut --after "$(awk '/^END/ { print $2 }' "$work/sweep.cross")" "$work/sweep.raw" \
       "$windows/sounds" "${cross[@]}" > "$work/sweep.cut"; then
    echo "ok   sweep: $(grep -h 'parts heard' "$work/sweep.cross" "$work/sweep.cut" | tr '\n' ';')"
else
    echo "FAIL: sweep:"; cat "$work/sweep.cross" "$work/sweep.cut" 2> /dev/null; fail=1
fi
grep -q -- '--speech-rate takes 1, 1.25' "$work/bad_option.stderr" &&
    echo "ok   bad option: $(grep -m1 speech-rate "$work/bad_option.stderr")" ||
    { echo "FAIL: the bad option was not named: $(cat "$work/bad_option.stderr")"; fail=1; }
grep -q aplauso <("$cues_for_keys" "${codes[@]}") || { echo "FAIL: the game was not won"; fail=1; }
# The Plus can be won, which the table of the game from the full cross cannot tell: written out
# here, not taken from the game's own answers, G says so after its name and A names a way.
plus=$("$audio_find" --in-order "$work/french.raw" "$work/heard/fr/voz_mas.wav" "$work/heard/fr/voz_puedes_ganar.wav" | tr '\n' ' ')
way=
for word in izquierda arriba derecha abajo; do
    at=$("$audio_find" --in-order "$work/french.raw" "$work/heard/fr/voz_mas.wav" "$work/heard/fr/voz_puedes_ganar.wav" \
        "$work/heard/fr/voz_$word.wav" | tail -n 1)
    [ "$at" != -1 ] && way=$word
done
[[ " $plus" != *" -1"* ]] && [ -n "$way" ] && echo "ok   french: the Plus can be won, and its hint jumps $way" ||
    { echo "FAIL: french: on the Plus G and A did not say it can be won ($plus; a way: ${way:-none})"; fail=1; }

# After the restart, the board as it was left: Picture4 and Picture1 hold their pegs, twice (a cue
# broken while Wine's queue refills must not hide that the sound came back).
at=$("$audio_find" --in-order "$work/restart.raw" "$work"/heard/bola.wav "$work"/heard/bola.wav | tr '\n' ' ')
[[ " $at" != *" -1"* ]] && echo "ok   restart: heard again after the sound server came back ($at)" ||
    { echo "FAIL: restart: not heard after the sound server came back ($at)"; fail=1; }
[ "$(grep -c "was lost" "$work/restart.stderr")" = 1 ] && [ "$(grep -c "is back" "$work/restart.stderr")" = 1 ] &&
    echo "ok   restart: said once that the device was lost, once that it is back" ||
    { echo "FAIL: restart: said $(grep -v ALSA "$work/restart.stderr" | tr '\n' ' ')"; fail=1; }
for run in install:0 silent:0 spanish:0 french:0 own_sound:0 seen:0 sweep:0 restart:0 bad_option:1 missing:1 broken:1 nodevice:1; do
    status=$(cat "$work/${run%:*}.status" 2> /dev/null || echo none)
    [ "$status" = "${run#*:}" ] && echo "ok   ${run%:*}: ended with status $status" ||
        { echo "FAIL: ${run%:*}: ended with status $status, not ${run#*:}"; fail=1; }
done
grep -q "^bola.wav: missing" "$work/missing.stderr" && echo "ok   missing: $(grep -m1 missing "$work/missing.stderr")" ||
    { echo "FAIL: the missing recording was not named: $(cat "$work/missing.stderr")"; fail=1; }
# No key waited for a recording still being decoded behind the first window.
grep -h "waited for a recording" "$work/french.stderr" "$work/restart.stderr" &&
    { echo "FAIL: a sound waited for its recording"; fail=1; }
grep -q "voz_5.wav: .*decode" "$work/broken.stderr" && echo "ok   broken: $(grep -m1 voz_5 "$work/broken.stderr")" ||
    { echo "FAIL: the broken recording was not named: $(cat "$work/broken.stderr")"; fail=1; }
grep -q "no audio device" "$work/nodevice.stderr" && echo "ok   no device: $(grep -m1 "no audio device" "$work/nodevice.stderr")" ||
    { echo "FAIL: no device, not said: $(grep -v ALSA "$work/nodevice.stderr")"; fail=1; }

# What each install left, and each uninstall: the game in the user's own programs folder, its Start
# menu entry, its desktop shortcut when asked for, its entry in the list of installed apps; then
# nothing at all. The game played above was started from that Start menu entry.
expect_installed() { # NAME WHAT PATTERN
    if grep -q -E -- "$3" "$work/$1.installed"; then echo "ok   $1: $2"; else
        echo "FAIL: $1: not $2; found: $(tr '\n' ' ' < "$work/$1.installed")"; fail=1; fi
}
for install in interactive silent; do
    expect_installed $install "the game in the user's programs folder" '^AppData/Local/Programs/TINTINEABLES/tintineables.exe$'
    expect_installed $install "its recordings" '^AppData/Local/Programs/TINTINEABLES/sounds/bola.wav$'
    expect_installed $install "its Start menu entry" '^AppData/Roaming/Microsoft/Windows/Start Menu/Programs/TINTINEABLES.lnk$'
    expect_installed $install "its uninstaller in the list of installed apps" 'UninstallString +REG_SZ +"C:.users.*Programs.TINTINEABLES.Uninstall.exe"$'
done
expect_installed interactive "the desktop shortcut asked for" '^Desktop/TINTINEABLES.lnk$'
# The manual beside the game, and in the Start menu in the installer's language, opening that
# language's page (a shortcut keeps its target as UTF-16).
for install in "interactive|fr|Manuel de TINTINEABLES" "silent|es|Manual de TINTINEABLES"; do
    IFS='|' read -r name language entry <<< "$install"
    expect_installed $name "its manual" "^AppData/Local/Programs/TINTINEABLES/manual/$language.html\$"
    expect_installed $name "the manual's Start menu entry" "^AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$entry.lnk\$"
    if [ "$name" = interactive ]; then
        target=$(grep -o "manual.[a-z][a-z].html" "$work/interactive.lnk" | head -n 1)
        [ "$target" = "manual\\fr.html" ] && echo "ok   interactive: the Start menu's manual is the French one" ||
            { echo "FAIL: interactive: the Start menu's manual opens \"$target\", not manual\\fr.html"; fail=1; }
    fi
done
grep -q '^Desktop/' "$work/silent.installed" && { echo "FAIL: silent: a desktop shortcut not asked for"; fail=1; }
for uninstall in uninstalled silently_uninstalled; do
    [ ! -s "$work/$uninstall.installed" ] && echo "ok   $uninstall: nothing left" ||
        { echo "FAIL: $uninstall: left $(tr '\n' ' ' < "$work/$uninstall.installed")"; fail=1; }
done
# The installer's and the uninstaller's pages as a screen reader reads them, in French: each page's
# text, check boxes and buttons by their names, and each control that takes the focus named.
expect_page() { # WHAT PATTERN
    if grep -q -E -- "$2" "$work/pages"; then echo "ok   installer: $1"; else
        echo "FAIL: installer: not read: $1"; fail=1; fi
}
expect_page "its page of choices, and where it installs" '^control\|TINTINEABLES, le solitaire .*dans C:.users.*Programs.TINTINEABLES\. Tu le trouveras dans le menu Démarrer\.\|'
expect_page "the desktop shortcut's check box, as it takes the focus" '^focus\|Mettre aussi un raccourci sur le bureau\|'
expect_page "the check box that opens the game" '^control\|Ouvrir TINTINEABLES à la fin\|'
expect_page "the button that installs" '^control\|Installer\|'
expect_page "the uninstaller's page" '^control\|TINTINEABLES sera retiré de cet ordinateur.*\|'
expect_page "the button that uninstalls" '^control\|Désinstaller\|'
expect_page "the button that closes the uninstaller" '^focus\|Fermer\|'

# What a screen reader was told, run by run: each form's title as it opens, nothing for a hole,
# Command9's name.
told() { sed -n "/^== $1\$/,/^== /p" "$work/told" | grep -v '^=='; }
expect_told() { # RUN WHAT PATTERN
    if told "$1" | grep -q -E -- "$3"; then echo "ok   $1: told $2"; else
        echo "FAIL: $1: not told $2; told: $(told "$1" | tr '\n' ' ')"; fail=1; fi
}
for title in TINTINEABLES TUTORIAL CRÉDITOS TABLERO; do expect_told spanish "$title" "^focus\|$title\|"; done
for title in TINTINEABLES PLATEAU; do expect_told french "$title" "^focus\|$title\|"; done
expect_told french "Command9's name" '^focus\|Son du centre avec une bille\|'
# In the text mode (French), the switch, the answers as the focused hole's name changes, and an
# arrival as the name of the hole the focus comes to.
expect_told french "the text mode switched on" '^name\|mode texte activé\|'
expect_told french "B in words" '^name\|il reste 32 billes\|'
expect_told french "P in words" '^name\|ligne 1, colonne 3\|'
expect_told french "an arrival in words" '^focus\|bille, ligne 1, colonne 3\|'
# Coming back to the game's window is no arrival: no sound in the second after it (the recording
# starts a little after its mark, so the next key's sound is kept out), and no new words.
if { read -r back_at told_at && read -r _ told_until; } < "$work/french.back" 2> /dev/null; then
    peak=$(python3 -c '
import sys
raw, start, back, until = sys.argv[1], *map(float, sys.argv[2:])
first, last = (int((t - start) * 48000) * 4 for t in (back, until))
with open(raw, "rb") as recording:
    recording.seek(first)
    samples = memoryview(recording.read(last - first)).cast("h")
print(max((abs(s) for s in samples), default=0))' "$work/french.raw" "$(cat "$work/french.start")" \
        "$back_at" "$(awk -v t="$back_at" 'BEGIN { printf "%.6f", t + 1.0 }')")
    [ "${peak:-99999}" -lt 300 ] && echo "ok   french: back to the game's window: nothing sounded (peak $peak)" ||
        { echo "FAIL: french: back to the game's window, the game sounded (peak $peak)"; fail=1; }
    told_again=$(sed -n "$((told_at + 1)),${told_until}p" "$work/told") &&
        ! grep -q '^name|' <<< "$told_again" &&
        echo "ok   french: back to the game's window: no new words" ||
        { echo "FAIL: french: back to the game's window, words were told again"; fail=1; }
else
    echo "FAIL: french: never went away from the game's window"; fail=1
fi
named=$(told spanish | grep '^focus|' | cut -d'|' -f2 | grep -v -E '^(TINTINEABLES|TUTORIAL|CRÉDITOS|TABLERO|)$' | sort -u)
[ -z "$named" ] && echo "ok   spanish: nothing told of the holes" ||
    { echo "FAIL: a screen reader was told of a hole: $named"; fail=1; }
[ "$fail" = 0 ] || { echo "work folder $work; the session said:"; tail -n 20 "$work/session.log"; }
exit $fail
