// Training-step and replay throughput. Run: build/bench/engine_bench

#include "bench_session.h"
#include "export_file.h"
#include "jsonl_reader.h"
#include "lesson_report.h"

#include <benchmark/benchmark.h>

#include <optional>
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
    if (s->engine.state().generalCount != 30 || s->engine.state().versionSpaceCount != 26)
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
        s->engine.press(Button::Negative);
    }
    if (s->engine.state().generalCount != 30)
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
        s.engine.press(Button::Clear);
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

} // namespace
} // namespace vspace::testing

BENCHMARK_MAIN();
