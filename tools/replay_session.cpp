#include "replay_session.h"

#include "export_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <istream>
#include <ostream>
#include <vector>

namespace vspace {

namespace {

using json = nlohmann::json;

struct Button
{
    std::string_view caption;
    std::string_view name;
    ButtonId id;
};

constexpr std::array<Button, 6> kButtons{{
    {"Positive", "Command1", ButtonId::Command1},
    {"Negative", "Command2", ButtonId::Command2},
    {"Predict", "Command3", ButtonId::Command3},
    {"Gen Text", "Command4", ButtonId::Command4},
    {"Exit", "Command5", ButtonId::Command5},
    {"Clear", "Command6", ButtonId::Command6},
}};

std::optional<ButtonId> buttonNamed(std::string_view name)
{
    for (const Button &button : kButtons) {
        if (name == button.caption || name == button.name)
            return button.id;
    }
    return std::nullopt;
}

// A text from the input, quoted and escaped for an error message.
std::string shownText(const std::string &text)
{
    constexpr std::size_t kShown = 64;
    std::string shown = text.substr(0, kShown);
    while (!shown.empty() && shown.size() < text.size()
           && (static_cast<unsigned char>(text[shown.size()]) & 0xC0) == 0x80)
        shown.pop_back(); // do not cut a character in two
    return json(shown).dump() + (shown.size() < text.size() ? "..." : "");
}

// Checks one line against the replay format while the JSON parser reads it, keeping only what
// the format allows, so that no nesting or size is ever built up in memory.
class LineHandler final : public json::json_sax_t
{
public:
    ReplayCommand command;
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
            if (m_key != Key::Press)
                return notSixStrings();
            if (const std::optional<ButtonId> button = buttonNamed(value)) {
                command.press = button;
                m_where = Where::Object;
                return true;
            }
            return fail("unknown press " + shownText(value));
        case Where::Array:
            if (m_values >= 6)
                return notSixStrings();
            (*m_fields)[m_values++] = std::move(value);
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
        if (name == "Text1")
            m_key = Key::Text1;
        else if (name == "Text2")
            m_key = Key::Text2;
        else if (name == "press")
            m_key = Key::Press;
        else
            return fail("unknown key " + shownText(name));
        const bool seen = m_key == Key::Press ? command.press.has_value()
                                              : fields(m_key).has_value();
        if (seen)
            return fail("key " + shownText(name) + " given twice");
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
        if (m_key == Key::Press)
            return fail("\"press\" is not a string");
        m_fields = &fields(m_key).emplace();
        m_values = 0;
        m_where = Where::Array;
        return true;
    }

    bool end_array() override
    {
        if (m_values != 6)
            return notSixStrings();
        m_where = Where::Object;
        return true;
    }

    bool parse_error(std::size_t position, const std::string &,
                     const json::exception &ex) override
    {
        const std::string what = ex.what();
        if (what.find("ill-formed UTF-8") != std::string::npos)
            return fail("invalid UTF-8 at byte " + std::to_string(position));
        // Keep the parser's own description, without its prefix and the bytes it last read.
        std::string detail = what;
        if (const std::size_t colon = detail.find(": "); colon != std::string::npos)
            detail.erase(0, colon + 2);
        if (const std::size_t lastRead = detail.find("; last read"); lastRead != std::string::npos)
            detail.erase(lastRead);
        return fail("not JSON: " + detail + " at byte " + std::to_string(position));
    }

private:
    enum class Where { Top, Object, Value, Array, Done };
    enum class Key { Text1, Text2, Press };

    std::optional<std::array<std::string, 6>> &fields(Key key)
    {
        return key == Key::Text1 ? command.text1 : command.text2;
    }

    bool fail(std::string message)
    {
        if (error.empty())
            error = std::move(message);
        return false;
    }

    bool notSixStrings()
    {
        return fail(std::string("\"") + (m_key == Key::Text1 ? "Text1" : "Text2")
                    + "\" is not an array of six strings");
    }

    bool scalar()
    {
        if (m_where == Where::Top)
            return fail("not a JSON object");
        if (m_where == Where::Value && m_key == Key::Press)
            return fail("\"press\" is not a string");
        return notSixStrings();
    }

    bool nested()
    {
        if (m_where == Where::Top)
            return fail("not a JSON object");
        if (m_key == Key::Press)
            return fail("\"press\" is not a string");
        return notSixStrings();
    }

    Where m_where = Where::Top;
    Key m_key = Key::Text1;
    std::array<std::string, 6> *m_fields = nullptr;
    int m_values = 0;
};

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Reads lines of at most kMaxReplayLineBytes without ever holding more than that of one line.
class LineReader
{
public:
    enum class Result { Line, TooLong, End };

    explicit LineReader(std::istream &in)
        : m_buffer(in.rdbuf())
        , m_chunk(64 * 1024)
    {}

    Result next(std::string &line)
    {
        line.clear();
        bool readAny = false;
        for (;;) {
            if (m_pos == m_end) {
                m_pos = 0;
                m_end = m_buffer ? static_cast<std::size_t>(
                            m_buffer->sgetn(m_chunk.data(), static_cast<std::streamsize>(m_chunk.size())))
                                 : 0;
                if (m_end == 0)
                    return readAny ? Result::Line : Result::End;
            }
            readAny = true;
            const char *begin = m_chunk.data() + m_pos;
            const char *end = m_chunk.data() + m_end;
            const char *newline = std::find(begin, end, '\n');
            line.append(begin, newline);
            m_pos = static_cast<std::size_t>(newline - m_chunk.data());
            if (line.size() > kMaxReplayLineBytes)
                return Result::TooLong;
            if (newline != end) {
                ++m_pos;
                return Result::Line;
            }
        }
    }

private:
    std::streambuf *m_buffer;
    std::vector<char> m_chunk;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
};

} // namespace

bool valid_utf8(std::string_view text)
{
    try {
        json(std::string(text)).dump();
        return true;
    } catch (const json::type_error &) {
        return false;
    }
}

std::string_view button_caption(ButtonId id) { return kButtons[static_cast<std::size_t>(id)].caption; }

std::variant<ReplayCommand, std::string> parse_replay_line(std::string_view line)
{
    if (isBlank(line))
        return ReplayCommand{};
    // The parser takes a NUL byte for the end of its input; JSON text never holds one.
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
        return "not JSON: a NUL byte at byte " + std::to_string(nul + 1);
    LineHandler handler;
    if (!json::sax_parse(line.begin(), line.end(), &handler) || !handler.error.empty())
        return handler.error.empty() ? std::string("not JSON") : handler.error;
    return std::move(handler.command);
}

ReplaySession::ReplaySession(ExportFile &exportFile)
    : m_exportFile(exportFile)
    , m_engine(m_controls)
{
    m_engine.Form_Load();
}

std::optional<std::string> ReplaySession::play(const ReplayCommand &command)
{
    if (command.text1) {
        for (int i = 1; i <= 6; ++i)
            m_controls.setText(FieldArray::Text1, i, (*command.text1)[static_cast<std::size_t>(i - 1)]);
    }
    if (command.text2) {
        for (int i = 1; i <= 6; ++i)
            m_controls.setText(FieldArray::Text2, i, (*command.text2)[static_cast<std::size_t>(i - 1)]);
    }
    if (!command.press)
        return std::nullopt;

    const ButtonId button = *command.press;
    const bool ignored = !m_controls.enabled(button);
    if (!ignored) {
        if (m_observer)
            m_observer(Moment::BeforePress, button);
        switch (button) {
        case ButtonId::Command1: m_engine.Command1_Click(); break;
        case ButtonId::Command2: m_engine.Command2_Click(); break;
        case ButtonId::Command3: m_engine.Command3_Click(); break;
        case ButtonId::Command4: m_engine.Command4_Click(m_exportFile); break;
        case ButtonId::Command5: m_engine.Command5_Click(); break;
        case ButtonId::Command6: m_engine.Command6_Click(); break;
        }
        if (m_observer)
            m_observer(Moment::AfterPress, button);
    }

    // The report is put together key by key; every text in it is escaped by the JSON library.
    std::string messages = "[";
    for (const MemoryControls::Message &message : m_controls.takeMessages()) {
        if (messages.size() > 1)
            messages += ',';
        messages += nlohmann::ordered_json{{"title", message.title}, {"text", message.text}}.dump();
    }
    messages += ']';
    std::string out = "{\"press\":" + json(button_caption(button)).dump() + ",\"messages\":" + messages;
    for (const ListId list : {ListId::List1, ListId::List2, ListId::List3, ListId::List4}) {
        out += ",\"" + control_name(list) + "\":";
        out += listJson(list);
        out += ']';
    }
    out += ",\"Text1\":" + json(m_controls.fields(FieldArray::Text1)).dump();
    out += ",\"Text2\":" + json(m_controls.fields(FieldArray::Text2)).dump();
    out += m_controls.enabled(ButtonId::Command2) ? ",\"negative_enabled\":true"
                                                  : ",\"negative_enabled\":false";
    if (ignored)
        out += ",\"ignored\":true";
    out += '}';
    return out;
}

const std::string &ReplaySession::listJson(ListId id)
{
    ListText &text = m_listTexts[static_cast<std::size_t>(id)];
    const std::vector<std::string> &items = m_controls.items(id);
    if (text.clears != m_controls.clearCount(id) || text.count > items.size()) {
        text.clears = m_controls.clearCount(id);
        text.count = 0;
        text.json = "[";
    }
    for (; text.count < items.size(); ++text.count) {
        if (text.count > 0)
            text.json += ',';
        text.json += json(items[text.count]).dump();
    }
    return text.json;
}

int run_replay(std::istream &in, std::ostream &out, std::ostream &err, ReplaySession &session)
{
    LineReader reader(in);
    std::string line;
    for (long number = 1;; ++number) {
        const LineReader::Result result = reader.next(line);
        if (result == LineReader::Result::End)
            break;
        if (result == LineReader::Result::TooLong) {
            out.flush();
            err << "vspace-replay: line " << number << ": longer than 1 MiB ("
                << kMaxReplayLineBytes << " bytes)\n";
            return 2;
        }
        std::variant<ReplayCommand, std::string> parsed = parse_replay_line(line);
        if (const std::string *error = std::get_if<std::string>(&parsed)) {
            out.flush();
            err << "vspace-replay: line " << number << ": " << *error << '\n';
            return 2;
        }
        if (const std::optional<std::string> report = session.play(std::get<ReplayCommand>(parsed)))
            out << *report << '\n';
        if (session.ended())
            break;
    }
    out.flush();
    return 0;
}

} // namespace vspace
