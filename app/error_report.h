// What the crash reporter shows and logs about one error.
#pragma once

#include <QDateTime>
#include <QString>
#include <exception>

#include "regional_settings.h"

namespace aeon::app {

// An error that is deliberately silent: the reporter ignores it.
class SilentAbort : public std::exception {
  public:
    const char* what() const noexcept override { return "Vorgang abgebrochen"; }
};

struct ErrorInfo {
    QString kind;
    QString message;
    QString stackTrace;
    bool silent = false;
};

// Kind and message of any exception; the stack is the one captured when it was thrown.
ErrorInfo describeError(const std::exception_ptr& error);

// The message as the dialog shows it: control characters other than line breaks become blanks,
// and a full stop ends it.
QString dialogMessage(const QString& message);

// The full report: time, kind, message, program version, system, regional settings, stack.
QString reportText(const ErrorInfo& error, const QDateTime& when, const RegionalSettings& settings);

}  // namespace aeon::app
