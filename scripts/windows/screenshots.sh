#!/usr/bin/env bash
# Development helper: starts the Windows desktop program of build-win64/bin under Wine on a virtual
# X server with the sample team and saves a picture of the screen.
# Usage: scripts/windows/screenshots.sh OUTDIR [LANGUAGE]   (LANGUAGE: Francais or English)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
out="$(realpath -m "${1:-shots}")"
lang="${2:-}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$ROOT/build-win64/bin/." "$work/"
if [ -n "$lang" ]; then
  sed -i "s/^langue=.*/langue=$lang\r/" "$work/SQW.ini"
fi
cat > "$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -u
root="$1"; work="$2"; out="$3"; name="$4"
openbox >/dev/null 2>&1 &
SQW_SPLASH_DELAY_MS=0 "$root/scripts/windows/wine-run.sh" "$work/squadwright.exe" >/dev/null 2>&1 & pid=$!
for _ in $(seq 150); do
  wid=$(xdotool search --onlyvisible --name '^Squadwright$' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break; sleep 0.4
done
sleep 4
import -window root "$out/$name.png"
kill "$pid" 2>/dev/null
INNER
chmod +x "$work/shoot.sh"
SQW_WINE_STATE="$ROOT/build-win64" xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$work/shoot.sh" "$ROOT" "$work" "$out" "windows-${lang:-default}"
ls "$out"
