#pragma once

#include "examples.h"
#include "rows.h"
#include "step.h"

#include <array>
#include <optional>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

namespace vspace {

// The textbook's value of the empty hypothesis at every attribute: no value is acceptable.
inline constexpr std::string_view kEmptyHypothesisValue = "\u2205";

// The textbook's candidate elimination, beside the program's learner: hypotheses are conjunctions
// of values and "?", with the same acceptance test and the same rule for duplicates. It has no
// limit of 30 rows: every hypothesis of its version space lies between S and G, so neither holds
// more than 2^n at n attributes.

// Everything the textbook learner knows. Copying it costs in proportion to its tables.
struct TextbookState
{
    Rows general;                // G: its maximally general hypotheses
    std::optional<Row> specific; // S: none before the first positive example, and after a collapse
    Rows versionSpace;           // every hypothesis between S and a member of G
    bool collapsed = false;      // no hypothesis is consistent with the examples: until Clear
    ExampleLog examples;
    std::size_t width;     // the attributes of its instances
    std::vector<Row> held; // negative examples before the first positive one, learnt after it

    // The initial state for instances of `width` attributes: G the all-"?" hypothesis, no S, no
    // version space.
    explicit TextbookState(std::size_t width);
    TextbookState()
        : TextbookState(kAttributeCount)
    {}
    // S as the lists show it: the empty hypothesis as the textbook writes it, "∅" at every
    // attribute, before the first positive example; none after a collapse.
    Rows specificRows() const;
};

// A step taken: the state after it, and what changed.
struct TextbookStep
{
    TextbookState state;
    StepRecord record;
};

// Learns `instance` as a positive or negative example. A negative example before the first
// positive one is held, not learnt (S, the empty hypothesis, says nothing of which values
// specialise G), and learnt right after the first positive example, outside the learning data;
// that step's record lists them learnt. A positive example drops the members of G
// that reject it and generalises S minimally (the first one becomes S); a negative example
// replaces each member of G that accepts it by its minimal specialisations still more general
// than S, then drops repeats and every member less general than another. A positive example that
// every member of G rejects, or a negative one that S accepts, leaves no consistent hypothesis: G,
// S and the version space are empty, and later examples change nothing until Clear. Refuses only
// a duplicate of an example learnt.
std::variant<TextbookStep, Refusal> trainTextbook(const TextbookState &state, Row instance,
                                                  bool positive);

// The unanimous vote of the whole version space; nothing to vote with before the first positive
// example, or after a collapse.
Prediction predictTextbook(const TextbookState &state, const Row &instance);

// The values learnt at each attribute, in the order first learnt, kept up to date from the examples
// of each state of a session in time proportional to the examples learnt since, or undone.
class LearntValues
{
public:
    using Values = std::vector<std::vector<Value>>; // by attribute
    const Values &of(const ExampleLog &log);

private:
    ExampleLog m_log;
    Values m_values;
    std::vector<std::unordered_set<Value, ValueHash, ValueEqual>> m_known; // m_values, to look up
    std::vector<std::vector<std::size_t>> m_firstLearnt;                   // by whose example
};

// The instance whose label would halve the version space as nearly as possible, made of the values
// learnt at each attribute (`values`) and never an instance learnt, with how many hypotheses accept
// it; or nothing while no such instance splits the version space.
struct Suggestion
{
    Row instance;
    std::size_t accepting = 0, voting = 0;
};
std::optional<Suggestion> suggestExample(const TextbookState &state,
                                         const LearntValues::Values &values);
// Whether suggestExample() has an instance to suggest, told without looking for the best: as soon
// as two hypotheses are seen to disagree on some instance of the values learnt.
bool canSuggestExample(const TextbookState &state, const LearntValues::Values &values);

} // namespace vspace
