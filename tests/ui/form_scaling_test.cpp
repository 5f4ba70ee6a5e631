// Form scaling: at 144 dpi the font grows by 144/96 and the layout by its text height / 13.
#include <QtTest>

#include "form_font.h"

class FormScalingTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutGrowsWithTheFont() {
        aeon::ui::ensureTahoma();
        QWidget form;
        form.setFont(QFont(QStringLiteral("Tahoma")));
        form.setFixedSize(505, 316);
        QWidget selector(&form);
        selector.setGeometry(16, 8, 331, 21);
        QWidget box(&form);
        box.setGeometry(48, 54, 65, 21);

        const int measured = aeon::ui::applyFormFont(form, 144);
        // 11 px at 96 dpi is 16.5 px at 144 dpi, rounded to 17; Tahoma's cell is then 17 + 4.
        QCOMPARE(form.font().pixelSize(), 17);
        QCOMPARE(measured, 21);
        // Every edge scales by 21/13 with rounding; widths are the differences of the edges.
        QCOMPARE(form.size(), QSize(816, 510));  // 815.77 and 510.46
        QCOMPARE(selector.geometry(), QRect(26, 13, 535, 34));
        QCOMPARE(box.geometry(), QRect(78, 87, 105, 34));
    }

    void atTheDesignResolutionNothingMoves() {
        aeon::ui::ensureTahoma();
        QWidget form;
        form.setFont(QFont(QStringLiteral("Tahoma")));
        form.setFixedSize(505, 316);
        QWidget selector(&form);
        selector.setGeometry(16, 8, 331, 21);
        QCOMPARE(aeon::ui::applyFormFont(form, 96), 13);
        QCOMPARE(form.size(), QSize(505, 316));
        QCOMPARE(selector.geometry(), QRect(16, 8, 331, 21));
    }

    void mulDivRoundsToNearest() {
        QCOMPARE(aeon::ui::mulDiv(347, 21, 13), 561);  // 560.54
        QCOMPARE(aeon::ui::mulDiv(13, 21, 13), 21);
        QCOMPARE(aeon::ui::mulDiv(1, 1, 2), 1);  // halves round away from zero
        QCOMPARE(aeon::ui::mulDiv(-1, 1, 2), -1);
    }
};

QTEST_MAIN(FormScalingTest)
#include "form_scaling_test.moc"
