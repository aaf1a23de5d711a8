#pragma once

#include "player.h"
#include "session_input.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vspace {

// Parses one line of a JSON Lines session (without its newline): an object with the keys
// "Text1" and "Text2" (six strings each, for the training and the unseen fields) and "press"
// (a button's name). A line of JSON white space only is an empty command. On bad input returns
// what is wrong with it, without the line number; a line that names the attributes is bad input
// here, where it is not known to be a session's first.
std::variant<ReplayCommand, std::string> parseReplayLine(std::string_view line);

// Reads a JSON Lines session (a leading byte-order mark skipped) and hands each line's command to
// `line` as soon as it is read, until `line` returns false. The first line may name the
// attributes instead, {"attributes":[six strings]} and nothing else: the names go to `names`, if
// given, and the line is no command. Returns nothing, or the first bad input or failed read as a
// message naming its line; the lines before it have been handed over.
std::optional<std::string> readJsonLines(SessionInput &in, const CommandHandler &line,
                                         const NamesHandler &names = {});

// Plays a whole JSON Lines session from `in` through `session`, writing one object per press to
// `out`; the attributes' names, if the session gives them, go to `names`. Bad input stops the run
// with a message on `err` naming the line; what was written before it stands. Returns the exit
// status, as playSession does.
int runJsonLines(SessionInput &in, std::ostream &out, std::ostream &err, ReplaySession &session,
                 const NamesHandler &names = {});

} // namespace vspace
