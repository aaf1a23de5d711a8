#include "text_catalog.h"

#include <array>

namespace vspace {

namespace {

// Marks a source text for the translation tools, which find the texts by this name.
#define VSPACE_TRANSLATE_NOOP(context, text) context, text

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
                                          "need more than 30 rows.")},
        {Text::VersionSpaceLimitPrompt,
         VSPACE_TRANSLATE_NOOP(
                 "Message",
                 "This example was not learnt: the Version Space would need more than 30 rows.")},
        {Text::ExampleLimitPrompt,
         VSPACE_TRANSLATE_NOOP("Message",
                               "This example was not learnt: no more than 32766 examples "
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
        {Text::NextPressButton, VSPACE_TRANSLATE_NOOP("Page", "Next press")},
        {Text::PlayToEndButton, VSPACE_TRANSLATE_NOOP("Page", "Play to end")},
        {Text::MessagesList, VSPACE_TRANSLATE_NOOP("Page", "Messages")},
        {Text::EndedText, VSPACE_TRANSLATE_NOOP("Page", "vspace has ended")},
        {Text::StartAgainButton, VSPACE_TRANSLATE_NOOP("Page", "Start again")},
        {Text::SessionOpened, VSPACE_TRANSLATE_NOOP("Page", "Opened %1: %2 presses to play.")},
        {Text::SessionRefused, VSPACE_TRANSLATE_NOOP("Page", "%1 was not opened: %2")},
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
