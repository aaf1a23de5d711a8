#include "process.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace vspace::testing {
namespace {

using json = nlohmann::json;

const std::string kReplay = VSPACE_REPLAY_PATH;
const std::string kExample = VSPACE_SOURCE_DIR "/examples/enjoysport.jsonl";

const std::string kFirst
    = R"({"Text1":["Sunny","Warm","Normal","Strong","Warm","Same"],"press":"Positive"})";

RunResult replay(const std::string &input, const TempDir &exportDir)
{
    return runProgram(kReplay, {"--export-dir", exportDir.path().string()}, input);
}

std::vector<json> objects(const RunResult &run)
{
    std::vector<json> result;
    for (const std::string &line : run.lines())
        result.push_back(json::parse(line));
    return result;
}

TEST(Replay, EnjoySportSessionFromTheRepository)
{
    TempDir dir;
    const RunResult run = runProgram(kReplay, {"--export-dir", dir.path().string(), kExample}, "");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<json> out = objects(run);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[2]["List1"], json({"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?", "?,?,?,?,?,Same"}));
    EXPECT_EQ(out[3]["List1"], json({"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?"}));
    EXPECT_EQ(out[3]["List2"], json({"Sunny,Warm,?,Strong,?,?"}));
    EXPECT_EQ(out[3]["List4"], json({"Sunny,Warm,?,?,?,?", "Sunny,?,?,Strong,?,?", "?,Warm,?,Strong,?,?"}));
    EXPECT_EQ(out[4]["messages"], json::parse(R"([{"title":"Result","text":"Your Data is Positive , Result is +"}])"));
    EXPECT_EQ(out[4]["Text2"], json({"Sunny", "Warm", "Normal", "Strong", "Cool", "Change"}));
}

// Every key of the report, in order, for the first press of a session.
TEST(Replay, ReportOfOnePress)
{
    TempDir dir;
    const RunResult run = replay(kFirst + "\n", dir);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              R"({"press":"Positive","messages":[],"List1":["?,?,?,?,?,?"],)"
              R"("List2":["Sunny,Warm,Normal,Strong,Warm,Same"],"List3":["Sunny,Warm,Normal,Strong,Warm,Same,+"],)"
              R"("List4":[],"Text1":["","","","","",""],"Text2":["","","","","",""],"negative_enabled":true})"
              "\n");
}

TEST(Replay, DuplicateIgnoredNegativeAndControlNames)
{
    TempDir dir;
    const std::string input = R"({"Text1":["a","b","c","d","e","f"],"press":"Command2"})" "\n"
                              "\n"
                              R"({"Text1":["a","b","c","d","e","f"],"press":"Command1"})" "\n"
                              R"({"Text1":["a","b","c","d","e","f"]})" "\n"
                              "   \t\n"
                              R"({"press":"Negative"})" "\n"
                              R"({"press":"Command3"})";
    const RunResult run = replay(input, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<json> out = objects(run);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["press"], "Negative");
    EXPECT_EQ(out[0]["ignored"], true);
    EXPECT_EQ(out[0]["List3"], json::array());
    EXPECT_EQ(out[0]["Text1"], json({"a", "b", "c", "d", "e", "f"}));
    EXPECT_FALSE(out[1].contains("ignored"));
    EXPECT_EQ(out[1]["press"], "Positive");
    EXPECT_EQ(out[2]["messages"], json::parse(R"([{"title":"Data not correct","text":"Duplicate Data"}])"));
    EXPECT_EQ(out[2]["List3"], json({"a,b,c,d,e,f,+"}));
    EXPECT_EQ(out[3]["press"], "Predict");
    EXPECT_EQ(out[3]["messages"][0]["title"], "Cannot Predict");
}

TEST(Replay, ListsAfterClearHoldOnlyWhatFollows)
{
    TempDir dir;
    const std::string input = kFirst + "\n" R"({"press":"Clear"})" "\n"
                              R"({"Text1":["x","y","z","u","v","w"],"press":"Positive"})" "\n";
    const std::vector<json> out = objects(replay(input, dir));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1]["List3"], json::array());
    EXPECT_EQ(out[1]["List2"], json({"0,0,0,0,0,0"}));
    EXPECT_EQ(out[2]["List3"], json({"x,y,z,u,v,w,+"}));
    EXPECT_EQ(out[2]["List2"], json({"x,y,z,u,v,w"}));
}

TEST(Replay, ExitEndsTheRunAndGenTextWritesTheFile)
{
    TempDir dir;
    const std::string input = R"({"Text1":["Red","Small","x","Soft","y","z"],"press":"Positive"})" "\n"
                              R"({"Text1":["Red","Big","x","Hard","y","z"],"press":"Negative"})" "\n"
                              R"({"press":"Gen Text"})" "\n"
                              R"({"press":"Command5"})" "\n"
                              "this is never read\n";
    const RunResult run = replay(input, dir);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<json> out = objects(run);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[3]["press"], "Exit");
    EXPECT_EQ(out[2]["messages"][0]["text"], "Your TextFile Generate in Desktop is Hypothesis.txt");
    std::string expected;
    for (const json &item : out[2]["List4"])
        expected += "\"" + item.get<std::string>() + "\"\r\n";
    EXPECT_EQ(out[2]["List4"].size(), 9u);
    EXPECT_EQ(readFile(dir.path() / "hypothesis.txt"), expected);
}

TEST(Replay, ExportFailureIsReported)
{
    TempDir dir;
    writeFile(dir.path() / "file", "not a folder");
    const RunResult run = runProgram(kReplay, {"--export-dir", (dir.path() / "file").string()},
                                     R"({"press":"Gen Text"})" "\n");
    ASSERT_EQ(run.status, 0);
    const json message = objects(run).at(0)["messages"].at(0);
    EXPECT_EQ(message["title"], "Text File");
    EXPECT_NE(message["text"].get<std::string>().find((dir.path() / "file" / "hypothesis.txt").string()),
              std::string::npos);
    EXPECT_EQ(readFile(dir.path() / "file"), "not a folder");
}

struct BadLine
{
    const char *name;
    std::string line;
    const char *reason;
};

class BadInput : public ::testing::TestWithParam<BadLine>
{};

TEST_P(BadInput, StopsWithLineNumberAndKeepsEarlierOutput)
{
    TempDir dir;
    const RunResult run = replay(kFirst + "\n\n" + GetParam().line + "\n" + kFirst + "\n", dir);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.lines().size(), 1u) << run.out;
    EXPECT_NE(run.err.find("line 3: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(GetParam().reason), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadInput,
    ::testing::Values(
        BadLine{"not_json", "{press: Positive}", "not JSON"},
        BadLine{"trailing_text", R"({"press":"Positive"} x)", "not JSON"},
        BadLine{"array", R"(["Positive"])", "not a JSON object"},
        BadLine{"number", "42", "not a JSON object"},
        BadLine{"unknown_key", R"({"press":"Positive","colour":"red"})", "unknown key \"colour\""},
        BadLine{"unknown_press", R"({"press":"OK"})", "unknown press \"OK\""},
        BadLine{"ampersand_caption", R"({"press":"&Clear"})", "unknown press"},
        BadLine{"press_not_string", R"({"press":1})", "\"press\" is not a string"},
        BadLine{"five_values", R"({"Text1":["a","b","c","d","e"]})", "\"Text1\" is not an array of six strings"},
        BadLine{"seven_values", R"({"Text2":["a","b","c","d","e","f","g"]})", "\"Text2\" is not an array of six strings"},
        BadLine{"number_value", R"({"Text1":["a","b","c","d","e",6]})", "\"Text1\" is not an array of six strings"},
        BadLine{"nested_array", R"({"Text1":[["a"],"b","c","d","e","f"]})", "\"Text1\" is not an array of six strings"},
        BadLine{"text_as_string", R"({"Text1":"abcdef"})", "\"Text1\" is not an array of six strings"},
        BadLine{"key_twice", R"({"press":"Positive","press":"Negative"})", "given twice"},
        BadLine{"invalid_utf8", "{\"Text1\":[\"\xC3\x28\",\"b\",\"c\",\"d\",\"e\",\"f\"]}", "invalid UTF-8"},
        BadLine{"nul_byte_after", std::string("{\"press\":\"Clear\"}\0", 18), "not JSON"},
        BadLine{"nul_byte_inside", std::string("{\"press\":\"Cl\0ear\"}", 18), "not JSON"},
        BadLine{"deep_nesting", std::string(100000, '[') + std::string(100000, ']'), "not a JSON object"},
        BadLine{"deep_nesting_in_value", R"({"Text1":)" + std::string(100000, '['), "is not an array of six strings"},
        BadLine{"over_one_mebibyte", R"({"Text1":[")" + std::string(1024 * 1024, 'x') + R"(","b","c","d","e","f"]})",
                "longer than 1 MiB"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Replay, LineOfExactlyOneMebibyteIsRead)
{
    TempDir dir;
    const std::string head = R"({"Text1":[")";
    const std::string tail = R"(","b","c","d","e","f"],"press":"Positive"})";
    const std::string value(1024 * 1024 - head.size() - tail.size(), 'v');
    const RunResult run = replay(head + value + tail + "\n", dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(objects(run).at(0)["List2"][0], value + ",b,c,d,e,f");
}

// Memory follows the longest line, not the number of lines.
TEST(Replay, ManyLinesInBoundedMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "peak memory is not comparable under AddressSanitizer";
#endif
    auto peakKib = [](int lines) {
        TempDir dir;
        {
            std::ofstream input(dir.path() / "session.jsonl", std::ios::binary);
            for (int i = 0; i < lines; ++i)
                input << R"({"Text2":["a","b","c","d","e",")" << i << "\"]}\n";
            input << R"({"press":"Predict"})";
        }
        const RunResult run = runProgramOn(kReplay, {"--export-dir", dir.path().string()},
                                           dir.path() / "session.jsonl");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.lines().size(), 1u);
        return run.peakKib;
    };
    const long small = peakKib(20000);
    const long large = peakKib(800000);
    EXPECT_LT(large - small, 4096) << "peak " << small << " KiB for 20,000 lines, " << large
                                   << " KiB for 800,000 lines";
}

TEST(Replay, UsageErrors)
{
    EXPECT_EQ(runProgram(kReplay, {"--bogus"}, "").status, 2);
    EXPECT_EQ(runProgram(kReplay, {"/nonexistent/session.jsonl"}, "").status, 2);
    const RunResult help = runProgram(kReplay, {"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: vspace-replay"), std::string::npos);
}

} // namespace
} // namespace vspace::testing
