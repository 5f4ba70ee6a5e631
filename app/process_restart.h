// Restarting the program: same executable, arguments and starting folder, then exit code 1.
#pragma once

#include <QString>
#include <QStringList>

namespace aeon::app {

class ProcessRestart {
  public:
    // Records what a restart needs while it is still as the program was started.
    static ProcessRestart record(int argc, char** argv);

    const QString& program() const { return program_; }
    const QStringList& arguments() const { return arguments_; }
    const QString& workingDirectory() const { return workingDirectory_; }

    // Starts the new process and ends this one at once, without finalisation.
    [[noreturn]] void run() const;

  private:
    QString program_;
    QStringList arguments_;
    QString workingDirectory_;
};

}  // namespace aeon::app
