#pragma once

#include "rows.h"

#include <string>
#include <string_view>
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
    std::size_t leftOut = 0; // rows of the version space not drawn

    // At most this many hypotheses are drawn: the rows of S and G, then those of the version
    // space in its order, as far as they go.
    static constexpr std::size_t kMaxNodes = 128;

    GeneralityGraph(const std::vector<Row> &s, const std::vector<Row> &g,
                    const std::vector<Row> &space);
    // A row whose text is longer than this many characters is shortened in the middle in its box,
    // so that Graphviz can draw it; the box's tooltip holds it whole.
    static constexpr std::size_t kMaxLabelCharacters = 81;

    // The graph in Graphviz's DOT language: S at the bottom, G at the top. Every value reads in
    // the drawing exactly as it reads in the lists. `leftOutNote` (a text with %1 for the number)
    // is written under a drawing that leaves rows out.
    std::string dot(std::string_view leftOutNote) const;
};

} // namespace vspace
