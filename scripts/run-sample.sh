#!/usr/bin/env bash
# The main job: installs what is missing, builds qbx in Release and runs the host on the bundled sample.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QBX_BUILD_DIR:-$root/build/release}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQBX_BUILD_TESTS=OFF
cmake --build "$build"

cd "$root/examples"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
  echo "run-sample: no display; starting qbx-host offscreen in $(pwd) for 5 seconds"
  status=0
  timeout 5s "$build/bin/qbx-host" || status=$?
  if [ "$status" -ne 124 ] && [ "$status" -ne 0 ]; then
    echo "run-sample: qbx-host failed with exit code $status" >&2
    exit "$status"
  fi
  echo "run-sample: qbx-host showed its window Form1 offscreen and was closed after 5 seconds"
else
  echo "run-sample: starting qbx-host in $(pwd); press Button1 to run 1.qb3, close the window to finish"
  "$build/bin/qbx-host"
fi
