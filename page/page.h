#pragma once

#include "answer_check.h"
#include "csv_session.h"
#include "form.h"
#include "json_writer.h"
#include "lesson.h"
#include "page_controls.h"
#include "player.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vspace {

// A session file read whole, up to its first Exit; once opened, the action that opened it.
struct Session
{
    std::vector<ReplayCommand> commands;
    std::size_t presses = 0;
    std::size_t width = kAttributeCount; // the attributes of its instances
    AttributeNames names;                // as the file gives them; none when it names none
    std::uint64_t opening = 0;
    // The file as it was opened, to hand on: its bytes, whether a table, and how its columns were
    // read.
    std::string bytes = {};
    bool csv = false;
    CsvColumns columns = {};
    std::string name = {}; // the file's
};

// A lesson to hand on, as a link does: a session file as it is opened, how many of its presses
// have been played, and the learner shown.
struct SharedLesson
{
    std::string bytes;
    bool csv = false;
    CsvColumns columns;
    std::string name; // the file's; none for what was done
    std::size_t played = 0;
    Learner learner = Learner::Program;
};

// One session of the page: the form over the page's controls, in its initial state, with what
// the page tells beyond the window: each press explained in a numbered Steps entry, where the two
// learners differ, a suggested example; a session file played in; undo and redo of all of it.
// Each call is one thing the page's user does, and returns one update, a JSON text of everything
// it changed, which page.js applies; web/vspace.d.ts describes it.
class Page
{
public:
    // `texts`: every text of the catalog, in the order of its number, in the page's language;
    // none for English. `names`: the attributes' names the page starts with, one for each
    // attribute (empty where unnamed); none for six unnamed attributes.
    explicit Page(std::vector<std::string> texts, AttributeNames names = {});

    // The update that draws the form as it starts; and, after Exit left the form as it was, what
    // the page tells beyond the controls as it stands (the session's place), back to the lesson.
    std::string start() { return m_controls.update(teaching({})); }
    // Presses `button` with the field texts as the page has them, training then unseen. With
    // exercises on, a training press that would teach a step opens its exercise instead.
    std::string press(Button button, const PageFields &fields);
    // Exercises on or off: with them on, each training press, typed or played, waits for the
    // student to write the next S and G; turning them on shows the textbook learner.
    std::string setExercises(bool on);
    // Checks the student's rows for the next S and G, each a row of field texts: the update's
    // "checked" says which are right, which wrong, how many are missing, and the first mistake; an
    // answer all right makes the press, counted right.
    std::string check(const std::vector<FieldTexts> &specific,
                      const std::vector<FieldTexts> &general, const PageFields &fields);
    // Makes the press of the exercise open, its answer shown; counted as answered, not right.
    std::string reveal(const PageFields &fields);
    // A key typed into a field, as its character code, with the field texts as in press().
    std::string keyPress(FieldRow row, int index, int key, const PageFields &fields);
    // The lists show the program's learner or the textbook learner; Predict, Gen Text, the
    // explanations and the diagram follow.
    std::string showLearner(Learner learner);
    // Gives the attributes `names`, one for each (empty where unnamed), as an action that can be
    // undone: a fresh start, as Clear does, when their number changes.
    std::string setAttributes(const AttributeNames &names, const PageFields &fields);
    // Fills the training fields with the suggested example, as an action that can be undone, and
    // says how the version space would split on it; or why there is none.
    std::string suggest(const PageFields &fields);
    // Undoes the last action, or does the last undone again: the update draws the form as it
    // was, the session's place, the Steps and Messages with it; its history member names the
    // action. An exercise open is put away instead, its example not learnt.
    std::string undo(const PageFields &fields) { return stepThroughHistory(History::Undo, fields); }
    std::string redo(const PageFields &fields) { return stepThroughHistory(History::Redo, fields); }

    // Reads a session file's bytes as vspace-replay reads them, a CSV table (its columns read as
    // `columns` says) or JSON Lines, up to its first Exit, and keeps it for startSession(). Nothing
    // is decoded before the reader has checked it. Returns {"presses": n, "learnt": the examples
    // learnt now}, or {"error": why}; for a table, with "layout": how its columns were read.
    std::string open(const std::string &bytes, bool csv, const CsvColumns &columns = {},
                     const std::string &name = {});
    // Opens the session read last: the form starts afresh at the session's width, as Clear does,
    // in an action that can be undone, and the session waits for its first press. Its Undo never
    // reaches past this. The attributes take the session's names; or keep theirs when it names
    // none and has as many attributes.
    std::string startSession(const PageFields &fields);
    // Types the session's values up to its next press and presses it, as the user would; the
    // focus stays where it is.
    std::string playNext(const PageFields &fields);
    // The Steps entries the page keeps, the newest.
    static constexpr std::size_t kKeptSteps = 500;
    // Plays the session's presses quietly, their messages into the Messages list, for about
    // `milliseconds` and up to press `lastPress` at most: only the last `explained` presses of the
    // session get a Steps entry; the lists are drawn when the session has been played to its end
    // (or Exit) or to `lastPress`, or stopPlaying() is called.
    std::string play(const PageFields &fields, double milliseconds, double explained,
                     double lastPress = kAllPresses);
    static constexpr double kAllPresses = 1e300;
    // Ends a run of quiet presses: the lists drawn as they stand, and the notes.
    std::string stopPlaying();
    // What was done since the last fresh start, as a JSON Lines session that the page and
    // vspace-replay open to the same lists: the presses that made what the form shows, as made,
    // the attributes' names and the learner shown.
    std::string saveSession() const;
    // The lesson as it stands: the session open, as it was opened, with the presses of it played;
    // or else (no session open, or presses made by hand beside it) what was done, as
    // saveSession() writes it, all played.
    SharedLesson lesson() const;
    // A worksheet of the lesson, in the page's language (`language`, its tag): the examples of
    // the session open, or of what was done, with boxes for S and G, and the answer key as the
    // learner shown has it.
    std::string worksheet(const std::string &language) const;
    // The lesson report vspace-replay writes for the lesson, in the page's language (`language`,
    // its tag), each drawing left as its DOT text in a hidden <pre class="dot"> for the page to
    // draw.
    std::string report(const std::string &language) const;
    // S, G and the version space of the learner shown in Graphviz's DOT language, as the lesson
    // report draws them.
    std::string versionSpaceDot() const;
    // Puts S and the rows of G of the program's learner in place by hand, as after `examples`
    // examples, as benchmarks set up large lists; the update draws them.
    std::string setBoundaries(Row specific, std::vector<Row> general, int examples);

private:
    // What an update tells beyond the controls.
    struct Told
    {
        std::optional<Button> button = {}; // pressed: its Steps entry
        bool ignored = false;
        bool explained = true;      // the button pressed gets its Steps entry here
        bool quiet = false;         // played quietly: the notes wait for the end
        bool played = false;        // a press of the session
        bool exercise = false;      // an exercise opened
        std::string checked = {};   // an answer checked, as JSON
        std::string history = {};   // "undone" or "redone", with the action's number
        std::string announced = {}; // said to screen readers
    };

    // The session open, or null.
    const Session *session() const;
    // The name of the session open ("vspace" for none or a nameless one).
    std::string lessonName() const;
    // Plays lesson() afresh, beside the page's own session, into what `record` sets up to observe
    // it (naming the attributes by the handler it sets, if any); writes no file.
    void replayLesson(const std::function<void(ReplaySession &, NamesHandler &)> &record) const;
    // The attributes' names in use, one for each attribute (empty where unnamed).
    AttributeNames names() const;
    // Puts `names` in use from `place` on: a number for them in the place.
    Place named(Place place, AttributeNames names);

    // The session's next command that presses a button or steps through the history, typing the
    // values of those before it when `typing`; null at the end.
    const ReplayCommand *nextPress(bool typing = true);
    // Plays one command of the session, typing its values and pressing its button (or stepping
    // through the session's own history), as vspace-replay plays it; its Steps entry unless
    // `unexplained`. Returns the button pressed and whether the press was ignored.
    std::pair<std::optional<Button>, bool> playCommand(const ReplayCommand &command,
                                                       bool unexplained);
    // Clear empties the Messages list.
    void afterPress(Button button, bool done);

    std::string stepThroughHistory(History step, const PageFields &fields);

    // The exercise of a press of `button` with the training fields' texts `training` (the session's
    // next command, when it is one of the session's), or none.
    bool openExercise(Button button, FieldTexts training, const ReplayCommand *command);
    // Makes the press of the exercise open, counted answered, and right or not.
    std::string finishExercise(bool right, const PageFields &fields, std::string checked);
    // Puts away the exercise open, if any: whatever the user does next, its example is not learnt.
    bool putAwayExercise() { return std::exchange(m_exercise, std::nullopt).has_value(); }
    // The press itself, with the fields taken: the place counts a press by hand beside a session.
    bool pressNow(Button button);
    // The training fields' texts, one for each attribute.
    FieldTexts trainingTexts() const;
    void exerciseJson(JsonWriter &out, const Told &told);

    Phrase phrase() const;
    // The sentences of a press of `button` (or an undo or redo) as each learner took it, the
    // program's first.
    using Sentences = std::array<std::string, 2>;
    Sentences sentences(std::optional<Button> button, std::optional<History> history, bool ignored,
                        const std::string &example = {}) const;
    // The next Steps entry, or its number alone when the press is not explained.
    void addStep(std::optional<Sentences> sentences);
    void addStep(const std::string &text) { addStep(Sentences{text, text}); }
    void addMessage(std::string text);

    bool textbookShown() const;

    // What the update tells beyond the controls: what the press did and its Steps entry, the
    // rows it added, the notes on where the two learners differ, whether an example can be
    // suggested, what can be undone, the session's progress and the Messages list.
    std::string teaching(const Told &told);

    // The Steps entries the page lacks, after the number of the last it keeps.
    void stepsJson(JsonWriter &out);
    // The Messages list, at most its last kListedMessages items: drawn anew when it starts
    // elsewhere (after Clear, or an undo of it), otherwise the items it drops, keeps and lacks.
    void messagesJson(JsonWriter &out);
    static constexpr std::size_t kListedMessages = 500;

    PageControls m_controls;
    Form m_form;
    DifferenceNotes m_differences;
    LearntValues m_values;
    bool m_suggestable = false;
    std::vector<std::shared_ptr<const Session>> m_sessions; // opened, by their number from 1
    std::vector<AttributeNames> m_names;                    // given, by their number from 1
    // A Steps entry: its number and its sentence for each learner.
    struct Step
    {
        std::size_t number;
        Sentences sentences;
    };
    std::vector<Step> m_steps; // in order
    std::size_t m_shownSteps = 0;
    Learner m_stepsLearner = Learner::Program; // whose sentences the Steps show
    std::vector<std::string> m_messages;       // of the sessions played, in order
    // The messages the list shows, by their number: from the first listed to the one after the
    // last, of the list that starts at m_shownMessagesBase.
    std::size_t m_shownMessagesBase = 0, m_shownMessagesFrom = 0, m_shownMessages = 0;
    std::shared_ptr<Session> m_pending;
    // Exercises: whether on; the one open, with the press it waits to make.
    struct OpenExercise
    {
        StepExercise step;
        Button button;
        FieldTexts training;      // the training fields' texts it was opened with
        std::string example = {}; // the example's name in the session's table
        bool played = false;      // the session's next press
    };
    bool m_exercises = false;
    std::optional<OpenExercise> m_exercise;
    bool m_exerciseShown = false; // the page shows one
};

} // namespace vspace
