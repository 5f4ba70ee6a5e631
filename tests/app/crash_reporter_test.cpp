// The crash reporter and the application object, with the real dialog on the offscreen platform.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "application.h"
#include "crash_reporter.h"
#include "error_dialog.h"
#include "error_report.h"
#include "errors.h"
#include "handler_guard.h"
#include "main.h"
#include "regional_settings.h"
#include "report_log.h"

using aeon::app::CrashReporter;
using aeon::app::ErrorDialog;

namespace {

// An object whose event handling throws, to reach the application's last line of defence.
class ThrowingObject : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw aeon::EOverflow();
        return QObject::event(e);
    }
};

}  // namespace

class CrashReporterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::chrono::steady_clock::time_point now{};
    int beeps = 0;
    int restarts = 0;
    int dialogs = 0;
    std::function<void(ErrorDialog&)> onDialog;
    std::unique_ptr<CrashReporter> reporter;

    QString logPath() const { return dir.filePath(QStringLiteral("aeonarium.elf")); }
    int loggedReports() const {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly)) return 0;
        return static_cast<int>(
            aeon::app::ReportLog::splitReports(QString::fromUtf8(file.readAll())).size());
    }
    static void pressOk(ErrorDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }
    void reportConversionError() {
        reporter->report(std::make_exception_ptr(aeon::EConvertError::notANumber("x")));
    }

  private slots:
    void init() {
        QVERIFY(dir.isValid());
        QFile::remove(logPath());
        beeps = restarts = dialogs = 0;
        onDialog = pressOk;
        CrashReporter::Options options;
        options.logPath = logPath();
        options.fallbackFolder = dir.filePath(QStringLiteral("fallback"));
        options.clock = [this] { return now; };
        options.beep = [this] { ++beeps; };
        options.restart = [this] { ++restarts; };
        options.dialogShown = [this](ErrorDialog& d) {
            ++dialogs;
            onDialog(d);
        };
        reporter = std::make_unique<CrashReporter>(options);
        reporter->install();
        aeon::setCurrentRegionalSettings(aeon::RegionalSettings::german());
    }

    void cleanup() {
        aeon::ui::setErrorHook(nullptr);
        reporter.reset();
    }

    void messageIsSanitisedAndEndsWithAFullStop() {
        QCOMPARE(aeon::app::dialogMessage(QStringLiteral("a\tb\x01")), QStringLiteral("a b ."));
        QCOMPARE(aeon::app::dialogMessage(QStringLiteral("Zeile 1\nZeile 2")),
                 QStringLiteral("Zeile 1\nZeile 2."));
        QCOMPARE(aeon::app::dialogMessage(QStringLiteral("fertig.")), QStringLiteral("fertig."));
        QString shown;
        onDialog = [&shown](ErrorDialog& d) {
            shown = d.findChild<QPlainTextEdit*>(QStringLiteral("Message"))->toPlainText();
            pressOk(d);
        };
        reportConversionError();
        QCOMPARE(shown, QStringLiteral("'x' ist kein gültiger Gleitkommawert."));
        QCOMPARE(beeps, 1);
        QCOMPARE(loggedReports(), 1);
    }

    void detailsLinkShowsTheReport() {
        QString details;
        onDialog = [&details](ErrorDialog& d) {
            QVERIFY(!d.detailsView()->isVisible());
            auto* link = d.findChild<QLabel*>(QStringLiteral("DetailsLink"));
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
            QVERIFY(d.detailsView()->isVisible());
            details = d.detailsView()->toPlainText();
            pressOk(d);
        };
        reportConversionError();
        QVERIFY(details.startsWith(aeon::app::ReportLog::kReportHeader));
        QVERIFY(details.contains(QStringLiteral("Fehlerart: EConvertError")));
        QVERIFY(details.contains(QStringLiteral("Meldung: 'x' ist kein gültiger Gleitkommawert")));
        QVERIFY(details.contains(QStringLiteral("AEONARIUM 1.")));
        QVERIFY(details.contains(QStringLiteral("Dezimaltrennzeichen \",\"")));
        QVERIFY(details.contains(QStringLiteral("Aufrufstapel:")));
    }

    void restartOfferFromTheFourthError() {
        QList<bool> offered;
        onDialog = [&offered](ErrorDialog& d) {
            offered << (d.findChild<QCheckBox*>(QStringLiteral("RestartBox")) != nullptr);
            pressOk(d);
        };
        for (int i = 0; i < 5; ++i) {
            reportConversionError();
            now += std::chrono::minutes(1);
        }
        QCOMPARE(offered, (QList<bool>{false, false, false, true, true}));
        QCOMPARE(restarts, 0);
        QCOMPARE(loggedReports(), 5);
    }

    void okWithTheBoxTickedRestartsEscapeDoesNot() {
        onDialog = pressOk;
        for (int i = 0; i < 3; ++i) reportConversionError();
        onDialog = [](ErrorDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("RestartBox"))->setChecked(true);
            QTest::keyClick(&d, Qt::Key_Escape);
        };
        reportConversionError();
        QCOMPARE(restarts, 0);
        onDialog = [](ErrorDialog& d) {
            QTest::mouseClick(d.findChild<QCheckBox*>(QStringLiteral("RestartBox")),
                              Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OkButton")),
                              Qt::LeftButton);
        };
        reportConversionError();
        QCOMPARE(restarts, 1);
        QCOMPARE(loggedReports(), 5);  // the report is logged before the restart
    }

    void tenErrorsWithinAMinuteRestartByThemselves() {
        for (int i = 1; i <= 9; ++i) {
            reportConversionError();
            now += std::chrono::seconds(6);
        }
        QCOMPARE(restarts, 0);
        reportConversionError();
        QCOMPARE(restarts, 1);
        QCOMPARE(dialogs, 10);
    }

    void theMainWindowIgnoresInputWhileTheDialogIsOpen() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        edit->setText(QStringLiteral("x"));
        onDialog = [edit, this](ErrorDialog& d) {
            const int before = beeps;
            QTest::keyClicks(edit, QStringLiteral("12"));
            QTest::mouseClick(edit, Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("x"));
            QCOMPARE(beeps, before + 3);  // two keys and one mouse button, each a beep
            pressOk(d);
        };
        // The error comes from the real handler through the guard.
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(dialogs, 1);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label17"))->text(), QStringLiteral("--"));
        QTest::keyClicks(edit, QStringLiteral("5"));  // input flows again
        QCOMPARE(edit->text(), QStringLiteral("x5"));
    }

    void activatingTheMainWindowBringsTheDialogBack() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        bool cameBack = false;
        onDialog = [&form, &cameBack](ErrorDialog& d) {
            QTRY_COMPARE(QApplication::activeWindow(), &d);
            QApplication::setActiveWindow(&form);
            cameBack = QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; });
            pressOk(d);
        };
        reportConversionError();
        QVERIFY(cameBack);
    }

    void silentAbortIsIgnored() {
        reporter->report(std::make_exception_ptr(aeon::app::SilentAbort()));
        QCOMPARE(dialogs, 0);
        QCOMPARE(beeps, 0);
        QVERIFY(!QFile::exists(logPath()));
    }

    void exceptionsEscapingEventsReachTheReporter() {
        ThrowingObject object;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&object, &event);
        QCOMPARE(dialogs, 1);
        QCOMPARE(loggedReports(), 1);
    }

    void localeChangeReloadsTheSettings() {
        qputenv("LC_ALL", "en_US.UTF-8");
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
        QCOMPARE(aeon::currentRegionalSettings().shortDatePattern, std::string("MM/dd/yyyy"));
        TMainForm form;
        form.show();
        QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("65"));
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label17"))->text(),
                 QStringLiteral("12/29/2016 06:43:59 AM"));
        qunsetenv("LC_ALL");
        QCOMPARE(dialogs, 0);
    }
};

int main(int argc, char** argv) {
    aeon::app::Application app(argc, argv);
    CrashReporterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "crash_reporter_test.moc"
