#include "lesson_report.h"

#include <gvc.h>

#include <algorithm>
#include <map>
#include <memory>

namespace vspace {

namespace {

std::string escapedHtml(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// A DOT string literal: quotation marks and backslashes escaped, control characters as spaces.
std::string dotString(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    return quoted + '"';
}

std::vector<Row> tableRows(const HypothesisTable &table, int count)
{
    std::vector<Row> rows;
    for (int r = 1; r <= count; ++r)
        rows.push_back(table.row(r));
    return rows;
}

bool contains(const std::vector<std::string> &items, const std::string &item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

const char *const kStyle = R"(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; max-width: 60em; margin: 2em auto;
       padding: 0 1em; color: #1a1a1a; line-height: 1.4; }
h1 { font-size: 1.6em; } h2 { font-size: 1.15em; border-bottom: 1px solid #999; padding-bottom: .2em; }
section { break-inside: avoid; margin-bottom: 2em; }
table { border-collapse: collapse; margin: .5em 0; } th, td { text-align: left; vertical-align: top; padding: .2em .8em .2em 0; }
th { font-weight: normal; color: #555; white-space: nowrap; }
ul.rows { list-style: none; margin: 0; padding: 0; font-family: "Liberation Mono", "DejaVu Sans Mono", monospace; }
.added { color: #0a6b22; font-weight: bold; } .added::before { content: "+ "; }
.removed { color: #a3201a; text-decoration: line-through; } .removed::before { content: "\2212 "; }
.message { border-left: 3px solid #3b6fb6; padding-left: .6em; }
.none { color: #555; font-style: italic; }
figure { margin: 1em 0; text-align: center; } figure svg { max-width: 100%; height: auto; }
figcaption { color: #555; font-size: .9em; }
@media print { body { margin: 0; max-width: none; } }
)";

} // namespace

GeneralityGraph::GeneralityGraph(const std::vector<Row> &s, const std::vector<Row> &g, const std::vector<Row> &space)
{
    const auto indexOf = [this](const Row &row) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (same_row(nodes[i], row))
                return static_cast<int>(i);
        }
        nodes.push_back(row);
        inS.push_back(false);
        inG.push_back(false);
        return static_cast<int>(nodes.size() - 1);
    };
    for (const Row &row : s)
        inS[static_cast<std::size_t>(indexOf(row))] = true;
    for (const Row &row : g)
        inG[static_cast<std::size_t>(indexOf(row))] = true;
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
                      "  node [shape=box, style=\"rounded,filled\", fillcolor=\"#ffffff\", fontname=\"Liberation Sans\", fontsize=11];\n"
                      "  edge [arrowhead=none, color=\"#555555\"];\n";
    // A rank per generality: the number of "?" a row holds. A row directly more general than
    // another holds more, so every edge goes up, S at the bottom and G at the top.
    std::map<long, std::string> ranks;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const std::string id = "h" + std::to_string(i);
        dot += "  " + id + " [label=" + dotString(row_text(nodes[i]));
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

std::string render_svg(const GeneralityGraph &graph)
{
    // One Graphviz context for the whole run: its text layout keeps a pointer to the last font
    // name of the context it last served, which a second context would find freed.
    static GVC_t *const context = gvContext();
    const std::string dot = graph.dot();
    const std::unique_ptr<Agraph_t, int (*)(Agraph_t *)> layout(agmemread(dot.c_str()), agclose);
    if (!context || !layout || gvLayout(context, layout.get(), "dot") != 0)
        return "<p class=\"none\">(Graphviz could not lay out the diagram.)</p>";
    char *data = nullptr;
    unsigned int length = 0;
    const int rendered = gvRenderData(context, layout.get(), "svg", &data, &length);
    std::string svg = rendered == 0 && data ? std::string(data, length) : std::string();
    gvFreeRenderData(data);
    gvFreeLayout(context, layout.get());
    // The page holds the SVG element itself, without the XML declaration and document type.
    const std::size_t start = svg.find("<svg");
    return start == std::string::npos ? "<p class=\"none\">(Graphviz could not draw the diagram.)</p>" : svg.substr(start);
}

LessonReport::LessonReport(ReplaySession &session)
    : m_session(session)
{
    const auto lists = [this] {
        std::array<std::vector<std::string>, 4> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = m_session.controls().items(static_cast<ListId>(i));
        return all;
    };
    session.setPressObserver([this, lists](ReplaySession::Moment moment, ButtonId button) {
        const MemoryControls &controls = m_session.controls();
        if (moment == ReplaySession::Moment::BeforePress) {
            m_presses.push_back({std::string(button_caption(button)), controls.fields(FieldArray::Text1),
                                 controls.fields(FieldArray::Text2), {}, lists(), {}, {}, {}, {}});
            return;
        }
        Press &press = m_presses.back();
        for (const MemoryControls::Message &message : controls.messages())
            press.messages.push_back(message.title + ": " + message.text);
        press.after = lists();
        const EngineState &state = m_session.engine().state();
        press.s = tableRows(state.specific_hy, state.specific_count);
        press.g = tableRows(state.general_hy, state.general_count);
        if (controls.count(ListId::List4) != 0)
            press.space = tableRows(state.space_hy, state.space_count);
    });
}

std::string LessonReport::html(const std::string &title) const
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
                       + escapedHtml(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>"
                       + escapedHtml(title) + "</h1>\n<p>" + std::to_string(m_presses.size())
                       + " presses. After each: S, the specific boundary; G, the general boundary; the version "
                         "space between them; the learning data. <span class=\"added\">Added</span> and "
                         "<span class=\"removed\">removed</span> rows are marked.</p>\n";
    const char *const names[4] = {"G (General)", "S (Specific)", "Learning data", "Version space"};
    int number = 0;
    for (const Press &press : m_presses) {
        page += "<section>\n<h2>Press " + std::to_string(++number) + ": " + escapedHtml(press.button) + "</h2>\n";
        const bool training = press.button == "Positive" || press.button == "Negative";
        if (training || press.button == "Predict") {
            page += std::string("<p>") + (training ? "Training instance: " : "Unseen instance: ") + "<code>"
                    + escapedHtml(row_text(training ? press.text1 : press.text2)) + "</code></p>\n";
        }
        for (const std::string &message : press.messages)
            page += "<p class=\"message\">Message " + escapedHtml(message) + "</p>\n";
        page += "<table>\n";
        for (const std::size_t list : {1u, 0u, 3u, 2u}) {
            page += "<tr><th>" + std::string(names[list]) + "</th><td><ul class=\"rows\">";
            for (const std::string &item : press.after[list]) {
                page += contains(press.before[list], item) ? "<li>" : "<li class=\"added\">";
                page += escapedHtml(item) + "</li>";
            }
            for (const std::string &item : press.before[list]) {
                if (!contains(press.after[list], item))
                    page += "<li class=\"removed\">" + escapedHtml(item) + "</li>";
            }
            page += press.after[list].empty() ? "<li class=\"none\">(empty)</li></ul></td></tr>\n" : "</ul></td></tr>\n";
        }
        page += "</table>\n";
        const bool changed = press.before[0] != press.after[0] || press.before[1] != press.after[1]
                             || press.before[3] != press.after[3];
        if (changed && press.g.empty()) {
            page += "<p class=\"none\">G is empty: no hypothesis is consistent with the learning data.</p>\n";
        } else if (changed) {
            page += "<figure>\n" + render_svg(GeneralityGraph(press.s, press.g, press.space))
                    + "<figcaption>Each hypothesis of S (green), G (yellow) and the version space, joined to "
                      "those directly more general than it.</figcaption>\n</figure>\n";
        }
        page += "</section>\n";
    }
    return page + "</body>\n</html>\n";
}

} // namespace vspace
