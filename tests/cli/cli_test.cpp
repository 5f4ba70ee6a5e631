// aeonarium-cli through the real executable: single conversions, errors, usage and batch mode.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_options.h"
#include "famous_events.h"
#include "utf8.h"
#include "year_model.h"

namespace {

struct CliRun {
    std::string out;
    int exitCode;
};

// Runs the converter under a locale; `input` goes to its standard input.
CliRun runCli(const std::string& locale, const std::string& arguments,
              const std::string& input = "") {
    // Tests run in parallel processes: each input file is the process's own.
    static int calls = 0;
    const std::string inputFile = ::testing::TempDir() + "cli_input_" + std::to_string(::getpid()) +
                                  "_" + std::to_string(++calls) + ".txt";
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
    std::remove(inputFile.c_str());
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

TEST(CliExecutable, ReverseConversion) {
    const struct {
        const char* locale;
        const char* arguments;
        const char* output;
    } cases[] = {
        {"de_DE.UTF-8", "--reverse 29.12.2016 06:43:59", "vor 65 Millionen Jahren\n"},
        {"de_DE.UTF-8", "--reverse '29.12.2016 06:43:59'", "vor 65 Millionen Jahren\n"},
        {"de_DE.UTF-8", "--model 1 --reverse 10.11.2016 07:20:00", "vor 619 Millionen Jahren\n"},
        {"de_DE.UTF-8", "--reverse 01.01.2016", "vor 13,798 Milliarden Jahren\n"},
        {"en_US.UTF-8", "--reverse 12/29/2016 6:43:59 AM", "vor 65 Millionen Jahren\n"},
        {"de_DE.UTF-8", "--reverse 29.12.2016 25:00",
         "EConvertError: '29.12.2016 25:00' ist kein gültiges Datum mit Uhrzeit\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runCli(c.locale, c.arguments).out, c.output) << c.arguments;
    EXPECT_EQ(runCli("de_DE.UTF-8", "--reverse").exitCode, 2);
}

TEST(CliExecutable, EventsTableShowsTheConversionOfEachAge) {
    for (const int model : {0, 1}) {
        const CliRun run = runCli("de_DE.UTF-8", "--events --model " + std::to_string(model));
        ASSERT_EQ(run.exitCode, 0);
        std::istringstream lines(run.out);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line.rfind("Ereignis", 0), 0u);
        const std::size_t dateColumn =
            aeon::utf8::countCodePoints(line.substr(0, line.find("Zeitpunkt")));
        for (const aeon::FamousEvent& event : aeon::kFamousEvents) {
            ASSERT_TRUE(std::getline(lines, line)) << event.name;
            EXPECT_EQ(line.rfind(std::string(event.name), 0), 0u) << line;
            const std::string expected = aeon::ConvertAge(
                aeon::kYearModels[static_cast<std::size_t>(model)].model, aeon::AgeRow::Years,
                std::to_string(event.yearsAgo), aeon::RegionalSettings::german());
            // Every date starts in the same column, whatever the names' byte lengths.
            const std::string_view prefix = aeon::utf8::prefix(line, dateColumn);
            EXPECT_EQ(line.substr(prefix.size()), expected) << line;
        }
        EXPECT_FALSE(std::getline(lines, line));
    }
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
