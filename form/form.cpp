#include "form.h"

#include "export_file.h"

#include <algorithm>

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

// The limit a refusal reached, which its prompt names.
int refusalLimit(Refusal::Kind kind)
{
    return kind == Refusal::Kind::ExampleLimit ? kMaxExamples : kTableRows;
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

Form::Form(Controls &controls, ExportFile &exportFile, std::size_t width)
    : m_controls(controls)
    , m_exportFile(exportFile)
    , m_state(width)
{
    if (width != kAttributeCount)
        m_controls.setFieldCount(static_cast<int>(width));
    show({.drawGeneral = true, .drawSpecific = true, .negativeEnabled = false});
}

const PressOutcome &Form::lastOutcome(Learner learner) const
{
    if (learner == Learner::Textbook)
        followTextbook();
    return m_outcomes[static_cast<std::size_t>(learner)];
}

const TextbookState &Form::textbook() const
{
    followTextbook();
    return *m_textbook;
}

void Form::followTextbook() const
{
    if (m_textbook)
        return;
    // The textbook learner learns what the program's learner learnt since the last Clear; the last
    // press's outcome for it is what it would have been, had it been followed all along.
    PressOutcome last;
    m_textbook = textbookOf(m_state, &last);
    if (std::holds_alternative<StepRecord>(m_outcomes[0]))
        m_outcomes[1] = std::move(last);
    // A refusal is both learners' already.
    if (std::holds_alternative<Prediction>(m_outcomes[0]))
        m_outcomes[1] = predictTextbook(*m_textbook, m_predicted);
}

TextbookState Form::textbookOf(const LearningState &program, PressOutcome *last)
{
    TextbookState textbook(program.width());
    const auto learn = [&](const Row &values, bool positive) {
        auto step = trainTextbook(textbook, values, positive);
        if (TextbookStep *learnt = std::get_if<TextbookStep>(&step)) {
            textbook = std::move(learnt->state);
            if (last)
                *last = std::move(learnt->record);
        }
    };
    for (const Row &negative : program.held)
        learn(negative, false);
    for (std::size_t n = 1; n <= program.examples.size(); ++n) {
        const Example example = program.examples.at(n);
        learn(example.values, example.positive);
    }
    return textbook;
}

bool Form::marked() const
{
    return std::holds_alternative<StepRecord>(m_outcomes[0]);
}

Form::FieldRows Form::fieldRows()
{
    for (const FieldRow row : {FieldRow::Training, FieldRow::Unseen}) {
        SharedRow &kept = m_fieldRows[static_cast<std::size_t>(row)];
        Row values = instance(row);
        if (!kept || !sameRow(*kept, values))
            kept = SharedRow::make(std::move(values));
    }
    return m_fieldRows;
}

Form::Before Form::before()
{
    return {fieldRows(), m_controls.focused(),  m_controls.enabled(Button::Negative),
            marked(),    {m_state, m_textbook}, {}};
}

bool Form::press(Button button)
{
    Before prior = m_beforeTyping ? std::move(*m_beforeTyping) : before();
    m_beforeTyping.reset();
    // Kept as made, with the history's number after it once it is done.
    std::optional<std::size_t> made;
    if (button != Button::GenText && button != Button::Exit) {
        const std::size_t row = button == Button::Predict ? 1 : 0;
        made = keepMade(
                {button, button == Button::Clear ? SharedRow() : fieldRows()[row], m_done, m_done});
    }
    const bool enabled = m_controls.enabled(button);
    if (!enabled && button == Button::Negative && m_state.examples.size() == 0)
        hold(prior);
    // Done: the history's number after it, and the entry it made, if any, knows it.
    const auto madeDone = [&] {
        if (made && (m_made[*made].after = m_done) > m_made[*made].before)
            m_entries.back().made = *made;
    };
    if (!enabled) {
        madeDone();
        return false;
    }
    prior.outcomes = std::exchange(m_outcomes, {});
    switch (button) {
    case Button::Positive:
    case Button::Negative:
        train(button == Button::Positive, prior);
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
    case Button::Clear: {
        const FieldRows at = fieldRows();
        clear();
        remember(Action::Clear, prior, at);
        break;
    }
    }
    madeDone();
    return true;
}

std::size_t Form::keepMade(Made made)
{
    // It stands on those made before it that were still done when it was made.
    while (!m_madePath.empty() && m_made[m_madePath.back()].after > made.before)
        m_madePath.pop_back();
    m_made.push_back(std::move(made));
    m_madePath.push_back(m_made.size() - 1);
    return m_made.size() - 1;
}

std::vector<Form::PressMade> Form::pressesMade() const
{
    // The path as far as the actions now done, from its last fresh start.
    auto end = m_madePath.end();
    while (end != m_madePath.begin() && m_made[*(end - 1)].after > m_done)
        --end;
    auto start = end;
    while (start != m_madePath.begin() && m_made[*(start - 1)].button)
        --start;
    std::vector<PressMade> presses;
    for (auto index = start; index != end; ++index) {
        const Made &made = m_made[*index];
        presses.push_back({*made.button, made.values ? *made.values : Row()});
    }
    return presses;
}

namespace {

bool sameRows(const std::array<Shared<const Row>, 2> &x, const std::array<Shared<const Row>, 2> &y)
{
    for (std::size_t r = 0; r < x.size(); ++r) {
        if (!(x[r] == y[r]) && !sameRow(*x[r], *y[r]))
            return false;
    }
    return true;
}

Shared<const Row> emptyRow(std::size_t width)
{
    static std::array<Shared<const Row>, kMaxAttributes + 1> empty;
    if (!empty[width])
        empty[width] = Shared<const Row>::make(width);
    return empty[width];
}

} // namespace

std::uint8_t Form::focusCode(const Focus &focus)
{
    if (const Field *field = std::get_if<Field>(&focus))
        return static_cast<std::uint8_t>(1 + static_cast<int>(field->row) * kMaxFieldCount
                                         + field->index - 1);
    if (const Button *button = std::get_if<Button>(&focus))
        return static_cast<std::uint8_t>(1 + 2 * kMaxFieldCount + static_cast<int>(*button));
    return 0;
}

Focus Form::focusOf(std::uint8_t code)
{
    if (code == 0)
        return {};
    if (code <= 2 * kMaxFieldCount)
        return Field{static_cast<FieldRow>((code - 1) / kMaxFieldCount),
                     (code - 1) % kMaxFieldCount + 1};
    return static_cast<Button>(code - 1 - 2 * kMaxFieldCount);
}

Form::FieldRows Form::fieldsLeft(const Entry &entry) const
{
    switch (entry.action) {
    case Action::LearnPositive:
    case Action::LearnNegative:
    case Action::RefuseDuplicate:
        return {emptyRow(entry.fieldsAt[0]->size()), entry.fieldsAt[1]};
    case Action::Clear:
    case Action::Restart:
        return {emptyRow(entry.fieldsAt[0]->size()), emptyRow(entry.fieldsAt[0]->size())};
    case Action::Fields:
    case Action::Hold:
        break;
    }
    return entry.fieldsAt;
}

void Form::remember(Action action, Before &prior, const FieldRows &at, bool always)
{
    Entry entry{action,
                prior.negative,
                prior.marked,
                false,
                prior.fields,
                at,
                {},
                focusCode(prior.focus),
                0,
                m_place,
                {}};
    if (action == Action::RefuseDuplicate)
        entry.fieldsBefore = at; // its undo gives the values typed back
    const LearningState &was = prior.state.program;
    const bool changed = always || was.examples.size() != m_state.examples.size()
                         || !m_state.examples.extends(was.examples)
                         || !sameRows(entry.fieldsBefore, fieldsLeft(entry))
                         || !(was.general == m_state.general);
    if (!changed)
        return;
    // A new action forgets what could be redone, and the presses that made it.
    m_entries.resize(m_done - m_base);
    while (!m_madePath.empty() && m_made[m_madePath.back()].after > m_done)
        m_madePath.pop_back();
    m_checkpoints.resize(
            std::min<std::size_t>(m_checkpoints.size(), (m_done - m_base) / kCheckpointEvery + 1));
    if ((m_done - m_base) % kCheckpointEvery == 0
        && m_checkpoints.size() == (m_done - m_base) / kCheckpointEvery)
        m_checkpoints.push_back(prior.state);
    while (!m_recent.empty() && m_recent.back().index >= m_done)
        m_recent.pop_back();
    m_recent.push_back({m_done, std::move(prior.state), std::move(prior.outcomes)});
    if (m_recent.size() > kRecentKept)
        m_recent.pop_front();
    m_entries.push_back(std::move(entry));
    ++m_done;
    if (m_done - m_oldest > kMaxUndo)
        ++m_oldest;
    // The entries of the first checkpoint go once none of them can be undone any more.
    while (m_checkpoints.size() > 1 && m_base + kCheckpointEvery <= m_oldest) {
        m_entries.erase(m_entries.begin(), m_entries.begin() + kCheckpointEvery);
        m_checkpoints.pop_front();
        m_base += kCheckpointEvery;
    }
}

void Form::replay(const Entry &entry, LearningState &program,
                  std::optional<TextbookState> &textbook,
                  std::array<PressOutcome, 2> *outcomes) const
{
    switch (entry.action) {
    case Action::LearnPositive:
    case Action::LearnNegative: {
        const bool positive = entry.action == Action::LearnPositive;
        const Row &x = *entry.fieldsAt[0];
        std::variant<Step, Refusal> step = vspace::train(program, x, positive);
        if (Step *taken = std::get_if<Step>(&step)) {
            program = std::move(taken->state);
            if (outcomes)
                (*outcomes)[0] = std::move(taken->record);
        }
        if (textbook) {
            std::variant<TextbookStep, Refusal> other = trainTextbook(*textbook, x, positive);
            if (TextbookStep *learnt = std::get_if<TextbookStep>(&other)) {
                *textbook = std::move(learnt->state);
                if (outcomes)
                    (*outcomes)[1] = std::move(learnt->record);
            }
        }
        break;
    }
    case Action::Clear:
    case Action::Restart: {
        const std::size_t width = entry.fieldsAt[0]->size(); // a restart's fields have its width
        program = LearningState(width);
        if (textbook)
            textbook.emplace(width);
        break;
    }
    case Action::Hold: {
        const Row &x = *entry.fieldsAt[0];
        std::variant<TextbookStep, Refusal> held
                = trainTextbook(textbook ? *textbook : TextbookState(program.width()), x, false);
        program.held.push_back(x);
        if (TextbookStep *learnt = std::get_if<TextbookStep>(&held)) {
            if (outcomes)
                *outcomes = {learnt->record, learnt->record};
            if (textbook)
                *textbook = std::move(learnt->state);
        }
        break;
    }
    case Action::RefuseDuplicate:
    case Action::Fields:
        break;
    }
}

Form::Checkpoint Form::rebuilt(std::uint64_t index, std::array<PressOutcome, 2> *outcomes) const
{
    const std::uint64_t from = outcomes && index > m_base ? index - 1 : index;
    const std::size_t checkpoint = static_cast<std::size_t>((from - m_base) / kCheckpointEvery);
    Checkpoint state = m_checkpoints[checkpoint];
    if (m_textbook && !state.textbook) {
        // Followed since: learnt from the checkpoint's examples.
        state.textbook = textbookOf(state.program);
    } else if (!m_textbook) {
        state.textbook.reset();
    }
    for (std::uint64_t i = m_base + checkpoint * kCheckpointEvery; i < index; ++i)
        replay(m_entries[i - m_base], state.program, state.textbook,
               i + 1 == index ? outcomes : nullptr);
    return state;
}

void Form::restore(Checkpoint state, const FieldRows &fields, bool negative, const Focus &focus)
{
    // The learning data keeps the rows the two states share, the examples of the one that extends
    // the other, and draws the rest.
    const ExampleLog &was = m_state.examples, &next = state.program.examples;
    const std::size_t kept = was.extends(next) ? next.size() : next.extends(was) ? was.size() : 0;
    const bool lists = m_controls.showsLists();
    if (lists && kept < was.size())
        m_controls.truncate(List::LearningData, static_cast<int>(kept));
    const std::size_t width = m_state.width();
    m_state = std::move(state.program);
    if (m_textbook)
        m_textbook = std::move(state.textbook);
    if (m_state.width() != width)
        m_controls.setFieldCount(static_cast<int>(m_state.width()));
    for (std::size_t n = kept + 1; lists && n <= m_state.examples.size(); ++n) {
        const Example example = m_state.examples.at(n);
        m_controls.append(List::LearningData, learningDataEntry(example.values, example.positive));
    }
    for (const FieldRow row : {FieldRow::Training, FieldRow::Unseen})
        setTexts(row, *fields[static_cast<std::size_t>(row)]);
    m_fieldRows = fields;
    show({.drawGeneral = true,
          .drawSpecific = true,
          .drawVersionSpace = true,
          .negativeEnabled = negative});
    if (const Field *field = std::get_if<Field>(&focus))
        m_controls.setFocus(*field);
    else if (const Button *button = std::get_if<Button>(&focus))
        m_controls.setFocus(*button);
}

bool Form::undo(std::uint64_t after)
{
    m_beforeTyping.reset();
    if (undoName() <= after)
        return false;
    Entry &entry = m_entries[m_done - 1 - m_base];
    entry.fieldsAfter = fieldRows();
    entry.focusAfter = focusCode(m_controls.focused());
    entry.placeAfter = m_place;
    entry.markedAfter = marked();
    --m_done;
    std::array<PressOutcome, 2> outcomes;
    const auto recent = std::find_if(m_recent.begin(), m_recent.end(),
                                     [&](const Recent &kept) { return kept.index == m_done; });
    Checkpoint state;
    if (recent != m_recent.end() && (recent->state.textbook || !m_textbook)) {
        state = recent->state;
        if (entry.markedBefore)
            outcomes = recent->outcomes;
    } else {
        state = rebuilt(m_done, entry.markedBefore ? &outcomes : nullptr);
    }
    m_lastHistoryName = m_done + 1;
    m_outcomes = std::move(outcomes);
    m_place = entry.placeBefore;
    restore(std::move(state), entry.fieldsBefore, entry.negativeBefore, focusOf(entry.focusBefore));
    return true;
}

bool Form::redo()
{
    m_beforeTyping.reset();
    if (!canRedo())
        return false;
    Entry &entry = m_entries[m_done - m_base];
    // Undoing it again brings back what the form shows now, typing since the undo included.
    entry.fieldsBefore = fieldRows();
    entry.focusBefore = focusCode(m_controls.focused());
    Checkpoint state{m_state, m_textbook};
    std::array<PressOutcome, 2> outcomes;
    replay(entry, state.program, state.textbook, &outcomes);
    ++m_done;
    m_lastHistoryName = m_done;
    m_outcomes = entry.markedAfter ? std::move(outcomes) : std::array<PressOutcome, 2>{};
    m_place = entry.placeAfter;
    // Done again: made again, as it was made.
    if (entry.made != kNotMade) {
        Made again = m_made[entry.made];
        again.before = m_done - 1;
        again.after = m_done;
        keepMade(std::move(again));
    }
    const bool negative = entry.action == Action::LearnPositive
                          || (entry.action != Action::Clear && entry.action != Action::Restart
                              && entry.negativeBefore);
    restore(std::move(state), entry.fieldsAfter, negative, focusOf(entry.focusAfter));
    return true;
}

void Form::setTexts(FieldRow row, const Row &values)
{
    for (std::size_t a = 0; a < values.size(); ++a)
        m_controls.setText({row, static_cast<int>(a + 1)}, values[a].str());
}

void Form::type(FieldRow row, const FieldTexts &values)
{
    if (!m_beforeTyping)
        m_beforeTyping = before();
    for (std::size_t a = 0; a < values.size() && a < m_state.width(); ++a)
        m_controls.setText({row, static_cast<int>(a + 1)}, values[a]);
}

void Form::fill(FieldRow row, const Row &values)
{
    m_beforeTyping.reset();
    Before prior = before();
    prior.outcomes = m_outcomes;
    setTexts(row, values);
    remember(Action::Fields, prior, fieldRows());
}

void Form::movePlace(const Place &place)
{
    m_beforeTyping.reset();
    Before prior = before();
    prior.outcomes = m_outcomes;
    remember(Action::Fields, prior, fieldRows(), true);
    m_place = place;
}

void Form::restart(std::optional<std::size_t> width)
{
    m_beforeTyping.reset();
    Before prior = before();
    prior.outcomes = std::exchange(m_outcomes, {});
    if (width && *width != m_state.width()) {
        m_state = LearningState(*width);
        m_controls.setFieldCount(static_cast<int>(*width));
    }
    clear();
    const std::uint64_t doneBefore = m_done;
    remember(Action::Restart, prior, fieldRows(), true);
    m_entries.back().made = keepMade({std::nullopt, {}, doneBefore, m_done});
}

void Form::keyPress(Field field, int key)
{
    if (key != kEnterKey)
        return;
    if (field.index < static_cast<int>(m_state.width()))
        show({.selectAndFocus = Field{field.row, field.index + 1}});
    else
        m_controls.setFocus(field.row == FieldRow::Training ? Button::Positive : Button::Predict);
}

void Form::showLearner(Learner learner)
{
    m_shown = learner;
    if (learner == Learner::Textbook)
        followTextbook();
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

Row Form::instance(FieldRow row)
{
    Row values(m_state.width());
    for (std::size_t a = 0; a < values.size(); ++a)
        values[a] = m_values(m_controls.text({row, static_cast<int>(a + 1)}));
    return values;
}

void Form::train(bool positive, Before &prior)
{
    const FieldRows at = fieldRows();
    const Row &x = *at[0];
    std::variant<Step, Refusal> step = vspace::train(m_state, x, positive);
    if (const Refusal *refused = std::get_if<Refusal>(&step)) {
        m_outcomes = {*refused, *refused};
        // A duplicate empties the fields; a limit keeps what was typed, and nothing changes.
        const bool duplicate = refused->kind == Refusal::Kind::Duplicate;
        show({.title = duplicate ? Text::DuplicateTitle : Text::CannotLearnTitle,
              .messageText = format(m_controls.phrase(refusalPrompt(refused->kind)),
                                    {std::to_string(refusalLimit(refused->kind))}),
              .clearTraining = duplicate});
        remember(duplicate ? Action::RefuseDuplicate : Action::Fields, prior, at);
        return;
    }
    Step &taken = std::get<Step>(step);
    m_state = std::move(taken.state);
    m_outcomes[0] = std::move(taken.record);
    // The textbook learner refuses only duplicates, which the program's learner refused first.
    if (m_textbook) {
        std::variant<TextbookStep, Refusal> textbook = trainTextbook(*m_textbook, x, positive);
        if (TextbookStep *learnt = std::get_if<TextbookStep>(&textbook)) {
            *m_textbook = std::move(learnt->state);
            m_outcomes[1] = std::move(learnt->record);
        }
    }
    show({.drawGeneral = true,
          .drawSpecific = positive || m_shown == Learner::Textbook,
          .drawVersionSpace = true,
          .newExample = true,
          .selectAndFocus = Field{FieldRow::Training, 1},
          .negativeEnabled = positive ? std::optional(true) : std::nullopt,
          .clearTraining = true});
    remember(positive ? Action::LearnPositive : Action::LearnNegative, prior, at);
}

void Form::hold(Before &prior)
{
    const FieldRows at = fieldRows();
    const Row &x = *at[0];
    prior.outcomes = m_outcomes;
    m_state.held.push_back(x);
    // Both learners' outcome: the program's learner ignores the example, the textbook's holds it.
    const std::variant<TextbookStep, Refusal> held
            = trainTextbook(m_textbook ? *m_textbook : TextbookState(m_state.width()), x, false);
    if (const TextbookStep *learnt = std::get_if<TextbookStep>(&held)) {
        m_outcomes = {learnt->record, learnt->record};
        if (m_textbook)
            *m_textbook = learnt->state;
    }
    remember(Action::Hold, prior, at, true);
}

void Form::predict()
{
    m_predicted = instance(FieldRow::Unseen);
    m_outcomes = {vspace::predict(m_state, m_predicted),
                  m_textbook ? PressOutcome(predictTextbook(*m_textbook, m_predicted))
                             : PressOutcome()};
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
            m_shown == Learner::Program ? m_state.versionSpace : textbook().versionSpace));
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
    m_state = LearningState(m_state.width());
    if (m_textbook)
        m_textbook.emplace(m_state.width());
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
    const int fields = static_cast<int>(m_state.width());
    for (int i = 1; shown.clearAllFields && i <= fields; ++i) {
        m_controls.setText({FieldRow::Training, i}, {});
        m_controls.setText({FieldRow::Unseen, i}, {});
    }
    const bool lists = m_controls.showsLists();
    if (shown.clearLearningData && lists)
        m_controls.clear(List::LearningData);
    const auto draw = [this](List list, const Rows &rows) {
        m_controls.clear(list);
        const std::size_t listed = std::min(rows.size(), kMaxListedRows);
        for (std::size_t r = 0; r < listed; ++r)
            m_controls.append(list, rowText(rows[r]));
        if (listed < rows.size())
            m_controls.append(list, format(m_controls.phrase(Text::ListRowsLeftOut),
                                           {std::to_string(rows.size() - listed)}));
    };
    const bool program = m_shown == Learner::Program;
    if (shown.drawGeneral && lists)
        draw(List::General, program ? m_state.general : textbook().general);
    if (shown.drawSpecific && program && lists) {
        m_controls.clear(List::Specific);
        m_controls.append(List::Specific, rowText(m_state.specific));
    } else if (shown.drawSpecific && lists) {
        draw(List::Specific, textbook().specificRows());
    }
    if (shown.newExample && lists) {
        const Example example = m_state.examples.at(m_state.examples.size());
        m_controls.append(List::LearningData, learningDataEntry(example.values, example.positive));
    }
    if (shown.drawVersionSpace && lists)
        draw(List::VersionSpace, program ? m_state.versionSpace : textbook().versionSpace);
    if (shown.selectAndFocus) {
        const Field field = *shown.selectAndFocus;
        m_controls.setSelection(field, 0, utf16Length(m_controls.text(field)));
        m_controls.setFocus(field);
    }
    if (shown.focusField)
        m_controls.setFocus(*shown.focusField);
    if (shown.negativeEnabled)
        m_controls.setEnabled(Button::Negative, *shown.negativeEnabled);
    for (int i = 1; shown.clearTraining && i <= fields; ++i)
        m_controls.setText({FieldRow::Training, i}, {});
}

} // namespace vspace
