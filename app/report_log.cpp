// Appending to the report log: lock, read, trim to the newest reports, replace atomically.
#include "report_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <utility>

namespace aeon::app {

const QString ReportLog::kReportHeader = QStringLiteral("===== AEONARIUM-Fehlerbericht =====");

namespace {

// Text kept aside from a damaged log goes next to it, so nothing is silently lost.
void keepAside(const QString& path, const QByteArray& damaged) {
    QFile aside(path + QStringLiteral(".damaged"));
    if (aside.open(QIODevice::Append)) aside.write(damaged);
}

}  // namespace

ReportLog::ReportLog(QString primaryPath, QString fallbackFolder)
    : primaryPath_(std::move(primaryPath)), fallbackFolder_(std::move(fallbackFolder)) {}

// A report starts where its header begins a line; the header inside other text does not count.
qsizetype ReportLog::findHeader(const QString& text, qsizetype from) {
    for (qsizetype at = text.indexOf(kReportHeader, from); at >= 0;
         at = text.indexOf(kReportHeader, at + 1)) {
        if (at == 0 || text.at(at - 1) == QLatin1Char('\n')) return at;
    }
    return -1;
}

QStringList ReportLog::splitReports(const QString& text, QString* unrecognised) {
    QStringList reports;
    qsizetype start = findHeader(text, 0);
    if (unrecognised != nullptr) *unrecognised = start < 0 ? text : text.left(start);
    while (start >= 0) {
        const qsizetype next = findHeader(text, start + kReportHeader.size());
        reports << text.mid(start, next < 0 ? -1 : next - start);
        start = next;
    }
    return reports;
}

QString ReportLog::append(const QString& report) const {
    if (appendAt(primaryPath_, report)) return primaryPath_;
    const QString fallback = QDir(fallbackFolder_).filePath(QFileInfo(primaryPath_).fileName());
    if (QDir().mkpath(fallbackFolder_) && appendAt(fallback, report)) return fallback;
    return {};
}

bool ReportLog::appendAt(const QString& path, const QString& report) const {
    // Two copies of the program may report at once: the lock serialises read-modify-write.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(30'000);
    if (!lock.tryLock(10'000)) return false;

    QFile existing(path);
    if (!existing.open(QIODevice::ReadWrite)) return false;
    const QByteArray raw = existing.readAll();
    existing.close();

    const QString text = QString::fromUtf8(raw);
    QString unrecognised;
    QStringList reports = splitReports(text, &unrecognised);
    const bool damaged =
        !unrecognised.trimmed().isEmpty() || text.toUtf8() != raw;  // not valid UTF-8
    if (damaged) keepAside(path, raw);
    reports << report;
    while (reports.size() > kMaxReports) reports.removeFirst();

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (const QString& r : reports) {
        QString entry = r;
        if (!entry.endsWith(QLatin1Char('\n'))) entry += QLatin1Char('\n');
        out.write(entry.toUtf8());
    }
    return out.commit();
}

}  // namespace aeon::app
