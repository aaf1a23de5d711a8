#include "outcome_json.h"

#include <array>

namespace vspace {

void rowJson(JsonWriter &out, const Row &row)
{
    out.beginArray();
    for (const Value &value : row)
        out.string(value.view());
    out.endArray();
}

namespace {

void rowsJson(JsonWriter &out, const Rows &rows)
{
    out.beginArray();
    for (std::size_t r = 0; r < rows.size(); ++r)
        rowJson(out, rows[r]);
    out.endArray();
}

// The members of the record of what a press did.
void recordJson(JsonWriter &out, const PressOutcome &outcome)
{
    if (const StepRecord *step = std::get_if<StepRecord>(&outcome)) {
        out.key("kind").string("step").key("instance");
        rowJson(out, step->instance);
        out.key("positive").boolean(step->positive);
        out.key("exampleNumber").number(step->exampleNumber);
        out.key("collapsed").boolean(step->collapsed);
        out.key("dropped").beginArray();
        for (const DroppedRow &dropped : step->dropped) {
            constexpr std::array reasons{"RejectsPositive", "AcceptsNegative", "LessGeneral"};
            out.beginObject().key("position").number(dropped.position);
            out.key("reason").string(reasons[static_cast<std::size_t>(dropped.reason)]);
            out.key("row");
            rowJson(out, dropped.row);
            out.endObject();
        }
        out.endArray().key("made").beginArray();
        for (const MadeRow &made : step->made) {
            out.beginObject().key("row");
            rowJson(out, made.row);
            out.key("attribute").number(made.attribute);
            out.key("value").string(made.value.view());
            out.key("source").number(made.source).endObject();
        }
        out.endArray().key("specific").beginObject().key("from");
        rowJson(out, step->specific.from);
        out.key("to");
        rowJson(out, step->specific.to);
        out.key("replaced").boolean(step->specific.replaced);
        out.key("generalised").beginArray();
        for (const auto attribute : step->specific.generalised)
            out.number(attribute);
        out.endArray().endObject().key("versionSpaceBefore");
        rowsJson(out, step->versionSpaceBefore);
        out.key("versionSpaceAfter");
        rowsJson(out, step->versionSpaceAfter);
    } else if (const Refusal *refused = std::get_if<Refusal>(&outcome)) {
        constexpr std::array kinds{"Duplicate", "ExampleLimit", "GeneralLimit", "VersionSpaceLimit"};
        out.key("kind").string("refusal");
        out.key("refusal").string(kinds[static_cast<std::size_t>(refused->kind)]);
        out.key("repeats").number(refused->repeats);
        out.key("rowsNeeded").number(refused->rowsNeeded);
    } else if (const Prediction *vote = std::get_if<Prediction>(&outcome)) {
        constexpr std::array answers{"Positive", "Negative", "Undecided", "NothingLearnt",
                                     "NoConsistent"};
        out.key("kind").string("prediction");
        out.key("answer").string(answers[static_cast<std::size_t>(vote->answer)]);
        out.key("accepting").number(vote->accepting);
        out.key("voting").number(vote->voting);
    }
}

} // namespace

void outcomeJson(JsonWriter &out, const PressOutcome &outcome, std::string_view sentence)
{
    if (std::holds_alternative<std::monostate>(outcome) && sentence.empty()) {
        out.null();
        return;
    }
    out.beginObject();
    recordJson(out, outcome);
    if (!sentence.empty())
        out.key("sentence").string(sentence);
    out.endObject();
}

} // namespace vspace
