#!/usr/bin/env bash
# Development helper: opens the desktop program of build/bin under a virtual X server and saves
# a picture of each page of the main window (and the player windows when they are open).
# Usage: scripts/screenshots.sh OUTDIR [LANGUAGE]   (LANGUAGE: Francais or English)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-shots}")
lang=${2:-}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r build/bin/. "$work/"
if [ -n "$lang" ]; then
  sed -i "s/^langue=.*/langue=$lang/" "$work/SQW.ini"
fi
# The connection dialog is shown against a closed local port, never the game's real host.
# No stored code, so the dialog asks for one.
sed -i 's/^\[online\]\r$/[online]\r\nGameHost=127.0.0.1:9\r/' "$work/SQW.ini"
cat > "$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"; out=$2
SQW_SPLASH_DELAY_MS=0 ./squadwright & pid=$!
for _ in $(seq 50); do
  wid=$(xdotool search --onlyvisible --name '^Squadwright$' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break; sleep 0.2
done
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/$1.png"; }
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.6; }
shot page-equipe
# A click on the first page tab gives the tab bar the focus; the arrow keys then walk the pages
# whatever the captions' widths in the language shown.
click 25 61
xdotool key Right; sleep 0.6; shot page-setup
xdotool key Right; sleep 0.6; shot page-joueurs
dialog() { # NAME PATTERN: saves the window whose title matches
  local d; d=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1 || true)
  [ -n "$d" ] || { echo "no window $2"; return; }
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$d")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/$1.png"
}
# Connection dialog from the Internet menu, then one refused attempt so its log shows a failure.
xdotool key alt+i Return; sleep 0.8
dialog connect '^(Connexion|Connection) '
xdotool type --delay 40 demo; xdotool key Tab; xdotool type --delay 40 code; xdotool key Return; sleep 1.5
dialog connect-refused '^(Connexion|Connection) '
xdotool key Escape; sleep 0.3
# Player detail: a double click on the fourth row of the roster list (the heading is 20 pixels).
xdotool mousemove $((X + 120)) $((Y + 192)) click --repeat 2 --delay 80 1; sleep 0.8
dialog player-detail '^(Détail du joueur|Player details)$'
xdotool key Escape; sleep 0.4
# Player trial: "Tests", the fifth command of the Action menu (the menu opens on the first), then a player picked with the arrow keys.
xdotool windowactivate --sync "$wid" 2>/dev/null; xdotool key alt+c Down Down Down Down Return; sleep 0.6
xdotool key Down Down Down Down; sleep 0.6
dialog player-trial '^(Essais|Trials)$'
xdotool key Escape; sleep 0.3
kill "$pid"
INNER
chmod +x "$work/shoot.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/shoot.sh" "$work" "$out"
ls "$out"
