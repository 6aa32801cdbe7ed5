#!/usr/bin/env bash
# A whole scripted session of the real game under strace, on a real X server, from a read-only
# working folder with a read-only HOME: the game opens nothing for writing and creates,
# renames or removes no file. (Its sockets to the X server are no files and not traced here.)
#   writes_nothing.sh GAME
set -euo pipefail
game=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
own_session "$work"
mkdir -p "$work/cwd"
chmod 555 "$work/home" "$work/cwd"

cat > "$work/session.sh" <<SESSION
set -u
. "$(dirname "$0")/own_session.sh"
cd "$work/cwd"
export SDL_AUDIODRIVER=dummy
# LeakSanitizer cannot run under ptrace; the sanitizer build checks leaks in every other test.
export ASAN_OPTIONS="\${ASAN_OPTIONS:+\$ASAN_OPTIONS:}detect_leaks=0"
strace -f -qq -o "$work/trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,symlink,symlinkat,link,linkat \
  "$game" & pid=\$!
window_of TINTINEABLES > /dev/null
sleep 0.5
for key in F1 F3 F2 Right space Right Right ctrl Up Tab Tab F2 Escape F3 Escape Escape; do
  xdotool key \$key
  sleep 0.25
done
end_within 30 \$pid
echo \$? > "$work/status"
SESSION
with_x_server bash "$work/session.sh"

status=$(cat "$work/status")
# Successful calls that write: an open for writing, or any call that makes or removes a name.
# /dev/null opened read-write by a library is no file written.
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|mkdir|rename|unlink|truncate|symlink|link\(' "$work/trace" |
         grep -v -E '= -1 ' | grep -v '"/dev/null"' || true)
echo "exit status $status; $(wc -l < "$work/trace") file calls traced"
if [ "$status" != 0 ]; then
  echo "FAIL: the session ended with status $status"
  exit 1
fi
if [ -n "$writes" ]; then
  echo "FAIL: the game wrote:"
  echo "$writes"
  exit 1
fi
echo "nothing written"
