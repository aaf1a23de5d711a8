#pragma once

#include "form.h"
#include "json_writer.h"

#include <string_view>

namespace vspace {

// A row as a JSON array of its values.
void rowJson(JsonWriter &out, const Row &row);

// What a press taught, refused or voted, as a JSON object with named fields: {"kind": "step",
// "instance", "positive", "exampleNumber", "collapsed", "dropped", "made", "specific",
// "versionSpaceBefore", "versionSpaceAfter"}, {"kind": "refusal", "refusal", "repeats",
// "rowsNeeded"} or {"kind": "prediction", "answer", "accepting", "voting"}; null for none.
// `sentence`, when not empty, is added as "sentence" (to an object of its own for none).
void outcomeJson(JsonWriter &out, const PressOutcome &outcome, std::string_view sentence = {});

} // namespace vspace
