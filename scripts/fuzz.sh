#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer, leak
# checks on) in their own tree and runs each one for SECONDS on its committed corpus. Exits non-zero
# on any crash, leak, timeout, memory blow-up or broken check; the input that did it is kept in
# BUILD_DIR/fuzz-artifacts/.
#
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]      (default 60)
# Environment: FUZZ_BUILD_DIR (default build-fuzz), FUZZ_TARGETS (a subset, space-separated),
#              FUZZ_FORK (run N fuzzing processes per target, e.g. 2 on an otherwise idle machine).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
seconds=${1:-60}
dir=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(${FUZZ_TARGETS:-fuzz_colouring_page fuzz_word_picture fuzz_mp3 fuzz_picture_name})

# Longest input per target: a little over the largest seed each, so that the time goes into
# mutating the structure rather than into decoding long files.
declare -A max_len=([fuzz_colouring_page]=4096 [fuzz_word_picture]=12288 [fuzz_mp3]=8192 [fuzz_picture_name]=256)

cxx=${FUZZ_CXX:-}
if [[ -z "$cxx" ]]; then
  for c in clang++ clang++-14; do
    if command -v "$c" >/dev/null; then cxx=$c; break; fi
  done
fi
[[ -n "$cxx" ]] || { echo "fuzz.sh: no clang++ (install the packages in packages.txt)" >&2; exit 1; }

build_start=$SECONDS
scripts/build.sh "$dir" -DKV_FUZZ=ON -DCMAKE_CXX_COMPILER="$cxx"
echo "fuzz.sh: build took $((SECONDS - build_start)) s"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
if [[ -z "${ASAN_SYMBOLIZER_PATH:-}" ]] && ! command -v llvm-symbolizer >/dev/null &&
   [[ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]]; then
  export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

mkdir -p "$dir/fuzz-artifacts" "$dir/fuzz-logs"
summary=()
failed=0
for t in "${targets[@]}"; do
  [[ -n "${max_len[$t]:-}" ]] || { echo "fuzz.sh: unknown target $t" >&2; exit 2; }
  # New inputs go into the first folder (the tree's own); the committed corpus is only read.
  work="$dir/fuzz-corpus/$t"
  mkdir -p "$work"
  log="$dir/fuzz-logs/$t.log"
  rm -f "$dir/fuzz-artifacts/$t-"*  # what an earlier run found stays in its log only
  args=(-max_total_time="$seconds" -max_len="${max_len[$t]}" -rss_limit_mb=2048 -timeout=10
        -dict="fuzz/dict/$t.dict" -artifact_prefix="$dir/fuzz-artifacts/$t-" -print_final_stats=1)
  if [[ -n "${FUZZ_FORK:-}" ]]; then args+=(-fork="$FUZZ_FORK"); fi
  echo "fuzz.sh: $t for ${seconds} s (log: $log)"
  status=0
  "$dir/fuzz/$t" "${args[@]}" "$work" "fuzz/corpus/$t" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  if [[ -n "${FUZZ_FORK:-}" ]]; then  # fork mode reports the total at its last status line
    runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
    speed=$(grep -oE 'exec/s:? [0-9]+' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  fi
  # A finding sometimes ends the run with status 0 in fork mode; the artifact and the report count too.
  # A "slow unit" is not one: it is kept and listed, but a shared machine that stalls for a few
  # seconds makes them out of ordinary inputs. An input that really hangs ends the run at -timeout.
  finding=$(find "$dir/fuzz-artifacts" -maxdepth 1 -name "$t-*" ! -name "$t-slow-unit-*" -print -quit)
  slow=$(find "$dir/fuzz-artifacts" -maxdepth 1 -name "$t-slow-unit-*" | wc -l)
  if ((slow > 0)); then echo "fuzz.sh: $t: $slow slow unit(s) kept in $dir/fuzz-artifacts (not a finding)"; fi
  if ((status != 0)) || grep -qE '^(==[0-9]+==ERROR|SUMMARY: |.*runtime error:)' "$log" || [[ -n "$finding" ]]; then
    failed=1
    summary+=("$t: FAILED (status $status) after ${runs:-?} runs")
    echo "---- $t: last lines of $log"
    tail -n 60 "$log"
    ls -l "$dir/fuzz-artifacts/$t-"* 2>/dev/null || true
  else
    summary+=("$t: ok, ${runs:-?} runs, ${speed:-?} exec/s")
  fi
done

echo "fuzz.sh: ${seconds} s per target"
printf '  %s\n' "${summary[@]}"
exit $failed
