// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The temperature window's press: five scales through the degree Celsius, offsets and factors
// applied in their order, the Celsius row's text pivot and the empty pivot of a press with no
// source selected.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

class TestTemperature : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::temperature();

private slots:
    void conversions_data();
    void conversions();
    void stepsInTheirOrder_data();
    void stepsInTheirOrder();
    void heldPivotIsNotUsed();
    void refusedInputWritesNothing();
};

void TestTemperature::conversions_data()
{
    addPressColumns();

    // Worked values.
    addBoth("100 C to F", "C", "F2", QStringLiteral("100"), QStringLiteral("212"));
    addBoth("212 F to K", "F", "k2", QStringLiteral("212"), QStringLiteral("373.15"));
    addBoth("0 R to C", "R", "C2", QStringLiteral("0"), QStringLiteral("-273.15"));
    addBoth("80 Re to C", "re", "C2", QStringLiteral("80"), QStringLiteral("100"));
    addBoth("100 C to Re", "C", "re2", QStringLiteral("100"), QStringLiteral("80"));
    addBoth("1 K to C", "k", "C2", QStringLiteral("1"), QStringLiteral("-272.15"));
    addBoth("98.6 F to C", "F", "C2", QStringLiteral("98.6"), QStringLiteral("37"));
    addBoth("25.5 C to K", "C", "k2", QStringLiteral("25.5"), QStringLiteral("298.65"));
    addBoth("100 C to R", "C", "R2", QStringLiteral("100"), QStringLiteral("671.67"));
    addBoth("500 R to F", "R", "F2", QStringLiteral("500"), QStringLiteral("40.33"));
    addBoth("212 F to Re", "F", "re2", QStringLiteral("212"), QStringLiteral("80"));
    addBoth("blanks around C to F", "C", "F2", QStringLiteral("  2  "), QStringLiteral("35.6"));
    // The Rankine source takes away 459.67 and then 32; one subtraction of 491.67 would give
    // 266.855555555556 here.
    addBoth(
        "972.01 R to C", "R", "C2", QStringLiteral("972.01"), QStringLiteral("266.855555555555"));
    // Absolute zero through Celsius and back to Rankine is not exactly 0.
    addBoth("0 K to R", "k", "R2", QStringLiteral("0"), QStringLiteral("5.6843418860808E-14"));

    // Celsius to Celsius copies the text as typed, number or not.
    addBoth("C to C abc", "C", "C2", QStringLiteral("abc"), QStringLiteral("abc"));
    addBoth("C to C trailing zero", "C", "C2", QStringLiteral("1.50"), QStringLiteral("1.50"));
    addBoth("C to C empty", "C", "C2", QString(), QString());
    // Any other pair reads the text as a number, and writes the number's text.
    addBoth("F to F trailing zero", "F", "F2", QStringLiteral("1.50"), QStringLiteral("1.5"));

    // No source: the empty pivot counts as 0.
    addBoth("empty to F", nullptr, "F2", QStringLiteral("abc"), QStringLiteral("32"));
    addBoth("empty to K", nullptr, "k2", QStringLiteral("abc"), QStringLiteral("273.15"));
    addBoth("empty to R", nullptr, "R2", QStringLiteral("abc"), QStringLiteral("491.67"));
    addBoth("empty to Re", nullptr, "re2", QStringLiteral("abc"), QStringLiteral("0"));

    // Failures: in the source phase for every scale but Celsius, in the target phase for Celsius.
    addBoth("abc from F", "F", "C2", QStringLiteral("abc"), notANumber());
    addBoth("abc from K", "k", "k2", QStringLiteral("abc"), notANumber());
    addBoth("abc from R", "R", nullptr, QStringLiteral("abc"), notANumber());
    addBoth("abc from Re", "re", "F2", QStringLiteral("abc"), notANumber());
    addBoth("empty from F", "F", "F2", QString(), notANumber());
    addBoth("abc from C to F", "C", "F2", QStringLiteral("abc"), notANumber());
    addBoth("abc from C to Re", "C", "re2", QStringLiteral("abc"), notANumber());
    addBoth("empty from C to K", "C", "k2", QString(), notANumber());
    addBoth("1E400 from C to F", "C", "F2", QStringLiteral("1E400"), outOfRange());
    addBoth("1E308 from Re overflows", "re", "C2", QStringLiteral("1.7E308"), outOfRange());
    // The Celsius target writes the typed number unchanged, so 1E400 is copied like any text.
    addBoth("1E400 from C to C", "C", "C2", QStringLiteral("1E400"), QStringLiteral("1E400"));

    // The other settings' separator is no decimal separator.
    addPress("point under Italian", "F", "C2", QStringLiteral("98.6"), italian, notANumber());
    addPress("comma under English", "C", "F2", QStringLiteral("1,5"), english, notANumber());
}

void TestTemperature::conversions()
{
    checkPress(q);
}

void TestTemperature::stepsInTheirOrder_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("intoPivot");
    QTest::addColumn<QString>("steps");

    QTest::newRow("C in") << QByteArray("C") << true << QStringLiteral("as is");
    QTest::newRow("C out") << QByteArray("C2") << false << QStringLiteral("as is");
    QTest::newRow("F in") << QByteArray("F") << true << QStringLiteral("-32 /1.8");
    QTest::newRow("F out") << QByteArray("F2") << false << QStringLiteral("*1.8 +32i");
    QTest::newRow("K in") << QByteArray("k") << true << QStringLiteral("-273.15");
    QTest::newRow("K out") << QByteArray("k2") << false << QStringLiteral("+273.15");
    QTest::newRow("R in") << QByteArray("R") << true << QStringLiteral("-459.67 -32 /1.8");
    QTest::newRow("R out") << QByteArray("R2") << false << QStringLiteral("*1.8 +32i +459.67");
    QTest::newRow("Re in") << QByteArray("re") << true << QStringLiteral("*1.25");
    QTest::newRow("Re out") << QByteArray("re2") << false << QStringLiteral("/1.25");
}

// The steps of each row as written in its table, with whole-number constants marked "i".
void TestTemperature::stepsInTheirOrder()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, intoPivot);
    QFETCH(QString, steps);
    const int row = rowOf(q, button.constData());
    QVERIFY(row >= 0);
    const UnitRow &unit = q.rows[row];
    const bool asIs = intoPivot ? unit.into.asIs : unit.outOf.asIs;
    const Sequence &sequence = intoPivot ? unit.into.steps : unit.outOf.steps;
    QStringList written;
    if (asIs)
        written << QStringLiteral("as is");
    for (const Step &step : sequence.view()) {
        const char op = "*/+-"[int(step.op)];
        written << QLatin1Char(op) + QString::number(step.k.value())
                + (step.k.isInteger() ? QStringLiteral("i") : QString());
    }
    QCOMPARE(written.join(QLatin1Char(' ')), steps);
    QVERIFY(!unit.into.hook && !unit.outOf.hook);
}

void TestTemperature::heldPivotIsNotUsed()
{
    // The pivot belongs to one press: a value handed in as a held pivot never reaches the result.
    const PressOutcome o = run(q, {.target = "F2", .held = 100.0});
    QCOMPARE(resultOf(o), QStringLiteral("32"));
    const PressOutcome c = run(q, {.target = "C2", .held = 100.0});
    QCOMPARE(resultOf(c), QString());
}

void TestTemperature::refusedInputWritesNothing()
{
    // A failure in the target phase writes nothing at all into the result box.
    const PressOutcome o
        = run(q, {.source = "C", .target = "R2", .input = QStringLiteral("x1"), .locale = italian});
    QCOMPARE(o.failure, std::optional<Failure>(Failure::NotANumber));
    QVERIFY(o.writes.isEmpty());
}

QTEST_GUILESS_MAIN(TestTemperature)
#include "tst_temperature.moc"
