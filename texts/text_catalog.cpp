#include "text_catalog.h"

#include <array>

namespace vspace {

namespace {

// Marks a source text for the translation tools, which find the texts by this name.
#define VSPACE_TRANSLATE_NOOP(context, text) context, text
// A text with plural forms: %n is the number that chooses the form.
#define VSPACE_TRANSLATE_N_NOOP(context, text) context, text

constexpr std::array<CatalogEntry, kTextCount> kCatalog{{
        {Text::PositiveCaption, VSPACE_TRANSLATE_NOOP("Window", "Positive")},
        {Text::NegativeCaption, VSPACE_TRANSLATE_NOOP("Window", "Negative")},
        {Text::PredictCaption, VSPACE_TRANSLATE_NOOP("Window", "Predict")},
        {Text::GenTextCaption, VSPACE_TRANSLATE_NOOP("Window", "Gen Text")},
        {Text::ExitCaption, VSPACE_TRANSLATE_NOOP("Window", "&Exit")},
        {Text::ClearCaption, VSPACE_TRANSLATE_NOOP("Window", "&Clear")},
        {Text::UnseenDataFrame, VSPACE_TRANSLATE_NOOP("Window", "Unseen Data")},
        {Text::LearningDataFrame, VSPACE_TRANSLATE_NOOP("Window", "Learning Data")},
        {Text::HypothesisFrame, VSPACE_TRANSLATE_NOOP("Window", "Hypothesis")},
        {Text::VersionSpaceLabel, VSPACE_TRANSLATE_NOOP("Window", "Version Space")},
        {Text::SpecificLabel, VSPACE_TRANSLATE_NOOP("Window", "Specific")},
        {Text::GeneralLabel, VSPACE_TRANSLATE_NOOP("Window", "General")},
        {Text::TrainingValueName, VSPACE_TRANSLATE_NOOP("Accessible name", "Training value %1")},
        {Text::UnseenValueName, VSPACE_TRANSLATE_NOOP("Accessible name", "Unseen value %1")},
        {Text::GeneralListName, VSPACE_TRANSLATE_NOOP("Accessible name", "General")},
        {Text::SpecificListName, VSPACE_TRANSLATE_NOOP("Accessible name", "Specific")},
        {Text::LearningDataListName, VSPACE_TRANSLATE_NOOP("Accessible name", "Learning Data")},
        {Text::VersionSpaceListName, VSPACE_TRANSLATE_NOOP("Accessible name", "Version Space")},
        {Text::DuplicateTitle, VSPACE_TRANSLATE_NOOP("Message", "Data not correct")},
        {Text::DuplicatePrompt, VSPACE_TRANSLATE_NOOP("Message", "Duplicate Data")},
        {Text::CannotLearnTitle, VSPACE_TRANSLATE_NOOP("Message", "Cannot Learn")},
        {Text::GeneralLimitPrompt,
         VSPACE_TRANSLATE_NOOP("Message", "This example was not learnt: the General boundary would "
                                          "need more than %1 rows.")},
        {Text::VersionSpaceLimitPrompt,
         VSPACE_TRANSLATE_NOOP(
                 "Message",
                 "This example was not learnt: the Version Space would need more than %1 rows.")},
        {Text::ExampleLimitPrompt,
         VSPACE_TRANSLATE_NOOP("Message", "This example was not learnt: no more than %1 examples "
                                          "can be learnt. Press Clear to start again.")},
        {Text::CannotPredictTitle, VSPACE_TRANSLATE_NOOP("Message", "Cannot Predict")},
        {Text::NothingLearntPrompt,
         VSPACE_TRANSLATE_NOOP("Message",
                               "Please input Data to Learning Before Predicting Unseen Data")},
        {Text::NoConsistentPrompt,
         VSPACE_TRANSLATE_NOOP("Message", "No hypothesis is consistent with the learning data")},
        {Text::ResultTitle, VSPACE_TRANSLATE_NOOP("Message", "Result")},
        {Text::PositivePrompt,
         VSPACE_TRANSLATE_NOOP("Message", "Your Data is Positive , Result is +")},
        {Text::NegativePrompt,
         VSPACE_TRANSLATE_NOOP("Message", "Your Data is Negative ,Result is -")},
        {Text::UndecidedPrompt,
         VSPACE_TRANSLATE_NOOP("Message", "I can't Predict It ,Result is 0")},
        {Text::TextFileTitle, VSPACE_TRANSLATE_NOOP("Message", "Text File")},
        {Text::ExportedPrompt,
         VSPACE_TRANSLATE_NOOP("Message", "Your TextFile Generate in Desktop is Hypothesis.txt")},
        {Text::ExportFailedPrompt,
         VSPACE_TRANSLATE_NOOP("Message", "The hypothesis file %1 could not be written: %2")},
        {Text::NotAFolderReason, VSPACE_TRANSLATE_NOOP("Export failure", "%1 is not a folder")},
        {Text::FolderNotCreatedReason,
         VSPACE_TRANSLATE_NOOP("Export failure", "the folder %1 could not be created")},
        {Text::FolderInTheWayReason,
         VSPACE_TRANSLATE_NOOP("Export failure", "a folder of that name is in the way")},
        {Text::IncompleteWriteReason,
         VSPACE_TRANSLATE_NOOP("Export failure", "the file could not be written completely")},
        {Text::NotARegularFileReason,
         VSPACE_TRANSLATE_NOOP("Export failure", "%1 is not a regular file")},
        {Text::DanglingLinkReason,
         VSPACE_TRANSLATE_NOOP("Export failure", "%1 is a link to a file that does not exist")},
        {Text::ForeignLinkReason,
         VSPACE_TRANSLATE_NOOP("Export failure",
                               "%1 is another user's link in a folder shared by all users")},
        {Text::NoDesktopReason,
         VSPACE_TRANSLATE_NOOP("Export failure",
                               "the desktop folder is unknown: HOME is not an absolute path")},
        {Text::SystemReason, VSPACE_TRANSLATE_NOOP("Export failure", "%1")},
        {Text::OkButton, VSPACE_TRANSLATE_NOOP("Message", "OK")},
        {Text::DiagramButton, VSPACE_TRANSLATE_NOOP("Page", "Diagram")},
        {Text::DiagramRegion, VSPACE_TRANSLATE_NOOP("Page", "Version space diagram")},
        {Text::OpenSessionButton, VSPACE_TRANSLATE_NOOP("Page", "Open session")},
        {Text::NextPressButton, VSPACE_TRANSLATE_NOOP("Page", "&Next press")},
        {Text::PlayToEndButton, VSPACE_TRANSLATE_NOOP("Page", "Play to end")},
        {Text::MessagesList, VSPACE_TRANSLATE_NOOP("Page", "Messages")},
        {Text::EndedText, VSPACE_TRANSLATE_NOOP("Page", "vspace has ended")},
        {Text::StartAgainButton, VSPACE_TRANSLATE_NOOP("Page", "Start again")},
        {Text::SessionOpened, VSPACE_TRANSLATE_N_NOOP("Page", "Opened %1: %n presses to play.")},
        {Text::SessionRefused, VSPACE_TRANSLATE_NOOP("Page", "%1 was not opened: %2")},
        {Text::StepsHeading, VSPACE_TRANSLATE_NOOP("Page", "Steps")},
        {Text::TextbookSwitch, VSPACE_TRANSLATE_NOOP("Page", "Textbook")},
        {Text::SuggestButton, VSPACE_TRANSLATE_NOOP("Page", "Suggest example")},
        {Text::SuggestedExample,
         VSPACE_TRANSLATE_NOOP("Page", "Suggested %1: %2 of %3 hypotheses accept it.")},
        {Text::NoSuggestion,
         VSPACE_TRANSLATE_NOOP("Page",
                               "No instance made of the values learnt splits the version space.")},
        {Text::DifferenceNote,
         VSPACE_TRANSLATE_NOOP("Page", "The program's learner and the textbook learner differ:")},
        {Text::AddedMark, VSPACE_TRANSLATE_NOOP("Page", "added by the last press")},
        {Text::LegendSpecific, VSPACE_TRANSLATE_NOOP("Page", "S, the specific boundary")},
        {Text::LegendGeneral, VSPACE_TRANSLATE_NOOP("Page", "G, the general boundary")},
        {Text::LegendVersionSpace, VSPACE_TRANSLATE_NOOP("Page", "The version space between them")},
        {Text::DiagramDescription,
         VSPACE_TRANSLATE_NOOP("Page", "S: %1. G: %2. The version space: %3.")},
        {Text::UndoButton, VSPACE_TRANSLATE_NOOP("Page", "Undo")},
        {Text::RedoButton, VSPACE_TRANSLATE_NOOP("Page", "Redo")},
        {Text::StopButton, VSPACE_TRANSLATE_NOOP("Page", "Stop")},
        {Text::PlayingProgress, VSPACE_TRANSLATE_NOOP("Page", "Playing the session")},
        {Text::PressesPlayed, VSPACE_TRANSLATE_N_NOOP("Page", "%1 of %n presses played")},
        {Text::OpenOverWork,
         VSPACE_TRANSLATE_N_NOOP(
                 "Page", "Open %1? The %n examples learnt are set aside; Undo brings them back.")},
        {Text::OpenButton, VSPACE_TRANSLATE_NOOP("Page", "Open")},
        {Text::CancelButton, VSPACE_TRANSLATE_NOOP("Page", "Cancel")},
        {Text::NoPressesReason, VSPACE_TRANSLATE_NOOP("Page", "the file holds no presses")},
        {Text::MessageLine, VSPACE_TRANSLATE_NOOP("Page", "line %1: %2")},
        {Text::ExampleNotLoadedReason,
         VSPACE_TRANSLATE_NOOP("Page", "the example could not be loaded")},
        {Text::OutOfMemoryReason,
         VSPACE_TRANSLATE_NOOP(
                 "Page", "the page ran out of memory: the rest of the session was not played")},
        {Text::PresentButton, VSPACE_TRANSLATE_NOOP("Page", "Present")},
        {Text::ExamplesMenu, VSPACE_TRANSLATE_NOOP("Page", "Examples")},
        {Text::AttributesButton, VSPACE_TRANSLATE_NOOP("Page", "Attributes…")},
        {Text::AttributesTitle, VSPACE_TRANSLATE_NOOP("Page", "Attributes")},
        {Text::AttributesPrompt,
         VSPACE_TRANSLATE_NOOP("Page",
                               "Name the six attributes; this browser keeps the names. Empty "
                               "fields leave the attributes unnamed.")},
        {Text::AttributeName, VSPACE_TRANSLATE_NOOP("Page", "Attribute %1")},
        {Text::TrainingValueNamed, VSPACE_TRANSLATE_NOOP("Page", "Training value %1: %2")},
        {Text::UnseenValueNamed, VSPACE_TRANSLATE_NOOP("Page", "Unseen value %1: %2")},
        {Text::LegendAttributes, VSPACE_TRANSLATE_NOOP("Page", "Attributes: %1")},
        {Text::ExplainPositive, VSPACE_TRANSLATE_NOOP("Explanation", "Positive example %1.")},
        {Text::ExplainNegative, VSPACE_TRANSLATE_NOOP("Explanation", "Negative example %1.")},
        {Text::ExplainLosesRejecting,
         VSPACE_TRANSLATE_NOOP("Explanation", "G loses what rejects it: %1.")},
        {Text::ExplainLosesAccepting,
         VSPACE_TRANSLATE_NOOP("Explanation", "G loses what accepts it: %1.")},
        {Text::ExplainLosesLessGeneral,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "G loses what another of its rows is more general than: %1.")},
        {Text::ExplainGainsAtAttribute,
         VSPACE_TRANSLATE_NOOP("Explanation", "S rules it out at attribute %1, so G gains %2.")},
        {Text::ExplainGainsAtAttributes,
         VSPACE_TRANSLATE_NOOP("Explanation", "S rules it out at attributes %1, so G gains %2.")},
        {Text::ExplainSpecificUnchanged, VSPACE_TRANSLATE_NOOP("Explanation", "S is unchanged.")},
        {Text::ExplainSpecificReplaced,
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes the example.")},
        {Text::ExplainSpecificAttribute,
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes %1: attribute %2 no longer matters.")},
        {Text::ExplainSpecificAttributes,
         VSPACE_TRANSLATE_NOOP("Explanation", "S becomes %1: attributes %2 no longer matter.")},
        {Text::ExplainNoVersionSpace,
         VSPACE_TRANSLATE_NOOP("Explanation", "There is no version space yet.")},
        {Text::ExplainVersionSpaceOne,
         VSPACE_TRANSLATE_NOOP("Explanation", "The version space has one row.")},
        {Text::ExplainVersionSpaceRows,
         VSPACE_TRANSLATE_NOOP("Explanation", "The version space has %1 rows.")},
        {Text::ExplainGeneralEmpty,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "G is empty: no hypothesis is consistent with the learning data.")},
        {Text::ExplainCollapse,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "No hypothesis is consistent with the learning data any more: G, S "
                               "and the version space stay empty until Clear.")},
        {Text::ExplainCollapsed,
         VSPACE_TRANSLATE_NOOP("Explanation", "No hypothesis is consistent with the learning data: "
                                              "the example changes nothing until Clear.")},
        {Text::ExplainDuplicate,
         VSPACE_TRANSLATE_NOOP("Explanation", "Example %1 repeats example %2: nothing changes.")},
        {Text::ExplainGeneralLimit,
         VSPACE_TRANSLATE_NOOP("Explanation", "Not learnt: G would need %1 rows, more than %2.")},
        {Text::ExplainVersionSpaceLimit,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Not learnt: the version space would need %1 rows, more than %2.")},
        {Text::ExplainExampleLimit,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Not learnt: no more than %1 examples can be learnt.")},
        {Text::ExplainVotePositive,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "%1 of %2 hypotheses accept it, so the answer is positive.")},
        {Text::ExplainVoteNegative,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "%1 of %2 hypotheses accept it, so the answer is negative.")},
        {Text::ExplainVoteUndecided,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "%1 of %2 hypotheses accept it, so the answer is undecided.")},
        {Text::ExplainVoteOneAccepts,
         VSPACE_TRANSLATE_NOOP(
                 "Explanation",
                 "The version space's one row accepts it, so the answer is positive.")},
        {Text::ExplainVoteOneRejects,
         VSPACE_TRANSLATE_NOOP(
                 "Explanation",
                 "The version space's one row rejects it, so the answer is negative.")},
        {Text::ExplainNoVote,
         VSPACE_TRANSLATE_NOOP("Explanation", "There is no version space to vote yet.")},
        {Text::ExplainNothingConsistent,
         VSPACE_TRANSLATE_NOOP("Explanation", "No hypothesis is consistent with the learning data, "
                                              "so there is nothing to vote.")},
        {Text::ExplainGenText,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Gen Text writes the version space to the hypothesis file.")},
        {Text::ExplainClear,
         VSPACE_TRANSLATE_NOOP("Explanation",
                               "Clear forgets every example: G and S are as at the start.")},
        {Text::ExplainExit, VSPACE_TRANSLATE_NOOP("Explanation", "Exit ends the session.")},
        {Text::ExplainIgnored,
         VSPACE_TRANSLATE_NOOP(
                 "Explanation",
                 "Negative is greyed until the first positive example: nothing happens.")},
        {Text::ExplainUndo,
         VSPACE_TRANSLATE_NOOP("Explanation", "Undo takes the last action back.")},
        {Text::ExplainRedo,
         VSPACE_TRANSLATE_NOOP("Explanation", "Redo does the action undone again.")},
        {Text::ExplainNothingToUndo,
         VSPACE_TRANSLATE_NOOP("Explanation", "There is nothing to undo.")},
        {Text::ExplainNothingToRedo,
         VSPACE_TRANSLATE_NOOP("Explanation", "There is nothing to redo.")},
        {Text::ListAnd, VSPACE_TRANSLATE_NOOP("Explanation", "%1 and %2")},
        {Text::ListMore, VSPACE_TRANSLATE_NOOP("Explanation", "%1 and %2 more")},
        {Text::CompareTextbookGeneral,
         VSPACE_TRANSLATE_NOOP("Comparison", "The textbook's G also has %1.")},
        {Text::CompareProgramGeneral,
         VSPACE_TRANSLATE_NOOP("Comparison", "The program's G also has %1.")},
        {Text::CompareTextbookSpace,
         VSPACE_TRANSLATE_NOOP("Comparison", "The textbook's version space also has %1.")},
        {Text::CompareProgramSpace,
         VSPACE_TRANSLATE_NOOP("Comparison", "The program's version space also has %1.")},
        {Text::CompareContradiction,
         VSPACE_TRANSLATE_NOOP("Comparison", "The program's row %1 contradicts example %2, %3.")},
        {Text::CompareVotes,
         VSPACE_TRANSLATE_NOOP(
                 "Comparison",
                 "The textbook's version space votes %1 of %2 for it, the program's %3 of %4.")},
        {Text::CompareCollapse,
         VSPACE_TRANSLATE_NOOP("Comparison",
                               "The textbook learner has no consistent hypothesis left; the "
                               "program's learner goes on, and may recover.")},
        {Text::CompareSummary,
         VSPACE_TRANSLATE_NOOP(
                 "Comparison",
                 "The two learners differed after %1 of %2 presses; the first was press %3.")},
        {Text::CompareAgreed,
         VSPACE_TRANSLATE_NOOP("Comparison", "The two learners agreed after every press.")},
        {Text::GenericName, VSPACE_TRANSLATE_NOOP("Desktop", "Concept Learning Tutor")},
        {Text::Comment,
         VSPACE_TRANSLATE_NOOP(
                 "Desktop",
                 "Watch candidate elimination narrow the version space, example by example")},
        {Text::Summary,
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
