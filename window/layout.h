#pragma once

#include <array>
#include <QRect>
#include <QString>

namespace vspace {

// The stored description of one control of the main window, in twips (15 twips to a pixel),
// relative to its container: the window's client area, or the outer corner of a frame.
struct ControlLayout
{
    enum class Kind { Frame, Label, EntryField, ListView, Button };

    const char *name;      // control name; array members carry their index as well
    int index;             // 1 to 6 for members of Text1 and Text2, 0 otherwise
    Kind kind;
    const char *container; // nullptr for the window itself
    const char *caption;   // "&" marks the access key
    int left, top, width, height;
    int tabIndex;

    QRect pixels() const;
    // "Text1_3" for a member of a control array, the name otherwise.
    QString objectName() const;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10680;
inline constexpr int kClientHeightTwips = 7635;
// How far a frame's first column of controls lies from its left edge.
inline constexpr int kFrameInsetTwips = 120;

// Every control in the stored order, containers before their contents.
extern const std::array<ControlLayout, 28> kFormLayout;

} // namespace vspace
