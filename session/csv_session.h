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
// first two rows into the same number of fields, at least two (of several, the one that splits
// them into the most), and a comma when none does.
inline constexpr std::string_view kCsvSeparators = ",;\t";

// How a table's columns are read, where the defaults will not do: the label's column (a header's
// name or a number from 1; the last column when absent), the columns left out, and words that
// label positive and negative examples besides the standard ones (compared in any case).
struct CsvColumns
{
    std::optional<std::string> label = {};
    std::vector<std::string> ignored = {};
    std::vector<std::string> positiveWords = {}, negativeWords = {};
    // The column whose fields name the examples ("D3"), by its name or number; empty for none.
    // Without it, a first column whose header says so names them.
    std::optional<std::string> names = {};
};

// How a table's columns were read: its first row as it stands (a header's names, or values),
// whether it is a header, the label's column, the column that names the examples, if any, and the
// columns left out (by their place, from 0).
struct CsvLayout
{
    std::vector<std::string> firstRow;
    bool header = false;
    std::size_t label = 0;
    std::optional<std::size_t> names;
    std::vector<std::size_t> ignored;
};

// One row of a CSV table (1 to 16 values, then a label) as the command it stands for: "+", "-",
// "Positive", "Negative", "yes", "no", "true", "false", "1" or "0" (any case, blanks around it
// ignored), or a word of `columns`, press Positive or Negative with the values typed in; "?"
// presses Predict with them in the unseen fields. Otherwise (too few or too many fields, a field
// that is not UTF-8, an unknown label, named with the labels accepted) says what is wrong with the
// row.
std::variant<ReplayCommand, std::string> csvRowCommand(const std::vector<std::string> &fields,
                                                       const CsvColumns &columns = {});

// Reads a CSV table (RFC 4180: quoted fields may hold commas, quotation marks and line breaks;
// lines end at LF, CR or CR LF; a leading byte-order mark is skipped; a first row whose label is
// none of the above is a header, whose texts before the label name the attributes) and hands each
// row's command to `row` as soon as it is read. Every row has as many fields as the first; the
// names (empty ones without a header) go to `names`, if given, before the first command. Values
// are taken exactly as they stand. `separator` is one of kCsvSeparators, or nothing to tell it
// from the first two rows. Returns nothing, or the first bad input (a row of another width than
// the first, an unknown label, text that is not CSV) or failed read as a message naming the line
// the row starts on; the rows before it have been handed over. `columns` chooses the label's
// column and leaves columns out (a name or number that is no column of the first row is bad input
// on its line), and adds label words. How the columns were read goes to `layout`, if given, once
// the first row is read.
std::optional<std::string> readCsvTable(SessionInput &in, std::optional<char> separator,
                                        const CommandHandler &row, const NamesHandler &names = {},
                                        const CsvColumns &columns = {},
                                        CsvLayout *layout = nullptr);

// Plays a CSV table through `session`, writing one object per press to `out`, as runJsonLines
// does; bad input stops the run with a message on `err`. The header's names go to `names`.
// Returns the exit status, as playSession does.
int runCsvSession(SessionInput &in, std::ostream &out, std::ostream &err, ReplaySession &session,
                  std::optional<char> separator = std::nullopt, const NamesHandler &names = {},
                  const CsvColumns &columns = {});

} // namespace vspace
