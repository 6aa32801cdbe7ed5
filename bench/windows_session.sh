#!/usr/bin/env bash
# The Windows edition's start-up, memory and download, under Wine on a PulseAudio null sink of
# the run's own, with openbox as window manager, beside the barest WASAPI program under the same
# Wine (bare_wasapi), which is what Wine itself costs:
#   start-up: from starting the program to its first window on the X server (median of RUNS),
#   every recording of the language decoded before that window opens;
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

# start_up TITLE PROGRAM [ARGUMENTS...]: $elapsed, the ms from the start to a window called TITLE;
# the program is left running, its process id in $started.
start_up() {
  local title=$1 from i
  shift
  from=$(date +%s%N)
  wine "$@" > /dev/null 2>&1 &
  started=$!
  for ((i = 0; i < 3000; i++)); do
    xdotool search --name "^$title\$" > /dev/null 2>&1 && break
    sleep 0.01
  done
  elapsed=$(( ($(date +%s%N) - from) / 1000000 ))
}

peak_mib() { awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

game_times=() bare_times=() game_peak= bare_peak=
for ((run = 0; run < runs; run++)); do
  start_up peer "$windows/bare_wasapi.exe" "$windows/sounds/bola.wav"
  bare_times+=("$elapsed")
  sleep 0.5
  bare_peak=$(peak_mib $started)
  kill $started; wait $started 2> /dev/null

  start_up TINTINEABLES "$windows/tintineables.exe"
  game_times+=("$elapsed")
  game=$started
  sleep 1
  if [ $run = 0 ]; then
    # Every screen and an answer: the tutorial, the board with a jump and the hint, the credits.
    for key in F1 F2 Right Up space Up Up Control_L G A F3; do xdotool key $key; sleep 0.4; done
    sleep 2
    game_peak=$(peak_mib $game)
  fi
  xdotool key Escape; sleep 0.3; xdotool key Escape
  timeout 10 tail --pid=$game -f /dev/null
done
zip=$windows/tintineables-windows.zip
printf '| Windows edition under Wine %s | measured | Wine alone (a bare WASAPI program) |\n' \
  "$(wine --version | sed 's/^wine-//')"
printf '|---|---|---|\n'
printf '| start-up to the first window, median of %s (ms) | %s | %s |\n' "$runs" \
  "$(printf '%s\n' "${game_times[@]}" | median)" "$(printf '%s\n' "${bare_times[@]}" | median)"
printf '| peak resident memory, every screen and answer (MB) | %s | %s |\n' "$game_peak" "$bare_peak"
printf '| the zip a player downloads | %.1f MB (<= 10 MB) | |\n' \
  "$(awk -v b="$(stat -c %s "$zip")" 'BEGIN { print b / 1000000 }')"
