#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each once over its seed corpus: the malformed templates, the fixtures, the scripts and the sample.
# Usage: bash scripts/build-fuzz.sh [SECONDS]   with SECONDS, fuzz each target that long as well.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QBX_FUZZ_BUILD_DIR:-$root/build/fuzz}
seconds=${1:-0}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DQBX_BUILD_FUZZ=ON -DQBX_SANITIZE=ON -DQBX_BUILD_TESTS=OFF
targets="fuzz_xml_reader fuzz_template_load fuzz_prepared_load fuzz_template_prepare
  fuzz_script_verada fuzz_script_rplusplus fuzz_script_vidod fuzz_script_jscript"
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/data/malformed/* "$root"/tests/data/templates/* "$root"/tests/data/templates-run/* \
  "$root"/tests/data/prepared/* "$root"/tests/data/scripts/* \
  "$root"/examples/1.qb3 "$corpus"/
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in $targets; do
  if [ "$seconds" -gt 0 ]; then
    "$build/bin/$target" -max_total_time="$seconds" -artifact_prefix="$build/$target-" "$corpus"
  else
    "$build/bin/$target" -runs=0 "$corpus"
  fi
done
echo "build-fuzz: the fuzz targets built and ran over the seed corpus"
