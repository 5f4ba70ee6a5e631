// AEONARIUM's entry: modules in their fixed order, the main window, the event loop.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "application.h"
#include "crash_reporter.h"
#include "main.h"
#include "regional_settings.h"
#include "startup.h"
#include "year_model.h"

int main(int argc, char** argv) {
    aeon::LoadRegionalSettings();
    aeon::app::CrashReporter reporter(aeon::app::programReporterOptions(argc, argv));
    reporter.install();
    if (!aeon::app::displayAvailable()) {
        std::fputs(aeon::app::kNoDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    aeon::app::Application application(argc, argv);
    aeon::SelectYearModel(0);
    try {
        TMainForm form;
        MainForm = &form;
        aeon::app::showMainWindow(form, aeon::app::startupShowCommand());
        const int code = application.exec();
        MainForm = nullptr;
        return code;
    } catch (...) {
        // Outside the event loop an error ends the program once it is reported.
        reporter.report(std::current_exception());
        return EXIT_FAILURE;
    }
}
