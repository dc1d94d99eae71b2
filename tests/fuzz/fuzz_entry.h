#pragma once

// Fuzz entry points, registered under the name of their corpus folder (tests/fuzz/corpus/<name>/).
// The same entry runs under libFuzzer (one per fuzzer binary) and in the replay test (all of them).
// An entry returns normally for every input the code under test rejects as it should; anything
// else (a crash, a sanitizer report, an unexpected exception) is a finding.

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace velumo::fuzz {

using EntryPoint = void (*)(std::span<const std::uint8_t> input);

struct Registration
{
    Registration(const char *corpus, EntryPoint entry);
};

// By corpus folder name.
const std::map<std::string, EntryPoint> &entryPoints();

} // namespace velumo::fuzz

// VELUMO_FUZZ_ENTRY(swf_reader, function) at namespace scope in the entry's source file.
#define VELUMO_FUZZ_ENTRY(corpus, function)                                                                          \
    static const ::velumo::fuzz::Registration velumoFuzzEntry_##corpus{#corpus, function}
