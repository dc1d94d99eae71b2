// Runs every saved fuzz input through its entry point: the seeds and every finding ever fixed
// stay fixed, in every build, without a fuzzing toolchain.
#include "tests/fuzz/fuzz_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace velumo::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpusRoot = VELUMO_FUZZ_CORPUS_DIR;

std::vector<std::string> corpusFolders()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(kCorpusRoot)) {
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<fs::path> filesIn(const fs::path &folder)
{
    std::vector<fs::path> files;
    for (const auto &entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> contents(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzReplay, EveryEntryPointHasACorpusAndEveryCorpusAnEntryPoint)
{
    const std::vector<std::string> folders = corpusFolders();
    for (const auto &[name, entry] : entryPoints()) {
        EXPECT_NE(std::find(folders.begin(), folders.end(), name), folders.end()) << "no corpus folder for " << name;
    }
    for (const std::string &folder : folders) {
        EXPECT_EQ(entryPoints().count(folder), 1u) << "no entry point linked for corpus " << folder;
        EXPECT_FALSE(filesIn(kCorpusRoot / folder).empty()) << "corpus " << folder << " is empty";
    }
}

class CorpusReplay : public testing::TestWithParam<std::string>
{
};

TEST_P(CorpusReplay, EveryInputRunsToTheEnd)
{
    const auto entry = entryPoints().find(GetParam());
    ASSERT_NE(entry, entryPoints().end());
    for (const fs::path &file : filesIn(kCorpusRoot / GetParam())) {
        SCOPED_TRACE(file.filename().string());
        const std::vector<std::uint8_t> input = contents(file);
        EXPECT_NO_THROW(entry->second(input));
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusReplay, testing::ValuesIn(corpusFolders()),
                         [](const testing::TestParamInfo<std::string> &folder) { return folder.param; });

} // namespace
} // namespace velumo::fuzz
