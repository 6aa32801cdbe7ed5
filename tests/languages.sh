#!/usr/bin/env bash
# The language follows the desktop: the real game under Xvfb, real keys through XTest, once for
# each way a desktop names its language. Each run opens the credits and the board and asks B;
# the window titles must be the language's, and the sound read back from SDL's disk driver must
# hold that language's recordings (and never another's).
#   languages.sh GAME AUDIO_FIND
set -uo pipefail
game=$1 audio_find=$2
sounds=$(dirname "$game")/sounds
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/own_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
own_session "$work"

# name | the desktop's setting | the language expected
cases=(
  "English|LANGUAGE=en|en"
  "Spanish by LANG|LANG=es_ES.UTF-8|es"
  "Brazilian Portuguese by LANG|LANG=pt_BR.UTF-8|pt"
  "French|LANGUAGE=fr_FR|fr"
  "a language the game has not|LANGUAGE=de|es"
  "the first the game has, of several|LANGUAGE=de:en_GB:es|en"
  "none at all|LANG=C.UTF-8|es"
)
# The titles each language gives the credits and the board.
declare -A titles_of=([es]="CRÉDITOS TABLERO" [en]="CREDITS BOARD" [pt]="CRÉDITOS TABULEIRO"
                      [fr]="CRÉDITS PLATEAU")
# Each language's spoken recordings, in their folder.
declare -A set_of=([es]=$sounds [en]=$sounds/en [pt]=$sounds/pt [fr]=$sounds/fr)

cat > "$work/session.sh" <<SESSION
set -u
. "$here/own_session.sh"
n=0
for entry in "\${cases[@]}"; do
  IFS='|' read -r name setting expected <<< "\$entry"
  n=\$((n + 1))
  env \$setting SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out-\$n.raw" "$game" \
      2>> "$work/stderr" &
  pid=\$!
  # The titles of the language expected, each as it should come; "?" for one that does not.
  read -r credits board <<< "\${titles_of[\$expected]}"
  titles=\$(title_shown \$pid TINTINEABLES 10 && echo TINTINEABLES || echo "?")
  sleep 0.5
  xdotool key F3
  titles="\$titles \$(title_shown \$pid \$credits && echo \$credits || echo "?")"
  sleep 0.6 # the credits heard a while before the board cuts them, on a busy machine too
  xdotool key F2
  titles="\$titles \$(title_shown \$pid \$board && echo \$board || echo "?")"
  sleep 0.5
  xdotool key b
  sleep 1.8
  xdotool key Escape; sleep 0.5; xdotool key Escape
  end_within 5 \$pid
  echo "\$? \$titles" > "$work/result-\$n"
done
SESSION
cases_text="$(declare -p cases titles_of)"
with_x_server bash -c "$cases_text; . '$work/session.sh'"

failures=0
n=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name setting expected <<< "$entry"
  n=$((n + 1))
  read -r status titles < "$work/result-$n" 2> /dev/null || status=none
  want_titles="TINTINEABLES ${titles_of[$expected]}" set=${set_of[$expected]}
  # The menu, the credits, the first hole, then B: "quedan" "treinta y dos" "bolas".
  heard=$("$audio_find" --in-order "$work/out-$n.raw" "$set"/{presentacion,creditos}.wav \
          "$sounds/bola.wav" "$set"/{voz_quedan,voz_32,voz_bolas}.wav | tr '\n' ' ')
  others=()
  for code in "${!set_of[@]}"; do
    [ "$code" = "$expected" ] || others+=("${set_of[$code]}"/{presentacion,creditos,voz_quedan}.wav)
  done
  strays=$("$audio_find" "$work/out-$n.raw" "${others[@]}" | tr '\n' ' ')
  problems=()
  [ "$status" = 0 ] || problems+=("ended with status $status")
  [ "$titles" = "$want_titles" ] || problems+=("windows \"$titles\", not \"$want_titles\"")
  case " $heard" in *" -1"*) problems+=("not every recording of the set heard: $heard") ;; esac
  [ -z "$(echo "$strays" | tr ' ' '\n' | grep -v -x -e '-1' -e '')" ] ||
    problems+=("another language's recordings heard: $strays")
  if [ ${#problems[@]} = 0 ]; then
    echo "ok   $name ($setting): $titles, the ${expected} recordings"
  else
    echo "FAIL $name ($setting): ${problems[*]}"
    failures=$((failures + 1))
  fi
done
[ "$failures" = 0 ] || { echo "the game said:"; cat "$work/stderr"; }
[ "$failures" = 0 ]
