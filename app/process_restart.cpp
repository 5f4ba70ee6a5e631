// The new process is detached so it outlives this one; this one then ends without clean-up.
#include "process_restart.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <cstdlib>

namespace aeon::app {

ProcessRestart ProcessRestart::record(int argc, char** argv) {
    ProcessRestart restart;
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    restart.program_ = self.exists()
                           ? self.canonicalFilePath()
                           : QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    for (int i = 1; i < argc; ++i) restart.arguments_ << QString::fromLocal8Bit(argv[i]);
    restart.workingDirectory_ = QDir::currentPath();
    return restart;
}

void ProcessRestart::run() const {
    QProcess::startDetached(program_, arguments_, workingDirectory_);
    std::_Exit(1);
}

}  // namespace aeon::app
