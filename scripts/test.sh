#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (widget tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# One test at a time: the widget tests drive real event loops and are kept off a crowded CPU.
ctest --test-dir build --output-on-failure
