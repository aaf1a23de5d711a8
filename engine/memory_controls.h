#pragma once

#include "controls.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vspace {

// Controls held in memory: the fields, lists and buttons of the window as plain values, every
// message box recorded instead of shown, and the keyboard focus as the name of its control
// ("Text1(1)", "Command3"; empty before anything has taken it).
class MemoryControls : public Controls
{
public:
    struct Message
    {
        std::string title;
        std::string text;
        bool operator==(const Message &) const = default;
    };

    struct Selection
    {
        int start = 0;
        int length = 0;
        bool operator==(const Selection &) const = default;
    };

    std::string text(FieldArray array, int index) const override;
    void setText(FieldArray array, int index, const std::string &text) override;
    void setSelStart(FieldArray array, int index, int start) override;
    void setSelLength(FieldArray array, int index, int length) override;
    void setFocus(FieldArray array, int index) override;

    void clear(ListId list) override;
    void append(ListId list, const std::string &item) override;
    int count(ListId list) const override;
    std::string item(ListId list, int i) const override;

    bool enabled(ButtonId button) const override;
    void setEnabled(ButtonId button, bool enabled) override;
    void setFocus(ButtonId button) override;

    void messageBox(const std::string &prompt, const std::string &title) override;
    void unload() override;

    // Inspection for drivers and tests.
    const std::vector<std::string> &items(ListId list) const;
    // How often `list` has been cleared: while it stays the same, the list has only grown.
    std::uint64_t clearCount(ListId list) const { return m_clears[static_cast<std::size_t>(list)]; }
    const std::array<std::string, 6> &fields(FieldArray array) const;
    Selection selection(FieldArray array, int index) const;
    const std::string &focus() const { return m_focus; }
    const std::vector<Message> &messages() const { return m_messages; }
    // Hands over the messages shown so far and forgets them.
    std::vector<Message> takeMessages();
    bool unloaded() const { return m_unloaded; }

private:
    std::array<std::array<std::string, 6>, 2> m_fields;
    std::array<std::array<Selection, 6>, 2> m_selections;
    std::array<std::vector<std::string>, 4> m_lists;
    std::array<std::uint64_t, 4> m_clears{};
    std::array<bool, 6> m_enabled{true, true, true, true, true, true};
    std::vector<Message> m_messages;
    std::string m_focus;
    bool m_unloaded = false;
};

// "Text1(3)", "List4", "Command2": the name of a control as the window knows it.
std::string control_name(FieldArray array, int index);
std::string control_name(ListId list);
std::string control_name(ButtonId button);

} // namespace vspace
