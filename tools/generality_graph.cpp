#include "generality_graph.h"

#include <algorithm>
#include <map>

namespace vspace {

namespace {

// A DOT string literal that Graphviz draws as `text`: quotation marks and backslashes escaped,
// "&" written as an entity (Graphviz reads entities inside labels), control characters as spaces.
std::string dotString(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '&')
            quoted += "&amp;";
        else
            quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    return quoted + '"';
}

} // namespace

GeneralityGraph::GeneralityGraph(const std::vector<Row> &s, const std::vector<Row> &g,
                                 const std::vector<Row> &space)
{
    const auto indexOf = [this](const Row &row) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (sameRow(nodes[i], row))
                return i;
        }
        nodes.push_back(row);
        inS.push_back(false);
        inG.push_back(false);
        return nodes.size() - 1;
    };
    for (const Row &row : s)
        inS[indexOf(row)] = true;
    for (const Row &row : g)
        inG[indexOf(row)] = true;
    for (const Row &row : space)
        indexOf(row);
    // h1 is more general than or equal to h2 when h1 holds "?" or h2's value at every
    // attribute: h1 accepts h2 as if it were an instance.
    const auto above = [this](std::size_t upper, std::size_t lower) {
        return upper != lower && accepts(nodes[upper], nodes[lower]);
    };
    for (std::size_t lower = 0; lower < nodes.size(); ++lower) {
        for (std::size_t upper = 0; upper < nodes.size(); ++upper) {
            bool direct = above(upper, lower);
            for (std::size_t between = 0; direct && between < nodes.size(); ++between)
                direct = !(above(upper, between) && above(between, lower));
            if (direct)
                edges.emplace_back(static_cast<int>(lower), static_cast<int>(upper));
        }
    }
}

std::string GeneralityGraph::dot() const
{
    std::string dot = "digraph version_space {\n  rankdir=BT; nodesep=0.25; ranksep=0.45;\n"
                      "  node [shape=box, style=\"rounded,filled\", fillcolor=\"#ffffff\", "
                      "fontname=\"Liberation Sans\", fontsize=11];\n"
                      "  edge [arrowhead=none, color=\"#555555\"];\n";
    // A rank per generality: the number of "?" a row holds. A row directly more general than
    // another holds more, so every edge goes up, S at the bottom and G at the top.
    std::map<long, std::string> ranks;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const std::string id = "h" + std::to_string(i);
        dot += "  " + id + " [label=" + dotString(rowText(nodes[i]));
        dot += inS[i] ? ", fillcolor=\"#d7f0da\"" : inG[i] ? ", fillcolor=\"#fdf0c4\"" : "";
        dot += "];\n";
        ranks[std::count(nodes[i].begin(), nodes[i].end(), kAnyValue)] += " " + id + ";";
    }
    for (const auto &[generality, ids] : ranks)
        dot += "  { rank=same;" + ids + " }\n";
    for (const auto &[lower, upper] : edges)
        dot += "  h" + std::to_string(lower) + " -> h" + std::to_string(upper) + ";\n";
    return dot + "}\n";
}

} // namespace vspace
