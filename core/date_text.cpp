// The date reader: two or three numbers between date separators, ordered by the pattern; and
// an optional time of day after the date.
#include "date_text.h"

#include <chrono>
#include <optional>

#include "calendar.h"
#include "errors.h"

namespace aeon {
namespace {

struct ScannedNumber {
    int value = 0;
    int digits = 0;
};

class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // Blanks, then digits while the value is still below 1000, so at most 9999 is read.
    bool number(ScannedNumber& out) {
        skipBlanks();
        out = {};
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' &&
               out.value < 1000) {
            out.value = out.value * 10 + (text_[pos_++] - '0');
            ++out.digits;
        }
        return out.digits > 0;
    }

    // Blanks, then `token`; on a mismatch nothing is consumed.
    bool accept(std::string_view token, bool ignoreCase = false) {
        const std::size_t saved = pos_;
        skipBlanks();
        if (!token.empty() && matches(text_.substr(pos_, token.size()), token, ignoreCase)) {
            pos_ += token.size();
            return true;
        }
        pos_ = saved;
        return false;
    }

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

  private:
    static bool matches(std::string_view a, std::string_view b, bool ignoreCase) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
            if (ignoreCase ? lower(a[i]) != lower(b[i]) : a[i] != b[i]) return false;
        }
        return true;
    }
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

int expandTwoDigitYear(const ScannedNumber& year, int presentYear) {
    if (year.digits > 2) return year.value;
    const int threshold = presentYear - 50;
    int result = year.value + threshold / 100 * 100;
    if (result < threshold) result += 100;
    return result;
}

std::optional<std::int64_t> readDate(TextScanner& scan, const RegionalSettings& settings,
                                     int presentYear) {
    const std::string_view separator = settings.dateSeparator;
    ScannedNumber first;
    ScannedNumber second;
    ScannedNumber third;
    if (!(scan.number(first) && scan.accept(separator) && scan.number(second))) return {};
    TextScanner afterSecond = scan;
    const bool haveThird = scan.accept(separator) && scan.number(third);
    if (!haveThird) scan = afterSecond;  // a lone trailing separator is taken below
    scan.accept(separator);

    const DateOrder order = dateOrderOf(settings.shortDatePattern);
    CivilDate date{presentYear, 0, 0};
    if (haveThird) {
        switch (order) {
            case DateOrder::DayMonthYear:
                date = {expandTwoDigitYear(third, presentYear), second.value, first.value};
                break;
            case DateOrder::MonthDayYear:
                date = {expandTwoDigitYear(third, presentYear), first.value, second.value};
                break;
            case DateOrder::YearMonthDay:
                date = {expandTwoDigitYear(first, presentYear), second.value, third.value};
                break;
        }
    } else if (order == DateOrder::DayMonthYear) {
        date = {presentYear, second.value, first.value};
    } else {
        date = {presentYear, first.value, second.value};
    }
    const bool valid = date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
                       date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
    if (!valid) return {};
    return dayNumber(date);
}

// A before/after-noon marker: the settings' texts, or AM/PM, A/P in any case.
std::optional<bool> readMarker(TextScanner& scan, const RegionalSettings& settings) {
    if (scan.accept(settings.timeAMString, true) || scan.accept("AM", true)) return false;
    if (scan.accept(settings.timePMString, true) || scan.accept("PM", true)) return true;
    if (scan.accept("A", true)) return false;
    if (scan.accept("P", true)) return true;
    return std::nullopt;
}

// hour[:minute[:second]] with an optional marker before or after it.
std::optional<int> readTime(TextScanner& scan, const RegionalSettings& settings) {
    std::optional<bool> afternoon = readMarker(scan, settings);
    ScannedNumber hour;
    ScannedNumber minute;
    ScannedNumber second;
    if (!scan.number(hour)) return {};
    const bool haveMinute = scan.accept(settings.timeSeparator) && scan.number(minute);
    if (haveMinute && scan.accept(settings.timeSeparator) && !scan.number(second)) return {};
    if (!afternoon) afternoon = readMarker(scan, settings);
    if (!haveMinute && !afternoon) return {};
    if (!scan.atEnd() || minute.value > 59 || second.value > 59) return {};
    int h = hour.value;
    if (afternoon) {
        if (h < 1 || h > 12) return {};
        h = (h % 12) + (*afternoon ? 12 : 0);
    } else if (h > 23) {
        return {};
    }
    return (h * 60 + minute.value) * 60 + second.value;
}

}  // namespace

int PresentYear() {
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return static_cast<int>(today.year());
}

DateOrder dateOrderOf(std::string_view pattern) {
    for (const char c : pattern) {
        switch (c) {
            case 'd':
            case 'D':
                return DateOrder::DayMonthYear;
            case 'm':
            case 'M':
                return DateOrder::MonthDayYear;
            case 'y':
            case 'Y':
            case 'e':
            case 'E':
                return DateOrder::YearMonthDay;
            default:
                break;
        }
    }
    return DateOrder::MonthDayYear;
}

double TextToDate(std::string_view text, const RegionalSettings& settings, int year) {
    TextScanner scan(text);
    const auto day = readDate(scan, settings, year);
    if (!day || !scan.atEnd()) throw EConvertError::notADate(text);
    return static_cast<double>(*day);
}

double TextToDate(std::string_view text) {
    return TextToDate(text, currentRegionalSettings(), PresentYear());
}

DateTimeSeconds TextToDateTimeSeconds(std::string_view text, const RegionalSettings& settings,
                                      int year) {
    TextScanner scan(text);
    const auto day = readDate(scan, settings, year);
    if (!day) throw EConvertError::notADateTime(text);
    if (scan.atEnd()) return {*day, 0};
    const auto seconds = readTime(scan, settings);
    if (!seconds) throw EConvertError::notADateTime(text);
    return {*day, *seconds};
}

}  // namespace aeon
