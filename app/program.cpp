// AEONARIUM's start-up: modules in their fixed order, the main window, the event loop.
#include "program.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "application.h"
#include "crash_reporter.h"
#include "main.h"
#include "regional_settings.h"
#include "startup.h"
#include "year_model.h"

namespace aeon::app {

int runProgram(int argc, char** argv, const std::function<void(QWidget&)>& mainWindowShown) {
    LoadRegionalSettings();
    CrashReporter reporter(programReporterOptions(argc, argv));
    reporter.install();
    if (!displayAvailable()) {
        std::fputs(kNoDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    Application application(argc, argv);
    SelectYearModel(0);
    try {
        TMainForm form;
        MainForm = &form;
        showMainWindow(form, startupShowCommand());
        if (mainWindowShown) mainWindowShown(form);
        const int code = application.exec();
        MainForm = nullptr;
        return code;
    } catch (...) {
        // Outside the event loop an error ends the program once it is reported.
        reporter.report(std::current_exception());
        return EXIT_FAILURE;
    }
}

}  // namespace aeon::app
