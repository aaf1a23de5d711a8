#pragma once

#include "text_catalog.h"

#include <string>
#include <string_view>
#include <variant>

namespace vspace {

// The two rows of entry fields, one for each attribute: the training instance and the unseen
// instance. The window has six in each row.
enum class FieldRow { Training, Unseen };

// One entry field: its row and its number, from 1.
struct Field
{
    FieldRow row;
    int index;
};

// The four lists: G, S, the learning data and the version space.
enum class List { General, Specific, LearningData, VersionSpace };

// The six buttons.
enum class Button { Positive, Negative, Predict, GenText, Exit, Clear };

inline constexpr int kFieldCount = 6;     // the window's fields in a row
inline constexpr int kMaxFieldCount = 16; // a session's, at most
inline constexpr int kListCount = 4;
inline constexpr int kButtonCount = 6;

// The control that has the keyboard focus, of those the form knows; none when another has it.
using Focus = std::variant<std::monostate, Field, Button>;

// The character code of the Enter key, the only key the entry fields act on.
inline constexpr int kEnterKey = 13;

// The length of a UTF-8 text in UTF-16 code units, the unit in which entry fields count
// characters for their selection.
int utf16Length(std::string_view utf8);

// Everything the engine does with the window's controls. The window implements it with real
// widgets, MemoryControls in memory for the tests and the replay driver. Texts are UTF-8.
class Controls
{
public:
    virtual ~Controls() = default;

    // Entry fields. A selection is counted in UTF-16 code units, as the fields count characters.
    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, const std::string &text) = 0;
    virtual void setSelection(Field field, int start, int length) = 0;
    virtual void setFocus(Field field) = 0;
    // The number of fields in each row, one for each attribute of the instances; six at first.
    // The window keeps its six: no session of another width is played in it.
    virtual void setFieldCount(int count) { (void)count; }

    // Lists; rows stay in the order appended. A row is handed over, to be kept without a copy.
    virtual void clear(List list) = 0;
    virtual void append(List list, std::string row) = 0;
    // Keeps the first `rows` rows of the list, and removes the others.
    virtual void truncate(List list, int rows) = 0;
    // False for controls that show no list at all (a replay that reports nothing): the form then
    // spares itself the rows' texts.
    virtual bool showsLists() const { return true; }

    // Buttons.
    virtual bool enabled(Button button) const = 0;
    virtual void setEnabled(Button button, bool enabled) = 0;
    virtual void setFocus(Button button) = 0;
    // The control with the keyboard focus.
    virtual Focus focused() const = 0;

    // An information message box with one OK button; returns when the user has closed it.
    virtual void messageBox(const std::string &text, const std::string &title) = 0;

    // Closes the window, which ends the program.
    virtual void close() = 0;

    // The text `id` in the user's language; English unless a front end translates it.
    virtual std::string phrase(Text id) const { return std::string(english(id)); }
};

} // namespace vspace
