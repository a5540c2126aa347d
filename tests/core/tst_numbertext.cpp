// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numbers in the user's regional format.
#include "messages.h"
#include "numbertext.h"
#include "presssupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <cstring>
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
    void everyLocaleReads();
    void everyLocaleWrites();
    void separatorOfTheSettings();
    void fastPath();
    void quickWritingAgrees();
};

namespace {

const QList<QLocale> allLocales
    = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);

// A text with every character beyond printable ASCII spelled \uXXXX, for failure messages.
QString spelled(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + QLatin1Char('"');
}

QString outcome(const Fallible<double> &x)
{
    if (x)
        return QString::number(*x, 'g', 17);
    return x.failure() == Failure::NotANumber ? QStringLiteral("no number")
                                              : QStringLiteral("out of range");
}

QString where(const QLocale &locale)
{
    return QStringLiteral("%1 (%2)").arg(locale.name(), QLocale::scriptToString(locale.script()));
}

// Fails the test with the first problems found, one a line, when there are any.
void verifyNone(const QStringList &problems)
{
    const qsizetype shown = 15;
    QVERIFY2(problems.isEmpty(),
        qPrintable(QStringLiteral("%1 problems, the first:\n").arg(problems.size())
            + problems.mid(0, shown).join(u'\n')));
}

} // namespace

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
    QTest::newRow("fr grouping blank around")
        << QLocale(QLocale::French, QLocale::France) << QString::fromUtf8("1,5\u202f") << 1.5;
    QTest::newRow("it unicode minus in the exponent")
        << italian << QString::fromUtf8("2,5E−3") << 0.0025;
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

// Under every locale Qt knows, the exponent is E or e, digits are ASCII, and the locale gives only
// the decimal separator.
void TestNumberText::everyLocaleReads()
{
    QVERIFY(allLocales.size() > 100);
    QStringList problems;
    const auto expect = [&](const QLocale &l, const QString &text, const Fallible<double> &want) {
        const Fallible<double> got = unitavo::textToNumber(text, l);
        const bool same = got.ok() == want.ok()
            && (got ? std::signbit(*got) == std::signbit(*want) && *got == *want
                    : got.failure() == want.failure());
        if (!same)
            problems << QStringLiteral("%1: %2 reads as %3, not %4")
                            .arg(where(l), spelled(text), outcome(got), outcome(want));
    };
    for (const QLocale &l : allLocales) {
        const QString point = l.decimalPoint();
        expect(l, QStringLiteral("2e3"), 2000.0);
        expect(l, QStringLiteral("2E3"), 2000.0);
        expect(l, QStringLiteral("1") + point + QStringLiteral("5e3"), 1500.0);
        expect(l, QStringLiteral(" -0") + point + QStringLiteral("25E-2 "), -0.0025);
        expect(l, QString::fromUtf8("−7"), -7.0);
        expect(l, QStringLiteral("1e-400"), 0.0);
        expect(l, QStringLiteral("-1e-400"), -0.0);
        expect(l, QStringLiteral("80e946"), Failure::OutOfRange);
        expect(l, QStringLiteral("1e309"), Failure::OutOfRange);
        expect(l, QStringLiteral("abc"), Failure::NotANumber);
        expect(l, QStringLiteral("1") + l.groupSeparator() + QStringLiteral("500"),
            Failure::NotANumber);
        expect(l, l.toString(12),
            l.zeroDigit() == u"0" ? Fallible<double>(12.0) : Fallible<double>(Failure::NotANumber));
    }
    verifyNone(problems);
}

// Samples are written with ASCII digits, "-", "+", "E" and the locale's separator alone, and every
// written text, of the samples and of random doubles, reads back as a number of the same text.
void TestNumberText::everyLocaleWrites()
{
    const struct {
        double value;
        const char *text; // under English settings, where the separator is the point
    } samples[] = {{-272.15, "-272.15"}, {1e20, "1E+20"}, {1e-5, "1E-05"}, {0.1, "0.1"},
        {std::numeric_limits<double>::max(), "1.79769313486231E+308"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"}};
    QRandomGenerator random(20240611);
    QStringList problems;
    const auto check = [&](const QLocale &l, double x, const QString &want) {
        const QString text = unitavo::numberToText(x, l);
        const Fallible<double> back = unitavo::textToNumber(text, l);
        const QString again = back ? unitavo::numberToText(*back, l) : outcome(back);
        if (text != want || again != text)
            problems << QStringLiteral("%1: %2 is written %3 (not %4), which reads back as %5")
                            .arg(where(l), QString::number(x, 'g', 17), spelled(text),
                                spelled(want), spelled(again));
    };
    for (const QLocale &l : allLocales) {
        for (const auto &sample : samples)
            check(
                l, sample.value, QString::fromLatin1(sample.text).replace(u'.', l.decimalPoint()));
        for (int i = 0; i < 40; ++i) {
            double x = std::ldexp(random.generateDouble() - 0.5, random.bounded(-1070, 1025));
            if (i % 4 == 0) { // any bit pattern, NaN and infinity left out
                const quint64 bits = random.generate64();
                std::memcpy(&x, &bits, sizeof x);
            }
            if (std::isfinite(x))
                check(l, x, unitavo::numberToText(x, l));
        }
    }
    verifyNone(problems);
}

// Settings may give any decimal separator; one that could be taken for a part of the number or
// for a blank gives way to the point.
void TestNumberText::separatorOfTheSettings()
{
    const std::pair<const char *, const char *> separators[]
        = {{",", ","}, {"\u066b", "\u066b"}, {"::", "::"}, {"", "."}, {"-", "."}, {"\u2212", "."},
            {"e", "."}, {"0", "."}, {"\u00a0", "."}};
    for (const auto &[ownText, usedText] : separators) {
        const QString own = QString::fromUtf8(ownText);
        const QString used = QString::fromUtf8(usedText);
        QCOMPARE(decimalSeparator(own), used);
        const QString oneAndAHalf = QStringLiteral("1") + used + QStringLiteral("5");
        QCOMPARE(unitavo::numberToText(1.5, own), oneAndAHalf);
        QCOMPARE(unitavo::numberToText(-2.5e-20, own),
            QStringLiteral("-2") + used + QStringLiteral("5E-20"));
        QCOMPARE(outcome(unitavo::textToNumber(oneAndAHalf, own)), QStringLiteral("1.5"));
        if (used != own) {
            const Fallible<double> refused
                = unitavo::textToNumber(QStringLiteral("1") + own + QStringLiteral("5"), own);
            QVERIFY2(!refused || *refused != 1.5, ownText);
        }
    }
}

// The quick reading answers for the usual typed number (and so the fuzz target's comparison with
// the general one is not empty); zero, denormals and the edges of the range take the general one.
void TestNumberText::fastPath()
{
    for (const char *typed : {"12,5", "0,986923266716013", "1,5E-05", " \u22123 "})
        QVERIFY2(numbertext::readFast(QString::fromUtf8(typed), u","), typed);
    for (const char *typed : {"0", "1e-320", "1e-400", "1e400", "1.5"})
        QVERIFY2(!numbertext::readFast(QString::fromUtf8(typed), u","), typed);
}

void TestNumberText::quickWritingAgrees()
{
    // Where the quick writing answers it writes what Qt writes: on random doubles, on short
    // decimals and binary fractions at every scale, and on values halfway between two 15-digit
    // numbers, where the two could round apart.
    QRandomGenerator random(20261208);
    QList<double> values = {12.5, 12258.3125, 1.5e-05, 1e20, 0.986923266716013, 1e-4, 1e15,
        763287067388048.5, 36603815374805.25, -8064632725286585.0, 5e-324, 0.1 + 0.2};
    for (int i = 0; i < 100000; ++i) {
        const quint64 bits = random.generate64();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x))
            values << x;
        const double whole = double(random.bounded(-100000000, 100000000));
        values << whole * std::pow(10.0, random.bounded(-20, 20))
               << whole / double(1 << random.bounded(20));
    }
    int quick = 0;
    for (const double x : std::as_const(values)) {
        const std::optional<QString> fast = numbertext::writeFast(x);
        if (!fast)
            continue;
        ++quick;
        QVERIFY2(*fast == numbertext::writeGeneral(x),
            qPrintable(QStringLiteral("%1: quick %2, general %3")
                           .arg(x, 0, 'g', 17)
                           .arg(*fast, numbertext::writeGeneral(x))));
    }
    // The usual results take the quick way; denormals and 17-digit doubles do not.
    for (const double x : {12.5, 12258.3125, 1.5e-05, 1e20, 0.986923266716013})
        QVERIFY2(numbertext::writeFast(x), qPrintable(QString::number(x)));
    for (const double x : {5e-324, 0.1 + 0.2, 763287067388048.5})
        QVERIFY2(!numbertext::writeFast(x), qPrintable(QString::number(x, 'g', 17)));
    QVERIFY(quick > values.size() / 4);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
