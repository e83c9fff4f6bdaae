#!/usr/bin/env bash
# Runs the Linux and the Windows command-line programs (the latter under Wine) on the sample team
# and compares what they print: standard output byte for byte once the Windows line ends (CRLF,
# the console's text mode) are read as LF, and the exit code. The solver's measured time
# ("seconds" in the JSON) is the one line that differs from run to run, and is left out.
#   scripts/windows/compare-cli.sh [LINUX_PROGRAM_FOLDER] [WINDOWS_PROGRAM_FOLDER]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
linux="$(cd "${1:-$ROOT/build/bin}" && pwd)"
windows="$(cd "${2:-$ROOT/build-win64/bin}" && pwd)"
[ -x "$linux/squadwright-cli" ] || { echo "no squadwright-cli in $linux" >&2; exit 2; }
[ -f "$windows/squadwright-cli.exe" ] || { echo "no squadwright-cli.exe in $windows" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
commands=(
  "check" "roster" "roster --json" "evaluate" "evaluate --json" "best" "best --json"
  "best --recompute-all --ignore-injuries --ignore-cards --json"
  "optimize --json" "optimize --free-behaviours" "tactics --json" "depth"
)
differ=0
for c in "${commands[@]}"; do
  for side in linux windows; do
    # The same fresh copy of the sample team at the same place for both.
    rm -rf "$work/team" && cp -R "$ROOT/data" "$work/team"
    set +e
    # shellcheck disable=SC2086
    if [ $side = linux ]; then
      "$linux/squadwright-cli" --folder "$work/team" $c > "$work/$side.out" 2> "$work/$side.err"
    else
      "$ROOT/scripts/windows/wine-run.sh" "$windows/squadwright-cli.exe" --folder "$work/team" $c \
        > "$work/$side.out" 2> "$work/$side.err"
    fi
    echo $? > "$work/$side.code"
    set -e
  done
  crlf="$(grep -c $'\r$' "$work/windows.out" || true)"
  tr -d '\r' < "$work/windows.out" | grep -v '"seconds": ' > "$work/windows.lf" || true
  grep -v '"seconds": ' "$work/linux.out" > "$work/linux.lf" || true
  if cmp -s "$work/linux.lf" "$work/windows.lf" && cmp -s "$work/linux.code" "$work/windows.code"; then
    echo "same: squadwright-cli $c ($(wc -l < "$work/linux.out") lines, $crlf CRLF line ends on Windows)"
  else
    differ=$((differ + 1))
    echo "DIFFERENT: squadwright-cli $c (exit $(cat "$work/linux.code") on Linux, $(cat "$work/windows.code") on Windows)"
    diff "$work/linux.lf" "$work/windows.lf" | head -20 || true
    head -5 "$work/windows.err"
  fi
done
echo "$((${#commands[@]} - differ)) passed, $differ failed"
[ "$differ" -eq 0 ]
