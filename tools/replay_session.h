#pragma once

#include "engine.h"
#include "memory_controls.h"

#include <array>
#include <functional>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vspace {

class ExportFile;

// Input lines longer than this many bytes (the newline not counted) are refused.
inline constexpr std::size_t kMaxReplayLineBytes = 1024 * 1024;

// One line of a replay session: field texts to set, then at most one button to press.
struct ReplayCommand
{
    std::optional<std::array<std::string, 6>> text1;
    std::optional<std::array<std::string, 6>> text2;
    std::optional<ButtonId> press;
};

// "Positive", "Negative", "Predict", "Gen Text", "Exit" or "Clear".
std::string_view button_caption(ButtonId button);

// True when `text` is valid UTF-8, as every text a report holds must be.
bool valid_utf8(std::string_view text);

// Parses one input line (without its newline). A line of JSON white space only is an empty
// command. On bad input returns what is wrong with it, without the line number.
std::variant<ReplayCommand, std::string> parse_replay_line(std::string_view line);

// The engine over in-memory controls, started as the window starts it, played one command
// at a time.
class ReplaySession
{
public:
    explicit ReplaySession(ExportFile &exportFile);

    // Sets the fields of `command`, then presses its button, if any. Returns the compact JSON
    // object that reports the press, or nothing for a line without a press.
    std::optional<std::string> play(const ReplayCommand &command);

    // True once "Exit" has been pressed.
    bool ended() const { return m_controls.unloaded(); }

    // Called just before and just after every press that is not ignored, while the messages
    // the press showed are still in controls().messages(). For checks from outside.
    enum class Moment { BeforePress, AfterPress };
    using PressObserver = std::function<void(Moment, ButtonId)>;
    void setPressObserver(PressObserver observer) { m_observer = std::move(observer); }

    const Engine &engine() const { return m_engine; }
    const MemoryControls &controls() const { return m_controls; }

private:
    // The JSON text of one list as last reported, extended while the list only grows.
    struct ListText
    {
        std::uint64_t clears = UINT64_MAX;
        std::size_t count = 0;
        std::string json;
    };

    const std::string &listJson(ListId list);

    ExportFile &m_exportFile;
    PressObserver m_observer;
    std::array<ListText, 4> m_listTexts;
    MemoryControls m_controls;
    Engine m_engine;
};

// Plays a whole JSON Lines session from `in` through `session`, writing one object per press to
// `out`. Bad input stops the run with a message on `err` naming the line; what was written before
// it stands. Returns the exit status: 0, or 2 after bad input.
int run_replay(std::istream &in, std::ostream &out, std::ostream &err, ReplaySession &session);

} // namespace vspace
