// The engine for the page, with embind: the page calls it once for each thing its user does (a
// press of a button, a key in a field) and gets back one update, a JSON text of everything the
// press changed; page.js applies it. Enums cross by name. web/vspace.d.ts describes it all; the
// engine itself is page/'s.

#include "control_table.h"
#include "page.h"
#include "session_format.h"
#include "text_catalog.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace vspace {

namespace {

using emscripten::val;

// The page's fields as it hands them over: the training fields' texts and as many unseen fields',
// then the focused element's id or null.
PageFields fieldsOf(const val &fields)
{
    PageFields taken;
    const std::size_t count = fields["length"].as<std::size_t>() - 1;
    for (std::size_t i = 0; i < count; ++i)
        taken.texts.push_back(fields[i].as<std::string>());
    const val focus = fields[count];
    taken.focus = focus.isString() ? focus.as<std::string>() : std::string();
    return taken;
}

// A session file's bytes, as they are.
std::string bytesOf(const val &bytes)
{
    std::string text(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(text.size(), reinterpret_cast<unsigned char *>(text.data())))
            .call<void>("set", bytes);
    return text;
}

// How a table's columns are read, as the page chose them: {label, ignored, positive, negative},
// or undefined for the defaults.
CsvColumns columnsOf(const val &chosen)
{
    CsvColumns columns;
    if (chosen.isUndefined() || chosen.isNull())
        return columns;
    if (chosen["label"].isString())
        columns.label = chosen["label"].as<std::string>();
    if (chosen["names"].isString())
        columns.names = chosen["names"].as<std::string>();
    columns.ignored = emscripten::vecFromJSArray<std::string>(chosen["ignored"]);
    columns.positiveWords = emscripten::vecFromJSArray<std::string>(chosen["positive"]);
    columns.negativeWords = emscripten::vecFromJSArray<std::string>(chosen["negative"]);
    return columns;
}

// The lesson as it stands, for a link: {bytes, csv, columns, name, played, learner}, its columns as
// columnsOf() takes them.
val lessonOf(const Page &page)
{
    const SharedLesson lesson = page.lesson();
    val columns = val::object();
    if (lesson.columns.label)
        columns.set("label", *lesson.columns.label);
    if (lesson.columns.names)
        columns.set("names", *lesson.columns.names);
    columns.set("ignored", val::array(lesson.columns.ignored));
    columns.set("positive", val::array(lesson.columns.positiveWords));
    columns.set("negative", val::array(lesson.columns.negativeWords));
    val out = val::object();
    out.set("bytes", val(emscripten::typed_memory_view(lesson.bytes.size(),
                                                       reinterpret_cast<const unsigned char *>(
                                                               lesson.bytes.data())))
                             .call<val>("slice"));
    out.set("csv", lesson.csv);
    out.set("columns", columns);
    out.set("name", lesson.name);
    out.set("played", lesson.played);
    out.set("learner", std::string(learnerName(lesson.learner)));
    return out;
}

// Rows of field texts, as the page hands them over: an array of arrays of strings.
std::vector<FieldTexts> rowsOf(const val &rows)
{
    std::vector<FieldTexts> taken;
    for (std::size_t r = 0; r < rows["length"].as<std::size_t>(); ++r)
        taken.push_back(emscripten::vecFromJSArray<std::string>(rows[r]));
    return taken;
}

// A call of the page's with its fields, as the page makes it.
template<std::string (Page::*call)(const PageFields &)>
std::string withFields(Page &page, val fields)
{
    return (page.*call)(fieldsOf(fields));
}

val parsed(const std::string &json)
{
    return val::global("JSON").call<val>("parse", json);
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
    using emscripten::optional_override;
    emscripten::class_<Page>("Page")
            .constructor(optional_override([](val texts, val names) {
                return new Page(emscripten::vecFromJSArray<std::string>(texts),
                                emscripten::vecFromJSArray<std::string>(names));
            }))
            .function("start", &Page::start)
            .function("press", optional_override([](Page &page, Button button, val fields) {
                          return page.press(button, fieldsOf(fields));
                      }))
            .function("keyPress", optional_override([](Page &page, FieldRow row, int index, int key,
                                                       val fields) {
                          return page.keyPress(row, index, key, fieldsOf(fields));
                      }))
            .function("showLearner", &Page::showLearner)
            .function("setExercises", &Page::setExercises)
            .function("check",
                      optional_override([](Page &page, val specific, val general, val fields) {
                          return page.check(rowsOf(specific), rowsOf(general), fieldsOf(fields));
                      }))
            .function("reveal", &withFields<&Page::reveal>)
            .function("setAttributes", optional_override([](Page &page, val names, val fields) {
                          return page.setAttributes(emscripten::vecFromJSArray<std::string>(names),
                                                    fieldsOf(fields));
                      }))
            .function("suggest", &withFields<&Page::suggest>)
            .function("undo", &withFields<&Page::undo>)
            .function("redo", &withFields<&Page::redo>)
            .function("open", optional_override([](Page &page, val bytes, bool csv, val chosen,
                                                   const std::string &name) {
                          return page.open(bytesOf(bytes), csv, columnsOf(chosen), name);
                      }))
            .function("startSession", &withFields<&Page::startSession>)
            .function("playNext", &withFields<&Page::playNext>)
            .function("play", optional_override([](Page &page, val fields, double milliseconds,
                                                   double explained, double lastPress) {
                          return page.play(fieldsOf(fields), milliseconds, explained, lastPress);
                      }))
            .function("stopPlaying", &Page::stopPlaying)
#ifdef VSPACE_PAGE_BENCH
            // For benchmarks only: puts S and the rows of G in place by hand, as after `examples`
            // examples.
            .function("setBoundaries",
                      optional_override([](Page &page, val specific, val general, int examples) {
                          const auto row = [](const val &values) {
                              return rowOf(emscripten::vecFromJSArray<std::string>(values));
                          };
                          std::vector<Row> rows;
                          for (int r = 0; r < general["length"].as<int>(); ++r)
                              rows.push_back(row(general[r]));
                          return page.setBoundaries(row(specific), std::move(rows), examples);
                      }))
#endif
            .function("saveSession", &Page::saveSession)
            .function("worksheet", &Page::worksheet)
            .function("report", &Page::report)
            .function("lesson", optional_override([](const Page &page) { return lessonOf(page); }))
            .function("versionSpaceDot", &Page::versionSpaceDot);
    emscripten::function("controlTable",
                         optional_override([] { return parsed(controlTableJson()); }));
    emscripten::function("catalog", optional_override([] { return parsed(catalogJson()); }));
    emscripten::function("accessKey", &captionKey);
    emscripten::function("format", &fill);
    emscripten::constant("enterKey", kEnterKey);
    emscripten::constant("twipsPerPixel", kTwipsPerPixel);
    emscripten::constant("clientWidth", kClientWidthTwips);
    emscripten::constant("clientHeight", kClientHeightTwips);
    emscripten::constant("windowTitle", std::string(kWindowTitle));
    emscripten::constant("keptSteps", static_cast<int>(Page::kKeptSteps));
#ifdef VSPACE_PAGE_BENCH
    emscripten::constant("benchmark", true);
#endif
}

} // namespace vspace
