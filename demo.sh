#!/usr/bin/env bash
# Installs what is missing, builds, and makes a DVD album from the sample media without any
# window; prints where the album and the run's project tables are. Extra arguments go to
# velumo-cli (a later option wins, for example ./demo.sh --size 1920x1080).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
bin="$root/build/bin"
out="$root/build/demo"
mkdir -p "$out"
rm -rf "$out/tables"
"$bin/velumo-cli" --kind DVD --size 1280x720 --length music --loop-pictures --seed 1 \
    --output "$out/甜蜜蜜" --dump-tables "$out/tables" "$@" \
    "$bin"/yinyuegeci/相片/*.jpg "$bin/yinyuegeci/甜蜜蜜.mp3" "$bin/yinyuegeci/甜蜜蜜.lrc"
echo "项目表：$out/tables"
