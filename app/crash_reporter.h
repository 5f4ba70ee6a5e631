// The crash reporter: beep, error dialog, report log and restart, for every escaping error.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

#include "restart_policy.h"

namespace aeon::app {

class ErrorDialog;

class CrashReporter {
  public:
    struct Options {
        QString logPath;         // <executable>.elf beside the executable
        QString fallbackFolder;  // the program's application-data folder
        RestartPolicy::Clock clock = std::chrono::steady_clock::now;
        std::function<void()> beep;
        std::function<void()> restart;                  // starts the new process and ends this one
        std::function<void(ErrorDialog&)> dialogShown;  // observation point for tests
    };

    explicit CrashReporter(Options options);

    // Takes over error handling: guarded handlers and the terminate handler report here.
    void install();

    // Reports one error: dialog, log, and a restart where the policy or the user asks for one.
    void report(const std::exception_ptr& error);

    int reportedErrors() const { return policy_.reportedErrors(); }

    // The running program's reporter, once installed.
    static CrashReporter* instance();

  private:
    Options options_;
    RestartPolicy policy_;
};

// The options of the real program: log beside the executable, system beep, real restart with the
// arguments and working directory recorded now, before anything can change them.
CrashReporter::Options programReporterOptions(int argc, char** argv);

}  // namespace aeon::app
