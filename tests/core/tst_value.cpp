// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Arithmetic of the per-press pivot with the constants of a units table.
#include "presssupport.h"
#include "quantity.h"

#include <QTest>
#include <limits>

using namespace unitavo;
using namespace unitavo::test;

Q_DECLARE_METATYPE(unitavo::Value)
Q_DECLARE_METATYPE(unitavo::Step)

class TestValue : public QObject {
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void textOperandThatIsNoNumber();
    void sequenceKeepsItsOrder();
    void quotientConstant();
    void nonFiniteIsNeverText();
};

void TestValue::arithmetic_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");

    const int integer = int(Value::Kind::Integer);
    const int dbl = int(Value::Kind::Double);
    QTest::newRow("empty x int16") << Value() << times(int16(1000)) << italian << integer << "0";
    QTest::newRow("empty x int32") << Value() << times(int32(1000000)) << italian << integer << "0";
    QTest::newRow("empty x double") << Value() << times(real(1.8)) << italian << dbl << "0";
    QTest::newRow("empty + int16") << Value() << plus(int16(32)) << italian << integer << "32";
    QTest::newRow("empty + double") << Value() << plus(real(273.15)) << italian << dbl << "273,15";
    QTest::newRow("empty / double") << Value() << over(real(1.25)) << english << dbl << "0";
    QTest::newRow("empty / int16") << Value() << over(int16(180)) << english << dbl << "0";
    QTest::newRow("text it x int16")
        << Value::fromText(QStringLiteral("1,5")) << times(int16(100)) << italian << dbl << "150";
    QTest::newRow("text en x int16")
        << Value::fromText(QStringLiteral(" 2.5 ")) << times(int16(100)) << english << dbl << "250";
    QTest::newRow("double x int32")
        << Value::fromDouble(0.001) << times(int32(1000000000)) << english << dbl << "1000000";
    QTest::newRow("double x double") << Value::fromDouble(1.0) << times(real(0.0006213711922))
                                     << italian << dbl << "0,0006213711922";
    QTest::newRow("integer + int16")
        << Value::fromInteger(0) << plus(int16(32)) << english << integer << "32";
    QTest::newRow("integer - int16")
        << Value::fromInteger(5) << minus(int16(32)) << english << integer << "-27";
    QTest::newRow("whole product beyond 32 bits")
        << Value::fromInteger(100000) << times(int32(1000000)) << english << dbl << "100000000000";
    // At the ends of the 32-bit range: whole while the result fits, a double beyond.
    QTest::newRow("largest integer + 0")
        << Value::fromInteger(INT32_MAX) << plus(int16(0)) << english << integer << "2147483647";
    QTest::newRow("largest integer squared")
        << Value::fromInteger(INT32_MAX) << times(int32(INT32_MAX)) << english << dbl
        << "4.61168601413242E+18";
    QTest::newRow("smallest integer - 1")
        << Value::fromInteger(INT32_MIN) << minus(int16(1)) << italian << dbl << "-2147483649";
    QTest::newRow("smallest integer x smallest int32")
        << Value::fromInteger(INT32_MIN) << times(int32(INT32_MIN)) << italian << dbl
        << "4,61168601842739E+18";
}

void TestValue::arithmetic()
{
    QFETCH(Value, value);
    QFETCH(Step, step);
    QFETCH(QLocale, locale);
    QFETCH(int, kind);
    QFETCH(QString, text);
    const Fallible<Value> r = value.apply(step, locale);
    QVERIFY(r.ok());
    QCOMPARE(int(r->kind()), kind);
    const Fallible<QString> t = r->toText(locale);
    QVERIFY(t.ok());
    QCOMPARE(*t, text);
}

void TestValue::textOperandThatIsNoNumber()
{
    for (const char *text : {"abc", "", "1.5e", "inf"}) {
        const Fallible<Value> r
            = Value::fromText(QString::fromLatin1(text)).apply(times(int16(10)), italian);
        QVERIFY2(!r.ok(), text);
        QCOMPARE(r.failure(), Failure::NotANumber);
    }
    // The Italian grouping point is not accepted in a text pivot either.
    QVERIFY(!Value::fromText(QStringLiteral("1.5")).apply(times(real(2.0)), italian).ok());
    QCOMPARE(Value::fromText(QStringLiteral("1E400")).apply(times(real(2.0)), english).failure(),
        Failure::OutOfRange);
}

void TestValue::sequenceKeepsItsOrder()
{
    // Fahrenheit to Celsius and back, steps applied strictly in the order given.
    const Sequence in = sequence(minus(real(32)), over(real(1.8)));
    QCOMPARE(applySteps(in, 212.0), 100.0);
    const Sequence out = sequence(times(real(1.8)), plus(int16(32)));
    QCOMPARE(applySteps(out, 100.0), 212.0);
    // Two subtractions are not the same as subtracting their sum from a large value.
    const Sequence twoSteps = sequence(minus(real(459.67)), minus(real(32)));
    QCOMPARE(applySteps(twoSteps, 0.1), (0.1 - 459.67) - 32);
}

void TestValue::quotientConstant()
{
    // Per-second constants are quotients worked out at each use: 36 km/h is exactly 10 m/s.
    QCOMPARE(applySteps(sequence(times(quotient(1000.0, 3600.0))), 36.0), 10.0);
    QCOMPARE(quotient(100000.0, 60.0).value(), 100000.0 / 60.0);
}

void TestValue::nonFiniteIsNeverText()
{
    const double big = std::numeric_limits<double>::max();
    const Fallible<Value> r = Value::fromDouble(big).apply(times(real(10.0)), english);
    QVERIFY(r.ok());
    QCOMPARE(r->toText(english).failure(), Failure::OutOfRange);
    QCOMPARE(Value::fromDouble(std::numeric_limits<double>::quiet_NaN()).toText(italian).failure(),
        Failure::OutOfRange);
    QCOMPARE(*Value().toText(italian), QString());
    QCOMPARE(*Value::fromText(QStringLiteral(" abc ")).toText(italian), QStringLiteral(" abc "));
}

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
