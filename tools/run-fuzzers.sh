#!/usr/bin/env bash
# Runs each libFuzzer target of a fuzz build for a bounded time, starting from its committed seed corpus
# (fuzz/corpus/<target>, never written to). New inputs go to BUILD/corpus/<target>; an input that breaks a
# target is kept as BUILD/found/<target>-crash-... and fails the run.
# Usage: tools/run-fuzzers.sh BUILD SECONDS_PER_TARGET
set -euo pipefail
build=$1
seconds=$2
cd "$(dirname "$0")/.."

declare -A options=([fuzz_docx_open]="-dict=fuzz/docx.dict")
status=0
for target in fuzz_docx_model fuzz_docx_open fuzz_engine_typing fuzz_csv_contacts fuzz_vcard_contacts; do
  mkdir -p "$build/corpus/$target" "$build/found"
  echo "Fuzzing $target for $seconds s"
  # shellcheck disable=SC2086 # the options are separate words
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/found/$target-" ${options[$target]:-} \
      "$build/corpus/$target" "fuzz/corpus/$target" 2>"$build/$target.log"; then
    tail -n 60 "$build/$target.log"
    echo "$target failed: see $build/$target.log and $build/found/" >&2
    status=1
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)' "$build/$target.log" || true
  fi
done
exit $status
