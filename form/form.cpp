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
    Snapshot before = m_beforeTyping ? std::move(*m_beforeTyping) : snapshot();
    m_beforeTyping.reset();
    if (!m_controls.enabled(button))
        return false;
    m_outcomes = {};
    switch (button) {
    case Button::Positive:
        train(true);
        remember(std::move(before));
        break;
    case Button::Negative:
        train(false);
        remember(std::move(before));
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
        remember(std::move(before));
        break;
    }
    return true;
}

Form::Snapshot Form::snapshot() const
{
    return {0,
            m_state,
            m_textbook,
            {instance(FieldRow::Training), instance(FieldRow::Unseen)},
            m_controls.enabled(Button::Negative)};
}

void Form::remember(Snapshot before, bool always)
{
    const bool changed = always || before.program.examples.size() != m_state.examples.size()
                         || !m_state.examples.extends(before.program.examples)
                         || before.fields[0] != instance(FieldRow::Training)
                         || before.fields[1] != instance(FieldRow::Unseen)
                         || !(before.program.general == m_state.general);
    if (!changed)
        return;
    before.name = ++m_names;
    m_undo.push_back(std::move(before));
    if (m_undo.size() > kMaxUndo)
        m_undo.pop_front();
    m_redo.clear();
}

Form::Snapshot Form::restore(Snapshot snapshot)
{
    m_beforeTyping.reset();
    Snapshot replaced = this->snapshot();
    replaced.name = snapshot.name;
    m_lastHistoryName = snapshot.name;
    // The learning data keeps the rows the two states share, the examples of the one that extends
    // the other, and draws the rest.
    const ExampleLog &was = m_state.examples, &next = snapshot.program.examples;
    const std::size_t kept = was.extends(next) ? next.size() : next.extends(was) ? was.size() : 0;
    if (kept < was.size())
        m_controls.truncate(List::LearningData, static_cast<int>(kept));
    m_state = std::move(snapshot.program);
    m_textbook = std::move(snapshot.textbook);
    m_outcomes = {};
    for (std::size_t n = kept + 1; n <= m_state.examples.size(); ++n) {
        const Example example = m_state.examples.at(n);
        m_controls.append(List::LearningData, learningDataEntry(example.values, example.positive));
    }
    for (const FieldRow row : {FieldRow::Training, FieldRow::Unseen})
        setTexts(row, snapshot.fields[static_cast<std::size_t>(row)]);
    show({.drawGeneral = true,
          .drawSpecific = true,
          .drawVersionSpace = true,
          .negativeEnabled = snapshot.negativeEnabled});
    return replaced;
}

bool Form::undo()
{
    if (m_undo.empty())
        return false;
    Snapshot snapshot = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(restore(std::move(snapshot)));
    return true;
}

bool Form::redo()
{
    if (m_redo.empty())
        return false;
    Snapshot snapshot = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(restore(std::move(snapshot)));
    return true;
}

void Form::setTexts(FieldRow row, const Row &values)
{
    for (int a = 1; a <= kAttributeCount; ++a)
        m_controls.setText({row, a}, values[static_cast<std::size_t>(a - 1)]);
}

void Form::type(FieldRow row, const Row &values)
{
    if (!m_beforeTyping)
        m_beforeTyping = snapshot();
    setTexts(row, values);
}

void Form::fill(FieldRow row, const Row &values)
{
    m_beforeTyping.reset();
    Snapshot before = snapshot();
    setTexts(row, values);
    remember(std::move(before));
}

void Form::restart()
{
    m_outcomes = {};
    m_beforeTyping.reset();
    Snapshot before = snapshot();
    clear();
    remember(std::move(before), true);
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

void Form::showLearner(Learner learner)
{
    m_shown = learner;
    show({.drawGeneral = true, .drawSpecific = true, .drawVersionSpace = true});
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
    Row x = instance(FieldRow::Training);
    std::variant<Step, Refusal> step = vspace::train(m_state, x, positive);
    if (const Refusal *refused = std::get_if<Refusal>(&step)) {
        m_outcomes = {*refused, *refused};
        // A duplicate empties the fields; a limit keeps what was typed, and nothing changes.
        const bool duplicate = refused->kind == Refusal::Kind::Duplicate;
        show({.message = refusalPrompt(refused->kind),
              .title = duplicate ? Text::DuplicateTitle : Text::CannotLearnTitle,
              .clearTraining = duplicate});
        return;
    }
    Step &taken = std::get<Step>(step);
    m_state = std::move(taken.state);
    m_outcomes[0] = std::move(taken.record);
    // The textbook learner refuses only duplicates, which the program's learner refused first.
    std::variant<TextbookStep, Refusal> textbook = trainTextbook(m_textbook, std::move(x), positive);
    if (TextbookStep *learnt = std::get_if<TextbookStep>(&textbook)) {
        m_textbook = std::move(learnt->state);
        m_outcomes[1] = std::move(learnt->record);
    }
    show({.drawGeneral = true,
          .drawSpecific = positive || m_shown == Learner::Textbook,
          .drawVersionSpace = true,
          .newExample = true,
          .selectAndFocus = Field{FieldRow::Training, 1},
          .negativeEnabled = positive ? std::optional(true) : std::nullopt,
          .clearTraining = true});
}

void Form::predict()
{
    const Row x = instance(FieldRow::Unseen);
    m_outcomes = {vspace::predict(m_state, x), predictTextbook(m_textbook, x)};
    const Prediction &vote = std::get<Prediction>(lastOutcome());
    const bool answered = vote.answer != Prediction::Answer::NothingLearnt
                          && vote.answer != Prediction::Answer::NoConsistent;
    show({.message = predictionPrompt(vote.answer),
          .title = answered ? Text::ResultTitle : Text::CannotPredictTitle,
          .focusField = Field{FieldRow::Unseen, 1}});
}

void Form::exportVersionSpace()
{
    const std::optional<ExportFailure> failure = m_exportFile.replace(hypothesisFileBytes(
            m_shown == Learner::Program ? m_state.versionSpace : m_textbook.versionSpace));
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
    m_textbook = TextbookState();
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
    const bool program = m_shown == Learner::Program;
    if (shown.drawGeneral)
        draw(List::General, program ? m_state.general : m_textbook.general);
    if (shown.drawSpecific && program) {
        m_controls.clear(List::Specific);
        m_controls.append(List::Specific, rowText(m_state.specific));
    } else if (shown.drawSpecific) {
        draw(List::Specific, m_textbook.specificRows());
    }
    if (shown.newExample) {
        const Example example = m_state.examples.at(m_state.examples.size());
        m_controls.append(List::LearningData, learningDataEntry(example.values, example.positive));
    }
    if (shown.drawVersionSpace)
        draw(List::VersionSpace, program ? m_state.versionSpace : m_textbook.versionSpace);
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
