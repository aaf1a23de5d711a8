#include "invariants.h"

#include <algorithm>

namespace vspace::testing {

namespace {

std::vector<std::string> rowTexts(const HypothesisTable &table, int count)
{
    std::vector<std::string> texts;
    for (int r = 1; r <= count; ++r)
        texts.push_back(row_text(table.row(r)));
    return texts;
}

bool distinct(const HypothesisTable &table, int count)
{
    for (int i = 1; i <= count; ++i) {
        for (int j = i + 1; j <= count; ++j) {
            if (same_row(table.row(i), table.row(j)))
                return false;
        }
    }
    return true;
}

std::array<std::vector<std::string>, 4> listsOf(const MemoryControls &controls)
{
    return {controls.items(ListId::List1), controls.items(ListId::List2),
            controls.items(ListId::List3), controls.items(ListId::List4)};
}

} // namespace

void InvariantChecker::beforePress(const Engine &engine, const MemoryControls &controls, ButtonId)
{
    m_before = {engine.state(), listsOf(controls), controls.fields(FieldArray::Text1),
                controls.fields(FieldArray::Text2), controls.enabled(ButtonId::Command2),
                controls.messages().size()};
}

std::string InvariantChecker::afterPress(const Engine &engine, const MemoryControls &controls,
                                         ButtonId button)
{
    ++m_presses;
    const EngineState &st = engine.state();
    if (st.general_count < 0 || st.general_count > kTableRows)
        return "general_count out of range";
    if (st.space_count < 0 || st.space_count > kTableRows)
        return "space_count out of range";
    if (st.specific_count != 1)
        return "specific_count is not 1";
    if (st.example_count < 1 || st.example_count > Engine::kMaxExampleCount)
        return "example_count out of range";
    if (controls.items(ListId::List1) != rowTexts(st.general_hy, st.general_count))
        return "List1 is not the rows of G";
    if (controls.items(ListId::List2) != std::vector<std::string>{row_text(st.specific_hy.row(1))})
        return "List2 is not the row of S";
    if (controls.count(ListId::List3) != st.example_count - 1)
        return "List3 does not hold one entry per learnt example";
    if (controls.count(ListId::List4) != 0
        && controls.items(ListId::List4) != rowTexts(st.space_hy, st.space_count))
        return "List4 is not the version-space rows";
    if (!distinct(st.general_hy, st.general_count))
        return "G holds a row twice";
    if (controls.count(ListId::List4) != 0 && !distinct(st.space_hy, st.space_count))
        return "the version space holds a row twice";

    const std::vector<MemoryControls::Message> &messages = controls.messages();
    const bool refused = std::any_of(messages.begin() + static_cast<std::ptrdiff_t>(m_before.messages),
                                     messages.end(), [](const MemoryControls::Message &m) {
                                         return m.title == "Data not correct" || m.title == "Cannot Learn";
                                     });
    const bool training = button == ButtonId::Command1 || button == ButtonId::Command2;
    if (training && refused) {
        if (!(st == m_before.state) || listsOf(controls) != m_before.lists
            || controls.enabled(ButtonId::Command2) != m_before.negativeEnabled)
            return "a refused press changed the state";
        const bool duplicate = messages.back().title == "Data not correct";
        if (!duplicate && controls.fields(FieldArray::Text1) != m_before.text1)
            return "a refused press lost the typed values";
    } else if (training) {
        if (st.example_count != m_before.state.example_count + 1)
            return "a learnt example was not counted";
        const std::string label = button == ButtonId::Command1 ? "+" : "-";
        if (controls.items(ListId::List3).back() != row_text(m_before.text1) + "," + label)
            return "the learning-data entry is wrong";
        if (button == ButtonId::Command1)
            m_positives.push_back(m_before.text1);
        else {
            for (int r = 1; r <= st.general_count; ++r) {
                if (accepts(st.general_hy.row(r), m_before.text1))
                    return "a G row accepts the negative example just learnt";
            }
        }
        if (!controls.enabled(ButtonId::Command2))
            return "Negative is disabled after an example";
    } else if (button == ButtonId::Command6) {
        m_positives.clear();
        if (st.example_count != 1 || st.general_count != 1 || controls.count(ListId::List3) != 0)
            return "Clear did not restore the initial state";
    } else if (!(st == m_before.state) || listsOf(controls) != m_before.lists) {
        return "a press that does not train changed the state";
    }

    for (const Row &positive : m_positives) {
        for (int r = 1; r <= st.general_count; ++r) {
            if (!accepts(st.general_hy.row(r), positive))
                return "a G row rejects a learnt positive example";
        }
        if (controls.count(ListId::List4) != 0) {
            for (int r = 1; r <= st.space_count; ++r) {
                if (!accepts(st.space_hy.row(r), positive))
                    return "a version-space row rejects a learnt positive example";
            }
        }
        if (!accepts(st.specific_hy.row(1), positive))
            return "S rejects a learnt positive example";
    }
    return {};
}

} // namespace vspace::testing
