// Reading and writing numbers in the user's regional format.
#include "messages.h"
#include "numbertext.h"
#include "presssupport.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace unitavo;
using namespace unitavo::test;

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void refused_data();
    void refused();
    void numberToText_data();
    void numberToText();
    void roundTrip_data();
    void roundTrip();
    void failureMessagesAreItalian();
};

void TestNumberText::textToNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("it 1,5") << italian << "1,5" << 1.5;
    QTest::newRow("en 1.5") << english << "1.5" << 1.5;
    QTest::newRow("it blanks around 2") << italian << "  2  " << 2.0;
    QTest::newRow("en tab and newline") << english << "\t2\n" << 2.0;
    QTest::newRow("it plus sign") << italian << "+3" << 3.0;
    QTest::newRow("it minus") << italian << "-272,15" << -272.15;
    QTest::newRow("it exponent E") << italian << "1,5E3" << 1500.0;
    QTest::newRow("en exponent e") << english << "1.5e-3" << 0.0015;
    QTest::newRow("en exponent E+") << english << "2E+10" << 2e10;
    QTest::newRow("it leading separator") << italian << ",5" << 0.5;
    QTest::newRow("en trailing separator") << english << "2." << 2.0;
    QTest::newRow("it 007") << italian << "007" << 7.0;
    QTest::newRow("it 1,000 is one") << italian << "1,000" << 1.0;
    QTest::newRow("en 1.000 is one") << english << "1.000" << 1.0;
    QTest::newRow("en largest double")
        << english << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("en denormal") << english << "1e-320" << 1e-320;
    QTest::newRow("en underflow reads as zero") << english << "1E-400" << 0.0;
    QTest::newRow("it underflow reads as zero") << italian << "-2,5e-999" << 0.0;
    QTest::newRow("it unicode minus") << italian << QString::fromUtf8("−1,5") << -1.5;
    QTest::newRow("it underflow, unicode minus") << italian << QString::fromUtf8("−1E-400") << 0.0;
    QTest::newRow("en underflow, no-break space")
        << english << QString::fromUtf8("\u00a01E-400\u00a0") << 0.0;
}

void TestNumberText::textToNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    const Fallible<double> x = unitavo::textToNumber(text, locale);
    QVERIFY(x.ok());
    QCOMPARE(*x, expected);
}

void TestNumberText::refused_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("failure");

    const int nan = int(Failure::NotANumber);
    const int range = int(Failure::OutOfRange);
    for (const QLocale &l : {italian, english}) {
        const QByteArray p = l == italian ? "it " : "en ";
        QTest::newRow(p + "empty") << l << "" << nan;
        QTest::newRow(p + "blanks only") << l << "   " << nan;
        QTest::newRow(p + "abc") << l << "abc" << nan;
        QTest::newRow(p + "inf") << l << "inf" << nan;
        QTest::newRow(p + "nan") << l << "nan" << nan;
        QTest::newRow(p + "hex") << l << "0x10" << nan;
        QTest::newRow(p + "parentheses") << l << "(3)" << nan;
        QTest::newRow(p + "currency") << l << QString::fromUtf8("€3") << nan;
        QTest::newRow(p + "inner blank") << l << "1 000" << nan;
        QTest::newRow(p + "two separators") << l << (l == italian ? "1,,5" : "1..5") << nan;
        QTest::newRow(p + "exponent without digits") << l << "1e+" << nan;
        QTest::newRow(p + "arabic-indic digit") << l << QString::fromUtf8("٣") << nan;
        QTest::newRow(p + "1E+400") << l << "1E+400" << range;
        QTest::newRow(p + "-1e999") << l << "-1e999" << range;
    }
    // The grouping separator of the locale is refused: 1.5 must never read as 15 in Italian.
    QTest::newRow("it 1.5") << italian << "1.5" << nan;
    QTest::newRow("it 1.000") << italian << "1.000" << nan;
    QTest::newRow("en 1,5") << english << "1,5" << nan;
    QTest::newRow("en 1,000") << english << "1,000" << nan;
    QTest::newRow("it 1.5E3") << italian << "1.5E3" << nan;
}

void TestNumberText::refused()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(int, failure);
    const Fallible<double> x = unitavo::textToNumber(text, locale);
    QVERIFY(!x.ok());
    QCOMPARE(int(x.failure()), failure);
}

void TestNumberText::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("it");
    QTest::addColumn<QString>("en");

    QTest::newRow("one thousand") << 1000.0 << "1000"
                                  << "1000";
    QTest::newRow("one and a half") << 1.5 << "1,5"
                                    << "1.5";
    QTest::newRow("15 digits") << 0.9869232667160128 << "0,986923266716013"
                               << "0.986923266716013";
    QTest::newRow("exponent 15") << 1e15 << "1E+15"
                                 << "1E+15";
    QTest::newRow("below 1E+15") << 999999999999999.0 << "999999999999999"
                                 << "999999999999999";
    QTest::newRow("rounds up to 1E+15") << 999999999999999.5 << "1E+15"
                                        << "1E+15";
    QTest::newRow("exponent -5") << 1.5e-5 << "1,5E-05"
                                 << "1.5E-05";
    QTest::newRow("exponent -4 stays plain") << 0.0001 << "0,0001"
                                             << "0.0001";
    QTest::newRow("negative") << -272.15 << "-272,15"
                              << "-272.15";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << "0";
    QTest::newRow("zero") << 0.0 << "0"
                          << "0";
    QTest::newRow("three-digit exponent") << 1e300 << "1E+300"
                                          << "1E+300";
    QTest::newRow("denormal") << 1e-320 << "9,99988867182683E-321"
                              << "9.99988867182683E-321";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1,79769313486231E+308"
                                    << "1.79769313486231E+308";
    QTest::newRow("lowest double")
        << std::numeric_limits<double>::lowest() << "-1,79769313486231E+308"
        << "-1.79769313486231E+308";
    QTest::newRow("just below the rounding") << 1.797693134862314e308 << "1,79769313486231E+308"
                                             << "1.79769313486231E+308";
    QTest::newRow("foot in metres") << 1 / 3.280839895 << "0,304800000001219"
                                    << "0.304800000001219";
    QTest::newRow("no grouping") << 123456789.25 << "123456789,25"
                                 << "123456789.25";
}

void TestNumberText::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, it);
    QFETCH(QString, en);
    QCOMPARE(unitavo::numberToText(value, italian), it);
    QCOMPARE(unitavo::numberToText(value, english), en);
}

void TestNumberText::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("pi") << M_PI;
    QTest::newRow("tiny") << 1.23456789012345e-300;
    QTest::newRow("huge") << -9.87654321098765e+307;
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("kgf in newton") << 9.80665;
}

// A number's own text reads back, in both locales, to the same value to 15 digits.
void TestNumberText::roundTrip()
{
    QFETCH(double, value);
    for (const QLocale &l : {italian, english}) {
        const QString text = unitavo::numberToText(value, l);
        const Fallible<double> back = unitavo::textToNumber(text, l);
        QVERIFY2(back.ok(), qPrintable(text));
        QCOMPARE(unitavo::numberToText(*back, l), text);
        QVERIFY(std::fabs(*back - value) <= std::fabs(value) * 1e-14);
    }
}

void TestNumberText::failureMessagesAreItalian()
{
    QVERIFY(failureMessage(Failure::NotANumber).contains(QStringLiteral("non è un numero")));
    QVERIFY(failureMessage(Failure::OutOfRange).contains(QStringLiteral("fuori dall'intervallo")));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
