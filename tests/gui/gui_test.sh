#!/usr/bin/env bash
# The window tests, one command per CTest test:
#   gui_test.sh start-xvfb STATE_DIR       starts the run's Xvfb (-noreset)
#   gui_test.sh stop-xvfb STATE_DIR        stops it
#   gui_test.sh waiting_window STATE_DIR PROBE SHOTS_DIR
#   gui_test.sh message_box STATE_DIR PROBE SHOTS_DIR
# A test exits 77 (skipped) when Xvfb or the tools it drives are missing.
set -uo pipefail

comando=$1
stato=$2
probe=${3:-}
foto=${4:-}

pid=""  # the probe started by a test

salta() { echo "SKIPPED: $*"; exit 77; }
fallisce() { echo "FAILED: $*"; [ -s "$stato/probe.err" ] && sed 's/^/probe stderr: /' "$stato/probe.err"; exit 1; }

attendi() {  # attendi SECONDS COMMAND...: retries COMMAND every 0.1 s
  local fino=$(( $(date +%s) + $1 )); shift
  until "$@"; do
    [ "$(date +%s)" -lt "$fino" ] || return 1
    sleep 0.1
  done
}

avvia_xvfb() {
  if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: the window tests will be skipped"
    exit 0
  fi
  mkdir -p "$stato"
  rm -f "$stato/display" "$stato/pid"
  # -displayfd picks a free display number and writes it once the server
  # accepts connections; setsid and the redirections let CTest finish this
  # test while the server keeps running.
  setsid Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 \
    </dev/null >"$stato/xvfb.log" 2>&1 3>"$stato/display" &
  echo $! >"$stato/pid"
  attendi 20 test -s "$stato/display" || { cat "$stato/xvfb.log"; exit 1; }
  echo "Xvfb on :$(cat "$stato/display")"
}

ferma_xvfb() {
  [ -s "$stato/pid" ] || exit 0
  kill "$(cat "$stato/pid")" 2>/dev/null
  rm -f "$stato/pid" "$stato/display"
}

prepara() {
  for t in Xvfb xdotool import convert; do
    command -v "$t" >/dev/null || salta "$t is not installed"
  done
  [ -s "$stato/display" ] || salta "no Xvfb is running"
  export DISPLAY=":$(cat "$stato/display")"
  mkdir -p "$foto"
}

finestra() {  # finestra TITLE: id of the visible window with exactly that title
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

geometria() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

# Darkest grey level (0 black .. 1 white) of a WxH+X+Y region of an image.
piu_scuro() { convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:minima]' info:; }
# Number of grey levels in a region: 1 for a blank area.
livelli() { convert "$1" -crop "$2" +repage -colorspace Gray -format '%k' info:; }
scuro() { awk -v v="$1" 'BEGIN { exit !(v < 0.25) }'; }

# Screenshot of window $1 into $2 once region $3 shows dark pixels.
fotografa() {
  local id=$1 png=$2 regione=$3
  scatta() { import -window "$id" "$png" 2>/dev/null && scuro "$(piu_scuro "$png" "$regione")"; }
  attendi 5 scatta
}

finestra_di_attesa() {
  prepara
  "$probe" attesa 30 >"$stato/probe.out" 2>"$stato/probe.err" &
  pid=$!
  trap 'kill $pid 2>/dev/null' EXIT
  attendi 10 grep -q "attesa mostrata" "$stato/probe.out" || fallisce "the waiting window did not return"
  grep -qx finestre "$stato/probe.out" || fallisce "the probe got the console, not the window"
  local id
  id=$(finestra "compila_scenario - Attendere")
  [ -n "$id" ] || fallisce "no window titled 'compila_scenario - Attendere'"

  # The probe processes no events after showing the window, like the run:
  # what the screenshot shows was painted before mostra_attesa returned.
  local png="$foto/waiting_window.png"
  import -window "$id" "$png" || fallisce "no screenshot"
  echo "screenshot: $png"
  [ "$(geometria "$id")" = "280x179" ] || fallisce "client area $(geometria "$id"), expected 280x179"
  scuro "$(piu_scuro "$png" 177x53+64+64)" || fallisce "no label painted at 64,64"
  [ "$(livelli "$png" 280x60+0+0)" = 1 ] || fallisce "something painted above the label"
  [ "$(livelli "$png" 60x179+0+0)" = 1 ] || fallisce "something painted left of the label"
  echo "waiting window: 280x179, label painted"
}

finestra_di_errore() {
  prepara
  "$probe" errore " Errore n. 1250" 3 >"$stato/probe.out" 2>"$stato/probe.err" &
  pid=$!
  trap 'kill $pid 2>/dev/null' EXIT
  local id
  id=$(finestra "compila_scenario")
  [ -n "$id" ] || fallisce "no message box titled 'compila_scenario'"
  local png="$foto/message_box.png"
  fotografa "$id" "$png" 100x20+20+20 || fallisce "the message box shows no text"
  echo "screenshot: $png"
  grep -q "errore chiuso" "$stato/probe.out" && fallisce "the box returned before it was closed"
  kill -0 $pid 2>/dev/null || fallisce "the probe ended while the box was up"

  xdotool windowfocus --sync "$id" && xdotool key Return || fallisce "cannot press Return"
  attendi 10 bash -c "! kill -0 $pid 2>/dev/null" || fallisce "Return did not close the box"
  wait $pid
  local esito=$?
  trap - EXIT
  [ "$esito" = 3 ] || fallisce "exit status $esito, expected the caller's 3"
  grep -q "errore chiuso" "$stato/probe.out" || fallisce "the box did not return to its caller"
  echo "message box: found by its title, closed with Return, caller ended with 3"
}

case "$comando" in
  start-xvfb) avvia_xvfb ;;
  stop-xvfb) ferma_xvfb ;;
  waiting_window) finestra_di_attesa ;;
  message_box) finestra_di_errore ;;
  *) echo "unknown command $comando"; exit 2 ;;
esac
