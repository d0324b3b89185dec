#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Tallyburrow (two parallel jobs) as users get it: a Release build, here
# with warnings as errors. Usage: scripts/build.sh [build folder, default build] [cmake options]
# The compiler is the one in $CXX when the folder is first configured (g++ otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYBURROW_WERROR=ON "$@"
nice cmake --build "$dir" -j2
