// kirvos-cli fem on small models: the JSON it writes, its exit codes and its usage errors.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "fem_fixture.h"

namespace kirvos {
namespace {

struct CliRun {
    int exitCode;
    std::string out;
};

CliRun RunCli(const std::string& arguments) {
    const std::string command = std::string(KIRVOS_BIN_DIR) + "/kirvos-cli " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string WriteModel(const std::string& name, const test::ModelText& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream out(path);
    for (const std::string& line : text.Lines()) out << line << "\r\n";  // CRLF files are read too
    return path;
}

TEST(CliFem, WritesTheResultsAsJson) {
    // Simply supported span of 6 m under 2 N/mm: reactions 6000 N, Mz = 9e6 N·mm and Vy = 0 at mid-span.
    const std::string file = WriteModel("cli_beam.txt", test::ContinuousBeam(1, 6000.0).Load(1, 3, 2, 2, 1, 2, -2.0, 0, 0, -1));
    const CliRun run = RunCli("fem " + file + " --json - --samples 2");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::string& json = run.out;
    EXPECT_EQ(json.rfind("{\"status\": 1, \"messages\": [], \"equations\": 12, \"bandWidth\": 12, \"loadCases\": [{\"number\": 3, ", 0), 0u) << json;
    EXPECT_NE(json.find("{\"node\": 2, \"displacements\": [0, "), std::string::npos);
    EXPECT_NE(json.find("\"endForces\": [0, 6000, 0, 0, 0, 0, 0, 6000, 0, 0, 0, 0]"), std::string::npos) << json;
    EXPECT_NE(json.find("{\"t\": 0.5, \"N\": 0, \"Vy\": 0, \"Vz\": 0, \"T\": 0, \"My\": 0, \"Mz\": 9e+06, \"u\": 0, \"v\": -160.714285714"),
              std::string::npos) << json;
    EXPECT_NE(json.find("{\"support\": 1, \"reaction\": [0, 6000, 0, 0, 0, 0]}"), std::string::npos) << json;
    EXPECT_EQ(json.back(), '\n');
}

TEST(CliFem, FailedChecksGiveStatusMessagesAndAFailingExit) {
    test::ModelText text = test::ContinuousBeam(1, 6000.0);
    text.nodes.push_back("7;\"x\"");  // rejected by the reader
    // A rejected line in another encoding (a Latin-1 "ä") still gives valid UTF-8 JSON.
    text.nodes.push_back("8;\xE4");
    const std::string file = WriteModel("cli_bad.txt", text);
    const std::string out = ::testing::TempDir() + "cli_bad.json";
    const CliRun run = RunCli("fem " + file + " --json " + out);
    EXPECT_EQ(run.exitCode, 1);
    std::ifstream in(out);
    const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(json, "{\"status\": -407, \"messages\": [\"101, rivi 3: pal=-2 (7;\\\"x\\\")\", \"101, rivi 4: pal=-2 (8;\xEF\xBF\xBD)\", \"Kuormia liian vähän (<1)\"], "
                    "\"equations\": 0, \"bandWidth\": 0, \"loadCases\": []}\n");
}

TEST(CliFem, UsageErrors) {
    EXPECT_EQ(RunCli("").exitCode, 2);
    EXPECT_EQ(RunCli("nosuchcommand").exitCode, 2);
    EXPECT_EQ(RunCli("fem").exitCode, 2);
    EXPECT_EQ(RunCli("fem a.txt --samples 0").exitCode, 2);
    EXPECT_EQ(RunCli("fem a.txt --json").exitCode, 2);
    EXPECT_EQ(RunCli("fem a.txt --bogus").exitCode, 2);
    EXPECT_EQ(RunCli("fem /nonexistent/model.txt").exitCode, 1);
}

}  // namespace
}  // namespace kirvos
