// The engine for the page, with embind: the page calls it once for each thing its user does (a
// press of a button, a key in a field) and gets back one update, a JSON text of everything the
// press changed; page.js applies it. Enums cross by name. web/vspace.d.ts describes it all.

#include "control_table.h"
#include "csv_session.h"
#include "explanation.h"
#include "export_file.h"
#include "form.h"
#include "generality_graph.h"
#include "jsonl_reader.h"
#include "outcome_json.h"
#include "session_format.h"
#include "session_input.h"
#include "text_catalog.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <nlohmann/json.hpp>

namespace vspace {

namespace {

using emscripten::val;
using json = nlohmann::ordered_json;

constexpr std::array<const char *, kListCount> kListNames{"General", "Specific", "LearningData",
                                                          "VersionSpace"};
constexpr std::array<const char *, kButtonCount> kButtonNames{"Positive", "Negative", "Predict",
                                                              "GenText",  "Exit",     "Clear"};
constexpr std::array<const char *, 2> kRowNames{"Training", "Unseen"};

std::string fieldJson(Field field)
{
    return "{\"row\":\"" + std::string(kRowNames[static_cast<std::size_t>(field.row)])
           + "\",\"index\":" + std::to_string(field.index) + '}';
}

// The page's controls as the form sees them: the fields as the page had them when the action
// came in, the buttons' states kept here, and everything the form does to them recorded, to be
// handed back as one update.
class PageControls : public Controls, public ExportFile
{
public:
    explicit PageControls(std::vector<std::string> texts)
        : m_texts(std::move(texts))
    {
        m_enabled.fill(true);
    }

    void takeFields(const val &fields)
    {
        for (std::size_t i = 0; i < 2 * kFieldCount; ++i)
            m_fields[i / kFieldCount][i % kFieldCount] = fields[i].as<std::string>();
    }

    // Everything recorded since the last update, then `teaching` (members of the update's own),
    // and a fresh record.
    std::string update(const std::string &teaching = {})
    {
        std::string out = "{\"lists\":[";
        bool first = true;
        for (std::size_t l = 0; l < kListCount; ++l) {
            if (!m_lists[l].touched)
                continue;
            out += first ? "{\"list\":\"" : ",{\"list\":\"";
            out += kListNames[l];
            out += m_lists[l].cleared ? "\",\"clear\":true," : "\",\"clear\":false,";
            if (m_lists[l].kept)
                out += "\"keep\":" + std::to_string(*m_lists[l].kept) + ',';
            out += "\"rows\":[";
            for (std::size_t r = 0; r < m_lists[l].rows.size(); ++r) {
                if (r)
                    out += ',';
                quote(out, m_lists[l].rows[r]);
            }
            out += "]}";
            first = false;
        }
        out += "],\"fields\":[" + m_changedFields + "]";
        if (m_selection)
            out += ",\"selection\":{\"field\":" + fieldJson(m_selection->field)
                   + ",\"start\":" + std::to_string(m_selection->start)
                   + ",\"length\":" + std::to_string(m_selection->length) + '}';
        if (const Field *field = std::get_if<Field>(&m_focus))
            out += ",\"focus\":{\"field\":" + fieldJson(*field) + '}';
        else if (const Button *button = std::get_if<Button>(&m_focus))
            out += std::string(",\"focus\":{\"button\":\"")
                   + kButtonNames[static_cast<std::size_t>(*button)] + "\"}";
        out += ",\"enabled\":{" + m_changedButtons + "},\"messages\":[" + m_messages
               + "],\"closed\":" + (m_closed ? "true" : "false");
        if (m_download)
            out += ",\"download\":" + jsonString(*m_download);
        out += teaching + '}';
        m_lists = {};
        m_changedFields.clear();
        m_selection.reset();
        m_focus = std::monostate{};
        m_changedButtons.clear();
        m_messages.clear();
        m_closed = false;
        m_download.reset();
        return out;
    }

    std::string text(Field field) const override { return slot(field); }
    void setText(Field field, const std::string &text) override
    {
        slot(field) = text;
        m_changedFields += (m_changedFields.empty() ? "{\"field\":" : ",{\"field\":")
                           + fieldJson(field) + ",\"text\":" + jsonString(text) + '}';
        if (m_selection && m_selection->field.row == field.row
            && m_selection->field.index == field.index)
            m_selection.reset(); // a new text has nothing selected
    }
    void setSelection(Field field, int start, int length) override
    {
        m_selection = Selection{field, start, length};
    }
    void setFocus(Field field) override { m_focus = field; }
    void clear(List list) override
    {
        ListChange &change = m_lists[static_cast<std::size_t>(list)];
        change = {true, true, {}, {}};
    }
    // Comes before any row is appended to the list in the same update.
    void truncate(List list, int rows) override
    {
        ListChange &change = m_lists[static_cast<std::size_t>(list)];
        change.touched = true;
        if (change.cleared)
            change.rows.resize(std::min(change.rows.size(), static_cast<std::size_t>(rows)));
        else
            change.kept = rows;
    }
    void append(List list, std::string row) override
    {
        ListChange &change = m_lists[static_cast<std::size_t>(list)];
        change.touched = true;
        change.rows.push_back(std::move(row));
    }
    bool enabled(Button button) const override
    {
        return m_enabled[static_cast<std::size_t>(button)];
    }
    void setEnabled(Button button, bool enabled) override
    {
        m_enabled[static_cast<std::size_t>(button)] = enabled;
        m_changedButtons += (m_changedButtons.empty() ? "\"" : ",\"")
                            + std::string(kButtonNames[static_cast<std::size_t>(button)])
                            + (enabled ? "\":true" : "\":false");
    }
    void setFocus(Button button) override { m_focus = button; }
    void messageBox(const std::string &text, const std::string &title) override
    {
        m_messages += (m_messages.empty() ? "{\"title\":" : ",{\"title\":") + jsonString(title)
                      + ",\"text\":" + jsonString(text) + '}';
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
        std::optional<int> kept; // the rows kept before those appended
        std::vector<std::string> rows;
    };
    struct Selection
    {
        Field field;
        int start, length;
    };

    std::string &slot(Field field) const
    {
        return m_fields.at(static_cast<std::size_t>(field.row))
                .at(static_cast<std::size_t>(field.index - 1));
    }

    std::vector<std::string> m_texts;
    mutable std::array<std::array<std::string, kFieldCount>, 2> m_fields;
    std::array<bool, kButtonCount> m_enabled{};
    std::array<ListChange, kListCount> m_lists;
    std::string m_changedFields; // the parts of JSON arrays and objects, without their brackets
    std::optional<Selection> m_selection;
    std::variant<std::monostate, Field, Button> m_focus;
    std::string m_changedButtons;
    std::string m_messages;
    bool m_closed = false;
    std::optional<std::string> m_download;
};

// How many rows a note under the lists names; it says how many more there are.
constexpr std::size_t kNoteRows = 4;

// One session of the page: the form over the page's controls, in its initial state, with what
// the page tells beyond the window: each press explained, where the two learners differ, and a
// suggested example.
class Page
{
public:
    // `texts`: every text of the catalog, in the order of its number, in the page's language.
    explicit Page(val texts)
        : m_controls(emscripten::vecFromJSArray<std::string>(texts))
        , m_form(m_controls, m_controls)
    {}

    // The update that draws the form as it starts.
    std::string start() { return m_controls.update(teaching(std::nullopt, false)); }
    // Presses `button` with the twelve field texts as the page has them, training then unseen.
    std::string press(Button button, val fields)
    {
        m_controls.takeFields(fields);
        const bool pressed = m_form.press(button);
        return m_controls.update(teaching(button, !pressed));
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
        return m_controls.update(teaching(std::nullopt, false));
    }
    // Fills the training fields with the suggested example, and says how the version space would
    // split on it; or why there is none.
    std::string suggest(val fields)
    {
        m_controls.takeFields(fields);
        std::string said;
        if (const std::optional<Suggestion> suggestion
            = suggestExample(m_form.textbook(), m_values.of(m_form.textbook().examples))) {
            m_form.fill(FieldRow::Training, suggestion->instance);
            said = format(m_controls.phrase(Text::SuggestedExample),
                          {rowText(suggestion->instance), std::to_string(suggestion->accepting),
                           std::to_string(suggestion->voting)});
        } else {
            said = m_controls.phrase(Text::NoSuggestion);
        }
        return m_controls.update(",\"explanation\":" + jsonString(said) + history());
    }
    // Undoes the last action, or does the last undone again: the update draws the form as it
    // was; its history member names the action.
    std::string undo(val fields) { return stepThroughHistory(History::Undo, fields); }
    std::string redo(val fields) { return stepThroughHistory(History::Redo, fields); }
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
    std::string stepThroughHistory(History step, val fields)
    {
        m_controls.takeFields(fields);
        const bool done = step == History::Undo ? m_form.undo() : m_form.redo();
        const Phrase phrase = [this](Text text) { return m_controls.phrase(text); };
        std::string out = ",\"explanation\":" + jsonString(explainHistory(step, !done, phrase));
        if (done)
            out += std::string(",\"history\":{\"") + (step == History::Undo ? "undone" : "redone")
                   + "\":" + std::to_string(m_form.lastHistoryName()) + '}';
        return m_controls.update(out + teaching(std::nullopt, false));
    }

    // The action an undo would undo, by its number (0: none), and whether there is one to redo.
    std::string history() const
    {
        return ",\"undoName\":" + std::to_string(m_form.undoName())
               + ",\"canRedo\":" + (m_form.canRedo() ? "true" : "false");
    }

    // What the update tells beyond the controls: what the press did and a sentence that explains
    // it, the notes on where the two learners differ, and whether an example can be suggested.
    std::string teaching(std::optional<Button> button, bool ignored)
    {
        const Phrase phrase = [this](Text text) { return m_controls.phrase(text); };
        const PressOutcome &outcome = ignored ? PressOutcome() : m_form.lastOutcome();
        std::string out = ",\"outcome\":" + outcomeJson(outcome);
        if (button)
            out += ",\"explanation\":"
                   + jsonString(explainPress(*button, outcome, ignored, phrase));
        const auto *programVote = std::get_if<Prediction>(&m_form.lastOutcome(Learner::Program));
        const auto *textbookVote = std::get_if<Prediction>(&m_form.lastOutcome(Learner::Textbook));
        if (!button || std::holds_alternative<StepRecord>(outcome) || button == Button::Clear) {
            m_differences = explainDifference(m_comparison.compare(m_form.state(),
                                                                   m_form.textbook()),
                                              m_form.state(), phrase, nullptr, nullptr, kNoteRows);
        }
        std::vector<std::string> differences = m_differences;
        if (programVote && textbookVote) {
            for (std::string &vote :
                 explainDifference({}, m_form.state(), phrase, programVote, textbookVote))
                differences.push_back(std::move(vote));
        }
        out += ",\"differences\":[";
        for (std::size_t i = 0; i < differences.size(); ++i)
            out += (i ? "," : "") + jsonString(differences[i]);
        out += ']' + history();
        out += std::string(",\"learner\":")
               + (m_form.shownLearner() == Learner::Textbook ? "\"Textbook\"" : "\"Program\"")
               + ",\"suggestion\":"
               + (suggestExample(m_form.textbook(), m_values.of(m_form.textbook().examples))
                          ? "true"
                          : "false");
        return out;
    }

    PageControls m_controls;
    Form m_form;
    LearnerComparison m_comparison;
    LearntValues m_values;
    std::vector<std::string> m_differences;
};

// A session file's bytes, read as vspace-replay reads them: a CSV table or JSON Lines, up to its
// first Exit. Nothing is decoded before the reader has checked it. Returns
// {commands: [{training, unseen, press}...]} or {error: "line N: ..."}.
val readSession(val bytes, bool csv)
{
    std::string text(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(text.size(), reinterpret_cast<unsigned char *>(text.data())))
            .call<void>("set", bytes);
    TextInput in(text);
    json commands = json::array();
    const auto add = [&](const ReplayCommand &command) {
        json item = json::object();
        if (command.training)
            item["training"] = *command.training;
        if (command.unseen)
            item["unseen"] = *command.unseen;
        if (command.press)
            item["press"] = kButtonNames[static_cast<std::size_t>(*command.press)];
        commands.push_back(std::move(item));
        return command.press != Button::Exit;
    };
    const std::optional<std::string> error = csv ? readCsvTable(in, std::nullopt, add)
                                                 : readJsonLines(in, add);
    const json session = error ? json{{"error", *error}} : json{{"commands", commands}};
    return val::global("JSON").call<val>("parse", session.dump());
}

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
    emscripten::class_<Page>("Page")
            .constructor<val>()
            .function("start", &Page::start)
            .function("press", &Page::press)
            .function("keyPress", &Page::keyPress)
            .function("showLearner", &Page::showLearner)
            .function("suggest", &Page::suggest)
            .function("undo", &Page::undo)
            .function("redo", &Page::redo)
#ifdef VSPACE_PAGE_BENCH
            .function("setBoundaries", &Page::setBoundaries)
#endif
            .function("versionSpaceDot", &Page::versionSpaceDot);
    emscripten::function("readSession", &readSession);
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
