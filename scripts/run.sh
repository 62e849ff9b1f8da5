#!/usr/bin/env bash
# Sets up, builds and starts the Tavrik desktop app.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
fi
cmake --build build -j "$(nproc)" --target tavrik
exec build/src/ui/tavrik "$@"
