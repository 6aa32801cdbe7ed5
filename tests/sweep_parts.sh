# The parts of a sweep as the game must play them, for the real-stack scenarios to listen for
# (sweep_heard): from a picture of the board written out in the test, never from the game's
# tables. Sourced; sets nothing but its functions.
#   sweep_parts CURSOR_X CURSOR_Y HOLE_PAUSE ROW_PAUSE ROWS PICTURE_LINE...
# PICTURE_LINE: the seven rows, the top row first, "o" a peg, "." an empty hole, " " no hole.
# ROWS: "1 2 3 4 5 6 7" for the whole cross, one number for a row. Prints one part a line:
# "barrido_f3_vacio.wav@-53#20", each hole placed by its column, the cursor's hole twice.
sweep_parts() {
    local cx=$1 cy=$2 hole_pause=$3 row_pause=$4 rows=$5 places=(x -80 -53 -27 0 27 53 80)
    shift 5
    local picture=("$@") y x cell kind file pause first=1 first_in_row
    for y in $rows; do
        first_in_row=1
        for x in 1 2 3 4 5 6 7; do
            cell=${picture[$((7 - y))]:$((x - 1)):1}
            [ "$cell" = " " ] && continue
            [ "$cell" = o ] && kind=bola || kind=vacio
            if [ "$x$y" = 44 ]; then file=barrido_centro_$kind.wav; else file=barrido_f${y}_$kind.wav; fi
            if [ $first = 1 ]; then pause=0; elif [ $first_in_row = 1 ]; then pause=$row_pause; else pause=$hole_pause; fi
            echo "$file@${places[$x]}#$pause"
            [ "$x" = "$cx" ] && [ "$y" = "$cy" ] && echo "$file@${places[$x]}#$hole_pause"
            first=0
            first_in_row=0
        done
    done
}
