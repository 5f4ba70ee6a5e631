// The pattern renderer: token runs, nested patterns one level deep, 12-hour rules, quotes.
#include "date_format.h"

#include <algorithm>
#include <cstdint>

#include "calendar.h"
#include "errors.h"
#include "extended.h"
#include "utf8.h"

namespace aeon {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
// 256 characters take at most this many bytes; past it nothing more can show.
constexpr std::size_t kByteBudget = kMaxDateTimeTextLength * 4;

struct Instant {
    std::int64_t day;
    CivilDate date;
    int hour, minute, second, millisecond;
};

Instant decode(double value) {
    static const Extended millisecondsPerDay = Extended::fromInt(kMillisecondsPerDay);
    const auto total = (Extended::fromDouble(value) * millisecondsPerDay).roundToInt64();
    if (!total) throw EInvalidOp();
    std::int64_t day = *total / kMillisecondsPerDay;
    std::int64_t time = *total % kMillisecondsPerDay;
    if (time < 0) {  // the timeline is linear before 30 December 1899 too
        time += kMillisecondsPerDay;
        --day;
    }
    if (day < kFirstDayNumber || day > kLastDayNumber) throw EInvalidOp();
    const auto t = static_cast<int>(time);
    return {day, civilDate(day), t / 3'600'000, t / 60'000 % 60, t / 1000 % 60, t % 1000};
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) return false;
    }
    return true;
}

bool isMarkerAt(std::string_view rest) {
    return startsWithIgnoringCase(rest, "am/pm") || startsWithIgnoringCase(rest, "a/p") ||
           startsWithIgnoringCase(rest, "ampm");
}

// Whether the first unquoted h or a after an hour token begins a 12-hour marker.
bool markerFollows(std::string_view rest) {
    char quote = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == 'a' || c == 'A') {
            return isMarkerAt(rest.substr(i));
        } else if (c == 'h' || c == 'H') {
            return false;
        }
    }
    return false;
}

class Renderer {
  public:
    Renderer(const RegionalSettings& settings, const Instant& instant)
        : s_(settings), t_(instant) {}

    void render(std::string_view pattern, int level);
    // At most 256 bytes are at most 256 characters: only a longer text needs counting.
    std::string result() const {
        const std::string_view text(out_, length_);
        return std::string(
            length_ > kMaxDateTimeTextLength ? utf8::prefix(text, kMaxDateTimeTextLength) : text);
    }

  private:
    void append(std::string_view text) {
        const std::size_t n = std::min(text.size(), kByteBudget - length_);
        // Most pieces are a character or two: a plain loop beats a call to memcpy.
        for (std::size_t i = 0; i < n; ++i) out_[length_ + i] = text[i];
        length_ += n;
    }
    // Values are never negative here (years 1..9999, months, days, times); digits go in pairs.
    void appendNumber(int value, int minDigits) {
        static constexpr char kPairs[] =
            "00010203040506070809101112131415161718192021222324252627282930313233343536373839404142"
            "43"
            "44454647484950515253545556575859606162636465666768697071727374757677787980818283848586"
            "87"
            "888990919293949596979899";
        char digits[16];
        char* const end = digits + sizeof digits;
        char* begin = end;
        while (value >= 100) {
            const int pair = value % 100;
            value /= 100;
            *--begin = kPairs[2 * pair + 1];
            *--begin = kPairs[2 * pair];
        }
        *--begin = kPairs[2 * value + 1];
        if (value >= 10) *--begin = kPairs[2 * value];
        while (end - begin < minDigits) *--begin = '0';
        append(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    }
    bool timeIsMidnight() const { return t_.hour == 0 && t_.minute == 0 && t_.second == 0; }

    const RegionalSettings& s_;
    const Instant& t_;
    // The text is built in place: it can never exceed the byte budget.
    char out_[kByteBudget];
    std::size_t length_ = 0;
};

void Renderer::render(std::string_view pattern, int level) {
    if (level >= 2) return;  // a pattern reached from another one is not expanded further
    char lastToken = ' ';
    bool twelveHour = false;
    std::size_t i = 0;
    while (i < pattern.size() && length_ < kByteBudget) {
        const char start = pattern[i++];
        char token = (start >= 'a' && start <= 'z') ? static_cast<char>(start - 'a' + 'A') : start;
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastToken == 'H') token = 'N';
            lastToken = token;
        }
        auto runLength = [&] {
            const std::size_t begin = i;
            while (i < pattern.size() && pattern[i] == start) ++i;
            return static_cast<int>(i - begin) + 1;
        };
        switch (token) {
            case 'Y': {
                const int count = runLength();
                if (count <= 2) {
                    appendNumber(t_.date.year % 100, 2);
                } else {
                    appendNumber(t_.date.year, 4);
                }
                break;
            }
            case 'G':
                runLength();
                append(s_.eraName);
                break;
            case 'E':
                appendNumber(t_.date.year, runLength() == 1 ? 1 : 2);
                break;
            case 'M': {
                const int count = runLength();
                const auto month = static_cast<std::size_t>(t_.date.month - 1);
                if (count <= 2) {
                    appendNumber(t_.date.month, count);
                } else {
                    append(count == 3 ? s_.shortMonthNames[month] : s_.longMonthNames[month]);
                }
                break;
            }
            case 'D': {
                const int count = runLength();
                const auto weekday = static_cast<std::size_t>(dayOfWeek(t_.day));
                if (count <= 2) {
                    appendNumber(t_.date.day, count);
                } else if (count == 3) {
                    append(s_.shortDayNames[weekday]);
                } else if (count == 4) {
                    append(s_.longDayNames[weekday]);
                } else {
                    render(count == 5 ? s_.shortDatePattern : s_.longDatePattern, level + 1);
                }
                break;
            }
            case 'H': {
                const int count = std::min(runLength(), 2);
                if (markerFollows(pattern.substr(i))) twelveHour = true;
                int hour = t_.hour;
                if (twelveHour) hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
                appendNumber(hour, count);
                break;
            }
            case 'N':
                appendNumber(t_.minute, std::min(runLength(), 2));
                break;
            case 'S':
                appendNumber(t_.second, std::min(runLength(), 2));
                break;
            case 'Z':
                appendNumber(t_.millisecond, std::min(runLength(), 3));
                break;
            case 'T':
                render(runLength() == 1 ? s_.shortTimePattern : s_.longTimePattern, level + 1);
                break;
            case 'C':
                runLength();
                render(s_.shortDatePattern, level + 1);
                if (!timeIsMidnight()) {
                    append(" ");
                    render(s_.longTimePattern, level + 1);
                }
                break;
            case 'A': {
                const std::string_view here = pattern.substr(i - 1);
                const bool afternoon = t_.hour >= 12;
                if (startsWithIgnoringCase(here, "am/pm")) {
                    append(here.substr(afternoon ? 3 : 0, 2));
                    i += 4;
                    twelveHour = true;
                } else if (startsWithIgnoringCase(here, "a/p")) {
                    append(here.substr(afternoon ? 2 : 0, 1));
                    i += 2;
                    twelveHour = true;
                } else if (startsWithIgnoringCase(here, "ampm")) {
                    append(afternoon ? s_.timePMString : s_.timeAMString);
                    i += 3;
                    twelveHour = true;
                } else if (startsWithIgnoringCase(here, "aaaa")) {
                    append(s_.longDayNames[static_cast<std::size_t>(dayOfWeek(t_.day))]);
                    i += 3;
                } else if (startsWithIgnoringCase(here, "aaa")) {
                    append(s_.shortDayNames[static_cast<std::size_t>(dayOfWeek(t_.day))]);
                    i += 2;
                } else {
                    append(here.substr(0, 1));
                }
                break;
            }
            case '/':
                append(s_.dateSeparator);
                break;
            case ':':
                append(s_.timeSeparator);
                break;
            case '\'':
            case '"': {
                const std::size_t end = pattern.find(start, i);
                append(pattern.substr(i, end == std::string_view::npos ? end : end - i));
                i = end == std::string_view::npos ? pattern.size() : end + 1;
                break;
            }
            default:
                append(std::string_view(&start, 1));
                break;
        }
    }
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, double value,
                           const RegionalSettings& settings) {
    const Instant instant = decode(value);
    Renderer renderer(settings, instant);
    renderer.render(pattern, 0);
    return renderer.result();
}

std::string DateTimeToText(double value, const RegionalSettings& settings) {
    return FormatDateTime("c", value, settings);
}

std::string DateTimeToText(double value) {
    return DateTimeToText(value, currentRegionalSettings());
}

}  // namespace aeon
