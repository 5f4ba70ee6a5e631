// TMainForm driven through real key and mouse events on the offscreen platform.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "errors.h"
#include "form_font.h"
#include "handler_guard.h"
#include "main.h"
#include "regional_settings.h"
#include "year_model.h"

namespace {

const QString kBlank = QStringLiteral("--");

// The six rows top to bottom: box, button, result label.
struct RowNames {
    const char* edit;
    const char* button;
    const char* result;
};
constexpr RowNames kRows[] = {{"Edit6", "Button6", "Label16"}, {"Edit1", "Button1", "Label17"},
                              {"Edit2", "Button2", "Label18"}, {"Edit3", "Button3", "Label19"},
                              {"Edit4", "Button4", "Label20"}, {"Edit5", "Button5", "Label21"}};

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TMainForm> form;
    QStringList errors;

    template <typename T>
    T* child(const char* name) const {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* edit(int row) const { return child<QLineEdit>(kRows[row].edit); }
    QPushButton* button(int row) const { return child<QPushButton>(kRows[row].button); }
    QLabel* result(int row) const { return child<QLabel>(kRows[row].result); }
    QComboBox* selector() const { return child<QComboBox>("ComboBox1"); }

    void enter(int row, const QString& text) {
        QTest::mouseClick(edit(row), Qt::LeftButton);
        QTest::keyClicks(edit(row), text);
    }
    void fillAllRows() {
        for (int row = 0; row < 6; ++row) {
            enter(row, QStringLiteral("1"));
            QTest::mouseClick(button(row), Qt::LeftButton);
        }
    }
    void expectAllRowsCleared() const {
        for (int row = 0; row < 6; ++row) {
            QVERIFY(edit(row)->text().isEmpty());
            QVERIFY(!button(row)->isEnabled());
            QCOMPARE(result(row)->text(), kBlank);
        }
    }

  private slots:
    void init() {
        aeon::setCurrentRegionalSettings(aeon::RegionalSettings::german());
        aeon::SelectYearModel(0);
        errors.clear();
        aeon::ui::setErrorHook([this](std::exception_ptr error) {
            try {
                std::rethrow_exception(error);
            } catch (const aeon::ConversionError& e) {
                errors << QString::fromUtf8(e.kindName()) + ": " + QString::fromUtf8(e.what());
            }
        });
        form = std::make_unique<TMainForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() {
        form.reset();
        aeon::ui::setErrorHook(nullptr);
    }

    void initialState() {
        QCOMPARE(form->windowTitle(), QStringLiteral("AEONARIUM"));
        QCOMPARE(selector()->currentIndex(), 0);
        QCOMPARE(selector()->count(), 2);
        QCOMPARE(selector()->itemText(0),
                 QStringLiteral("Kosmologisches Jahr (13,798 Mrd. Jahre)"));
        QCOMPARE(selector()->itemText(1), QStringLiteral("Kosmisches Jahr (4.4568 Mrd. Jahre)"));
        for (int row = 0; row < 6; ++row) {
            QVERIFY(edit(row)->text().isEmpty());
            QVERIFY(!button(row)->isEnabled());
            QCOMPARE(button(row)->text(), QStringLiteral(">>"));
            QCOMPARE(result(row)->text(), kBlank);
        }
        QCOMPARE(QApplication::focusWidget(), selector());
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(form->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->minimumSize(), form->maximumSize());
    }

    void convertsEveryRow_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("expected");
        QTest::newRow("billions") << 0 << 0 << "1"
                                  << "04.12.2016 13:07:31";
        QTest::newRow("millions") << 0 << 1 << "65"
                                  << "29.12.2016 06:43:59";
        QTest::newRow("hundred-thousands") << 0 << 2 << "2"
                                           << "30.12.2016 23:52:22";
        QTest::newRow("thousands") << 0 << 3 << "6899"
                                   << "30.12.2016 19:37:12";
        QTest::newRow("hundreds") << 0 << 4 << "1"
                                  << "30.12.2016 23:59:59";
        QTest::newRow("years") << 0 << 5 << "2000"
                               << "30.12.2016 23:59:55";
        QTest::newRow("cosmic millions") << 1 << 1 << "619"
                                         << "10.11.2016 07:20:00";
        QTest::newRow("cosmic years") << 1 << 5 << "2000"
                                      << "30.12.2016 23:59:45";
    }
    void convertsEveryRow() {
        QFETCH(int, model);
        QFETCH(int, row);
        QFETCH(QString, age);
        QFETCH(QString, expected);
        if (model == 1) QTest::keyClick(selector(), Qt::Key_Down);
        enter(row, age);
        QVERIFY(button(row)->isEnabled());
        const int leftBefore = result(row)->x();
        QTest::mouseClick(button(row), Qt::LeftButton);
        QCOMPARE(result(row)->text(), expected);
        QCOMPARE(result(row)->x(), leftBefore);  // grows to the right
        QVERIFY(result(row)->width() >= result(row)->sizeHint().width());
        for (int other = 0; other < 6; ++other) {
            if (other != row) QCOMPARE(result(other)->text(), kBlank);
        }
        QVERIFY(errors.isEmpty());
    }

    void buttonFollowsTheBox() {
        enter(1, QStringLiteral("65"));
        QVERIFY(button(1)->isEnabled());
        QTest::keyClick(edit(1), Qt::Key_Backspace);
        QVERIFY(button(1)->isEnabled());
        QTest::keyClick(edit(1), Qt::Key_Backspace);
        QVERIFY(!button(1)->isEnabled());
        QTest::keyClicks(edit(1), QStringLiteral("7"));
        QTest::keySequence(edit(1), QKeySequence::Undo);
        QVERIFY(edit(1)->text().isEmpty());
        QVERIFY(!button(1)->isEnabled());
        edit(1)->setText(QStringLiteral("3"));  // a change by the program counts too
        QVERIFY(button(1)->isEnabled());
    }

    void boxesHaveNoLengthLimit() {
        const QString longText(100'000, QLatin1Char('9'));
        edit(1)->setText(longText);
        QCOMPARE(edit(1)->text().size(), longText.size());
    }

    void blanksEnableTheButtonAndRaiseTheNumberError() {
        QTest::mouseClick(button(1), Qt::LeftButton);  // disabled: nothing happens
        QVERIFY(errors.isEmpty());
        enter(1, QStringLiteral("65"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        edit(1)->selectAll();
        QTest::keyClicks(edit(1), QStringLiteral("  "));
        QVERIFY(button(1)->isEnabled());
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(errors, QStringList{"EConvertError: '  ' ist kein gültiger Gleitkommawert"});
        QCOMPARE(result(1)->text(), QStringLiteral("29.12.2016 06:43:59"));  // unchanged
        QCOMPARE(edit(1)->text(), QStringLiteral("  "));
    }

    void modelChangeClearsEveryRow() {
        fillAllRows();
        QTest::keyClick(selector(), Qt::Key_Down);
        QCOMPARE(selector()->currentIndex(), 1);
        QCOMPARE(aeon::currentYearModel().SpanBillionYears, 4.4568);
        expectAllRowsCleared();
        // Down again on the last item is still a selection: the rows clear again.
        fillAllRows();
        QTest::keyClick(selector(), Qt::Key_Down);
        expectAllRowsCleared();
    }

    void backspaceOnTheSelectorClearsWithoutChangingTheModel() {
        QTest::keyClick(selector(), Qt::Key_Down);
        fillAllRows();
        selector()->setFocus();
        QTest::keyClick(selector(), Qt::Key_Backspace);
        QCOMPARE(selector()->currentIndex(), 1);
        QCOMPARE(aeon::currentYearModel().SpanBillionYears, 4.4568);
        expectAllRowsCleared();
    }

    void typedSearchSelectsOnlyWhenItMoves() {
        fillAllRows();
        selector()->setFocus();
        QTest::keyClicks(selector(), QStringLiteral("K"));  // first item already selected
        QCOMPARE(selector()->currentIndex(), 0);
        QCOMPARE(result(0)->text(), QStringLiteral("04.12.2016 13:07:31"));

        QTest::keyClick(selector(), Qt::Key_Down);
        fillAllRows();
        selector()->setFocus();
        QTest::qWait(aeon::ui::SelectorKeys::kSearchIntervalMs + 100);
        QTest::keyClicks(selector(), QStringLiteral("k"));
        QCOMPARE(selector()->currentIndex(), 0);
        QCOMPARE(aeon::currentYearModel().SpanBillionYears, 13.798);
        expectAllRowsCleared();

        // Keys in quick succession extend the search: "kosmis" finds the second item.
        QTest::qWait(aeon::ui::SelectorKeys::kSearchIntervalMs + 100);
        QTest::keyClicks(selector(), QStringLiteral("kosmis"));
        QCOMPARE(selector()->currentIndex(), 1);
    }

    void choosingInTheOpenListAlwaysNotifies() {
        fillAllRows();
        selector()->showPopup();
        QAbstractItemView* view = selector()->view();
        QTRY_VERIFY(view->isVisible());
        const QRect item = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(selector()->currentIndex(), 0);
        expectAllRowsCleared();  // the same item again still counts
    }

    void tabOrderSkipsDisabledButtonsAndWraps() {
        enter(1, QStringLiteral("5"));  // enables Button1 only
        selector()->setFocus(Qt::TabFocusReason);
        const QStringList forward = {"Edit6", "Edit1", "Button1", "Edit2",
                                     "Edit3", "Edit4", "Edit5",   "ComboBox1"};
        for (const QString& expected : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit5"));
    }

    void tabSelectsTheBoxTextClickDoesNot() {
        enter(0, QStringLiteral("123"));
        QTest::mouseClick(edit(1), Qt::LeftButton);
        QTest::mouseClick(edit(0), Qt::LeftButton);
        QVERIFY(!edit(0)->hasSelectedText());
        selector()->setFocus();
        QTest::keyClick(selector(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit(0));
        QCOMPARE(edit(0)->selectedText(), QStringLiteral("123"));
    }

    void enterAndSpaceClickTheFocusedButton() {
        enter(1, QStringLiteral("65"));
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Return);
        QCOMPARE(result(1)->text(), QStringLiteral("29.12.2016 06:43:59"));
        enter(0, QStringLiteral("1"));
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key_Space);
        QCOMPARE(result(0)->text(), QStringLiteral("04.12.2016 13:07:31"));
    }

    void enterElsewhereAndEscapeDoNothing() {
        enter(1, QStringLiteral("65"));
        QTest::keyClick(edit(1), Qt::Key_Return);
        QTest::keyClick(edit(1), Qt::Key_Escape);
        QCOMPARE(result(1)->text(), kBlank);
        QCOMPARE(edit(1)->text(), QStringLiteral("65"));
        QVERIFY(form->isVisible());
    }

    void arrowsMoveFocusOnlyFromAButton() {
        enter(1, QStringLiteral("65"));
        QTest::keyClick(edit(1), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), edit(1));
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), edit(2));
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), edit(1));
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), edit(2));
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), edit(1));
    }

    void layoutFollowsTheForm() {
        if (aeon::ui::formTextHeight(form->font()) != 13)
            QSKIP("the window font does not measure 13");
        QCOMPARE(form->size(), QSize(505, 316));
        const struct {
            const char* name;
            QRect geometry;
        } controls[] = {
            {"ComboBox1", {16, 8, 331, 21}}, {"Edit6", {48, 54, 65, 21}},
            {"Button6", {272, 54, 75, 25}},  {"Edit1", {48, 88, 65, 21}},
            {"Button1", {272, 88, 75, 25}},  {"Edit2", {48, 123, 65, 21}},
            {"Button2", {272, 123, 75, 25}}, {"Edit3", {48, 158, 65, 21}},
            {"Button3", {272, 158, 75, 25}}, {"Edit4", {48, 198, 65, 21}},
            {"Button4", {272, 198, 75, 25}}, {"Edit5", {48, 233, 65, 21}},
            {"Button5", {272, 233, 75, 25}},
        };
        for (const auto& c : controls) QCOMPARE(child<QWidget>(c.name)->geometry(), c.geometry);
        const struct {
            const char* name;
            int left, top;
            const char* text;
        } labels[] = {
            {"Label14", 16, 54, "Vor"},  {"Label15", 119, 54, "Milliarden Jahren"},
            {"Label2", 16, 88, "Vor"},   {"Label7", 119, 88, "Millionen Jahren"},
            {"Label3", 16, 123, "Vor"},  {"Label4", 119, 123, "Hunderttausend Jahren"},
            {"Label8", 16, 158, "Vor"},  {"Label9", 120, 158, "Tausend Jahren"},
            {"Label10", 16, 198, "Vor"}, {"Label11", 119, 198, "Hundert Jahren"},
            {"Label12", 16, 233, "Vor"}, {"Tl", 119, 233, "Jahren"},
            {"Label16", 384, 54, "--"},  {"Label21", 384, 233, "--"},
        };
        for (const auto& l : labels) {
            QLabel* label = child<QLabel>(l.name);
            QCOMPARE(label->pos(), QPoint(l.left, l.top));
            QCOMPARE(label->text(), QString::fromUtf8(l.text));
            QCOMPARE(label->height(), 13);
        }
        QCOMPARE(form->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(form->font().pixelSize(), 11);
    }

    void accessibleNamesSayTheRow() {
        QCOMPARE(edit(1)->accessibleName(), QStringLiteral("Vor … Millionen Jahren"));
        QCOMPARE(button(1)->accessibleName(), QStringLiteral("Umrechnen: Millionen Jahre"));
        QCOMPARE(result(1)->accessibleName(), QStringLiteral("Ergebnis: Millionen Jahre"));
        QCOMPARE(edit(5)->accessibleName(), QStringLiteral("Vor … Jahren"));
    }

    void rightClickOnAResultCopiesIt() {
        enter(1, QStringLiteral("65"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QWidget* focusBefore = QApplication::focusWidget();
        QGuiApplication::clipboard()->clear();
        const QPoint inside(2, result(1)->height() / 2);
        QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, inside,
                                      result(1)->mapToGlobal(inside));
        QTimer::singleShot(0, [] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().first()->text(), QStringLiteral("Kopieren"));
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QApplication::sendEvent(result(1), &menuRequest);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("29.12.2016 06:43:59"));
        QCOMPARE(form->focusWidget(), focusBefore);  // the window keeps its focus control
        // Buttons, boxes and the selector offer nothing new.
        QCOMPARE(button(1)->contextMenuPolicy(), Qt::DefaultContextMenu);
        QVERIFY(button(1)->actions().isEmpty());
    }

    void screenshot() {
        enter(1, QStringLiteral("65"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        const QString path = QStringLiteral(AEONARIUM_SCREENSHOT_PATH);
        QVERIFY(form->grab().save(path));
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
