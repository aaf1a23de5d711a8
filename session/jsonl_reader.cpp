#include "jsonl_reader.h"

#include "session_format.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace vspace {

namespace {

using json = nlohmann::json;

// Checks one line against the replay format while the JSON parser reads it, keeping only what
// the format allows, so that no nesting or size is ever built up in memory.
class LineHandler final : public json::json_sax_t
{
public:
    ReplayCommand command;
    std::optional<AttributeNames> attributes; // of a line that names them
    std::string error;

    bool null() override { return scalar(); }
    bool boolean(bool) override { return scalar(); }
    bool number_integer(number_integer_t) override { return scalar(); }
    bool number_unsigned(number_unsigned_t) override { return scalar(); }
    bool number_float(number_float_t, const string_t &) override { return scalar(); }
    bool binary(binary_t &) override { return scalar(); }

    bool string(string_t &value) override
    {
        switch (m_where) {
        case Where::Value:
            if (m_key == Key::Learner) {
                const auto named = std::find(kLearnerNames.begin(), kLearnerNames.end(), value);
                if (named == kLearnerNames.end())
                    return fail("unknown learner " + shownText(value));
                command.learner = static_cast<Learner>(named - kLearnerNames.begin());
                m_where = Where::Object;
                return true;
            }
            if (m_key != Key::Press)
                return notStrings();
            if (const std::optional<Button> button = pressNamed(value)) {
                command.press = button;
                m_where = Where::Object;
                return true;
            }
            if (value == kUndoName || value == kRedoName) {
                command.history = value == kUndoName ? History::Undo : History::Redo;
                m_where = Where::Object;
                return true;
            }
            return fail("unknown press " + shownText(value));
        case Where::Array:
            if (m_fields->size() >= static_cast<std::size_t>(kMaxAttributes))
                return notStrings();
            m_fields->push_back(std::move(value));
            return true;
        default:
            return scalar();
        }
    }

    bool start_object(std::size_t) override
    {
        if (m_where == Where::Top) {
            m_where = Where::Object;
            return true;
        }
        return nested();
    }

    bool key(string_t &name) override
    {
        if (name == fieldKey(FieldRow::Training))
            m_key = Key::Training;
        else if (name == fieldKey(FieldRow::Unseen))
            m_key = Key::Unseen;
        else if (name == kPressKey)
            m_key = Key::Press;
        else if (name == kAttributesKey)
            m_key = Key::Attributes;
        else if (name == kLearnerKey)
            m_key = Key::Learner;
        else
            return fail("unknown key " + shownText(name));
        const bool seen = m_key == Key::Press     ? command.press || command.history
                          : m_key == Key::Learner ? command.learner.has_value()
                                                  : fields(m_key).has_value();
        if (seen)
            return fail("key " + shownText(name) + " given twice");
        const bool commanded = command.press || command.history || command.training
                               || command.unseen || command.learner;
        if (m_key == Key::Attributes ? commanded : attributes.has_value())
            return fail("\"" + std::string(kAttributesKey) + "\" takes a line of its own");
        m_where = Where::Value;
        return true;
    }

    bool end_object() override
    {
        m_where = Where::Done;
        return true;
    }

    bool start_array(std::size_t) override
    {
        if (m_where != Where::Value)
            return nested();
        if (m_key == Key::Press || m_key == Key::Learner)
            return notAString();
        m_fields = &fields(m_key).emplace();
        m_where = Where::Array;
        return true;
    }

    bool end_array() override
    {
        if (m_fields->empty())
            return notStrings();
        m_where = Where::Object;
        return true;
    }

    bool parse_error(std::size_t position, const std::string &, const json::exception &ex) override
    {
        const std::string what = ex.what();
        const std::string at = " at byte " + std::to_string(position);
        if (what.find("ill-formed UTF-8") != std::string::npos)
            return fail("invalid UTF-8" + at);
        if (ex.id == 406) // out_of_range.406: a number beyond what a double holds
            return fail("not JSON: a number too large to read" + at);
        // The parser's own description of the syntax error, without its prefixes and the bytes
        // it last read: "syntax error while parsing value - invalid literal".
        std::string detail = what;
        for (const std::string_view prefix : {std::string_view("] "), std::string_view(": ")}) {
            if (const std::size_t cut = detail.find(prefix); cut != std::string::npos)
                detail.erase(0, cut + prefix.size());
        }
        if (const std::size_t lastRead = detail.find("; last read"); lastRead != std::string::npos)
            detail.erase(lastRead);
        return fail("not JSON: " + detail + at);
    }

private:
    enum class Where { Top, Object, Value, Array, Done };
    enum class Key { Training, Unseen, Press, Attributes, Learner };

public:
    // The key of an array of the line: "Text1", "Text2" or "attributes".
    std::string_view keyName() const
    {
        const FieldRow row = m_key == Key::Training ? FieldRow::Training : FieldRow::Unseen;
        return m_key == Key::Attributes ? kAttributesKey : fieldKey(row);
    }

private:
    std::optional<MemoryControls::Values> &fields(Key key)
    {
        if (key == Key::Attributes)
            return attributes;
        return key == Key::Training ? command.training : command.unseen;
    }

    bool fail(std::string message)
    {
        if (error.empty())
            error = std::move(message);
        return false;
    }

    bool notStrings()
    {
        return fail("\"" + std::string(keyName()) + "\" is not an array of 1 to 16 strings");
    }

    bool scalar()
    {
        if (m_where == Where::Top)
            return fail("not a JSON object");
        if (m_where == Where::Value && (m_key == Key::Press || m_key == Key::Learner))
            return notAString();
        return notStrings();
    }

    bool nested()
    {
        if (m_where == Where::Top)
            return fail("not a JSON object");
        if (m_key == Key::Press || m_key == Key::Learner)
            return notAString();
        return notStrings();
    }

    // "press" or "learner" is given something else than a string.
    bool notAString()
    {
        return fail("\"" + std::string(m_key == Key::Press ? kPressKey : kLearnerKey)
                    + "\" is not a string");
    }

    Where m_where = Where::Top;
    Key m_key = Key::Training;
    MemoryControls::Values *m_fields = nullptr;
};

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Reads lines of at most kMaxReplayLineBytes without ever holding more than that of one line.
class LineReader
{
public:
    enum class Result { Line, TooLong, End, Failed };

    explicit LineReader(SessionInput &in)
        : m_in(in)
        , m_chunk(new char[kChunkBytes])
    {}

    Result next(std::string &line)
    {
        line.clear();
        bool readAny = false;
        for (;;) {
            if (m_pos == m_end) {
                m_pos = 0;
                const long read = m_in.read(m_chunk.get(), kChunkBytes);
                if (read < 0)
                    return Result::Failed;
                m_end = static_cast<std::size_t>(read);
                if (m_end == 0)
                    return readAny ? Result::Line : Result::End;
            }
            readAny = true;
            const char *begin = m_chunk.get() + m_pos;
            const char *end = m_chunk.get() + m_end;
            const char *newline = std::find(begin, end, '\n');
            line.append(begin, newline);
            m_pos = static_cast<std::size_t>(newline - m_chunk.get());
            if (line.size() > kMaxReplayLineBytes)
                return Result::TooLong;
            if (newline != end) {
                ++m_pos;
                return Result::Line;
            }
        }
    }

private:
    SessionInput &m_in;
    static constexpr std::size_t kChunkBytes = 64 * 1024;
    std::unique_ptr<char[]> m_chunk; // not cleared: only what was read is looked at
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
};

// A line as parseReplayLine reads it; a line that names the attributes puts them in `names` and
// is an empty command.
std::variant<ReplayCommand, std::string> parseLine(std::string_view line,
                                                   std::optional<AttributeNames> &names)
{
    if (isBlank(line))
        return ReplayCommand{};
    // The parser takes a NUL byte for the end of its input; JSON text never holds one.
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
        return "not JSON: a NUL byte at byte " + std::to_string(nul + 1);
    LineHandler handler;
    if (!json::sax_parse(line.begin(), line.end(), &handler) || !handler.error.empty())
        return handler.error.empty() ? std::string("not JSON") : handler.error;
    names = std::move(handler.attributes);
    return std::move(handler.command);
}

} // namespace

std::variant<ReplayCommand, std::string> parseReplayLine(std::string_view line)
{
    std::optional<AttributeNames> names;
    std::variant<ReplayCommand, std::string> parsed = parseLine(line, names);
    if (names)
        return "\"" + std::string(kAttributesKey)
               + "\" is allowed on the first line only, blank lines aside";
    return parsed;
}

std::optional<std::string> readJsonLines(SessionInput &in, const CommandHandler &line,
                                         const NamesHandler &names)
{
    LineReader reader(in);
    std::string text;
    bool started = false; // a line other than a blank one was read
    // The attributes of the session's instances (0 until a line tells), and the line that told.
    std::pair<std::size_t, long> width{0, 0};
    for (long number = 1;; ++number) {
        const LineReader::Result result = reader.next(text);
        if (result == LineReader::Result::End)
            return std::nullopt;
        if (result == LineReader::Result::Failed)
            return "line " + std::to_string(number) + ": " + in.readFailure();
        if (result == LineReader::Result::TooLong)
            return "line " + std::to_string(number) + ": longer than 1 MiB ("
                   + std::to_string(kMaxReplayLineBytes) + " bytes)";
        if (number == 1 && text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3); // a byte-order mark is not data
        std::optional<AttributeNames> named;
        std::variant<ReplayCommand, std::string> parsed = started ? parseReplayLine(text)
                                                                  : parseLine(text, named);
        if (const std::string *error = std::get_if<std::string>(&parsed))
            return "line " + std::to_string(number) + ": " + *error;
        ReplayCommand &command = std::get<ReplayCommand>(parsed);
        started = started || named || command.press || command.history || command.training
                  || command.unseen || command.learner;
        if (named) {
            width = {named->size(), number};
            if (names)
                names(*named);
            continue;
        }
        for (const auto &[row, values] : {std::pair(FieldRow::Training, &command.training),
                                          std::pair(FieldRow::Unseen, &command.unseen)}) {
            if (!*values)
                continue;
            if (width.first == 0) {
                width = {(*values)->size(), number};
                if (names)
                    names(AttributeNames(width.first));
            } else if ((*values)->size() != width.first) {
                return "line " + std::to_string(number) + ": \"" + std::string(fieldKey(row))
                       + "\" has " + std::to_string((*values)->size())
                       + " values, and the session's instances have " + std::to_string(width.first)
                       + " attributes (line " + std::to_string(width.second) + ")";
            }
        }
        command.line = number;
        if (!line(command))
            return std::nullopt;
    }
}

int runJsonLines(SessionInput &in, std::ostream &out, std::ostream &err, ReplaySession &session,
                 const NamesHandler &names)
{
    const NamesHandler named = widthSetting(session, names);
    return playSession([&](const CommandHandler &handle) { return readJsonLines(in, handle, named); },
                       out, err, session);
}

} // namespace vspace
