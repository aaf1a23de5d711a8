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
    // The key of its value in a replay session: "Text1" for the six training fields, "List4",
    // "Command3"; empty for frames and labels.
    std::string_view replayKey;
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

// The caption without its access-key mark: "Clear" for "&Clear".
std::string withoutAccessKey(std::string_view caption);

// The replay session's key for a row of fields: "Text1" or "Text2".
std::string_view replayKey(FieldRow row);

} // namespace vspace
