#include "explanation.h"

#include "text_catalog.h"

#include <algorithm>

namespace vspace {

namespace {

// A row as a sentence quotes it: shortened when too long to read at a glance (the lists and the
// records hold it whole), each value in its own direction.
std::string quoted(const Row &row)
{
    return isolatedRow(row, kQuotedCharacters);
}

// A learning-data row as a sentence quotes it: its label at its end.
std::string quoted(const Example &example)
{
    return isolatedEntry(example.values, example.positive, kQuotedCharacters);
}

// The rows as a list; past `limit` rows (0 for none), the first ones and how many more.
// The rows named, up to `limit` of them (0: all); `count` of them in all, when more than those
// given.
std::string rowsListed(const std::vector<Row> &rows, const Phrase &phrase, std::size_t limit = 0,
                       std::size_t count = 0)
{
    std::vector<std::string> texts;
    for (std::size_t r = 0; r < rows.size() && (limit == 0 || r < limit); ++r)
        texts.push_back(quoted(rows[r]));
    count = std::max(count, rows.size());
    if (texts.size() == count)
        return listed(texts, phrase);
    std::string head;
    for (const std::string &text : texts)
        head += (head.empty() ? "" : ", ") + text;
    return format(phrase(Text::ListMore), {head, std::to_string(count - texts.size())});
}

std::string numbersListed(const std::vector<int> &numbers, const Phrase &phrase)
{
    std::vector<std::string> texts;
    for (const int number : numbers)
        texts.push_back(std::to_string(number));
    return listed(texts, phrase);
}

std::string said(const Phrase &phrase, Text text, std::initializer_list<std::string_view> values)
{
    return format(phrase(text), values);
}

// The attributes (numbered from 1) by their names, when every one of them has a name.
std::optional<std::string> namesListed(const std::vector<int> &attributes,
                                       const std::vector<std::string> &names, const Phrase &phrase)
{
    std::vector<std::string> named;
    for (const int a : attributes) {
        if (static_cast<std::size_t>(a) > names.size() || names[a - 1].empty())
            return std::nullopt;
        named.push_back(shortened(names[a - 1], kQuotedCharacters));
    }
    return listed(named, phrase);
}

} // namespace

std::string explainSpecific(const SpecificMove &s, const Phrase &phrase,
                            const std::vector<std::string> &names)
{
    if (s.replaced)
        return phrase(Text::ExplainSpecificReplaced);
    if (s.generalised.empty())
        return phrase(Text::ExplainSpecificUnchanged);
    if (const auto named = namesListed(s.generalised, names, phrase))
        return said(phrase,
                    s.generalised.size() == 1 ? Text::ExplainSpecificNamed
                                              : Text::ExplainSpecificNamedPlural,
                    {quoted(s.to), *named});
    return said(phrase,
                s.generalised.size() == 1 ? Text::ExplainSpecificAttribute
                                          : Text::ExplainSpecificAttributes,
                {quoted(s.to), numbersListed(s.generalised, phrase)});
}

namespace {

std::string explainStep(const StepRecord &step, const Phrase &phrase,
                        const std::vector<std::string> &names)
{
    std::string text = said(phrase, step.positive ? Text::ExplainPositive : Text::ExplainNegative,
                            {quoted(step.instance)});
    const auto add = [&](const std::string &sentence) { text += ' ' + sentence; };
    if (step.collapsed)
        return add(phrase(Text::ExplainCollapse)), text;
    if (step.generalBefore.empty() && step.generalAfter.empty())
        return add(phrase(Text::ExplainCollapsed)), text;
    for (const DropReason reason :
         {DropReason::RejectsPositive, DropReason::AcceptsNegative, DropReason::LessGeneral}) {
        std::vector<Row> rows;
        for (const DroppedRow &dropped : step.dropped) {
            if (dropped.reason == reason)
                rows.push_back(dropped.row);
        }
        const Text sentence = reason == DropReason::RejectsPositive ? Text::ExplainLosesRejecting
                              : reason == DropReason::AcceptsNegative
                                      ? Text::ExplainLosesAccepting
                                      : Text::ExplainLosesLessGeneral;
        if (!rows.empty())
            add(said(phrase, sentence, {rowsListed(rows, phrase)}));
    }
    if (!step.made.empty()) {
        std::vector<int> attributes;
        std::vector<Row> rows;
        for (const MadeRow &made : step.made) {
            if (std::find(attributes.begin(), attributes.end(), made.attribute) == attributes.end())
                attributes.push_back(made.attribute);
            rows.push_back(made.row);
        }
        std::sort(attributes.begin(), attributes.end());
        if (const auto named = namesListed(attributes, names, phrase))
            add(said(phrase, Text::ExplainGainsAtNamed, {*named, rowsListed(rows, phrase)}));
        else
            add(said(phrase,
                     attributes.size() == 1 ? Text::ExplainGainsAtAttribute
                                            : Text::ExplainGainsAtAttributes,
                     {numbersListed(attributes, phrase), rowsListed(rows, phrase)}));
    }
    add(explainSpecific(step.specific, phrase, names));
    const std::size_t rows = step.versionSpaceAfter.size();
    add(step.generalAfter.empty() ? phrase(Text::ExplainGeneralEmpty)
        : rows == 0               ? phrase(Text::ExplainNoVersionSpace)
        : rows == 1               ? phrase(Text::ExplainVersionSpaceOne)
                    : said(phrase, Text::ExplainVersionSpaceRows, {std::to_string(rows)}));
    for (const StepRecord &learnt : step.heldLearnt)
        add(phrase(Text::ExplainHeldLearnt) + ' ' + explainStep(learnt, phrase, names));
    return text;
}

std::string explainVote(const Prediction &vote, const Phrase &phrase)
{
    using A = Prediction::Answer;
    if (vote.answer == A::NothingLearnt)
        return phrase(Text::ExplainNoVote);
    if (vote.answer == A::NoConsistent)
        return phrase(Text::ExplainNothingConsistent);
    if (vote.voting == 1)
        return phrase(vote.accepting ? Text::ExplainVoteOneAccepts : Text::ExplainVoteOneRejects);
    return said(phrase,
                vote.answer == A::Positive   ? Text::ExplainVotePositive
                : vote.answer == A::Negative ? Text::ExplainVoteNegative
                                             : Text::ExplainVoteUndecided,
                {std::to_string(vote.accepting), std::to_string(vote.voting)});
}

std::string explainRefusal(const Refusal &refused, const Phrase &phrase)
{
    switch (refused.kind) {
    case Refusal::Kind::Duplicate:
        return said(phrase, Text::ExplainDuplicate,
                    {quoted(refused.instance), std::to_string(refused.repeats)});
    case Refusal::Kind::ExampleLimit:
        return said(phrase, Text::ExplainExampleLimit, {std::to_string(kMaxExamples)});
    case Refusal::Kind::GeneralLimit:
        return said(phrase, Text::ExplainGeneralLimit,
                    {std::to_string(refused.rowsNeeded), std::to_string(kTableRows)});
    case Refusal::Kind::VersionSpaceLimit:
        break;
    }
    return said(phrase, Text::ExplainVersionSpaceLimit,
                {std::to_string(refused.rowsNeeded), std::to_string(kTableRows)});
}

} // namespace

std::string listed(const std::vector<std::string> &items, const Phrase &phrase)
{
    std::string head;
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        head += (i ? ", " : "") + items[i];
    if (items.size() < 2)
        return items.empty() ? std::string() : items.front();
    return format(phrase(Text::ListAnd), {head, items.back()});
}

std::string explainPress(Button button, const PressOutcome &outcome, bool ignored,
                         const Phrase &phrase, const std::vector<std::string> &names)
{
    const StepRecord *held = std::get_if<StepRecord>(&outcome);
    if (ignored && held && held->held)
        return said(phrase, Text::ExplainHeld, {quoted(held->instance)});
    if (ignored)
        return phrase(Text::ExplainIgnored);
    if (const StepRecord *step = std::get_if<StepRecord>(&outcome))
        return explainStep(*step, phrase, names);
    if (const Refusal *refused = std::get_if<Refusal>(&outcome))
        return explainRefusal(*refused, phrase);
    if (const Prediction *vote = std::get_if<Prediction>(&outcome))
        return explainVote(*vote, phrase);
    switch (button) {
    case Button::GenText:
        return phrase(Text::ExplainGenText);
    case Button::Clear:
        return phrase(Text::ExplainClear);
    default:
        return phrase(Text::ExplainExit);
    }
}

std::string explainHistory(History step, bool ignored, const Phrase &phrase)
{
    if (step == History::Undo)
        return phrase(ignored ? Text::ExplainNothingToUndo : Text::ExplainUndo);
    return phrase(ignored ? Text::ExplainNothingToRedo : Text::ExplainRedo);
}

std::vector<std::string> explainDifference(const LearnerDifference &difference,
                                           const LearningState &program, const Phrase &phrase,
                                           const Prediction *programVote,
                                           const Prediction *textbookVote, std::size_t limit)
{
    std::vector<std::string> notes;
    if (difference.textbookCollapsed)
        notes.push_back(phrase(Text::CompareCollapse));
    const std::pair<const LearnerDifference::Lacked *, Text> lists[]
            = {{&difference.generalTextbookOnly, Text::CompareTextbookGeneral},
               {&difference.generalProgramOnly, Text::CompareProgramGeneral},
               {&difference.spaceTextbookOnly, Text::CompareTextbookSpace},
               {&difference.spaceProgramOnly, Text::CompareProgramSpace}};
    for (const auto &[rows, sentence] : lists) {
        if (rows->count)
            notes.push_back(
                    said(phrase, sentence, {rowsListed(rows->first, phrase, limit, rows->count)}));
    }
    for (const LearnerDifference::Contradiction &c : difference.contradictions) {
        if (limit && notes.size() >= 4 * limit)
            break;
        const Example example = program.examples.at(c.example);
        notes.push_back(said(phrase, Text::CompareContradiction,
                             {quoted(c.row), std::to_string(c.example), quoted(example)}));
    }
    if (programVote && textbookVote && programVote->answer != textbookVote->answer) {
        notes.push_back(
                said(phrase, Text::CompareVotes,
                     {std::to_string(textbookVote->accepting), std::to_string(textbookVote->voting),
                      std::to_string(programVote->accepting), std::to_string(programVote->voting)}));
    }
    return notes;
}

std::string isolated(std::string_view text)
{
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(text) : "\u2068" + std::string(text) + "\u2069";
}

std::string shortened(const std::string &text, std::size_t kept)
{
    // Bytes at each end, each end cut at a whole character.
    if (kept == 0 || text.size() <= 2 * kept + 1)
        return isolated(text);
    std::size_t head = kept, tail = text.size() - kept;
    while (head > 0 && (static_cast<unsigned char>(text[head]) & 0xC0) == 0x80)
        --head;
    while (tail < text.size() && (static_cast<unsigned char>(text[tail]) & 0xC0) == 0x80)
        ++tail;
    return isolated(std::string_view(text).substr(0, head)) + "\u2026"
           + isolated(std::string_view(text).substr(tail));
}

std::string isolatedEntry(const Row &values, bool positive, std::size_t kept)
{
    return isolatedRow(values, kept) + (positive ? ",+" : ",-");
}

std::string isolatedRow(const Row &row, std::size_t kept)
{
    const std::string text = rowText(row);
    if (kept > 0 && text.size() > 2 * kept + 1)
        return shortened(text, kept);
    std::string isolatedText;
    for (std::size_t a = 0; a < row.size(); ++a)
        isolatedText += (a == 0 ? "" : ",") + isolated(row[a].view());
    return isolatedText;
}

} // namespace vspace
