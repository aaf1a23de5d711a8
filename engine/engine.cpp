#include "engine.h"

#include "export_file.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

namespace vspace {

namespace {

const std::string &anyValue()
{
    static const std::string value(kAnyValue);
    return value;
}

Row mostGeneralRow()
{
    Row row;
    row.fill(anyValue());
    return row;
}

// Raises a 16-bit counter; the callers refuse a step before it could pass `limit`.
void raise(std::int16_t &counter, std::int16_t limit)
{
    if (counter >= limit)
        throw std::overflow_error("counter would pass its limit");
    ++counter;
}

bool containsRow(const HypothesisTable &table, int count, const Row &row)
{
    for (int r = 1; r <= count; ++r) {
        if (sameRow(table.row(r), row))
            return true;
    }
    return false;
}

// The generalisation rule: a value of S that the positive instance does not share becomes "?".
void generalise(Row &specific, const Row &instance)
{
    for (int a = 0; a < kAttributeCount; ++a) {
        if (specific[a] != kAnyValue && specific[a] != instance[a])
            specific[a] = anyValue();
    }
}

// The rows that the negative instance `x` adds to G. One scan per attribute at which S rules x
// out (S holds a value there other than "?" and other than x's): the new row holds "?" before
// that attribute, S's value at it, and after it the values of the row before it in G (all "?"
// when G is empty). A working row that ends all "?" is withdrawn, and one that repeats a row of
// G or a row this call added is not added again.
std::vector<Row> specialisations(const EngineState &state, const Row &x)
{
    const Row &s = state.specific.row(state.specificCount);
    const int entryCount = state.generalCount;
    std::vector<Row> added;
    const Row emptyBefore = mostGeneralRow();
    auto rowBefore = [&]() -> const Row & {
        if (!added.empty())
            return added.back();
        return entryCount >= 1 ? state.general.row(entryCount) : emptyBefore;
    };

    int p = 1; // scan position
    while (p <= kAttributeCount) {
        Row work = mostGeneralRow();
        bool found = false;
        for (int a = p; a <= kAttributeCount && !found; ++a) {
            const std::string &sa = s[a - 1];
            if (x[a - 1] == sa || sa == kAnyValue)
                continue;
            work[a - 1] = sa;
            found = true;
            const Row &before = rowBefore();
            for (int b = a + 1; b <= kAttributeCount; ++b)
                work[b - 1] = before[b - 1];
            p = a + 1;
        }
        if (!found)
            p = kAttributeCount + 1;
        if (isMostGeneral(work))
            continue; // withdrawn
        if (containsRow(state.general, entryCount, work)
            || std::find(added.begin(), added.end(), work) != added.end())
            continue;
        added.push_back(std::move(work));
    }
    return added;
}

// True when `candidate` equals `g` with the value at attribute index `a` replaced by `value`.
bool equalsSubstituted(const Row &candidate, const Row &g, int a, const std::string &value)
{
    for (int b = 0; b < kAttributeCount; ++b) {
        if (!sameValue(candidate[b], b == a ? value : g[b]))
            return false;
    }
    return true;
}

// Writes into `table`, from row 1 on, the distinct rows one step from each of the `count` G
// rows towards S: for every attribute at which a G row differs from S, that row with S's value
// there. A candidate that repeats one already written is dropped at once. A G row equal to S is
// copied into the row after those written so far, where it survives only if no row is written
// after it. Returns the number of rows written, at least 1, or 0 when a 31st distinct row would
// be needed.
int generateCandidates(int count, const std::function<const Row &(int)> &general, const Row &s,
                       HypothesisTable &table)
{
    int next = 1;
    for (int i = 1; i <= count; ++i) {
        const Row &g = general(i);
        bool differs = false;
        for (int a = 0; a < kAttributeCount; ++a) {
            if (sameValue(g[a], s[a]))
                continue;
            differs = true;
            bool repeated = false;
            for (int r = 1; r < next && !repeated; ++r)
                repeated = equalsSubstituted(table.row(r), g, a, s[a]);
            if (repeated)
                continue;
            if (next > kTableRows)
                return 0;
            Row &candidate = table.row(next);
            candidate = g;
            candidate[a] = s[a];
            ++next;
        }
        if (!differs && next <= kTableRows)
            table.row(next) = g;
    }
    return std::max(next - 1, 1);
}

} // namespace

std::size_t Engine::RowHash::operator()(const Row &row) const noexcept
{
    std::size_t seed = 0;
    for (const std::string &value : row)
        seed ^= std::hash<std::string>{}(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}

Engine::Engine(Controls &controls, ExportFile &exportFile)
    : m_controls(controls)
    , m_exportFile(exportFile)
{
    start();
}

bool Engine::press(Button button)
{
    if (!m_controls.enabled(button))
        return false;
    switch (button) {
    case Button::Positive:
        train(true);
        break;
    case Button::Negative:
        train(false);
        break;
    case Button::Predict:
        predict();
        break;
    case Button::GenText:
        exportVersionSpace();
        break;
    case Button::Exit:
        m_controls.close();
        break;
    case Button::Clear:
        clear();
        break;
    }
    return true;
}

void Engine::keyPress(Field field, int key)
{
    if (key != kEnterKey)
        return;
    if (field.index < kFieldCount)
        selectAllAndFocus({field.row, field.index + 1});
    else
        m_controls.setFocus(field.row == FieldRow::Training ? Button::Positive : Button::Predict);
}

void Engine::setState(const EngineState &state)
{
    m_state = state;
    const auto redraw = [this](List list, const HypothesisTable &table, int count) {
        m_controls.clear(list);
        for (int r = 1; r <= count; ++r)
            m_controls.append(list, rowText(table.row(r)));
    };
    redraw(List::General, m_state.general, m_state.generalCount);
    redraw(List::Specific, m_state.specific, m_state.specificCount);
    redraw(List::VersionSpace, m_state.versionSpace, m_state.versionSpaceCount);
    m_controls.setEnabled(Button::Negative, m_state.exampleCount > 1);
}

Row Engine::instance(FieldRow row) const
{
    Row values;
    for (int a = 1; a <= kAttributeCount; ++a)
        values[a - 1] = m_controls.text({row, a});
    return values;
}

void Engine::selectAllAndFocus(Field field)
{
    m_controls.setSelection(field, 0, utf16Length(m_controls.text(field)));
    m_controls.setFocus(field);
}

void Engine::showMessage(Text text, Text title)
{
    m_controls.messageBox(m_controls.phrase(text), m_controls.phrase(title));
}

void Engine::start()
{
    for (int a = 1; a <= kAttributeCount; ++a) {
        m_state.general.at(1, a) = kAnyValue;
        m_state.specific.at(1, a) = kNoValue;
    }
    m_controls.append(List::General, rowText(m_state.general.row(1)));
    m_controls.append(List::Specific, rowText(m_state.specific.row(1)));
    m_state.specificCount = 1;
    m_state.exampleCount = 1;
    m_state.generalCount = 1;
    m_controls.setEnabled(Button::Negative, false);
}

void Engine::clear()
{
    for (int i = 1; i <= kFieldCount; ++i) {
        m_controls.setText({FieldRow::Training, i}, {});
        m_controls.setText({FieldRow::Unseen, i}, {});
    }
    for (const List list : {List::General, List::Specific, List::LearningData, List::VersionSpace})
        m_controls.clear(list);
    m_learnt.clear();
    m_state.versionSpaceCount = 0;
    start();
}

void Engine::train(bool positive)
{
    const Row x = instance(FieldRow::Training);
    if (m_learnt.contains(x)) {
        showMessage(Text::DuplicatePrompt, Text::DuplicateTitle);
        clearTraining();
        return;
    }
    if (const std::optional<Text> limit = limitReached(positive, x)) {
        // Refused whole: nothing changes, and the fields keep what was typed.
        showMessage(*limit, Text::CannotLearnTitle);
        return;
    }
    m_state.isPositive = positive;
    recordExample(x);
    updateSpecific(x);
    specialiseGeneral(x);
    if (!positive)
        removeInconsistentGeneral(x);
    enumerateVersionSpace();
    selectAllAndFocus({FieldRow::Training, 1});
    if (positive)
        m_controls.setEnabled(Button::Negative, true);
    clearTraining();
}

std::optional<Text> Engine::limitReached(bool positive, const Row &x)
{
    if (m_state.exampleCount >= kMaxExampleCount)
        return Text::ExampleLimitPrompt;

    // S as this example would leave it.
    Row s = m_state.specific.row(m_state.specificCount);
    std::array<const Row *, kTableRows> general{};
    int count = 0;
    // G as the step leaves it: the rows on entry consistent with the example, then, for a
    // negative example, the new rows.
    for (int r = 1; r <= m_state.generalCount; ++r) {
        if (accepts(m_state.general.row(r), x) == positive)
            general[static_cast<std::size_t>(count++)] = &m_state.general.row(r);
    }
    std::vector<Row> added;
    if (positive) {
        if (m_state.exampleCount == 1)
            s = x;
        else
            generalise(s, x);
    } else {
        added = specialisations(m_state, x);
        if (count + static_cast<int>(added.size()) > kTableRows)
            return Text::GeneralLimitPrompt;
        for (const Row &row : added)
            general[static_cast<std::size_t>(count++)] = &row;
    }
    if (count == 0 || isMostGeneral(*general[0]))
        return std::nullopt; // no enumeration runs
    const auto row = [&](int i) -> const Row & { return *general[static_cast<std::size_t>(i - 1)]; };
    if (generateCandidates(count, row, s, m_limitScratch) == 0)
        return Text::VersionSpaceLimitPrompt;
    return std::nullopt;
}

void Engine::recordExample(const Row &x)
{
    m_controls.append(List::LearningData, rowText(x) + (m_state.isPositive ? ",+" : ",-"));
    m_learnt.insert(x);
}

// A positive example first drops the G rows that reject it, then generalises S just enough to
// accept it (the first example since the initial state replaces S). Every example is counted.
void Engine::updateSpecific(const Row &x)
{
    if (m_state.isPositive) {
        removeInconsistentGeneral(x);
        Row &s = m_state.specific.row(m_state.specificCount);
        if (m_state.exampleCount == 1)
            s = x;
        else
            generalise(s, x);
        m_controls.clear(List::Specific);
        m_controls.append(List::Specific, rowText(s));
    }
    raise(m_state.exampleCount, kMaxExampleCount);
}

// A negative example adds to G the rows one step more specific than G that reject it. They come
// from G as it stands on entry, but the rows the instance rules out leave the table before the
// new rows are placed, so that G never needs a row more than it keeps. The General list is
// redrawn by removeInconsistentGeneral, which the step calls next.
void Engine::specialiseGeneral(const Row &x)
{
    if (m_state.isPositive)
        return;
    std::vector<Row> added = specialisations(m_state, x);
    pruneGeneral(x);
    for (Row &row : added) {
        raise(m_state.generalCount, kTableRows);
        m_state.general.row(m_state.generalCount) = std::move(row);
    }
}

// Drops the G rows inconsistent with the example `x` labelled as isPositive says: for a
// positive example those that reject it, for a negative one those that accept it.
void Engine::pruneGeneral(const Row &x)
{
    int r = 1;
    while (r <= m_state.generalCount) {
        if (accepts(m_state.general.row(r), x) != m_state.isPositive) {
            for (int i = r; i < m_state.generalCount; ++i)
                m_state.general.row(i) = m_state.general.row(i + 1);
            --m_state.generalCount;
        } else {
            ++r;
        }
    }
}

void Engine::removeInconsistentGeneral(const Row &x)
{
    pruneGeneral(x);
    m_controls.clear(List::General);
    for (int k = 1; k <= m_state.generalCount; ++k)
        m_controls.append(List::General, rowText(m_state.general.row(k)));
}

// The version space, rebuilt from G and S: the distinct rows one step from each G row towards
// S. While G's first row is all "?" there is none yet; with no row left in G no hypothesis is
// consistent with the examples and there is none either.
void Engine::enumerateVersionSpace()
{
    m_controls.clear(List::VersionSpace);
    if (m_state.generalCount == 0 || isMostGeneral(m_state.general.row(1))) {
        m_state.versionSpaceCount = 0;
        return;
    }
    const auto row = [this](int i) -> const Row & { return m_state.general.row(i); };
    const int count = generateCandidates(m_state.generalCount, row, m_state.specific.row(1),
                                         m_state.candidates);
    if (count == 0)
        throw std::length_error("the version space needs more than 30 rows");
    int kept = 0;
    for (int r = 1; r <= count; ++r) {
        const Row &candidate = m_state.candidates.row(r);
        if (r == 1 || !containsRow(m_state.versionSpace, kept, candidate))
            m_state.versionSpace.row(++kept) = candidate;
    }
    for (int q = 1; q <= kept; ++q)
        m_controls.append(List::VersionSpace, rowText(m_state.versionSpace.row(q)));
    m_state.versionSpaceCount = static_cast<std::int16_t>(kept);
}

void Engine::clearTraining()
{
    for (int i = 1; i <= kFieldCount; ++i)
        m_controls.setText({FieldRow::Training, i}, {});
}

// Every version-space row votes on the unseen instance; only a unanimous vote is an answer.
void Engine::predict()
{
    if (m_state.versionSpaceCount == 0) {
        showMessage(m_state.generalCount == 0 ? Text::NoConsistentPrompt : Text::NothingLearntPrompt,
                    Text::CannotPredictTitle);
    } else {
        const Row x = instance(FieldRow::Unseen);
        int accepting = 0;
        for (int i = 1; i <= m_state.versionSpaceCount; ++i)
            accepting += accepts(m_state.versionSpace.row(i), x) ? 1 : 0;
        showMessage(accepting == m_state.versionSpaceCount ? Text::PositivePrompt
                    : accepting == 0                       ? Text::NegativePrompt
                                                           : Text::UndecidedPrompt,
                    Text::ResultTitle);
    }
    m_controls.setFocus(Field{FieldRow::Unseen, 1});
}

void Engine::exportVersionSpace()
{
    if (const std::optional<ExportFailure> failure = m_exportFile.replace(
                hypothesisFileBytes(m_state))) {
        const std::string reason = format(m_controls.phrase(failure->reason), {failure->argument});
        m_controls.messageBox(format(m_controls.phrase(Text::ExportFailedPrompt),
                                     {m_exportFile.path(), reason}),
                              m_controls.phrase(Text::TextFileTitle));
    } else {
        showMessage(Text::ExportedPrompt, Text::TextFileTitle);
    }
}

} // namespace vspace
