#!/bin/sh
# What the test suite costs against the game's own build: `make game` and
# `make test`, each from a fresh clone of the last commit, one after the
# other on this machine, with their wall times and the ratio the suite is
# held to (at most 5). Measure with nothing else running.
#
# usage: tools/suite_cost.sh [JOBS]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-$(nproc)}
work=$(mktemp -d "${TMPDIR:-/tmp}/ae-suite-cost.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Seconds that `make TARGET` takes in a fresh clone, its output kept aside.
timed_make() {
    git clone --quiet --no-local "$root" "$work/$1"
    start=$(date +%s.%N)
    if ! make -C "$work/$1" "$1" JOBS="$jobs" >"$work/$1.log" 2>&1; then
        tail -n 30 "$work/$1.log" >&2
        echo "make $1 failed" >&2
        exit 1
    fi
    end=$(date +%s.%N)
    awk "BEGIN { printf \"%.1f\", $end - $start }"
}

game=$(timed_make game)
test=$(timed_make test)
echo "make game: $game s"
echo "make test: $test s"
awk "BEGIN { printf \"make test / make game: %.2f (at most 5)\\n\", $test / $game }"
