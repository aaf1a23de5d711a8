#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace vspace {

// Every text the user reads in the window and its message boxes, by meaning. The English
// source texts live in one table (text_catalog.cpp); a front end shows them in the user's
// language by looking each up in its translations under the entry's context.
enum class Text {
    // Button captions; "&" marks the access key.
    PositiveCaption,
    NegativeCaption,
    PredictCaption,
    GenTextCaption,
    ExitCaption,
    ClearCaption,
    // Frame and label captions.
    UnseenDataFrame,
    LearningDataFrame,
    HypothesisFrame,
    VersionSpaceLabel,
    SpecificLabel,
    GeneralLabel,
    // Accessible names of the fields (%1: the field's number, 1 to 6) and of the lists.
    TrainingValueName,
    UnseenValueName,
    GeneralListName,
    SpecificListName,
    LearningDataListName,
    VersionSpaceListName,
    // Message boxes: titles, then prompts.
    DuplicateTitle,
    DuplicatePrompt,
    CannotLearnTitle,
    GeneralLimitPrompt,
    VersionSpaceLimitPrompt,
    ExampleLimitPrompt,
    CannotPredictTitle,
    NothingLearntPrompt,
    NoConsistentPrompt,
    ResultTitle,
    PositivePrompt,
    NegativePrompt,
    UndecidedPrompt,
    TextFileTitle,
    ExportedPrompt,
    // %1: the file's path; %2: one of the reasons below.
    ExportFailedPrompt,
    // Why an export failed. %1: a folder's or a file's path, or the system's own description.
    NotAFolderReason,
    FolderNotCreatedReason,
    FolderInTheWayReason,
    IncompleteWriteReason,
    NotARegularFileReason,
    DanglingLinkReason,
    ForeignLinkReason,
    NoDesktopReason,
    SystemReason,
    // The button that closes a message box.
    OkButton,
    // The page's own controls and texts.
    DiagramButton,
    DiagramRegion,
    OpenSessionButton,
    SaveSessionButton,
    CopyLinkButton,
    WorksheetButton,
    ReportButton,
    LinkName, // what a link's lesson is called when opened
    LinkCopied,
    LinkInAddress, // when the clipboard cannot be written
    LinkDamagedReason,
    LinkNewerReason,
    NextPressButton,
    PlayToEndButton,
    MessagesList,
    EndedText,
    StartAgainButton,
    BackToLessonButton, // after Exit: the lesson as it was
    SessionOpened,      // %1: the file's name; %n: how many presses it holds
    SessionRefused,     // %1: the file's name; %2: what is wrong, naming the line
    StepsHeading,
    TextbookSwitch,
    ExerciseSwitch,
    ExerciseQuestion,
    ExerciseAddRow,
    ExerciseDropRow,
    ExerciseRowName, // %1: a number; %2: S or G
    ExerciseValueName,
    ExerciseCheckButton,
    ExerciseRevealButton,
    ExerciseRight, // a row of the answer
    ExerciseWrong, // a row of the answer
    ExerciseMissing,
    ExerciseScore,
    SuggestButton,
    SuggestedExample,
    NoSuggestion,
    DifferenceNote,
    AddedMark,
    LegendSpecific,
    LegendGeneral,
    LegendVersionSpace,
    DiagramDescription,
    UndoButton,
    RedoButton,
    StopButton,
    PlayingProgress,
    PressesPlayed, // %1: how many presses of the session have been played; %n: how many it holds
    OpenOverWork,  // %1: the file's name; %n: how many examples have been learnt
    OpenButton,
    CancelButton,
    NoPressesReason, // why a file with no presses was not opened
    DiagramLeftOut,  // under a diagram too large to draw whole: how many hypotheses it leaves out
    MessageLine,     // %1: the line of the press in its session; %2: the message, "title: text"
    MessagesLeftOut, // %1: the messages of the sessions played before the last 500 listed
    ExampleStep,     // %1: the example's name in its table ("D3"); %2: the sentence of its press
    // Why an example session of the page's Examples menu was not opened.
    ExampleNotLoadedReason,
    // Why a session stopped playing on the page: memory ran out.
    OutOfMemoryReason,
    PresentButton,
    ExamplesMenu,
    AttributesButton,
    AttributesTitle,
    AttributesPrompt,
    AttributeName,      // %1: its number, 1 to 16
    AttributeCount,     // the Attributes dialog's field for how many there are
    ColumnsTitle,       // the Columns dialog's title
    ColumnsPrompt,      // %1: the file's name
    ColumnAttribute,    // a column's role
    ColumnLabel,        // a column's role
    ColumnNames,        // a column's role
    ColumnLeftOut,      // a column's role
    ColumnNumbered,     // %1: its number, from 1
    PositiveWordsField, // a field of the Columns dialog
    NegativeWordsField, // a field of the Columns dialog
    TrainingValueNamed, // %1: the field's number; %2: the attribute's name
    UnseenValueNamed,
    LegendAttributes, // %1: the six attributes' names, one after another with commas
    // Explanations of a press, from what the learner did; and where the two learners differ.
    ExplainPositive,
    ExplainNegative,
    ExplainLosesRejecting,
    ExplainLosesAccepting,
    ExplainLosesLessGeneral,
    ExplainGainsAtAttribute,
    ExplainGainsAtAttributes,
    ExplainSpecificUnchanged,
    ExplainSpecificReplaced,
    ExplainSpecificAttribute,
    ExplainSpecificAttributes,
    ExplainGainsAtNamed,        // the attributes by their names
    ExplainSpecificNamed,       // the attribute by its name
    ExplainSpecificNamedPlural, // the attributes by their names
    ExplainNoVersionSpace,
    ExplainVersionSpaceOne,
    ExplainVersionSpaceRows,
    ExplainGeneralEmpty,
    ExplainCollapse,
    ExplainCollapsed,
    ExplainDuplicate,
    ExplainGeneralLimit,
    ExplainVersionSpaceLimit,
    ExplainExampleLimit,
    ExplainVotePositive,
    ExplainVoteNegative,
    ExplainVoteUndecided,
    ExplainVoteOneAccepts,
    ExplainVoteOneRejects,
    ExplainNoVote,
    ExplainNothingConsistent,
    ExplainGenText,
    ExplainClear,
    ExplainExit,
    ExplainIgnored,
    ExplainHeld,       // %1: a negative example before the first positive, held
    ExplainHeldLearnt, // followed by the sentence of the held example learnt
    ExplainUndo,
    ExplainRedo,
    ExplainNothingToUndo,
    ExplainNothingToRedo,
    ExerciseAllRight,
    ExerciseCounts,
    ExerciseClosed,
    ExerciseNotSpecific,
    ExerciseLeavesRejecting,
    ExerciseLeavesAccepting,
    ExerciseLeavesLessGeneral,
    ExerciseStaysAccepting,
    ExerciseStaysRejecting,
    ExerciseInGeneral,
    ExerciseComesFrom, // %4: an attribute's name, or ExerciseAttribute
    ExerciseAttribute,
    ExerciseNotMadeRejecting,
    ExerciseNotMadeAccepting,
    ExerciseNotMade,
    ExerciseTwice,
    ListAnd,
    ListMore,
    ListRowsLeftOut, // %1: the rows of a list beyond the 10,000 it shows
    CompareTextbookGeneral,
    CompareProgramGeneral,
    CompareTextbookSpace,
    CompareProgramSpace,
    CompareContradiction,
    CompareVotes,
    CompareCollapse,
    CompareSummary,
    CompareAgreed,
    // The lesson report of a session.
    // %1: how many presses; %2, %3: the words marked as added and removed rows are
    ReportIntroduction,
    ReportAdded,
    ReportRemoved,
    // %1 to %3: the rows of each list, or the word below
    ReportStart,
    ReportEmptyList,
    ReportDrawingsLeftOut,
    ReportDiagramCaption,
    ReportLearningDataHeading,
    // %1: the press's number; %2: its name in the session
    ReportPress,
    ReportTrainingInstance,
    ReportUnseenInstance,
    // %1: the message, "title: text"
    ReportMessage,
    ReportSpecific,
    ReportGeneral,
    ReportVersionSpace,
    ReportLearningData,
    ReportLabel,
    ReportAttributes, // %1: the attributes' names in full, listed
    ReportOneRow,
    ReportRows,
    ReportUnchanged,
    ReportEmpty,
    // In place of a diagram: why it is not drawn.
    ReportNotLaidOut,
    ReportNotDrawn,
    ReportNoDiagrams,
    WorksheetTitle,
    WorksheetProgramIntroduction,
    WorksheetTextbookIntroduction,
    WorksheetPredictQuestion,
    WorksheetKeyHeading,
    // What the program is, in the menus, the software centres and the page's manifest.
    GenericName,
    Comment,
    Summary,
};

inline constexpr int kTextCount = static_cast<int>(Text::Summary) + 1;

struct CatalogEntry
{
    Text id;
    const char *name;    // the id's name, by which the page names the text ("StepsHeading")
    const char *context; // the group a translator sees the text in
    const char *english; // the source text, exactly as an English-speaking user reads it
};

// The entry of `id`.
const CatalogEntry &catalogEntry(Text id);

// The English text of `id`.
std::string_view english(Text id);

// `pattern` with %1 to %9 replaced by the arguments, in one pass: an argument that holds "%2"
// is not replaced again. A placeholder without an argument stays as it is. Every front end fills
// its texts with it.
std::string format(std::string_view pattern, std::span<const std::string_view> arguments);
inline std::string format(std::string_view pattern,
                          std::initializer_list<std::string_view> arguments)
{
    return format(pattern, std::span(arguments.begin(), arguments.size()));
}

} // namespace vspace
