// The engine for the page: its controls are the page's own elements, reached through a JavaScript
// object (the view) that has one method for each thing the engine does with a control.

#include "control_table.h"
#include "csv_session.h"
#include "engine.h"
#include "export_file.h"
#include "generality_graph.h"
#include "jsonl_reader.h"
#include "session_input.h"
#include "text_catalog.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace vspace {

namespace {

using emscripten::val;

// The view's methods take a field as its row (0 training, 1 unseen) and number, a list or a
// button as its number in the engine's order.
class PageControls : public Controls
{
public:
    explicit PageControls(val view)
        : m_view(std::move(view))
    {}

    std::string text(Field field) const override
    {
        return m_view.call<std::string>("text", static_cast<int>(field.row), field.index);
    }
    void setText(Field field, const std::string &text) override
    {
        m_view.call<void>("setText", static_cast<int>(field.row), field.index, text);
    }
    void setSelection(Field field, int start, int length) override
    {
        m_view.call<void>("setSelection", static_cast<int>(field.row), field.index, start, length);
    }
    void setFocus(Field field) override
    {
        m_view.call<void>("focusField", static_cast<int>(field.row), field.index);
    }
    void clear(List list) override { m_view.call<void>("clearList", static_cast<int>(list)); }
    void append(List list, const std::string &row) override
    {
        m_view.call<void>("appendRow", static_cast<int>(list), row);
    }
    bool enabled(Button button) const override
    {
        return m_view.call<bool>("enabled", static_cast<int>(button));
    }
    void setEnabled(Button button, bool enabled) override
    {
        m_view.call<void>("setEnabled", static_cast<int>(button), enabled);
    }
    void setFocus(Button button) override
    {
        m_view.call<void>("focusButton", static_cast<int>(button));
    }
    void messageBox(const std::string &text, const std::string &title) override
    {
        m_view.call<void>("message", text, title);
    }
    void close() override { m_view.call<void>("close"); }
    std::string phrase(Text id) const override
    {
        return m_view.call<std::string>("phrase", static_cast<int>(id));
    }

private:
    val m_view;
};

// "Gen Text" hands the file's bytes to the view, which offers them as a download.
class PageExport : public ExportFile
{
public:
    explicit PageExport(val view)
        : m_view(std::move(view))
    {}

    std::string path() const override { return "hypothesis.txt"; }
    std::optional<ExportFailure> replace(std::string_view bytes) override
    {
        const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
        m_view.call<void>("download", val(emscripten::typed_memory_view(bytes.size(), data)));
        return std::nullopt;
    }

private:
    val m_view;
};

// One session of the page: the engine over the view's controls, in its initial state.
class Page
{
public:
    explicit Page(val view)
        : m_controls(view)
        , m_export(view)
        , m_engine(m_controls, m_export)
    {}

    bool press(int button) { return m_engine.press(static_cast<Button>(button)); }
    void keyPress(int row, int index, int key)
    {
        m_engine.keyPress({static_cast<FieldRow>(row), index}, key);
    }
    // S, G and the version space in Graphviz's DOT language, as the lesson report draws them.
    std::string versionSpaceDot() const
    {
        const EngineState &state = m_engine.state();
        const auto rows = [](const HypothesisTable &table, int count) {
            std::vector<Row> rows;
            for (int r = 1; r <= count; ++r)
                rows.push_back(table.row(r));
            return rows;
        };
        return GeneralityGraph(rows(state.specific, state.specificCount),
                               rows(state.general, state.generalCount),
                               rows(state.versionSpace, state.versionSpaceCount))
                .dot();
    }

    // Puts S (six values) and the rows of G in place by hand, as after `examples` examples, for
    // benchmarks that need a state some thousands of presses away.
    void setBoundaries(val specific, val general, int examples)
    {
        EngineState state = m_engine.state();
        const auto row = [](val values) {
            Row row;
            for (int a = 0; a < kAttributeCount; ++a)
                row[static_cast<std::size_t>(a)] = values[a].as<std::string>();
            return row;
        };
        state.specific.row(1) = row(specific);
        state.generalCount = static_cast<std::int16_t>(general["length"].as<int>());
        for (int r = 1; r <= state.generalCount; ++r)
            state.general.row(r) = row(general[r - 1]);
        state.exampleCount = static_cast<std::int16_t>(examples);
        m_engine.setState(state);
    }

private:
    PageControls m_controls;
    PageExport m_export;
    Engine m_engine;
};

val text(std::string_view view)
{
    return val(std::string(view));
}

val values(const MemoryControls::Values &values)
{
    val array = val::array();
    for (const std::string &value : values)
        array.call<void>("push", value);
    return array;
}

// A session file read whole, as vspace-replay reads it: a CSV table or JSON Lines, up to its
// first Exit. Returns {commands: [{training, unseen, press}...]} or {error: "line N: ..."}.
val readSession(const std::string &text, bool csv)
{
    TextInput in(text);
    val commands = val::array();
    const auto add = [&](const ReplayCommand &command) {
        val item = val::object();
        if (command.training)
            item.set("training", values(*command.training));
        if (command.unseen)
            item.set("unseen", values(*command.unseen));
        if (command.press)
            item.set("press", static_cast<int>(*command.press));
        commands.call<void>("push", item);
        return command.press != Button::Exit;
    };
    const std::optional<std::string> error = csv ? readCsvTable(in, std::nullopt, add)
                                                 : readJsonLines(in, add);
    val session = val::object();
    if (error)
        session.set("error", *error);
    else
        session.set("commands", commands);
    return session;
}

// The control table, as the page builds its controls from it: an object for each control.
val controlTable()
{
    val controls = val::array();
    for (const ControlEntry &entry : kControlTable) {
        val control = val::object();
        const char *kinds[] = {"frame", "label", "field", "list", "button"};
        control.set("kind", kinds[static_cast<int>(entry.kind)]);
        control.set("name", text(entry.objectName));
        control.set("container", text(entry.container));
        control.set("caption", entry.caption ? static_cast<int>(*entry.caption) : -1);
        control.set("accessibleName",
                    entry.accessibleName ? static_cast<int>(*entry.accessibleName) : -1);
        control.set("left", entry.geometry.left);
        control.set("top", entry.geometry.top);
        control.set("width", entry.geometry.width);
        control.set("height", entry.geometry.height);
        control.set("tabIndex", entry.tabIndex);
        if (const Field *field = std::get_if<Field>(&entry.role)) {
            control.set("row", static_cast<int>(field->row));
            control.set("index", field->index);
        } else if (const List *list = std::get_if<List>(&entry.role)) {
            control.set("list", static_cast<int>(*list));
        } else if (const Button *button = std::get_if<Button>(&entry.role)) {
            control.set("button", static_cast<int>(*button));
        }
        controls.call<void>("push", control);
    }
    return controls;
}

// The text catalog: for each text, in the order of its number, its context and English text.
val catalog()
{
    val texts = val::array();
    for (int id = 0; id < kTextCount; ++id) {
        const CatalogEntry &entry = catalogEntry(static_cast<Text>(id));
        val item = val::object();
        item.set("context", std::string(entry.context));
        item.set("english", std::string(entry.english));
        texts.call<void>("push", item);
    }
    return texts;
}

} // namespace

EMSCRIPTEN_BINDINGS(vspace)
{
    emscripten::class_<Page>("Page")
            .constructor<val>()
            .function("press", &Page::press)
            .function("keyPress", &Page::keyPress)
            .function("setBoundaries", &Page::setBoundaries)
            .function("versionSpaceDot", &Page::versionSpaceDot);
    emscripten::function("readSession", &readSession);
    emscripten::function("controlTable", &controlTable);
    emscripten::function("catalog", &catalog);
    emscripten::constant("enterKey", kEnterKey);
    emscripten::constant("twipsPerPixel", kTwipsPerPixel);
    emscripten::constant("clientWidth", kClientWidthTwips);
    emscripten::constant("clientHeight", kClientHeightTwips);
    emscripten::constant("frameInset", kFrameInsetTwips);
}

} // namespace vspace
