#!/usr/bin/env bash
# The monkey test at length: EVENTS random clicks, wheel turns and key presses on the real window
# over the demo content (default 100000), with SEED to replay a run. Usage: scripts/monkey.sh [EVENTS [SEED]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
scripts/build.sh "$build" >/dev/null
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy KV_MONKEY_EVENTS=${1:-100000}
[[ -n "${2:-}" ]] && export KV_MONKEY_SEED=$2
exec "$build/test_app" --gtest_filter='Monkey.*'
