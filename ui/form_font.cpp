// Font set-up and proportional scaling of a fixed-layout form.
#include "form_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QWidget>

namespace aeon::ui {
namespace {

constexpr int kDesignPixelHeight = 11;
constexpr int kDesignDpi = 96;
constexpr int kDesignTextHeight = 13;
constexpr const char* kWineTahoma = "/usr/share/wine/fonts/tahoma.ttf";

}  // namespace

int mulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

void ensureTahoma() {
    static const bool done = [] {
        if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(kWineTahoma));
        }
        return true;
    }();
    (void)done;
}

int formTextHeight(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    if (os2.size() < 78 || raw.unitsPerEm() <= 0) return QFontMetrics(font).height();
    auto u16 = [&os2](int at) {
        return (static_cast<int>(static_cast<unsigned char>(os2[at])) << 8) |
               static_cast<unsigned char>(os2[at + 1]);
    };
    const double scale = raw.pixelSize() / raw.unitsPerEm();
    return qRound(u16(74) * scale) + qRound(u16(76) * scale);
}

int applyFormFont(QWidget& form, int dpi) {
    QFont font = form.font();
    font.setPixelSize(mulDiv(kDesignPixelHeight, dpi, kDesignDpi));
    form.setFont(font);

    const int measured = formTextHeight(font);
    if (measured == kDesignTextHeight) return measured;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        const int left = mulDiv(r.left(), measured, kDesignTextHeight);
        const int top = mulDiv(r.top(), measured, kDesignTextHeight);
        const int right = mulDiv(r.left() + r.width(), measured, kDesignTextHeight);
        const int bottom = mulDiv(r.top() + r.height(), measured, kDesignTextHeight);
        child->setGeometry(left, top, right - left, bottom - top);
    }
    const QSize client(mulDiv(form.width(), measured, kDesignTextHeight),
                       mulDiv(form.height(), measured, kDesignTextHeight));
    form.setFixedSize(client);
    return measured;
}

}  // namespace aeon::ui
