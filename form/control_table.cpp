#include "control_table.h"

#include <algorithm>
#include <stdexcept>

namespace vspace {

namespace {

using K = ControlKind;
using R = FieldRow;
using T = Text;

constexpr ControlEntry field(R row, int index, const char *name, Twips at, int tab)
{
    return {K::EntryField,
            Field{row, index},
            name,
            row == R::Unseen ? "Frame3" : "",
            std::nullopt,
            row == R::Training ? T::TrainingValueName : T::UnseenValueName,
            at,
            tab};
}

constexpr ControlEntry button(Button role, const char *name, const char *container, Text caption,
                              Twips at, int tab)
{
    return {K::Button, role, name, container, caption, std::nullopt, at, tab};
}

constexpr ControlEntry list(List role, const char *name, const char *container, Text accessibleName,
                            Twips at, int tab)
{
    return {K::List, role, name, container, std::nullopt, accessibleName, at, tab};
}

constexpr ControlEntry frame(const char *name, const char *container, Text caption, Twips at,
                             int tab)
{
    return {K::Frame, std::monostate{}, name, container, caption, std::nullopt, at, tab};
}

constexpr ControlEntry label(const char *name, const char *container, Text caption, Twips at,
                             int tab)
{
    return {K::Label, std::monostate{}, name, container, caption, std::nullopt, at, tab};
}

} // namespace

constexpr std::array<ControlEntry, kControlCount> kControlTable{{
        button(Button::Clear, "Command6", "", T::ClearCaption, {6600, 6960, 1575, 495}, 27),
        button(Button::Exit, "Command5", "", T::ExitCaption, {8280, 6960, 1575, 495}, 26),
        button(Button::GenText, "Command4", "", T::GenTextCaption, {4920, 6960, 1455, 495}, 25),
        frame("Frame3", "", T::UnseenDataFrame, {120, 120, 9735, 1095}, 16),
        field(R::Unseen, 6, "Text2_6", {6480, 360, 1215, 375}, 23),
        field(R::Unseen, 5, "Text2_5", {5160, 360, 1215, 375}, 22),
        field(R::Unseen, 4, "Text2_4", {3840, 360, 1215, 375}, 21),
        field(R::Unseen, 3, "Text2_3", {2520, 360, 1215, 375}, 20),
        field(R::Unseen, 2, "Text2_2", {1320, 360, 1095, 375}, 19),
        field(R::Unseen, 1, "Text2_1", {120, 360, 1095, 375}, 18),
        button(Button::Predict, "Command3", "Frame3", T::PredictCaption, {7920, 360, 1215, 495}, 17),
        frame("Frame2", "", T::LearningDataFrame, {6600, 1320, 3975, 5415}, 11),
        list(List::LearningData, "List3", "Frame2", T::LearningDataListName, {120, 240, 3735, 5715},
             12),
        button(Button::Negative, "Command2", "", T::NegativeCaption, {3480, 1920, 1455, 495}, 8),
        button(Button::Positive, "Command1", "", T::PositiveCaption, {3480, 1320, 1455, 495}, 7),
        field(R::Training, 6, "Text1_6", {1800, 2280, 1455, 375}, 6),
        field(R::Training, 5, "Text1_5", {1800, 1800, 1455, 375}, 5),
        field(R::Training, 4, "Text1_4", {1800, 1320, 1455, 375}, 4),
        field(R::Training, 3, "Text1_3", {240, 2280, 1455, 375}, 3),
        field(R::Training, 2, "Text1_2", {240, 1800, 1455, 375}, 2),
        field(R::Training, 1, "Text1_1", {240, 1320, 1455, 375}, 1),
        frame("Frame1", "", T::HypothesisFrame, {120, 2760, 6375, 4695}, 0),
        list(List::VersionSpace, "List4", "Frame1", T::VersionSpaceListName,
             {120, 2640, 6135, 1425}, 15),
        list(List::Specific, "List2", "Frame1", T::SpecificListName, {2760, 480, 3495, 1815}, 10),
        list(List::General, "List1", "Frame1", T::GeneralListName, {120, 480, 2655, 1815}, 9),
        label("Label1", "Frame1", T::VersionSpaceLabel, {120, 2400, 1695, 375}, 24),
        label("Label3", "Frame1", T::SpecificLabel, {2880, 240, 975, 375}, 14),
        label("Label2", "Frame1", T::GeneralLabel, {120, 240, 975, 255}, 13),
}};

namespace {

// Each tab index once, from 0 on: the tab order is a sequence of the controls.
constexpr bool tabIndicesInSequence()
{
    std::array<bool, kControlCount> taken{};
    for (const ControlEntry &entry : kControlTable) {
        if (entry.tabIndex < 0 || entry.tabIndex >= kControlCount
            || taken[static_cast<std::size_t>(entry.tabIndex)])
            return false;
        taken[static_cast<std::size_t>(entry.tabIndex)] = true;
    }
    return true;
}
static_assert(tabIndicesInSequence(), "the tab indices are 0 to 27, each once");

template<typename Role, typename Same>
const ControlEntry &find(Role role, Same same)
{
    for (const ControlEntry &entry : kControlTable) {
        if (const Role *candidate = std::get_if<Role>(&entry.role);
            candidate && same(*candidate, role))
            return entry;
    }
    throw std::out_of_range("no such control");
}

} // namespace

const ControlEntry &control(Field field)
{
    return find(field, [](Field a, Field b) { return a.row == b.row && a.index == b.index; });
}

const ControlEntry &control(List list)
{
    return find(list, [](List a, List b) { return a == b; });
}

const ControlEntry &control(Button button)
{
    return find(button, [](Button a, Button b) { return a == b; });
}

AccessKey accessKey(std::string_view caption)
{
    AccessKey parsed;
    std::string *part = &parsed.before;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const bool mark = caption[i] == '&' && i + 1 < caption.size();
        if (mark && caption[i + 1] != '&' && parsed.key.empty()) {
            // The key is the whole character after the mark, however many bytes it takes.
            std::size_t end = i + 2;
            while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80)
                ++end;
            parsed.key = caption.substr(i + 1, end - i - 1);
            part = &parsed.after;
            i = end - 1;
            continue;
        }
        if (mark)
            ++i; // "&&" is a literal "&", and so is the mark of a second key
        *part += caption[i];
    }
    return parsed;
}

int visibleHeightTwips(const ControlEntry &list)
{
    if (list.container.empty())
        return list.geometry.height;
    for (const ControlEntry &frame : kControlTable) {
        if (frame.objectName == list.container)
            return std::min(list.geometry.height,
                            frame.geometry.height - list.geometry.top - kFrameInsetTwips);
    }
    throw std::out_of_range("no such frame");
}

} // namespace vspace
