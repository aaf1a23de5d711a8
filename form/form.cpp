#include "form.h"

#include "export_file.h"

namespace vspace {

namespace {

Text refusalPrompt(Refusal::Kind kind)
{
    switch (kind) {
    case Refusal::Kind::Duplicate:
        return Text::DuplicatePrompt;
    case Refusal::Kind::ExampleLimit:
        return Text::ExampleLimitPrompt;
    case Refusal::Kind::GeneralLimit:
        return Text::GeneralLimitPrompt;
    case Refusal::Kind::VersionSpaceLimit:
        break;
    }
    return Text::VersionSpaceLimitPrompt;
}

Text predictionPrompt(Prediction::Answer answer)
{
    switch (answer) {
    case Prediction::Answer::Positive:
        return Text::PositivePrompt;
    case Prediction::Answer::Negative:
        return Text::NegativePrompt;
    case Prediction::Answer::Undecided:
        return Text::UndecidedPrompt;
    case Prediction::Answer::NothingLearnt:
        return Text::NothingLearntPrompt;
    case Prediction::Answer::NoConsistent:
        break;
    }
    return Text::NoConsistentPrompt;
}

Text failureReason(ExportFailure::Reason reason)
{
    using R = ExportFailure::Reason;
    switch (reason) {
    case R::NotAFolder:
        return Text::NotAFolderReason;
    case R::FolderNotCreated:
        return Text::FolderNotCreatedReason;
    case R::FolderInTheWay:
        return Text::FolderInTheWayReason;
    case R::IncompleteWrite:
        return Text::IncompleteWriteReason;
    case R::NotARegularFile:
        return Text::NotARegularFileReason;
    case R::DanglingLink:
        return Text::DanglingLinkReason;
    case R::ForeignLink:
        return Text::ForeignLinkReason;
    case R::NoDesktop:
        return Text::NoDesktopReason;
    case R::System:
        break;
    }
    return Text::SystemReason;
}

} // namespace

int utf16Length(std::string_view utf8)
{
    int units = 0;
    for (const unsigned char byte : utf8) {
        if ((byte & 0xC0) == 0x80)
            continue;                  // continuation byte
        units += byte >= 0xF0 ? 2 : 1; // four-byte sequences need a surrogate pair
    }
    return units;
}

Form::Form(Controls &controls, ExportFile &exportFile)
    : m_controls(controls)
    , m_exportFile(exportFile)
{
    show({.drawGeneral = true, .drawSpecific = true, .negativeEnabled = false});
}

bool Form::press(Button button)
{
    if (!m_controls.enabled(button))
        return false;
    m_outcome = std::monostate{};
    switch (button) {
    case Button::Positive:
        train(true);
        break;
    case Button::Negative:
        train(false);
        break;
    case Button::Predict:
        predict();
        break;
    case Button::GenText:
        exportVersionSpace();
        break;
    case Button::Exit:
        m_controls.close();
        break;
    case Button::Clear:
        clear();
        break;
    }
    return true;
}

void Form::keyPress(Field field, int key)
{
    if (key != kEnterKey)
        return;
    if (field.index < kFieldCount)
        show({.selectAndFocus = Field{field.row, field.index + 1}});
    else
        m_controls.setFocus(field.row == FieldRow::Training ? Button::Positive : Button::Predict);
}

void Form::setState(const LearningState &state)
{
    m_state = state;
    show({.drawGeneral = true,
          .drawSpecific = true,
          .drawVersionSpace = true,
          .negativeEnabled = m_state.exampleCount > 1});
}

Row Form::instance(FieldRow row) const
{
    Row values;
    for (int a = 1; a <= kAttributeCount; ++a)
        values[static_cast<std::size_t>(a - 1)] = m_controls.text({row, a});
    return values;
}

void Form::train(bool positive)
{
    std::variant<Step, Refusal> step = vspace::train(m_state, instance(FieldRow::Training),
                                                     positive);
    if (const Refusal *refused = std::get_if<Refusal>(&step)) {
        m_outcome = *refused;
        // A duplicate empties the fields; a limit keeps what was typed, and nothing changes.
        const bool duplicate = refused->kind == Refusal::Kind::Duplicate;
        show({.message = refusalPrompt(refused->kind),
              .title = duplicate ? Text::DuplicateTitle : Text::CannotLearnTitle,
              .clearTraining = duplicate});
        return;
    }
    Step &taken = std::get<Step>(step);
    m_state = std::move(taken.state);
    m_outcome = std::move(taken.record);
    show({.drawGeneral = true,
          .drawSpecific = positive,
          .drawVersionSpace = true,
          .newExample = true,
          .selectAndFocus = Field{FieldRow::Training, 1},
          .negativeEnabled = positive ? std::optional(true) : std::nullopt,
          .clearTraining = true});
}

void Form::predict()
{
    const Prediction vote = vspace::predict(m_state, instance(FieldRow::Unseen));
    m_outcome = vote;
    const bool answered = vote.answer != Prediction::Answer::NothingLearnt
                          && vote.answer != Prediction::Answer::NoConsistent;
    show({.message = predictionPrompt(vote.answer),
          .title = answered ? Text::ResultTitle : Text::CannotPredictTitle,
          .focusField = Field{FieldRow::Unseen, 1}});
}

void Form::exportVersionSpace()
{
    const std::optional<ExportFailure> failure = m_exportFile.replace(
            hypothesisFileBytes(m_state.versionSpace));
    if (!failure)
        return show({.message = Text::ExportedPrompt, .title = Text::TextFileTitle});
    const std::string reason = format(m_controls.phrase(failureReason(failure->reason)),
                                      {failure->argument});
    show({.title = Text::TextFileTitle,
          .messageText = format(m_controls.phrase(Text::ExportFailedPrompt),
                                {m_exportFile.path(), reason})});
}

void Form::clear()
{
    m_state = LearningState();
    show({.clearAllFields = true,
          .clearLearningData = true,
          .drawGeneral = true,
          .drawSpecific = true,
          .drawVersionSpace = true,
          .negativeEnabled = false});
}

void Form::show(const Shown &shown)
{
    if (shown.title) {
        m_controls.messageBox(shown.message ? m_controls.phrase(*shown.message) : shown.messageText,
                              m_controls.phrase(*shown.title));
    }
    for (int i = 1; shown.clearAllFields && i <= kFieldCount; ++i) {
        m_controls.setText({FieldRow::Training, i}, {});
        m_controls.setText({FieldRow::Unseen, i}, {});
    }
    if (shown.clearLearningData)
        m_controls.clear(List::LearningData);
    const auto draw = [this](List list, const Rows &rows) {
        m_controls.clear(list);
        for (const Row &row : rows)
            m_controls.append(list, rowText(row));
    };
    if (shown.drawGeneral)
        draw(List::General, m_state.general);
    if (shown.drawSpecific) {
        m_controls.clear(List::Specific);
        m_controls.append(List::Specific, rowText(m_state.specific));
    }
    if (shown.newExample) {
        const Example example = m_state.examples.at(m_state.examples.size());
        m_controls.append(List::LearningData, learningDataEntry(example.values, example.positive));
    }
    if (shown.drawVersionSpace)
        draw(List::VersionSpace, m_state.versionSpace);
    if (shown.selectAndFocus) {
        const Field field = *shown.selectAndFocus;
        m_controls.setSelection(field, 0, utf16Length(m_controls.text(field)));
        m_controls.setFocus(field);
    }
    if (shown.focusField)
        m_controls.setFocus(*shown.focusField);
    if (shown.negativeEnabled)
        m_controls.setEnabled(Button::Negative, *shown.negativeEnabled);
    for (int i = 1; shown.clearTraining && i <= kFieldCount; ++i)
        m_controls.setText({FieldRow::Training, i}, {});
}

} // namespace vspace
