#!/usr/bin/env bash
# The demo: builds the example setup with the builder and runs it under Wine on a virtual
# display, then saves a screenshot (build/demo/screenshot.png).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNWICK_BUILD:-$repo/build}
out=$build/demo
mkdir -p "$out"

"$build/native/twk" script --project "$repo/examples/demo.json" --out "$out/demo.script"
"$build/native/twk" pack --runtime "$build/win64/tarnwick.exe" --script "$out/demo.script" --out "$out/demo-setup.exe"
echo "built $out/demo-setup.exe"

run_demo() {
  "$repo/scripts/wine-exec" "$out/demo-setup.exe" &
  local setup=$!
  sleep "${TARNWICK_DEMO_SECONDS:-8}"
  import -window root -display "$DISPLAY" "$out/screenshot.png" || true
  kill "$setup" 2>/dev/null || true
  wait "$setup" 2>/dev/null || true
  echo "screenshot: $out/screenshot.png"
}
export -f run_demo
export repo out
"$repo/scripts/winenv" run bash -c run_demo
