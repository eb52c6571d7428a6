#!/usr/bin/env bash
# The test job: installs what is missing, builds with ASan and UBSan and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QBX_BUILD_DIR:-$root/build/test}

bash "$root/scripts/install-deps.sh"
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQBX_SANITIZE=ON -DQBX_WERROR=$werror
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
