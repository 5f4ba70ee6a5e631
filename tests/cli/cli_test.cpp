// aeonarium-cli through the real executable: single conversions, errors, usage and batch mode.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "cli_options.h"

namespace {

struct CliRun {
    std::string out;
    int exitCode;
};

// Runs the converter under a locale; `input` goes to its standard input.
CliRun runCli(const std::string& locale, const std::string& arguments,
              const std::string& input = "") {
    const std::string inputFile = ::testing::TempDir() + "cli_input.txt";
    std::ofstream(inputFile, std::ios::binary) << input;
    const std::string command = "env -i LC_ALL=" + locale + " " + AEONARIUM_CLI_PATH + " " +
                                arguments + " <" + inputFile + " 2>&1";
    CliRun run{"", -1};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CliExecutable, ConvertsUnderTheEnvironmentsLocale) {
    const struct {
        const char* locale;
        const char* arguments;
        const char* output;
    } cases[] = {
        {"de_DE.UTF-8", "millions 65", "29.12.2016 06:43:59\n"},
        {"de_DE.UTF-8", "--model 1 millions 619", "10.11.2016 07:20:00\n"},
        {"de_DE.UTF-8", "--model=1 millionen 619", "10.11.2016 07:20:00\n"},
        {"de_DE.UTF-8", "thousands 6899", "30.12.2016 19:37:12\n"},
        {"de_DE.UTF-8", "billions -1", "26.01.2017 10:52:28\n"},
        {"de_DE.UTF-8", "billions -1000", "04.06.2089 02:37:10\n"},
        {"de_DE.UTF-8", "-- years 0,5", "30.12.2016 23:59:59\n"},
        {"en_US.UTF-8", "millions 65", "12/29/2016 06:43:59 AM\n"},
        {"cs_CZ.UTF-8", "jahre 2000", "30.12.2016 23:59:55\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.locale, c.arguments);
        EXPECT_EQ(run.out, c.output) << c.arguments;
        EXPECT_EQ(run.exitCode, 0) << c.arguments;
    }
}

TEST(CliExecutable, ConversionErrorsGoToStderrWithExitOne) {
    const CliRun run = runCli("de_DE.UTF-8", "billions 13.798");
    EXPECT_EQ(run.out, "EConvertError: '13.798' ist kein gültiger Gleitkommawert\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(runCli("de_DE.UTF-8", "billions 1e400").out, "EOverflow: Gleitkommaüberlauf\n");
    EXPECT_EQ(runCli("de_DE.UTF-8", "billions 1e200").out,
              "EInvalidOp: Ungültige Gleitkommaoperation\n");
}

TEST(CliExecutable, UsageErrorsExitTwo) {
    for (const char* arguments : {"", "millions", "decades 5", "--model 2 millions 5",
                                  "--frobnicate millions 5", "millions 5 6", "--batch millions"}) {
        EXPECT_EQ(runCli("de_DE.UTF-8", arguments).exitCode, 2) << arguments;
    }
    const CliRun help = runCli("de_DE.UTF-8", "--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("aeonarium-cli [--model 0|1]"), std::string::npos);
}

TEST(CliExecutable, BatchModeAnswersEveryLine) {
    const std::string input =
        "0\tmillions\t65\n"
        "1\tmillions\t619\n"
        "0\tbillions\t 5 \t\n"
        "0\tyears\t\n"
        "2\tyears\t1\n"
        "0\tdecades\t1\n"
        "no tabs here\n"
        "0\tbillions\t1e400\n";
    const CliRun run = runCli("de_DE.UTF-8", "--batch", input);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "OK\t29.12.2016 06:43:59\n"
              "OK\t10.11.2016 07:20:00\n"
              "ERR\tEConvertError\t' 5 \t' ist kein gültiger Gleitkommawert\n"
              "ERR\tEConvertError\t'' ist kein gültiger Gleitkommawert\n"
              "ERR\tUsage\tUnbekanntes Modell: 2\n"
              "ERR\tUsage\tUnbekannte Zeile: decades\n"
              "ERR\tUsage\tZeile muss MODELL<TAB>ZEILE<TAB>TEXT sein\n"
              "ERR\tEOverflow\tGleitkommaüberlauf\n");
}

TEST(CliArguments, NegativeAgesAreAgesNotOptions) {
    const char* argv[] = {"aeonarium-cli", "billions", "-1"};
    const auto parsed = aeon::cli::parseArguments(3, argv);
    EXPECT_EQ(parsed.action, aeon::cli::Action::Convert);
    EXPECT_EQ(parsed.options.age, "-1");
    const char* withModel[] = {"aeonarium-cli", "--model", "1", "hundreds", "-5,5"};
    const auto second = aeon::cli::parseArguments(5, withModel);
    EXPECT_EQ(second.options.model, 1);
    EXPECT_EQ(second.options.row, aeon::AgeRow::Hundreds);
    EXPECT_EQ(second.options.age, "-5,5");
}

}  // namespace
