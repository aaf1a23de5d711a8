#include "lesson_report.h"

#include "explanation.h"
#include "session_format.h"

#include <algorithm>
#include <memory>

namespace vspace {

namespace {

std::string escapedHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool contains(const std::vector<Row> &rows, const Row &row)
{
    return std::any_of(rows.begin(), rows.end(), [&](const Row &r) { return sameRow(r, row); });
}

// One list of rows after a press, marking those it added and, struck through, those it removed;
// a list the press left as it was is said to be unchanged.
std::string rowsCell(const std::vector<Row> &before, const std::vector<Row> &after)
{
    if (before.size() == after.size()
        && std::equal(before.begin(), before.end(), after.begin(), sameRow))
        return "<p class=\"none\">(unchanged)</p>";
    std::string cell = "<ul class=\"rows\">";
    for (const Row &row : after)
        cell += (contains(before, row) ? "<li>" : "<li class=\"added\">")
                + escapedHtml(rowText(row)) + "</li>";
    for (const Row &row : before) {
        if (!contains(after, row))
            cell += "<li class=\"removed\">" + escapedHtml(rowText(row)) + "</li>";
    }
    return cell + (after.empty() ? "<li class=\"none\">(empty)</li></ul>" : "</ul>");
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
@media print { body { margin: 0; max-width: none; } }
)";

} // namespace

LessonReport::LessonReport(ReplaySession &session, const std::string &folder,
                           std::function<void(std::size_t)> progress)
    : m_session(session)
    , m_progress(std::move(progress))
    , m_start(boundaries())
    , m_before(m_start)
    , m_sections(folder)
    , m_learningData(folder)
{
    session.setPressObserver([this](ReplaySession::Moment moment, std::optional<Button> button,
                                    std::string_view name) {
        if (moment == ReplaySession::Moment::AfterPress)
            return pressed(button, name);
        const bool unseen = button == Button::Predict;
        m_typed = m_session.controls().values(unseen ? FieldRow::Unseen : FieldRow::Training);
    });
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

// How many rows a note on the learners' differences names; it says how many more there are.
constexpr std::size_t kNoteRows = 8;

std::string LessonReport::notes(std::optional<Button> button, std::string_view name)
{
    const Form &form = m_session.form();
    const auto english = [](Text text) { return std::string(vspace::english(text)); };
    const std::string explanation = button ? explainPress(*button, form.lastOutcome(), false,
                                                          english)
                                           : explainHistory(name == kUndoName ? History::Undo
                                                                              : History::Redo,
                                                            false, english);
    std::string notes = "<p class=\"explanation\">" + escapedHtml(explanation) + "</p>\n";
    const auto *programVote = std::get_if<Prediction>(&form.lastOutcome(Learner::Program));
    const auto *textbookVote = std::get_if<Prediction>(&form.lastOutcome(Learner::Textbook));
    std::vector<std::string> differences;
    if (programVote && textbookVote) {
        differences = explainDifference({}, form.state(), english, programVote, textbookVote);
    } else if (button != Button::Predict && button != Button::GenText && button != Button::Exit) {
        differences = explainDifference(m_comparison.compare(form.state(), form.textbook()),
                                        form.state(), english, nullptr, nullptr, kNoteRows);
    }
    if (differences.empty())
        return notes;
    if (m_firstDifference == 0)
        m_firstDifference = m_presses;
    ++m_differing;
    notes += "<div class=\"difference\"><p>The program's learner and the textbook learner "
             "differ:</p>\n<ul>";
    for (const std::string &difference : differences)
        notes += "<li>" + escapedHtml(difference) + "</li>";
    return notes + "</ul></div>\n";
}

std::string LessonReport::learningData()
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
    std::string added; // the one example a press added, marked
    const std::size_t known = m_entryEnds.size();
    for (std::size_t n = known + 1; n <= log.size(); ++n) {
        const Example example = log.at(n);
        const std::string entry = escapedHtml(learningDataEntry(example.values, example.positive));
        m_learningData.write("<li>" + entry + "</li>");
        m_entryEnds.push_back(m_learningData.size());
        added += "<li class=\"added\">" + entry + "</li>";
    }
    m_log = log;
    return (log.size() == known + 1 ? added : std::string()) + "<li class=\"none\">("
           + std::to_string(log.size()) + (log.size() == 1 ? " row" : " rows") + ")</li>";
}

void LessonReport::pressed(std::optional<Button> button, std::string_view name)
{
    const Boundaries after = boundaries();
    const bool training = button == Button::Positive || button == Button::Negative;
    std::string section = "<section>\n<h2>Press " + std::to_string(++m_presses) + ": "
                          + escapedHtml(name) + "</h2>\n";
    if (training || button == Button::Predict) {
        section += std::string("<p>") + (training ? "Training instance: " : "Unseen instance: ")
                   + "<code>" + escapedHtml(rowText(m_typed)) + "</code></p>\n";
    }
    for (const MemoryControls::Message &message : m_session.controls().messages())
        section += "<p class=\"message\">Message "
                   + escapedHtml(message.title + ": " + message.text) + "</p>\n";
    section += "<table>\n<tr><th>S (Specific)</th><td>" + rowsCell(m_before.s, after.s)
               + "</td></tr>\n<tr><th>G (General)</th><td>" + rowsCell(m_before.g, after.g)
               + "</td></tr>\n<tr><th>Version space</th><td>"
               + rowsCell(m_before.space, after.space)
               + "</td></tr>\n<tr><th>Learning data</th><td><ul class=\"rows\">" + learningData()
               + "</ul></td></tr>\n</table>\n" + notes(button, name);
    if (after != m_before && after.g.empty()) {
        section += "<p class=\"none\">G is empty: no hypothesis is consistent with the learning "
                   "data.</p>\n";
        m_sections.write(section);
    } else {
        m_sections.write(section);
        if (after != m_before) {
            ++m_drawingCount;
            if (m_drawings.size() == kMaxDiagrams)
                m_drawings.pop_front();
            m_drawings.push_back(
                    {m_sections.size(), GeneralityGraph(after.s, after.g, after.space).dot()});
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
    const auto rows = [](const std::vector<Row> &rows) {
        std::string text;
        for (const Row &row : rows)
            text += (text.empty() ? "<code>" : ", <code>") + escapedHtml(rowText(row)) + "</code>";
        return text.empty() ? std::string("empty") : text;
    };
    std::string head
            = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
              + escapedHtml(title) + "</title>\n<style>" + kStyle
              + "</style>\n</head>\n<body>\n<h1>" + escapedHtml(title) + "</h1>\n<p>"
              + std::to_string(m_presses)
              + " presses. After each: S, the specific boundary; G, the general boundary; "
                "the version space between them; the example added to the learning data, "
                "which is listed whole at the end. <span class=\"added\">Added</span> and "
                "<span class=\"removed\">removed</span> rows are marked. The version space "
                "is drawn after each press that changed it. Each press is explained, and where "
                "the program's learner and the textbook learner differ, a note says how.</p>\n"
                "<p>"
              + escapedHtml(m_differing == 0 ? std::string(english(Text::CompareAgreed))
                                             : format(english(Text::CompareSummary),
                                                      {std::to_string(m_differing),
                                                       std::to_string(m_presses),
                                                       std::to_string(m_firstDifference)}))
              + "</p>\n<p>At the start, S is " + rows(m_start.s) + ", G is " + rows(m_start.g)
              + " and the version space is " + rows(m_start.space) + ".</p>\n";
    if (m_drawingCount > m_drawings.size()) {
        head += "<p class=\"none\">For length, only the last " + std::to_string(kMaxDiagrams)
                + " of the " + std::to_string(m_drawingCount)
                + " drawings are drawn; the earlier ones are left out.</p>\n";
    }
    sink(head);
    std::uint64_t written = 0;
    for (std::size_t drawn = 0; drawn < m_drawings.size(); ++drawn) {
        const Drawing &drawing = m_drawings[drawn];
        m_sections.copy(written, drawing.offset, sink);
        written = drawing.offset;
        sink("<figure>\n" + renderSvg(drawing.dot)
             + "<figcaption>Each hypothesis of S (green), G (yellow) and the version space, "
               "joined to those directly more general than it.</figcaption>\n</figure>\n");
        if (progress)
            progress(drawn + 1, m_drawings.size());
    }
    m_sections.copy(written, m_sections.size(), sink);
    sink("<section>\n<h2>The learning data at the end</h2>\n<ul class=\"rows\">");
    m_learningData.copy(0, m_learningData.size(), sink);
    if (m_entryEnds.empty())
        sink("<li class=\"none\">(empty)</li>");
    sink("</ul>\n</section>\n</body>\n</html>\n");
    return error();
}

std::string LessonReport::html(const std::string &title)
{
    std::string page;
    write(title, [&](std::string_view part) { page += part; });
    return page;
}

} // namespace vspace
