# Sourced by the tests that time the game through a real sound server. The host of a virtual
# machine stops it now and then for tens of milliseconds, for minutes at a time (seen on the
# test machines: a real-time thread woken every millisecond, late by up to 37 ms, and more than
# 4 ms late 90 times a second), and no sound server's period outlasts that: cues break, in the
# game and in any player. So a test watches the machine while it plays, with a real-time probe
# (wake_up_lateness). A failure while the machine stalled for longer than the sound queued
# ahead can cover is no verdict: the test runs again, once the machine has held steady for 2 s
# (20 s of waiting at most), up to ATTEMPTS runs in all. A failure on a steady machine is the
# verdict, and so is the last attempt's.
#   attempts_on_a_steady_machine ATTEMPTS "$0" "$@"
#       first thing in a test script: runs the script's attempts and exits with the verdict; in
#       an attempt itself, returns at once.
#   machine_stall_ms  the longest stall the sound's way to the sink outlasts: the game's own
#       stream on Linux holds 6 ms; Wine keeps 30 ms at the server, but refills it every 10 ms
#       from a thread of ordinary priority.
#   MACHINE_PROBE   the probe; unset: the script runs once, unwatched
#   MACHINE_STALLS  set for the attempt: the file the probe writes each stall to as it comes
#                   ("stall SECONDS MS", SECONDS since the epoch), for a test that places a
#                   broken cue against the stalls of the moment it played

machine_stall_ms=10

machine_was_steady() { # PROBE_OUTPUT
  local worst
  worst=$(sed -n 's/.*worst \([0-9.]*\) ms.*/\1/p' "$1")
  awk -v worst="${worst:-1000}" -v limit=$machine_stall_ms 'BEGIN { exit !(worst <= limit) }'
}

attempts_on_a_steady_machine() {
  local attempts=$1 script=$2 attempt status=0 watched stalls said probe i
  shift 2
  [ -z "${STEADY_MACHINE_ATTEMPT:-}" ] && [ -n "${MACHINE_PROBE:-}" ] || return 0
  watched=$(mktemp)
  stalls=$(mktemp)
  said=$(mktemp)
  for ((attempt = 1; attempt <= attempts; attempt++)); do
    for ((i = 0; i < 10; i++)); do
      "$MACHINE_PROBE" 2 > "$watched"
      machine_was_steady "$watched" && break
    done
    "$MACHINE_PROBE" 0 > "$watched" 2> "$stalls" &
    probe=$!
    status=0
    STEADY_MACHINE_ATTEMPT=$attempt MACHINE_STALLS=$stalls bash "$script" "$@" 2>&1 | tee "$said"
    status=${PIPESTATUS[0]}
    kill -TERM $probe
    wait $probe
    echo "the machine, watched while the test played: $(cat "$watched")"
    # A long run's failures, again where a log cut to its end still shows them.
    [ $status = 0 ] || echo "attempt $attempt of $attempts failed on: $(grep '^FAIL' "$said" | cut -c1-200 | tr '\n' '|')"
    [ $status = 0 ] && break
    machine_was_steady "$watched" && break
    [ $attempt -lt $attempts ] &&
      echo "attempt $attempt of $attempts failed on a machine that stalled: no verdict; again"
  done
  rm -f "$watched" "$stalls" "$said"
  exit $status
}
