#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Corvatek.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVATEK_BUILD_TESTS=OFF
cmake --build build-release --target corvatek
exec ./build-release/src/app/corvatek "$@"
