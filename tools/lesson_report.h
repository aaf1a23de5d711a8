#pragma once

#include "generality_graph.h"
#include "replay_session.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vspace {

// Lays out a graph given in DOT with Graphviz and returns the SVG element, or a paragraph saying
// why not.
std::string renderSvg(const std::string &dot);

// A lesson handout: a session told press by press as one self-contained HTML page, with what was
// typed and pressed, the messages, S, G and the version space after each press with what the
// press added and removed, the example it added to the learning data, and the version space drawn
// whenever the drawing changed; the whole learning data once, at the end. It costs time and
// memory in proportion to the presses: a press's part of the page is written when it is made.
class LessonReport
{
public:
    // Only the last this many drawings are drawn; the page says how many it leaves out.
    static constexpr std::size_t kMaxDiagrams = 100;

    // Records the presses of `session` from now on; `progress`, if given, is told the number of
    // presses recorded after each.
    explicit LessonReport(ReplaySession &session, std::function<void(std::size_t)> progress = {});

    std::size_t presses() const { return m_sections.size(); }

    // The page. `progress` is told how many diagrams of how many are drawn so far.
    std::string html(const std::string &title,
                     const std::function<void(std::size_t, std::size_t)> &progress = {}) const;

private:
    struct Boundaries
    {
        std::vector<Row> s, g, space;
        bool operator==(const Boundaries &) const = default;
    };
    struct Drawing
    {
        std::size_t press;
        std::string dot;
    };

    Boundaries boundaries() const;
    void pressed(Button button);

    ReplaySession &m_session;
    std::function<void(std::size_t)> m_progress;
    Row m_typed;
    int m_examplesBefore = 0;
    Boundaries m_before;
    std::vector<std::string> m_sections; // a press each, without its diagram
    std::vector<Drawing> m_drawings;
    std::vector<std::string> m_learningData; // since the last Clear
};

} // namespace vspace
