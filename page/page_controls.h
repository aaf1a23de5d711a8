#pragma once

#include "controls.h"
#include "export_file.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vspace {

// The names the page gives the lists, the buttons and the rows of fields, in the order of their
// enums.
inline constexpr std::array<const char *, kListCount> kListNames{"General", "Specific",
                                                                 "LearningData", "VersionSpace"};
inline constexpr std::array<const char *, kButtonCount> kButtonNames{"Positive", "Negative",
                                                                     "Predict",  "GenText",
                                                                     "Exit",     "Clear"};
inline constexpr std::array<const char *, 2> kRowNames{"Training", "Unseen"};

// The control table, as the page builds its controls from it: a JSON array of an object for each
// control, its caption and accessible name as catalog numbers, a list's visible height worked out.
std::string controlTableJson();
// The text catalog: for each text, in the order of its number, its context and English text.
std::string catalogJson();

// What the page's fields hold at a call: their texts, the training fields' then as many unseen
// fields', and the object name of the control that has the focus ("Text1_3", "Command1"; empty
// for none of them).
struct PageFields
{
    std::vector<std::string> texts;
    std::string focus;
};

// The page's controls as the form sees them: the fields' texts, the buttons' states kept here,
// and everything the form does to them recorded, to be handed back as one update. A field keeps
// the value a session or the form gave it, line breaks and all, for as long as the page's field
// still shows that value.
class PageControls : public Controls, public ExportFile
{
public:
    struct Message
    {
        std::string title, text;
    };

    explicit PageControls(std::vector<std::string> texts)
        : m_texts(std::move(texts))
    {
        m_enabled.fill(true);
    }

    // The texts the page's fields hold and the control that has the focus, at a call.
    void takeFields(const PageFields &fields);

    // While held, changes to the lists are gathered but left out of updates: a session played
    // quietly draws its lists once, at its end.
    void holdLists(bool hold) { m_holdingLists = hold; }
    bool holdingLists() const { return m_holdingLists; }
    // Where a press left the focus and the selection is not where the page's focus goes.
    void forgetFocus();
    std::vector<Message> takeMessages() { return std::exchange(m_messages, {}); }
    bool closed() const { return m_closed; }
    void forgetDownload() { m_download.reset(); }

    // Everything recorded since the last update, then `extra` (members of the update's own, with
    // commas between them), and a fresh record.
    std::string update(const std::string &extra = {});

    std::string text(Field field) const override { return m_values[slot(field)]; }
    void setFieldCount(int count) override;
    void setText(Field field, const std::string &text) override;
    void setSelection(Field field, int start, int length) override;
    void setFocus(Field field) override { m_focus = field; }
    Focus focused() const override { return m_focused; }
    void clear(List list) override;
    void append(List list, std::string row) override;
    void truncate(List list, int rows) override;
    bool enabled(Button button) const override;
    void setEnabled(Button button, bool enabled) override;
    void setFocus(Button button) override { m_focus = button; }
    void messageBox(const std::string &text, const std::string &title) override;
    void close() override { m_closed = true; }
    // A text in the page's language; in English when the page gave no texts.
    std::string phrase(Text id) const override
    {
        return m_texts.empty() ? Controls::phrase(id) : m_texts.at(static_cast<std::size_t>(id));
    }

    // "Gen Text" offers the file's bytes as a download.
    std::string path() const override { return "hypothesis.txt"; }
    std::optional<ExportFailure> replace(std::string_view bytes) override;

private:
    struct ListChange
    {
        bool touched = false, cleared = false;
        std::optional<std::size_t> kept; // the rows of the page's list kept before those added
        std::vector<std::string> rows;
    };
    struct Selection
    {
        Field field;
        int start, length;
    };

    static std::size_t slot(Field field);
    // The rows of the page's list that the change recorded keeps.
    std::size_t base(std::size_t l) const;

    std::vector<std::string> m_texts;
    std::array<std::string, 2 * kMaxFieldCount> m_values; // the fields' texts
    std::array<std::string, 2 * kMaxFieldCount> m_shown;  // as the page's fields show them
    std::array<bool, 2 * kMaxFieldCount> m_fieldChanged{};
    int m_fieldCount = kFieldCount;     // in each row
    int m_pageFieldCount = kFieldCount; // as the page has them
    std::array<bool, kButtonCount> m_enabled{};
    std::array<bool, kButtonCount> m_buttonChanged{};
    std::array<ListChange, kListCount> m_lists;
    std::array<std::size_t, kListCount> m_pageRows{}; // how many rows each list on the page has
    bool m_holdingLists = false;
    std::optional<Selection> m_selection;
    std::variant<std::monostate, Field, Button> m_focus;
    Focus m_focused; // as the page had it at the call
    std::vector<Message> m_messages;
    bool m_closed = false;
    std::optional<std::string> m_download;
};

} // namespace vspace
