#include "exercise.h"

#include "learner.h"
#include "textbook.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <set>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace vspace {

namespace {

// The attributes a table may have, each with the values it may take, the first ones first.
struct AttributeWords
{
    std::string_view name;
    std::array<std::string_view, 8> values;
};

constexpr std::array<AttributeWords, ExerciseRequest::kMaxAttributes> kWords{{
        {"Sky", {"Sunny", "Rainy", "Cloudy", "Foggy", "Snowy", "Stormy", "Hazy", "Clear"}},
        {"Temp", {"Warm", "Cold", "Mild", "Hot", "Cool", "Icy", "Balmy", "Chilly"}},
        {"Humidity", {"Normal", "High", "Low", "Damp", "Dry", "Muggy", "Moist", "Arid"}},
        {"Wind", {"Strong", "Weak", "Calm", "Gusty", "Breezy", "Still", "Gale", "Light"}},
        {"Water", {"Warm", "Cool", "Cold", "Tepid", "Hot", "Icy", "Mild", "Fresh"}},
        {"Forecast", {"Same", "Change", "Better", "Worse", "Mixed", "Fair", "Poor", "Fine"}},
        {"Colour", {"Red", "Blue", "Green", "Black", "White", "Grey", "Brown", "Pink"}},
        {"Shape", {"Round", "Square", "Oval", "Star", "Heart", "Cross", "Ring", "Arrow"}},
        {"Size", {"Small", "Large", "Medium", "Tiny", "Huge", "Slim", "Wide", "Tall"}},
        {"Texture", {"Smooth", "Rough", "Soft", "Hard", "Bumpy", "Silky", "Grainy", "Sticky"}},
        {"Weight", {"Light", "Heavy", "Medium", "Feather", "Solid", "Dense", "Hollow", "Bulky"}},
        {"Sound", {"Loud", "Quiet", "Shrill", "Deep", "Soft", "Harsh", "Sweet", "Dull"}},
        {"Speed", {"Fast", "Slow", "Steady", "Quick", "Lazy", "Brisk", "Rapid", "Idle"}},
        {"Taste", {"Sweet", "Sour", "Salty", "Bitter", "Spicy", "Bland", "Tangy", "Rich"}},
        {"Age", {"Young", "Old", "New", "Aged", "Fresh", "Worn", "Ripe", "Stale"}},
        {"Price", {"Cheap", "Dear", "Fair", "Low", "High", "Free", "Steep", "Even"}},
}};

// The table's examples: values by their number at each attribute.
using Instance = std::vector<std::uint8_t>;
struct Drawn
{
    Instance values;
    bool positive;
};

// Draws from the generator itself, so that every build gives the same numbers: a number below
// `bound`.
class Draw
{
public:
    explicit Draw(std::uint32_t seed)
        : m_engine(seed)
    {}
    std::size_t below(std::size_t bound) { return m_engine() % bound; }
    template<typename T>
    void shuffle(std::vector<T> &items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(i)]);
    }

private:
    std::mt19937 m_engine;
};

// The roles of the attributes: the target concept's (each needs its value), the ones all
// positive examples share but no negative example tells apart (the version space keeps them
// undecided), and the free ones, which the positive examples vary.
struct Roles
{
    std::vector<std::size_t> target, shared, free;
    Instance targetValues; // the target's and the shared attributes' values; the free ones unused
    std::vector<std::size_t> sizes; // the values each attribute takes
};

Roles rolesFor(Draw &draw, const ExerciseRequest &request)
{
    const std::size_t n = request.attributes;
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    draw.shuffle(order);
    // Each target attribute after the first needs a negative example of its own.
    const std::size_t targets = 1
                                + draw.below(
                                        std::min<std::size_t>({3, n - 2, request.examples - 3}));
    const std::size_t shared = 1 + draw.below(std::min<std::size_t>(3, n - targets - 1));
    Roles roles;
    roles.target.assign(order.begin(), order.begin() + targets);
    roles.shared.assign(order.begin() + targets, order.begin() + targets + shared);
    roles.free.assign(order.begin() + targets + shared, order.end());
    std::sort(roles.target.begin(), roles.target.end());
    std::sort(roles.shared.begin(), roles.shared.end());
    std::sort(roles.free.begin(), roles.free.end());
    // Two or three values each, more where the examples need room to differ.
    roles.sizes.resize(n);
    for (std::size_t &size : roles.sizes)
        size = 2 + draw.below(2);
    // Room for new positive examples, two in five, and for the negative ones.
    const auto room = [&] {
        double positives = 1, all = 1;
        for (const std::size_t a : roles.free)
            positives *= static_cast<double>(roles.sizes[a]);
        for (const std::size_t size : roles.sizes)
            all *= static_cast<double>(size);
        const auto examples = static_cast<double>(request.examples);
        return positives >= examples * 0.4 + 2 && all - positives >= examples;
    };
    while (!room() && roles.sizes[0] < kWords[0].values.size()) {
        for (std::size_t &size : roles.sizes)
            size = std::min(size + 1, kWords[0].values.size());
    }
    roles.targetValues.resize(n);
    for (std::size_t a = 0; a < n; ++a)
        roles.targetValues[a] = static_cast<std::uint8_t>(draw.below(roles.sizes[a]));
    return roles;
}

// A value at attribute `a` other than `not`.
std::uint8_t otherValue(Draw &draw, const Roles &roles, std::size_t a, std::uint8_t value)
{
    return static_cast<std::uint8_t>((value + 1 + draw.below(roles.sizes[a] - 1)) % roles.sizes[a]);
}

// The examples of one draw, in order; empty when the draw ran out of new instances.
std::vector<Drawn> drawExamples(Draw &draw, const Roles &roles, const ExerciseRequest &request)
{
    const std::size_t n = request.attributes;
    std::set<Instance> used;
    std::vector<Drawn> examples;
    const auto add = [&](Instance values, bool positive) {
        if (!used.insert(values).second)
            return false;
        examples.push_back({std::move(values), positive});
        return true;
    };
    const auto positive = [&] {
        Instance x = roles.targetValues;
        for (const std::size_t a : roles.free)
            x[a] = static_cast<std::uint8_t>(draw.below(roles.sizes[a]));
        return x;
    };
    // A positive example; a negative one that differs from it at a free attribute and at the
    // first target attribute alone, which splits G; a positive one that differs from the first
    // at every free attribute, which generalises S and drops G's row at the free attribute.
    const Instance first = positive();
    add(first, true);
    Instance split = first;
    const std::size_t freeSplit = roles.free[draw.below(roles.free.size())];
    split[freeSplit] = otherValue(draw, roles, freeSplit, first[freeSplit]);
    split[roles.target[0]] = otherValue(draw, roles, roles.target[0], first[roles.target[0]]);
    add(split, false);
    Instance second = first;
    for (const std::size_t a : roles.free)
        second[a] = otherValue(draw, roles, a, first[a]);
    add(second, true);
    // Then, in an order drawn: for each other target attribute a negative example that misses the
    // concept there alone, so that G ends as the concept; positive and negative examples drawn.
    std::vector<Drawn> rest;
    const auto fresh = [&](const auto &drawn, bool positive) {
        for (int tries = 0; tries < 64; ++tries) {
            Instance x = drawn();
            if (used.insert(x).second)
                return rest.push_back({std::move(x), positive}), true;
        }
        return false;
    };
    // A positive example but for target attribute `a`, which misses the concept there alone.
    const auto missingAt = [&](std::size_t a) {
        return [&, a] {
            Instance miss = positive();
            miss[a] = otherValue(draw, roles, a, roles.targetValues[a]);
            return miss;
        };
    };
    for (std::size_t t = 1; t < roles.target.size(); ++t)
        fresh(missingAt(roles.target[t]), false);
    const auto negative = [&] {
        Instance x(n);
        for (std::size_t a = 0; a < n; ++a)
            x[a] = static_cast<std::uint8_t>(draw.below(roles.sizes[a]));
        const std::size_t t = roles.target[draw.below(roles.target.size())];
        if (x[t] == roles.targetValues[t])
            x[t] = otherValue(draw, roles, t, x[t]);
        return x;
    };
    const std::size_t last = request.examples - (request.collapse ? 1 : 0);
    for (std::size_t tries = 0; examples.size() + rest.size() < last && tries < 8 * last; ++tries) {
        // Two in five positive, while there are new ones to draw.
        if (draw.below(5) >= 2 || !fresh(positive, true))
            fresh(negative, false);
    }
    draw.shuffle(rest);
    // Asked for: last, a positive example outside the concept, which G cannot cover.
    if (request.collapse)
        fresh(missingAt(roles.target[0]), true);
    examples.insert(examples.end(), rest.begin(), rest.end());
    if (examples.size() != request.examples)
        examples.clear();
    return examples;
}

Row rowOf(const Instance &values)
{
    Row row(values.size());
    for (std::size_t a = 0; a < values.size(); ++a)
        row[a] = Value(kWords[a].values[values[a]]);
    return row;
}

// Whether the examples teach what the table promises, learnt by both learners.
bool teaches(const std::vector<Drawn> &examples, const ExerciseRequest &request)
{
    LearningState program(request.attributes);
    TextbookState textbook(request.attributes);
    bool generalised = false, split = false, dropped = false;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const Row x = rowOf(examples[i].values);
        auto learnt = train(program, x, examples[i].positive);
        auto learntTextbook = trainTextbook(textbook, x, examples[i].positive);
        if (!std::holds_alternative<Step>(learnt)
            || !std::holds_alternative<TextbookStep>(learntTextbook))
            return false;
        program = std::move(std::get<Step>(learnt).state);
        TextbookStep &step = std::get<TextbookStep>(learntTextbook);
        const bool last = i + 1 == examples.size();
        if (step.record.collapsed != (request.collapse && last))
            return false;
        generalised = generalised || (i > 0 && !step.record.specific.generalised.empty());
        dropped = dropped || (split && examples[i].positive && !step.record.dropped.empty());
        split = split || step.state.general.size() > 1;
        textbook = std::move(step.state);
    }
    const std::size_t space = textbook.versionSpace.size();
    return generalised && dropped && (request.collapse || (space >= 2 && space <= 10));
}

} // namespace

std::string exerciseTable(const ExerciseRequest &request)
{
    Draw draw(static_cast<std::uint32_t>(request.seed));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Roles roles = rolesFor(draw, request);
        const std::vector<Drawn> examples = drawExamples(draw, roles, request);
        if (examples.empty() || !teaches(examples, request))
            continue;
        std::string csv;
        for (std::size_t a = 0; a < request.attributes; ++a)
            csv.append(kWords[a].name).append(",");
        csv += "Label\n";
        for (const Drawn &example : examples) {
            for (std::size_t a = 0; a < request.attributes; ++a)
                csv.append(kWords[a].values[example.values[a]]).append(",");
            csv += example.positive ? "yes\n" : "no\n";
        }
        return csv;
    }
    throw std::runtime_error("no exercise table teaches what it should at these counts");
}

} // namespace vspace
