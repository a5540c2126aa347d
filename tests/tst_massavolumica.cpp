// Densities through the kilogram per cubic metre, a pivot that lives for one press.
#include "quantities/catalogue.h"
#include "testsupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

const Quantity &densities()
{
    return quantities::massavolumica();
}

// The units top to bottom. toPivot: 1 of the unit in kg/m³; fromPivot: 1 kg/m³ in the unit.
struct Unit {
    const char *source;
    const char *target;
    const char *caption;
    int top;
    int sourceWidth;
    int targetWidth;
    const char *toPivot;
    const char *fromPivot;
};

constexpr Unit units[] = {
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
    {"lbinc", "lbinc2", "lb/in", 4080, 615, 615, "27538.5525139763", "3.63127292E-05"},
    {"tonydc", "tonydc2", "ton/yd", 4320, 855, 855, "1186.55284248452", "0.0008427774678"},
};

QString it(QString english)
{
    return english.replace(QLatin1Char('.'), QLatin1Char(','));
}

// One row under English settings and the same under Italian ones, decimal points made commas.
void both(const QByteArray &tag, const char *source, const char *target, const QString &input,
    const QString &expected)
{
    QTest::addRow("%s en", tag.constData())
        << QByteArray(source) << QByteArray(target) << input << english << expected;
    QTest::addRow("%s it", tag.constData())
        << QByteArray(source) << QByteArray(target) << it(input) << italian << it(expected);
}

} // namespace

class TestMassaVolumica : public QObject {
    Q_OBJECT

private slots:
    void table();
    void press_data();
    void press();
};

void TestMassaVolumica::table()
{
    const Quantity &q = densities();
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(q.rows.size(), std::size(units));
    for (std::size_t i = 0; i < std::size(units); ++i) {
        const UnitRow &row = q.rows[i];
        QCOMPARE(row.source, units[i].source);
        QCOMPARE(row.target, units[i].target);
        QCOMPARE(row.captionFor(true), units[i].caption);
        QCOMPARE(row.captionFor(false), units[i].caption);
        QCOMPARE(row.top, units[i].top);
        QCOMPARE(row.height, 255);
        QCOMPARE(row.widthFor(true), units[i].sourceWidth);
        QCOMPARE(row.widthFor(false), units[i].targetWidth);
    }
}

void TestMassaVolumica::press_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    for (const Unit &u : units) {
        const QByteArray name(u.source);
        both(name + " to kgmc", u.source, "kgmc2", QStringLiteral("1"), QLatin1String(u.toPivot));
        both("kgmc to " + name, "kgmc", u.target, QStringLiteral("1"), QLatin1String(u.fromPivot));
        both(name + " to itself", u.source, u.target, QStringLiteral("1"), QStringLiteral("1"));
        both(name + " abc", u.source, u.target, QStringLiteral("abc"), notANumber());
        both(name + " empty, no target", u.source, nullptr, QString(), notANumber());
        both("no target from " + name, u.source, nullptr, QStringLiteral("1"), unchanged());
        // The empty pivot: nothing written as is, 0 through any factor.
        both("no source to " + name, nullptr, u.target, QStringLiteral("1"),
            u.target == QByteArrayView("kgmc2") ? QString() : QStringLiteral("0"));
    }

    // The kg/m³ target shows the pivot: a number's text, never the typed text.
    both("007 kgmc to kgmc", "kgmc", "kgmc2", QStringLiteral("007"), QStringLiteral("7"));
    both("1.50 kgmc to kgmc", "kgmc", "kgmc2", QStringLiteral("1.50"), QStringLiteral("1.5"));
    both("blanks kgmc to kgmc", "kgmc", "kgmc2", QStringLiteral("  2  "), QStringLiteral("2"));
    both("g/cc to kgmc", "gcc", "kgmc2", QStringLiteral("2.5"), QStringLiteral("2500"));
    both("microgrammi/litro to mg/l", "microl", "mgl2", QStringLiteral("1"),
        QStringLiteral("0.001"));
    both("g/l to mg/cc", "gl", "mgcc2", QStringLiteral("1"), QStringLiteral("1"));
    both("mg/cc to g/l", "mgcc", "gl2", QStringLiteral("1"), QStringLiteral("1"));
    both("g/cc to mg/mm3", "gcc", "mgmmc2", QStringLiteral("1"), QStringLiteral("1"));
    both("lb/gal to oz/gal", "lbgal", "ozgal2", QStringLiteral("2.5"),
        QStringLiteral("39.9999999904139"));
    both("ton/yd3 to lb/ft3, negative", "tonydc", "lbftc2", QStringLiteral("-0.75"),
        QStringLiteral("-55.5555555575331"));
    both("mg/m3 to g/m3", "mgmc", "gmc2", QStringLiteral("1E5"), QStringLiteral("100"));
    both("oz/in3 to lb/in3", "ozinc", "lbinc2", QStringLiteral("3"),
        QStringLiteral("0.188462415754826"));

    // Range: sources dividing by factors below 1, and products beyond the double range.
    both("largest g/mm3", "gmmc", "kgmc2", QStringLiteral("1E302"), QStringLiteral("1E+308"));
    both("g/mm3 quotient overflows", "gmmc", "kgmc2", QStringLiteral("1E305"), outOfRange());
    both("lb/in3 quotient overflows", "lbinc", nullptr, QStringLiteral("1E305"), outOfRange());
    both("typed number too large", "kgmc", "kgmc2", QStringLiteral("1E400"), outOfRange());
    both("large pivot shown as is", "kgmc", "kgmc2", QStringLiteral("1E305"),
        QStringLiteral("1E+305"));
    both("microgrammi/litro product overflows", "kgmc", "microl2", QStringLiteral("1E305"),
        outOfRange());
    both("mg/m3 product overflows", "kgmc", "mgmc2", QStringLiteral("1E305"), outOfRange());
    both("g/m3 product overflows", "kgmc", "gmc2", QStringLiteral("-1E306"), outOfRange());
}

void TestMassaVolumica::press()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const PressOutcome o = run(densities(),
        {.source = source.isEmpty() ? nullptr : source.constData(),
            .target = target.isEmpty() ? nullptr : target.constData(),
            .input = input,
            .locale = locale});
    QCOMPARE(resultOf(o), expected);
    if (o.failure)
        QVERIFY(!o.written(kResultBox));
}

QTEST_MAIN(TestMassaVolumica)
#include "tst_massavolumica.moc"
