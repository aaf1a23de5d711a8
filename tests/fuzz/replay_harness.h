#pragma once

#include <string>
#include <string_view>

namespace vspace::testing {

// Plays `bytes` as a replay session, checking the engine's invariants after every press and
// the driver's contract at the end. Returns what went wrong, or an empty text.
std::string play_replay_input(std::string_view bytes);

} // namespace vspace::testing
