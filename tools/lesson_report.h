#pragma once

#include "hypothesis.h"
#include "replay_session.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace vspace {

// The hypotheses of S, G and the version space after one press, ordered by generality: one
// node per distinct row, and an edge from each row to every row directly more general than it
// (the Hasse diagram of "more general than or equal to").
struct GeneralityGraph
{
    std::vector<Row> nodes;
    std::vector<std::pair<int, int>> edges; // (more specific, directly more general), node indices
    std::vector<bool> inS, inG;

    GeneralityGraph(const std::vector<Row> &s, const std::vector<Row> &g, const std::vector<Row> &space);
    // The graph in Graphviz's DOT language: S at the bottom, G at the top.
    std::string dot() const;
};

// Lays `graph` out with Graphviz and returns the SVG element, or a message saying why not.
std::string render_svg(const GeneralityGraph &graph);

// A lesson handout: a session told press by press as one self-contained HTML page, with what was
// typed and pressed, the messages, S, G, the learning data and the version space after each
// press, what the press added and removed, and the version space drawn whenever it changed.
class LessonReport
{
public:
    // Records the presses of `session` from now on.
    explicit LessonReport(ReplaySession &session);

    std::string html(const std::string &title) const;

private:
    struct Press
    {
        std::string button;
        Row text1, text2;
        std::vector<std::string> messages;
        std::array<std::vector<std::string>, 4> before, after; // List1 to List4
        std::vector<Row> s, g, space;                           // the rows after the press
    };

    ReplaySession &m_session;
    std::vector<Press> m_presses;
};

} // namespace vspace
