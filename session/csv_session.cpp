#include "csv_session.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <ostream>

namespace vspace {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The labels that press Positive and Negative, compared in lower case; "?" presses Predict.
constexpr std::array<std::string_view, 5> kPositiveLabels{"+", "positive", "yes", "true", "1"};
constexpr std::array<std::string_view, 5> kNegativeLabels{"-", "negative", "no", "false", "0"};

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The words that label positive examples, then negative ones, in lower case: the standard ones
// and those of `columns`.
using LabelWords = std::array<std::vector<std::string>, 2>;
LabelWords labelWords(const CsvColumns &columns)
{
    LabelWords words{std::vector<std::string>(kPositiveLabels.begin(), kPositiveLabels.end()),
                     std::vector<std::string>(kNegativeLabels.begin(), kNegativeLabels.end())};
    for (const std::string &word : columns.positiveWords)
        words[0].push_back(lowerCase(word));
    for (const std::string &word : columns.negativeWords)
        words[1].push_back(lowerCase(word));
    return words;
}

// The button a label presses: Positive, Negative or Predict.
std::optional<Button> labelled(std::string label, const LabelWords &words)
{
    label.erase(0, label.find_first_not_of(" \t"));
    label.erase(label.find_last_not_of(" \t") + 1);
    label = lowerCase(std::move(label));
    for (const Button button : {Button::Positive, Button::Negative}) {
        const auto &some = words[button == Button::Positive ? 0 : 1];
        if (std::find(some.begin(), some.end(), label) != some.end())
            return button;
    }
    return label == "?" ? std::optional(Button::Predict) : std::nullopt;
}

// The labels a table may use, as a refused label lists them, and how to add others.
std::string acceptedLabels(const LabelWords &words)
{
    std::string list;
    for (const auto &[kind, some] :
         {std::pair("positive", &words[0]), std::pair("negative", &words[1])}) {
        list += std::string(list.empty() ? "" : "; ") + kind + ":";
        for (std::size_t i = 0; i < some->size(); ++i)
            list += (i ? ", " : " ") + shownText((*some)[i]);
    }
    return list + "; \"?\" predicts (--positive WORD and --negative WORD add others)";
}

// The headers of a first column that names the examples instead of holding an attribute.
bool namesExamples(const std::string &header)
{
    const std::string lower = lowerCase(header);
    for (const char *names : {"", "#", "id", "day", "no", "index", "example"}) {
        if (lower == names)
            return true;
    }
    return false;
}

// The first two rows of `text` that are not empty, as far as they go: the fields each separator
// of kCsvSeparators splits them into (0 for a row not there), and whether the second has ended.
struct FirstRows
{
    std::array<std::array<int, 2>, kCsvSeparators.size()> fields{};
    bool complete = false;
};

FirstRows firstRows(std::string_view text)
{
    FirstRows rows;
    bool quoted = false;
    std::size_t row = 0, length = 0; // the row being read, and its characters so far
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            row += length > 0 ? 1 : 0;
            length = 0;
            if (row == 2) {
                rows.complete = true;
                break;
            }
            continue;
        }
        if (length++ == 0) {
            for (auto &fields : rows.fields)
                fields[row] = 1;
        }
        if (const std::size_t at = kCsvSeparators.find(c); !quoted && at != std::string_view::npos)
            ++rows.fields[at][row];
    }
    return rows;
}

// The separator of kCsvSeparators that splits the first two rows of `text` into the same number
// of fields, at least two (the first row alone, when it is all); of several, the one that splits
// them into the most, then the first; a comma when none does.
char separatorOf(std::string_view text)
{
    const FirstRows rows = firstRows(text);
    char separator = ',';
    int most = 1;
    for (std::size_t i = 0; i < kCsvSeparators.size(); ++i) {
        const auto [first, second] = rows.fields[i];
        if (first > most && (second == 0 || second == first))
            separator = kCsvSeparators[i], most = first;
    }
    return separator;
}

// A row as csvRowCommand reads it, with the label words made once for the table.
std::variant<ReplayCommand, std::string> rowCommand(const std::vector<std::string> &fields,
                                                    const LabelWords &words)
{
    const std::size_t width = fields.size();
    if (width < 2 || width > kMaxAttributes + 1)
        return "a row of " + std::to_string(width) + (width == 1 ? " field" : " fields")
               + ", not 1 to 16 values and a label";
    for (std::size_t i = 0; i < width; ++i) {
        if (!validUtf8(fields[i]))
            return "invalid UTF-8 in field " + std::to_string(i + 1);
    }
    const std::optional<Button> button = labelled(fields.back(), words);
    if (!button)
        return "unknown label " + shownText(fields.back()) + ": " + acceptedLabels(words);
    MemoryControls::Values values(fields.begin(), fields.end() - 1);
    if (*button == Button::Predict)
        return ReplayCommand{std::nullopt, std::move(values), button};
    return ReplayCommand{std::move(values), std::nullopt, button};
}

// The index of the column that `chosen` names in the first row `fields` (a header when `header`):
// a number from 1, or a header's name; nothing when there is no such column.
std::optional<std::size_t> columnOf(const std::string &chosen,
                                    const std::vector<std::string> &fields, bool header)
{
    if (!chosen.empty() && chosen.size() < 4
        && std::all_of(chosen.begin(), chosen.end(),
                       [](unsigned char c) { return std::isdigit(c); })) {
        const std::size_t number = std::stoul(chosen);
        if (number >= 1 && number <= fields.size())
            return number - 1;
        return std::nullopt;
    }
    const auto named = std::find(fields.begin(), fields.end(), chosen);
    if (!header || named == fields.end())
        return std::nullopt;
    return static_cast<std::size_t>(named - fields.begin());
}

// The parser's state between its callbacks: the fields of the row being read, where it started,
// and the first bad input met.
struct Reader
{
    const CommandHandler &handOver;
    const NamesHandler &names;
    const CsvColumns &chosen;
    CsvLayout *layout;
    std::vector<std::string> fields;
    std::string error;
    long line = 1;     // the line being fed to the parser
    long rowStart = 1; // the line the current row started on
    bool rowOpen = false;
    bool firstRow = true;
    bool stopped = false;
    std::size_t rowBytes = 0;
    std::size_t columns = 0; // the fields of every row, as the first row has them
    long columnsLine = 0;    // where that row starts
    // The columns a row's command is read from, the attributes' then the label's; all of them
    // while there is no choice to make.
    std::vector<std::size_t> read = {};
    std::optional<std::size_t> namesAt = {};     // the column that names the examples
    const LabelWords words = labelWords(chosen); // made once, for every row

    // Chooses the columns from the first row: the label's, the one that names the examples (as
    // chosen, or a first column whose header says so), and the attributes', leaving out those
    // chosen. Returns whether the row is the header.
    bool chooseColumns()
    {
        const std::string &by = chosen.label.value_or(std::to_string(fields.size()));
        const bool valid = std::all_of(fields.begin(), fields.end(),
                                       [](const std::string &f) { return validUtf8(f); });
        // A first row whose label is none of the labels is the header.
        const std::optional<std::size_t> named = columnOf(by, fields, true);
        const bool header = fields.size() >= 2 && valid
                            && (named ? !labelled(fields[*named], words) : chosen.label.has_value());
        const std::optional<std::size_t> label = columnOf(by, fields, header);
        if (!label) {
            error = "line " + std::to_string(rowStart) + ": no column " + shownText(by)
                    + " for the label";
            return header;
        }
        std::vector<bool> left(fields.size());
        left[*label] = true;
        if (!chosen.names) {
            if (header && fields.size() >= 3 && namesExamples(fields[0]) && *label != 0)
                namesAt = 0;
        } else if (!chosen.names->empty()) {
            namesAt = columnOf(*chosen.names, fields, header);
            if (!namesAt || *namesAt == *label) {
                error = "line " + std::to_string(rowStart) + ": no column "
                        + shownText(*chosen.names) + " for the examples' names";
                return header;
            }
        }
        if (namesAt)
            left[*namesAt] = true;
        for (const std::string &ignored : chosen.ignored) {
            const std::optional<std::size_t> column = columnOf(ignored, fields, header);
            if (!column) {
                error = "line " + std::to_string(rowStart) + ": no column " + shownText(ignored)
                        + " to leave out";
                return header;
            }
            left[*column] = true;
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!left[i])
                read.push_back(i);
            else if (i != *label && i != namesAt && layout)
                layout->ignored.push_back(i);
        }
        read.push_back(*label);
        if (layout) {
            layout->firstRow = fields;
            layout->header = header;
            layout->label = *label;
            layout->names = namesAt;
        }
        return header;
    }

    void rowEnd()
    {
        if (!error.empty() || stopped)
            return;
        const bool header = firstRow && chooseColumns();
        const std::size_t width = fields.size();
        if (!error.empty())
            return;
        if (columns != 0 && width != columns) {
            error = "line " + std::to_string(rowStart) + ": a row of " + std::to_string(width)
                    + " fields, where line " + std::to_string(columnsLine) + " has "
                    + std::to_string(columns);
            return;
        }
        std::vector<std::string> chosenFields;
        for (const std::size_t i : read)
            chosenFields.push_back(std::move(fields[i]));
        std::variant<ReplayCommand, std::string> command = rowCommand(chosenFields, words);
        const std::size_t chosenWidth = chosenFields.size();
        if (const std::string *wrong = std::get_if<std::string>(&command);
            wrong && (!header || chosenWidth < 2 || chosenWidth > kMaxAttributes + 1)) {
            // A header is held to the width of a row too.
            error = "line " + std::to_string(rowStart) + ": " + *wrong;
        } else {
            if (columns == 0) {
                columns = width;
                columnsLine = rowStart;
                if (names)
                    names(header ? AttributeNames(chosenFields.begin(), chosenFields.end() - 1)
                                 : AttributeNames(chosenFields.size() - 1));
            }
            if (ReplayCommand *played = std::get_if<ReplayCommand>(&command)) {
                played->line = rowStart;
                if (namesAt)
                    played->example = std::move(fields[*namesAt]);
                stopped = !handOver(*played);
            }
        }
        firstRow = false;
        fields.clear();
    }
};

} // namespace

std::variant<ReplayCommand, std::string> csvRowCommand(const std::vector<std::string> &fields,
                                                       const CsvColumns &columns)
{
    return rowCommand(fields, labelWords(columns));
}

std::optional<std::string> readCsvTable(SessionInput &in, std::optional<char> separator,
                                        const CommandHandler &row, const NamesHandler &names,
                                        const CsvColumns &columns, CsvLayout *layout)
{
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, [](unsigned char) { return 0; }); // values keep their blanks
    Reader reader{row, names, columns, layout, {}, {}};
    const auto field = [](void *text, std::size_t length, void *data) {
        static_cast<Reader *>(data)->fields.emplace_back(static_cast<const char *>(text), length);
    };
    const auto rowEnd = [](int, void *data) { static_cast<Reader *>(data)->rowEnd(); };

    // Fed a line at a time, so that every row knows the line it starts on; a line ends at LF, CR
    // or CR LF.
    bool afterReturn = false;
    const auto feed = [&](std::string_view text) {
        while (!text.empty() && reader.error.empty() && !reader.stopped) {
            const std::size_t length = std::min(text.find_first_of("\r\n"), text.size() - 1) + 1;
            if (!reader.rowOpen) {
                reader.rowStart = reader.line;
                reader.rowBytes = 0;
            }
            reader.rowBytes += length;
            if (reader.rowBytes > kMaxReplayLineBytes + 2) // the line break not counted
                reader.error = "line " + std::to_string(reader.rowStart)
                               + ": a row longer than 1 MiB";
            else if (csv_parse(&parser, text.data(), length, field, rowEnd, &reader) != length)
                reader.error = "line " + std::to_string(reader.line)
                               + ": not CSV: " + csv_strerror(csv_error(&parser));
            reader.rowOpen = parser.pstate != 0; // 0: libcsv is between rows
            const char last = text[length - 1];
            reader.line += last == '\r' || (last == '\n' && !(afterReturn && length == 1));
            afterReturn = last == '\r';
            text.remove_prefix(length);
        }
    };

    // The separator is told from the first two rows, so they are held until they are complete.
    std::string firstRow;
    bool told = false;
    const auto tell = [&] {
        std::string_view head = firstRow;
        if (head.starts_with(kByteOrderMark))
            head.remove_prefix(kByteOrderMark.size());
        csv_set_delim(&parser, static_cast<unsigned char>(separator.value_or(separatorOf(head))));
        told = true;
        feed(head);
        firstRow = std::string();
    };
    constexpr std::size_t kChunkBytes = 64 * 1024;
    const std::unique_ptr<char[]> chunk(new char[kChunkBytes]); // only what is read is looked at
    while (reader.error.empty() && !reader.stopped) {
        const long read = in.read(chunk.get(), kChunkBytes);
        if (read < 0) {
            reader.error = "line " + std::to_string(reader.line) + ": " + in.readFailure();
            break;
        }
        const std::string_view text(chunk.get(), static_cast<std::size_t>(read));
        if (told) {
            feed(text);
        } else {
            firstRow += text;
            if (text.empty() || firstRows(firstRow).complete
                || firstRow.size() > 2 * (kMaxReplayLineBytes + 2) + 3)
                tell();
        }
        if (text.empty())
            break;
    }
    if (reader.error.empty() && !reader.stopped && csv_fini(&parser, field, rowEnd, &reader) != 0)
        reader.error = "line " + std::to_string(reader.rowStart)
                       + ": not CSV: " + csv_strerror(csv_error(&parser));
    csv_free(&parser);
    return reader.error.empty() ? std::nullopt : std::optional(reader.error);
}

int runCsvSession(SessionInput &in, std::ostream &out, std::ostream &err, ReplaySession &session,
                  std::optional<char> separator, const NamesHandler &names,
                  const CsvColumns &columns)
{
    const NamesHandler named = widthSetting(session, names);
    return playSession(
            [&](const CommandHandler &handle) {
                return readCsvTable(in, separator, handle, named, columns);
            },
            out, err, session);
}

} // namespace vspace
