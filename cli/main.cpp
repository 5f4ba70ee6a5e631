// aeonarium-cli: the age conversion from the command line, single or batch.
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli_options.h"
#include "date_text.h"
#include "errors.h"
#include "events_table.h"
#include "regional_settings.h"
#include "reverse_conversion.h"
#include "year_model.h"

namespace {

int runSingle(const aeon::cli::Options& options) {
    try {
        aeon::SelectYearModel(options.model);
        std::cout << aeon::ConvertAge(options.row, options.age) << '\n';
        return EXIT_SUCCESS;
    } catch (const aeon::ConversionError& error) {
        std::cerr << error.kindName() << ": " << error.what() << '\n';
        return EXIT_FAILURE;
    }
}

int runReverse(const aeon::cli::Options& options) {
    try {
        const auto interval =
            aeon::ReverseConvert(aeon::kYearModels[static_cast<std::size_t>(options.model)].model,
                                 options.age, aeon::currentRegionalSettings(), aeon::PresentYear());
        std::cout << aeon::ReadableAge(interval, aeon::currentRegionalSettings()) << '\n';
        return EXIT_SUCCESS;
    } catch (const aeon::ConversionError& error) {
        std::cerr << error.kindName() << ": " << error.what() << '\n';
        return EXIT_FAILURE;
    }
}

int runBatch() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::cout << aeon::cli::convertBatchLine(line) << '\n';
    }
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    aeon::LoadRegionalSettings();
    const auto parsed = aeon::cli::parseArguments(argc, argv);
    switch (parsed.action) {
        case aeon::cli::Action::Help:
            std::cout << aeon::cli::kUsage;
            return EXIT_SUCCESS;
        case aeon::cli::Action::UsageError:
            std::cerr << parsed.error << '\n' << aeon::cli::kUsage;
            return 2;
        case aeon::cli::Action::Batch:
            return runBatch();
        case aeon::cli::Action::Convert:
            return runSingle(parsed.options);
        case aeon::cli::Action::Reverse:
            return runReverse(parsed.options);
        case aeon::cli::Action::Events:
            std::cout << aeon::cli::eventsTable(parsed.options.model,
                                                aeon::currentRegionalSettings());
            return EXIT_SUCCESS;
    }
    return 2;
}
