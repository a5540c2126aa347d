// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Forces through the kilogram-force, a pivot held by the window between presses.
#include "catalogue.h"
#include "presssupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {
const Quantity &forces()
{
    return quantities::forze();
}
} // namespace

class TestForze : public QObject {
    Q_OBJECT

private slots:
    void intoPivot_data();
    void intoPivot();
    void outOfPivot_data();
    void outOfPivot();
    void pairs_data();
    void pairs();
    void heldPivot();
    void failures_data();
    void failures();
    void overflowKeepsTheOverflowedPivot();
    void table();
};

// Every unit into kilograms-force: input 1, the pivot and the kilogram target's text.
void TestForze::intoPivot_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<double>("pivot");
    QTest::addColumn<QString>("en");
    QTest::addColumn<QString>("it");

    QTest::newRow("gram") << QByteArray("opt_g1") << 1 / 1000.0 << "0.001"
                          << "0,001";
    QTest::newRow("kilogram") << QByteArray("opt_kg1") << 1.0 << "1"
                              << "1";
    QTest::newRow("J/cm") << QByteArray("opt_jc1") << 1 / 0.0980665 << "10.1971621297793"
                          << "10,1971621297793";
    QTest::newRow("J/m") << QByteArray("opt_jm1") << 1 / 9.80665 << "0.101971621297793"
                         << "0,101971621297793";
    QTest::newRow("pound") << QByteArray("opt_lbs") << 1 / 2.2046223 << "0.45359243621912"
                           << "0,45359243621912";
    QTest::newRow("ounce") << QByteArray("opt_oz1") << 1 / 35.27396195 << "0.0283495231246628"
                           << "0,0283495231246628";
    QTest::newRow("newton") << QByteArray("opt_n1") << 1 / 9.80665 << "0.101971621297793"
                            << "0,101971621297793";
    QTest::newRow("kilonewton") << QByteArray("opt_kn1") << 1 / 0.00980665 << "101.971621297793"
                                << "101,971621297793";
    QTest::newRow("dyne") << QByteArray("opt_dyn1") << 1 / 980665.0 << "1.01971621297793E-06"
                          << "1,01971621297793E-06";
}

void TestForze::intoPivot()
{
    QFETCH(QByteArray, source);
    QFETCH(double, pivot);
    QFETCH(QString, en);
    QFETCH(QString, it);
    const PressOutcome e = run(forces(), {.source = source, .target = "opt_kg2"});
    QCOMPARE(resultOf(e), en);
    QCOMPARE(e.heldPivot, pivot);
    const PressOutcome i
        = run(forces(), {.source = source, .target = "opt_kg2", .locale = italian});
    QCOMPARE(resultOf(i), it);
}

// The kilogram-force out to every unit, from input 2,5 under Italian settings.
void TestForze::outOfPivot_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("it");

    QTest::newRow("gram") << QByteArray("opt_g2") << "2500";
    QTest::newRow("kilogram") << QByteArray("opt_kg2") << "2,5";
    QTest::newRow("J/cm") << QByteArray("opt_jc2") << "0,24516625";
    QTest::newRow("J/m") << QByteArray("opt_jm2") << "24,516625";
    QTest::newRow("pound") << QByteArray("opt_lbs2") << "5,51155575";
    QTest::newRow("ounce") << QByteArray("opt_oz2") << "88,184904875";
    QTest::newRow("newton") << QByteArray("opt_n2") << "24,516625";
    QTest::newRow("kilonewton") << QByteArray("opt_kn2") << "0,024516625";
    QTest::newRow("dyne") << QByteArray("Opt_dyn2") << "2451662,5";
}

void TestForze::outOfPivot()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, it);
    const PressOutcome o = run(forces(),
        {.source = "opt_kg1", .target = target, .input = QStringLiteral("2,5"), .locale = italian});
    QCOMPARE(resultOf(o), it);
    QCOMPARE(o.heldPivot, 2.5);
}

void TestForze::pairs_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("kg to N") << QByteArray("opt_kg1") << QByteArray("opt_n2") << "1" << english
                             << "9.80665";
    QTest::newRow("N to g") << QByteArray("opt_n1") << QByteArray("opt_g2") << "1" << english
                            << "101.971621297793";
    QTest::newRow("N to g it") << QByteArray("opt_n1") << QByteArray("opt_g2") << "1" << italian
                               << "101,971621297793";
    QTest::newRow("J/m to N is one")
        << QByteArray("opt_jm1") << QByteArray("opt_n2") << "1" << english << "1";
    QTest::newRow("J/cm to kg") << QByteArray("opt_jc1") << QByteArray("opt_kg2") << "1" << english
                                << "10.1971621297793";
    QTest::newRow("kg to kg 1,50")
        << QByteArray("opt_kg1") << QByteArray("opt_kg2") << "1,50" << italian << "1,5";
    QTest::newRow("kg to kg blanks")
        << QByteArray("opt_kg1") << QByteArray("opt_kg2") << "  2  " << english << "2";
    QTest::newRow("lbs to oz") << QByteArray("opt_lbs") << QByteArray("opt_oz2") << "2.5" << english
                               << "40.0000058400026";
    QTest::newRow("kN to dyn") << QByteArray("opt_kn1") << QByteArray("Opt_dyn2") << "1" << english
                               << "100000000";
    QTest::newRow("dyn to dyn") << QByteArray("opt_dyn1") << QByteArray("Opt_dyn2") << "-3,25E-2"
                                << italian << "-0,0325";
    QTest::newRow("g to kN tiny") << QByteArray("opt_g1") << QByteArray("opt_kn2") << "1e-310"
                                  << english << "9.80665001286479E-316";
}

void TestForze::pairs()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(resultOf(run(
                 forces(), {.source = source, .target = target, .input = input, .locale = locale})),
        expected);
}

void TestForze::heldPivot()
{
    // A press with only a target converts the pivot held from before (0 on a new window).
    QCOMPARE(resultOf(run(forces(), {.target = "opt_n2"})), QStringLiteral("0"));
    QCOMPARE(resultOf(run(forces(), {.target = "opt_n2", .held = 2.0})), QStringLiteral("19.6133"));
    // With no source the input is not even read: an invalid text does not matter.
    const PressOutcome o
        = run(forces(), {.target = "opt_g2", .input = QStringLiteral("abc"), .held = 0.5});
    QCOMPARE(resultOf(o), QStringLiteral("500"));
    QCOMPARE(o.heldPivot, 0.5);
    // A source with no target updates the pivot and writes nothing.
    const PressOutcome s
        = run(forces(), {.source = "opt_g1", .input = QStringLiteral("250"), .held = 7.0});
    QCOMPARE(resultOf(s), unchanged());
    QCOMPARE(s.heldPivot, 0.25);
}

void TestForze::failures_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("abc") << QByteArray("opt_g1") << QByteArray("opt_g2") << "abc" << english
                         << notANumber();
    QTest::newRow("empty, pivot unit")
        << QByteArray("opt_kg1") << QByteArray("opt_kg2") << "" << english << notANumber();
    QTest::newRow("abc, no target")
        << QByteArray("opt_n1") << QByteArray() << "abc" << italian << notANumber();
    QTest::newRow("grouping point in Italian")
        << QByteArray("opt_kg1") << QByteArray("opt_g2") << "1.500" << italian << notANumber();
    QTest::newRow("1E+400") << QByteArray("opt_kg1") << QByteArray("opt_g2") << "1E+400" << english
                            << outOfRange();
    QTest::newRow("source overflow")
        << QByteArray("opt_kn1") << QByteArray("opt_kg2") << "1E+307" << english << outOfRange();
    QTest::newRow("target overflow")
        << QByteArray("opt_kg1") << QByteArray("Opt_dyn2") << "1E+303" << english << outOfRange();
    QTest::newRow("largest target product")
        << QByteArray("opt_kg1") << QByteArray("Opt_dyn2") << "1E+302" << english << "9.80665E+307";
}

void TestForze::failures()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const char *t = target.isEmpty() ? nullptr : target.constData();
    QCOMPARE(
        resultOf(run(forces(), {.source = source, .target = t, .input = input, .locale = locale})),
        expected);
}

void TestForze::overflowKeepsTheOverflowedPivot()
{
    const PressOutcome o
        = run(forces(), {.source = "opt_kn1", .input = QStringLiteral("1E+307"), .held = 3.0});
    QCOMPARE(o.failure, std::optional(Failure::OutOfRange));
    QVERIFY(std::isinf(o.heldPivot));
    // The next press with only a target cannot show it either: reported, never written.
    QCOMPARE(resultOf(run(forces(), {.target = "opt_kg2", .held = o.heldPivot})), outOfRange());
    // A failed reading leaves the pivot as it was.
    QCOMPARE(
        run(forces(), {.source = "opt_g1", .input = QStringLiteral("x"), .held = 3.0}).heldPivot,
        3.0);
}

void TestForze::table()
{
    const Quantity &q = forces();
    QCOMPARE(q.rows.size(), std::size_t(9));
    QCOMPARE(QString::fromUtf8(q.rows[0].captionFor(true)), QStringLiteral("grammo         (g)"));
    QCOMPARE(QString::fromUtf8(q.rows[0].captionFor(false)), QStringLiteral("grammo        (g)"));
    QCOMPARE(QString::fromUtf8(q.rows[3].captionFor(false)), QStringLiteral("J/m "));
    QCOMPARE(
        QString::fromUtf8(q.rows[8].captionFor(true)), QStringLiteral("dyna             (dyn)"));
    QCOMPARE(
        QString::fromUtf8(q.rows[8].captionFor(false)), QStringLiteral("dyna             (dyn)"));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(q.rows[i].top, 360 + 360 * i);
}

QTEST_GUILESS_MAIN(TestForze)
#include "tst_forze.moc"
