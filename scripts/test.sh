#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (windows headless, offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVATEK_BUILD_TESTS=ON
cmake --build build-tests
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
