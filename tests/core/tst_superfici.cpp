// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Areas through the square metre, a pivot that lives for one press.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// The units top to bottom, with their factors to and from the square metre.
constexpr UnitCase units[] = {
    {"mq", "m2", "m", 240, 495, 495, "1", "1"},
    {"acri", "acri2", "acri", 480, 615, 615, "4046.85642186227", "0.0002471053815"},
    {"cm", "cm2", "cm", 720, 615, 615, "0.0001", "10000"},
    {"dm", "dm2", "dm", 960, 615, 615, "0.01", "100"},
    {"ft", "ft2", "piedi", 1200, 735, 735, "0.0929030399716017", "10.76391042"},
    {"ettari", "ettari2", "ettari", 1440, 735, 735, "10000", "0.0001"},
    {"hm", "hm2", "hm", 1680, 615, 615, "10000", "0.0001"},
    {"km", "km2", "km", 1920, 615, 615, "1000000", "1E-06"},
    {"mil", "mil2", "miglia", 2160, 735, 735, "2589988.11062073", "3.861021585E-07"},
    {"mm", "mm2", "mm", 2400, 615, 615, "1E-06", "1000000"},
    {"yd", "yd2", "yard", 2640, 615, 615, "0.836127360210488", "1.195990046"},
    {"are", "are2", "are", 2880, 615, 615, "100", "0.01"},
    {"rood", "rood2", "rood", 3120, 615, 615, "1011.71410556792", "0.0009884215259"},
    {"pertiche", "pertiche2", "pertiche", 3360, 975, 975, "25.2928526430364", "0.03953686103"},
    {"inc", "in2", "pollici", 3600, 735, 735, "0.000645160000002581", "1550.0031"},
};

} // namespace

class TestSuperfici : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::superfici();

private slots:
    void table();
    void press_data();
    void press();
};

void TestSuperfici::table()
{
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(q.rows.size(), std::size(units));
    for (std::size_t i = 0; i < std::size(units); ++i)
        verifyUnitRow(q.rows[i], units[i], i == std::size(units) - 1 ? 315 : 255);
}

void TestSuperfici::press_data()
{
    addPressColumns();
    // The empty pivot times 1, 100, 10000 or 1000000 is the whole number 0, times a double 0.
    const PivotUnit pivot{.tag = "m2", .source = "mq", .target = "m2"};
    for (const UnitCase &u : units)
        addUnitRows(pivot, u, QStringLiteral("0"));

    addBoth("hm2 to ettari", "hm", "ettari2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("ettari to hm2", "ettari", "hm2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth(
        "1.5 acri to m2", "acri", "m2", QStringLiteral("1.5"), QStringLiteral("6070.2846327934"));
    addBoth(
        "acri to ft2", "acri", "ft2", QStringLiteral("2.5"), QStringLiteral("108900.000018818"));
    addBoth("miglia to km2", "mil", "km2", QStringLiteral("1234.5"),
        QStringLiteral("3197.34032256129"));
    addBoth("yard to ft2, negative", "yd", "ft2", QStringLiteral("-3"),
        QStringLiteral("-27.0000000150503"));
    addBoth("hm2 to are, blanks", "hm", "are2", QStringLiteral("  2  "), QStringLiteral("200"));
    addBoth(
        "in2 to cm2", "inc", "cm2", QStringLiteral("1E-3"), QStringLiteral("0.00645160000002581"));
    addBoth("rood to pertiche", "rood", "pertiche2", QStringLiteral("1"),
        QStringLiteral("39.9999999939297"));
    addBoth("zero", "km", "mil2", QStringLiteral("0"), QStringLiteral("0"));
    addPress(
        "decimal point under Italian", "mq", "m2", QStringLiteral("1.5"), italian, notANumber());
    addPress(
        "decimal comma under English", "mq", "m2", QStringLiteral("1,5"), english, notANumber());

    // Range: sources dividing by factors below 1, and products beyond the double range.
    addBoth("largest km2", "km", "km2", QStringLiteral("1E302"), QStringLiteral("1E+302"));
    addBoth("km2 quotient overflows", "km", "km2", QStringLiteral("1E305"), outOfRange());
    addBoth(
        "negative km2 quotient overflows", "km", nullptr, QStringLiteral("-1E305"), outOfRange());
    addBoth("miglia quotient overflows", "mil", "mil2", QStringLiteral("1E305"), outOfRange());
    addBoth("acri quotient overflows", "acri", "m2", QStringLiteral("1E305"), outOfRange());
    addBoth("cm2 product in range", "mq", "cm2", QStringLiteral("1E300"), QStringLiteral("1E+304"));
    addBoth("cm2 product overflows", "mq", "cm2", QStringLiteral("1E305"), outOfRange());
    addBoth("mm2 product overflows", "mq", "mm2", QStringLiteral("1E305"), outOfRange());
}

void TestSuperfici::press()
{
    checkPress(q, FailedPress::WritesNoResult);
}

QTEST_GUILESS_MAIN(TestSuperfici)
#include "tst_superfici.moc"
