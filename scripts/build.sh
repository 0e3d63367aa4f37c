#!/usr/bin/env bash
# Builds into build/: build/bin/quenlo and build/bin/quenloctl. Does not install anything.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build --parallel "$(nproc)"
