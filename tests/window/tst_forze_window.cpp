// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The force window driven through its widgets.
#include "catalogue.h"
#include "converterwindow.h"
#include "windowsupport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

class TestForzeWindow : public QObject {
    Q_OBJECT

private:
    template <typename T> static T *child(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("no control named %s", name);
        return c;
    }
    static QString result(QWidget *w) { return child<QLineEdit>(w, "txt_sol")->text(); }
    static void type(QWidget *w, const QString &text)
    {
        QLineEdit *input = child<QLineEdit>(w, "txt_conv");
        input->clear();
        QTest::keyClicks(input, text);
    }

private slots:
    void init() { QLocale::setDefault(italian); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void initialState();
    void namesCaptionsAndGeometry();
    void pressThroughWidgets_data();
    void pressThroughWidgets();
    void enterPressesCalcola();
    void localeIsReadAtEachPress();
    void failureLeavesWindowAsItWas();
    void heldPivotSurvivesClosing();
    void tabOrderAndFocus();
    void captionsAreNotClipped();
};

void TestForzeWindow::initialState()
{
    ConverterWindow w(quantities::forze());
    w.present();
    QCOMPARE(w.objectName(), QStringLiteral("frm_forze"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Forze"));
    QCOMPARE(child<QLineEdit>(&w, "txt_conv")->text(), QStringLiteral("1"));
    QCOMPARE(result(&w), QString());
    QVERIFY(child<QLineEdit>(&w, "txt_sol")->isReadOnly());
    QVERIFY(!child<QLineEdit>(&w, "txt_conv")->isReadOnly());
    for (QRadioButton *b : w.findChildren<QRadioButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QCOMPARE(w.findChildren<QRadioButton *>().size(), 18);
    QCOMPARE(child<QPushButton>(&w, "btn_Calcola")->text(), QStringLiteral("Calcola"));
}

void TestForzeWindow::namesCaptionsAndGeometry()
{
    ConverterWindow w(quantities::forze());
    w.present();
    QCOMPARE(w.size(), QSize(314, 301)); // 4710 x 4515 twips
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(child<QGroupBox>(&w, "Frame1")->geometry(), QRect(0, 0, 153, 273));
    QCOMPARE(child<QGroupBox>(&w, "Frame2")->geometry(), QRect(160, 0, 153, 273));
    QCOMPARE(child<QRadioButton>(&w, "opt_lbs")->text(), QStringLiteral("libbra            (lbs)"));
    QCOMPARE(
        child<QRadioButton>(&w, "opt_lbs2")->text(), QStringLiteral("libbra             (lbs)"));
    // 195 twips, 13 pixels, or the height of the radio indicator where the style draws it taller.
    auto *dyna = child<QRadioButton>(&w, "Opt_dyn2");
    QCOMPARE(dyna->height(),
        std::max(
            13, dyna->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, dyna)));
    QCOMPARE(child<QRadioButton>(&w, "opt_oz1")->geometry().topLeft(), QPoint(8, 144));
    // The result box stands on the window itself, over the target frame.
    QLineEdit *sol = child<QLineEdit>(&w, "txt_sol");
    QVERIFY(sol->parentWidget()->objectName() != QStringLiteral("Frame2"));
    QCOMPARE(sol->mapTo(&w, QPoint(0, 0)), QPoint(168, 248));
    QCOMPARE(child<QLineEdit>(&w, "txt_conv")->mapTo(&w, QPoint(0, 0)), QPoint(8, 248));
    QCOMPARE(child<QPushButton>(&w, "btn_Calcola")->geometry(), QRect(112, 280, 89, 17));
}

void TestForzeWindow::pressThroughWidgets_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("kg to N") << QByteArray("opt_kg1") << QByteArray("opt_n2") << "1"
                             << "9,80665";
    QTest::newRow("oz to lbs") << QByteArray("opt_oz1") << QByteArray("opt_lbs2") << "16"
                               << "0,999999853999956";
    QTest::newRow("kg to kg 1,50") << QByteArray("opt_kg1") << QByteArray("opt_kg2") << "1,50"
                                   << "1,5";
    QTest::newRow("dyn to g") << QByteArray("opt_dyn1") << QByteArray("opt_g2") << "-980665"
                              << "-1000";
}

void TestForzeWindow::pressThroughWidgets()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    FailureCapture failures;
    ConverterWindow w(quantities::forze());
    w.present();
    type(&w, input);
    QTest::mouseClick(child<QRadioButton>(&w, source), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>(&w, target), Qt::LeftButton);
    QCOMPARE(result(&w), QString()); // nothing is computed before the press
    QTest::mouseClick(child<QPushButton>(&w, "btn_Calcola"), Qt::LeftButton);
    QCOMPARE(result(&w), expected);
    QCOMPARE(child<QLineEdit>(&w, "txt_conv")->text(), input);
    QVERIFY(failures.failures.isEmpty());
}

void TestForzeWindow::enterPressesCalcola()
{
    ConverterWindow w(quantities::forze());
    w.present();
    child<QRadioButton>(&w, "opt_kg1")->click();
    child<QRadioButton>(&w, "opt_g2")->click();
    QLineEdit *input = child<QLineEdit>(&w, "txt_conv");
    input->setFocus();
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(result(&w), QStringLiteral("1000"));
    type(&w, QStringLiteral("3"));
    QTest::keyClick(input, Qt::Key_Enter);
    QCOMPARE(result(&w), QStringLiteral("3000"));
}

void TestForzeWindow::localeIsReadAtEachPress()
{
    ConverterWindow w(quantities::forze());
    w.present();
    child<QRadioButton>(&w, "opt_g1")->click();
    child<QRadioButton>(&w, "opt_kg2")->click();
    type(&w, QStringLiteral("1500"));
    w.calcola();
    QCOMPARE(result(&w), QStringLiteral("1,5"));
    QLocale::setDefault(english);
    w.calcola();
    QCOMPARE(result(&w), QStringLiteral("1.5"));
}

void TestForzeWindow::failureLeavesWindowAsItWas()
{
    FailureCapture failures;
    ConverterWindow w(quantities::forze());
    w.present();
    child<QRadioButton>(&w, "opt_kn1")->click();
    child<QRadioButton>(&w, "opt_kg2")->click();
    w.calcola();
    const QString before = result(&w);
    QCOMPARE(before, QStringLiteral("101,971621297793"));

    type(&w, QStringLiteral("1.5")); // the Italian grouping point: not a number
    w.calcola();
    QCOMPARE(failures.failures, QList<Failure>{Failure::NotANumber});
    QCOMPARE(failures.windows, QList<QWidget *>{&w});
    QCOMPARE(result(&w), before);
    QCOMPARE(child<QLineEdit>(&w, "txt_conv")->text(), QStringLiteral("1.5"));
    QVERIFY(child<QRadioButton>(&w, "opt_kn1")->isChecked());

    type(&w, QStringLiteral("1E+307"));
    w.calcola();
    QCOMPARE(failures.failures.last(), Failure::OutOfRange);
    QCOMPARE(result(&w), before);
    QVERIFY(w.isVisible());
}

void TestForzeWindow::heldPivotSurvivesClosing()
{
    ConverterWindow w(quantities::forze());
    w.present();
    child<QRadioButton>(&w, "opt_kg1")->click();
    child<QRadioButton>(&w, "opt_g2")->click();
    type(&w, QStringLiteral("4"));
    w.calcola();
    QCOMPARE(result(&w), QStringLiteral("4000"));

    w.close();
    QVERIFY(!w.isVisible());
    w.present();
    QVERIFY(w.isVisible());
    QCOMPARE(child<QLineEdit>(&w, "txt_conv")->text(), QStringLiteral("1"));
    QCOMPARE(result(&w), QString());
    for (QRadioButton *b : w.findChildren<QRadioButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QCOMPARE(w.findChildren<QLineEdit *>(QStringLiteral("txt_conv")).size(), 1);

    // Only a target selected: the pivot kept from before the window was closed.
    child<QRadioButton>(&w, "opt_n2")->click();
    w.calcola();
    QCOMPARE(result(&w), QStringLiteral("39,2266"));

    // Presenting an open window keeps its contents.
    w.present();
    QCOMPARE(result(&w), QStringLiteral("39,2266"));
    QVERIFY(child<QRadioButton>(&w, "opt_n2")->isChecked());
}

void TestForzeWindow::tabOrderAndFocus()
{
    ConverterWindow w(quantities::forze());
    w.present();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QRadioButton *top = child<QRadioButton>(&w, "opt_g1");
    QCOMPARE(QApplication::focusWidget(), top);
    QVERIFY(!top->isChecked()); // focus does not select

    const QStringList expected{"opt_g1", "opt_kg1", "opt_jc1", "opt_jm1", "opt_lbs", "opt_oz1",
        "opt_n1", "opt_kn1", "opt_dyn1", "txt_conv", "opt_g2", "opt_kg2", "opt_jc2", "opt_jm2",
        "opt_lbs2", "opt_oz2", "opt_n2", "opt_kn2", "Opt_dyn2", "btn_Calcola", "txt_sol"};
    QStringList chain;
    QWidget *x = top;
    do {
        if (x->focusPolicy() != Qt::NoFocus) // Tab enters each radio group once; arrows move in it
            chain << x->objectName();
        x = x->nextInFocusChain();
    } while (x != top && chain.size() < 40);
    QCOMPARE(chain, expected);
}

void TestForzeWindow::captionsAreNotClipped()
{
    ConverterWindow w(quantities::forze());
    w.present();
    for (QRadioButton *b : w.findChildren<QRadioButton *>()) {
        QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
        QVERIFY2(b->geometry().right() < b->parentWidget()->width(), qPrintable(b->objectName()));
    }
}

QTEST_MAIN(TestForzeWindow)
#include "tst_forze_window.moc"
