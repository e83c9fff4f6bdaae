#!/usr/bin/env bash
# Runs the command-line program of two builds on the same squads and compares what they print.
# usage: scripts/compare-builds.sh OLD_PROGRAM_FOLDER NEW_PROGRAM_FOLDER [COUNT]
# Squads: the sample team, then COUNT generated ones (scripts/make-squad.py, seeds 1..COUNT).
# Each build runs in a fresh copy of its program folder at the same temporary path, so that
# paths in messages agree; stdout, stderr and the exit code must match byte for byte.
set -euo pipefail

if [[ $# -lt 2 || $# -gt 3 ]]; then
    echo "usage: $0 OLD_PROGRAM_FOLDER NEW_PROGRAM_FOLDER [COUNT]" >&2
    exit 2
fi
old=$(cd "$1" && pwd)
new=$(cd "$2" && pwd)
count=${3:-300}
here=$(cd "$(dirname "$0")" && pwd)
for b in "$old" "$new"; do
    [[ -x "$b/squadwright-cli" ]] || { echo "no squadwright-cli in $b" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

commands=(
    "check"
    "roster --json"
    "evaluate"
    "evaluate --json"
    "best --json"
    "best --recompute-all --ignore-injuries --ignore-cards --json"
)

compared=0
differ=0
shown=0
max_shown=${MAX_SHOWN:-5}

# A pristine copy of a build's program folder content (not its programs) in $work/base; for a
# generated squad its xml folder holds that squad's files plus the build's own matches file.
# Each command then runs on a fresh copy of that base.
prepare_base() { # build squad
    rm -rf "$work/base"
    mkdir -p "$work/base"
    (cd "$1" && find . -mindepth 1 -maxdepth 1 ! -name 'squadwright*' -exec cp -R {} "$work/base/" \;)
    if [[ "$2" != sample ]]; then
        find "$work/base/xml" -maxdepth 1 -type f ! -iname 'Matchs.xml' -delete
        cp "$work/squad/"* "$work/base/xml/" 2>/dev/null || true
    fi
}

run_all() { # build squad outdir
    mkdir -p "$3"
    prepare_base "$1" "$2"
    local i=0
    for c in "${commands[@]}"; do
        rm -rf "$work/prog"
        cp -R "$work/base" "$work/prog"
        set +e
        # shellcheck disable=SC2086
        "$1/squadwright-cli" --folder "$work/prog" $c >"$3/$i.out" 2>"$3/$i.err"
        echo $? >"$3/$i.code"
        set -e
        i=$((i + 1))
    done
}

compare_squad() { # squad
    rm -rf "$work/old" "$work/new"
    run_all "$old" "$1" "$work/old"
    run_all "$new" "$1" "$work/new"
    local i=0
    for c in "${commands[@]}"; do
        compared=$((compared + 1))
        local bad=""
        for part in out err code; do
            cmp -s "$work/old/$i.$part" "$work/new/$i.$part" || bad="$bad $part"
        done
        if [[ -n "$bad" ]]; then
            differ=$((differ + 1))
            if ((shown < max_shown)); then
                shown=$((shown + 1))
                echo "--- squad $1, command '$c' differs in:$bad"
                for part in out err code; do
                    diff -u --label "old.$part" --label "new.$part" "$work/old/$i.$part" "$work/new/$i.$part" \
                        | head -n 20 || true
                done
            fi
        fi
        i=$((i + 1))
    done
}

compare_squad sample
for ((seed = 1; seed <= count; seed++)); do
    rm -rf "$work/squad"
    python3 "$here/make-squad.py" "$seed" "$work/squad"
    compare_squad "$seed"
done

echo "$compared compared, $differ differ"
[[ $differ -eq 0 ]]
