#include "csv_session.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>

namespace vspace {

namespace {

// The button a label presses: Positive, Negative or Predict.
std::optional<Button> labelled(std::string label)
{
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

// The parser's state between its callbacks: the fields of the row being read, where it started,
// and the first bad input met.
struct Reader
{
    ReplaySession &session;
    std::ostream &out;
    std::vector<std::string> fields;
    std::string error;
    long line = 1;     // the line being fed to the parser
    long rowStart = 1; // the line the current row started on
    bool rowOpen = false;
    bool firstRow = true;
    std::size_t rowBytes = 0;

    void rowEnd()
    {
        if (!error.empty())
            return;
        // A first row of seven texts whose label is none of the labels is the header.
        const bool header = firstRow && fields.size() == 7 && !labelled(fields[6])
                            && std::all_of(fields.begin(), fields.end(),
                                           [](const std::string &f) { return validUtf8(f); });
        std::variant<ReplayCommand, std::string> command = csvRowCommand(fields);
        if (const std::string *wrong = std::get_if<std::string>(&command)) {
            if (!header)
                error = "line " + std::to_string(rowStart) + ": " + *wrong;
        } else if (const std::optional<std::string> report = session.play(
                           std::get<ReplayCommand>(command))) {
            out << *report << '\n';
        }
        firstRow = false;
        fields.clear();
    }
};

} // namespace

std::variant<ReplayCommand, std::string> csvRowCommand(const std::vector<std::string> &fields)
{
    if (fields.size() != 7)
        return "a row of " + std::to_string(fields.size()) + " fields, not six values and a label";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!validUtf8(fields[i]))
            return "invalid UTF-8 in field " + std::to_string(i + 1);
    }
    const std::optional<Button> button = labelled(fields[6]);
    if (!button)
        return "unknown label \"" + fields[6] + "\"";
    MemoryControls::Values values;
    std::copy(fields.begin(), fields.begin() + 6, values.begin());
    if (*button == Button::Predict)
        return ReplayCommand{std::nullopt, values, button};
    return ReplayCommand{values, std::nullopt, button};
}

int runCsvSession(std::istream &in, std::ostream &out, std::ostream &err, ReplaySession &session)
{
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, [](unsigned char) { return 0; }); // values keep their blanks
    Reader reader{session, out, {}, {}};
    const auto field = [](void *text, std::size_t length, void *data) {
        static_cast<Reader *>(data)->fields.emplace_back(static_cast<const char *>(text), length);
    };
    const auto row = [](int, void *data) { static_cast<Reader *>(data)->rowEnd(); };

    std::string chunk(64 * 1024, '\0');
    while (reader.error.empty()) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const std::size_t read = static_cast<std::size_t>(in.gcount());
        if (read == 0)
            break;
        // Fed a line at a time, so that every row knows the line it starts on.
        for (std::size_t start = 0; start < read && reader.error.empty();) {
            const std::size_t newline = std::min(chunk.find('\n', start), read - 1);
            if (!reader.rowOpen) {
                reader.rowStart = reader.line;
                reader.rowBytes = 0;
            }
            reader.rowBytes += newline + 1 - start;
            if (csv_parse(&parser, chunk.data() + start, newline + 1 - start, field, row, &reader)
                != newline + 1 - start)
                reader.error = "line " + std::to_string(reader.line)
                               + ": not CSV: " + csv_strerror(csv_error(&parser));
            else if (reader.rowOpen && reader.rowBytes > kMaxReplayLineBytes)
                reader.error = "line " + std::to_string(reader.rowStart)
                               + ": a row longer than 1 MiB";
            reader.rowOpen = parser.pstate != 0; // 0: libcsv is between rows
            reader.line += chunk[newline] == '\n';
            start = newline + 1;
        }
    }
    if (reader.error.empty() && csv_fini(&parser, field, row, &reader) != 0)
        reader.error = "line " + std::to_string(reader.rowStart)
                       + ": not CSV: " + csv_strerror(csv_error(&parser));
    csv_free(&parser);
    out.flush();
    if (reader.error.empty())
        return 0;
    err << "vspace-replay: " << reader.error << '\n';
    return 2;
}

} // namespace vspace
