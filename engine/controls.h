#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace vspace {

// The two arrays of six entry fields: the training instance and the unseen instance.
enum class FieldArray { Text1, Text2 };

// The four list views: G ("General"), S ("Specific"), the learning data and the version space.
enum class ListId { List1, List2, List3, List4 };

// Positive, Negative, Predict, Gen Text, &Exit, &Clear.
enum class ButtonId { Command1, Command2, Command3, Command4, Command5, Command6 };

// The position 0 to 5 of field `index` 1 to 6 in its array; throws std::out_of_range otherwise.
inline std::size_t field_slot(int index)
{
    if (index < 1 || index > 6)
        throw std::out_of_range("entry field index " + std::to_string(index) + " is not 1 to 6");
    return static_cast<std::size_t>(index - 1);
}

// Everything the procedures do with the window's controls. The window implements it with real
// widgets; MemoryControls implements it in memory for the tests and the replay driver.
// Texts are UTF-8; field indices run from 1 to 6, list items from 0 to count - 1.
class Controls
{
public:
    virtual ~Controls() = default;

    // Entry fields.
    virtual std::string text(FieldArray array, int index) const = 0;
    virtual void setText(FieldArray array, int index, const std::string &text) = 0;
    // Selection start and length are counted in UTF-16 code units, as the fields count them.
    virtual void setSelStart(FieldArray array, int index, int start) = 0;
    virtual void setSelLength(FieldArray array, int index, int length) = 0;
    virtual void setFocus(FieldArray array, int index) = 0;

    // List views; items stay in the order appended.
    virtual void clear(ListId list) = 0;
    virtual void append(ListId list, const std::string &item) = 0;
    virtual int count(ListId list) const = 0;
    virtual std::string item(ListId list, int i) const = 0;

    // Buttons.
    virtual bool enabled(ButtonId button) const = 0;
    virtual void setEnabled(ButtonId button, bool enabled) = 0;
    virtual void setFocus(ButtonId button) = 0;

    // An information message box with one OK button; returns when the user has closed it.
    virtual void messageBox(const std::string &prompt, const std::string &title) = 0;

    // Closes the window, which ends the program.
    virtual void unload() = 0;
};

} // namespace vspace
