// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One conversion by unit names, as one press of "Calcola" in a window just opened: results,
// failures and the empty result, the value of a fractional inch split over its three boxes.
#include "conversion.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
};

void TestConversion::convert_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    // One row under English settings and one under Italian ones, every point a comma there.
    const auto both = [](const char *tag, const QString &value, const char *from, const char *to,
                          const QString &expected) {
        QTest::addRow("%s en", tag) << value << from << to << english << expected;
        QTest::addRow("%s it", tag)
            << italianText(value) << from << to << italian << italianText(expected);
    };
    // The command-line golden table has the usual cases; these are the press's edges.
    both("window-held pivot starts at 0", "1", "g", "kg", "0.001");
    both("fraction alone", "5/8", "in-frac", "in", "0.625");
    both("whole alone", "3", "in-frac", "in-frac", "3 ");
    both("empty denominator reads 0", "1 7/", "in-frac", "in-frac", "1 ");
    both("decimal whole, blanks around", "  1.5   1 / 4 ", "in-frac", "in", "1.75");
    both("fraction not a number", "3 x/8", "in-frac", "in", notANumber());
    both("slope of 100 percent", "100", "%", "deg", "45");
    both("angle past 45 degrees", "46", "deg", "%", QStringLiteral("<no result>"));
}

void TestConversion::convert()
{
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const PairResolution pair = resolvePair(from, to);
    QVERIFY(pair.ok());
    const ConversionResult r = unitavo::convert(pair.pair, value, locale);
    QCOMPARE(r.status == ConversionResult::Status::Failed
            ? QStringLiteral("<failure %1>").arg(int(r.failure))
            : r.status == ConversionResult::Status::Result ? r.text
                                                           : QStringLiteral("<no result>"),
        expected);
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
