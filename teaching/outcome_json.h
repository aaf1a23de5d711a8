#pragma once

#include "form.h"

#include <string>
#include <string_view>

namespace vspace {

// The pieces of a JSON text, written straight into it: a front end's updates are many and small,
// and a document tree for each costs more than the press itself. Texts are taken as UTF-8; the
// reader sees an ill-formed byte as U+FFFD.
void quote(std::string &out, std::string_view text);
std::string jsonString(std::string_view text);
void rowJson(std::string &out, const Row &row);
void rowsJson(std::string &out, const Rows &rows);

// What a press taught, refused or voted, as a JSON object with named fields: {"kind": "step",
// "instance", "positive", "exampleNumber", "collapsed", "dropped", "made", "specific",
// "versionSpaceBefore", "versionSpaceAfter"}, {"kind": "refusal", "refusal", "repeats",
// "rowsNeeded"} or {"kind": "prediction", "answer", "accepting", "voting"}; "null" for none.
// `sentence`, when not empty, is added as "sentence" (to an object of its own for none).
std::string outcomeJson(const PressOutcome &outcome, const std::string &sentence = {});

} // namespace vspace
