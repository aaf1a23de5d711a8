#include "outcome_json.h"

#include <array>

namespace vspace {

void quote(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c; // the page reads the text as UTF-8, any ill-formed byte as U+FFFD
        }
    }
    out += '"';
}

std::string jsonString(std::string_view text)
{
    std::string out;
    quote(out, text);
    return out;
}

void rowJson(std::string &out, const Row &row)
{
    char separator = '[';
    for (const Value &value : row) {
        out += separator;
        quote(out, value.view());
        separator = ',';
    }
    out += ']';
}

void rowsJson(std::string &out, const Rows &rows)
{
    out += '[';
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r)
            out += ',';
        rowJson(out, rows[r]);
    }
    out += ']';
}

namespace {

std::string recordJson(const PressOutcome &outcome)
{
    std::string out;
    if (const StepRecord *step = std::get_if<StepRecord>(&outcome)) {
        out = "{\"kind\":\"step\",\"instance\":";
        rowJson(out, step->instance);
        out += std::string(",\"positive\":") + (step->positive ? "true" : "false")
               + ",\"exampleNumber\":" + std::to_string(step->exampleNumber)
               + ",\"collapsed\":" + (step->collapsed ? "true" : "false") + ",\"dropped\":[";
        for (std::size_t i = 0; i < step->dropped.size(); ++i) {
            constexpr std::array reasons{"RejectsPositive", "AcceptsNegative", "LessGeneral"};
            out += (i ? ",{\"position\":" : "{\"position\":")
                   + std::to_string(step->dropped[i].position) + ",\"reason\":\""
                   + reasons[static_cast<std::size_t>(step->dropped[i].reason)] + "\",\"row\":";
            rowJson(out, step->dropped[i].row);
            out += '}';
        }
        out += "],\"made\":[";
        for (std::size_t i = 0; i < step->made.size(); ++i) {
            const MadeRow &made = step->made[i];
            out += i ? ",{\"row\":" : "{\"row\":";
            rowJson(out, made.row);
            out += ",\"attribute\":" + std::to_string(made.attribute)
                   + ",\"value\":" + jsonString(made.value.view())
                   + ",\"source\":" + std::to_string(made.source) + '}';
        }
        out += "],\"specific\":{\"from\":";
        rowJson(out, step->specific.from);
        out += ",\"to\":";
        rowJson(out, step->specific.to);
        out += std::string(",\"replaced\":") + (step->specific.replaced ? "true" : "false")
               + ",\"generalised\":[";
        for (std::size_t i = 0; i < step->specific.generalised.size(); ++i)
            out += (i ? "," : "") + std::to_string(step->specific.generalised[i]);
        out += "]},\"versionSpaceBefore\":";
        rowsJson(out, step->versionSpaceBefore);
        out += ",\"versionSpaceAfter\":";
        rowsJson(out, step->versionSpaceAfter);
        return out + '}';
    }
    if (const Refusal *refused = std::get_if<Refusal>(&outcome)) {
        constexpr std::array kinds{"Duplicate", "ExampleLimit", "GeneralLimit", "VersionSpaceLimit"};
        return std::string("{\"kind\":\"refusal\",\"refusal\":\"")
               + kinds[static_cast<std::size_t>(refused->kind)]
               + "\",\"repeats\":" + std::to_string(refused->repeats)
               + ",\"rowsNeeded\":" + std::to_string(refused->rowsNeeded) + '}';
    }
    if (const Prediction *vote = std::get_if<Prediction>(&outcome)) {
        constexpr std::array answers{"Positive", "Negative", "Undecided", "NothingLearnt",
                                     "NoConsistent"};
        return std::string("{\"kind\":\"prediction\",\"answer\":\"")
               + answers[static_cast<std::size_t>(vote->answer)]
               + "\",\"accepting\":" + std::to_string(vote->accepting)
               + ",\"voting\":" + std::to_string(vote->voting) + '}';
    }
    return "null";
}

} // namespace

std::string outcomeJson(const PressOutcome &outcome, const std::string &sentence)
{
    std::string json = recordJson(outcome);
    if (sentence.empty())
        return json;
    json = json == "null" ? "{" : json.substr(0, json.size() - 1) + ',';
    return json + "\"sentence\":" + jsonString(sentence) + '}';
}

} // namespace vspace
