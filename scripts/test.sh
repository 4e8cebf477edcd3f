#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (windows headless, offscreen), then runs
# them once more in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVATEK_BUILD_TESTS=ON
cmake --build build-tests
(cd build-tests && ctest --output-on-failure --timeout 300)

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVATEK_BUILD_TESTS=ON -DCORVATEK_SANITIZE=ON
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure --timeout 600)
