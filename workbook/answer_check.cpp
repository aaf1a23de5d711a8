#include "answer_check.h"

#include "text_catalog.h"

#include <algorithm>

namespace vspace {

namespace {

bool holds(const std::vector<Row> &rows, const Row &row)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// The step and the negative examples held and learnt right after it: where a row was dropped or
// made, it was in one of them.
std::vector<const StepRecord *> stepsOf(const StepRecord &record)
{
    std::vector<const StepRecord *> steps{&record};
    for (const StepRecord &learnt : record.heldLearnt)
        steps.push_back(&learnt);
    return steps;
}

class Checker
{
public:
    Checker(const StepExercise &exercise, const Phrase &phrase,
            const std::vector<std::string> &names)
        : m_exercise(exercise)
        , m_phrase(phrase)
        , m_names(names)
    {}

    // Marks `written` against `expected`, and explains the first mistake with `wrong` (a row
    // written that is not there) or `missing` (a row not written).
    template<typename Wrong, typename Missing>
    CheckedList check(const std::vector<Row> &written, const std::vector<Row> &expected,
                      Wrong wrong, Missing missing, std::string &mistake) const
    {
        CheckedList checked;
        std::vector<Row> seen;
        for (const Row &row : written) {
            const bool twice = holds(seen, row);
            const bool right = !twice && holds(expected, row);
            checked.marks.push_back(right ? RowMark::Right : RowMark::Wrong);
            if (!right && mistake.empty())
                mistake = twice ? said(Text::ExerciseTwice, row) : wrong(row);
            seen.push_back(row);
        }
        for (const Row &row : expected) {
            if (holds(seen, row))
                continue;
            ++checked.missing;
            if (mistake.empty())
                mistake = missing(row);
        }
        return checked;
    }

    // Why S is not `row`, or what S becomes: the sentence of the step's move of S.
    std::string specificMistake(const std::optional<Row> &row) const
    {
        const StepRecord &record = m_exercise.record;
        const std::string move = record.collapsed
                                         ? m_phrase(Text::ExplainCollapse)
                                         : explainSpecific(record.specific, m_phrase, m_names);
        return row ? said(Text::ExerciseNotSpecific, *row) + ' ' + move : move;
    }

    // Why a row written for G is not in it.
    std::string generalWrong(const Row &row) const
    {
        for (const StepRecord *step : stepsOf(m_exercise.record)) {
            for (const DroppedRow &dropped : step->dropped) {
                if (dropped.row == row)
                    return said(dropped.reason == DropReason::RejectsPositive
                                        ? Text::ExerciseLeavesRejecting
                                : dropped.reason == DropReason::AcceptsNegative
                                        ? Text::ExerciseLeavesAccepting
                                        : Text::ExerciseLeavesLessGeneral,
                                row);
            }
        }
        if (m_exercise.record.collapsed)
            return m_phrase(Text::ExplainCollapse);
        const bool accepted = row.size() == m_exercise.instance.size()
                              && accepts(row, m_exercise.instance);
        if (m_exercise.positive && !accepted)
            return said(Text::ExerciseNotMadeRejecting, row);
        if (!m_exercise.positive && accepted)
            return said(Text::ExerciseNotMadeAccepting, row);
        return said(Text::ExerciseNotMade, row);
    }

    // Why a row of G that was not written is there: it stays, or where it comes from.
    std::string generalMissing(const Row &row) const
    {
        if (holds(m_exercise.generalBefore, row)) {
            const bool accepted = accepts(row, m_exercise.instance);
            if (m_exercise.positive == accepted)
                return said(accepted ? Text::ExerciseStaysAccepting : Text::ExerciseStaysRejecting,
                            row);
            return said(Text::ExerciseInGeneral, row);
        }
        for (const StepRecord *step : stepsOf(m_exercise.record)) {
            for (std::size_t m = 0; m < step->made.size(); ++m) {
                const MadeRow &made = step->made[m];
                if (made.row != row)
                    continue;
                const Row source = made.source == MadeRow::kMadeBefore && m > 0
                                           ? step->made[m - 1].row
                                   : made.source > 0
                                                   && static_cast<std::size_t>(made.source)
                                                              <= step->generalBefore.size()
                                           ? step->generalBefore[made.source - 1]
                                           : mostGeneralRow(row.size());
                const std::size_t a = static_cast<std::size_t>(made.attribute);
                const std::string attribute = a >= 1 && a <= m_names.size()
                                                              && !m_names[a - 1].empty()
                                                      ? shortened(m_names[a - 1], kQuotedCharacters)
                                                      : format(m_phrase(Text::ExerciseAttribute),
                                                               {std::to_string(a)});
                return format(m_phrase(Text::ExerciseComesFrom),
                              {quoted(row), quoted(source),
                               shortened(made.value.str(), kQuotedCharacters), attribute});
            }
        }
        return said(Text::ExerciseInGeneral, row);
    }

private:
    static std::string quoted(const Row &row) { return isolatedRow(row, kQuotedCharacters); }
    std::string said(Text text, const Row &row) const
    {
        return format(m_phrase(text), {quoted(row)});
    }

    const StepExercise &m_exercise;
    const Phrase &m_phrase;
    const std::vector<std::string> &m_names;
};

} // namespace

std::optional<StepExercise> stepExercise(const LearningState &program,
                                         const TextbookState &textbook, Learner learner,
                                         const Row &instance, bool positive)
{
    // An example the program's learner refuses is refused for both.
    std::variant<Step, Refusal> programStep = train(program, instance, positive);
    Step *taken = std::get_if<Step>(&programStep);
    if (!taken)
        return std::nullopt;
    StepExercise exercise{.learner = learner, .instance = instance, .positive = positive};
    if (learner == Learner::Program) {
        exercise.specificBefore = {program.specific};
        exercise.generalBefore = program.general.all();
        exercise.specificAfter = {taken->state.specific};
        exercise.generalAfter = taken->state.general.all();
        exercise.record = std::move(taken->record);
        return exercise;
    }
    if (textbook.collapsed)
        return std::nullopt;
    std::variant<TextbookStep, Refusal> step = trainTextbook(textbook, instance, positive);
    TextbookStep *learnt = std::get_if<TextbookStep>(&step);
    if (!learnt || learnt->record.held)
        return std::nullopt;
    exercise.specificBefore = textbook.specificRows().all();
    exercise.generalBefore = textbook.general.all();
    exercise.specificAfter = learnt->state.specificRows().all();
    exercise.generalAfter = learnt->state.general.all();
    exercise.record = std::move(learnt->record);
    return exercise;
}

CheckedAnswer checkAnswer(const StepExercise &exercise, const std::vector<Row> &specific,
                          const std::vector<Row> &general, const Phrase &phrase,
                          const std::vector<std::string> &names)
{
    const Checker checker(exercise, phrase, names);
    CheckedAnswer answer;
    answer.specific = checker.check(
            specific, exercise.specificAfter,
            [&](const Row &row) { return checker.specificMistake(row); },
            [&](const Row &) { return checker.specificMistake(std::nullopt); }, answer.mistake);
    answer.general = checker.check(
            general, exercise.generalAfter,
            [&](const Row &row) { return checker.generalWrong(row); },
            [&](const Row &row) { return checker.generalMissing(row); }, answer.mistake);
    return answer;
}

} // namespace vspace
