#include "session_writer.h"

#include "json_writer.h"
#include "session_format.h"

namespace vspace {

std::string sessionText(const std::vector<Form::PressMade> &presses, const AttributeNames &names,
                        Learner shown)
{
    JsonWriter line;
    std::string text;
    const auto endLine = [&] {
        text += line.text();
        text += '\n';
        line.clear();
    };
    line.beginObject().key(kAttributesKey).beginArray();
    for (const std::string &name : names)
        line.string(name);
    line.endArray().endObject();
    endLine();
    line.beginObject().key(kLearnerKey).string(learnerName(shown)).endObject();
    endLine();
    for (const Form::PressMade &press : presses) {
        line.beginObject();
        if (press.values.size() > 0) {
            line.key(fieldKey(press.button == Button::Predict ? FieldRow::Unseen
                                                              : FieldRow::Training));
            line.beginArray();
            for (const Value &value : press.values)
                line.string(value.str());
            line.endArray();
        }
        line.key(kPressKey).string(pressName(press.button)).endObject();
        endLine();
    }
    return text;
}

} // namespace vspace
