// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses of "Calcola" under Swedish settings taken from the environment (LC_ALL=sv_SE.UTF-8, set
// by CTest), as a user's would be: the locale writes U+2212 for minus and "×10^" for the
// exponent, and the windows must still read "e" and write "-" and "E".
#include "windowsupport.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace unitavo;
using namespace unitavo::test;

class TestNumberTextWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void presses_data();
    void presses();
    void outOfRangeIsRefused();
    void fractionWithExponent();

private:
    static QLineEdit *box(const QWidget &w, BoxName name) { return child<QLineEdit>(w, name); }
    static void select(const QWidget &w, const char *source, const char *target)
    {
        child<QRadioButton>(w, QLatin1String(source))->click();
        child<QRadioButton>(w, QLatin1String(target))->click();
    }
};

void TestNumberTextWindow::initTestCase()
{
    const QLocale here;
    QVERIFY2(here.name() == QStringLiteral("sv_SE"),
        qPrintable(QStringLiteral("run under LC_ALL=sv_SE.UTF-8, not %1").arg(here.name())));
    // What makes these settings a test: their own number system is not the one of number text.
    QCOMPARE(here.decimalPoint(), QStringLiteral(","));
    QCOMPARE(here.negativeSign(), QString(QChar(0x2212)));
    QVERIFY(here.exponential() != QStringLiteral("E"));
}

void TestNumberTextWindow::presses_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, const char *window, const char *source, const char *target,
                         const QString &input, const char *expected) {
        QTest::newRow(tag) << QByteArray(window) << QByteArray(source) << QByteArray(target)
                           << input << QString::fromUtf8(expected);
    };
    row("2e3 m to cm", "frm_lunghezze", "m1", "cm2", QStringLiteral("2e3"), "200000");
    row("1,5e3 m to km", "frm_lunghezze", "m1", "km2", QStringLiteral("1,5e3"), "1,5");
    row("1 m to fermi", "frm_lunghezze", "m1", "fermi2", QStringLiteral("1"), "1E+15");
    row("-5 kg to kg", "frm_forze", "opt_kg1", "opt_kg2", QStringLiteral("-5"), "-5");
    row("unicode minus 5 kg to kg", "frm_forze", "opt_kg1", "opt_kg2", QString::fromUtf8("−5"),
        "-5");
    row("1e3 kg to kg", "frm_forze", "opt_kg1", "opt_kg2", QStringLiteral("1e3"), "1000");
    row("5e-3 km/h to km/h", "frm_velocita", "kmh", "kmh2", QStringLiteral("5e-3"), "0,005");
}

void TestNumberTextWindow::presses()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    FailureCapture failures;
    const auto w = open(quantityNamed(window));
    select(*w, source.constData(), target.constData());
    box(*w, kInputBox)->setText(input);
    w->calcola();
    QCOMPARE(failures.failures, QList<Failure>());
    QCOMPARE(box(*w, kResultBox)->text(), expected);
}

void TestNumberTextWindow::outOfRangeIsRefused()
{
    FailureCapture failures;
    const auto w = open(quantities::forze());
    select(*w, "opt_kg1", "opt_kg2");
    box(*w, kInputBox)->setText(QStringLiteral("2,5e1"));
    w->calcola();
    QCOMPARE(box(*w, kResultBox)->text(), QStringLiteral("25"));
    box(*w, kInputBox)->setText(QStringLiteral("80e946"));
    w->calcola();
    QCOMPARE(failures.failures, QList<Failure>{Failure::OutOfRange});
    QCOMPARE(box(*w, kResultBox)->text(), QStringLiteral("25"));
    QCOMPARE(w->heldPivot(), 25.0);
}

void TestNumberTextWindow::fractionWithExponent()
{
    FailureCapture failures;
    const auto w = open(quantities::lunghezze());
    select(*w, "in_1_2", "in_2_hexad");
    box(*w, kInputBox)->setText(QStringLiteral("1"));
    box(*w, BoxName("txt_conv1_2"))->setText(QStringLiteral("1e0"));
    box(*w, BoxName("txt_conv1_2_2"))->setText(QStringLiteral("2"));
    w->calcola();
    QCOMPARE(failures.failures, QList<Failure>());
    QCOMPARE(box(*w, kResultBox)->text(), QStringLiteral("1 1/2"));
}

QTEST_MAIN(TestNumberTextWindow)
#include "tst_numbertext_window.moc"
