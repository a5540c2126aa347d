// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses of "Calcola" through each window's widgets: a conversion, the empty pivot, the failures
// reported and what they leave, Enter, the settings read at each press, the pivots the force and
// velocity windows keep across closing, and the angle window's refused slope.
#include "catalogue.h"
#include "converterwindow.h"
#include "windowsupport.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace unitavo;
using namespace unitavo::test;

namespace {

const QByteArray areas("frm_superfici");
const QByteArray densities("frm_massavolumica");
const QByteArray accelerations("frm_accelerazioni");

QString resultText(QWidget &window)
{
    return child<QLineEdit>(window, kResultBox)->text();
}

int checkedButtons(QWidget &window)
{
    int n = 0;
    for (const QRadioButton *b : window.findChildren<QRadioButton *>())
        n += b->isChecked() ? 1 : 0;
    return n;
}

QString result(QWidget *w)
{
    return child<QLineEdit>(w, "txt_sol")->text();
}

void type(QWidget *w, const QString &text)
{
    QLineEdit *input = child<QLineEdit>(w, "txt_conv");
    input->clear();
    QTest::keyClicks(input, text);
}

} // namespace

class TestWindowPresses : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(italian); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // One good press, then one that fails: the failure is reported and the result stays.
    void pressThenFailure_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QByteArray>("badSource");
        QTest::addColumn<QString>("badInput");
        QTest::addColumn<int>("failure");
        QTest::newRow("pressioni")
            << QByteArray("pressioni") << QByteArray("atm1") << QByteArray("bar2")
            << QStringLiteral("2") << QStringLiteral("2,0265") << QByteArray("atm1")
            << QStringLiteral("abc") << int(Failure::NotANumber);
        QTest::newRow("volumi") << QByteArray("volumi") << QByteArray("l") << QByteArray("ml2")
                                << QStringLiteral("1,5") << QStringLiteral("1500")
                                << QByteArray("barile") << QStringLiteral("1E+307")
                                << int(Failure::OutOfRange);
    }
    void pressThenFailure()
    {
        QFETCH(QByteArray, window);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, target);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(QByteArray, badSource);
        QFETCH(QString, badInput);
        QFETCH(int, failure);
        FailureCapture capture;
        const auto w = openById(window);
        auto *in = child<QLineEdit>(w.get(), "txt_conv");
        auto *out = child<QLineEdit>(w.get(), "txt_sol");
        auto *calcola = child<QPushButton>(w.get(), "btn_Calcola");
        auto *s = child<QRadioButton>(w.get(), source.constData());
        auto *t = child<QRadioButton>(w.get(), target.constData());
        auto *bad = child<QRadioButton>(w.get(), badSource.constData());

        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(5, s->height() / 2));
        QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(5, t->height() / 2));
        QVERIFY(s->isChecked() && t->isChecked());
        in->setText(input);
        QTest::mouseClick(calcola, Qt::LeftButton);
        QCOMPARE(out->text(), expected);
        QVERIFY(capture.failures.isEmpty());

        bad->click();
        in->setText(badInput);
        QTest::mouseClick(calcola, Qt::LeftButton);
        QCOMPARE(capture.failures.size(), 1);
        QCOMPARE(int(capture.failures.first()), failure);
        QCOMPARE(capture.windows.first(), w.get());
        QCOMPARE(out->text(), expected);
        QCOMPARE(in->text(), badInput);
    }

    void pressWithoutSource_data();
    void pressWithoutSource();
    void onePress_data();
    void onePress();
    void velocityPivotSurvivesClosing();
    void refusedSlopeLeavesTheBoxEmpty_data();
    void refusedSlopeLeavesTheBoxEmpty();
    void pressThroughWidgets_data();
    void pressThroughWidgets();
    void enterPressesCalcola();
    void localeIsReadAtEachPress();
    void failureLeavesWindowAsItWas();
    void heldPivotSurvivesClosing();
};

// In each window under Italian settings: a press with only the target selected (the empty
// pivot), a conversion, then a failing press that leaves the result as it was.
void TestWindowPresses::pressWithoutSource_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("withoutSource");
    QTest::addColumn<QString>("expected");

    const auto add = [](const char *tag, const QByteArray &window, const char *source,
                         const char *target, const char *input, const char *withoutSource,
                         const char *expected) {
        QTest::newRow(tag) << window << QString::fromLatin1(source) << QString::fromLatin1(target)
                           << QString::fromLatin1(input) << QString::fromLatin1(withoutSource)
                           << QString::fromLatin1(expected);
    };
    add("acri to m2", areas, "acri", "m2", "1,5", "0", "6070,2846327934");
    add("g/cc to kg/m3", densities, "gcc", "kgmc2", "2,5", "", "2500");
    add("kg/m3 to mg/m3", densities, "kgmc", "mgmc2", "0,5", "0", "500000");
    add("g to m/sec2", accelerations, "g", "ms2", "1", "0", "9,80664999978774");
}

void TestWindowPresses::pressWithoutSource()
{
    QFETCH(QByteArray, window);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, input);
    QFETCH(QString, withoutSource);
    QFETCH(QString, expected);

    FailureCapture failures;
    const auto w = open(quantityNamed(window));
    QLineEdit *in = child<QLineEdit>(w.get(), QStringLiteral("txt_conv"));
    QLineEdit *out = child<QLineEdit>(w.get(), QStringLiteral("txt_sol"));
    QPushButton *calcola = child<QPushButton>(w.get(), QStringLiteral("btn_Calcola"));
    out->setText(QStringLiteral("x")); // tells an empty result from no result
    in->clear();
    QTest::keyClicks(in, input);
    QTest::mouseClick(child<QRadioButton>(w.get(), target), Qt::LeftButton);
    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(out->text(), withoutSource);

    QTest::mouseClick(child<QRadioButton>(w.get(), source), Qt::LeftButton);
    QCOMPARE(out->text(), withoutSource); // nothing is computed before the press
    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(out->text(), expected);
    QVERIFY(failures.failures.isEmpty());

    in->clear();
    QTest::keyClicks(in, QStringLiteral("abc"));
    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(failures.failures, QList<Failure>{Failure::NotANumber});
    QCOMPARE(failures.windows, QList<QWidget *>{w.get()});
    QCOMPARE(out->text(), expected);
    QCOMPARE(in->text(), QStringLiteral("abc"));
    QVERIFY(w->isVisible());
}

void TestWindowPresses::onePress_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("temperature it")
        << QByteArray("frm_temperature") << QByteArray("C") << QByteArray("F2")
        << QStringLiteral("37,5") << italian << QStringLiteral("99,5");
    QTest::newRow("temperature en")
        << QByteArray("frm_temperature") << QByteArray("k") << QByteArray("C2")
        << QStringLiteral("1") << english << QStringLiteral("-272.15");
    QTest::newRow("temperature copy")
        << QByteArray("frm_temperature") << QByteArray("C") << QByteArray("C2")
        << QStringLiteral("abc") << italian << QStringLiteral("abc");
    QTest::newRow("angles it") << QByteArray("frm_angoli") << QByteArray("gp") << QByteArray("gs2")
                               << QStringLiteral("-150") << italian
                               << QStringLiteral("-56,3099324740202");
    QTest::newRow("angles en") << QByteArray("frm_angoli") << QByteArray("q") << QByteArray("gs2")
                               << QStringLiteral("1") << english
                               << QStringLiteral("90.000000000009");
    QTest::newRow("velocity it") << QByteArray("frm_velocita") << QByteArray("kmh")
                                 << QByteArray("kmmin2") << QStringLiteral("1") << italian
                                 << QStringLiteral("0,0166666666666667");
    QTest::newRow("velocity en") << QByteArray("frm_velocita") << QByteArray("kmh")
                                 << QByteArray("msec2") << QStringLiteral("36") << english
                                 << QStringLiteral("10");
}

void TestWindowPresses::onePress()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    FailureCapture failures;
    const auto w = open(quantityNamed(window));
    pressWith(*w, source.constData(), target.constData(), input);
    QCOMPARE(resultText(*w), expected);
    QVERIFY(failures.failures.isEmpty());
    QCOMPARE(child<QLineEdit>(*w, kInputBox)->text(), input);
}

// The velocity pivot belongs to the window object: closing the window and showing it again brings
// back the initial controls, and a press with only a target converts the pivot kept from before.
void TestWindowPresses::velocityPivotSurvivesClosing()
{
    QLocale::setDefault(english);
    FailureCapture failures;
    const auto w = open(quantities::velocita());
    pressWith(*w, "kmh", "msec2", QStringLiteral("36"));
    QCOMPARE(resultText(*w), QStringLiteral("10"));

    // No target: the pivot is updated, nothing is written.
    child<QRadioButton>(*w, "kmmin")->click();
    child<QLineEdit>(*w, kInputBox)->setText(QStringLiteral("0.6"));
    w->close();
    QVERIFY(!w->isVisible());
    w->present();
    QCOMPARE(child<QLineEdit>(*w, kInputBox)->text(), QStringLiteral("1"));
    QCOMPARE(resultText(*w), QString());
    QCOMPARE(checkedButtons(*w), 0);

    // Only a target selected: the pivot of the last conversion, 36 km/h, is converted.
    pressWith(*w, nullptr, "kmmin2", QStringLiteral("abc"));
    QCOMPARE(resultText(*w), QStringLiteral("0.6"));
    QVERIFY(failures.failures.isEmpty());

    // An overflow on the way in is reported and leaves the result box as it was.
    pressWith(*w, "light", nullptr, QStringLiteral("1E300"));
    QCOMPARE(failures.failures, QList<Failure>{Failure::OutOfRange});
    QCOMPARE(failures.windows, QList<QWidget *>{w.get()});
    QCOMPARE(resultText(*w), QStringLiteral("0.6"));
}

void TestWindowPresses::refusedSlopeLeavesTheBoxEmpty_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("slope");
    QTest::newRow("150 en") << english << QStringLiteral("150");
    QTest::newRow("100,5 it") << italian << QStringLiteral("100,5");
}

// A percent slope above 100 empties the result box and ends the press: the degree target selected
// beside it writes nothing over the empty box, and no failure is reported.
void TestWindowPresses::refusedSlopeLeavesTheBoxEmpty()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, slope);
    QLocale::setDefault(locale);
    FailureCapture failures;
    const auto w = open(quantities::angoli());
    pressWith(*w, "gs", "m2", QStringLiteral("1"));
    QCOMPARE(resultText(*w), QStringLiteral("60"));

    pressWith(*w, "gp", "gs2", slope);
    QCOMPARE(resultText(*w), QString());
    QVERIFY(failures.failures.isEmpty());

    // 100 percent itself is taken.
    pressWith(*w, "gp", "gs2", QStringLiteral("100"));
    QCOMPARE(resultText(*w), QStringLiteral("45"));
}

void TestWindowPresses::pressThroughWidgets_data()
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

void TestWindowPresses::pressThroughWidgets()
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

void TestWindowPresses::enterPressesCalcola()
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

void TestWindowPresses::localeIsReadAtEachPress()
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

void TestWindowPresses::failureLeavesWindowAsItWas()
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

void TestWindowPresses::heldPivotSurvivesClosing()
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

QTEST_MAIN(TestWindowPresses)
#include "tst_window_presses.moc"
