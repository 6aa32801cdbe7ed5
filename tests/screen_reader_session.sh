# Sourced by the scripts that run the game beside a real screen reader, as a blind player does:
# Orca over AT-SPI on the run's own session bus (started here if the run has none), with the
# desktop's screen-reader switch on, and speech-dispatcher, as Orca starts it, with one output
# module that writes every line it would speak to a file instead of speaking it.
#   start_screen_reader FOLDER   (a folder of the run's own; X must be up: DISPLAY set)
#   stop_screen_reader
#   $spoken                      the file of what Orca said, a line an utterance
#   $screen_reader_pid           Orca's process
# and, to check what Orca says as keys are pressed (each prints "ok" or "FAIL" and counts the
# failures in $failures):
#   key KEYS...                  marks what Orca has said so far, then presses KEYS (xdotool)
#   heard NAME PATTERN [SECONDS] Orca has said something matching PATTERN since the mark (15 s)
#   quiet NAME SECONDS [ALLOWED] Orca says nothing in SECONDS but lines matching ALLOWED
#   said_words NAME WORDS        Orca has said WORDS (a fixed text) since the mark, across lines
#   played_in_words LANGUAGE KEYS TESTS   a game and the help keys in the text mode, said in words
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"

: "${screen_reader_pid:=}" "${screen_reader_bus:=}"

start_screen_reader() {
    local folder=$1 i
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    if [ -z "$session_bus_pid" ]; then
        start_session_bus || return 1
        screen_reader_bus=1
    fi
    spoken=$folder/spoken
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$folder/speechd-log"
    cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel 3
LogDir "$folder/speechd-log"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "file" "sd_generic" "file.conf"
DefaultModule "file"
DefaultLanguage "en"
CONF
    cat > "$XDG_CONFIG_HOME/speech-dispatcher/modules/file.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \'\\\$DATA\' >> $spoken"
AddVoice "en" "male1" "any"
AddVoice "es" "male1" "any"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "es" "es" "utf-8"
CONF
    : > "$spoken"
    # The desktop turns the screen reader on; Qt reads that from the accessibility bus's status.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
        string:ScreenReaderEnabled variant:boolean:true > /dev/null || return 1
    # ORCA_DEBUG=FILE: Orca's own account of every event and of its browse and focus modes.
    orca --replace ${ORCA_DEBUG:+--debug-file=$ORCA_DEBUG} > "$folder/orca.log" 2>&1 &
    screen_reader_pid=$!
    # A minute: with every core busy, Orca (Python, reading the whole desktop as it starts) has
    # taken over half of one to say it is on.
    for ((i = 0; i < 1200; i++)); do
        grep -q "Screen reader on" "$spoken" && return 0
        sleep 0.05
    done
    echo "start_screen_reader: Orca did not say it was on:" >&2
    tail -n 20 "$folder/orca.log" >&2
    stop_screen_reader
    return 1
}

stop_screen_reader() {
    local speechd
    if [ -n "$screen_reader_pid" ]; then
        kill -CONT "$screen_reader_pid" 2> /dev/null # a test may have stopped it
        kill "$screen_reader_pid" 2> /dev/null
        end_within 5 "$screen_reader_pid" 2> /dev/null
        screen_reader_pid=
    fi
    speechd=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2> /dev/null)
    [ -n "$speechd" ] && kill "$speechd" 2> /dev/null
    if [ -n "$screen_reader_bus" ]; then
        stop_session_bus
        screen_reader_bus=
    fi
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok   $*"; }
mark=0
set_mark() { mark=$(wc -l < "$spoken"); }
said() { tail -n +$((mark + 1)) "$spoken" | tr '\n' '|'; }
# Orca answers within a second on an idle machine; with every core busy it has taken over six.
heard() {
    local limit=$(( ${3:-15} * 20 )) i
    for ((i = 0; i < limit; i++)); do
        if tail -n +$((mark + 1)) "$spoken" | grep -q -E -- "$2"; then
            ok "$1: \"$(said)\""
            return 0
        fi
        sleep 0.05
    done
    fail "$1: expected /$2/, Orca said \"$(said)\""
    return 1
}
quiet() {
    sleep "$2"
    local extra
    extra=$(tail -n +$((mark + 1)) "$spoken" | grep -v -E -- "${3:-^$}" | tr '\n' '|')
    if [ -z "$extra" ]; then ok "$1: \"$(said)\""; else fail "$1: Orca said \"$extra\""; fi
}
key() { set_mark; xdotool key "$@"; }
said_words() { # NAME WORDS: Orca has said WORDS since the mark, its lines joined (10 s)
    local i
    for ((i = 0; i < 200; i++)); do
        said | tr -d '|' | grep -q -F -- "$2" && return 0
        sleep 0.05
    done
    fail "$1: expected \"$2\", Orca said \"$(said)\""
    return 1
}
# played_in_words LANGUAGE KEYS TESTS: on the board in its text mode, from its first hole, the
# keys of a whole game (X names, a line each), then the help keys, an undo and refusals; each
# key's words, as the board played apart says them (board_in_words.py), must be said.
played_in_words() {
    local before=$failures name words expected
    expected=$(mktemp)
    { cat "$2"; printf '%s\n' b b g BackSpace p Control_L Left space space BackSpace; } |
        python3 "$3/board_in_words.py" "$1" > "$expected"
    while IFS=$'\t' read -r name words; do
        key "$name"
        # After a first miss the rest would only wait: the board no longer stands as expected.
        [ -z "$words" ] || said_words "$name" "$words" || break
    done < "$expected"
    [ "$failures" = "$before" ] &&
        ok "text mode: all $(wc -l < "$expected") keys of a won game and the help keys said in words"
    rm -f "$expected"
}
