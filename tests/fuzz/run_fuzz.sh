#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer in a build folder of their own and
# fuzzes each for JAXO_FUZZ_SECONDS seconds (20) from its corpus in the repository.
# New inputs go to a scratch folder; a crash is kept under <build>/artifacts and the
# run fails. Without clang or its libFuzzer runtime: skipped, or failed under CI.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/skip.sh"
build=${1:-$here/../../build/fuzz-clang}
seconds=${JAXO_FUZZ_SECONDS:-20}
targets=(bytetext linestore settings codebook wordlist chinesepage english owntexts)

if ! command -v clang++ >/dev/null 2>&1; then
  missing "clang++ not found (Debian package clang); the parsers were not fuzzed"
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>"$probe/err"; then
  head -3 "$probe/err"
  missing "clang++ cannot link libFuzzer (Debian package libclang-rt-14-dev)"
fi

gen=()
command -v ninja >/dev/null 2>&1 && gen=(-G Ninja)
if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S "$here" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$probe/configure.log" 2>&1 \
    || { cat "$probe/configure.log"; exit 1; }
fi
cmake --build "$build" --parallel "$(nproc)" >"$probe/build.log" 2>&1 || { cat "$probe/build.log"; exit 1; }

mkdir -p "$build/artifacts"
failed=0
total=0
for t in "${targets[@]}"; do
  scratch="$probe/corpus-$t"
  mkdir -p "$scratch"
  log="$build/fuzz_$t.log"
  "$build/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$build/artifacts/$t-" "$scratch" "$here/corpus/$t" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "fuzz_$t: ${runs:-?} inputs in ${seconds} s"
  total=$((total + ${runs:-0}))
  if [ $rc -ne 0 ]; then
    failed=1
    echo "fuzz_$t FAILED (exit $rc); the input is kept in $build/artifacts; log $log:"
    grep -v '^#' "$log" | tail -40
  fi
done
echo "fuzzing: $total inputs over ${#targets[@]} targets"
exit $failed
