#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of the three readers and of the file layer under them with clang
# (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for a bounded time
# over its seed corpus.
#   scripts/fuzz.sh [seconds per target, default 20]
# Without clang it says so and succeeds: the corpus replay of the ordinary tests still runs.
set -euo pipefail

seconds="${1:-20}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TB_FUZZ_BUILD:-$root/build-fuzz}"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found, fuzz targets skipped"
  exit 0
fi

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYBURROW_FUZZ=ON >/dev/null
targets=(studentfile helpfile settingsfile journalfile answerlog filelayer)
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

status=0
for target in "${targets[@]}"; do
  # New inputs go to a scratch folder; the seed corpus in the repository stays as it is.
  scratch="$(mktemp -d)"
  echo "fuzz: $target for ${seconds}s"
  if ! (cd "$build" && "./fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=70000 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 "$scratch" "$root/fuzz/corpus/$target"); then
    echo "fuzz: $target found a fault; the input is in $build"
    status=1
  fi
  rm -rf "$scratch"
done
exit "$status"
