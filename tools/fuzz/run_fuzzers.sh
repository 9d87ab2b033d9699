#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and sanitizers (build-fuzz/):
# the three data file readers, the key decoder and the terminal presenter,
# and runs each for SECONDS seconds (default 30) on a scratch copy of its
# seed corpus, so the corpus in the repository stays as it is. Fails on the
# first target that finds a crash, a leak, a sanitizer report or a timeout;
# the input that did it is kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${1:-30}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

compiler="$(command -v clang++ || command -v clang++-14 || true)"
if [ -z "$compiler" ]; then
  echo "clang++ is needed for the fuzz targets" >&2
  exit 1
fi
cmake -S tools/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p build-fuzz/artifacts "$scratch/tmp"

status=0
for target in sprite_sheet weapon_catalogue monster_catalogue key_decoder presenter; do
  case "$target" in
    key_decoder) dict=(-dict=tools/fuzz/key_decoder.dict) ;;
    presenter) dict=() ;;
    *) dict=(-dict=tools/fuzz/data_files.dict) ;;
  esac
  corpus="$scratch/corpus-$target"
  cp -r "tools/fuzz/corpus/$target" "$corpus"
  log="build-fuzz/fuzz_$target.log"
  echo "fuzz_$target: ${seconds}s"
  if TMPDIR="$scratch/tmp" "build-fuzz/fuzz_$target" "$corpus" \
      -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      "${dict[@]}" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$target-" >"$log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
    echo "  ok: $runs runs, corpus $(ls "$corpus" | wc -l) inputs"
  else
    status=1
    echo "  FAILED; the end of $log:"
    tail -n 40 "$log"
  fi
done
exit "$status"
