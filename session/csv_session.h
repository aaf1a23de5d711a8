#pragma once

#include "player.h"
#include "session_input.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vspace {

// The separators a table may use; in a table without one named, the one of these that splits its
// first row into exactly seven fields, and a comma when none or several do.
inline constexpr std::string_view kCsvSeparators = ",;\t";

// One row of a CSV table (six values and a label) as the command it stands for: "+", "-",
// "Positive", "Negative", "yes", "no", "true" or "false" (any case, blanks around it ignored)
// press Positive or Negative with the values typed in; "?" presses Predict with them in the
// unseen fields. Otherwise (the wrong width, a field that is not UTF-8, an unknown label) says
// what is wrong with the row.
std::variant<ReplayCommand, std::string> csvRowCommand(const std::vector<std::string> &fields);

// Reads a CSV table (RFC 4180: quoted fields may hold commas, quotation marks and line breaks;
// lines end at LF, CR or CR LF; a leading byte-order mark is skipped; a first row whose label is
// none of the above is a header, whose first six texts name the attributes: handed to `names`,
// if given) and hands each row's command to `row` as soon as it is read. Values are taken exactly
// as they stand. `separator` is one of kCsvSeparators, or nothing to tell it from the whole first
// row. Returns nothing, or the first bad input (a row of the wrong width, an unknown label, text
// that is not CSV) or failed read as a message naming the line the row starts on; the rows before
// it have been handed over.
std::optional<std::string> readCsvTable(SessionInput &in, std::optional<char> separator,
                                        const CommandHandler &row, const NamesHandler &names = {});

// Plays a CSV table through `session`, writing one object per press to `out`, as runJsonLines
// does; bad input stops the run with a message on `err`. The header's names go to `names`.
// Returns the exit status, as playSession does.
int runCsvSession(SessionInput &in, std::ostream &out, std::ostream &err, ReplaySession &session,
                  std::optional<char> separator = std::nullopt, const NamesHandler &names = {});

} // namespace vspace
