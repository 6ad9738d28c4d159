#!/usr/bin/env bash
# Configures (once) and builds a tree. Usage: scripts/build.sh BUILD_DIR [extra cmake args...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=$1; shift
# Paths inside the tree count relative to it, so other checkouts of the project share the compiler cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$here}"
if [[ ! -f "$dir/build.ninja" ]]; then
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
fi
cmake --build "$dir"
