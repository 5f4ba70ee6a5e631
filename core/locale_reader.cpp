// Reads the process's POSIX locale (the one place in core that touches the platform).
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

#include "posix_locale_mapping.h"
#include "regional_settings.h"

namespace aeon {
namespace {

// Locale text in the locale's own character set, re-encoded as UTF-8; nothing if it cannot be.
class LocaleText {
  public:
    explicit LocaleText(locale_t locale) : locale_(locale) {
        const std::string_view codeset = nl_langinfo_l(CODESET, locale);
        utf8_ = codeset == "UTF-8" || codeset == "ANSI_X3.4-1968";
        if (!utf8_) converter_ = iconv_open("UTF-8", std::string(codeset).c_str());
    }
    ~LocaleText() {
        if (converter_ != reinterpret_cast<iconv_t>(-1)) iconv_close(converter_);
    }
    LocaleText(const LocaleText&) = delete;
    LocaleText& operator=(const LocaleText&) = delete;

    std::string item(nl_item which) const {
        const char* raw = nl_langinfo_l(which, locale_);
        std::string text = raw != nullptr ? raw : "";
        if (utf8_ || text.empty()) return text;
        return toUtf8(text).value_or(std::string());
    }

  private:
    std::optional<std::string> toUtf8(std::string input) const {
        if (converter_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 4, '\0');
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(converter_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        output.resize(output.size() - outLeft);
        return output;
    }

    locale_t locale_;
    bool utf8_ = true;
    iconv_t converter_ = reinterpret_cast<iconv_t>(-1);
};

template <std::size_t N>
void readNames(const LocaleText& text, nl_item first, std::array<std::string, N>& names) {
    for (std::size_t i = 0; i < N; ++i) names[i] = text.item(static_cast<nl_item>(first + i));
}

}  // namespace

std::optional<PosixLocaleData> readPosixLocale() {
    // An empty name asks for the locale that LC_ALL, LC_TIME / LC_NUMERIC or LANG name.
    const locale_t locale = newlocale(LC_NUMERIC_MASK | LC_TIME_MASK | LC_CTYPE_MASK, "",
                                      static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return std::nullopt;
    PosixLocaleData data;
    {
        const LocaleText text(locale);
        data.radixChar = text.item(RADIXCHAR);
        data.dateFormat = text.item(D_FMT);
        data.timeFormat = text.item(T_FMT);
        data.timeFormatAmPm = text.item(T_FMT_AMPM);
        data.amString = text.item(AM_STR);
        data.pmString = text.item(PM_STR);
        readNames(text, MON_1, data.longMonthNames);
        readNames(text, ABMON_1, data.shortMonthNames);
        readNames(text, DAY_1, data.longDayNames);
        readNames(text, ABDAY_1, data.shortDayNames);
    }
    freelocale(locale);
    return data;
}

void LoadRegionalSettings() {
    const auto data = readPosixLocale();
    setCurrentRegionalSettings(data ? settingsFromPosixLocale(*data)
                                    : RegionalSettings::fallback());
}

}  // namespace aeon
