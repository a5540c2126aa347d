// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses of "Calcola" under Swedish settings taken from the environment (LC_ALL=sv_SE.UTF-8, set
// by CTest), as a user's would be: the locale writes U+2212 for minus and "×10^" for the
// exponent, and the windows must still read "e" and write "-" and "E".
#include "windowsupport.h"

using namespace unitavo;
using namespace unitavo::test;

class TestNumberTextWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void presses_data();
    void presses();
};

void TestNumberTextWindow::initTestCase()
{
    // What makes these settings a test: their own number system is not the one of number text.
    QCOMPARE(QLocale().name(), QStringLiteral("sv_SE"));
    QCOMPARE(QLocale().negativeSign(), QString(QChar(0x2212)));
}

void TestNumberTextWindow::presses_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("numerator"); // over "2", where the source is the fractional inch
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, const char *window, const char *source, const char *target,
                         const char *input, const char *expected, const char *numerator = "") {
        QTest::newRow(tag) << QByteArray(window) << QByteArray(source) << QByteArray(target)
                           << QString::fromUtf8(input) << QString::fromUtf8(numerator)
                           << QString::fromUtf8(expected);
    };
    row("2e3 m to cm", "frm_lunghezze", "m1", "cm2", "2e3", "200000");
    row("1,5e3 m to km", "frm_lunghezze", "m1", "km2", "1,5e3", "1,5");
    row("1 m to fermi", "frm_lunghezze", "m1", "fermi2", "1", "1E+15");
    row("-5 kg to kg", "frm_forze", "opt_kg1", "opt_kg2", "-5", "-5");
    row("1 1e0/2 in to in", "frm_lunghezze", "in_1_2", "in_2_hexad", "1", "1 1/2", "1e0");
}

void TestNumberTextWindow::presses()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QString, numerator);
    QFETCH(QString, expected);
    FailureCapture failures;
    const auto w = open(quantityNamed(window));
    child<QRadioButton>(*w, QLatin1String(source))->click();
    if (!numerator.isEmpty()) {
        child<QLineEdit>(*w, QStringLiteral("txt_conv1_2"))->setText(numerator);
        child<QLineEdit>(*w, QStringLiteral("txt_conv1_2_2"))->setText(QStringLiteral("2"));
    }
    QCOMPARE(pressWith(*w, nullptr, target.constData(), input), expected);
    QCOMPARE(failures.failures, QList<Failure>());
}

QTEST_MAIN(TestNumberTextWindow)
#include "tst_numbertext_window.moc"
