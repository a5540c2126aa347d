// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The velocity window's press: nineteen units through the kilometre per hour, the pivot held by
// the window between presses, and the per-minute and per-second constants worked out as quotients.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace unitavo;
using namespace unitavo::test;

namespace {

// Each unit's row: one km/h in this unit, and one of this unit in km/h (fifteen digits, English).
struct Expected {
    const char *unit;
    const char *fromKmh;
    const char *toKmh;
};

constexpr Expected everyUnit[] = {
    {"kmh", "1", "1"},
    {"cmh", "100000", "1E-05"},
    {"cmmin", "1666.66666666667", "0.0006"},
    {"cmsec", "27.7777777777778", "0.036"},
    {"fth", "3280.839895", "0.000304800000001219"},
    {"ftmin", "54.6806649166667", "0.0182880000000732"},
    {"ftsec", "0.911344415277778", "1.09728000000439"},
    {"kmmin", "0.0166666666666667", "60"},
    {"kmsec", "0.000277777777777778", "3600"},
    {"nodi", "0.5399568035", "1.85199999984814"},
    {"light", "9.265669311E-10", "1079252848.80696"},
    {"machlm", "0.0008380431358", "1193.25599993775"},
    {"mach", "0.0009414715034", "1062.16703998861"},
    {"mh", "1000", "0.001"},
    {"mmin", "16.6666666666667", "0.06"},
    {"msec", "0.277777777777778", "3.6"},
    {"ydh", "1093.613298", "0.000914400000282367"},
    {"ydmin", "18.2268883", "0.054864000016942"},
    {"ydsec", "0.303781471666667", "3.29184000101652"},
};

} // namespace

class TestVelocita : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::velocita();

private slots:
    void everyRow_data();
    void everyRow();
    void presses_data();
    void presses();
    void overflowInTheSourceIsHeld();
};

void TestVelocita::everyRow_data()
{
    addPressColumns();
    for (const Expected &e : everyUnit) {
        const QByteArray unit(e.unit);
        const QByteArray target = unit + '2';
        addBoth("kmh to " + unit, "kmh", target.constData(), QStringLiteral("1"),
            QString::fromLatin1(e.fromKmh));
        if (unit != "kmh") // for the pivot unit itself, the row above under the same name
            addBoth(unit + " to kmh", e.unit, "kmh2", QStringLiteral("1"),
                QString::fromLatin1(e.toKmh));
        // Every row gives its input back, within double rounding.
        addPress(unit + " to itself", e.unit, target.constData(), QStringLiteral("1"), italian,
            QStringLiteral("1"));
    }
}

// Input 1 between each unit and the pivot unit.
void TestVelocita::everyRow()
{
    checkPress(q);
}

void TestVelocita::presses_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("heldBefore");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("heldAfter");

    const auto both
        = [](const char *name, const char *source, const char *target, const QString &input,
              double before, const QString &expected, double after) {
              QTest::addRow("%s en", name) << QByteArray(source) << QByteArray(target) << input
                                           << english << before << expected << after;
              QTest::addRow("%s it", name)
                  << QByteArray(source) << QByteArray(target) << italianText(input) << italian
                  << before << italianText(expected) << after;
          };

    // (1000.0 / 3600.0) * 36 is exactly 10.
    both("36 kmh to msec", "kmh", "msec2", QStringLiteral("36"), 0.0, QStringLiteral("10"), 36.0);
    both("1 kmmin to kmh", "kmmin", "kmh2", QStringLiteral("1"), 0.0, QStringLiteral("60"), 60.0);
    both("2.5 ftsec to mmin", "ftsec", "mmin2", QStringLiteral("2.5"), 0.0,
        QStringLiteral("45.7200000001829"), 2.5 / (3280.839895 / 3600.0));
    both("10 nodi to ydsec", "nodi", "ydsec2", QStringLiteral("10"), 0.0,
        QStringLiteral("5.62603285480533"), 10 / 0.5399568035);
    both("1.50 kmh to kmh", "kmh", "kmh2", QStringLiteral("1.50"), 7.0, QStringLiteral("1.5"), 1.5);
    both("blanks around", "kmh", "kmh2", QStringLiteral("  2  "), 7.0, QStringLiteral("2"), 2.0);

    // No source: the held pivot is converted and kept; the input is not read.
    both("new window to msec", nullptr, "msec2", QStringLiteral("abc"), 0.0, QStringLiteral("0"),
        0.0);
    both("held 36 to msec", nullptr, "msec2", QStringLiteral("abc"), 36.0, QStringLiteral("10"),
        36.0);
    both(
        "held 2.5 to kmh", nullptr, "kmh2", QStringLiteral("abc"), 2.5, QStringLiteral("2.5"), 2.5);
    both("held 36 to kmmin", nullptr, "kmmin2", QStringLiteral("9"), 36.0, QStringLiteral("0.6"),
        36.0);

    // No target: the pivot is updated all the same, and nothing is written.
    both("no target", "kmmin", nullptr, QStringLiteral("2"), 36.0, unchanged(), 120.0);
    both("nothing selected", nullptr, nullptr, QStringLiteral("2"), 36.0, unchanged(), 36.0);

    // A text that is no number fails before the pivot is touched.
    both("abc from kmh", "kmh", "msec2", QStringLiteral("abc"), 36.0, notANumber(), 36.0);
    both("empty from cmh", "cmh", "kmh2", QString(), 36.0, notANumber(), 36.0);
    both("1E400 from mh", "mh", "kmh2", QStringLiteral("1E400"), 36.0, outOfRange(), 36.0);
    // A product beyond the double range on the way out is a failure and writes nothing.
    both("held 1E304 to cmh", nullptr, "cmh2", QStringLiteral("1"), 1e304, outOfRange(), 1e304);
    both("1E304 kmh to cmh", "kmh", "cmh2", QStringLiteral("1E304"), 0.0, outOfRange(), 1e304);
    both("held 1E304 to mh", nullptr, "mh2", QStringLiteral("1"), 1e304, QStringLiteral("1E+307"),
        1e304);
}

void TestVelocita::presses()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(double, heldBefore);
    QFETCH(QString, expected);
    QFETCH(double, heldAfter);
    const PressOutcome o = run(q,
        {.source = orNull(source),
            .target = orNull(target),
            .input = input,
            .locale = locale,
            .held = heldBefore});
    QCOMPARE(resultOf(o), expected);
    QCOMPARE(o.heldPivot, heldAfter);
}

// An overflow on the way into the pivot fails the press, and the pivot keeps the overflowed
// result, so a later press with only a target selected fails too.
void TestVelocita::overflowInTheSourceIsHeld()
{
    const double infinity = std::numeric_limits<double>::infinity();
    for (const auto &[source, input] : {std::pair{"light", "1E300"}, std::pair{"kmsec", "6E304"}}) {
        const PressOutcome o = run(
            q, {.source = source, .target = "kmh2", .input = QLatin1String(input), .held = 36.0});
        QCOMPARE(resultOf(o), outOfRange());
        QCOMPARE(o.heldPivot, infinity);
    }
    // Just below the limit the km/sec source still converts.
    const PressOutcome below
        = run(q, {.source = "kmsec", .target = "kmh2", .input = QStringLiteral("4E304")});
    QCOMPARE(resultOf(below), QStringLiteral("1.44E+308"));

    const PressOutcome later = run(q, {.target = "msec2", .held = infinity});
    QCOMPARE(resultOf(later), outOfRange());
    const PressOutcome asIs = run(q, {.target = "kmh2", .held = infinity});
    QCOMPARE(resultOf(asIs), outOfRange());
}

QTEST_GUILESS_MAIN(TestVelocita)
#include "tst_velocita.moc"
