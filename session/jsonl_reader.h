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
// "Text1" and "Text2" (1 to 16 strings each, for the training and the unseen fields), "press"
// (a button's name) and "learner" ("Program" or "Textbook": whose lists are shown from then on). A
// line of JSON white space only is an empty command. On bad input returns what is wrong with it,
// without the line number; a line that names the attributes is bad input here, where it is not
// known to be a session's first.
std::variant<ReplayCommand, std::string> parseReplayLine(std::string_view line);

// Reads a JSON Lines session (a leading byte-order mark skipped) and hands each line's command to
// `line` as soon as it is read, until `line` returns false. The first line, blank lines aside, may
// name the attributes instead, {"attributes":[1 to 16 strings]} and nothing else: the line is no
// command. The session's instances have as many attributes as that line names, or else as the
// first line that types values has; a line that types another number of values is bad input. The
// names (or as many empty ones) go to `names`, if given, once the number is known. Returns
// nothing, or the first bad input or failed read as a message naming its line; the lines before
// it have been handed over.
std::optional<std::string> readJsonLines(SessionInput &in, const CommandHandler &line,
                                         const NamesHandler &names = {});

// Plays a whole JSON Lines session from `in` through `session`, writing one object per press to
// `out`, at the width the session tells; the attributes' names go to `names`. Bad input stops the
// run with a message on `err` naming the line; what was written before it stands. Returns the exit
// status, as playSession does.
int runJsonLines(SessionInput &in, std::ostream &out, std::ostream &err, ReplaySession &session,
                 const NamesHandler &names = {});

} // namespace vspace
