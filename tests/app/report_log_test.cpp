// The report log: trimming, fall-back folder, concurrent writers, a writer killed mid-write.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "report_log.h"

using aeon::app::ReportLog;

namespace {

// A report whose last line proves it was written whole.
QString report(const QString& id, int padding = 0) {
    return ReportLog::kReportHeader + QStringLiteral("\nBericht: ") + id + QLatin1Char('\n') +
           QString(padding, QLatin1Char('x')) + QStringLiteral("\nEnde ") + id + QLatin1Char('\n');
}

// Whether a report ends with the last line written for it.
bool isWhole(const QString& r) {
    const QString id = r.section(QLatin1Char('\n'), 1, 1).section(QStringLiteral(": "), 1);
    return r.endsWith(QStringLiteral("Ende ") + id + QLatin1Char('\n'));
}

QStringList reportsIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ReportLog::splitReports(QString::fromUtf8(file.readAll()));
}

// Child process mode: append `count` reports tagged with `tag`, or forever when count is 0.
int runWorker(const QString& path, const QString& tag, int count, int padding) {
    const ReportLog log(path, path + QStringLiteral(".fallback"));
    for (int i = 0; count == 0 || i < count; ++i) {
        if (log.append(report(tag + QString::number(i), padding)).isEmpty()) return 1;
    }
    return 0;
}

}  // namespace

class ReportLogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString logPath() const { return dir.filePath(QStringLiteral("aeonarium.elf")); }
    QString fallback() const { return dir.filePath(QStringLiteral("appdata/aeonarium")); }

    QProcess* startWorker(const QString& tag, int count, int padding) {
        auto* process = new QProcess(this);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--append-worker"), logPath(), tag, QString::number(count),
                        QString::number(padding)});
        return process;
    }

  private slots:
    void init() { QVERIFY(dir.isValid()); }
    void cleanup() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void keepsTheNewest32() {
        const ReportLog log(logPath(), fallback());
        for (int i = 1; i <= 33; ++i) QCOMPARE(log.append(report(QString::number(i))), logPath());
        const QStringList reports = reportsIn(logPath());
        QCOMPARE(reports.size(), ReportLog::kMaxReports);
        QVERIFY(reports.first().contains(QStringLiteral("Bericht: 2\n")));
        QVERIFY(reports.last().contains(QStringLiteral("Bericht: 33\n")));
    }

    void unopenableLogFallsBackToTheDataFolder() {
        QVERIFY(QDir().mkpath(logPath()));  // a folder where the file should be
        const ReportLog log(logPath(), fallback());
        const QString written = log.append(report(QStringLiteral("a")));
        QCOMPARE(written, QDir(fallback()).filePath(QStringLiteral("aeonarium.elf")));
        QCOMPARE(reportsIn(written).size(), 1);
    }

    void aHeaderInsideAReportDoesNotSplitIt() {
        const ReportLog log(logPath(), fallback());
        log.append(QStringLiteral("%1\nMeldung: '%1' ist kein gültiger Gleitkommawert\n")
                       .arg(ReportLog::kReportHeader));
        QCOMPARE(reportsIn(logPath()).size(), 1);
    }

    void damagedLogIsKeptAsideAndTheNewReportStillLands() {
        QFile file(logPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const char raw[] = "M\xFC\xFCll\x00\xFF vorher\n";
        const QByteArray garbage(raw, sizeof raw - 1);
        file.write(garbage);
        file.write(report(QStringLiteral("alt")).toUtf8());
        file.close();
        const ReportLog log(logPath(), fallback());
        QCOMPARE(log.append(report(QStringLiteral("neu"))), logPath());
        const QStringList reports = reportsIn(logPath());
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports.first().contains(QStringLiteral("Ende alt")));
        QFile aside(logPath() + QStringLiteral(".damaged"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QVERIFY(aside.readAll().startsWith(garbage));
    }

    void aTruncatedLastReportIsKeptAndTheNewOneFollows() {
        QFile file(logPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(report(QStringLiteral("ganz")).toUtf8());
        file.write(report(QStringLiteral("halb")).toUtf8().left(40));
        file.close();
        const ReportLog log(logPath(), fallback());
        QCOMPARE(log.append(report(QStringLiteral("neu"))), logPath());
        const QStringList reports = reportsIn(logPath());
        QCOMPARE(reports.size(), 3);
        QVERIFY(isWhole(reports.first()));
        QVERIFY(reports.at(1).startsWith(ReportLog::kReportHeader));
        QVERIFY(isWhole(reports.last()));
    }

    void twoProcessesAppendingAtOnceLoseNothing() {
        QProcess* a = startWorker(QStringLiteral("A"), 15, 2000);
        QProcess* b = startWorker(QStringLiteral("B"), 15, 2000);
        QVERIFY(a->waitForFinished(60'000));
        QVERIFY(b->waitForFinished(60'000));
        QCOMPARE(a->exitCode(), 0);
        QCOMPARE(b->exitCode(), 0);
        const QStringList reports = reportsIn(logPath());
        QCOMPARE(reports.size(), 30);
        for (int i = 0; i < 15; ++i) {
            for (const char* tag : {"A", "B"}) {
                const QString id = QString::fromLatin1(tag) + QString::number(i);
                QCOMPARE(reports.filter(QStringLiteral("Ende ") + id + QLatin1Char('\n')).size(),
                         1);
            }
        }
    }

    void aWriterKilledMidWriteLeavesTheLogWhole() {
        const ReportLog log(logPath(), fallback());
        QVERIFY(!log.append(report(QStringLiteral("vorher"))).isEmpty());
        for (const int delayMs : {15, 40, 90}) {
            QProcess* writer = startWorker(QStringLiteral("K"), 0, 400'000);
            QVERIFY(writer->waitForStarted());
            QTest::qWait(delayMs);
            writer->kill();
            QVERIFY(writer->waitForFinished());
            const QStringList reports = reportsIn(logPath());
            QVERIFY(!reports.isEmpty());
            for (const QString& r : reports) QVERIFY(isWhole(r));
            QVERIFY(reports.size() == ReportLog::kMaxReports ||
                    reports.first().contains(QStringLiteral("Ende vorher")));
        }
        // The next append after a killed writer still works (its stale lock is taken over).
        QVERIFY(!log.append(report(QStringLiteral("danach"))).isEmpty());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 6 && QByteArray(argv[1]) == "--append-worker") {
        return runWorker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt());
    }
    ReportLogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_log_test.moc"
