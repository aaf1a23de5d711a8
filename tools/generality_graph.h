#pragma once

#include "rows.h"

#include <string>
#include <utility>
#include <vector>

namespace vspace {

// The hypotheses of S, G and the version space, ordered by generality: one node per distinct
// row, and an edge from each row to every row directly more general than it (the Hasse diagram
// of "more general than or equal to").
struct GeneralityGraph
{
    std::vector<Row> nodes;
    std::vector<std::pair<int, int>> edges; // (more specific, directly more general), node indices
    std::vector<bool> inS, inG;

    GeneralityGraph(const std::vector<Row> &s, const std::vector<Row> &g,
                    const std::vector<Row> &space);
    // A row whose text is longer than this many characters is shortened in the middle in its box,
    // so that Graphviz can draw it; the box's tooltip holds it whole.
    static constexpr std::size_t kMaxLabelCharacters = 81;

    // The graph in Graphviz's DOT language: S at the bottom, G at the top. Every value reads in
    // the drawing exactly as it reads in the lists.
    std::string dot() const;
};

} // namespace vspace
