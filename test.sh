#!/usr/bin/env bash
# Set-up, build and the whole test suite, headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh "${BUILD_DIR:-build}" "$@"
export QT_QPA_PLATFORM=offscreen
# The group journal's tests need PostgreSQL: here they fail rather than skip when it is missing.
export KV_NEED_POSTGRES=1
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2 --timeout 300
