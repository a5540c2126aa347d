// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows with the keyboard alone: the focus shows from the moment a window opens, Escape and
// Ctrl+W close a converter window as its close button does, and Return or Enter press the
// main-window button that has the focus.
#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "windowsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// Whether the style is told to draw the widget's focus: it has the focus in the active window,
// and the window shows focus as after a key press.
bool focusShows(QWidget *w)
{
    QStyleOption option;
    option.initFrom(w);
    return (option.state & QStyle::State_HasFocus)
        && (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void focusShowsAtOpen_data() { addEveryWindow(); }
    void focusShowsAtOpen();
    void closeKeys_data();
    void closeKeys();
    void returnPressesMainButtons_data();
    void returnPressesMainButtons();
};

// The top source button holds the focus and the style draws it, before any key is pressed; the
// same after the window is closed and shown again.
void TestKeyboard::focusShowsAtOpen()
{
    QFETCH(QByteArray, window);
    const Quantity &q = quantityNamed(window);
    const auto w = open(q);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    for (int shown = 0; shown < 2; ++shown) {
        QWidget *top = child(*w, QString::fromLatin1(q.rows.front().source));
        QCOMPARE(QApplication::focusWidget(), top);
        QVERIFY(focusShows(top));
        w->close();
        w->present();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
}

void TestKeyboard::closeKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus");
    const QKeySequence escape(Qt::Key_Escape);
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    QTest::newRow("Escape on a unit") << escape << QStringLiteral("m1");
    QTest::newRow("Escape in the input") << escape << QString(kInputBox.latin1());
    QTest::newRow("Ctrl+W on Calcola") << ctrlW << QString::fromLatin1(kCalcola);
    QTest::newRow("Ctrl+W in a fraction box") << ctrlW << QStringLiteral("txt_conv1_2");
}

// The key closes the window wherever the focus is, and the next show reloads its controls.
void TestKeyboard::closeKeys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    const auto w = open(quantities::lunghezze());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    child<QRadioButton>(*w, QStringLiteral("in_1_2"))->click();
    child<QRadioButton>(*w, QStringLiteral("in2"))->click();
    child<QLineEdit>(*w, kInputBox)->setText(QStringLiteral("7"));
    w->calcola();
    QCOMPARE(child<QLineEdit>(*w, kResultBox)->text(), QStringLiteral("7"));

    child(*w, focus)->setFocus();
    QTest::keySequence(QApplication::focusWidget(), keys);
    QVERIFY(!w->isVisible());

    w->present();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(child<QLineEdit>(*w, kInputBox)->text(), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(*w, kResultBox)->text(), QString());
    QVERIFY(!child<QRadioButton>(*w, QStringLiteral("in_1_2"))->isChecked());
    QVERIFY(!child(*w, QStringLiteral("txt_conv1_2"))->isVisible());
}

void TestKeyboard::returnPressesMainButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("index");
    QTest::newRow("Return on Lunghezze") << int(Qt::Key_Return) << 0 << 3;
    QTest::newRow("Enter on Volumi") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 9;
}

// The main window opens with its first button's focus shown; the key on the focused button opens
// its window, and only that one.
void TestKeyboard::returnPressesMainButtons()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, index);
    MainWindow main([](const QString &) {});
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), child(main, QStringLiteral("btn_accelerazioni")));
    QVERIFY(focusShows(QApplication::focusWidget()));
    const QString name = QString::fromLatin1(catalogue().at(index)->button);
    child<QPushButton>(main, name)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (int i = 0; i < int(catalogue().size()); ++i) {
        ConverterWindow *w = main.existingWindow(*catalogue().at(i));
        QCOMPARE(w && w->isVisible(), i == index);
    }
    ConverterWindow *opened = main.existingWindow(*catalogue().at(index));
    QCOMPARE(opened->objectName(), QLatin1String(catalogue().at(index)->name));
    // A modified Return is not a press.
    opened->close();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    child<QPushButton>(main, name)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!opened->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
