#pragma once

#include "explanation.h"
#include "export_file.h"
#include "form.h"
#include "json_writer.h"
#include "memory_controls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vspace {

// Input lines and CSV rows longer than this many bytes (the newline not counted) are refused.
inline constexpr std::size_t kMaxReplayLineBytes = 1024 * 1024;

// The names a session file gives its attributes, in the order of the fields ("Sky", ...); an empty
// name leaves its attribute unnamed. A reader hands them over as soon as it knows how many
// attributes the session's instances have, before the first command that types values: unnamed
// when the session names none.
using AttributeNames = std::vector<std::string>;

// One step of a replay session: field values to type, then at most one button to press, or an
// undo or redo.
struct ReplayCommand
{
    std::optional<MemoryControls::Values> training = {};
    std::optional<MemoryControls::Values> unseen = {};
    std::optional<Button> press = {};
    long line = 0; // where it starts in the session's file; 0 when not read from one
    std::optional<History> history = {};
    std::string example = {}; // the example's name in its table ("D3"); empty when it has none
    std::optional<Learner> learner = {}; // shown from this command on, before its typing
};

// True when `text` is valid UTF-8, as every text a report holds must be.
bool validUtf8(std::string_view text);

// A text from the input for an error message: at most 64 bytes of it, never cutting a character
// in two, as a JSON string, followed by "..." when it was cut.
std::string shownText(std::string_view text);

// Plays one command of a session through `form`, as vspace-replay and the page both play them:
// types its values, then presses its button, or undoes or redoes one of the session's own actions.
// An undo with nothing after `opening` (the number of the action that opened the session; 0 for
// none) is ignored: it never reaches the opening or the work before it. `beforePress` is called
// between the typing and the press. Returns whether the press was done, or nothing for a command
// that presses nothing.
std::optional<bool> playCommand(Form &form, const ReplayCommand &command, std::uint64_t opening = 0,
                                const std::function<void()> &beforePress = {});

// The form over in-memory controls, started as the window starts it, played one command
// at a time.
class ReplaySession
{
public:
    // `shown`: the learner whose lists, votes and version space the reports carry. `explain`: each
    // report also says, under "step", what the press did and why, in a sentence.
    explicit ReplaySession(ExportFile &exportFile, Learner shown = Learner::Program,
                           bool explain = false);

    // Types the values of `command`, then presses its button, if any. Returns the compact JSON
    // object that reports the press, or nothing for a command without a press, or when quiet.
    std::optional<std::string> play(const ReplayCommand &command);
    // No report of each press is wanted: none is made, and the lists are not drawn.
    void setQuiet(bool quiet)
    {
        m_quiet = quiet;
        if (quiet)
            m_controls.hideLists();
    }

    // The session's instances have as many attributes as `names`, which the sentences of --explain
    // use (an empty one: by its number). At another width than the form's, the session starts
    // afresh at its own, and no Undo of the session goes back past that start.
    void nameAttributes(const AttributeNames &names);
    const AttributeNames &attributeNames() const { return m_names; }

    // True once "Exit" has been pressed.
    bool ended() const { return m_controls.closed(); }
    // The message of the last Gen Text that failed, once; nothing when none failed since.
    std::optional<std::string> takeExportFailure() { return std::exchange(m_exportFailure, {}); }

    // Called before a command types its values or presses (typing alone: with the button of no
    // press), just before a press, and just after every press that was not ignored, while the
    // messages the press showed are still in controls().messages(), or after a button's press
    // that was, with the button pressed (none for Undo and Redo) and the press's name. For checks
    // and reports from outside. Each observer added is told, in the order added.
    enum class Moment { BeforeTyping, BeforePress, AfterPress, AfterIgnored };
    using PressObserver = std::function<void(Moment, std::optional<Button>, std::string_view)>;
    void addPressObserver(PressObserver observer) { m_observers.push_back(std::move(observer)); }

    const Form &form() const { return m_form; }
    Form &form() { return m_form; }
    // The name of the example the command being played types, for observers; empty when none.
    const std::string &exampleName() const { return m_example; }
    const MemoryControls &controls() const { return m_controls; }
    // The values a press of `button` takes as the fields hold them now: the unseen row's for
    // Predict, the training row's otherwise. For observers, just before a press.
    Row valuesFor(std::optional<Button> button) const
    {
        return rowOf(m_controls.values(button == Button::Predict ? FieldRow::Unseen
                                                                 : FieldRow::Training));
    }
    MemoryControls &controls() { return m_controls; }

private:
    // The rows of one list as last reported, as JSON strings with commas between them, extended
    // while the list only grows.
    struct ListText
    {
        std::uint64_t clears = UINT64_MAX;
        std::size_t count = 0;
        JsonWriter rows;
    };

    // The export file, with a note of whether the last export failed.
    class WatchedExport : public ExportFile
    {
    public:
        explicit WatchedExport(ExportFile &file)
            : m_file(file)
        {}
        std::string path() const override { return m_file.path(); }
        std::optional<ExportFailure> replace(std::string_view bytes) override
        {
            std::optional<ExportFailure> failure = m_file.replace(bytes);
            failed = failure.has_value();
            return failure;
        }
        bool failed = false;

    private:
        ExportFile &m_file;
    };

    // The rows of `list` as JSON strings, with commas between them.
    const std::string &listJson(List list);

    std::vector<PressObserver> m_observers;
    void tell(Moment moment, std::optional<Button> button, std::string_view name) const
    {
        for (const PressObserver &observer : m_observers)
            observer(moment, button, name);
    }
    std::array<ListText, kListCount> m_listTexts;
    JsonWriter m_report; // the last report, its storage kept for the next
    std::optional<std::string> m_exportFailure;
    bool m_explain;
    bool m_quiet = false;
    WatchedExport m_export;
    MemoryControls m_controls;
    Form m_form;
    std::uint64_t m_opening = 0; // the start at the session's width, if it needed one
    AttributeNames m_names;
    std::string m_example; // of the command being played
};

// A reader of a session: hands each command it reads to the handler, until the handler returns
// false; returns nothing, or the first bad input as a message naming its line.
using CommandHandler = std::function<bool(const ReplayCommand &)>;
using SessionReader = std::function<std::optional<std::string>(const CommandHandler &)>;

using NamesHandler = std::function<void(const AttributeNames &)>;

// When memory runs out: what is said, and the exit status.
inline constexpr std::string_view kOutOfMemory
        = "out of memory: the presses before this line were played, and the rest were not";
inline constexpr int kOutOfMemoryStatus = 3;

// The names handler of a reader that plays into `session`: names the session's attributes, then
// hands the names on to `names`, if given.
NamesHandler widthSetting(ReplaySession &session, const NamesHandler &names);

// Plays what `read` reads through `session`, writing one object per press to `out`, until Exit.
// Bad input or a failed read stops the run with a message on `err`; what was written before it
// stands. A Gen Text that fails is told on `err` too, with its line, and the session plays on.
// Returns the exit status: 3 when memory ran out (said on `err` with the line), 2 after bad input
// or a failed read, otherwise 1 when a Gen Text failed, otherwise 0.
int playSession(const SessionReader &read, std::ostream &out, std::ostream &err,
                ReplaySession &session);

} // namespace vspace
