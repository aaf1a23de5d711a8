#include "lesson_report.h"

#include "explanation.h"
#include "html.h"
#include "lesson.h"
#include "session_format.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <utility>

namespace vspace {

namespace {

// The rows of a list after a press, each with its class: "added" where the press added it, none
// where it was there before; then, as "removed", those the press removed. Nothing when the press
// left the list as it was.
using MarkedRows = std::vector<std::pair<std::string_view, const Row *>>;
std::optional<MarkedRows> markedRows(const std::vector<Row> &before, const std::vector<Row> &after)
{
    if (before.size() == after.size()
        && std::equal(before.begin(), before.end(), after.begin(), sameRow))
        return std::nullopt;
    const std::unordered_set<Row, RowHash> wasThere(before.begin(), before.end()),
            isThere(after.begin(), after.end());
    MarkedRows rows;
    for (const Row &row : after)
        rows.emplace_back(wasThere.contains(row) ? "" : "added", &row);
    for (const Row &row : before) {
        if (!isThere.contains(row))
            rows.emplace_back("removed", &row);
    }
    return rows;
}

// One list of rows after a press, marking those it added and, struck through, those it removed;
// a list the press left as it was is said to be unchanged.
std::string rowsCell(const Phrase &phrase, const std::vector<Row> &before,
                     const std::vector<Row> &after)
{
    const auto rows = markedRows(before, after);
    if (!rows)
        return "<p class=\"none\">" + textHtml(phrase, Text::ReportUnchanged) + "</p>";
    std::string cell = "<ul class=\"rows\">";
    for (const auto &[mark, row] : *rows)
        cell += (mark.empty() ? std::string("<li>") : "<li class=\"" + std::string(mark) + "\">")
                + escapedHtml(isolatedRow(*row)) + "</li>";
    return cell
           + (after.empty()
                      ? "<li class=\"none\">" + textHtml(phrase, Text::ReportEmpty) + "</li></ul>"
                      : "</ul>");
}

// A row's values as cells of a table under the attributes' names, then the cell of its label:
// a learning-data row's "+" or "-", empty for any other row.
std::string cells(const Row &row, std::string_view label = {})
{
    std::string text;
    for (const Value &value : row)
        text += "<td>" + escapedHtml(value.view()) + "</td>";
    return text + "<td>" + std::string(label) + "</td>";
}

// A cell that says something across a row's `columns` values and label: "(unchanged)".
std::string said(std::string_view text, std::size_t columns)
{
    return "<td colspan=\"" + std::to_string(columns) + "\" class=\"none\">" + std::string(text)
           + "</td>";
}

// The rows of a table under the attributes' names that belong together, in a body of their own
// under a heading that spans them: each row's class (none, "added" or "removed") and its cells.
using GridRows = std::vector<std::pair<std::string_view, std::string>>;
std::string gridGroup(std::string_view heading, const GridRows &rows)
{
    std::string group = "<tbody>";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto &[mark, cells] = rows[i];
        group += mark.empty() ? std::string("<tr>") : "<tr class=\"" + std::string(mark) + "\">";
        if (i == 0)
            group += "<th scope=\"rowgroup\" rowspan=\"" + std::to_string(rows.size()) + "\">"
                     + std::string(heading) + "</th>";
        group += cells + "</tr>";
    }
    return group + "</tbody>\n";
}

// One list of rows after a press as rowsCell marks them, in a table under the attributes' names.
std::string rowsGroup(const Phrase &phrase, std::string_view heading,
                      const std::vector<Row> &before, const std::vector<Row> &after,
                      std::size_t columns)
{
    GridRows grid;
    if (const auto rows = markedRows(before, after)) {
        for (const auto &[mark, row] : *rows)
            grid.emplace_back(mark, cells(*row));
        if (after.empty())
            grid.emplace_back("", said(textHtml(phrase, Text::ReportEmpty), columns));
    } else {
        grid.emplace_back("", said(textHtml(phrase, Text::ReportUnchanged), columns));
    }
    return gridGroup(heading, grid);
}

const char *const kStyle = R"(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; max-width: 60em; margin: 2em auto;
       padding: 0 1em; color: #1a1a1a; line-height: 1.4; }
h1 { font-size: 1.6em; } h2 { font-size: 1.15em; border-bottom: 1px solid #999; padding-bottom: .2em; }
section { break-inside: avoid; margin-bottom: 2em; }
table { border-collapse: collapse; margin: .5em 0; } th, td { text-align: left; vertical-align: top; padding: .2em .8em .2em 0; }
th { font-weight: normal; color: #555; white-space: nowrap; }
ul.rows { list-style: none; margin: 0; padding: 0; font-family: "Liberation Mono", "DejaVu Sans Mono", monospace; }
ul.rows li, code { white-space: pre-wrap; overflow-wrap: anywhere; } td > p { margin: 0; }
.added { color: #0a6b22; font-weight: bold; } .added::before { content: "+ "; }
.removed { color: #a3201a; text-decoration: line-through; } .removed::before { content: "\2212 "; }
.message { border-left: 3px solid #3b6fb6; padding-left: .6em; }
.none { color: #555; font-style: italic; }
.explanation { background: #f4f6fa; padding: .3em .6em; }
.difference { border-left: 3px solid #b26b00; padding-left: .6em; } .difference p { margin: .2em 0; }
figure { margin: 1em 0; text-align: center; } figure svg { max-width: 100%; height: auto; }
figcaption { color: #555; font-size: .9em; }
@page { margin: 15mm; }
@media print { body { margin: 0; max-width: none; } }
)";

// The tables of a session that names its attributes: a column a name, a body of rows a list.
const char *const kGridStyle = R"(
table.grid { font-family: "Liberation Mono", "DejaVu Sans Mono", monospace; }
table.grid thead th { color: #1a1a1a; font-weight: bold; border-bottom: 2px solid #999; }
table.grid tbody + tbody { border-top: 1px solid #ccc; } table.grid th[scope=rowgroup] { font-family: "Liberation Sans", Arial, sans-serif; }
table.grid td { white-space: pre-wrap; overflow-wrap: anywhere; } table.grid tr::before { content: none; }
table.grid tr.removed { text-decoration: none; } table.grid tr.removed > td { text-decoration: line-through; }
table.grid tr.added > td:first-of-type::before { content: "+ "; } table.grid tr.removed > td:first-of-type::before { content: "\2212 "; }
)";

} // namespace

LessonReport::LessonReport(ReplaySession &session, const std::string &folder,
                           std::function<void(std::size_t)> progress, ReportStyle style)
    : m_style(std::move(style))
    , m_session(session)
    , m_progress(std::move(progress))
    , m_start(boundaries())
    , m_before(m_start)
    , m_sections(folder)
    , m_learningData(folder)
{
    if (!m_style.phrase)
        m_style.phrase = englishPhrase();
    session.addPressObserver([this](ReplaySession::Moment moment, std::optional<Button> button,
                                    std::string_view name) {
        if (moment == ReplaySession::Moment::AfterPress)
            return pressed(button, name);
        if (moment == ReplaySession::Moment::AfterIgnored)
            return ignored(*button, name);
        m_typed = m_session.valuesFor(button);
    });
}

void LessonReport::nameAttributes(const AttributeNames &names)
{
    if (m_presses == 0) // the session may have started afresh at its own width
        m_start = m_before = boundaries();
    if (m_presses > 0 || std::all_of(names.begin(), names.end(), std::mem_fn(&std::string::empty)))
        return;
    const auto unnamed = [&](std::size_t a) {
        return format(m_style.phrase(Text::AttributeName), {std::to_string(a + 1)});
    };
    // Named in full once, at the start; shortened in the tables, as the sentences shorten them.
    m_head.clear();
    std::vector<std::string> named;
    for (std::size_t a = 0; a < names.size(); ++a) {
        const std::string name = names[a].empty() ? unnamed(a) : names[a];
        named.push_back(escapedHtml(isolated(name)));
        m_head += "<th scope=\"col\">" + escapedHtml(shortened(name, kQuotedCharacters)) + "</th>";
    }
    m_head += "<th scope=\"col\">" + textHtml(m_style.phrase, Text::ReportLabel) + "</th>";
    m_columns = names.size() + 1;
    m_names = textHtml(m_style.phrase, Text::ReportAttributes, {listed(named, m_style.phrase)});
}

int LessonReport::error() const
{
    return m_sections.error() ? m_sections.error() : m_learningData.error();
}

LessonReport::Boundaries LessonReport::boundaries() const
{
    const Form &form = m_session.form();
    if (form.shownLearner() == Learner::Textbook) {
        const TextbookState &state = form.textbook();
        return {state.specificRows().all(), state.general.all(), state.versionSpace.all()};
    }
    const LearningState &state = form.state();
    return {{state.specific}, state.general.all(), state.versionSpace.all()};
}

std::string LessonReport::notes(std::optional<Button> button, std::string_view name)
{
    const Form &form = m_session.form();
    const Phrase &phrase = m_style.phrase;
    const std::string explanation = lessonOf(button,
                                             name == kUndoName ? History::Undo : History::Redo,
                                             form.lastOutcome(), false,
                                             form.shownLearner() == Learner::Textbook, phrase,
                                             m_session.attributeNames())
                                            .sentence;
    std::string notes = "<p class=\"explanation\">" + escapedHtml(explanation) + "</p>\n";
    const std::vector<std::string> differences = m_differences.after(form, phrase);
    if (differences.empty())
        return notes;
    if (m_firstDifference == 0)
        m_firstDifference = m_presses;
    ++m_differing;
    notes += "<div class=\"difference\"><p>" + textHtml(m_style.phrase, Text::DifferenceNote)
             + "</p>\n<ul>";
    for (const std::string &difference : differences)
        notes += "<li>" + escapedHtml(difference) + "</li>";
    return notes + "</ul></div>\n";
}

std::string reportNote(Text why)
{
    return "<p class=\"none\">" + escapedHtml(english(why)) + "</p>";
}

std::optional<Example> LessonReport::learningData()
{
    // The learning data follows the learner's examples: it grows with them, shrinks with an undo
    // and starts again after Clear (or an undo of it).
    const ExampleLog &log = m_session.form().state().examples;
    if (m_log.extends(log) && log.size() < m_log.size()) {
        m_learningData.truncate(log.empty() ? 0 : m_entryEnds[log.size() - 1]);
        m_entryEnds.resize(log.size());
    } else if (!log.extends(m_log)) {
        m_learningData.clear();
        m_entryEnds.clear();
    }
    const std::size_t known = m_entryEnds.size();
    for (std::size_t n = known + 1; n <= log.size(); ++n) {
        const Example example = log.at(n);
        m_learningData.write(
                m_head.empty()
                        ? "<li>" + escapedHtml(isolatedEntry(example.values, example.positive))
                                  + "</li>"
                        : "<tr>" + cells(example.values, example.positive ? "+" : "-") + "</tr>");
        m_entryEnds.push_back(m_learningData.size());
    }
    m_log = log;
    return log.size() == known + 1 ? std::optional(log.at(log.size())) : std::nullopt;
}

std::string LessonReport::grid(const Boundaries &after, std::string_view instance)
{
    std::string grid = "<table class=\"grid\">\n<thead><tr><td></td>" + m_head + "</tr></thead>\n";
    if (!instance.empty())
        grid += gridGroup(instance, {{"", cells(m_typed)}});
    grid += rowsGroup(m_style.phrase, textHtml(m_style.phrase, Text::ReportSpecific), m_before.s,
                      after.s, m_columns)
            + rowsGroup(m_style.phrase, textHtml(m_style.phrase, Text::ReportGeneral), m_before.g,
                        after.g, m_columns)
            + rowsGroup(m_style.phrase, textHtml(m_style.phrase, Text::ReportVersionSpace),
                        m_before.space, after.space, m_columns);
    GridRows data;
    if (const std::optional<Example> added = learningData())
        data.emplace_back("added", cells(added->values, added->positive ? "+" : "-"));
    data.emplace_back("", said(rowCount(), m_columns));
    return grid + gridGroup(textHtml(m_style.phrase, Text::ReportLearningData), data)
           + "</table>\n";
}

std::string LessonReport::rowCount() const
{
    return m_entryEnds.size() == 1 ? textHtml(m_style.phrase, Text::ReportOneRow)
                                   : textHtml(m_style.phrase, Text::ReportRows,
                                              {std::to_string(m_entryEnds.size())});
}

std::string LessonReport::heading(std::string_view name)
{
    const std::string &example = m_session.exampleName();
    return "<section>\n<h2>"
           + textHtml(m_style.phrase, Text::ReportPress,
                      {std::to_string(++m_presses),
                       escapedHtml(example.empty()
                                           ? std::string(name)
                                           : std::string(name) + " (" + isolated(example) + ")")})
           + "</h2>\n";
}

void LessonReport::ignored(Button button, std::string_view name)
{
    const Phrase &phrase = m_style.phrase;
    const Form &form = m_session.form();
    m_sections.write(heading(name) + "<p class=\"explanation\">"
                     + escapedHtml(lessonOf(button, std::nullopt, form.lastOutcome(), true,
                                            form.shownLearner() == Learner::Textbook, phrase,
                                            m_session.attributeNames())
                                           .sentence)
                     + "</p>\n</section>\n");
    if (m_progress)
        m_progress(m_presses);
}

void LessonReport::pressed(std::optional<Button> button, std::string_view name)
{
    const Boundaries after = boundaries();
    const bool training = button == Button::Positive || button == Button::Negative;
    std::string section = heading(name);
    const std::string instance = training ? textHtml(m_style.phrase, Text::ReportTrainingInstance)
                                 : button == Button::Predict
                                         ? textHtml(m_style.phrase, Text::ReportUnseenInstance)
                                         : "";
    if (!instance.empty() && m_head.empty())
        section += "<p>" + instance + ": <code>" + escapedHtml(isolatedRow(m_typed))
                   + "</code></p>\n";
    for (const MemoryControls::Message &message : m_session.controls().messages())
        section += "<p class=\"message\">"
                   + textHtml(m_style.phrase, Text::ReportMessage,
                              {escapedHtml(message.title + ": " + message.text)})
                   + "</p>\n";
    if (m_head.empty()) {
        section += "<table>\n<tr><th>" + textHtml(m_style.phrase, Text::ReportSpecific)
                   + "</th><td>" + rowsCell(m_style.phrase, m_before.s, after.s)
                   + "</td></tr>\n<tr><th>" + textHtml(m_style.phrase, Text::ReportGeneral)
                   + "</th><td>" + rowsCell(m_style.phrase, m_before.g, after.g)
                   + "</td></tr>\n<tr><th>" + textHtml(m_style.phrase, Text::ReportVersionSpace)
                   + "</th><td>" + rowsCell(m_style.phrase, m_before.space, after.space)
                   + "</td></tr>\n<tr><th>" + textHtml(m_style.phrase, Text::ReportLearningData)
                   + "</th><td><ul class=\"rows\">";
        if (const std::optional<Example> added = learningData())
            section += "<li class=\"added\">"
                       + escapedHtml(isolatedEntry(added->values, added->positive)) + "</li>";
        section += "<li class=\"none\">" + rowCount() + "</li></ul></td></tr>\n</table>\n";
    } else {
        section += grid(after, instance);
    }
    section += notes(button, name);
    if (after != m_before && after.g.empty()) {
        section += "<p class=\"none\">" + textHtml(m_style.phrase, Text::ExplainGeneralEmpty)
                   + "</p>\n";
        m_sections.write(section);
    } else {
        m_sections.write(section);
        if (after != m_before) {
            ++m_drawingCount;
            if (m_drawings.size() == kMaxDiagrams)
                m_drawings.pop_front();
            m_drawings.push_back(
                    {m_sections.size(), GeneralityGraph(after.s, after.g, after.space)
                                                .dot(m_style.phrase(Text::DiagramLeftOut))});
        }
    }
    m_sections.write("</section>\n");
    m_before = after;
    if (m_progress)
        m_progress(m_presses);
}

int LessonReport::write(const std::string &title, const TextSink &sink,
                        const std::function<void(std::size_t, std::size_t)> &progress)
{
    const auto rows = [this](const std::vector<Row> &rows) {
        std::string text;
        for (const Row &row : rows)
            text += (text.empty() ? "<code>" : ", <code>") + escapedHtml(isolatedRow(row))
                    + "</code>";
        return text.empty() ? textHtml(m_style.phrase, Text::ReportEmptyList) : text;
    };
    std::string head = "<!DOCTYPE html>\n<html lang=\"" + escapedHtml(m_style.language)
                       + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + escapedHtml(title)
                       + "</title>\n<style>" + kStyle + (m_head.empty() ? "" : kGridStyle)
                       + "</style>\n</head>\n<body>\n<h1>" + escapedHtml(title) + "</h1>\n<p>"
                       + textHtml(m_style.phrase, Text::ReportIntroduction,
                                  {std::to_string(m_presses),
                                   "<span class=\"added\">"
                                           + textHtml(m_style.phrase, Text::ReportAdded) + "</span>",
                                   "<span class=\"removed\">"
                                           + textHtml(m_style.phrase, Text::ReportRemoved)
                                           + "</span>"})
                       + "</p>\n<p>"
                       + (m_differing == 0 ? textHtml(m_style.phrase, Text::CompareAgreed)
                                           : textHtml(m_style.phrase, Text::CompareSummary,
                                                      {std::to_string(m_differing),
                                                       std::to_string(m_presses),
                                                       std::to_string(m_firstDifference)}))
                       + "</p>\n<p>"
                       + textHtml(m_style.phrase, Text::ReportStart,
                                  {rows(m_start.s), rows(m_start.g), rows(m_start.space)})
                       + "</p>\n" + (m_names.empty() ? "" : "<p>" + m_names + "</p>\n");
    if (m_drawingCount > m_drawings.size()) {
        head += "<p class=\"none\">"
                + textHtml(m_style.phrase, Text::ReportDrawingsLeftOut,
                           {std::to_string(kMaxDiagrams), std::to_string(m_drawingCount)})
                + "</p>\n";
    }
    sink(head);
    std::uint64_t written = 0;
    for (std::size_t drawn = 0; drawn < m_drawings.size(); ++drawn) {
        const Drawing &drawing = m_drawings[drawn];
        m_sections.copy(written, drawing.offset, sink);
        written = drawing.offset;
        sink("<figure>\n" + (m_style.draw ? m_style.draw(drawing.dot) : renderSvg(drawing.dot))
             + "<figcaption>" + textHtml(m_style.phrase, Text::ReportDiagramCaption)
             + "</figcaption>\n</figure>\n");
        if (progress)
            progress(drawn + 1, m_drawings.size());
    }
    m_sections.copy(written, m_sections.size(), sink);
    sink("<section>\n<h2>" + textHtml(m_style.phrase, Text::ReportLearningDataHeading) + "</h2>\n");
    sink(m_head.empty()
                 ? "<ul class=\"rows\">"
                 : "<table class=\"grid\">\n<thead><tr>" + m_head + "</tr></thead>\n<tbody>");
    m_learningData.copy(0, m_learningData.size(), sink);
    if (m_entryEnds.empty())
        sink(m_head.empty()
                     ? "<li class=\"none\">" + textHtml(m_style.phrase, Text::ReportEmpty) + "</li>"
                     : "<tr>" + said(textHtml(m_style.phrase, Text::ReportEmpty), m_columns)
                               + "</tr>");
    sink(m_head.empty() ? "</ul>" : "</tbody></table>");
    sink("\n</section>\n</body>\n</html>\n");
    return error();
}

std::string LessonReport::html(const std::string &title)
{
    std::string page;
    write(title, [&](std::string_view part) { page += part; });
    return page;
}

} // namespace vspace
