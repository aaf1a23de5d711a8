#include "worksheet.h"

#include "explanation.h"
#include "html.h"
#include "session_format.h"
#include "text_catalog.h"

namespace vspace {

namespace {

// Rows as a list of HTML, each isolated from the text around it.
std::string rowList(const std::vector<Row> &rows)
{
    std::string list = "<ul>";
    for (const Row &row : rows)
        list += "<li>" + escapedHtml(isolatedRow(row)) + "</li>";
    return list + "</ul>";
}

constexpr std::string_view kStyle
        = R"(body { font: 12pt/1.4 serif; max-width: 50em; margin: 2em auto; }
table { border-collapse: collapse; margin: 0.3em 0; }
th, td { border: 1px solid #888; padding: 0.15em 0.5em; }
.box { border: 1px solid #000; min-height: 3em; margin: 0.2em 0 0.8em; }
.box.vote { min-height: 1.6em; }
ol > li { break-inside: avoid; margin-bottom: 1em; }
.key { break-before: page; }
@page { margin: 15mm; }
@media print { body { margin: 0; max-width: none; } }
)";

} // namespace

Worksheet::Worksheet(ReplaySession &session, Phrase phrase)
    : m_session(session)
    , m_phrase(phrase ? std::move(phrase) : englishPhrase())
{
    session.addPressObserver([this](ReplaySession::Moment moment, std::optional<Button> button,
                                    std::string_view name) {
        if (moment == ReplaySession::Moment::BeforePress)
            m_typed = m_session.valuesFor(button);
        else if (moment != ReplaySession::Moment::BeforeTyping)
            pressed(button, name);
    });
}

void Worksheet::pressed(std::optional<Button> button, std::string_view name)
{
    ++m_presses;
    if (button == Button::GenText || button == Button::Exit)
        return;
    Question question;
    question.heading = textHtml(m_phrase, Text::ReportPress,
                                {std::to_string(m_presses), escapedHtml(name)});
    if (!m_session.exampleName().empty())
        question.heading += " (" + escapedHtml(isolated(m_session.exampleName())) + ")";
    const bool training = button == Button::Positive || button == Button::Negative;
    question.predict = button == Button::Predict;
    if (training || question.predict) {
        const AttributeNames &names = m_session.attributeNames();
        std::string head = "<tr>", values = "<tr>";
        for (std::size_t a = 0; a < m_typed.size(); ++a) {
            const std::string named = a < names.size() && !names[a].empty()
                                              ? escapedHtml(names[a])
                                              : textHtml(m_phrase, Text::AttributeName,
                                                         {std::to_string(a + 1)});
            head += "<th scope=\"col\">" + named + "</th>";
            values += "<td>" + escapedHtml(m_typed[a].str()) + "</td>";
        }
        head += "<th scope=\"col\">" + textHtml(m_phrase, Text::ReportLabel) + "</th></tr>";
        values += std::string("<td>")
                  + (question.predict                         ? "?"
                     : training && button == Button::Positive ? "+"
                                                              : "-")
                  + "</td></tr>";
        question.instance = "<table>" + head + values + "</table>";
    }
    for (const MemoryControls::Message &message : m_session.controls().messages())
        question.answer += "<p>" + escapedHtml(message.title + ": " + message.text) + "</p>";
    // S and G as each learner has them: the key is the learner's shown at the end.
    if (!question.predict) {
        const Form &form = m_session.form();
        const auto boundaries = [&](const std::vector<Row> &s, const std::vector<Row> &g) {
            return "<p>" + textHtml(m_phrase, Text::ReportSpecific) + "</p>" + rowList(s) + "<p>"
                   + textHtml(m_phrase, Text::ReportGeneral) + "</p>" + rowList(g);
        };
        question.boundaries = {boundaries({form.state().specific}, form.state().general.all()),
                               boundaries(form.textbook().specificRows().all(),
                                          form.textbook().general.all())};
    }
    m_questions.push_back(std::move(question));
}

std::string Worksheet::html(const std::string &title, std::string_view language) const
{
    const std::string heading = textHtml(m_phrase, Text::WorksheetTitle, {escapedHtml(title)});
    const bool textbook = m_session.form().shownLearner() == Learner::Textbook;
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + escapedHtml(language)
                       + "\">\n<head>\n<meta charset=\"utf-8\">\n"
                         "<title>"
                       + heading + "</title>\n<style>\n" + std::string(kStyle)
                       + "</style>\n</head>\n<body>\n<h1>" + heading + "</h1>\n<p>"
                       + textHtml(m_phrase, textbook ? Text::WorksheetTextbookIntroduction
                                                     : Text::WorksheetProgramIntroduction)
                       + "</p>\n<ol>\n";
    for (const Question &question : m_questions) {
        page += "<li><p>" + question.heading + "</p>" + question.instance;
        if (question.predict)
            page += "<p>" + textHtml(m_phrase, Text::WorksheetPredictQuestion)
                    + "</p><div class=\"box vote\"></div>";
        else if (!question.instance.empty())
            page += "<p>" + textHtml(m_phrase, Text::ReportSpecific)
                    + "</p><div class=\"box\"></div><p>" + textHtml(m_phrase, Text::ReportGeneral)
                    + "</p><div class=\"box\"></div>";
        page += "</li>\n";
    }
    page += "</ol>\n<section class=\"key\">\n<h2>" + textHtml(m_phrase, Text::WorksheetKeyHeading)
            + "</h2>\n<ol>\n";
    for (const Question &question : m_questions)
        page += "<li><p>" + question.heading + "</p>" + question.answer
                + question.boundaries[textbook ? 1 : 0] + "</li>\n";
    return page + "</ol>\n</section>\n</body>\n</html>\n";
}

} // namespace vspace
