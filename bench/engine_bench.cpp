// Training-step and replay throughput. Run: build/bench/engine_bench

#include "bench_session.h"
#include "export_file.h"
#include "jsonl_reader.h"
#include "lesson_report.h"
#include "page.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <sstream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vspace::testing {
namespace {

// G: the thirty rows holding one to four of the values A to E of S = A,B,C,D,E,?; the version
// space: the 26 rows one step from them towards S. Every positive example A,B,C,D,E,<any> keeps
// both as they are, so the state stays the worst case from one step to the next.
void setWorstCase(TestSession &s)
{
    const Row specific{"A", "B", "C", "D", "E", "?"};
    std::vector<Row> g;
    for (unsigned mask = 1; mask < 31; ++mask)
        g.push_back(subsetRow(mask, specific));
    s.setBoundaries(specific, g, 2);
    s.press(Button::Positive, {"A", "B", "C", "D", "E", "first"}); // enumerates the version space
}

void BM_TrainingStepWorstCase(benchmark::State &state)
{
    std::optional<TestSession> s;
    long n = 0;
    for (auto _ : state) {
        if (n % 30000 == 0) {
            state.PauseTiming();
            s.emplace();
            setWorstCase(*s);
            state.ResumeTiming();
        }
        s->press(Button::Positive, {"A", "B", "C", "D", "E", std::to_string(n++)});
    }
    if (s->form.state().general.size() != 30 || s->form.state().versionSpace.size() != 26)
        state.SkipWithError("the state left the worst case");
}
BENCHMARK(BM_TrainingStepWorstCase);

// A negative example that takes G from 29 rows to 30, on a fresh state every time.
void BM_NegativeStepToThirtyRows(benchmark::State &state)
{
    const Row specific{"A", "B", "C", "D", "E", "F"};
    const std::vector<Row> g = twentyNineRows(specific);
    std::optional<TestSession> s;
    for (auto _ : state) {
        state.PauseTiming();
        s.emplace();
        s->setBoundaries(specific, g, 10);
        s->type({"z", "z", "z", "z", "z", "F"});
        state.ResumeTiming();
        s->form.press(Button::Negative);
    }
    if (s->form.state().general.size() != 30)
        state.SkipWithError("G did not reach 30 rows");
}
BENCHMARK(BM_NegativeStepToThirtyRows);

// The four EnjoySport examples, then Clear; time is per training step (Clear included).
void BM_TrainingStepEnjoySport(benchmark::State &state)
{
    TestSession s;
    const Values examples[4] = {{"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"},
                                {"Sunny", "Warm", "High", "Strong", "Warm", "Same"},
                                {"Rainy", "Cold", "High", "Strong", "Warm", "Change"},
                                {"Sunny", "Warm", "High", "Strong", "Cool", "Change"}};
    for (auto _ : state) {
        s.press(Button::Positive, examples[0]);
        s.press(Button::Positive, examples[1]);
        s.press(Button::Negative, examples[2]);
        s.press(Button::Positive, examples[3]);
        s.form.press(Button::Clear);
    }
    state.SetItemsProcessed(state.iterations() * 4);
    state.counters["us_per_step"] = benchmark::Counter(static_cast<double>(state.iterations()) * 4
                                                               * 1e-6,
                                                       benchmark::Counter::kIsRate
                                                               | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TrainingStepEnjoySport);

// Short teaching runs of 49 presses and a Clear, drawn from a hidden conjunctive concept.
std::string teachingSession(int presses)
{
    std::string session;
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    const char *values[6][3] = {{"Sunny", "Cloudy", "Rainy"}, {"Warm", "Cold", "Mild"},
                                {"Normal", "High", "Low"},    {"Strong", "Weak", "Calm"},
                                {"Warm", "Cool", "Hot"},      {"Same", "Change", "Other"}};
    for (int press = 0; press < presses; ++press) {
        if (press % 50 == 49) {
            session += "{\"press\":\"Clear\"}\n";
            continue;
        }
        std::string fields;
        bool positive = true;
        for (int a = 0; a < 6; ++a) {
            const unsigned v = next() % 3;
            if ((a == 0 || a == 1) && v != 0)
                positive = false;
            fields += std::string(a ? "," : "") + "\"" + values[a][v] + "\"";
        }
        const bool first = press % 50 == 0;
        if (first) { // every run starts with a positive example
            fields = "\"Sunny\",\"Warm\",\"Normal\",\"Strong\",\"Warm\",\"Same\"";
            positive = true;
        }
        const bool predict = !first && next() % 5 == 0;
        session += std::string("{\"") + (predict ? "Text2" : "Text1") + "\":[" + fields
                   + "],\"press\":\""
                   + (predict    ? "Predict"
                      : positive ? "Positive"
                                 : "Negative")
                   + "\"}\n";
    }
    return session;
}

void BM_ReplaySession(benchmark::State &state)
{
    const int presses = static_cast<int>(state.range(0));
    const std::string session = teachingSession(presses);
    NoFile file;
    for (auto _ : state) {
        TextInput in(session);
        std::ostringstream out;
        std::ostringstream err;
        ReplaySession session(file);
        if (runJsonLines(in, out, err, session) != 0)
            state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.counters["presses_per_second"] = benchmark::Counter(static_cast<double>(state.iterations())
                                                                      * presses,
                                                              benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReplaySession)->Arg(10000)->Unit(benchmark::kMillisecond);

// Play to end of a 10,000-row table on the page, its lists drawn once at the end, as page.js
// plays it: slices of 40 ms, the last 50 presses explained in the Steps.
void BM_PagePlayToEnd(benchmark::State &state)
{
    std::string table = "Sunny,Warm,Normal,Strong,Warm,Same,+\n";
    for (int i = 1; i < 10000; ++i)
        table += "v" + std::to_string(i) + ",w" + std::to_string(i % 5)
                 + ",Normal,Strong,Warm,Same," + (i % 3 ? "+\n" : "-\n");
    for (auto _ : state) {
        Page page({}); // in English
        page.open(table, true);
        page.startSession({});
        std::size_t bytes = 0;
        for (int slice = 0; slice < 100000; ++slice) {
            const std::string update = page.play({}, 40, 50);
            bytes += update.size();
            if (update.find("\"left\":false") != std::string::npos)
                break;
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_PagePlayToEnd)->Unit(benchmark::kMillisecond);

// A press at 16 attributes with the textbook learner shown: the first positive example gives it
// a version space of 65,536 hypotheses, whose first 10,000 rows the list draws; then undone.
void BM_PagePressSixteenAttributes(benchmark::State &state)
{
    AttributeNames names;
    PageFields fields;
    for (int a = 1; a <= 16; ++a) {
        names.push_back("a" + std::to_string(a));
        fields.texts.push_back("a" + std::to_string(a) + "x");
    }
    fields.texts.resize(32);
    Page page({}, names);
    page.showLearner(Learner::Textbook);
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.press(Button::Positive, fields).size());
        state.PauseTiming();
        page.undo(fields);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PagePressSixteenAttributes)->Unit(benchmark::kMillisecond);

// Suggest example at 16 attributes, the textbook learner shown, over a version space of 32,768
// hypotheses: the first positive example, then negatives differing at the first attribute and
// at the first and third.
void BM_PageSuggestSixteenAttributes(benchmark::State &state)
{
    AttributeNames names;
    PageFields fields;
    for (int a = 1; a <= 16; ++a)
        names.push_back("a" + std::to_string(a));
    fields.texts.resize(32);
    Page page({}, names);
    page.showLearner(Learner::Textbook);
    for (const std::vector<int> &differing : {std::vector<int>{}, {0}, {0, 2}}) {
        for (int a = 0; a < 16; ++a)
            fields.texts[a] = names[a] + (std::ranges::count(differing, a) ? "z" : "x");
        page.press(differing.empty() ? Button::Positive : Button::Negative, fields);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.suggest(fields).size());
        state.PauseTiming();
        page.undo(fields);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PageSuggestSixteenAttributes)->Unit(benchmark::kMillisecond);

// The lesson report of a teaching session: playing it, drawing every changed version space with
// Graphviz and writing the page. Aim: under 2 s for 1,000 presses.
void BM_LessonReport(benchmark::State &state)
{
    const int presses = static_cast<int>(state.range(0));
    const std::string session = teachingSession(presses);
    NoFile file;
    std::size_t bytes = 0;
    for (auto _ : state) {
        TextInput in(session);
        std::ostringstream out;
        std::ostringstream err;
        ReplaySession replay(file);
        LessonReport report(replay);
        if (runJsonLines(in, out, err, replay) != 0)
            state.SkipWithError(err.str().c_str());
        bytes = report.html("benchmark").size();
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LessonReport)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Peak memory of a replay of `lines` lines, played in a child process from input made as it is
// read: it follows the longest line, not the number of lines.
long replayPeakKib(long lines)
{
    const pid_t child = fork();
    if (child == 0) {
        struct Lines : SessionInput
        {
            long left;
            std::string line;
            std::size_t taken = 0;
            explicit Lines(long n)
                : left(n)
            {}
            long read(char *buffer, std::size_t size) override
            {
                if (taken == line.size()) {
                    if (left-- <= 0)
                        return 0;
                    line = left ? R"({"Text2":["a","b","c","d","e",")" + std::to_string(left)
                                           + "\"]}\n"
                                : "{\"press\":\"Predict\"}\n";
                    taken = 0;
                }
                const std::size_t n = std::min(size, line.size() - taken);
                line.copy(buffer, n, taken);
                taken += n;
                return static_cast<long>(n);
            }
            std::string name() const override { return "lines"; }
        } in(lines);
        std::ostringstream out, err;
        NoFile file;
        ReplaySession session(file);
        _exit(runJsonLines(in, out, err, session));
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

void BM_ReplayMemory(benchmark::State &state)
{
    long small = 0, large = 0;
    for (auto _ : state) {
        small = replayPeakKib(20000);
        large = replayPeakKib(800000);
    }
    state.counters["peak_kib_20k_lines"] = static_cast<double>(small);
    state.counters["peak_kib_800k_lines"] = static_cast<double>(large);
}
BENCHMARK(BM_ReplayMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Peak memory (KiB) of a process that learns `examples` examples of a hidden conjunctive concept
// (six attributes of twenty values, the first example positive) with the learner alone, keeping
// every state it passes through, as undo keeps them, or only the last.
long keptStatesPeakKib(int examples, bool keepEvery)
{
    const pid_t child = fork();
    if (child == 0) {
        std::mt19937 random(7);
        const int hidden[6] = {3, -1, 11, -1, -1, 5}; // -1: "?"
        std::vector<LearningState> kept(1);
        kept.reserve(keepEvery ? static_cast<std::size_t>(examples) + 1 : 1);
        while (kept.back().examples.size() < static_cast<std::size_t>(examples)) {
            Row x;
            bool positive = true;
            for (std::size_t a = 0; a < 6; ++a) {
                int value = static_cast<int>(random() % 20);
                if (hidden[a] >= 0 && (kept.back().examples.empty() || random() % 3 == 0))
                    value = hidden[a];
                positive = positive && (hidden[a] < 0 || value == hidden[a]);
                x[a] = "a" + std::to_string(a + 1) + "v" + std::to_string(value);
            }
            std::variant<Step, Refusal> step = train(kept.back(), x, positive);
            if (Step *taken = std::get_if<Step>(&step)) {
                if (keepEvery)
                    kept.push_back(std::move(taken->state));
                else
                    kept.back() = std::move(taken->state);
            }
        }
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

// Every state of a session of 32,766 examples kept to return to: the memory they take, against
// the same session keeping only its last state. Budget: 100 MB in all.
void BM_KeptStatesMemory(benchmark::State &state)
{
    long every = 0, last = 0;
    for (auto _ : state) {
        every = keptStatesPeakKib(kMaxExamples, true);
        last = keptStatesPeakKib(kMaxExamples, false);
    }
    if (every < 0 || last < 0)
        state.SkipWithError("the session could not be learnt");
    state.counters["peak_MB_every_state_kept"] = static_cast<double>(every) / 1024;
    state.counters["peak_MB_last_state_only"] = static_cast<double>(last) / 1024;
}
BENCHMARK(BM_KeptStatesMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// A training step of the learner alone, from the worst state for it: G at 30 rows, the version
// space at 26, both unchanged by the positive example.
void BM_LearnerStepWorstCase(benchmark::State &state)
{
    TestSession s;
    setWorstCase(s);
    const LearningState worst = s.form.state();
    long n = 0;
    for (auto _ : state) {
        std::variant<Step, Refusal> step = train(worst,
                                                 {"A", "B", "C", "D", "E", std::to_string(n++)},
                                                 true);
        benchmark::DoNotOptimize(step);
    }
}
BENCHMARK(BM_LearnerStepWorstCase);

} // namespace
} // namespace vspace::testing

BENCHMARK_MAIN();
