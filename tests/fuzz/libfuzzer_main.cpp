// libFuzzer's hooks for a fuzzer binary built from exactly one registered entry point.
#include "tests/fuzz/fuzz_entry.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

velumo::fuzz::EntryPoint g_entry = nullptr;

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const auto &entries = velumo::fuzz::entryPoints();
    if (entries.size() != 1) {
        std::fprintf(stderr, "a fuzzer binary needs exactly one entry point, found %zu\n", entries.size());
        std::abort();
    }
    g_entry = entries.begin()->second;
    // Image decoders warn about every broken input; at fuzzing speed that is only noise.
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    g_entry(std::span(data, size));
    return 0;
}
