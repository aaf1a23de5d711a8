#include "layout.h"

namespace vspace {

using K = ControlLayout::Kind;

const std::array<ControlLayout, 28> kFormLayout{{
    {"Command6", 0, K::Button, nullptr, "&Clear", 6600, 6960, 1575, 495, 27},
    {"Command5", 0, K::Button, nullptr, "&Exit", 8280, 6960, 1575, 495, 26},
    {"Command4", 0, K::Button, nullptr, "Gen Text", 4920, 6960, 1455, 495, 25},
    {"Frame3", 0, K::Frame, nullptr, "Unseen Data", 120, 120, 9735, 1095, 16},
    {"Text2", 6, K::EntryField, "Frame3", "", 6480, 360, 1215, 375, 23},
    {"Text2", 5, K::EntryField, "Frame3", "", 5160, 360, 1215, 375, 22},
    {"Text2", 4, K::EntryField, "Frame3", "", 3840, 360, 1215, 375, 21},
    {"Text2", 3, K::EntryField, "Frame3", "", 2520, 360, 1215, 375, 20},
    {"Text2", 2, K::EntryField, "Frame3", "", 1320, 360, 1095, 375, 19},
    {"Text2", 1, K::EntryField, "Frame3", "", 120, 360, 1095, 375, 18},
    {"Command3", 0, K::Button, "Frame3", "Predict", 7920, 360, 1215, 495, 17},
    {"Frame2", 0, K::Frame, nullptr, "Learning Data", 6600, 1320, 3975, 5415, 11},
    {"List3", 0, K::ListView, "Frame2", "", 120, 240, 3735, 5715, 12},
    {"Command2", 0, K::Button, nullptr, "Negative", 3480, 1920, 1455, 495, 8},
    {"Command1", 0, K::Button, nullptr, "Positive", 3480, 1320, 1455, 495, 7},
    {"Text1", 6, K::EntryField, nullptr, "", 1800, 2280, 1455, 375, 6},
    {"Text1", 5, K::EntryField, nullptr, "", 1800, 1800, 1455, 375, 5},
    {"Text1", 4, K::EntryField, nullptr, "", 1800, 1320, 1455, 375, 4},
    {"Text1", 3, K::EntryField, nullptr, "", 240, 2280, 1455, 375, 3},
    {"Text1", 2, K::EntryField, nullptr, "", 240, 1800, 1455, 375, 2},
    {"Text1", 1, K::EntryField, nullptr, "", 240, 1320, 1455, 375, 1},
    {"Frame1", 0, K::Frame, nullptr, "Hypothesis", 120, 2760, 6375, 4695, 0},
    {"List4", 0, K::ListView, "Frame1", "", 120, 2640, 6135, 1425, 15},
    {"List2", 0, K::ListView, "Frame1", "", 2760, 480, 3495, 1815, 10},
    {"List1", 0, K::ListView, "Frame1", "", 120, 480, 2655, 1815, 9},
    {"Label1", 0, K::Label, "Frame1", "Version Space", 120, 2400, 1695, 375, 24},
    {"Label3", 0, K::Label, "Frame1", "Specific", 2880, 240, 975, 375, 14},
    {"Label2", 0, K::Label, "Frame1", "General", 120, 240, 975, 255, 13},
}};

QRect ControlLayout::pixels() const
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

} // namespace vspace

namespace vspace {

QString ControlLayout::objectName() const
{
    const QString control = QString::fromLatin1(name);
    return index ? QStringLiteral("%1_%2").arg(control).arg(index) : control;
}

} // namespace vspace
