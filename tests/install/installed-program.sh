#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes the prefix read-only and runs the installed
# programs as a user with a fresh home folder: they must find their resources in share/squadwright,
# seed the user's folders and show the sample team.
#   installed-program.sh CMAKE BUILD_DIR
set -euo pipefail
cmake_command=$1
build=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
"$cmake_command" --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

# Run as root (CI), the permission bits would not stop a write: run as nobody then.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod -R a-w "$prefix"

new_home() {
  local home=$work/$1
  mkdir -p "$home"
  [ "$(id -u)" -ne 0 ] || chown nobody:nogroup "$home"
  echo "$home"
}
run() { # HOME COMMAND...
  local home=$1
  shift
  (cd "$work" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    SQW_SPLASH_DELAY_MS=0 "${as_user[@]}" "$@")
}

# The command-line program on a first start.
home=$(new_home cli)
out=$(run "$home" "$prefix/bin/squadwright-cli" evaluate) || fail "squadwright-cli evaluate: exit $?"
grep -q "Kristian Jørvik" <<<"$out" || fail "the sample team's keeper is missing: $out"
grep -Eq "^Velstats.*217$" <<<"$out" || fail "the sample team's Velstats figure is missing: $out"
[ -f "$home/.config/squadwright/SQW.ini" ] || fail "no settings file in the user's folder"
[ -f "$home/.config/squadwright/Infos.ctr" ] || fail "no first-run marker in the user's folder"
[ -f "$home/.local/share/squadwright-data/xml/players.xml" ] || fail "no sample team in the user's folder"
# A setting written by the program lands in the user's copy (evaluate stores the players path).
grep -q "PlayersXML=.*squadwright-data/xml/players.xml" "$home/.config/squadwright/SQW.ini" \
  || fail "the players path was not stored in the user's settings"

# The optimum opens the solver plugin from the installed library folder.
out=$(run "$home" "$prefix/bin/squadwright-cli" optimize 2>&1) || fail "squadwright-cli optimize: exit $?: $out"
grep -q "^Optimum: E .*, proven" <<<"$out" || fail "the installed optimum is not proven: $out"

# --help and --version of the desktop program answer without a display and touch no folder; any
# other argument is refused.
home=$(new_home options)
bare() { (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" "${as_user[@]}" "$@"); }
out=$(bare "$prefix/bin/squadwright" --version) || fail "squadwright --version: exit $?"
grep -Eq "^squadwright [0-9]+\.[0-9]+\.[0-9]+$" <<<"$out" || fail "squadwright --version printed: $out"
out=$(bare "$prefix/bin/squadwright" --help) || fail "squadwright --help: exit $?"
grep -q -- "--version" <<<"$out" || fail "squadwright --help printed: $out"
[ -z "$(ls -A "$home")" ] || fail "--help or --version wrote into the home folder"
code=0
run "$home" "$prefix/bin/squadwright" --team=x >/dev/null 2>&1 || code=$?
[ "$code" -eq 2 ] || fail "squadwright --team=x: exit $code, not 2"

# The desktop program on a home with settings but no data folder: it seeds the sample team and
# finishes its start-up on it. (Without the marker: a first-run wizard would wait for a user.) A Qt
# option such as -reverse is Qt's, not a cluster of -v, -h, ...
home=$(new_home desktop)
mkdir -p "$home/.config/squadwright"
cp "$prefix/share/squadwright/SQW.ini" "$home/.config/squadwright/"
chmod u+w "$home/.config/squadwright/SQW.ini"
[ "$(id -u)" -ne 0 ] || chown -R nobody:nogroup "$home"
out=$(SQW_QUIT_AFTER_STARTUP=1 run "$home" timeout 120 "$prefix/bin/squadwright" -reverse 2>&1) \
  || fail "squadwright: exit $?: $out"
grep -q "loading-done=1" <<<"$out" || fail "the desktop program did not finish its start-up: $out"
[ -f "$home/.local/share/squadwright-data/xml/MatchOrders.xml" ] || fail "the desktop program seeded no data folder"
echo "installed programs ran from $prefix"
