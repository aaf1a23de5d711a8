#include "memory_controls.h"

#include "control_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vspace {

std::size_t MemoryControls::slot(Field field) const
{
    const std::size_t count = m_fields[0].size();
    if (field.index < 1 || static_cast<std::size_t>(field.index) > count)
        throw std::out_of_range("entry field " + std::to_string(field.index) + " is not 1 to "
                                + std::to_string(count));
    return static_cast<std::size_t>(field.index - 1);
}

void MemoryControls::setFieldCount(int count)
{
    for (std::size_t row = 0; row < m_fields.size(); ++row) {
        m_fields[row].resize(static_cast<std::size_t>(count));
        m_selections[row].fill({});
    }
}

std::string MemoryControls::text(Field field) const
{
    return m_fields[static_cast<std::size_t>(field.row)][slot(field)];
}

void MemoryControls::setText(Field field, const std::string &text)
{
    const std::size_t index = slot(field);
    m_fields[static_cast<std::size_t>(field.row)][index] = text;
    m_selections[static_cast<std::size_t>(field.row)][index] = {};
}

void MemoryControls::setSelection(Field field, int start, int length)
{
    m_selections[static_cast<std::size_t>(field.row)][slot(field)] = {start, length};
}

MemoryControls::Selection MemoryControls::selection(Field field) const
{
    return m_selections[static_cast<std::size_t>(field.row)][slot(field)];
}

void MemoryControls::setFocus(Field field)
{
    slot(field);
    if (field.index <= kFieldCount) {
        m_focus = control(field).objectName;
    } else { // named as the window names its fields: "Text1_7"
        const std::string_view first = control(Field{field.row, 1}).objectName;
        m_focus = std::string(first.substr(0, first.rfind('_') + 1)) + std::to_string(field.index);
    }
    m_focused = field;
}

void MemoryControls::clear(List list)
{
    m_lists[static_cast<std::size_t>(list)].clear();
    ++m_clears[static_cast<std::size_t>(list)];
}

void MemoryControls::append(List list, std::string row)
{
    m_lists[static_cast<std::size_t>(list)].push_back(std::move(row));
}

void MemoryControls::truncate(List list, int rows)
{
    std::vector<std::string> &all = m_lists[static_cast<std::size_t>(list)];
    all.resize(std::min(all.size(), static_cast<std::size_t>(rows)));
    ++m_clears[static_cast<std::size_t>(list)]; // the list no longer only grew
}

const std::vector<std::string> &MemoryControls::rows(List list) const
{
    return m_lists[static_cast<std::size_t>(list)];
}

bool MemoryControls::enabled(Button button) const
{
    return m_enabled[static_cast<std::size_t>(button)];
}

void MemoryControls::setEnabled(Button button, bool enabled)
{
    m_enabled[static_cast<std::size_t>(button)] = enabled;
}

void MemoryControls::setFocus(Button button)
{
    m_focus = control(button).objectName;
    m_focused = button;
}

void MemoryControls::messageBox(const std::string &text, const std::string &title)
{
    m_messages.push_back({title, text});
}

std::vector<MemoryControls::Message> MemoryControls::takeMessages()
{
    return std::exchange(m_messages, {});
}

} // namespace vspace
