#pragma once

#include "form.h"
#include "player.h"

#include <string>
#include <vector>

namespace vspace {

// What was done, as a JSON Lines session that vspace-replay and the page read: a line naming the
// attributes (`names`, one for each attribute, empty where unnamed), a line showing the learner
// `shown`, then a line for each press with the values it used.
std::string sessionText(const std::vector<Form::PressMade> &presses, const AttributeNames &names,
                        Learner shown);

} // namespace vspace
