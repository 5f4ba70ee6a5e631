// The date reader: two or three numbers between date separators, ordered by the pattern.
#include "date_text.h"

#include <chrono>

#include "calendar.h"
#include "errors.h"

namespace aeon {
namespace {

struct ScannedNumber {
    int value = 0;
    int digits = 0;
};

class DateScanner {
  public:
    DateScanner(std::string_view text, std::string_view separator)
        : text_(text), separator_(separator) {}

    bool number(ScannedNumber& out) {
        skipBlanks();
        out = {};
        // Digits are taken while the value is still below 1000, so at most 9999 is read.
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' &&
               out.value < 1000) {
            out.value = out.value * 10 + (text_[pos_++] - '0');
            ++out.digits;
        }
        return out.digits > 0;
    }

    bool separator() {
        const std::size_t saved = pos_;
        skipBlanks();
        if (!separator_.empty() && text_.substr(pos_, separator_.size()) == separator_) {
            pos_ += separator_.size();
            return true;
        }
        pos_ = saved;
        return false;
    }

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

  private:
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    std::string_view text_;
    std::string_view separator_;
    std::size_t pos_ = 0;
};

int expandTwoDigitYear(const ScannedNumber& year, int presentYear) {
    if (year.digits > 2) return year.value;
    const int threshold = presentYear - 50;
    int result = year.value + threshold / 100 * 100;
    if (result < threshold) result += 100;
    return result;
}

}  // namespace

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

double TextToDate(std::string_view text, const RegionalSettings& settings, int presentYear) {
    DateScanner scan(text, settings.dateSeparator);
    ScannedNumber first;
    ScannedNumber second;
    ScannedNumber third;
    if (!(scan.number(first) && scan.separator() && scan.number(second))) {
        throw EConvertError::notADate(text);
    }
    bool haveThird = false;
    const std::size_t afterSecond = scan.position();
    if (scan.separator()) {
        haveThird = scan.number(third);
        if (!haveThird) scan.rewind(afterSecond);  // a lone trailing separator is allowed below
    }
    scan.separator();
    if (!scan.atEnd()) throw EConvertError::notADate(text);

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
    if (!valid) throw EConvertError::notADate(text);
    return static_cast<double>(dayNumber(date));
}

double TextToDate(std::string_view text) {
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return TextToDate(text, currentRegionalSettings(), static_cast<int>(today.year()));
}

}  // namespace aeon
