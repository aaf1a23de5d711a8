// The lesson report of long teaching tables: time, peak memory and page size of
// `vspace-replay --quiet --csv --report`, medians of a few runs, on tables of six attributes with
// twenty values each, labelled by a hidden conjunctive concept, the first row positive.
// Run: build/bench/report_bench [runs]     Print a table: build/bench/report_bench --table ROWS

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

struct Run
{
    double seconds;
    double peakMb;
    double pageMb;
};

Run replay(const std::string &program, const std::string &table, const std::string &page)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), "--quiet", "--csv", "--report", page.c_str(),
              table.c_str(), static_cast<char *>(nullptr));
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
    for (const auto &[rows, budget] :
         {std::pair(10000L, "10 s, 300 MB, page 50 MB"), std::pair(32800L, "120 s, 1000 MB")}) {
        const std::string table = (folder / "table.csv").string();
        std::FILE *out = std::fopen(table.c_str(), "w");
        writeTable(out, rows, 1);
        std::fclose(out);
        std::vector<double> seconds, peak, page;
        for (int i = 0; i < runs; ++i) {
            const Run run = replay(program, table, (folder / "report.html").string());
            seconds.push_back(run.seconds);
            peak.push_back(run.peakMb);
            page.push_back(run.pageMb);
        }
        std::printf("%ld rows, median of %d: %.2f s, peak %.0f MB, page %.1f MB (budget %s)\n",
                    rows, runs, median(seconds), median(peak), median(page), budget);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
