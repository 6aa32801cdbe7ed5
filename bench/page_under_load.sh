#!/usr/bin/env bash
# The page's tests again and again on a busy machine, as a player's slow laptop or phone is
# busy: two processes spinning and the X11 tests running beside them the whole time. Each round
# runs every page test (ctest label "page") two at a time, as the suite does on two cores; a
# failing round's output is kept in LOG_FOLDER.
#   bench/page_under_load.sh BUILD_FOLDER [ROUNDS] [LOG_FOLDER]
set -uo pipefail
build=$(cd "$1" && pwd)
rounds=${2:-20}
logs=${3:-$(mktemp -d)}
mkdir -p "$logs"

busy=()
for _ in 1 2; do
    (while :; do :; done) &
    busy+=($!)
done
(cd "$build" && while :; do ctest -L x11 -LE page -j1 > /dev/null 2>&1; done) &
busy+=($!)
trap 'kill "${busy[@]}" 2> /dev/null; pkill -P $$ 2> /dev/null' EXIT

failed=0
for ((round = 1; round <= rounds; round++)); do
    if (cd "$build" && TINTINEABLES_PAGE_EVIDENCE="$logs/round-$round" \
            ctest -L page -j2 --output-on-failure > "$logs/round-$round.log" 2>&1); then
        echo "round $round: passed"
    else
        failed=$((failed + 1))
        echo "round $round: FAILED ($logs/round-$round.log)"
        grep -E '(Failed|\*\*\*)' "$logs/round-$round.log" | sed 's/^/    /'
    fi
done
echo "page tests under load: $((rounds - failed)) passed, $failed failed"
[ "$failed" = 0 ]
