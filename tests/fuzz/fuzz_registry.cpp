#include "tests/fuzz/fuzz_entry.h"

#include <cstdio>
#include <cstdlib>

namespace velumo::fuzz {

namespace {

std::map<std::string, EntryPoint> &registry()
{
    static std::map<std::string, EntryPoint> entries;
    return entries;
}

} // namespace

Registration::Registration(const char *corpus, EntryPoint entry)
{
    if (!registry().emplace(corpus, entry).second) {
        std::fprintf(stderr, "fuzz entry %s registered twice\n", corpus);
        std::abort();
    }
}

const std::map<std::string, EntryPoint> &entryPoints()
{
    return registry();
}

} // namespace velumo::fuzz
