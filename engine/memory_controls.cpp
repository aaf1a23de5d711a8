#include "memory_controls.h"

#include <stdexcept>
#include <utility>

namespace vspace {

namespace {

std::size_t arraySlot(FieldArray array) { return array == FieldArray::Text1 ? 0 : 1; }

} // namespace

std::string MemoryControls::text(FieldArray array, int index) const
{
    return m_fields[arraySlot(array)][field_slot(index)];
}

void MemoryControls::setText(FieldArray array, int index, const std::string &text)
{
    m_fields[arraySlot(array)][field_slot(index)] = text;
    m_selections[arraySlot(array)][field_slot(index)] = {};
}

void MemoryControls::setSelStart(FieldArray array, int index, int start)
{
    m_selections[arraySlot(array)][field_slot(index)] = {start, 0};
}

void MemoryControls::setSelLength(FieldArray array, int index, int length)
{
    m_selections[arraySlot(array)][field_slot(index)].length = length;
}

void MemoryControls::setFocus(FieldArray array, int index)
{
    field_slot(index);
    m_focus = control_name(array, index);
}

void MemoryControls::clear(ListId list)
{
    m_lists[static_cast<std::size_t>(list)].clear();
    ++m_clears[static_cast<std::size_t>(list)];
}

void MemoryControls::append(ListId list, const std::string &item)
{
    m_lists[static_cast<std::size_t>(list)].push_back(item);
}

int MemoryControls::count(ListId list) const
{
    return static_cast<int>(m_lists[static_cast<std::size_t>(list)].size());
}

std::string MemoryControls::item(ListId list, int i) const
{
    return m_lists[static_cast<std::size_t>(list)].at(static_cast<std::size_t>(i));
}

bool MemoryControls::enabled(ButtonId button) const
{
    return m_enabled[static_cast<std::size_t>(button)];
}

void MemoryControls::setEnabled(ButtonId button, bool enabled)
{
    m_enabled[static_cast<std::size_t>(button)] = enabled;
}

void MemoryControls::setFocus(ButtonId button) { m_focus = control_name(button); }

void MemoryControls::messageBox(const std::string &prompt, const std::string &title)
{
    m_messages.push_back({title, prompt});
}

void MemoryControls::unload() { m_unloaded = true; }

const std::vector<std::string> &MemoryControls::items(ListId list) const
{
    return m_lists[static_cast<std::size_t>(list)];
}

const std::array<std::string, 6> &MemoryControls::fields(FieldArray array) const
{
    return m_fields[arraySlot(array)];
}

MemoryControls::Selection MemoryControls::selection(FieldArray array, int index) const
{
    return m_selections[arraySlot(array)][field_slot(index)];
}

std::vector<MemoryControls::Message> MemoryControls::takeMessages()
{
    return std::exchange(m_messages, {});
}

std::string control_name(FieldArray array, int index)
{
    return (array == FieldArray::Text1 ? "Text1(" : "Text2(") + std::to_string(index) + ")";
}

std::string control_name(ListId list)
{
    return "List" + std::to_string(static_cast<int>(list) + 1);
}

std::string control_name(ButtonId button)
{
    return "Command" + std::to_string(static_cast<int>(button) + 1);
}

} // namespace vspace
