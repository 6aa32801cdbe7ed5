#!/usr/bin/env bash
# SIGTERM and SIGINT end the game promptly, at the menu and on the board, and never as a crash.
#   ends_on_signals.sh GAME
set -uo pipefail
game=$1
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
own_session "$work"
failures=0
for signal in TERM INT; do
  # A background job of a script starts with SIGINT ignored; a game in a terminal, where
  # Ctrl+C is pressed, does not: give it the default handling, as the terminal would.
  env --default-signal=INT,TERM QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$game" 2>/dev/null &
  pid=$!
  sleep 1
  start=$(date +%s%N)
  kill -s "$signal" "$pid"
  end_within 10 "$pid"
  status=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  want=$((128 + $(kill -l "$signal")))
  if [ "$status" = "$want" ] && [ "$ms" -lt 2000 ]; then
    echo "ok   SIG$signal: ended in $ms ms"
  else
    echo "FAIL SIG$signal: status $status (want $want) after $ms ms"
    failures=$((failures + 1))
  fi
done
[ "$failures" = 0 ]
