#include "text_catalog.h"

#include <array>

namespace vspace {

namespace {

// Marks a source text for the translation tools, which find the texts by this name.
#define VSPACE_TRANSLATE_NOOP(context, text) context, text
// A text's id and its name, as the page names it.
#define VSPACE_TEXT_ID(name) Text::name, #name
// A text with plural forms: %n is the number that chooses the form.
#define VSPACE_TRANSLATE_N_NOOP(context, text) context, text

constexpr std::array<CatalogEntry, kTextCount> kCatalog{{
        {VSPACE_TEXT_ID(PositiveCaption), VSPACE_TRANSLATE_NOOP("Window", "Positive")},
        {VSPACE_TEXT_ID(NegativeCaption), VSPACE_TRANSLATE_NOOP("Window", "Negative")},
        {VSPACE_TEXT_ID(PredictCaption), VSPACE_TRANSLATE_NOOP("Window", "Predict")},
        {VSPACE_TEXT_ID(GenTextCaption), VSPACE_TRANSLATE_NOOP("Window", "Gen Text")},
        {VSPACE_TEXT_ID(ExitCaption), VSPACE_TRANSLATE_NOOP("Window", "&Exit")},
        {VSPACE_TEXT_ID(ClearCaption), VSPACE_TRANSLATE_NOOP("Window", "&Clear")},
        {VSPACE_TEXT_ID(UnseenDataFrame), VSPACE_TRANSLATE_NOOP("Window", "Unseen Data")},
        {VSPACE_TEXT_ID(LearningDataFrame), VSPACE_TRANSLATE_NOOP("Window", "Learning Data")},
        {VSPACE_TEXT_ID(HypothesisFrame), VSPACE_TRANSLATE_NOOP("Window", "Hypothesis")},
        {VSPACE_TEXT_ID(VersionSpaceLabel), VSPACE_TRANSLATE_NOOP("Window", "Version Space")},
        {VSPACE_TEXT_ID(SpecificLabel), VSPACE_TRANSLATE_NOOP("Window", "Specific")},
        {VSPACE_TEXT_ID(GeneralLabel), VSPACE_TRANSLATE_NOOP("Window", "General")},
        {VSPACE_TEXT_ID(TrainingValueName),
         VSPACE_TRANSLATE_NOOP("Accessible name", "Training value %1")},
        {VSPACE_TEXT_ID(UnseenValueName),
         VSPACE_TRANSLATE_NOOP("Accessible name", "Unseen value %1")},
        {VSPACE_TEXT_ID(GeneralListName), VSPACE_TRANSLATE_NOOP("Accessible name", "General")},
        {VSPACE_TEXT_ID(SpecificListName), VSPACE_TRANSLATE_NOOP("Accessible name", "Specific")},
        {VSPACE_TEXT_ID(LearningDataListName),
         VSPACE_TRANSLATE_NOOP("Accessible name", "Learning Data")},
        {VSPACE_TEXT_ID(VersionSpaceListName),
         VSPACE_TRANSLATE_NOOP("Accessible name", "Version Space")},
        {VSPACE_TEXT_ID(DuplicateTitle), VSPACE_TRANSLATE_NOOP("Message", "Data not correct")},
        {VSPACE_TEXT_ID(DuplicatePrompt), VSPACE_TRANSLATE_NOOP("Message", "Duplicate Data")},
        {VSPACE_TEXT_ID(CannotLearnTitle), VSPACE_TRANSLATE_NOOP("Message", "Cannot Learn")},
        {VSPACE_TEXT_ID(GeneralLimitPrompt),
         VSPACE_TRANSLATE_NOOP("Message", "This example was not learnt: the General boundary would "
                                          "need more than %1 rows.")},
        {VSPACE_TEXT_ID(VersionSpaceLimitPrompt),
         VSPACE_TRANSLATE_NOOP(
                 "Message",
                 "This example was not learnt: the Version Space would need more than %1 rows.")},
        {VSPACE_TEXT_ID(ExampleLimitPrompt),
         VSPACE_TRANSLATE_NOOP("Message", "This example was not learnt: no more than %1 examples "
                                          "can be learnt. Press Clear to start again.")},
        {VSPACE_TEXT_ID(CannotPredictTitle), VSPACE_TRANSLATE_NOOP("Message", "Cannot Predict")},
        {VSPACE_TEXT_ID(NothingLearntPrompt),
         VSPACE_TRANSLATE_NOOP("Message",
                               "Please input Data to Learning Before Predicting Unseen Data")},
        {VSPACE_TEXT_ID(NoConsistentPrompt),
         VSPACE_TRANSLATE_NOOP("Message", "No hypothesis is consistent with the learning data")},
        {VSPACE_TEXT_ID(ResultTitle), VSPACE_TRANSLATE_NOOP("Message", "Result")},
        {VSPACE_TEXT_ID(PositivePrompt),
         VSPACE_TRANSLATE_NOOP("Message", "Your Data is Positive , Result is +")},
        {VSPACE_TEXT_ID(NegativePrompt),
         VSPACE_TRANSLATE_NOOP("Message", "Your Data is Negative ,Result is -")},
        {VSPACE_TEXT_ID(UndecidedPrompt),
         VSPACE_TRANSLATE_NOOP("Message", "I can't Predict It ,Result is 0")},
        {VSPACE_TEXT_ID(TextFileTitle), VSPACE_TRANSLATE_NOOP("Message", "Text File")},
        {VSPACE_TEXT_ID(ExportedPrompt),
         VSPACE_TRANSLATE_NOOP("Message", "Your TextFile Generate in Desktop is Hypothesis.txt")},
        {VSPACE_TEXT_ID(ExportFailedPrompt),
         VSPACE_TRANSLATE_NOOP("Message", "The hypothesis file %1 could not be written: %2")},
        {VSPACE_TEXT_ID(NotAFolderReason),
         VSPACE_TRANSLATE_NOOP("Export failure", "%1 is not a folder")},
        {VSPACE_TEXT_ID(FolderNotCreatedReason),
         VSPACE_TRANSLATE_NOOP("Export failure", "the folder %1 could not be created")},
        {VSPACE_TEXT_ID(FolderInTheWayReason),
         VSPACE_TRANSLATE_NOOP("Export failure", "a folder of that name is in the way")},
        {VSPACE_TEXT_ID(IncompleteWriteReason),
         VSPACE_TRANSLATE_NOOP("Export failure", "the file could not be written completely")},
        {VSPACE_TEXT_ID(NotARegularFileReason),
         VSPACE_TRANSLATE_NOOP("Export failure", "%1 is not a regular file")},
        {VSPACE_TEXT_ID(DanglingLinkReason),
         VSPACE_TRANSLATE_NOOP("Export failure", "%1 is a link to a file that does not exist")},
        {VSPACE_TEXT_ID(ForeignLinkReason),
         VSPACE_TRANSLATE_NOOP("Export failure",
                               "%1 is another user's link in a folder shared by all users")},
        {VSPACE_TEXT_ID(NoDesktopReason),
         VSPACE_TRANSLATE_NOOP("Export failure",
                               "the desktop folder is unknown: HOME is not an absolute path")},
        {VSPACE_TEXT_ID(SystemReason), VSPACE_TRANSLATE_NOOP("Export failure", "%1")},
        {VSPACE_TEXT_ID(OkButton), VSPACE_TRANSLATE_NOOP("Message", "OK")},
        {VSPACE_TEXT_ID(DiagramButton), VSPACE_TRANSLATE_NOOP("Page", "Diagram")},
        {VSPACE_TEXT_ID(DiagramRegion), VSPACE_TRANSLATE_NOOP("Page", "Version space diagram")},
        {VSPACE_TEXT_ID(OpenSessionButton), VSPACE_TRANSLATE_NOOP("Page", "Open session")},
        {VSPACE_TEXT_ID(SaveSessionButton), VSPACE_TRANSLATE_NOOP("Page", "Save session")},
        {VSPACE_TEXT_ID(CopyLinkButton), VSPACE_TRANSLATE_NOOP("Page", "Copy link")},
        {VSPACE_TEXT_ID(WorksheetButton), VSPACE_TRANSLATE_NOOP("Page", "Worksheet")},
        {VSPACE_TEXT_ID(ReportButton), VSPACE_TRANSLATE_NOOP("Page", "Lesson report")},
        {VSPACE_TEXT_ID(LinkName), VSPACE_TRANSLATE_NOOP("Page", "The lesson link")},
        {VSPACE_TEXT_ID(LinkCopied), VSPACE_TRANSLATE_NOOP("Page", "Link copied: %1 characters.")},
        {VSPACE_TEXT_ID(LinkInAddress),
         VSPACE_TRANSLATE_NOOP("Page", "The address bar holds the link: %1 characters.")},
        {VSPACE_TEXT_ID(LinkDamagedReason),
         VSPACE_TRANSLATE_NOOP("Page", "it is damaged or cut short")},
        {VSPACE_TEXT_ID(LinkNewerReason),
         VSPACE_TRANSLATE_NOOP("Page", "it was made by a newer version of vspace")},
        {VSPACE_TEXT_ID(NextPressButton), VSPACE_TRANSLATE_NOOP("Page", "&Next press")},
        {VSPACE_TEXT_ID(PlayToEndButton), VSPACE_TRANSLATE_NOOP("Page", "Play to end")},
        {VSPACE_TEXT_ID(MessagesList), VSPACE_TRANSLATE_NOOP("Page", "Messages")},
        {VSPACE_TEXT_ID(EndedText), VSPACE_TRANSLATE_NOOP("Page", "vspace has ended")},
        {VSPACE_TEXT_ID(StartAgainButton), VSPACE_TRANSLATE_NOOP("Page", "Start again")},
        {VSPACE_TEXT_ID(BackToLessonButton), VSPACE_TRANSLATE_NOOP("Page", "Back to the lesson")},
        {VSPACE_TEXT_ID(SessionOpened),
         VSPACE_TRANSLATE_N_NOOP("Page", "Opened %1: %n presses to play.")},
        {VSPACE_TEXT_ID(SessionRefused), VSPACE_TRANSLATE_NOOP("Page", "%1 was not opened: %2")},
        {VSPACE_TEXT_ID(StepsHeading), VSPACE_TRANSLATE_NOOP("Page", "Steps")},
        {VSPACE_TEXT_ID(TextbookSwitch), VSPACE_TRANSLATE_NOOP("Page", "Textbook")},
        {VSPACE_TEXT_ID(SuggestButton), VSPACE_TRANSLATE_NOOP("Page", "Suggest example")},
        {VSPACE_TEXT_ID(SuggestedExample),
         VSPACE_TRANSLATE_NOOP("Page", "Suggested %1: %2 of %3 hypotheses accept it.")},
        {VSPACE_TEXT_ID(NoSuggestion),
         VSPACE_TRANSLATE_NOOP("Page",
                               "No instance made of the values learnt splits the version space.")},
        {VSPACE_TEXT_ID(DifferenceNote),
         VSPACE_TRANSLATE_NOOP("Page", "The program's learner and the textbook learner differ:")},
        {VSPACE_TEXT_ID(AddedMark), VSPACE_TRANSLATE_NOOP("Page", "added by the last press")},
        {VSPACE_TEXT_ID(LegendSpecific), VSPACE_TRANSLATE_NOOP("Page", "S, the specific boundary")},
        {VSPACE_TEXT_ID(LegendGeneral), VSPACE_TRANSLATE_NOOP("Page", "G, the general boundary")},
        {VSPACE_TEXT_ID(LegendVersionSpace),
         VSPACE_TRANSLATE_NOOP("Page", "The version space between them")},
        {VSPACE_TEXT_ID(DiagramDescription),
         VSPACE_TRANSLATE_NOOP("Page", "S: %1. G: %2. The version space: %3.")},
        {VSPACE_TEXT_ID(UndoButton), VSPACE_TRANSLATE_NOOP("Page", "Undo")},
        {VSPACE_TEXT_ID(RedoButton), VSPACE_TRANSLATE_NOOP("Page", "Redo")},
        {VSPACE_TEXT_ID(StopButton), VSPACE_TRANSLATE_NOOP("Page", "Stop")},
        {VSPACE_TEXT_ID(PlayingProgress), VSPACE_TRANSLATE_NOOP("Page", "Playing the session")},
        {VSPACE_TEXT_ID(PressesPlayed), VSPACE_TRANSLATE_N_NOOP("Page", "%1 of %n presses played")},
        {VSPACE_TEXT_ID(OpenOverWork),
         VSPACE_TRANSLATE_N_NOOP(
                 "Page", "Open %1? The %n examples learnt are set aside; Undo brings them back.")},
        {VSPACE_TEXT_ID(OpenButton), VSPACE_TRANSLATE_NOOP("Page", "Open")},
        {VSPACE_TEXT_ID(CancelButton), VSPACE_TRANSLATE_NOOP("Page", "Cancel")},
        {VSPACE_TEXT_ID(NoPressesReason),
         VSPACE_TRANSLATE_NOOP("Page", "the file holds no presses")},
        {VSPACE_TEXT_ID(DiagramLeftOut),
         VSPACE_TRANSLATE_NOOP("Page", "%1 more hypotheses of the version space are not drawn")},
        {VSPACE_TEXT_ID(MessageLine), VSPACE_TRANSLATE_NOOP("Page", "line %1: %2")},
        {VSPACE_TEXT_ID(MessagesLeftOut),
         VSPACE_TRANSLATE_NOOP("Page", "Earlier messages, not listed here: %1")},
        {VSPACE_TEXT_ID(ExampleStep), VSPACE_TRANSLATE_NOOP("Explanation", "%1: %2")},
        {VSPACE_TEXT_ID(ExampleNotLoadedReason),
         VSPACE_TRANSLATE_NOOP("Page", "the example could not be loaded")},
        {VSPACE_TEXT_ID(OutOfMemoryReason),
         VSPACE_TRANSLATE_NOOP(
                 "Page", "the page ran out of memory: the rest of the session was not played")},
        {VSPACE_TEXT_ID(PresentButton), VSPACE_TRANSLATE_NOOP("Page", "Present")},
        {VSPACE_TEXT_ID(ExamplesMenu), VSPACE_TRANSLATE_NOOP("Page", "Examples")},
        {VSPACE_TEXT_ID(AttributesButton), VSPACE_TRANSLATE_NOOP("Page", "Attributes…")},
        {VSPACE_TEXT_ID(AttributesTitle), VSPACE_TRANSLATE_NOOP("Page", "Attributes")},
        {VSPACE_TEXT_ID(AttributesPrompt),
         VSPACE_TRANSLATE_NOOP("Page",
                               "How many attributes the instances have, from 1 to 16, and their "
                               "names; this browser keeps them. Empty fields leave attributes "
                               "unnamed. Another number starts afresh, and Undo takes it back.")},
        {VSPACE_TEXT_ID(AttributeName), VSPACE_TRANSLATE_NOOP("Page", "Attribute %1")},
        {VSPACE_TEXT_ID(AttributeCount), VSPACE_TRANSLATE_NOOP("Page", "Number of attributes")},
        {VSPACE_TEXT_ID(ColumnsTitle), VSPACE_TRANSLATE_NOOP("Page", "Columns")},
        {VSPACE_TEXT_ID(ColumnsPrompt),
         VSPACE_TRANSLATE_NOOP("Page",
                               "How %1 is read: what each column holds, and the words that label "
                               "examples besides +, -, positive, negative, yes, no, true, false, 1 "
                               "and 0. This browser keeps the choice for this file.")},
        {VSPACE_TEXT_ID(ColumnAttribute), VSPACE_TRANSLATE_NOOP("Page", "Attribute")},
        {VSPACE_TEXT_ID(ColumnLabel), VSPACE_TRANSLATE_NOOP("Page", "Label")},
        {VSPACE_TEXT_ID(ColumnNames), VSPACE_TRANSLATE_NOOP("Page", "Example names")},
        {VSPACE_TEXT_ID(ColumnLeftOut), VSPACE_TRANSLATE_NOOP("Page", "Left out")},
        {VSPACE_TEXT_ID(ColumnNumbered), VSPACE_TRANSLATE_NOOP("Page", "Column %1")},
        {VSPACE_TEXT_ID(PositiveWordsField),
         VSPACE_TRANSLATE_NOOP("Page", "Positive words (commas between)")},
        {VSPACE_TEXT_ID(NegativeWordsField),
         VSPACE_TRANSLATE_NOOP("Page", "Negative words (commas between)")},
        {VSPACE_TEXT_ID(TrainingValueNamed),
         VSPACE_TRANSLATE_NOOP("Page", "Training value %1: %2")},
        {VSPACE_TEXT_ID(UnseenValueNamed), VSPACE_TRANSLATE_NOOP("Page", "Unseen value %1: %2")},
        {VSPACE_TEXT_ID(LegendAttributes), VSPACE_TRANSLATE_NOOP("Page", "Attributes: %1")},
        {VSPACE_TEXT_ID(ExplainPositive),
         VSPACE_TRANSLATE_NOOP("Explanation", "Positive example %1.")},
        {VSPACE_TEXT_ID(ExplainNegative),
         VSPACE_TRANSLATE_NOOP("Explanation", "Negative example %1.")},
        {VSPACE_TEXT_ID(ExplainLosesRejecting),
         VSPACE_TRANSLATE_NOOP("Explanation", "G loses what rejects it: %1.")},
        {VSPACE_TEXT_ID(ExplainLosesAccepting),
         VSPACE_TRANSLATE_NOOP("Explanation", "G loses what accepts it: %1.")},
        {VSPACE_TEXT_ID(ExplainLosesLessGeneral),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "G loses what another of its rows is more general than: %1.")},
        {VSPACE_TEXT_ID(ExplainGainsAtAttribute),
         VSPACE_TRANSLATE_NOOP("Explanation", "S rules it out at attribute %1, so G gains %2.")},
        {VSPACE_TEXT_ID(ExplainGainsAtAttributes),
         VSPACE_TRANSLATE_NOOP("Explanation", "S rules it out at attributes %1, so G gains %2.")},
        {VSPACE_TEXT_ID(ExplainSpecificUnchanged),
         VSPACE_TRANSLATE_NOOP("Explanation", "S is unchanged.")},
        {VSPACE_TEXT_ID(ExplainSpecificReplaced),
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes the example.")},
        {VSPACE_TEXT_ID(ExplainSpecificAttribute),
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes %1: attribute %2 no longer matters.")},
        {VSPACE_TEXT_ID(ExplainSpecificAttributes),
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes %1: attributes %2 no longer matter.")},
        {VSPACE_TEXT_ID(ExplainGainsAtNamed),
         VSPACE_TRANSLATE_NOOP("Explanation", "S rules it out at %1, so G gains %2.")},
        {VSPACE_TEXT_ID(ExplainSpecificNamed),
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes %1: %2 no longer matters.")},
        {VSPACE_TEXT_ID(ExplainSpecificNamedPlural),
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes %1: %2 no longer matter.")},
        {VSPACE_TEXT_ID(ExplainNoVersionSpace),
         VSPACE_TRANSLATE_NOOP("Explanation", "There is no version space yet.")},
        {VSPACE_TEXT_ID(ExplainVersionSpaceOne),
         VSPACE_TRANSLATE_NOOP("Explanation", "The version space has one row.")},
        {VSPACE_TEXT_ID(ExplainVersionSpaceRows),
         VSPACE_TRANSLATE_NOOP("Explanation", "The version space has %1 rows.")},
        {VSPACE_TEXT_ID(ExplainGeneralEmpty),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "G is empty: no hypothesis is consistent with the learning data.")},
        {VSPACE_TEXT_ID(ExplainCollapse),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "No hypothesis is consistent with the learning data any more: G, S "
                               "and the version space stay empty until Clear.")},
        {VSPACE_TEXT_ID(ExplainCollapsed),
         VSPACE_TRANSLATE_NOOP("Explanation", "No hypothesis is consistent with the learning data: "
                                              "the example changes nothing until Clear.")},
        {VSPACE_TEXT_ID(ExplainDuplicate),
         VSPACE_TRANSLATE_NOOP("Explanation", "Example %1 repeats example %2: nothing changes.")},
        {VSPACE_TEXT_ID(ExplainGeneralLimit),
         VSPACE_TRANSLATE_NOOP("Explanation", "Not learnt: G would need %1 rows, more than %2.")},
        {VSPACE_TEXT_ID(ExplainVersionSpaceLimit),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Not learnt: the version space would need %1 rows, more than %2.")},
        {VSPACE_TEXT_ID(ExplainExampleLimit),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Not learnt: no more than %1 examples can be learnt.")},
        {VSPACE_TEXT_ID(ExplainVotePositive),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "%1 of %2 hypotheses accept it, so the answer is positive.")},
        {VSPACE_TEXT_ID(ExplainVoteNegative),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "%1 of %2 hypotheses accept it, so the answer is negative.")},
        {VSPACE_TEXT_ID(ExplainVoteUndecided),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "%1 of %2 hypotheses accept it, so the answer is undecided.")},
        {VSPACE_TEXT_ID(ExplainVoteOneAccepts),
         VSPACE_TRANSLATE_NOOP(
                 "Explanation",
                 "The version space's one row accepts it, so the answer is positive.")},
        {VSPACE_TEXT_ID(ExplainVoteOneRejects),
         VSPACE_TRANSLATE_NOOP(
                 "Explanation",
                 "The version space's one row rejects it, so the answer is negative.")},
        {VSPACE_TEXT_ID(ExplainNoVote),
         VSPACE_TRANSLATE_NOOP("Explanation", "There is no version space to vote yet.")},
        {VSPACE_TEXT_ID(ExplainNothingConsistent),
         VSPACE_TRANSLATE_NOOP("Explanation", "No hypothesis is consistent with the learning data, "
                                              "so there is nothing to vote.")},
        {VSPACE_TEXT_ID(ExplainGenText),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Gen Text writes the version space to the hypothesis file.")},
        {VSPACE_TEXT_ID(ExplainClear),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Clear forgets every example: G and S are as at the start.")},
        {VSPACE_TEXT_ID(ExplainExit),
         VSPACE_TRANSLATE_NOOP("Explanation", "Exit ends the session.")},
        {VSPACE_TEXT_ID(ExplainIgnored),
         VSPACE_TRANSLATE_NOOP(
                 "Explanation",
                 "Negative is greyed until the first positive example: nothing happens.")},
        {VSPACE_TEXT_ID(ExplainHeld),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Negative example %1 comes before the first positive one: the "
                               "program's learner ignores it, as Negative is greyed; the textbook "
                               "learner holds it and learns it right after the first positive "
                               "example.")},
        {VSPACE_TEXT_ID(ExplainHeldLearnt),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Next, the textbook learner learns the negative example it held:")},
        {VSPACE_TEXT_ID(ExplainUndo),
         VSPACE_TRANSLATE_NOOP("Explanation", "Undo takes the last action back.")},
        {VSPACE_TEXT_ID(ExplainRedo),
         VSPACE_TRANSLATE_NOOP("Explanation", "Redo does the action undone again.")},
        {VSPACE_TEXT_ID(ExplainNothingToUndo),
         VSPACE_TRANSLATE_NOOP("Explanation", "There is nothing to undo.")},
        {VSPACE_TEXT_ID(ExplainNothingToRedo),
         VSPACE_TRANSLATE_NOOP("Explanation", "There is nothing to redo.")},
        {VSPACE_TEXT_ID(ListAnd), VSPACE_TRANSLATE_NOOP("Explanation", "%1 and %2")},
        {VSPACE_TEXT_ID(ListMore), VSPACE_TRANSLATE_NOOP("Explanation", "%1 and %2 more")},
        {VSPACE_TEXT_ID(ListRowsLeftOut),
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "… and %1 more rows, not listed here; Gen Text writes them all")},
        {VSPACE_TEXT_ID(CompareTextbookGeneral),
         VSPACE_TRANSLATE_NOOP("Comparison", "The textbook's G also has %1.")},
        {VSPACE_TEXT_ID(CompareProgramGeneral),
         VSPACE_TRANSLATE_NOOP("Comparison", "The program's G also has %1.")},
        {VSPACE_TEXT_ID(CompareTextbookSpace),
         VSPACE_TRANSLATE_NOOP("Comparison", "The textbook's version space also has %1.")},
        {VSPACE_TEXT_ID(CompareProgramSpace),
         VSPACE_TRANSLATE_NOOP("Comparison", "The program's version space also has %1.")},
        {VSPACE_TEXT_ID(CompareContradiction),
         VSPACE_TRANSLATE_NOOP("Comparison", "The program's row %1 contradicts example %2, %3.")},
        {VSPACE_TEXT_ID(CompareVotes),
         VSPACE_TRANSLATE_NOOP(
                 "Comparison",
                 "The textbook's version space votes %1 of %2 for it, the program's %3 of %4.")},
        {VSPACE_TEXT_ID(CompareCollapse),
         VSPACE_TRANSLATE_NOOP("Comparison",
                               "The textbook learner has no consistent hypothesis left; the "
                               "program's learner goes on, and may recover.")},
        {VSPACE_TEXT_ID(CompareSummary),
         VSPACE_TRANSLATE_NOOP(
                 "Comparison",
                 "The two learners differed after %1 of %2 presses; the first was press %3.")},
        {VSPACE_TEXT_ID(CompareAgreed),
         VSPACE_TRANSLATE_NOOP("Comparison", "The two learners agreed after every press.")},
        {VSPACE_TEXT_ID(ReportIntroduction),
         VSPACE_TRANSLATE_NOOP(
                 "Report",
                 "%1 presses. After each: S, the specific boundary; G, the general boundary; the "
                 "version space between them; the example added to the learning data, which is "
                 "listed whole at the end. %2 and %3 rows are marked. The version space is drawn "
                 "after each press that changed it. Each press is explained, and where the "
                 "program's learner and the textbook learner differ, a note says how.")},
        {VSPACE_TEXT_ID(ReportAdded), VSPACE_TRANSLATE_NOOP("Report", "Added")},
        {VSPACE_TEXT_ID(ReportRemoved), VSPACE_TRANSLATE_NOOP("Report", "removed")},
        {VSPACE_TEXT_ID(ReportStart),
         VSPACE_TRANSLATE_NOOP("Report",
                               "At the start, S is %1, G is %2 and the version space is %3.")},
        {VSPACE_TEXT_ID(ReportEmptyList), VSPACE_TRANSLATE_NOOP("Report", "empty")},
        {VSPACE_TEXT_ID(ReportDrawingsLeftOut),
         VSPACE_TRANSLATE_NOOP("Report", "For length, only the last %1 of the %2 drawings are "
                                         "drawn; the earlier ones are left out.")},
        {VSPACE_TEXT_ID(ReportDiagramCaption),
         VSPACE_TRANSLATE_NOOP("Report", "Each hypothesis of S (green), G (yellow) and the version "
                                         "space, joined to those directly more general than it.")},
        {VSPACE_TEXT_ID(ReportLearningDataHeading),
         VSPACE_TRANSLATE_NOOP("Report", "The learning data at the end")},
        {VSPACE_TEXT_ID(ReportPress), VSPACE_TRANSLATE_NOOP("Report", "Press %1: %2")},
        {VSPACE_TEXT_ID(ReportTrainingInstance),
         VSPACE_TRANSLATE_NOOP("Report", "Training instance")},
        {VSPACE_TEXT_ID(ReportUnseenInstance), VSPACE_TRANSLATE_NOOP("Report", "Unseen instance")},
        {VSPACE_TEXT_ID(ReportMessage), VSPACE_TRANSLATE_NOOP("Report", "Message %1")},
        {VSPACE_TEXT_ID(ReportSpecific), VSPACE_TRANSLATE_NOOP("Report", "S (Specific)")},
        {VSPACE_TEXT_ID(ReportGeneral), VSPACE_TRANSLATE_NOOP("Report", "G (General)")},
        {VSPACE_TEXT_ID(ReportVersionSpace), VSPACE_TRANSLATE_NOOP("Report", "Version space")},
        {VSPACE_TEXT_ID(ReportLearningData), VSPACE_TRANSLATE_NOOP("Report", "Learning data")},
        {VSPACE_TEXT_ID(ReportLabel), VSPACE_TRANSLATE_NOOP("Report", "Label")},
        {VSPACE_TEXT_ID(ReportAttributes), VSPACE_TRANSLATE_NOOP("Report", "The attributes: %1.")},
        {VSPACE_TEXT_ID(ReportOneRow), VSPACE_TRANSLATE_NOOP("Report", "(1 row)")},
        {VSPACE_TEXT_ID(ReportRows), VSPACE_TRANSLATE_NOOP("Report", "(%1 rows)")},
        {VSPACE_TEXT_ID(ReportUnchanged), VSPACE_TRANSLATE_NOOP("Report", "(unchanged)")},
        {VSPACE_TEXT_ID(ReportEmpty), VSPACE_TRANSLATE_NOOP("Report", "(empty)")},
        {VSPACE_TEXT_ID(ReportNotLaidOut),
         VSPACE_TRANSLATE_NOOP("Report", "(Graphviz could not lay out the diagram.)")},
        {VSPACE_TEXT_ID(ReportNotDrawn),
         VSPACE_TRANSLATE_NOOP("Report", "(Graphviz could not draw the diagram.)")},
        {VSPACE_TEXT_ID(ReportNoDiagrams),
         VSPACE_TRANSLATE_NOOP("Report", "(This build of vspace-replay draws no diagrams.)")},
        {VSPACE_TEXT_ID(WorksheetTitle), VSPACE_TRANSLATE_NOOP("Report", "vspace worksheet: %1")},
        {VSPACE_TEXT_ID(WorksheetProgramIntroduction),
         VSPACE_TRANSLATE_NOOP("Report",
                               "After each example, write S and G as the program's learner has "
                               "them; after each prediction, the vote. The answer key follows.")},
        {VSPACE_TEXT_ID(WorksheetTextbookIntroduction),
         VSPACE_TRANSLATE_NOOP("Report",
                               "After each example, write S and G as the textbook learner has "
                               "them; after each prediction, the vote. The answer key follows.")},
        {VSPACE_TEXT_ID(WorksheetPredictQuestion),
         VSPACE_TRANSLATE_NOOP("Report", "Positive, negative or undecided?")},
        {VSPACE_TEXT_ID(WorksheetKeyHeading), VSPACE_TRANSLATE_NOOP("Report", "Answer key")},
        {VSPACE_TEXT_ID(GenericName), VSPACE_TRANSLATE_NOOP("Desktop", "Concept Learning Tutor")},
        {VSPACE_TEXT_ID(Comment),
         VSPACE_TRANSLATE_NOOP(
                 "Desktop",
                 "Watch candidate elimination narrow the version space, example by example")},
        {VSPACE_TEXT_ID(Summary),
         VSPACE_TRANSLATE_NOOP("Desktop",
                               "Learn concepts by candidate elimination, one example at a time")},
}};

constexpr bool inOrder()
{
    for (int i = 0; i < kTextCount; ++i) {
        if (static_cast<int>(kCatalog[static_cast<std::size_t>(i)].id) != i)
            return false;
    }
    return true;
}
static_assert(inOrder(), "the catalog lists every text once, in the order of Text");

} // namespace

const CatalogEntry &catalogEntry(Text id)
{
    return kCatalog[static_cast<std::size_t>(id)];
}

std::string_view english(Text id)
{
    return catalogEntry(id).english;
}

std::string format(std::string_view pattern, std::span<const std::string_view> args)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number < args.size()) {
            text += args[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vspace
