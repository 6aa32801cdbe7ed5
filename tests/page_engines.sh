#!/usr/bin/env bash
# The page's tests in an engine other than Chromium (engines.test.js), on the stack a player has:
# a PulseAudio server of the test's own on a 48 kHz null sink (Firefox opens no sound without a
# server, and its audio context then never runs), and a real X server (Xvfb) for WebKitGTK's
# MiniBrowser, which has no headless mode of its own.
#   page_engines.sh ENGINE    (firefox or webkit; the page and Node modules from the environment)
set -uo pipefail
engine=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/sound_server.sh"
work=$(mktemp -d)
own_session "$work"
trap 'stop_sound_server; rm -rf "$work"' EXIT
start_sound_server pulseaudio "$work/server" || exit 1
# WebKitGTK gives a page the languages of its process's locale, which must exist: made here.
mkdir -p "$work/locale"
for locale in es_ES fr_FR; do
  localedef -i $locale -f UTF-8 "$work/locale/$locale.UTF-8" || { echo "FAIL: no $locale locale"; exit 1; }
done
export LOCPATH="$work/locale"
TINTINEABLES_ENGINE=$engine with_x_server node --test "$here/web/engines.test.js"
