#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each of them.
#
#   scripts/fuzz.sh                    # every target, 60 seconds each
#   scripts/fuzz.sh 3600               # every target, an hour each
#   scripts/fuzz.sh 600 fuzz_InputData # one target, ten minutes
#   scripts/fuzz.sh --ci               # every target, about 60 seconds in all
#
# Each target keeps what it learns in build-fuzz/corpus/<target>/, seeded from
# the test fixtures and the examples, so a later run goes on from there. A
# crash stops the run and leaves its input as build-fuzz/crash-*; rerun it
# with build-fuzz/fuzz/<target> <that file>.
set -euo pipefail
cd "$(dirname "$0")/.."

ci_total_seconds=60
per_target=60
if [ "${1:-}" = "--ci" ]; then
  per_target=ci
  shift
elif [ $# -gt 0 ]; then
  per_target=$1
  shift
fi

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed (scripts/setup.sh installs it)" >&2
  exit 1
fi

build_dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORELAN_FUZZ=ON -DVORELAN_BUILD_GUI=OFF -DVORELAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target vorelan_fuzz_targets -j"${VORELAN_JOBS:-4}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find "$build_dir/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x -printf '%f\n' | sort)
fi
if [ "$per_target" = ci ]; then
  per_target=$(( ci_total_seconds / ${#targets[@]} ))
  [ "$per_target" -ge 1 ] || per_target=1
fi

# A target of a file other than the data file has seeds of its own in
# fuzz/seeds/<target>/; the others start from the fixtures and the examples,
# not the files a run wrote beside them.
data_file_seeds=(tests/fixtures/*.txt examples/predatory_mite.txt examples/example.txt)
dictionary="$PWD/fuzz/numbers.dict"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for target in "${targets[@]}"; do
  corpus="$build_dir/corpus/$target"
  mkdir -p "$corpus"
  seeds=("${data_file_seeds[@]}")
  [ -d "fuzz/seeds/$target" ] && seeds=(fuzz/seeds/"$target"/*)
  cp -n "${seeds[@]}" "$corpus/" 2>/dev/null || true
  echo "fuzz: $target for ${per_target} s"
  (cd "$build_dir" && "fuzz/$target" -max_total_time="$per_target" -timeout=10 -rss_limit_mb=4096 \
     -max_len=65536 -dict="$dictionary" -print_final_stats=1 "corpus/$target" 2>&1 | tail -n 12)
done
