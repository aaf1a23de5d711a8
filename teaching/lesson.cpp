#include "lesson.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace vspace {

namespace {

// The places in `after` of the rows that `before` lacks; looked up by hash where both are long
// (a textbook version space of thousands of rows).
std::vector<std::size_t> addedTo(const Rows &before, const Rows &after)
{
    constexpr std::size_t kLooked = 64; // rows of `before` searched one by one
    std::optional<std::unordered_set<Row, RowHash>> known;
    if (before.size() > kLooked && after.size() > kLooked)
        known.emplace(before.begin(), before.end());
    std::vector<std::size_t> added;
    for (std::size_t r = 0; r < after.size(); ++r) {
        if (known ? !known->contains(after[r]) : !before.contains(after[r]))
            added.push_back(r);
    }
    return added;
}

} // namespace

Lesson lessonOf(std::optional<Button> button, std::optional<History> history,
                const PressOutcome &outcome, bool ignored, bool textbook, const Phrase &phrase,
                const std::vector<std::string> &names)
{
    Lesson lesson;
    lesson.sentence = sentenceOf(button, history, outcome, ignored, phrase, names);
    const StepRecord *step = ignored ? nullptr : std::get_if<StepRecord>(&outcome);
    if (!step)
        return lesson;
    // The first positive example with the negative ones held learnt after it: what all of it added.
    const StepRecord &last = step->heldLearnt.empty() ? *step : step->heldLearnt.back();
    lesson.added[0] = addedTo(step->generalBefore, last.generalAfter);
    if (!(textbook && (step->collapsed || last.collapsed))
        && !sameRow(step->specific.from, step->specific.to))
        lesson.added[1] = {0};
    lesson.added[2] = addedTo(step->versionSpaceBefore, last.versionSpaceAfter);
    return lesson;
}

std::string sentenceOf(std::optional<Button> button, std::optional<History> history,
                       const PressOutcome &outcome, bool ignored, const Phrase &phrase,
                       const std::vector<std::string> &names)
{
    return button ? explainPress(*button, outcome, ignored, phrase, names)
                  : explainHistory(history.value_or(History::Undo), ignored, phrase);
}

std::string sentenceOfExample(std::string sentence, const std::string &example, const Phrase &phrase)
{
    return example.empty() ? sentence : format(phrase(Text::ExampleStep), {example, sentence});
}

std::vector<std::string> DifferenceNotes::after(const Form &form, const Phrase &phrase)
{
    std::vector<std::string> notes = explainDifference(m_comparison.compare(form.state(),
                                                                            form.textbook()),
                                                       form.state(), phrase, nullptr, nullptr,
                                                       kDifferenceRows);
    const auto *programVote = std::get_if<Prediction>(&form.lastOutcome(Learner::Program));
    const auto *textbookVote = std::get_if<Prediction>(&form.lastOutcome(Learner::Textbook));
    if (programVote && textbookVote) {
        for (std::string &vote :
             explainDifference({}, form.state(), phrase, programVote, textbookVote))
            notes.push_back(std::move(vote));
    }
    return notes;
}

} // namespace vspace
