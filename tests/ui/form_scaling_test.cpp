// Form scaling: at 144 dpi the font grows by 144/96 and the layout by its text height / 13.
#include <QtTest>

#include "form_font.h"

namespace {

// A form as designed: Tahoma, 505 x 316, with the selector and the first box.
struct DesignForm {
    QWidget form;
    QWidget selector{&form};
    QWidget box{&form};

    DesignForm() {
        aeon::ui::ensureTahoma();
        form.setFont(QFont(QStringLiteral("Tahoma")));
        form.setFixedSize(505, 316);
        selector.setGeometry(16, 8, 331, 21);
        box.setGeometry(48, 54, 65, 21);
    }
};

}  // namespace

class FormScalingTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutGrowsWithTheFont() {
        DesignForm design;
        QWidget& form = design.form;
        const int measured = aeon::ui::applyFormFont(form, 144);
        // 11 px at 96 dpi is 16.5 px at 144 dpi, rounded to 17; Tahoma's cell is then 17 + 4.
        QCOMPARE(form.font().pixelSize(), 17);
        QCOMPARE(measured, 21);
        // Every edge scales by 21/13 with rounding; widths are the differences of the edges.
        QCOMPARE(form.size(), QSize(816, 510));  // 815.77 and 510.46
        QCOMPARE(design.selector.geometry(), QRect(26, 13, 535, 34));
        QCOMPARE(design.box.geometry(), QRect(78, 87, 105, 34));
    }

    void atTheDesignResolutionNothingMoves() {
        DesignForm design;
        QCOMPARE(aeon::ui::applyFormFont(design.form, 96), 13);
        QCOMPARE(design.form.size(), QSize(505, 316));
        QCOMPARE(design.selector.geometry(), QRect(16, 8, 331, 21));
        QCOMPARE(design.box.geometry(), QRect(48, 54, 65, 21));
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
