// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accelerations through the metre per second squared, a pivot that lives for one press.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// The units top to bottom, with their factors to and from m/sec².
constexpr UnitCase units[] = {
    {"ms", "ms2", "m/sec", 240, 855, 855, "1", "1"},
    {"cms", "cms2", "cm/sec", 600, 855, 855, "0.01", "100"},
    {"fts", "fts2", "foot/sec", 960, 975, 975, "0.304800000001219", "3.280839895"},
    {"g", "g2", "g", 1320, 375, 375, "9.80664999978774", "0.1019716213"},
    {"gal", "gal2", "gal", 1680, 615, 615, "0.01", "100"},
    {"ins", "ins2", "inch/sec", 2040, 975, 975, "0.0254000000001016", "39.37007874"},
    {"mils", "mils2", "mile/sec", 2400, 975, 975, "1609.34400009669", "0.0006213711922"},
    {"yds", "yds2", "yard/sec", 2760, 975, 975, "0.914400000282367", "1.093613298"},
};

} // namespace

class TestAccelerazioni : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::accelerazioni();

private slots:
    void table();
    void press_data();
    void press();
};

void TestAccelerazioni::table()
{
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(q.sourceFrame, "frame1");
    QCOMPARE(q.targetFrame, "Frame2");
    QCOMPARE(q.rows.size(), std::size(units));
    for (std::size_t i = 0; i < std::size(units); ++i)
        verifyUnitRow(q.rows[i], units[i], 255);
}

void TestAccelerazioni::press_data()
{
    addPressColumns();
    const PivotUnit pivot{.tag = "ms", .source = "ms", .target = "ms2"};
    for (const UnitCase &u : units)
        addUnitRows(pivot, u, QStringLiteral("0"));

    addBoth("cm/sec to gal", "cms", "gal2", QStringLiteral("100"), QStringLiteral("100"));
    addBoth("gal to cm/sec", "gal", "cms2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("007 m/sec to m/sec", "ms", "ms2", QStringLiteral("007"), QStringLiteral("7"));
    addBoth("foot/sec to inch/sec", "fts", "ins2", QStringLiteral("2.5"), QStringLiteral("30"));
    addBoth("m/sec to g, negative", "ms", "g2", QStringLiteral("-9.81"),
        QStringLiteral("-1.000341604953"));
    addBoth("mile/sec to yard/sec", "mils", "yds2", QStringLiteral("1"),
        QStringLiteral("1759.99999956226"));
    addBoth("g to foot/sec, blanks", "g", "fts2", QStringLiteral("  1.5  "),
        QStringLiteral("48.261072833408"));

    // Range: only g and mile/sec divide by factors below 1; products can leave the range.
    addBoth("largest mile/sec", "mils", "mils2", QStringLiteral("1E305"), QStringLiteral("1E+305"));
    addBoth("mile/sec quotient overflows", "mils", "mils2", QStringLiteral("1E306"), outOfRange());
    addBoth("g quotient overflows", "g", nullptr, QStringLiteral("1E308"), outOfRange());
    addBoth(
        "cm/sec product in range", "ms", "cms2", QStringLiteral("1E306"), QStringLiteral("1E+308"));
    addBoth("cm/sec product overflows", "ms", "cms2", QStringLiteral("1E307"), outOfRange());
    addBoth("inch/sec product overflows", "ms", "ins2", QStringLiteral("-1E307"), outOfRange());
}

void TestAccelerazioni::press()
{
    checkPress(q, FailedPress::WritesNoResult);
}

QTEST_GUILESS_MAIN(TestAccelerazioni)
#include "tst_accelerazioni.moc"
