#include "invariants.h"
#include "test_session.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>

namespace vspace::testing {
namespace {

enum class Labels { Concept, Noisy, Random };

struct Totals
{
    int sessions = 0;
    int presses = 0;
    int refused = 0;
    int collapsed = 0; // sessions whose G emptied
    int withSpace = 0; // presses after which the version space was not empty
};

Totals &totals()
{
    static Totals t;
    return t;
}

// Values drawn from two or three per attribute, some of them awkward on purpose.
const std::vector<std::vector<std::string>> kValues{
    {"Sunny", "Rainy", "sunny"}, {"Warm", "Cold"}, {"Normal", "High", ""},
    {"Strong", "Weak", "?"},     {"0", "1", "a,b"}, {"Same", "Change"}};

class Sessions : public ::testing::TestWithParam<Labels>
{};

TEST_P(Sessions, InvariantsHoldAfterEveryPress)
{
    const Labels labels = GetParam();
    for (unsigned seed = 0; seed < 700; ++seed) {
        std::mt19937 random(seed * 3 + static_cast<unsigned>(labels));
        auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        // The hidden concept: a value or "?" per attribute.
        Row hidden;
        for (std::size_t a = 0; a < 6; ++a)
            hidden[a] = pick(3) == 0 ? kValues[a][pick(kValues[a].size())] : "?";
        auto draw = [&] {
            Row x;
            for (std::size_t a = 0; a < 6; ++a)
                x[a] = kValues[a][pick(kValues[a].size())];
            return x;
        };
        auto labelOf = [&](const Row &x) {
            bool positive = accepts(hidden, x);
            if (labels == Labels::Noisy && pick(5) == 0)
                positive = !positive;
            if (labels == Labels::Random)
                positive = pick(2) == 0;
            return positive;
        };

        TestSession s;
        InvariantChecker checker;
        auto press = [&](ButtonId button) {
            checker.beforePress(s.engine, s.controls, button);
            switch (button) {
            case ButtonId::Command1: s.engine.Command1_Click(); break;
            case ButtonId::Command2: s.engine.Command2_Click(); break;
            case ButtonId::Command3: s.engine.Command3_Click(); break;
            case ButtonId::Command6: s.engine.Command6_Click(); break;
            default: break;
            }
            return checker.afterPress(s.engine, s.controls, button);
        };

        bool collapsed = false;
        const int length = 20 + static_cast<int>(pick(100));
        for (int step = 0; step < length; ++step) {
            std::string broken;
            const std::size_t what = pick(20);
            if (what == 0) {
                broken = press(ButtonId::Command6);
            } else if (what <= 2 && !checker.positives().empty()) {
                // A learnt positive is predicted positive whenever there is a version space.
                const Row &x = checker.positives()[pick(checker.positives().size())];
                s.type(x, FieldArray::Text2);
                const bool space = s.controls.count(ListId::List4) != 0;
                broken = press(ButtonId::Command3);
                if (broken.empty() && space
                    && s.controls.messages().back().text != "Your Data is Positive , Result is +")
                    broken = "a learnt positive example is not predicted positive";
            } else {
                const Row x = what == 3 && !checker.positives().empty()
                                  ? checker.positives().back() // a duplicate on purpose
                                  : draw();
                s.type(x);
                const bool positive = !s.controls.enabled(ButtonId::Command2) || labelOf(x);
                broken = press(positive ? ButtonId::Command1 : ButtonId::Command2);
            }
            ASSERT_EQ(broken, "") << "seed " << seed << ", press " << step + 1;
            collapsed = collapsed || s.engine.state().general_count == 0;
            totals().withSpace += s.controls.count(ListId::List4) != 0;
        }
        for (const MemoryControls::Message &m : s.controls.messages())
            totals().refused += m.title == "Cannot Learn";
        totals().sessions += 1;
        totals().presses += checker.presses();
        totals().collapsed += collapsed;
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, Sessions,
                         ::testing::Values(Labels::Concept, Labels::Noisy, Labels::Random),
                         [](const auto &info) {
                             return std::string(info.param == Labels::Concept ? "HiddenConcept"
                                                : info.param == Labels::Noisy ? "NoisyLabels"
                                                                              : "RandomLabels");
                         });

class Report : public ::testing::Environment
{
public:
    void TearDown() override
    {
        std::cout << "property sessions: " << totals().sessions << ", presses: " << totals().presses
                  << ", refused by a limit: " << totals().refused
                  << ", presses leaving a version space: " << totals().withSpace
                  << ", sessions whose G emptied: " << totals().collapsed << '\n';
    }
};

const auto *const kReport = ::testing::AddGlobalTestEnvironment(new Report);

} // namespace
} // namespace vspace::testing
