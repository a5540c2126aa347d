// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The angle window's press: ten units by one factor each, percent slope through the arctangent
// and the tangent with its limits, and whole-number factors held as integers.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

class TestAngoli : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::angoli();

private slots:
    void conversions_data();
    void conversions();
    void refusedSlopeEndsThePress_data();
    void refusedSlopeEndsThePress();
    void steepAngleEmptiesWithoutFailure();
    void wholeNumberFactors();
};

void TestAngoli::conversions_data()
{
    addPressColumns();

    // Every row into degrees and out of them.
    addBoth("1 gs to gs", "gs", "gs2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("1 gc to gs", "gc", "gs2", QStringLiteral("1"), QStringLiteral("0.900000000009"));
    addBoth("1 gs to gc", "gs", "gc2", QStringLiteral("1"), QStringLiteral("1.1111111111"));
    addBoth("1 m to gs", "m", "gs2", QStringLiteral("1"), QStringLiteral("0.0166666666666667"));
    addBoth("1 gs to m", "gs", "m2", QStringLiteral("1"), QStringLiteral("60"));
    addBoth("1.5 gs to m", "gs", "m2", QStringLiteral("1.5"), QStringLiteral("90"));
    addBoth("1 s to gs", "s", "gs2", QStringLiteral("1"), QStringLiteral("0.000277777777777778"));
    addBoth("1 gs to s", "gs", "s2", QStringLiteral("1"), QStringLiteral("3600"));
    addBoth("3600 s to gs", "s", "gs2", QStringLiteral("3600"), QStringLiteral("1"));
    addBoth("1 o to gs", "o", "gs2", QStringLiteral("1"), QStringLiteral("45.000000000045"));
    addBoth("1 gs to o", "gs", "o2", QStringLiteral("1"), QStringLiteral("0.0222222222222"));
    addBoth("1 q to gs", "q", "gs2", QStringLiteral("1"), QStringLiteral("90.000000000009"));
    addBoth("90 gs to q", "gs", "q2", QStringLiteral("90"), QStringLiteral("0.9999999999999"));
    addBoth("1 q to r", "q", "r2", QStringLiteral("1"), QStringLiteral("1.57079632680016"));
    addBoth("1 r to gs", "r", "gs2", QStringLiteral("1"), QStringLiteral("57.2957795128962"));
    addBoth("1 gs to r", "gs", "r2", QStringLiteral("1"), QStringLiteral("0.01745329252"));
    addBoth("1 g to gs", "g", "gs2", QStringLiteral("1"), QStringLiteral("359.999999712"));
    addBoth("1 gs to g", "gs", "g2", QStringLiteral("1"), QStringLiteral("0.00277777778"));
    addBoth("1 g to ri", "g", "ri2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("1 ri to g", "ri", "g2", QStringLiteral("1"), QStringLiteral("1"));
    addBoth("1 ri to gs", "ri", "gs2", QStringLiteral("1"), QStringLiteral("359.999999712"));
    addBoth("1 gs to ri", "gs", "ri2", QStringLiteral("1"), QStringLiteral("0.00277777778"));
    addBoth("1 se to gs", "se", "gs2", QStringLiteral("1"), QStringLiteral("59.999999988"));
    addBoth("1 gs to se", "gs", "se2", QStringLiteral("1"), QStringLiteral("0.01666666667"));

    // Percent slope in: (arctangent(p / 100) * 180) / pi; 100 percent and any negative accepted.
    addBoth("100 gp to gs", "gp", "gs2", QStringLiteral("100"), QStringLiteral("45"));
    addBoth("50 gp to gs", "gp", "gs2", QStringLiteral("50"), QStringLiteral("26.565051177078"));
    addBoth(
        "12.5 gp to gs", "gp", "gs2", QStringLiteral("12.5"), QStringLiteral("7.1250163489018"));
    addBoth(
        "-150 gp to gs", "gp", "gs2", QStringLiteral("-150"), QStringLiteral("-56.3099324740202"));
    addBoth("-1E300 gp to gs", "gp", "gs2", QStringLiteral("-1E300"), QStringLiteral("-90"));
    addBoth("0 gp to gs", "gp", "gs2", QStringLiteral("0"), QStringLiteral("0"));
    addBoth("20 gp to q", "gp", "q2", QStringLiteral("20"), QStringLiteral("0.12566591637799"));
    addBoth("50 gp to gp", "gp", "gp2", QStringLiteral("50"), QStringLiteral("50"));
    addBoth("100 gp to gp", "gp", "gp2", QStringLiteral("100"), QStringLiteral("100"));

    // Percent slope out: tangent((degrees * pi) / 180) * 100, up to 45 degrees, no lower limit.
    // 45 degrees is 99.99999999999999 percent, fifteen digits of which round to 100.
    addBoth("45 gs to gp", "gs", "gp2", QStringLiteral("45"), QStringLiteral("100"));
    addBoth("30 gs to gp", "gs", "gp2", QStringLiteral("30"), QStringLiteral("57.7350269189626"));
    addBoth("1 gs to gp", "gs", "gp2", QStringLiteral("1"), QStringLiteral("1.74550649282176"));
    addBoth(
        "-60 gs to gp", "gs", "gp2", QStringLiteral("-60"), QStringLiteral("-173.205080756888"));
    addBoth("26.56505117707799 gs to gp", "gs", "gp2", QStringLiteral("26.56505117707799"),
        QStringLiteral("50"));
    addBoth("0.5 r to gp", "r", "gp2", QStringLiteral("0.5"), QStringLiteral("54.6302489841681"));
    addBoth("45.5 gs to gp", "gs", "gp2", QStringLiteral("45.5"), QString());
    addBoth("1 q to gp", "q", "gp2", QStringLiteral("1"), QString());

    // Failures. The degree row converts its input like any other.
    addBoth("abc gs", "gs", "gs2", QStringLiteral("abc"), notANumber());
    addBoth("empty gs", "gs", "m2", QString(), notANumber());
    addBoth("abc gp", "gp", "gs2", QStringLiteral("abc"), notANumber());
    addBoth("empty gp", "gp", nullptr, QString(), notANumber());
    addBoth("1E306 g overflows", "g", "gs2", QStringLiteral("1E306"), outOfRange());
    addBoth("1E307 q overflows", "q", "gs2", QStringLiteral("1E307"), outOfRange());
    addBoth("1E308 gs to s overflows", "gs", "s2", QStringLiteral("1E308"), outOfRange());
    addBoth("-1E308 gs to gp", "gs", "gp2", QStringLiteral("-1E308"), outOfRange());
}

void TestAngoli::conversions()
{
    checkPress(q);
}

void TestAngoli::refusedSlopeEndsThePress_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");

    QTest::newRow("150 to gs") << QByteArray("gs2") << QStringLiteral("150") << english;
    QTest::newRow("150 to gs it") << QByteArray("gs2") << QStringLiteral("150") << italian;
    QTest::newRow("150 to m") << QByteArray("m2") << QStringLiteral("150") << italian;
    QTest::newRow("150 to gp") << QByteArray("gp2") << QStringLiteral("150") << english;
    QTest::newRow("150 no target") << QByteArray() << QStringLiteral("150") << english;
    QTest::newRow("just above 100")
        << QByteArray("r2") << QStringLiteral("100.000000001") << english;
    QTest::newRow("just above 100 it")
        << QByteArray("r2") << QStringLiteral("100,000000001") << italian;
    QTest::newRow("1E300") << QByteArray("q2") << QStringLiteral("1E300") << english;
}

// A slope above 100 percent empties the result box and ends the press: no target writes a
// conversion of the empty pivot over it, and no failure is reported.
void TestAngoli::refusedSlopeEndsThePress()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    const PressOutcome o
        = run(q, {.source = "gp", .target = orNull(target), .input = input, .locale = locale});
    QVERIFY(!o.failure);
    QCOMPARE(o.writes.size(), 1);
    QCOMPARE(QString(o.writes[0].box.latin1()), QString(kResultBox.latin1()));
    QCOMPARE(o.writes[0].text, QString());
}

void TestAngoli::steepAngleEmptiesWithoutFailure()
{
    const PressOutcome o = run(q,
        {.source = "gs",
            .target = "gp2",
            .input = QStringLiteral("45,0000001"),
            .locale = italian});
    QVERIFY(!o.failure);
    QCOMPARE(o.written(kResultBox), std::optional<QString>(QString()));
}

// The whole-number factors out of the pivot are integers, so an empty pivot gives the integer 0;
// every other factor is a double.
void TestAngoli::wholeNumberFactors()
{
    for (const UnitRow &row : q.rows) {
        if (row.outOf.hook)
            continue;
        QCOMPARE(row.outOf.steps.count, 1);
        const Constant k = row.outOf.steps.steps[0].k;
        const bool whole = k.value() == 1.0 || k.value() == 60.0 || k.value() == 3600.0;
        QVERIFY2(k.holding == (whole ? Holding::Int16 : Holding::Double), row.target);
        QCOMPARE(row.into.steps.count, 1);
        QVERIFY2(!row.into.steps.steps[0].k.isInteger(), row.source);
    }
}

QTEST_GUILESS_MAIN(TestAngoli)
#include "tst_angoli.moc"
