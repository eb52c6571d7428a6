#!/usr/bin/env bash
# The main job: installs what is missing, builds qbx in Release, exports the sample reports to PDF and
# runs the host on the bundled sample (offscreen for 5 seconds when there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QBX_BUILD_DIR:-$root/build/release}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQBX_BUILD_TESTS=OFF
cmake --build "$build"

# The sample reports from their CSV data, prepared and exported as the command line does it.
samples="$build/samples"
mkdir -p "$samples"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
qbx="$build/bin/qbx"
ex="$root/examples"
"$qbx" export "$ex/sales.qb3" --data Sales="$ex/sales.csv" -o "$samples/sales.pdf"
"$qbx" export "$ex/invoice.qb3" --data Lines="$ex/invoice.csv" -o "$samples/invoice.pdf"
"$qbx" export "$ex/labels.qb3" --data Addresses="$ex/labels.csv" -o "$samples/labels.pdf"
"$qbx" prepare "$ex/customers.qb3" --data Customers="$ex/customers.csv" -o "$samples/customers.qp3"
"$qbx" export "$samples/customers.qp3" -o "$samples/customers.pdf"
"$qbx" export "$samples/customers.qp3" -o "$samples/customers.png" --pages 1
echo "run-sample: wrote these files:"
for f in sales.pdf invoice.pdf labels.pdf customers.qp3 customers.pdf customers.png; do
  echo "  $samples/$f"
done
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  unset QT_QPA_PLATFORM
fi

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
