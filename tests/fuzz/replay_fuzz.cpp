// libFuzzer target: arbitrary bytes through the replay driver's input handling into the engine.

#include "replay_harness.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string broken = vspace::testing::play_replay_input(
        std::string_view(reinterpret_cast<const char *>(data), size));
    if (!broken.empty()) {
        std::fprintf(stderr, "replay_fuzz: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
