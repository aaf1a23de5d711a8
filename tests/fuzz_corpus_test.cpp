#include "fuzz/replay_harness.h"
#include "process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace vspace::testing {
namespace {

std::vector<std::filesystem::path> inputs()
{
    std::vector<std::filesystem::path> files;
    for (const char *folder : {"corpus", "regressions"}) {
        for (const auto &entry : std::filesystem::directory_iterator(std::filesystem::path(VSPACE_FUZZ_DIR) / folder)) {
            if (entry.is_regular_file() && entry.path().filename() != "README")
                files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class FuzzInputs : public ::testing::TestWithParam<std::filesystem::path>
{};

TEST_P(FuzzInputs, PlayWithInvariantsIntact)
{
    EXPECT_EQ(play_replay_input(readFile(GetParam())), "");
}

INSTANTIATE_TEST_SUITE_P(Files, FuzzInputs, ::testing::ValuesIn(inputs()), [](const auto &info) {
    std::string name = info.param.parent_path().filename().string() + "_" + info.param.stem().string();
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

} // namespace
} // namespace vspace::testing
