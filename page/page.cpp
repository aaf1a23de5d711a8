#include "page.h"

#include "csv_session.h"
#include "explanation.h"
#include "generality_graph.h"
#include "html.h"
#include "jsonl_reader.h"
#include "lesson_report.h"
#include "outcome_json.h"
#include "session_format.h"
#include "session_input.h"
#include "session_writer.h"
#include "text_catalog.h"
#include "worksheet.h"

#include <algorithm>
#include <chrono>
#include <new>

namespace vspace {

namespace {

// The width that `names` give the instances; six when they are not one to sixteen names.
std::size_t widthOf(const AttributeNames &names)
{
    return names.empty() || names.size() > kMaxAttributes ? kAttributeCount : names.size();
}

} // namespace

Page::Page(std::vector<std::string> texts, AttributeNames names)
    : m_controls(std::move(texts))
    , m_form(m_controls, m_controls, widthOf(names))
{
    if (names.size() == widthOf(names))
        m_form.setPlace(named(m_form.place(), std::move(names)));
}

std::string Page::press(Button button, const PageFields &fields)
{
    m_controls.takeFields(fields);
    putAwayExercise();
    if (m_exercises && openExercise(button, trainingTexts(), nullptr))
        return m_controls.update(teaching({.explained = false, .exercise = true}));
    const bool pressed = pressNow(button);
    return m_controls.update(teaching({.button = button, .ignored = !pressed}));
}

bool Page::pressNow(Button button)
{
    const bool pressed = m_form.press(button);
    if (session() && button != Button::GenText && button != Button::Exit) {
        Place place = m_form.place();
        ++place.ownPresses;
        m_form.setPlace(place);
    }
    return pressed;
}

FieldTexts Page::trainingTexts() const
{
    FieldTexts texts;
    for (std::size_t a = 1; a <= m_form.width(); ++a)
        texts.push_back(m_controls.text({FieldRow::Training, static_cast<int>(a)}));
    return texts;
}

std::string Page::setExercises(bool on)
{
    putAwayExercise();
    m_exercises = on;
    if (on)
        m_form.showLearner(Learner::Textbook);
    return m_controls.update(teaching({}));
}

bool Page::openExercise(Button button, FieldTexts training, const ReplayCommand *command)
{
    if ((button != Button::Positive && button != Button::Negative) || !m_controls.enabled(button))
        return false;
    const Learner learner = command && command->learner ? *command->learner : m_form.shownLearner();
    std::optional<StepExercise> step = stepExercise(m_form.state(), m_form.textbook(), learner,
                                                    rowOf(training), button == Button::Positive);
    if (!step)
        return false;
    m_exercise = OpenExercise{std::move(*step), button, std::move(training),
                              command ? command->example : std::string(), command != nullptr};
    return true;
}

std::string Page::check(const std::vector<FieldTexts> &specific,
                        const std::vector<FieldTexts> &general, const PageFields &fields)
{
    m_controls.takeFields(fields);
    if (!m_exercise)
        return m_controls.update(teaching({}));
    const auto rows = [](const std::vector<FieldTexts> &written) {
        std::vector<Row> taken;
        for (const FieldTexts &texts : written)
            taken.push_back(rowOf(texts));
        return taken;
    };
    const CheckedAnswer answer = checkAnswer(m_exercise->step, rows(specific), rows(general),
                                             phrase(), names());
    JsonWriter checked;
    checked.key("checked").beginObject();
    std::size_t right = 0, wrong = 0, missing = 0;
    for (const auto &[name, list] :
         {std::pair{"specific", &answer.specific}, std::pair{"general", &answer.general}}) {
        checked.key(name).beginObject().key("marks").beginArray();
        for (const RowMark mark : list->marks) {
            checked.string(mark == RowMark::Right ? "right" : "wrong");
            ++(mark == RowMark::Right ? right : wrong);
        }
        checked.endArray().key("missing").number(list->missing).endObject();
        missing += list->missing;
    }
    checked.key("right").boolean(answer.right());
    checked.key("sentence")
            .string(answer.right() ? m_controls.phrase(Text::ExerciseAllRight) : answer.mistake);
    checked.key("counts").string(
            format(m_controls.phrase(Text::ExerciseCounts),
                   {std::to_string(right), std::to_string(wrong), std::to_string(missing)}));
    checked.endObject();
    if (answer.right())
        return finishExercise(true, fields, checked.take());
    return m_controls.update(teaching({.explained = false, .checked = checked.take()}));
}

std::string Page::reveal(const PageFields &fields)
{
    m_controls.takeFields(fields);
    if (!m_exercise)
        return m_controls.update(teaching({}));
    return finishExercise(false, fields, {});
}

std::string Page::finishExercise(bool right, const PageFields &fields, std::string checked)
{
    OpenExercise open = std::move(*m_exercise);
    m_exercise.reset();
    Told told{.checked = std::move(checked)};
    if (open.played) {
        // The session's press it waited for, at the session's place still: any other action
        // would have put the exercise away.
        std::tie(told.button, told.ignored) = playCommand(session()->commands[m_form.place().next],
                                                          false);
        told.played = true;
        m_controls.forgetFocus();
    } else {
        // The press with the training fields as the exercise found them.
        PageFields found = fields;
        std::copy(open.training.begin(), open.training.end(), found.texts.begin());
        m_controls.takeFields(found);
        told.button = open.button;
        told.ignored = !pressNow(open.button);
    }
    Place place = m_form.place();
    ++place.answered;
    place.answeredRight += right ? 1 : 0;
    m_form.setPlace(place);
    return m_controls.update(teaching(told));
}

void Page::exerciseJson(JsonWriter &out, const Told &told)
{
    out.key("exercises").boolean(m_exercises);
    if (m_exercises) {
        out.key("answered").beginObject().key("right").number(m_form.place().answeredRight);
        out.key("of").number(m_form.place().answered).endObject();
    }
    if (m_exercise && told.exercise) {
        const StepExercise &step = m_exercise->step;
        const auto rows = [&out](const char *name, const std::vector<Row> &listed) {
            out.key(name).beginArray();
            for (const Row &row : listed)
                rowJson(out, row);
            out.endArray();
        };
        out.key("exercise").beginObject().key("positive").boolean(step.positive);
        out.key("learner").string(learnerName(step.learner));
        out.key("question")
                .string(sentenceOfExample(format(m_controls.phrase(step.positive
                                                                           ? Text::ExplainPositive
                                                                           : Text::ExplainNegative),
                                                 {isolatedRow(step.instance, kQuotedCharacters)}),
                                          m_exercise->example, phrase())
                        + ' ' + m_controls.phrase(Text::ExerciseQuestion));
        rows("specific", step.specificBefore);
        rows("general", step.generalBefore);
        out.endObject();
        m_exerciseShown = true;
    } else if (m_exerciseShown && !m_exercise) {
        out.key("exercise").null();
        m_exerciseShown = false;
    }
    out.raw(told.checked);
}

std::string Page::keyPress(FieldRow row, int index, int key, const PageFields &fields)
{
    m_controls.takeFields(fields);
    m_form.keyPress({row, index}, key);
    return m_controls.update();
}

std::string Page::showLearner(Learner learner)
{
    putAwayExercise();
    m_form.showLearner(learner);
    return m_controls.update(teaching({}));
}

std::string Page::setAttributes(const AttributeNames &names, const PageFields &fields)
{
    m_controls.takeFields(fields);
    putAwayExercise();
    if (names.size() != widthOf(names))
        return m_controls.update(teaching({}));
    if (names.size() != m_form.width()) {
        m_form.restart(names.size());
        // The session open has instances of the width before: it is set aside.
        Place place = named(m_form.place(), names);
        place.session = 0;
        m_form.setPlace(place);
    } else if (names != this->names()) {
        m_form.movePlace(named(m_form.place(), names));
    }
    return m_controls.update(teaching({}));
}

std::string Page::suggest(const PageFields &fields)
{
    m_controls.takeFields(fields);
    putAwayExercise();
    const std::optional<Suggestion> suggestion
            = suggestExample(m_form.textbook(), m_values.of(m_form.textbook().examples));
    if (suggestion)
        m_form.fill(FieldRow::Training, suggestion->instance);
    addStep(suggestion
                    ? format(m_controls.phrase(Text::SuggestedExample),
                             {rowText(suggestion->instance), std::to_string(suggestion->accepting),
                              std::to_string(suggestion->voting)})
                    : m_controls.phrase(Text::NoSuggestion));
    return m_controls.update(teaching({.explained = false}));
}

std::string Page::open(const std::string &bytes, bool csv, const CsvColumns &columns,
                       const std::string &name)
{
    m_pending.reset();
    TextInput in(bytes);
    auto session = std::make_shared<Session>();
    const auto add = [&](const ReplayCommand &command) {
        session->commands.push_back(command);
        session->presses += command.press || command.history ? 1 : 0;
        return command.press != Button::Exit;
    };
    const auto named = [&](const AttributeNames &names) {
        session->width = names.size();
        if (std::any_of(names.begin(), names.end(), [](const auto &n) { return !n.empty(); }))
            session->names = names;
    };
    CsvLayout layout;
    std::optional<std::string> error = csv ? readCsvTable(in, std::nullopt, add, named, columns,
                                                          &layout)
                                           : readJsonLines(in, add, named);
    if (!error && session->presses == 0)
        error = m_controls.phrase(Text::NoPressesReason);
    JsonWriter out;
    out.beginObject();
    if (csv && !layout.firstRow.empty()) {
        out.key("layout").beginObject().key("firstRow").beginArray();
        for (const std::string &field : layout.firstRow)
            out.string(validUtf8(field) ? field : std::string());
        out.endArray().key("header").boolean(layout.header);
        out.key("label").number(layout.label).key("names");
        if (layout.names)
            out.number(*layout.names);
        else
            out.null();
        out.key("ignored").beginArray();
        for (const std::size_t column : layout.ignored)
            out.number(column);
        out.endArray().endObject();
    }
    if (error)
        return out.key("error").string(*error).endObject().take();
    session->bytes = bytes;
    session->csv = csv;
    session->columns = columns;
    session->name = name;
    m_pending = session;
    out.key("presses").number(session->presses);
    out.key("learnt").number(m_form.state().examples.size());
    return out.endObject().take();
}

std::string Page::startSession(const PageFields &fields)
{
    m_controls.takeFields(fields);
    putAwayExercise();
    if (!m_pending)
        return m_controls.update(teaching({}));
    const AttributeNames kept = m_pending->width == m_form.width() ? names() : AttributeNames();
    m_form.restart(m_pending->width);
    m_pending->opening = m_form.undoName();
    m_sessions.push_back(std::exchange(m_pending, nullptr));
    Place place = named(m_form.place(),
                        m_sessions.back()->names.empty() ? kept : m_sessions.back()->names);
    place.session = static_cast<std::uint32_t>(m_sessions.size());
    place.next = place.played = place.ownPresses = 0;
    place.messagesFrom = place.messages;
    m_form.setPlace(place);
    return m_controls.update(teaching({}));
}

std::string Page::playNext(const PageFields &fields)
{
    m_controls.takeFields(fields);
    putAwayExercise();
    std::optional<Button> button;
    bool ignored = false;
    if (const ReplayCommand *command = nextPress()) {
        // The values the press would type, over the training fields as they stand.
        FieldTexts training = trainingTexts();
        if (command->training) {
            for (std::size_t a = 0; a < training.size() && a < command->training->size(); ++a)
                training[a] = (*command->training)[a];
        }
        if (m_exercises && command->press && openExercise(*command->press, training, command))
            return m_controls.update(teaching({.explained = false, .exercise = true}));
        std::tie(button, ignored) = playCommand(*command, false);
    }
    m_controls.forgetFocus();
    return m_controls.update(teaching({.button = button, .ignored = ignored, .played = true}));
}

std::string Page::play(const PageFields &fields, double milliseconds, double explained,
                       double lastPress)
{
    m_controls.takeFields(fields);
    putAwayExercise();
    m_controls.holdLists(true);
    const auto until = std::chrono::steady_clock::now()
                       + std::chrono::duration<double, std::milli>(milliseconds);
    const ReplayCommand *command = nullptr;
    try {
        do {
            if (m_form.place().played >= lastPress || !(command = nextPress()))
                break;
            const bool explain = m_form.place().played + static_cast<std::size_t>(explained)
                                 >= session()->presses;
            playCommand(*command, !explain);
            for (const PageControls::Message &message : m_controls.takeMessages())
                addMessage(format(m_controls.phrase(Text::MessageLine),
                                  {std::to_string(command->line),
                                   message.title + ": " + message.text}));
            m_controls.forgetDownload();
        } while (!m_controls.closed() && std::chrono::steady_clock::now() < until);
    } catch (const std::bad_alloc &) {
        // Memory ran out: the session stops here, said in Messages; what was played stays,
        // and can be undone.
        m_controls.takeMessages();
        addMessage(format(m_controls.phrase(Text::MessageLine),
                          {std::to_string(command ? command->line : 0),
                           m_controls.phrase(Text::OutOfMemoryReason)}));
        Place place = m_form.place();
        place.next = static_cast<std::uint32_t>(session()->commands.size());
        m_form.setPlace(place);
        m_controls.forgetFocus();
        return stopPlaying();
    }
    m_controls.forgetFocus();
    if (m_controls.closed() || !nextPress(false) || m_form.place().played >= lastPress)
        return stopPlaying();
    return m_controls.update(teaching({.explained = false, .quiet = true}));
}

std::string Page::stopPlaying()
{
    m_controls.holdLists(false);
    return m_controls.update(teaching({.explained = false, .quiet = true}));
}

std::string Page::saveSession() const
{
    return sessionText(m_form.pressesMade(), names(), m_form.shownLearner());
}

SharedLesson Page::lesson() const
{
    // The session as opened, unless presses made by hand beside it are part of the lesson now.
    if (const Session *open = session(); open && m_form.place().ownPresses == 0)
        return {open->bytes,          open->csv, open->columns, open->name, m_form.place().played,
                m_form.shownLearner()};
    return {saveSession(), false, {}, {}, m_form.pressesMade().size(), m_form.shownLearner()};
}

// Plays the lesson afresh, beside the page's own session, into what `record` sets up to observe
// it; writes no file.
void Page::replayLesson(const std::function<void(ReplaySession &, NamesHandler &)> &record) const
{
    struct Unwritten : ExportFile
    {
        std::string path() const override { return "hypothesis.txt"; }
        std::optional<ExportFailure> replace(std::string_view) override { return std::nullopt; }
    } unwritten;
    const SharedLesson lesson = this->lesson();
    ReplaySession session(unwritten, m_form.shownLearner());
    session.setQuiet(true);
    NamesHandler named;
    record(session, named);
    // Read and played a command at a time, as vspace-replay plays it, with no report of each.
    const NamesHandler width = widthSetting(session, named);
    const CommandHandler play = [&session](const ReplayCommand &command) {
        session.play(command);
        return !session.ended();
    };
    TextInput in(lesson.bytes);
    if (lesson.csv)
        readCsvTable(in, std::nullopt, play, width, lesson.columns);
    else
        readJsonLines(in, play, width);
}

std::string Page::worksheet(const std::string &language) const
{
    std::optional<Worksheet> sheet;
    replayLesson([&](ReplaySession &session, NamesHandler &) { sheet.emplace(session, phrase()); });
    return sheet->html(lessonName(), language);
}

std::string Page::report(const std::string &language) const
{
    std::optional<LessonReport> report;
    const ReportStyle style{phrase(), language, [](const std::string &dot) {
                                return "<pre class=\"dot\" hidden>" + escapedHtml(dot) + "</pre>\n";
                            }};
    replayLesson([&](ReplaySession &session, NamesHandler &named) {
        report.emplace(session, std::string(), nullptr, style);
        named = [&](const AttributeNames &names) { report->nameAttributes(names); };
    });
    return report->html(lessonTitle(lessonName()));
}

std::string Page::lessonName() const
{
    const Session *open = session();
    return open && !open->name.empty() ? open->name : "vspace";
}

std::string Page::versionSpaceDot() const
{
    if (m_form.shownLearner() == Learner::Textbook) {
        const TextbookState &state = m_form.textbook();
        return GeneralityGraph(state.specificRows().all(), state.general.all(),
                               state.versionSpace.all())
                .dot(m_controls.phrase(Text::DiagramLeftOut));
    }
    const LearningState &state = m_form.state();
    return GeneralityGraph({state.specific}, state.general.all(), state.versionSpace.all())
            .dot(m_controls.phrase(Text::DiagramLeftOut));
}

std::string Page::setBoundaries(Row specific, std::vector<Row> general, int examples)
{
    LearningState state = m_form.state();
    state.specific = std::move(specific);
    state.general = Rows(std::move(general));
    state.exampleCount = static_cast<std::int16_t>(examples);
    m_form.setState(state);
    return m_controls.update();
}

const Session *Page::session() const
{
    const std::uint32_t number = m_form.place().session;
    return number ? m_sessions[number - 1].get() : nullptr;
}

AttributeNames Page::names() const
{
    const std::uint32_t number = m_form.place().names;
    return number ? m_names[number - 1] : AttributeNames(m_form.width());
}

Place Page::named(Place place, AttributeNames names)
{
    if (std::all_of(names.begin(), names.end(), [](const auto &n) { return n.empty(); })) {
        place.names = 0;
        return place;
    }
    m_names.push_back(std::move(names));
    place.names = static_cast<std::uint32_t>(m_names.size());
    return place;
}

const ReplayCommand *Page::nextPress(bool typing)
{
    const Session *open = session();
    for (std::size_t next = m_form.place().next; open && next < open->commands.size(); ++next) {
        const ReplayCommand &command = open->commands[next];
        if (command.press || command.history)
            return &command;
        if (typing) {
            vspace::playCommand(m_form, command);
            Place place = m_form.place();
            place.next = static_cast<std::uint32_t>(next + 1);
            m_form.setPlace(place);
        }
    }
    return nullptr;
}

std::pair<std::optional<Button>, bool> Page::playCommand(const ReplayCommand &command,
                                                         bool unexplained)
{
    // A press of the session moves its place on, an Undo or Redo of it too: what it takes
    // back or does again is the form's, not the session's place.
    Place place = m_form.place();
    const bool done = vspace::playCommand(m_form, command, session()->opening).value_or(false);
    ++place.next;
    ++place.played;
    m_form.setPlace(place);
    addStep(unexplained ? std::nullopt
                        : std::optional(
                                sentences(command.press, command.history, !done, command.example)));
    if (command.press)
        afterPress(*command.press, done);
    return {command.press, !done};
}

void Page::afterPress(Button button, bool done)
{
    if (button == Button::Clear && done) {
        Place place = m_form.place();
        place.messagesFrom = place.messages;
        m_form.setPlace(place);
    }
}

std::string Page::stepThroughHistory(History step, const PageFields &fields)
{
    m_controls.takeFields(fields);
    if (putAwayExercise() && step == History::Undo)
        return m_controls.update(teaching(
                {.explained = false, .announced = m_controls.phrase(Text::ExerciseClosed)}));
    const bool done = step == History::Undo ? m_form.undo() : m_form.redo();
    JsonWriter history;
    if (done) {
        history.key("history").beginObject();
        history.key(step == History::Undo ? "undone" : "redone");
        history.number(m_form.lastHistoryName()).endObject();
    }
    return m_controls.update(teaching({.explained = false,
                                       .history = history.take(),
                                       .announced = explainHistory(step, !done, phrase())}));
}

Phrase Page::phrase() const
{
    return [this](Text text) { return m_controls.phrase(text); };
}

Page::Sentences Page::sentences(std::optional<Button> button, std::optional<History> history,
                                bool ignored, const std::string &example) const
{
    Sentences made;
    for (const Learner learner : {Learner::Program, Learner::Textbook}) {
        made[static_cast<std::size_t>(learner)]
                = sentenceOfExample(sentenceOf(button, history, m_form.lastOutcome(learner),
                                               ignored, phrase(), names()),
                                    example, phrase());
    }
    return made;
}

void Page::addStep(std::optional<Sentences> sentences)
{
    Place place = m_form.place();
    const std::size_t number = ++place.steps;
    m_form.setPlace(place);
    while (!m_steps.empty() && m_steps.back().number >= number)
        m_steps.pop_back(); // what an undo took back, now beyond redoing
    if (sentences)
        m_steps.push_back({number, std::move(*sentences)});
    if (m_steps.size() > 2 * Form::kMaxUndo)
        m_steps.erase(m_steps.begin(), m_steps.begin() + Form::kMaxUndo);
}

void Page::addMessage(std::string text)
{
    Place place = m_form.place();
    m_messages.resize(place.messages); // what an undo took back
    m_messages.push_back(std::move(text));
    ++place.messages;
    m_form.setPlace(place);
}

bool Page::textbookShown() const
{
    return m_form.shownLearner() == Learner::Textbook;
}

std::string Page::teaching(const Told &told)
{
    JsonWriter out;
    const Lesson lesson = lessonOf(told.button, std::nullopt, m_form.lastOutcome(), told.ignored,
                                   textbookShown(), phrase(), names());
    if (told.explained && told.button && !told.played) {
        addStep(sentences(told.button, std::nullopt, told.ignored));
        afterPress(*told.button, !told.ignored);
    }
    // The rows the press added (an undo: those the press before it added) that the lists show,
    // for the marks.
    if (!told.quiet && (told.button || told.played || !told.history.empty())) {
        out.key("marks").beginObject();
        constexpr std::array lists{"General", "Specific", "VersionSpace"};
        for (std::size_t l = 0; l < lists.size(); ++l) {
            out.key(lists[l]).beginArray();
            for (const std::size_t row : lesson.added[l]) {
                if (row < Form::kMaxListedRows)
                    out.number(row);
            }
            out.endArray();
        }
        out.endObject();
    }
    out.raw(told.history);
    if (!told.announced.empty())
        out.key("announced").string(told.announced);
    if (told.played)
        out.key("played").boolean(true);
    if (!m_controls.holdingLists()) {
        const std::vector<std::string> differences = m_differences.after(m_form, phrase());
        out.key("differences").beginArray();
        for (const std::string &difference : differences)
            out.string(difference);
        const bool suggestable = canSuggestExample(m_form.textbook(),
                                                   m_values.of(m_form.textbook().examples));
        if (m_suggestable && !suggestable && !told.quiet && told.button)
            addStep(m_controls.phrase(Text::NoSuggestion));
        m_suggestable = suggestable;
        out.endArray().key("suggestion").boolean(suggestable);
    }
    out.key("learner").string(learnerName(m_form.shownLearner()));
    out.key("undoName").number(m_form.undoName());
    out.key("canRedo").boolean(m_form.canRedo());
    if (const Session *open = session()) {
        out.key("session").beginObject().key("played").number(m_form.place().played);
        out.key("presses").number(open->presses).key("left").boolean(nextPress(false));
        out.endObject();
    } else {
        out.key("session").null();
    }
    out.key("attributes").beginArray();
    for (const std::string &name : names())
        out.string(name);
    out.endArray();
    stepsJson(out);
    messagesJson(out);
    exerciseJson(out, told);
    return out.take();
}

void Page::stepsJson(JsonWriter &out)
{
    const std::size_t steps = m_form.place().steps;
    const Learner learner = m_form.shownLearner();
    if (m_shownSteps == steps && m_stepsLearner == learner)
        return;
    // Another learner shown: its sentences instead, as many as the page keeps.
    const std::size_t keep = m_stepsLearner == learner ? std::min(m_shownSteps, steps) : 0;
    const auto upTo = [](std::size_t n) {
        return [n](const Step &step) { return step.number <= n; };
    };
    const auto last = std::partition_point(m_steps.begin(), m_steps.end(), upTo(steps));
    auto entry = std::partition_point(m_steps.begin(), last, upTo(keep));
    entry += std::max<std::ptrdiff_t>(0, (last - entry) - static_cast<std::ptrdiff_t>(kKeptSteps));
    out.key("steps").beginObject().key("keep").number(keep).key("add").beginArray();
    for (; entry != last; ++entry) {
        out.beginArray().number(entry->number);
        out.string(entry->sentences[static_cast<std::size_t>(learner)]).endArray();
    }
    m_shownSteps = steps;
    m_stepsLearner = learner;
    out.endArray().endObject();
}

void Page::messagesJson(JsonWriter &out)
{
    const Place &place = m_form.place();
    const std::size_t end = place.messages;
    const std::size_t from = std::max<std::size_t>(place.messagesFrom,
                                                   end > kListedMessages ? end - kListedMessages
                                                                         : 0);
    if (m_shownMessagesBase == place.messagesFrom && m_shownMessagesFrom == from
        && m_shownMessages == end)
        return;
    // The items listed that are still to be listed, where they are: none when the list starts
    // elsewhere, or earlier than it did.
    const bool other = m_shownMessagesBase != place.messagesFrom || from < m_shownMessagesFrom;
    const std::size_t keptFrom = other ? m_shownMessages : from;
    const std::size_t keptTo = other ? keptFrom : std::max(from, std::min(end, m_shownMessages));
    out.key("messageList").beginObject();
    out.key("drop").number(std::min(keptFrom, m_shownMessages) - m_shownMessagesFrom);
    out.key("keep").number(keptTo - keptFrom).key("add").beginArray();
    for (std::size_t m = other ? from : keptTo; m < end; ++m)
        out.string(m_messages[m]);
    out.endArray();
    if (from > place.messagesFrom)
        out.key("before").string(format(m_controls.phrase(Text::MessagesLeftOut),
                                        {std::to_string(from - place.messagesFrom)}));
    m_shownMessagesBase = place.messagesFrom;
    m_shownMessagesFrom = from;
    m_shownMessages = end;
    out.endObject();
}

} // namespace vspace
