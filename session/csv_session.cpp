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

// The button a label presses: Positive, Negative or Predict.
std::optional<Button> labelled(std::string label)
{
    label.erase(0, label.find_first_not_of(" \t"));
    label.erase(label.find_last_not_of(" \t") + 1);
    std::transform(label.begin(), label.end(), label.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    for (const char *positive : {"+", "positive", "yes", "true"}) {
        if (label == positive)
            return Button::Positive;
    }
    for (const char *negative : {"-", "negative", "no", "false"}) {
        if (label == negative)
            return Button::Negative;
    }
    return label == "?" ? std::optional(Button::Predict) : std::nullopt;
}

bool isIndex(const std::string &field)
{
    return field.empty() || std::all_of(field.begin(), field.end(), [](unsigned char c) {
               return std::isdigit(c);
           });
}

// Where the first row of `text` ends: the index of its first line break outside quotes, or npos.
std::size_t firstRowEnd(std::string_view text)
{
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (!quoted && (text[i] == '\n' || text[i] == '\r'))
            return i;
    }
    return std::string_view::npos;
}

bool firstRowEnds(std::string_view text)
{
    return firstRowEnd(text) != std::string_view::npos;
}

// The separator of kCsvSeparators that splits the first row of `text` into exactly seven fields;
// a comma when none or several do.
char separatorOf(std::string_view text)
{
    std::array<int, kCsvSeparators.size()> fields{1, 1, 1};
    bool quoted = false;
    for (const char c : text.substr(0, firstRowEnd(text))) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && kCsvSeparators.find(c) != std::string_view::npos)
            ++fields[kCsvSeparators.find(c)];
    }
    const auto seven = std::count(fields.begin(), fields.end(), 7);
    return seven == 1 ? kCsvSeparators[static_cast<std::size_t>(
                   std::find(fields.begin(), fields.end(), 7) - fields.begin())]
                      : ',';
}

// The parser's state between its callbacks: the fields of the row being read, where it started,
// and the first bad input met.
struct Reader
{
    const CommandHandler &handOver;
    const NamesHandler &names;
    std::vector<std::string> fields;
    std::string error;
    long line = 1;     // the line being fed to the parser
    long rowStart = 1; // the line the current row started on
    bool rowOpen = false;
    bool firstRow = true;
    bool stopped = false;
    std::size_t rowBytes = 0;

    void rowEnd()
    {
        if (!error.empty() || stopped)
            return;
        // A first row of seven texts whose label is none of the labels is the header.
        const bool header = firstRow && fields.size() == 7 && !labelled(fields[6])
                            && std::all_of(fields.begin(), fields.end(),
                                           [](const std::string &f) { return validUtf8(f); });
        std::variant<ReplayCommand, std::string> command = csvRowCommand(fields);
        if (const std::string *wrong = std::get_if<std::string>(&command)) {
            if (!header)
                error = "line " + std::to_string(rowStart) + ": " + *wrong;
            else if (names)
                names({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
        } else {
            std::get<ReplayCommand>(command).line = rowStart;
            stopped = !handOver(std::get<ReplayCommand>(command));
        }
        firstRow = false;
        fields.clear();
    }
};

} // namespace

std::variant<ReplayCommand, std::string> csvRowCommand(const std::vector<std::string> &fields)
{
    const std::size_t width = fields.size();
    if (width == 8 && isIndex(fields[0]))
        return std::string("a row of 8 fields: the first column looks like a row index; remove it");
    if (width != 7)
        return "a row of " + std::to_string(width) + (width == 1 ? " field" : " fields")
               + ", not six values and a label";
    for (std::size_t i = 0; i < width; ++i) {
        if (!validUtf8(fields[i]))
            return "invalid UTF-8 in field " + std::to_string(i + 1);
    }
    const std::optional<Button> button = labelled(fields[6]);
    if (!button)
        return "unknown label " + shownText(fields[6]);
    MemoryControls::Values values;
    std::copy(fields.begin(), fields.begin() + 6, values.begin());
    if (*button == Button::Predict)
        return ReplayCommand{std::nullopt, values, button};
    return ReplayCommand{values, std::nullopt, button};
}

std::optional<std::string> readCsvTable(SessionInput &in, std::optional<char> separator,
                                        const CommandHandler &row, const NamesHandler &names)
{
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, [](unsigned char) { return 0; }); // values keep their blanks
    Reader reader{row, names, {}, {}};
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

    // The separator is told from the whole first row, so that row is held until it is complete.
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
            if (text.empty() || firstRowEnds(firstRow) || firstRow.size() > kMaxReplayLineBytes + 5)
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
                  std::optional<char> separator, const NamesHandler &names)
{
    return playSession([&](const CommandHandler
                                   &handle) { return readCsvTable(in, separator, handle, names); },
                       out, err, session);
}

} // namespace vspace
