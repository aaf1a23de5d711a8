#pragma once

#include "controls.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vspace {

enum class ControlKind { Frame, Label, EntryField, List, Button };

// A position and size in twips (1/1440 inch, 15 to a pixel at 96 dots per inch), relative to the
// control's container: the window's client area, or the outer corner of a frame.
struct Twips
{
    int left, top, width, height;
};

// One control of the main window, with everything a front end needs to build it, name it for
// tools and assistive technology, and tell the engine what it is.
struct ControlEntry
{
    ControlKind kind;
    // What the control is to the engine: a field, a list, a button, or nothing (frames, labels).
    std::variant<std::monostate, Field, List, Button> role;
    // The name tests and accessibility tools find the widget by: "Text1_3", "List2", "Command1".
    std::string_view objectName;
    std::string_view container; // the object name of its frame; empty for the window itself
    std::optional<Text> caption;
    // For a field its pattern, with %1 for the field's number; a button is named by its caption.
    std::optional<Text> accessibleName;
    Twips geometry;
    int tabIndex;
};

inline constexpr int kControlCount = 28;
inline constexpr int kClientWidthTwips = 10680;
inline constexpr int kClientHeightTwips = 7635;
inline constexpr int kTwipsPerPixel = 15;
// How far a frame's first column of controls lies from its left edge.
inline constexpr int kFrameInsetTwips = 120;
// The window's title.
inline constexpr std::string_view kWindowTitle = "Form1";

// Every control of the main window in the stored order, containers before their contents.
extern const std::array<ControlEntry, kControlCount> kControlTable;

const ControlEntry &control(Field field);
const ControlEntry &control(List list);
const ControlEntry &control(Button button);

// A caption read for its access key: "&Clear" is the text "Clear" with the key "C"; "&&" stands
// for a literal "&", and a caption without a mark has no key. The window and the page both read
// their captions with it.
struct AccessKey
{
    std::string before; // the text before the key
    std::string key;    // the key's character, empty when the caption has none
    std::string after;  // the text after it
    std::string text() const { return before + key + after; }
};
AccessKey accessKey(std::string_view caption);

// How many twips of a list inside a frame show: down to the inset its frame's first column has
// on the left, however far the list itself reaches. A list outside a frame shows whole.
int visibleHeightTwips(const ControlEntry &list);

} // namespace vspace
