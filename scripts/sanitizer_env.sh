# Sourced by the scripts that build or run the sanitizer tree (build-san/), with $root set:
# its own compiler cache, the sanitizer options for everything run there (the tests, the
# fuzzers and the tools the build itself runs), and its configuration.
export CCACHE_DIR=${CCACHE_DIR:-$root/build-san/.ccache}
# Leaks are reported and fail the run. Qt, fontconfig and FFmpeg report no leak in what the tests
# and the fuzzers do, so nothing is suppressed: a leak report is ours to fix.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
# llvm-14 installs the symbolizer under its versioned name only.
if [[ -z "${ASAN_SYMBOLIZER_PATH:-}" && -x /usr/bin/llvm-symbolizer-14 ]]; then
    export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
fi

# One clang tree for the sanitized test suite and the fuzz targets (VELUMO_FUZZ implies
# VELUMO_SANITIZE). -O1 with line tables only: reports keep their file:line, and the tree builds
# and links much faster than with full debug information. assert() stays on.
configure_sanitizer_tree() {
    if [[ ! -f "$root/build-san/build.ninja" ]]; then
        cmake -S "$root" -B "$root/build-san" -G Ninja \
            -DCMAKE_CXX_COMPILER=clang++ \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
            -DVELUMO_FUZZ=ON -DVELUMO_BUILD_BENCH=OFF
    fi
}
