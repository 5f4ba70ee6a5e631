// Report texts; every field is made single-line so that a report cannot forge another one.
#include "error_report.h"

#include <QSysInfo>
#include <QtGlobal>
#include <typeinfo>

#include "errors.h"
#include "report_log.h"
#include "throw_trace.h"

namespace aeon::app {
namespace {

// Control characters become blanks; line breaks too, unless they are to be kept.
QString blankControls(const QString& text, bool keepLineBreaks) {
    QString result = text;
    for (QChar& c : result) {
        const bool lineBreak = c == QLatin1Char('\n') || c == QLatin1Char('\r');
        if (c.category() == QChar::Other_Control && !(keepLineBreaks && lineBreak)) {
            c = QLatin1Char(' ');
        }
    }
    return result;
}

QString oneLine(const QString& text) {
    return blankControls(text, false);
}

QString quoted(const std::string& text) {
    return QLatin1Char('"') + oneLine(QString::fromStdString(text)) + QLatin1Char('"');
}

}  // namespace

ErrorInfo describeError(const std::exception_ptr& error) {
    ErrorInfo info;
    info.stackTrace = QString::fromStdString(lastThrowStackTrace());
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort&) {
        info.silent = true;
    } catch (const ConversionError& e) {
        info.kind =
            QString::fromUtf8(e.kindName().data(), static_cast<qsizetype>(e.kindName().size()));
        info.message = QString::fromUtf8(e.what());
    } catch (const std::exception& e) {
        info.kind = QString::fromLatin1(typeid(e).name());
        info.message = QString::fromUtf8(e.what());
    } catch (...) {
        info.kind = QStringLiteral("Exception");
        info.message = QStringLiteral("Unbekannter Fehler");
    }
    return info;
}

QString dialogMessage(const QString& message) {
    QString text = blankControls(message, true);
    if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
    return text;
}

QString reportText(const ErrorInfo& error, const QDateTime& when,
                   const RegionalSettings& settings) {
    QString text = ReportLog::kReportHeader + QLatin1Char('\n');
    text += QStringLiteral("Zeit: ") + when.toString(Qt::ISODate) + QLatin1Char('\n');
    text += QStringLiteral("Programm: AEONARIUM ") + QStringLiteral(AEONARIUM_VERSION) +
            QLatin1Char('\n');
    text += QStringLiteral("System: ") + oneLine(QSysInfo::prettyProductName()) +
            QStringLiteral(" (") + QSysInfo::currentCpuArchitecture() + QStringLiteral("), Qt ") +
            QString::fromLatin1(qVersion()) + QLatin1Char('\n');
    text += QStringLiteral("Fehlerart: ") + oneLine(error.kind) + QLatin1Char('\n');
    text += QStringLiteral("Meldung: ") + oneLine(error.message) + QLatin1Char('\n');
    text += QStringLiteral("Regionale Einstellungen: Dezimaltrennzeichen ") +
            quoted(settings.decimalSeparator) + QStringLiteral(", Datumstrennzeichen ") +
            quoted(settings.dateSeparator) + QStringLiteral(", Zeittrennzeichen ") +
            quoted(settings.timeSeparator) + QStringLiteral(", kurzes Datum ") +
            quoted(settings.shortDatePattern) + QStringLiteral(", lange Zeit ") +
            quoted(settings.longTimePattern) + QLatin1Char('\n');
    text += QStringLiteral("Aufrufstapel:\n");
    for (const QString& frame : error.stackTrace.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        text += QStringLiteral("  ") + oneLine(frame) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace aeon::app
