#!/usr/bin/env bash
# Builds the whole project with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-san/ and runs the whole test suite there. The same tree holds the libFuzzer targets
# (scripts/fuzz.sh runs them), so CI compiles the sanitized libraries once for both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/sanitizer_env.sh
source "$root/scripts/sanitizer_env.sh"

started=$SECONDS
configure_sanitizer_tree
cmake --build "$root/build-san" --parallel "$(nproc)"
built=$SECONDS

cd "$root/build-san"
ctest --output-on-failure --parallel "$(nproc)"
echo "sanitizer build: $((built - started)) s, sanitized test run: $((SECONDS - built)) s"
