#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Builds the libFuzzer harnesses (in build-sanitize/, as test.sh --sanitize does) and runs each
# for SECONDS (default 60), starting from its committed seeds in fuzz/corpus/<name>/.
#   fuzz.sh [SECONDS] [HARNESS...]
# Prints per harness the executions, the coverage (cov: code edges, ft: features) and the corpus
# size, or the crash and the path of its reproducer; exits non-zero when any harness failed.
# What a harness finds is kept in build-sanitize/fuzz/corpus/<name>/ and grows from run to run.
# Extra libFuzzer options may come in $LUMETRA_FUZZ_ARGS (for example -runs=10000000, or a longer
# -timeout than 30 seconds per input on a machine that starves a low-priority run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMETRA_BUILD_DIR:-$root/build-sanitize}
seconds=${1:-60}
[ $# -eq 0 ] || shift
case $seconds in '' | *[!0-9]*) echo "usage: $0 [SECONDS] [HARNESS...]" >&2; exit 2 ;; esac

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for dir in "$root"/fuzz/corpus/*/; do harnesses+=("$(basename "$dir")"); done
fi

"$root/scripts/setup.sh" --test
LUMETRA_BUILD_DIR=$build "$root/scripts/build.sh" --sanitize --target "${harnesses[@]/#/fuzz-}" >/dev/null

# One harness: runs it, then writes its summary line(s) beside its log.
run_one() {
  local name=$1
  local binary="$build/fuzz/fuzz-$name" corpus="$build/fuzz/corpus/$name"
  local artifacts="$build/fuzz/artifacts/$name" log="$build/fuzz/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  local options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=512
                 -print_final_stats=1 -artifact_prefix="$artifacts/")
  [ ! -f "$root/fuzz/dict/$name.dict" ] || options+=(-dict="$root/fuzz/dict/$name.dict")
  # shellcheck disable=SC2206
  options+=(${LUMETRA_FUZZ_ARGS:-})
  local status=0
  (cd "$build/fuzz" && exec "$binary" "${options[@]}" "$corpus" "$root/fuzz/corpus/$name") >"$log" 2>&1 || status=$?

  local executions progress cov ft inputs reproducer
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  progress=$(grep -aE '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$progress")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$progress")
  inputs=$(sed -n 's/.* corp: \([0-9]*\)\/.*/\1/p' <<<"$progress")
  reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
  if [ $status -eq 0 ] && [ -z "$reproducer" ]; then
    printf '%-22s %10s executions  cov %-6s ft %-7s corpus %-6s no crash\n' \
      "$name" "${executions:-?}" "${cov:-?}" "${ft:-?}" "${inputs:-?}"
  else
    printf '%-22s FAILED (exit %d) after %s executions; reproducer: %s\n' \
      "$name" "$status" "${executions:-?}" "${reproducer:-none written}"
    grep -a -m1 -E 'ERROR: |broken promise|ALARM|out-of-memory|uncaught exception' "$log" | sed 's/^/    /' || true
    echo "    log: $log"
  fi >"$log.summary"
  [ $status -eq 0 ] && [ -z "$reproducer" ]
}

# As many harnesses at a time as there are processors (or $LUMETRA_FUZZ_JOBS).
jobs=${LUMETRA_FUZZ_JOBS:-$(nproc)}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
failed=0
running=0
for name in "${harnesses[@]}"; do
  if [ $running -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_one "$name" &
  running=$((running + 1))
done
while [ $running -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
for name in "${harnesses[@]}"; do cat "$build/fuzz/logs/$name.log.summary"; done
exit $failed
