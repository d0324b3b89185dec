#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the Release configuration with g++ and runs every test (the
# widget tests run offscreen), then builds with clang++ too and runs its tests again (all but the
# packaging and screen-reader tests, which the first build has run), so neither compiler can break unseen, and last
# runs each file reader's fuzz target for a few seconds. Warnings are errors in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

CXX=g++ scripts/build.sh build
# One test at a time: the widget tests drive real event loops and are kept off a crowded CPU.
ctest --test-dir build --output-on-failure

CXX=clang++ scripts/build.sh build-clang
ctest --test-dir build-clang --output-on-failure -LE "packaging|screenreader"

# The three file readers' fuzz targets (libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer) run for a short bounded time each; their seed corpora were already
# replayed by the tests above.
scripts/fuzz.sh 15
