#!/usr/bin/env bash
# Runs the libFuzzer harnesses of a fuzzing build (make fuzz, make test).
#   fuzz/run.sh BUILD SECONDS   each harness SECONDS on a copy of its corpus (fork mode: it goes
#                               on after a finding); findings land in BUILD/fuzz-findings/<target>/
#   fuzz/run.sh BUILD --short   each harness replays its corpus and regressions, then a seeded
#                               run of FUZZ_SHORT_SECONDS (default 5; what make test does)
# The exit status is 1 when any harness failed. Reproducers listed in
# fuzz/regressions/known-failures.txt (still unfixed) are not replayed, and its "skip-stage"
# lines leave harness stages out (TARVIK_FUZZ_SKIP).
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: fuzz/run.sh BUILD SECONDS|--short}
mode=${2:?usage: fuzz/run.sh BUILD SECONDS|--short}
targets=(section_file point_file catalogue numbers dxf)
known=fuzz/regressions/known-failures.txt
short_seconds=${FUZZ_SHORT_SECONDS:-5}

# every reproducer of the target that is not listed as still failing
replay_inputs() {
  local t=$1 f
  for f in fuzz/corpus/"$t"/* fuzz/regressions/"$t"/*; do
    [ -f "$f" ] || continue
    grep -qxF "$f" <(sed -e 's/[[:space:]]*#.*//' -e '/^$/d' -e '/^skip-stage /d' "$known" 2>/dev/null) &&
      continue
    echo "$f"
  done
}

# harness stages left out while a failure they hit is unfixed ("skip-stage NAME" lines)
TARVIK_FUZZ_SKIP=$(sed -n -e 's/[[:space:]]*#.*//' -e 's/^skip-stage[[:space:]]\+//p' "$known" 2>/dev/null |
  paste -sd, -)
export TARVIK_FUZZ_SKIP
[ -z "$TARVIK_FUZZ_SKIP" ] || echo "fuzz: stages left out (known failures): $TARVIK_FUZZ_SKIP"

failed=()
for t in "${targets[@]}"; do
  exe="$build/fuzz_$t"
  [ -x "$exe" ] || { echo "fuzz: $exe is not built" >&2; exit 1; }
  findings="$build/fuzz-findings/$t"
  mkdir -p "$findings"
  if [ "$mode" = --short ]; then
    mapfile -t inputs < <(replay_inputs "$t")
    echo "== fuzz_$t: replaying ${#inputs[@]} files, then ${short_seconds} s seeded"
    if ! "$exe" -artifact_prefix="$findings/" "${inputs[@]}" >"$findings/replay.log" 2>&1; then
      tail -n 30 "$findings/replay.log"; failed+=("$t (replay)"); continue
    fi
    work="$build/fuzz-short/$t"
    rm -rf "$work"; mkdir -p "$work"
    cp fuzz/corpus/"$t"/* "$work/"
    if ! "$exe" -seed=1 -max_total_time="$short_seconds" -artifact_prefix="$findings/" "$work" \
        >"$findings/short.log" 2>&1; then
      tail -n 30 "$findings/short.log"; failed+=("$t"); continue
    fi
    tail -n 1 "$findings/short.log"
  else
    work="$build/fuzz-corpus/$t"
    mkdir -p "$work"
    cp -n fuzz/corpus/"$t"/* "$work/"
    rm -f "$findings"/crash-* "$findings"/leak-* "$findings"/timeout-* "$findings"/oom-*
    echo "== fuzz_$t: $mode s, corpus $work, findings $findings"
    "$exe" -max_total_time="$mode" -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
      -artifact_prefix="$findings/" "$work" >"$findings/fuzz.log" 2>&1
    found=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' \
      -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    grep -E '^#[0-9]+: cov' "$findings/fuzz.log" | tail -n 1
    echo "   $found finding(s) in $findings"
    [ "$found" -eq 0 ] || failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: every harness passed"
