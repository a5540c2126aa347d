// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Densities through the kilogram per cubic metre, a pivot that lives for one press.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// The units top to bottom, with their factors to and from kg/m³.
constexpr UnitCase units[] = {
    {"kgmc", "kgmc2", "kg/m", 240, 735, 735, "1", "1"},
    {"gcc", "gcc2", "g/cc", 480, 735, 2055, "1000", "0.001"},
    {"gl", "gl2", "g/l", 720, 2055, 2055, "1", "1"},
    {"gmc", "gmc2", "g/m", 960, 615, 615, "0.001", "1000"},
    {"gmmc", "gmmc2", "g/mm", 1200, 735, 735, "1000000", "1E-06"},
    {"kgcc", "kgcc2", "kg/cc", 1440, 735, 2055, "1000000", "1E-06"},
    {"microl", "microl2", "microgrammi/litro", 1680, 2055, 2055, "1E-06", "1000000"},
    {"mgcc", "mgcc2", "mg/cc", 1920, 855, 2055, "1", "1"},
    {"mgl", "mgl2", "mg/l", 2160, 2055, 2055, "0.001", "1000"},
    {"mgmc", "mgmc2", "mg/m", 2400, 735, 735, "1E-06", "1000000"},
    {"mgmmc", "mgmmc2", "mg/mm", 2640, 855, 855, "1000", "0.001"},
    {"ozftc", "ozftc2", "oz/ft", 2880, 735, 735, "1.00115396089086", "0.9988473692"},
    {"ozgal", "ozgal2", "oz/gal", 3120, 2055, 1575, "7.48915170911818", "0.1335264712"},
    {"ozinc", "ozinc2", "oz/in", 3360, 735, 735, "1729.9940443917", "0.000578036672"},
    {"lbftc", "lbftc2", "lb/ft", 3600, 615, 615, "16.0184633729709", "0.06242796058"},
    {"lbgal", "lbgal2", "lb/gal", 3840, 2055, 2055, "119.826427317174", "0.008345404452"},
    {"lbinc", "lbinc2", "lb/in", 4080, 615, 615, "27679.9047102672", "3.6127292E-05"},
    {"tonydc", "tonydc2", "ton/yd", 4320, 855, 855, "1186.55284248452", "0.0008427774678"},
};

} // namespace

class TestMassaVolumica : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::massavolumica();

private slots:
    void table();
    void press_data();
    void press();
};

void TestMassaVolumica::table()
{
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(q.rows.size(), std::size(units));
    for (std::size_t i = 0; i < std::size(units); ++i)
        verifyUnitRow(q.rows[i], units[i], 255);
}

void TestMassaVolumica::press_data()
{
    addPressColumns();
    const PivotUnit pivot{.tag = "kgmc", .source = "kgmc", .target = "kgmc2"};
    for (const UnitCase &u : units) {
        // The empty pivot: nothing written as is, 0 through any factor.
        addUnitRows(
            pivot, u, u.target == QByteArrayView(pivot.target) ? QString() : QStringLiteral("0"));
    }

    // The kg/m³ target shows the pivot: a number's text, never the typed text.
    addBoth("007 kgmc to kgmc", "kgmc", "kgmc2", QStringLiteral("007"), QStringLiteral("7"));
    addBoth("1.50 kgmc to kgmc", "kgmc", "kgmc2", QStringLiteral("1.50"), QStringLiteral("1.5"));
    addBoth("blanks kgmc to kgmc", "kgmc", "kgmc2", QStringLiteral("  2  "), QStringLiteral("2"));
    addBoth("g/cc to kgmc", "gcc", "kgmc2", QStringLiteral("2.5"), QStringLiteral("2500"));
    addBoth("microgrammi/litro to mg/l", "microl", "mgl2", QStringLiteral("1"),
        QStringLiteral("0.001"));
    addBoth("g/l to mg/cc", "gl", "mgcc2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("mg/cc to g/l", "mgcc", "gl2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("g/cc to mg/mm3", "gcc", "mgmmc2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("lb/gal to oz/gal", "lbgal", "ozgal2", QStringLiteral("2.5"),
        QStringLiteral("39.9999999904139"));
    addBoth("ton/yd3 to lb/ft3, negative", "tonydc", "lbftc2", QStringLiteral("-0.75"),
        QStringLiteral("-55.5555555575331"));
    addBoth("mg/m3 to g/m3", "mgmc", "gmc2", QStringLiteral("1E5"), QStringLiteral("100"));
    addBoth("oz/in3 to lb/in3", "ozinc", "lbinc2", QStringLiteral("3"), QStringLiteral("0.1875"));

    // Range: sources dividing by factors below 1, and products beyond the double range.
    addBoth("largest g/mm3", "gmmc", "kgmc2", QStringLiteral("1E302"), QStringLiteral("1E+308"));
    addBoth("g/mm3 quotient overflows", "gmmc", "kgmc2", QStringLiteral("1E305"), outOfRange());
    addBoth("lb/in3 quotient overflows", "lbinc", nullptr, QStringLiteral("1E305"), outOfRange());
    addBoth("large pivot shown as is", "kgmc", "kgmc2", QStringLiteral("1E305"),
        QStringLiteral("1E+305"));
    addBoth("microgrammi/litro product overflows", "kgmc", "microl2", QStringLiteral("1E305"),
        outOfRange());
    addBoth("mg/m3 product overflows", "kgmc", "mgmc2", QStringLiteral("1E305"), outOfRange());
    addBoth("g/m3 product overflows", "kgmc", "gmc2", QStringLiteral("-1E306"), outOfRange());
}

void TestMassaVolumica::press()
{
    checkPress(q, FailedPress::WritesNoResult);
}

QTEST_GUILESS_MAIN(TestMassaVolumica)
#include "tst_massavolumica.moc"
