#pragma once

#include "replay_session.h"

#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace vspace {

// One row of a CSV session (six values and a label) as the command it stands for: "+", "-",
// "Positive", "Negative", "yes", "no", "true" or "false" (any case) press Positive or Negative
// with the values typed in; "?" presses Predict with them in the unseen fields. Otherwise (the
// wrong width, a field that is not UTF-8, an unknown label) says what is wrong with the row.
std::variant<ReplayCommand, std::string> csvRowCommand(const std::vector<std::string> &fields);

// Plays a CSV session (RFC 4180: quoted fields may hold commas, quotation marks and line breaks;
// CRLF or LF; a first row whose label is none of the above is a header) through `session`,
// writing one object per press to `out`, as runJsonLines does. A row of the wrong width, an unknown
// label or text that is not CSV stops the run with a message on `err` naming the line the row
// starts on; what was written before it stands. Values are taken exactly as they stand. Returns
// the exit status: 0, or 2 after bad input.
int runCsvSession(std::istream &in, std::ostream &out, std::ostream &err, ReplaySession &session);

} // namespace vspace
