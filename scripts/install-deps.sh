#!/usr/bin/env bash
# Installs the Debian packages Velumo needs to build, test and run.
# Only what is missing is installed; nothing is ever installed by hand.
set -euo pipefail

packages=(
    # build tools
    g++ cmake ninja-build ccache pkg-config
    # libraries
    qt6-base-dev qt6-base-dev-tools libgl-dev zlib1g-dev libjpeg62-turbo-dev
    # songs and the album encoder: decoding and encoding with FFmpeg, playing through Qt Multimedia
    libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libswscale-dev qt6-multimedia-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # the sanitizer and fuzzing tree (scripts/sanitize.sh, scripts/fuzz.sh): clang, its ASan,
    # UBSan and libFuzzer runtimes, and llvm-symbolizer for readable reports
    clang libclang-rt-14-dev llvm-14
    # the ffmpeg tool makes the songs the tests import and probes the albums they write
    ffmpeg
    # running: CJK fonts for the Chinese interface, a virtual display for headless runs
    fonts-noto-cjk fonts-wqy-zenhei xvfb xauth e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
        sudo_cmd=(sudo)
    else
        echo "error: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
