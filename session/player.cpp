#include "player.h"

#include "explanation.h"
#include "json_writer.h"
#include "lesson.h"
#include "outcome_json.h"
#include "session_format.h"

#include <new>
#include <ostream>

namespace vspace {

std::string_view pressName(Button button)
{
    return kPressNames[static_cast<std::size_t>(button)].name;
}

std::optional<Button> pressNamed(std::string_view name)
{
    for (const PressName &press : kPressNames) {
        if (name == press.name || name == press.key)
            return press.button;
    }
    return std::nullopt;
}

bool validUtf8(std::string_view text)
{
    // Well-formed sequences as the Unicode Standard's table 3-7 lists them: no overlong forms,
    // no surrogates, nothing past U+10FFFF.
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = byte(i);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        for (std::size_t k = 1; k < length; ++k) {
            if (byte(i + k) < (k == 1 ? low : 0x80) || byte(i + k) > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

std::string shownText(std::string_view text)
{
    constexpr std::size_t kShown = 64;
    std::string shown(text.substr(0, kShown));
    while (!shown.empty() && shown.size() < text.size()
           && (static_cast<unsigned char>(text[shown.size()]) & 0xC0) == 0x80)
        shown.pop_back(); // do not cut a character in two
    JsonWriter quoted;
    quoted.string(shown);
    return quoted.take() + (shown.size() < text.size() ? "..." : "");
}

std::optional<bool> playCommand(Form &form, const ReplayCommand &command, std::uint64_t opening,
                                const std::function<void()> &beforePress)
{
    if (command.learner)
        form.showLearner(*command.learner);
    if (command.training)
        form.type(FieldRow::Training, *command.training);
    if (command.unseen)
        form.type(FieldRow::Unseen, *command.unseen);
    if (!command.press && !command.history)
        return std::nullopt;
    if (beforePress)
        beforePress();
    if (command.press)
        return form.press(*command.press);
    if (command.history == History::Redo)
        return form.redo();
    return form.undo(opening);
}

ReplaySession::ReplaySession(ExportFile &exportFile, Learner shown, bool explain)
    : m_explain(explain)
    , m_export(exportFile)
    , m_form(m_controls, m_export)
{
    if (shown != Learner::Program)
        m_form.showLearner(shown);
}

void ReplaySession::nameAttributes(const AttributeNames &names)
{
    m_names = names;
    if (names.size() == m_form.width())
        return;
    m_form.restart(names.size());
    m_opening = m_form.undoName();
}

NamesHandler widthSetting(ReplaySession &session, const NamesHandler &names)
{
    return [&session, names](const AttributeNames &named) {
        session.nameAttributes(named);
        if (names)
            names(named);
    };
}

std::optional<std::string> ReplaySession::play(const ReplayCommand &command)
{
    const std::optional<Button> button = command.press;
    const std::string_view name = button                             ? pressName(*button)
                                  : command.history == History::Undo ? kUndoName
                                                                     : kRedoName;
    const bool pressed = command.press || command.history;
    m_example = command.example;
    if (pressed || command.training || command.unseen)
        tell(Moment::BeforeTyping, button, name);
    const std::optional<bool> done = playCommand(m_form, command, m_opening, [&] {
        tell(Moment::BeforePress, button, name);
        m_export.failed = false;
    });
    if (!done)
        return std::nullopt;
    const bool ignored = !*done;
    if (m_export.failed && !m_controls.messages().empty())
        m_exportFailure = m_controls.messages().back().text;
    if (!ignored || button)
        tell(ignored ? Moment::AfterIgnored : Moment::AfterPress, button, name);
    if (m_quiet) {
        m_controls.takeMessages();
        return std::nullopt;
    }

    JsonWriter &out = m_report;
    out.clear();
    out.beginObject().key(kPressKey).string(name).key(kMessagesKey).beginArray();
    for (const MemoryControls::Message &message : m_controls.takeMessages()) {
        out.beginObject().key("title").string(message.title);
        out.key("text").string(message.text).endObject();
    }
    out.endArray();
    // The rows of each list as written before: a long list is not escaped again.
    for (const List list : {List::General, List::Specific, List::LearningData, List::VersionSpace})
        out.key(listKey(list)).beginArray().raw(listJson(list)).endArray();
    for (const FieldRow row : {FieldRow::Training, FieldRow::Unseen}) {
        out.key(fieldKey(row)).beginArray();
        for (const std::string &value : m_controls.values(row))
            out.string(value);
        out.endArray();
    }
    out.key(kNegativeEnabledKey).boolean(m_controls.enabled(Button::Negative));
    if (ignored)
        out.key(kIgnoredKey).boolean(true);
    if (m_explain) {
        const auto english = [](Text text) { return std::string(vspace::english(text)); };
        const PressOutcome &outcome = ignored || !button ? PressOutcome() : m_form.lastOutcome();
        out.key(kStepKey);
        // An ignored Negative's sentence says whether the textbook learner held it.
        outcomeJson(out, outcome,
                    sentenceOfExample(lessonOf(button, command.history,
                                               button ? m_form.lastOutcome() : outcome, ignored,
                                               m_form.shownLearner() == Learner::Textbook, english,
                                               m_names)
                                              .sentence,
                                      command.example, english));
    }
    out.endObject();
    return out.text();
}

const std::string &ReplaySession::listJson(List list)
{
    ListText &text = m_listTexts[static_cast<std::size_t>(list)];
    const std::vector<std::string> &rows = m_controls.rows(list);
    if (text.clears != m_controls.clearCount(list) || text.count > rows.size()) {
        text.clears = m_controls.clearCount(list);
        text.count = 0;
        text.rows.clear();
    }
    for (; text.count < rows.size(); ++text.count)
        text.rows.string(rows[text.count]);
    return text.rows.text();
}

int playSession(const SessionReader &read, std::ostream &out, std::ostream &err,
                ReplaySession &session)
{
    bool exportFailed = false;
    long line = 0; // of the command being played
    std::optional<std::string> error;
    try {
        error = read([&](const ReplayCommand &command) {
            line = command.line;
            if (const std::optional<std::string> report = session.play(command))
                out << *report << '\n';
            if (const std::optional<std::string> failure = session.takeExportFailure()) {
                out.flush();
                err << "vspace-replay: "
                    << (command.line ? "line " + std::to_string(command.line) + ": " : "")
                    << "Gen Text failed: " << *failure << '\n';
                exportFailed = true;
            }
            return !session.ended();
        });
    } catch (const std::bad_alloc &) {
        out.flush();
        err << "vspace-replay: " << (line ? "line " + std::to_string(line) + ": " : "")
            << kOutOfMemory << '\n';
        return kOutOfMemoryStatus;
    }
    out.flush();
    if (!error)
        return exportFailed ? 1 : 0;
    err << "vspace-replay: " << *error << '\n';
    return 2;
}

} // namespace vspace
