#include "engine.h"

#include "controls.h"
#include "export_file.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

namespace vspace {

namespace {

constexpr std::int16_t kEnterKey = 13;

constexpr const char *kDuplicatePrompt = "Duplicate Data";
constexpr const char *kDuplicateTitle = "Data not correct";
constexpr const char *kLimitTitle = "Cannot Learn";
constexpr const char *kGeneralLimitPrompt
    = "This example was not learnt: the General boundary would need more than 30 rows.";
constexpr const char *kSpaceLimitPrompt
    = "This example was not learnt: the Version Space would need more than 30 rows.";
constexpr const char *kExampleLimitPrompt
    = "This example was not learnt: no more than 32766 examples can be learnt. "
      "Press Clear to start again.";
constexpr const char *kPredictTitle = "Cannot Predict";
constexpr const char *kNothingLearntPrompt
    = "Please input Data to Learning Before Predicting Unseen Data";
constexpr const char *kNoConsistentPrompt = "No hypothesis is consistent with the learning data";
constexpr const char *kResultTitle = "Result";
constexpr const char *kPositivePrompt = "Your Data is Positive , Result is +";
constexpr const char *kNegativePrompt = "Your Data is Negative ,Result is -";
constexpr const char *kUndecidedPrompt = "I can't Predict It ,Result is 0";
constexpr const char *kExportTitle = "Text File";
constexpr const char *kExportedPrompt = "Your TextFile Generate in Desktop is Hypothesis.txt";

const std::string &anyValue()
{
    static const std::string value(kAnyValue);
    return value;
}

Row allAnyRow()
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
        if (same_row(table.row(r), row))
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
    const Row &s = state.specific_hy.row(state.specific_count);
    const int entryCount = state.general_count;
    std::vector<Row> added;
    const Row emptyBefore = allAnyRow();
    auto rowBefore = [&]() -> const Row & {
        if (!added.empty())
            return added.back();
        return entryCount >= 1 ? state.general_hy.row(entryCount) : emptyBefore;
    };

    int p = 1; // scan position
    while (p <= kAttributeCount) {
        Row work = allAnyRow();
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
        if (is_all_any(work))
            continue; // withdrawn
        if (containsRow(state.general_hy, entryCount, work)
            || std::find(added.begin(), added.end(), work) != added.end())
            continue;
        added.push_back(std::move(work));
    }
    return added;
}

// True when `candidate` equals `g` with the value at attribute index `a`
// replaced by `value`.
bool equalsSubstituted(const Row &candidate, const Row &g, int a, const std::string &value)
{
    for (int b = 0; b < kAttributeCount; ++b) {
        if (!same_value(candidate[b], b == a ? value : g[b]))
            return false;
    }
    return true;
}

// Writes into `table`, from row 1 on, the distinct rows one step from each of the `count` G
// rows towards S: for every attribute at which a G row differs from S, that row with S's value
// there. A candidate that repeats one already written is dropped at once. A G row equal to S is
// copied into the row after those written so far, where it survives only if no row is written
// after it. Returns the candidate count handed to re_hy (one more than the rows written), or 0
// when a 31st distinct row would be needed.
std::int16_t generateCandidates(int count, const std::function<const Row &(int)> &general,
                                const Row &s, HypothesisTable &table)
{
    int next = 1;
    for (int i = 1; i <= count; ++i) {
        const Row &g = general(i);
        bool differs = false;
        for (int a = 0; a < kAttributeCount; ++a) {
            if (same_value(g[a], s[a]))
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
    return static_cast<std::int16_t>(next);
}

} // namespace

std::size_t Engine::RowHash::operator()(const Row &row) const noexcept
{
    std::size_t seed = 0;
    for (const std::string &value : row)
        seed ^= std::hash<std::string>{}(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}

Engine::Engine(Controls &controls)
    : m_controls(controls)
{}

Row Engine::instance(FieldArray array) const
{
    Row row;
    for (int a = 1; a <= kAttributeCount; ++a)
        row[a - 1] = m_controls.text(array, a);
    return row;
}

void Engine::selectAllAndFocus(FieldArray array, int index)
{
    m_controls.setSelStart(array, index, 0);
    m_controls.setSelLength(array, index, text_length(m_controls.text(array, index)));
    m_controls.setFocus(array, index);
}

void Engine::Form_Load()
{
    m_state.example_count = 0;
    for (int a = 1; a <= kAttributeCount; ++a) {
        m_state.general_hy.at(1, a) = kAnyValue;
        m_state.specific_hy.at(1, a) = kNoValue;
    }
    m_controls.append(ListId::List1, row_text(m_state.general_hy.row(1)));
    m_controls.append(ListId::List2, row_text(m_state.specific_hy.row(1)));
    m_state.specific_count = 1;
    m_state.example_count = 1;
    m_state.general_count = 1;
    m_controls.setEnabled(ButtonId::Command2, false);
}

void Engine::Command1_Click() { train(true); }

void Engine::Command2_Click() { train(false); }

void Engine::train(bool positive)
{
    if (check_data()) {
        m_controls.messageBox(kDuplicatePrompt, kDuplicateTitle);
        clear_text();
        return;
    }
    if (const std::optional<std::string> limit = limitReached(positive)) {
        // Refused whole: nothing changes, and the fields keep what was typed.
        m_controls.messageBox(*limit, kLimitTitle);
        return;
    }
    m_state.is_positive = positive;
    return_string();
    check_specific();
    if (!positive)
        remove_general();
    union_hy();
    selectAllAndFocus(FieldArray::Text1, 1);
    if (positive)
        m_controls.setEnabled(ButtonId::Command2, true);
    clear_text();
}

std::optional<std::string> Engine::limitReached(bool positive)
{
    if (m_state.example_count >= kMaxExampleCount)
        return kExampleLimitPrompt;

    // S as this example would leave it.
    const Row x = instance(FieldArray::Text1);
    Row s = m_state.specific_hy.row(m_state.specific_count);
    std::vector<Row> added;
    std::array<const Row *, kTableRows> general{};
    int count = 0;
    // G as the step leaves it: the rows on entry consistent with the example, then, for a
    // negative example, the new rows.
    for (int r = 1; r <= m_state.general_count; ++r) {
        if (accepts(m_state.general_hy.row(r), x) == positive)
            general[static_cast<std::size_t>(count++)] = &m_state.general_hy.row(r);
    }
    if (positive) {
        if (m_state.example_count == 1)
            s = x;
        else
            generalise(s, x);
    } else {
        added = specialisations(m_state, x);
        if (count + static_cast<int>(added.size()) > kTableRows)
            return kGeneralLimitPrompt;
        for (const Row &row : added)
            general[static_cast<std::size_t>(count++)] = &row;
    }
    if (count == 0 || is_all_any(*general[0]))
        return std::nullopt; // no enumeration runs
    const auto row = [&](int i) -> const Row & { return *general[static_cast<std::size_t>(i - 1)]; };
    if (generateCandidates(count, row, s, m_limitScratch) == 0)
        return kSpaceLimitPrompt;
    return std::nullopt;
}

bool Engine::check_data() { return m_learnt.contains(instance(FieldArray::Text1)); }

void Engine::return_string()
{
    Row x = instance(FieldArray::Text1);
    std::string entry = row_text(x);
    entry += ',';
    entry += m_state.is_positive ? '+' : '-';
    m_controls.append(ListId::List3, entry);
    m_learnt.insert(std::move(x));
}

void Engine::clear_text()
{
    for (int i = 1; i <= kAttributeCount; ++i)
        m_controls.setText(FieldArray::Text1, i, std::string());
}

void Engine::check_specific()
{
    if (m_state.is_positive) {
        remove_general();
        const Row x = instance(FieldArray::Text1);
        Row &s = m_state.specific_hy.row(m_state.specific_count);
        if (m_state.example_count == 1)
            s = x;
        else
            generalise(s, x);
        m_controls.clear(ListId::List2);
        m_controls.append(ListId::List2, row_text(s));
    }
    raise(m_state.example_count, kMaxExampleCount);
    check_general();
}

void Engine::check_general()
{
    if (m_state.is_positive)
        return;
    const Row x = instance(FieldArray::Text1);
    // The new rows come from G as it stands on entry, but the rows the negative instance rules
    // out leave the table before the new rows are placed, so that G never needs a row more than
    // it keeps. List1 still shows them; remove_general, called next, redraws it.
    std::vector<Row> added = specialisations(m_state, x);
    pruneGeneral(x);
    for (Row &row : added) {
        raise(m_state.general_count, kTableRows);
        m_controls.append(ListId::List1, row_text(row));
        m_state.general_hy.row(m_state.general_count) = std::move(row);
    }
}

void Engine::pruneGeneral(const Row &x)
{
    int r = 1;
    while (r <= m_state.general_count) {
        const bool accepted = accepts(m_state.general_hy.row(r), x);
        if (accepted != m_state.is_positive) {
            for (int i = r; i < m_state.general_count; ++i)
                m_state.general_hy.row(i) = m_state.general_hy.row(i + 1);
            --m_state.general_count;
        } else {
            ++r;
        }
    }
}

void Engine::remove_general()
{
    pruneGeneral(instance(FieldArray::Text1));
    m_controls.clear(ListId::List1);
    for (int k = 1; k <= m_state.general_count; ++k)
        m_controls.append(ListId::List1, row_text(m_state.general_hy.row(k)));
}

void Engine::union_hy()
{
    m_controls.clear(ListId::List4);
    // With no row in G no hypothesis is consistent with the examples: the version space is empty.
    if (m_state.general_count == 0 || is_all_any(m_state.general_hy.row(1)))
        return;
    const auto row = [this](int i) -> const Row & { return m_state.general_hy.row(i); };
    std::int16_t candidate_count = generateCandidates(m_state.general_count, row,
                                                      m_state.specific_hy.row(1),
                                                      m_state.candidate_hy);
    if (candidate_count == 0)
        throw std::length_error("the version space needs more than 30 rows");
    re_hy(candidate_count);
}

void Engine::re_hy(std::int16_t &candidate_count)
{
    m_state.space_hy.row(1) = m_state.candidate_hy.row(1);
    int kept = 1;
    --candidate_count;
    for (int r = 2; r <= candidate_count; ++r) {
        const Row &candidate = m_state.candidate_hy.row(r);
        if (!containsRow(m_state.space_hy, kept, candidate))
            m_state.space_hy.row(++kept) = candidate;
    }
    m_controls.clear(ListId::List4);
    for (int q = 1; q <= kept; ++q)
        m_controls.append(ListId::List4, row_text(m_state.space_hy.row(q)));
    m_state.space_count = static_cast<std::int16_t>(kept);
}

void Engine::Command3_Click()
{
    if (m_controls.count(ListId::List4) == 0) {
        m_controls.messageBox(m_state.general_count == 0 ? kNoConsistentPrompt
                                                         : kNothingLearntPrompt,
                              kPredictTitle);
    } else {
        predict();
    }
    m_controls.setFocus(FieldArray::Text2, 1);
}

void Engine::predict()
{
    const Row x = instance(FieldArray::Text2);
    std::string votes;
    std::string allAccept;
    std::string noneAccept;
    for (int i = 1; i <= m_state.space_count; ++i)
        votes += accepts(m_state.space_hy.row(i), x) ? 'T' : 'F';
    for (int q = 1; q <= m_state.space_count; ++q) {
        allAccept += 'T';
        noneAccept += 'F';
    }
    const char *prompt = votes == allAccept    ? kPositivePrompt
                         : votes == noneAccept ? kNegativePrompt
                                               : kUndecidedPrompt;
    m_controls.messageBox(prompt, kResultTitle);
}

void Engine::Command4_Click(ExportFile &file)
{
    if (const std::optional<std::string> failure = file.replace(hypothesis_file_bytes(m_controls)))
        m_controls.messageBox("The hypothesis file " + file.path() + " could not be written: "
                                  + *failure,
                              kExportTitle);
    else
        m_controls.messageBox(kExportedPrompt, kExportTitle);
}

void Engine::Command5_Click() { m_controls.unload(); }

void Engine::Command6_Click()
{
    for (int i = 1; i <= kAttributeCount; ++i) {
        m_controls.setText(FieldArray::Text1, i, std::string());
        m_controls.setText(FieldArray::Text2, i, std::string());
    }
    m_controls.clear(ListId::List1);
    m_controls.clear(ListId::List2);
    m_controls.clear(ListId::List3);
    m_learnt.clear();
    m_controls.clear(ListId::List4);
    Form_Load();
}

void Engine::Text1_KeyPress(std::int16_t index, std::int16_t &key_code)
{
    keyPress(FieldArray::Text1, ButtonId::Command1, index, key_code);
}

void Engine::Text2_KeyPress(std::int16_t index, std::int16_t &key_code)
{
    keyPress(FieldArray::Text2, ButtonId::Command3, index, key_code);
}

// Enter moves to the next field with its text selected, and from the sixth field to the button
// that uses the instance. The key is left as it is, for the field to handle.
void Engine::keyPress(FieldArray array, ButtonId sixthFieldTarget, std::int16_t index,
                      std::int16_t key_code)
{
    if (key_code != kEnterKey)
        return;
    if (index >= kAttributeCount)
        m_controls.setFocus(sixthFieldTarget);
    else
        selectAllAndFocus(array, index + 1);
}

} // namespace vspace
