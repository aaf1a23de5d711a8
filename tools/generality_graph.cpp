#include "generality_graph.h"

#include "explanation.h"

#include <algorithm>
#include <map>

namespace vspace {

namespace {

// A DOT string literal that Graphviz draws as `text`: quotation marks and backslashes escaped,
// "&" written as an entity (Graphviz reads entities inside labels), control characters as spaces,
// and U+FFFE and U+FFFF, which XML does not allow, as U+FFFD.
std::string dotString(std::string_view text)
{
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '&') {
            quoted += "&amp;";
        } else if (text.substr(i, 2) == "\xEF\xBF" && i + 2 < text.size()
                   && (text[i + 2] == '\xBE' || text[i + 2] == '\xBF')) {
            quoted += "\xEF\xBF\xBD";
            i += 2;
        } else {
            quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return quoted + '"';
}

// The first `count` characters of a UTF-8 text, or its last ones, in bytes.
std::size_t headBytes(std::string_view text, std::size_t count)
{
    std::size_t i = 0;
    for (std::size_t characters = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == count)
            break;
    }
    return i;
}

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A node's label and tooltip: the row's text, each value in its own direction; a text too wide to
// draw shortened in the middle, each end in its own direction, whole in the tooltip.
std::string labelAttributes(const Row &row)
{
    const std::string text = rowText(row);
    const std::size_t length = characterCount(text);
    if (length <= GeneralityGraph::kMaxLabelCharacters)
        return "label=" + dotString(isolatedRow(row));
    const std::size_t kept = (GeneralityGraph::kMaxLabelCharacters - 1) / 2;
    const std::string_view whole = text;
    return "label="
           + dotString(isolated(whole.substr(0, headBytes(whole, kept))) + "\u2026"
                       + isolated(whole.substr(headBytes(whole, length - kept))))
           + ", tooltip=" + dotString(isolatedRow(row));
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
    // The version space's rows are distinct: past the last node, a row is left out unless it is
    // one of S or G.
    const auto boundaries = static_cast<long>(nodes.size());
    for (const Row &row : space) {
        if (nodes.size() < kMaxNodes)
            indexOf(row);
        else if (std::none_of(nodes.begin(), nodes.begin() + boundaries,
                              [&](const Row &n) { return n == row; }))
            ++leftOut;
    }
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

std::string GeneralityGraph::dot(std::string_view leftOutNote) const
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
        dot += "  " + id + " [" + labelAttributes(nodes[i]);
        dot += inS[i]   ? ", fillcolor=\"#d7f0da\", class=\"specific\""
               : inG[i] ? ", fillcolor=\"#fdf0c4\", class=\"general\""
                        : "";
        dot += "];\n";
        ranks[std::count(nodes[i].begin(), nodes[i].end(), kAnyValue)] += " " + id + ";";
    }
    for (const auto &[generality, ids] : ranks)
        dot += "  { rank=same;" + ids + " }\n";
    for (const auto &[lower, upper] : edges)
        dot += "  h" + std::to_string(lower) + " -> h" + std::to_string(upper) + ";\n";
    if (leftOut > 0) {
        std::string note(leftOutNote);
        note.replace(note.find("%1"), 2, std::to_string(leftOut));
        dot += "  label=" + dotString(note) + "; labelloc=b; fontname=\"Liberation Sans\";\n";
    }
    return dot + "}\n";
}

} // namespace vspace
