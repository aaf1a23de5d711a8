#pragma once

#include "generality_graph.h"
#include "lesson.h"
#include "player.h"
#include "spool.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vspace {

// Lays out a graph given in DOT with Graphviz and returns the SVG element, or a paragraph saying
// why not.
std::string renderSvg(const std::string &dot);
// A paragraph of the report that says, in place of something, why it is not there.
std::string reportNote(Text why);

// The title of a session's report, after its file's name.
inline std::string lessonTitle(std::string_view file)
{
    return "vspace lesson: " + std::string(file);
}

// How a report is written beyond its session: its texts (English unless given), the tag of their
// language, and a drawing in DOT made HTML (Graphviz's SVG unless given).
struct ReportStyle
{
    Phrase phrase = {};
    std::string language = "en";
    std::function<std::string(const std::string &dot)> draw = {};
};

// A lesson handout: a session told press by press as one self-contained HTML page, with what was
// typed and pressed, the messages, S, G and the version space after each press with what the
// press added and removed (a list the press left as it was is said to be unchanged), the example
// it added to the learning data, and the version space drawn whenever the drawing changed; each
// press explained, and where the program's learner and the textbook learner differ, a note; the
// whole learning data once, at the end. Where the session names its attributes, every row stands
// in a table under their names. Its memory holds the lists of one press and the last drawings:
// the page's parts wait in nameless files until it is written.
class LessonReport
{
public:
    // Only the last this many drawings are drawn; the page says how many it leaves out.
    static constexpr std::size_t kMaxDiagrams = 100;

    // Records the presses of `session` from now on, its parts kept in `folder` (the system's
    // folder for temporary files when empty); `progress`, if given, is told the number of presses
    // recorded after each.
    explicit LessonReport(ReplaySession &session, const std::string &folder = {},
                          std::function<void(std::size_t)> progress = {}, ReportStyle style = {});

    // The system's error number when the parts could not be kept; 0 while they can.
    int error() const;
    std::size_t presses() const { return m_presses; }
    // Shows the rows under these names (an empty one as "Attribute 3"), in tables; takes effect
    // before the first press only, and names all empty change nothing. Called once the session
    // has named its attributes: its start is then the session's, at the session's width.
    void nameAttributes(const AttributeNames &names);

    // Hands the page to `sink`, a part at a time; `progress` is told how many diagrams of how
    // many are drawn so far. Returns error().
    int write(const std::string &title, const TextSink &sink,
              const std::function<void(std::size_t, std::size_t)> &progress = {});
    // The page as one text.
    std::string html(const std::string &title);

private:
    struct Boundaries
    {
        std::vector<Row> s, g, space;
        bool operator==(const Boundaries &) const = default;
    };
    struct Drawing
    {
        std::uint64_t offset; // where in the presses' text its figure goes
        std::string dot;
    };

    Boundaries boundaries() const;
    void pressed(std::optional<Button> button, std::string_view name);
    // A press the program's learner ignored: its heading and why, as the explanation says.
    void ignored(Button button, std::string_view name);
    // The start of a press's section: its heading, the press numbered.
    std::string heading(std::string_view name);
    // The press explained, and where the two learners differ after it.
    std::string notes(std::optional<Button> button, std::string_view name);
    // The learning data brought up to the learner's examples; the one example the press added.
    std::optional<Example> learningData();
    // The grid of a press whose session names the attributes: the instance typed, S, G, the
    // version space and the learning data, under the names.
    std::string grid(const Boundaries &after, std::string_view instance);
    // "(3 rows)": how many the learning data holds.
    std::string rowCount() const;

    ReportStyle m_style;
    ReplaySession &m_session;
    std::function<void(std::size_t)> m_progress;
    std::string m_head; // the head row of the tables under the attributes' names; empty: none
    std::size_t m_columns = 0; // of those tables: the attributes and the label
    std::string m_names;       // the attributes named in full, once
    Row m_typed;
    Boundaries m_start, m_before;
    std::size_t m_presses = 0;
    Spool m_sections; // the presses, a section each, without their drawings
    std::size_t m_drawingCount = 0;
    std::deque<Drawing> m_drawings;         // the last kMaxDiagrams
    Spool m_learningData;                   // since the last Clear, as list items
    std::vector<std::uint64_t> m_entryEnds; // where each item of it ends
    ExampleLog m_log;                       // the examples it holds
    DifferenceNotes m_differences;
    std::size_t m_differing = 0, m_firstDifference = 0; // presses after which the learners differ
};

} // namespace vspace
