#pragma once

#include "controls.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vspace {

// Controls held in memory: the fields, lists and buttons of the window as plain values, every
// message box recorded instead of shown, and the keyboard focus as the object name of its
// control ("Text1_1", "Command3"; empty before anything has taken it).
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

    using Values = std::vector<std::string>; // a row's texts, one for each field

    std::string text(Field field) const override;
    void setText(Field field, const std::string &text) override;
    void setSelection(Field field, int start, int length) override;
    void setFocus(Field field) override;
    void setFieldCount(int count) override;

    void clear(List list) override;
    void append(List list, std::string row) override;
    void truncate(List list, int rows) override;
    bool showsLists() const override { return m_showsLists; }
    // Lists left empty, their rows never made: for a replay that reports nothing.
    void hideLists() { m_showsLists = false; }

    bool enabled(Button button) const override;
    void setEnabled(Button button, bool enabled) override;
    void setFocus(Button button) override;
    Focus focused() const override { return m_focused; }

    void messageBox(const std::string &text, const std::string &title) override;
    void close() override { m_closed = true; }

    // Inspection for drivers and tests.
    const std::vector<std::string> &rows(List list) const;
    // How often `list` has been cleared: while it stays the same, the list has only grown.
    std::uint64_t clearCount(List list) const { return m_clears[static_cast<std::size_t>(list)]; }
    const Values &values(FieldRow row) const { return m_fields[static_cast<std::size_t>(row)]; }
    Selection selection(Field field) const;
    const std::string &focus() const { return m_focus; }
    const std::vector<Message> &messages() const { return m_messages; }
    // Hands over the messages shown so far and forgets them.
    std::vector<Message> takeMessages();
    bool closed() const { return m_closed; }

private:
    std::size_t slot(Field field) const;

    std::array<Values, 2> m_fields{Values(kFieldCount), Values(kFieldCount)};
    std::array<std::array<Selection, kMaxFieldCount>, 2> m_selections;
    std::array<std::vector<std::string>, kListCount> m_lists;
    std::array<std::uint64_t, kListCount> m_clears{};
    std::array<bool, kButtonCount> m_enabled{true, true, true, true, true, true};
    std::vector<Message> m_messages;
    std::string m_focus;
    Focus m_focused;
    bool m_closed = false;
    bool m_showsLists = true;
};

} // namespace vspace
