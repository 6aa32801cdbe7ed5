#!/usr/bin/env bash
# The Windows edition's start-up, memory and download, under Wine on a PulseAudio null sink of
# the run's own, with openbox as window manager, beside the barest WASAPI program under the same
# Wine (bare_wasapi --at-start, which opens its window and starts its stream with its cue at once),
# which is what Wine itself costs:
#   start-up: from starting the program to its first window on the X server, and to its first
#   sound at the sink (the game's presentation), median of RUNS, in turn in one run; and how many
#   of the game's sounds waited for a recording still being decoded behind its first window;
#   memory: peak resident memory after every screen and answer (tutorial, board with an answer,
#   credits), as Linux sees Wine's process: Wine's own libraries included;
#   the zip a player downloads.
#   xvfb-run -a bench/windows_session.sh WINDOWS_BUILD [RUNS]
set -uo pipefail
windows=$(cd "$1" && pwd)
runs=${2:-5}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../tests/sound_server.sh"
display=$DISPLAY authority=${XAUTHORITY:-}
work=$(mktemp -d)
own_session "$work"
export DISPLAY=$display XAUTHORITY=$authority WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
openbox > /dev/null 2>&1 &
wm=$!
trap 'wineserver -k 2> /dev/null; stop_sound_server; kill $wm 2> /dev/null; rm -rf "$work"' EXIT
SOUND_SERVER_SINK_OPTIONS=norewinds=1 start_sound_server pulseaudio "$work/server" || exit 1
wineboot -i > /dev/null 2>&1
wineserver -p # kept running between runs, as Windows itself is

median() { sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "none" }'; }

# start_up TITLE RECORDINGS PROGRAM [ARGUMENTS...]: $elapsed, the ms from the start to a window
# called TITLE, $heard, to the first sound at the sink (what the sink's monitor recorded from the
# start), and $whole, whether that sound was one of RECORDINGS (a space-separated list) whole from
# its first sample; the program is left running, its process id in $started, its stderr in
# $work/stderr.
start_up() {
  local title=$1 recordings=$2 from recorder i at
  shift 2
  parec --raw --format=s16le --rate=48000 --channels=1 --latency-msec=5 -d speaker.monitor \
    > "$work/sink.raw" 2> /dev/null &
  recorder=$!
  sleep 0.5
  at=$(stat -c %s "$work/sink.raw")
  from=$(date +%s%N)
  wine "$@" > /dev/null 2> "$work/stderr" &
  started=$!
  for ((i = 0; i < 3000; i++)); do
    xdotool search --name "^$title\$" > /dev/null 2>&1 && break
    sleep 0.01
  done
  elapsed=$(( ($(date +%s%N) - from) / 1000000 ))
  sleep 1.5
  kill $recorder
  heard=$(python3 -c '
import sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]):]
samples = memoryview(data[:len(data) // 2 * 2]).cast("h")
loud = next((i for i, s in enumerate(samples) if abs(s) > 300), None)
print("none" if loud is None else round(loud / 48))' "$work/sink.raw" "$at")
  # shellcheck disable=SC2086 # the recordings, one a word
  whole=$(python3 "$here/first_sound_whole.py" "$work/sink.raw" "$at" $recordings)
}

peak_mib() { awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# The presentation as the game decodes it, in whichever language Wine gives it, to know it by.
wine "$windows/decoded_recordings.exe" "$windows/sounds" "$work/heard" > /dev/null 2>&1
presentations="$work/heard/presentacion.wav $work/heard/en/presentacion.wav"

game_times=() bare_times=() game_sounds=() bare_sounds=() game_peak= bare_peak= waited=0
game_broken=0 bare_broken=0 broken_said=()
for ((run = 0; run < runs; run++)); do
  start_up peer "$windows/sounds/bola.wav" "$windows/bare_wasapi.exe" "$windows/sounds/bola.wav" --at-start
  bare_times+=("$elapsed")
  bare_sounds+=("$heard")
  [[ $whole = whole* ]] || { bare_broken=$((bare_broken + 1)); broken_said+=("bare program, start $((run + 1)): $whole"); }
  bare_peak=$(peak_mib $started)
  kill $started; wait $started 2> /dev/null

  start_up TINTINEABLES "$presentations" "$windows/tintineables.exe"
  game_times+=("$elapsed")
  game_sounds+=("$heard")
  [[ $whole = whole* ]] || { game_broken=$((game_broken + 1)); broken_said+=("game, start $((run + 1)): $whole"); }
  game=$started
  if [ $run = 0 ]; then
    # Every screen and an answer: the tutorial, the board with a jump and the hint, the credits.
    for key in F1 F2 Right Up space Up Up Control_L G A F3; do xdotool key $key; sleep 0.4; done
    sleep 2
    game_peak=$(peak_mib $game)
  fi
  xdotool key Escape; sleep 0.3; xdotool key Escape
  timeout 10 tail --pid=$game -f /dev/null
  waited=$(( waited + $(sed -n 's/.* \([0-9]*\) sounds waited.*/\1/p' "$work/stderr" | head -n 1 | grep . || echo 0) ))
done
zip=$windows/tintineables-windows.zip
printf '| Windows edition under Wine %s | measured | Wine alone (a bare WASAPI program) |\n' \
  "$(wine --version | sed 's/^wine-//')"
printf '|---|---|---|\n'
game_window=$(printf '%s\n' "${game_times[@]}" | median)
bare_window=$(printf '%s\n' "${bare_times[@]}" | median)
game_sound=$(printf '%s\n' "${game_sounds[@]}" | median)
bare_sound=$(printf '%s\n' "${bare_sounds[@]}" | median)
printf '| start-up to the first window, median of %s (ms) | %s (%s x the bare program; <= 2 x) | %s |\n' \
  "$runs" "$game_window" "$(awk -v g="$game_window" -v b="$bare_window" 'BEGIN { printf "%.2f", g / b }')" "$bare_window"
printf '| start-up to the first sound at the sink, median of %s (ms) | %s (%s x; <= 2 x) | %s |\n' \
  "$runs" "$game_sound" "$(awk -v g="$game_sound" -v b="$bare_sound" 'BEGIN { printf "%.2f", g / b }')" "$bare_sound"
printf '| sounds that waited for a recording being decoded, %s starts | %s (0) | |\n' "$runs" "$waited"
printf '| starts whose first sound was not whole from its first sample | %s of %s | %s of %s |\n' \
  "$game_broken" "$runs" "$bare_broken" "$runs"
printf '| peak resident memory, every screen and answer (MB) | %s | %s |\n' "$game_peak" "$bare_peak"
printf '| the zip a player downloads | %.1f MB (<= 12 MB) | |\n' \
  "$(awk -v b="$(stat -c %s "$zip")" 'BEGIN { print b / 1000000 }')"
[ ${#broken_said[@]} -eq 0 ] || printf '%s\n' "${broken_said[@]}"
