#!/usr/bin/env bash
# Builds a tree (configuring it first if needed) and makes the Debian package from it.
# Usage: scripts/build-deb.sh BUILD_DIR [extra cmake args for a first configure...]
# Prints the path of the .deb; the build's and cpack's own output go to stderr.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if (($# < 1)); then
  echo "usage: $0 BUILD_DIR [cmake args...]" >&2
  exit 2
fi
dir=$1; shift
"$here/scripts/build.sh" "$dir" "$@" >&2
if grep -qE '^KV_(SANITIZE|TSAN):BOOL=ON' "$dir/CMakeCache.txt"; then
  echo "$dir is a sanitizer build; package a plain one (e.g. build/)" >&2
  exit 1
fi
dir=$(cd "$dir" && pwd)
log=$(cd "$dir" && cpack -G DEB -C RelWithDebInfo 2>&1) || { echo "$log" >&2; exit 1; }
echo "$log" >&2
deb=$(sed -nE 's/^CPack: - package: (.*\.deb) generated\.$/\1/p' <<<"$log")
if [[ -z "$deb" || ! -f "$deb" ]]; then
  echo "cpack did not report a .deb" >&2
  exit 1
fi
echo "$deb"
