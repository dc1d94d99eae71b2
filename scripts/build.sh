#!/usr/bin/env bash
# Configures and builds Velumo in Release into build/. Shared by run.sh and test.sh so that
# both use one configuration and never rebuild each other's work.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export CCACHE_DIR=${CCACHE_DIR:-$root/build/.ccache}
if [[ ! -f build/build.ninja ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELUMO_WERROR=ON
fi
cmake --build build --parallel "$(nproc)"
