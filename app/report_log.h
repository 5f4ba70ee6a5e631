// The crash reporter's log file: the newest reports, written atomically under a lock.
#pragma once

#include <QString>
#include <QStringList>

namespace aeon::app {

class ReportLog {
  public:
    static constexpr int kMaxReports = 32;
    // Every report begins with this line; it is what separates the reports in the file.
    static const QString kReportHeader;

    // `primaryPath` is tried first; where it cannot be opened for reading and writing, the file
    // of the same name in `fallbackFolder` is used.
    ReportLog(QString primaryPath, QString fallbackFolder);

    // Appends one report, dropping the oldest so that at most kMaxReports remain. Returns the
    // path written, or an empty string when neither place could be written.
    QString append(const QString& report) const;

    // The reports in a log file's text, oldest first. Text before the first header is not a
    // report and is returned in `unrecognised`.
    static QStringList splitReports(const QString& text, QString* unrecognised = nullptr);

  private:
    static qsizetype findHeader(const QString& text, qsizetype from);
    bool appendAt(const QString& path, const QString& report) const;

    QString primaryPath_;
    QString fallbackFolder_;
};

}  // namespace aeon::app
