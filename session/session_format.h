#pragma once

#include "controls.h"
#include "form.h"

#include <array>
#include <optional>
#include <string_view>

namespace vspace {

// The names a session file and vspace-replay's reports give to presses, lists and fields. They are
// the file format, apart from the captions the user reads: no caption, English or translated,
// changes them.
struct PressName
{
    Button button;
    std::string_view name; // "Gen Text"
    std::string_view key;  // the older name a file may use instead: "Command4"
};

inline constexpr std::array<PressName, kButtonCount> kPressNames{{
        {Button::Positive, "Positive", "Command1"},
        {Button::Negative, "Negative", "Command2"},
        {Button::Predict, "Predict", "Command3"},
        {Button::GenText, "Gen Text", "Command4"},
        {Button::Exit, "Exit", "Command5"},
        {Button::Clear, "Clear", "Command6"},
}};

static_assert(
        [] {
            for (std::size_t i = 0; i < kPressNames.size(); ++i) {
                if (static_cast<std::size_t>(kPressNames[i].button) != i)
                    return false;
            }
            return true;
        }(),
        "the press names in the order of Button");

// The keys of the lists in a report, in the order of List: G, S, the learning data, the version
// space.
inline constexpr std::array<std::string_view, kListCount> kListKeys{"List1", "List2", "List3",
                                                                    "List4"};

// The keys of the two rows of fields, training then unseen.
inline constexpr std::array<std::string_view, 2> kFieldKeys{"Text1", "Text2"};

// The presses a session may make besides the window's buttons.
inline constexpr std::string_view kUndoName = "Undo";
inline constexpr std::string_view kRedoName = "Redo";

inline constexpr std::string_view kPressKey = "press";
// The key of a session's first line that names the attributes, on a line of its own.
inline constexpr std::string_view kAttributesKey = "attributes";
inline constexpr std::string_view kMessagesKey = "messages";
inline constexpr std::string_view kNegativeEnabledKey = "negative_enabled";
inline constexpr std::string_view kIgnoredKey = "ignored";
inline constexpr std::string_view kStepKey = "step";
// The key that shows a learner's lists from that line on, and the learners' names, in the order
// of Learner.
inline constexpr std::string_view kLearnerKey = "learner";
inline constexpr std::array<std::string_view, 2> kLearnerNames{"Program", "Textbook"};

// The name of a press in a session: "Positive", "Gen Text".
std::string_view pressName(Button button);
// The button that `name` stands for: its name, or its older key ("Command1" to "Command6").
std::optional<Button> pressNamed(std::string_view name);

inline std::string_view learnerName(Learner learner)
{
    return kLearnerNames[static_cast<std::size_t>(learner)];
}

inline std::string_view listKey(List list)
{
    return kListKeys[static_cast<std::size_t>(list)];
}

inline std::string_view fieldKey(FieldRow row)
{
    return kFieldKeys[static_cast<std::size_t>(row)];
}

} // namespace vspace
