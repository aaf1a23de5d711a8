// The lesson report of long sessions: time, peak memory and page size of
// `vspace-replay --quiet --report`, medians of a few runs, on tables of six attributes with twenty
// values each, labelled by a hidden conjunctive concept, the first row positive; and on a session
// of huge rows: an example of six values of 174,000 bytes (a row of 1 MiB), a negative example,
// then many predictions of instances of 6 KB, whose lists the report must not write again each
// time. Run: build/bench/report_bench [runs]     Print a table: build/bench/report_bench --table ROWS

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A table of `rows` rows: "a<attribute>v<value>" values, the label "yes" where the hidden concept
// (three attributes fixed, three "?") accepts the row, "no" elsewhere.
void writeTable(std::FILE *out, long rows, unsigned seed)
{
    std::mt19937 random(seed);
    int hidden[6];
    for (int &value : hidden)
        value = static_cast<int>(random() % 20);
    const bool fixed[6] = {true, false, true, false, false, true};
    std::fprintf(out, "Sky,Air,Humidity,Wind,Water,Forecast,Enjoy\n");
    for (long row = 0; row < rows; ++row) {
        bool positive = true;
        for (int a = 0; a < 6; ++a) {
            // The first row is positive; later ones meet the concept about one time in forty.
            int value = static_cast<int>(random() % 20);
            if (fixed[a] && (row == 0 || random() % 3 == 0))
                value = hidden[a];
            positive = positive && (!fixed[a] || value == hidden[a]);
            std::fprintf(out, "a%dv%d,", a + 1, value);
        }
        std::fprintf(out, "%s\n", positive ? "yes" : "no");
    }
}

// JSON Lines: the huge example, a negative one, then `predictions` presses of Predict.
void writeHugeRows(std::FILE *out, long predictions)
{
    std::fprintf(out, "{\"Text1\":[");
    for (char c = 'a'; c <= 'f'; ++c)
        std::fprintf(out, "%s\"%s\"", c == 'a' ? "" : ",", std::string(174000, c).c_str());
    std::fprintf(out, "],\"press\":\"Positive\"}\n");
    std::fprintf(out, "{\"Text1\":[\"u\",\"v\",\"w\",\"x\",\"y\",\"z\"],\"press\":\"Negative\"}\n");
    for (long i = 0; i < predictions; ++i)
        std::fprintf(
                out,
                "{\"Text2\":[\"p%ld\",\"q\",\"r\",\"s\",\"t\",\"%s\"],\"press\":\"Predict\"}\n", i,
                std::string(6000, 'x').c_str());
}

struct Run
{
    double seconds;
    double peakMb;
    double pageMb;
};

Run replay(const std::string &program, const std::string &session, const std::string &page)
{
    const auto start = std::chrono::steady_clock::now();
    const bool csv = session.ends_with(".csv");
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), "--quiet", "--report", page.c_str(),
              csv ? "--csv" : "--", session.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "report_bench: %s failed\n", program.c_str());
        std::exit(1);
    }
    return {elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024,
            static_cast<double>(std::filesystem::file_size(page)) / 1e6};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && std::string(argv[1]) == "--table") {
        writeTable(stdout, std::atol(argv[2]), 1);
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string program = VSPACE_REPLAY;
    const auto folder = std::filesystem::temp_directory_path() / "vspace-report-bench";
    std::filesystem::create_directories(folder);
    struct Session
    {
        const char *name;
        long rows;
        const char *budget;
    };
    for (const auto &[name, rows, budget] :
         {Session{"table.csv", 10000, "10 s, 300 MB, page 50 MB"},
          Session{"table.csv", 32800, "120 s, 1000 MB"}, Session{"huge.jsonl", 100, "300 MB"},
          Session{"huge.jsonl", 1000, "300 MB"}}) {
        const std::string session = (folder / name).string();
        std::FILE *out = std::fopen(session.c_str(), "w");
        if (session.ends_with(".csv"))
            writeTable(out, rows, 1);
        else
            writeHugeRows(out, rows);
        std::fclose(out);
        std::vector<double> seconds, peak, page;
        for (int i = 0; i < runs; ++i) {
            const Run run = replay(program, session, (folder / "report.html").string());
            seconds.push_back(run.seconds);
            peak.push_back(run.peakMb);
            page.push_back(run.pageMb);
        }
        std::printf("%s of %ld %s, median of %d: %.2f s, peak %.0f MB, page %.1f MB (budget %s)\n",
                    name, rows, session.ends_with(".csv") ? "rows" : "predictions", runs,
                    median(seconds), median(peak), median(page), budget);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
