// The engine for the page, with embind: the page calls it once for each thing its user does (a
// press of a button, a key in a field) and gets back one update, a JSON text of everything the
// press changed; page.js applies it. Enums cross by name. web/vspace.d.ts describes it all.

#include "control_table.h"
#include "csv_session.h"
#include "explanation.h"
#include "export_file.h"
#include "form.h"
#include "generality_graph.h"
#include "json_writer.h"
#include "jsonl_reader.h"
#include "lesson.h"
#include "outcome_json.h"
#include "session_format.h"
#include "session_input.h"
#include "text_catalog.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>
#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <new>

namespace vspace {

namespace {

using emscripten::val;
using json = nlohmann::ordered_json;

constexpr std::array<const char *, kListCount> kListNames{"General", "Specific", "LearningData",
                                                          "VersionSpace"};
constexpr std::array<const char *, kButtonCount> kButtonNames{"Positive", "Negative", "Predict",
                                                              "GenText",  "Exit",     "Clear"};
constexpr std::array<const char *, 2> kRowNames{"Training", "Unseen"};

void fieldJson(JsonWriter &out, Field field)
{
    out.beginObject().key("row").string(kRowNames[static_cast<std::size_t>(field.row)]);
    out.key("index").number(field.index).endObject();
}

// A value as a text field can hold it: a field keeps no line break, so each shows as "⏎"; bytes
// that are not UTF-8 show as U+FFFD, as the page would decode them.
std::string shownInField(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' || byte == '\n') {
            shown += "\u23CE";
            i += byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        const std::size_t length = byte < 0x80                   ? 1
                                   : byte >= 0xC2 && byte < 0xE0 ? 2
                                   : byte >= 0xE0 && byte < 0xF0 ? 3
                                   : byte >= 0xF0 && byte < 0xF5 ? 4
                                                                 : 0;
        if (length && i + length <= text.size() && validUtf8(text.substr(i, length))) {
            shown.append(text, i, length);
            i += length;
        } else {
            shown += "\uFFFD";
            ++i;
        }
    }
    return shown;
}

// The page's controls as the form sees them: the fields' texts, the buttons' states kept here,
// and everything the form does to them recorded, to be handed back as one update. A field keeps
// the value a session or the form gave it, line breaks and all, for as long as the page's field
// still shows that value.
class PageControls : public Controls, public ExportFile
{
public:
    struct Message
    {
        std::string title, text;
    };

    explicit PageControls(std::vector<std::string> texts)
        : m_texts(std::move(texts))
    {
        m_enabled.fill(true);
    }

    // The twelve texts the page's fields hold, training then unseen, then the id of the element
    // that has the focus.
    void takeFields(const val &fields)
    {
        for (std::size_t i = 0; i < 2 * kFieldCount; ++i) {
            std::string text = fields[i].as<std::string>();
            if (text != m_shown[i])
                m_values[i] = m_shown[i] = std::move(text);
        }
        m_focused = {};
        const std::string focus = fields[2 * kFieldCount].isString()
                                          ? fields[2 * kFieldCount].as<std::string>()
                                          : std::string();
        for (const ControlEntry &entry : kControlTable) {
            if (entry.objectName != focus)
                continue;
            if (const Field *field = std::get_if<Field>(&entry.role))
                m_focused = *field;
            else if (const Button *button = std::get_if<Button>(&entry.role))
                m_focused = *button;
        }
    }

    // While held, changes to the lists are gathered but left out of updates: a session played
    // quietly draws its lists once, at its end.
    void holdLists(bool hold) { m_holdingLists = hold; }
    bool holdingLists() const { return m_holdingLists; }
    // Where a press left the focus and the selection is not where the page's focus goes.
    void forgetFocus()
    {
        m_focus = std::monostate{};
        m_selection.reset();
    }
    std::vector<Message> takeMessages() { return std::exchange(m_messages, {}); }
    bool closed() const { return m_closed; }
    void forgetDownload() { m_download.reset(); }

    // Everything recorded since the last update, then `extra` (members of the update's own, with
    // commas between them), and a fresh record.
    std::string update(const std::string &extra = {})
    {
        JsonWriter out;
        out.beginObject().key("lists").beginArray();
        for (std::size_t l = 0; l < kListCount && !m_holdingLists; ++l) {
            ListChange &change = m_lists[l];
            if (!change.touched)
                continue;
            out.beginObject().key("list").string(kListNames[l]).key("clear").boolean(change.cleared);
            if (change.kept)
                out.key("keep").number(*change.kept);
            out.key("rows").beginArray();
            for (const std::string &row : change.rows)
                out.string(row);
            out.endArray().endObject();
            m_pageRows[l] = base(l) + change.rows.size();
            change = {};
        }
        out.endArray().key("fields").beginArray();
        for (std::size_t i = 0; i < m_fieldChanged.size(); ++i) {
            if (!m_fieldChanged[i])
                continue;
            out.beginObject().key("field");
            fieldJson(out, {static_cast<FieldRow>(i / kFieldCount),
                            static_cast<int>(i % kFieldCount) + 1});
            out.key("text").string(m_shown[i]).endObject();
        }
        out.endArray();
        if (m_selection) {
            out.key("selection").beginObject().key("field");
            fieldJson(out, m_selection->field);
            out.key("start").number(m_selection->start);
            out.key("length").number(m_selection->length).endObject();
        }
        if (const Field *field = std::get_if<Field>(&m_focus)) {
            out.key("focus").beginObject().key("field");
            fieldJson(out, *field);
            out.endObject();
        } else if (const Button *button = std::get_if<Button>(&m_focus)) {
            out.key("focus").beginObject();
            out.key("button").string(kButtonNames[static_cast<std::size_t>(*button)]).endObject();
        }
        out.key("enabled").beginObject();
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            if (m_buttonChanged[b])
                out.key(kButtonNames[b]).boolean(m_enabled[b]);
        }
        out.endObject().key("messages").beginArray();
        for (const Message &message : m_messages) {
            out.beginObject().key("title").string(message.title);
            out.key("text").string(message.text).endObject();
        }
        out.endArray().key("closed").boolean(m_closed);
        if (m_download)
            out.key("download").string(*m_download);
        out.raw(extra).endObject();
        m_fieldChanged = {};
        m_selection.reset();
        m_focus = std::monostate{};
        m_buttonChanged = {};
        m_messages.clear();
        m_closed = false;
        m_download.reset();
        return out.take();
    }

    std::string text(Field field) const override { return m_values[slot(field)]; }
    void setText(Field field, const std::string &text) override
    {
        const std::size_t i = slot(field);
        m_values[i] = text;
        m_shown[i] = shownInField(text);
        m_fieldChanged[i] = true;
        if (m_selection && m_selection->field.row == field.row
            && m_selection->field.index == field.index)
            m_selection.reset(); // a new text has nothing selected
    }
    void setSelection(Field field, int start, int length) override
    {
        m_selection = Selection{field, start, length};
    }
    void setFocus(Field field) override { m_focus = field; }
    Focus focused() const override { return m_focused; }
    void clear(List list) override
    {
        m_lists[static_cast<std::size_t>(list)] = {true, true, {}, {}};
    }
    void append(List list, std::string row) override
    {
        ListChange &change = m_lists[static_cast<std::size_t>(list)];
        change.touched = true;
        change.rows.push_back(std::move(row));
    }
    void truncate(List list, int rows) override
    {
        const auto l = static_cast<std::size_t>(list);
        ListChange &change = m_lists[l];
        const auto keep = static_cast<std::size_t>(rows);
        if (keep >= base(l) + change.rows.size())
            return;
        change.touched = true;
        if (keep >= base(l)) {
            change.rows.resize(keep - base(l));
        } else {
            change.rows.clear();
            change.kept = keep;
        }
    }
    bool enabled(Button button) const override
    {
        return m_enabled[static_cast<std::size_t>(button)];
    }
    void setEnabled(Button button, bool enabled) override
    {
        m_enabled[static_cast<std::size_t>(button)] = enabled;
        m_buttonChanged[static_cast<std::size_t>(button)] = true;
    }
    void setFocus(Button button) override { m_focus = button; }
    void messageBox(const std::string &text, const std::string &title) override
    {
        m_messages.push_back({title, text});
    }
    void close() override { m_closed = true; }
    std::string phrase(Text id) const override { return m_texts.at(static_cast<std::size_t>(id)); }

    // "Gen Text" offers the file's bytes as a download.
    std::string path() const override { return "hypothesis.txt"; }
    std::optional<ExportFailure> replace(std::string_view bytes) override
    {
        m_download = std::string(bytes);
        return std::nullopt;
    }

private:
    struct ListChange
    {
        bool touched = false, cleared = false;
        std::optional<std::size_t> kept; // the rows of the page's list kept before those added
        std::vector<std::string> rows;
    };
    struct Selection
    {
        Field field;
        int start, length;
    };

    static std::size_t slot(Field field)
    {
        if (field.index < 1 || field.index > kFieldCount)
            throw std::out_of_range("no such field");
        return static_cast<std::size_t>(field.row) * kFieldCount
               + static_cast<std::size_t>(field.index - 1);
    }
    // The rows of the page's list that the change recorded keeps.
    std::size_t base(std::size_t l) const
    {
        return m_lists[l].cleared ? 0 : m_lists[l].kept.value_or(m_pageRows[l]);
    }

    std::vector<std::string> m_texts;
    std::array<std::string, 2 * kFieldCount> m_values; // the fields' texts
    std::array<std::string, 2 * kFieldCount> m_shown;  // as the page's fields show them
    std::array<bool, 2 * kFieldCount> m_fieldChanged{};
    std::array<bool, kButtonCount> m_enabled{};
    std::array<bool, kButtonCount> m_buttonChanged{};
    std::array<ListChange, kListCount> m_lists;
    std::array<std::size_t, kListCount> m_pageRows{}; // how many rows each list on the page has
    bool m_holdingLists = false;
    std::optional<Selection> m_selection;
    std::variant<std::monostate, Field, Button> m_focus;
    Focus m_focused; // as the page had it at the call
    std::vector<Message> m_messages;
    bool m_closed = false;
    std::optional<std::string> m_download;
};

// A session file read whole, up to its first Exit; once opened, the action that opened it.
struct Session
{
    std::vector<ReplayCommand> commands;
    std::size_t presses = 0;
    std::string attributes; // the names the file gives the attributes, as a JSON array; or none
    std::uint64_t opening = 0;
};

// "attributes": [six names] when the session's file names them; nothing otherwise.
void attributesJson(JsonWriter &out, const Session &session)
{
    if (!session.attributes.empty())
        out.key("attributes").raw(session.attributes);
}

// One session of the page: the form over the page's controls, in its initial state, with what
// the page tells beyond the window: each press explained in a numbered Steps entry, where the two
// learners differ, a suggested example; a session file played in; undo and redo of all of it.
class Page
{
public:
    // `texts`: every text of the catalog, in the order of its number, in the page's language.
    explicit Page(val texts)
        : m_controls(emscripten::vecFromJSArray<std::string>(texts))
        , m_form(m_controls, m_controls)
    {}

    // The update that draws the form as it starts.
    std::string start() { return m_controls.update(teaching({})); }
    // Presses `button` with the twelve field texts as the page has them, training then unseen.
    std::string press(Button button, val fields)
    {
        m_controls.takeFields(fields);
        const bool pressed = m_form.press(button);
        return m_controls.update(teaching({.button = button, .ignored = !pressed}));
    }
    // A key typed into a field, as its character code, with the field texts as in press().
    std::string keyPress(FieldRow row, int index, int key, val fields)
    {
        m_controls.takeFields(fields);
        m_form.keyPress({row, index}, key);
        return m_controls.update();
    }
    // The lists show the program's learner or the textbook learner; Predict, Gen Text, the
    // explanations and the diagram follow.
    std::string showLearner(Learner learner)
    {
        m_form.showLearner(learner);
        return m_controls.update(teaching({}));
    }
    // Fills the training fields with the suggested example, as an action that can be undone, and
    // says how the version space would split on it; or why there is none.
    std::string suggest(val fields)
    {
        m_controls.takeFields(fields);
        const std::optional<Suggestion> suggestion
                = suggestExample(m_form.textbook(), m_values.of(m_form.textbook().examples));
        if (suggestion)
            m_form.fill(FieldRow::Training, suggestion->instance);
        addStep(suggestion ? format(m_controls.phrase(Text::SuggestedExample),
                                    {rowText(suggestion->instance),
                                     std::to_string(suggestion->accepting),
                                     std::to_string(suggestion->voting)})
                           : m_controls.phrase(Text::NoSuggestion));
        return m_controls.update(teaching({.outcome = false}));
    }
    // Undoes the last action, or does the last undone again: the update draws the form as it
    // was, the session's place, the Steps and Messages with it; its history member names the
    // action.
    std::string undo(val fields) { return stepThroughHistory(History::Undo, fields); }
    std::string redo(val fields) { return stepThroughHistory(History::Redo, fields); }

    // Reads a session file's bytes as vspace-replay reads them, a CSV table or JSON Lines, up to
    // its first Exit, and keeps it for startSession(). Nothing is decoded before the reader has
    // checked it. Returns {"presses": n, "learnt": the examples learnt now}, with "attributes":
    // [six names] when the file names them, or {"error": why}.
    std::string open(val bytes, bool csv)
    {
        m_pending.reset();
        std::string text(bytes["length"].as<std::size_t>(), '\0');
        val(emscripten::typed_memory_view(text.size(),
                                          reinterpret_cast<unsigned char *>(text.data())))
                .call<void>("set", bytes);
        TextInput in(text);
        auto session = std::make_shared<Session>();
        const auto add = [&](const ReplayCommand &command) {
            session->commands.push_back(command);
            session->presses += command.press || command.history ? 1 : 0;
            return command.press != Button::Exit;
        };
        const auto named = [&](const AttributeNames &names) {
            if (std::all_of(names.begin(), names.end(), [](const auto &n) { return n.empty(); }))
                return;
            JsonWriter attributes;
            attributes.beginArray();
            for (const std::string &name : names)
                attributes.string(name);
            session->attributes = attributes.endArray().take();
        };
        std::optional<std::string> error = csv ? readCsvTable(in, std::nullopt, add, named)
                                               : readJsonLines(in, add, named);
        if (!error && session->presses == 0)
            error = m_controls.phrase(Text::NoPressesReason);
        JsonWriter out;
        if (error)
            return out.beginObject().key("error").string(*error).endObject().take();
        m_pending = session;
        out.beginObject().key("presses").number(session->presses);
        out.key("learnt").number(m_form.state().examples.size());
        attributesJson(out, *session);
        return out.endObject().take();
    }
    // Opens the session read last: the form starts afresh, as Clear does, in an action that can
    // be undone, and the session waits for its first press. Its Undo never reaches past this.
    std::string startSession(val fields)
    {
        m_controls.takeFields(fields);
        if (!m_pending)
            return m_controls.update(teaching({}));
        m_form.restart();
        m_pending->opening = m_form.undoName();
        m_sessions.push_back(std::exchange(m_pending, nullptr));
        Place place = m_form.place();
        place.session = static_cast<std::uint32_t>(m_sessions.size());
        place.next = place.played = 0;
        place.messagesFrom = place.messages;
        m_form.setPlace(place);
        return m_controls.update(teaching({}));
    }
    // Types the session's values up to its next press and presses it, as the user would; the
    // focus stays where it is.
    std::string playNext(val fields)
    {
        m_controls.takeFields(fields);
        std::optional<Button> button;
        bool ignored = false;
        if (const ReplayCommand *command = nextPress())
            std::tie(button, ignored) = playCommand(*command, false);
        m_controls.forgetFocus();
        return m_controls.update(teaching({.button = button, .ignored = ignored, .played = true}));
    }
    // Plays the session's presses quietly, their messages into the Messages list, for about
    // `milliseconds`: only the last `explained` presses of the session get a Steps entry; the
    // lists are drawn when the session has been played to its end (or Exit), or stopPlaying()
    // is called.
    std::string play(val fields, double milliseconds, double explained)
    {
        m_controls.takeFields(fields);
        m_controls.holdLists(true);
        const double until = emscripten_get_now() + milliseconds;
        const ReplayCommand *command = nullptr;
        try {
            do {
                if (!(command = nextPress()))
                    break;
                const bool explain = m_form.place().played + static_cast<std::size_t>(explained)
                                     >= session()->presses;
                playCommand(*command, !explain);
                for (const PageControls::Message &message : m_controls.takeMessages())
                    addMessage(format(m_controls.phrase(Text::MessageLine),
                                      {std::to_string(command->line),
                                       message.title + ": " + message.text}));
                m_controls.forgetDownload();
            } while (!m_controls.closed() && emscripten_get_now() < until);
        } catch (const std::bad_alloc &) {
            // Memory ran out: the session stops here, said in Messages; what was played stays,
            // and can be undone.
            m_controls.takeMessages();
            addMessage(format(m_controls.phrase(Text::MessageLine),
                              {std::to_string(command ? command->line : 0),
                               m_controls.phrase(Text::OutOfMemoryReason)}));
            Place place = m_form.place();
            place.next = static_cast<std::uint32_t>(session()->commands.size());
            m_form.setPlace(place);
            m_controls.forgetFocus();
            return stopPlaying();
        }
        m_controls.forgetFocus();
        if (m_controls.closed() || !nextPress(false))
            return stopPlaying();
        return m_controls.update(teaching({.outcome = false, .quiet = true}));
    }
    // Ends a run of quiet presses: the lists drawn as they stand, and the notes.
    std::string stopPlaying()
    {
        m_controls.holdLists(false);
        return m_controls.update(teaching({.outcome = false, .quiet = true}));
    }
    // S, G and the version space of the learner shown in Graphviz's DOT language, as the lesson
    // report draws them.
    std::string versionSpaceDot() const
    {
        if (m_form.shownLearner() == Learner::Textbook) {
            const TextbookState &state = m_form.textbook();
            return GeneralityGraph(state.specificRows().all(), state.general.all(),
                                   state.versionSpace.all())
                    .dot();
        }
        const LearningState &state = m_form.state();
        return GeneralityGraph({state.specific}, state.general.all(), state.versionSpace.all()).dot();
    }
#ifdef VSPACE_PAGE_BENCH
    // For benchmarks only: puts S (six values) and the rows of G in place by hand, as after
    // `examples` examples.
    std::string setBoundaries(val specific, val general, int examples)
    {
        const auto row = [](val values) {
            Row row;
            for (int a = 0; a < kAttributeCount; ++a)
                row[static_cast<std::size_t>(a)] = values[a].as<std::string>();
            return row;
        };
        LearningState state = m_form.state();
        state.specific = row(specific);
        std::vector<Row> rows;
        for (int r = 0; r < general["length"].as<int>(); ++r)
            rows.push_back(row(general[r]));
        state.general = Rows(std::move(rows));
        state.exampleCount = static_cast<std::int16_t>(examples);
        m_form.setState(state);
        return m_controls.update();
    }
#endif

private:
    // What an update tells beyond the controls.
    struct Told
    {
        std::optional<Button> button; // pressed: its Steps entry
        bool ignored = false;
        bool outcome = true;   // what the press did, for the marks
        bool quiet = false;    // played quietly: the notes wait for the end
        bool played = false;   // a press of the session
        std::string history;   // "undone" or "redone", with the action's number
        std::string announced; // said to screen readers
    };

    // The session open, or null.
    const Session *session() const
    {
        const std::uint32_t number = m_form.place().session;
        return number ? m_sessions[number - 1].get() : nullptr;
    }

    // The session's next command that presses a button or steps through the history, typing the
    // values of those before it when `typing`; null at the end.
    const ReplayCommand *nextPress(bool typing = true)
    {
        const Session *open = session();
        for (std::size_t next = m_form.place().next; open && next < open->commands.size(); ++next) {
            const ReplayCommand &command = open->commands[next];
            if (command.press || command.history)
                return &command;
            if (typing) {
                vspace::playCommand(m_form, command);
                Place place = m_form.place();
                place.next = static_cast<std::uint32_t>(next + 1);
                m_form.setPlace(place);
            }
        }
        return nullptr;
    }
    // Plays one command of the session, typing its values and pressing its button (or stepping
    // through the session's own history), as vspace-replay plays it; its Steps entry unless
    // `unexplained`. Returns the button pressed and whether the press was ignored.
    std::pair<std::optional<Button>, bool> playCommand(const ReplayCommand &command,
                                                       bool unexplained)
    {
        // A press of the session moves its place on, an Undo or Redo of it too: what it takes
        // back or does again is the form's, not the session's place.
        Place place = m_form.place();
        const bool done = vspace::playCommand(m_form, command, session()->opening).value_or(false);
        ++place.next;
        ++place.played;
        m_form.setPlace(place);
        addStep(unexplained ? std::nullopt
                            : std::optional(lessonOf(command.press, command.history,
                                                     m_form.lastOutcome(), !done, textbookShown(),
                                                     phrase())
                                                    .sentence));
        if (command.press)
            afterPress(*command.press, done);
        return {command.press, !done};
    }
    // Clear empties the Messages list.
    void afterPress(Button button, bool done)
    {
        if (button == Button::Clear && done) {
            Place place = m_form.place();
            place.messagesFrom = place.messages;
            m_form.setPlace(place);
        }
    }

    std::string stepThroughHistory(History step, val fields)
    {
        m_controls.takeFields(fields);
        const bool done = step == History::Undo ? m_form.undo() : m_form.redo();
        JsonWriter history;
        if (done) {
            history.key("history").beginObject();
            history.key(step == History::Undo ? "undone" : "redone");
            history.number(m_form.lastHistoryName()).endObject();
        }
        return m_controls.update(teaching({.outcome = false,
                                           .history = history.take(),
                                           .announced = explainHistory(step, !done, phrase())}));
    }

    Phrase phrase() const
    {
        return [this](Text text) { return m_controls.phrase(text); };
    }
    // The next Steps entry, or its number alone when the press is not explained.
    void addStep(std::optional<std::string> text)
    {
        Place place = m_form.place();
        const std::size_t number = ++place.steps;
        m_form.setPlace(place);
        while (!m_steps.empty() && m_steps.back().first >= number)
            m_steps.pop_back(); // what an undo took back, now beyond redoing
        if (text)
            m_steps.emplace_back(number, std::move(*text));
        if (m_steps.size() > 2 * Form::kMaxUndo)
            m_steps.erase(m_steps.begin(), m_steps.begin() + Form::kMaxUndo);
    }
    void addMessage(std::string text)
    {
        Place place = m_form.place();
        m_messages.resize(place.messages); // what an undo took back
        m_messages.push_back(std::move(text));
        ++place.messages;
        m_form.setPlace(place);
    }

    bool textbookShown() const
    {
        return m_form.shownLearner() == Learner::Textbook;
    }

    // What the update tells beyond the controls: what the press did and its Steps entry, the
    // rows it added, the notes on where the two learners differ, whether an example can be
    // suggested, what can be undone, the session's progress and the Messages list.
    std::string teaching(const Told &told)
    {
        JsonWriter out;
        const Lesson lesson = lessonOf(told.button, std::nullopt, m_form.lastOutcome(),
                                       told.ignored, textbookShown(), phrase());
        if (told.outcome) {
            outcomeJson(out.key("outcome"), told.ignored ? PressOutcome() : m_form.lastOutcome());
            if (told.button && !told.played) {
                addStep(lesson.sentence);
                afterPress(*told.button, !told.ignored);
            }
        }
        // The rows the press added (an undo: those the press before it added), for the marks.
        if (!told.quiet && (told.button || told.played || !told.history.empty())) {
            out.key("marks").beginObject();
            constexpr std::array lists{"General", "Specific", "VersionSpace"};
            for (std::size_t l = 0; l < lists.size(); ++l) {
                out.key(lists[l]).beginArray();
                for (const std::size_t row : lesson.added[l])
                    out.number(row);
                out.endArray();
            }
            out.endObject();
        }
        out.raw(told.history);
        if (!told.announced.empty())
            out.key("announced").string(told.announced);
        if (told.played)
            out.key("played").boolean(true);
        if (!m_controls.holdingLists()) {
            const std::vector<std::string> differences = m_differences.after(m_form, phrase());
            out.key("differences").beginArray();
            for (const std::string &difference : differences)
                out.string(difference);
            const bool suggestable = suggestExample(m_form.textbook(),
                                                    m_values.of(m_form.textbook().examples))
                                             .has_value();
            if (m_suggestable && !suggestable && !told.quiet && told.button)
                addStep(m_controls.phrase(Text::NoSuggestion));
            m_suggestable = suggestable;
            out.endArray().key("suggestion").boolean(suggestable);
        }
        out.key("learner").string(m_form.shownLearner() == Learner::Textbook ? "Textbook"
                                                                             : "Program");
        out.key("undoName").number(m_form.undoName());
        out.key("canRedo").boolean(m_form.canRedo());
        if (const Session *open = session()) {
            out.key("session").beginObject().key("played").number(m_form.place().played);
            out.key("presses").number(open->presses).key("left").boolean(nextPress(false));
            attributesJson(out, *open);
            out.endObject();
        } else {
            out.key("session").null();
        }
        stepsJson(out);
        messagesJson(out);
        return out.take();
    }

    // The Steps entries the page lacks, after the number of the last it keeps.
    void stepsJson(JsonWriter &out)
    {
        const std::size_t steps = m_form.place().steps;
        if (m_shownSteps == steps)
            return;
        const std::size_t keep = std::min(m_shownSteps, steps);
        out.key("steps").beginObject().key("keep").number(keep).key("add").beginArray();
        auto entry = std::lower_bound(m_steps.begin(), m_steps.end(), keep + 1,
                                      [](const auto &step, std::size_t n) {
                                          return step.first < n;
                                      });
        for (; entry != m_steps.end() && entry->first <= steps; ++entry)
            out.beginArray().number(entry->first).string(entry->second).endArray();
        m_shownSteps = steps;
        out.endArray().endObject();
    }
    // The Messages list: drawn anew when it starts elsewhere (after Clear, or an undo of it),
    // otherwise the items it keeps and those it lacks.
    void messagesJson(JsonWriter &out)
    {
        const Place &place = m_form.place();
        const bool other = m_shownMessagesFrom != place.messagesFrom;
        if (!other && m_shownMessages == place.messages)
            return;
        const std::size_t from = place.messagesFrom;
        const std::size_t keep = other ? 0
                                       : std::min<std::size_t>(m_shownMessages, place.messages)
                                                 - from;
        out.key("messageList").beginObject().key("keep").number(keep).key("add").beginArray();
        for (std::size_t m = from + keep; m < place.messages; ++m)
            out.string(m_messages[m]);
        m_shownMessagesFrom = place.messagesFrom;
        m_shownMessages = place.messages;
        out.endArray().endObject();
    }

    PageControls m_controls;
    Form m_form;
    DifferenceNotes m_differences;
    LearntValues m_values;
    bool m_suggestable = false;
    std::vector<std::shared_ptr<const Session>> m_sessions;   // opened, by their number from 1
    std::vector<std::pair<std::size_t, std::string>> m_steps; // numbered, in order
    std::size_t m_shownSteps = 0;
    std::vector<std::string> m_messages; // of the sessions played, in order
    std::size_t m_shownMessagesFrom = 0, m_shownMessages = 0;
    std::shared_ptr<Session> m_pending;
};

// The control table, as the page builds its controls from it: an object for each control, its
// caption and accessible name as catalog numbers, a list's visible height worked out.
val controlTable()
{
    json controls = json::array();
    for (const ControlEntry &entry : kControlTable) {
        constexpr std::array kinds{"frame", "label", "field", "list", "button"};
        json control{{"kind", kinds[static_cast<std::size_t>(entry.kind)]},
                     {"name", entry.objectName},
                     {"container", entry.container},
                     {"caption", entry.caption ? static_cast<int>(*entry.caption) : -1},
                     {"accessibleName",
                      entry.accessibleName ? static_cast<int>(*entry.accessibleName) : -1},
                     {"left", entry.geometry.left},
                     {"top", entry.geometry.top},
                     {"width", entry.geometry.width},
                     {"height", entry.geometry.height},
                     {"tabIndex", entry.tabIndex}};
        if (const Field *field = std::get_if<Field>(&entry.role)) {
            control["row"] = kRowNames[static_cast<std::size_t>(field->row)];
            control["index"] = field->index;
        } else if (const List *list = std::get_if<List>(&entry.role)) {
            control["list"] = kListNames[static_cast<std::size_t>(*list)];
            control["visibleHeight"] = visibleHeightTwips(entry);
        } else if (const Button *button = std::get_if<Button>(&entry.role)) {
            control["button"] = kButtonNames[static_cast<std::size_t>(*button)];
        }
        controls.push_back(std::move(control));
    }
    return val::global("JSON").call<val>("parse", controls.dump());
}

// The text catalog: for each text, in the order of its number, its context and English text.
val catalog()
{
    json texts = json::array();
    for (int id = 0; id < kTextCount; ++id) {
        const CatalogEntry &entry = catalogEntry(static_cast<Text>(id));
        texts.push_back({{"context", entry.context}, {"english", entry.english}});
    }
    return val::global("JSON").call<val>("parse", texts.dump());
}

// A caption's access key, as the window reads it: {before, key, after}.
val captionKey(const std::string &caption)
{
    const AccessKey parsed = accessKey(caption);
    val key = val::object();
    key.set("before", parsed.before);
    key.set("key", parsed.key);
    key.set("after", parsed.after);
    return key;
}

// A text of the catalog with %1 to %9 filled in from `values`, as every front end fills them.
std::string fill(const std::string &pattern, val values)
{
    const std::vector<std::string> all = emscripten::vecFromJSArray<std::string>(values);
    const std::vector<std::string_view> views(all.begin(), all.end());
    return format(pattern, views);
}

} // namespace

EMSCRIPTEN_BINDINGS(vspace)
{
    emscripten::enum_<Button>("Button")
            .value("Positive", Button::Positive)
            .value("Negative", Button::Negative)
            .value("Predict", Button::Predict)
            .value("GenText", Button::GenText)
            .value("Exit", Button::Exit)
            .value("Clear", Button::Clear);
    emscripten::enum_<Learner>("Learner")
            .value("Program", Learner::Program)
            .value("Textbook", Learner::Textbook);
    emscripten::enum_<FieldRow>("FieldRow")
            .value("Training", FieldRow::Training)
            .value("Unseen", FieldRow::Unseen);
    emscripten::enum_<Text> texts("Text");
    for (int id = 0; id < kTextCount; ++id)
        texts.value(catalogEntry(static_cast<Text>(id)).name, static_cast<Text>(id));
    emscripten::class_<Page>("Page")
            .constructor<val>()
            .function("start", &Page::start)
            .function("press", &Page::press)
            .function("keyPress", &Page::keyPress)
            .function("showLearner", &Page::showLearner)
            .function("suggest", &Page::suggest)
            .function("undo", &Page::undo)
            .function("redo", &Page::redo)
            .function("open", &Page::open)
            .function("startSession", &Page::startSession)
            .function("playNext", &Page::playNext)
            .function("play", &Page::play)
            .function("stopPlaying", &Page::stopPlaying)
#ifdef VSPACE_PAGE_BENCH
            .function("setBoundaries", &Page::setBoundaries)
#endif
            .function("versionSpaceDot", &Page::versionSpaceDot);
    emscripten::function("controlTable", &controlTable);
    emscripten::function("catalog", &catalog);
    emscripten::function("accessKey", &captionKey);
    emscripten::function("format", &fill);
    emscripten::constant("enterKey", kEnterKey);
    emscripten::constant("twipsPerPixel", kTwipsPerPixel);
    emscripten::constant("clientWidth", kClientWidthTwips);
    emscripten::constant("clientHeight", kClientHeightTwips);
    emscripten::constant("windowTitle", std::string(kWindowTitle));
#ifdef VSPACE_PAGE_BENCH
    emscripten::constant("benchmark", true);
#endif
}

} // namespace vspace
