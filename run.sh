#!/usr/bin/env bash
# Set-up, build, demo content, then start Кварнель.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh build
exec build/kvarnel "$@"
