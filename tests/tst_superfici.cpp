// Areas through the square metre, a pivot that lives for one press.
#include "quantities/catalogue.h"
#include "testsupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

const Quantity &areas()
{
    return quantities::superfici();
}

// The units top to bottom. toPivot: 1 of the unit in square metres; fromPivot: 1 m² in the unit.
struct Unit {
    const char *source;
    const char *target;
    const char *caption;
    int top;
    int width;
    const char *toPivot;
    const char *fromPivot;
};

constexpr Unit units[] = {
    {"mq", "m2", "m", 240, 495, "1", "1"},
    {"acri", "acri2", "acri", 480, 615, "4046.85642186227", "0.0002471053815"},
    {"cm", "cm2", "cm", 720, 615, "0.0001", "10000"},
    {"dm", "dm2", "dm", 960, 615, "0.01", "100"},
    {"ft", "ft2", "piedi", 1200, 735, "0.0929030399716017", "10.76391042"},
    {"ettari", "ettari2", "ettari", 1440, 735, "10000", "0.0001"},
    {"hm", "hm2", "hm", 1680, 615, "10000", "0.0001"},
    {"km", "km2", "km", 1920, 615, "1000000", "1E-06"},
    {"mil", "mil2", "miglia", 2160, 735, "2589988.11062073", "3.861021585E-07"},
    {"mm", "mm2", "mm", 2400, 615, "1E-06", "1000000"},
    {"yd", "yd2", "yard", 2640, 615, "0.836127360210488", "1.195990046"},
    {"are", "are2", "are", 2880, 615, "100", "0.01"},
    {"rood", "rood2", "rood", 3120, 615, "1011.71410556792", "0.0009884215259"},
    {"pertiche", "pertiche2", "pertiche", 3360, 975, "25.2927886703588", "0.03953696103"},
    {"inc", "in2", "pollici", 3600, 735, "0.000645160000002581", "1550.0031"},
};

QString it(QString english)
{
    return english.replace(QLatin1Char('.'), QLatin1Char(','));
}

void columns()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
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

class TestSuperfici : public QObject {
    Q_OBJECT

private slots:
    void table();
    void press_data();
    void press();
};

void TestSuperfici::table()
{
    const Quantity &q = areas();
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(q.rows.size(), std::size(units));
    for (std::size_t i = 0; i < std::size(units); ++i) {
        const UnitRow &row = q.rows[i];
        QCOMPARE(row.source, units[i].source);
        QCOMPARE(row.target, units[i].target);
        QCOMPARE(row.captionFor(true), units[i].caption);
        QCOMPARE(row.captionFor(false), units[i].caption);
        QCOMPARE(row.top, units[i].top);
        QCOMPARE(row.widthFor(true), units[i].width);
        QCOMPARE(row.widthFor(false), units[i].width);
        QCOMPARE(row.height, i == std::size(units) - 1 ? 315 : 255);
    }
}

void TestSuperfici::press_data()
{
    columns();
    for (const Unit &u : units) {
        const QByteArray name(u.source);
        both(name + " to m2", u.source, "m2", QStringLiteral("1"), QLatin1String(u.toPivot));
        both("m2 to " + name, "mq", u.target, QStringLiteral("1"), QLatin1String(u.fromPivot));
        both(name + " to itself", u.source, u.target, QStringLiteral("1"), QStringLiteral("1"));
        // The empty pivot times 1, 100, 10000 or 1000000 is the whole number 0, times a double 0.
        both("no source to " + name, nullptr, u.target, QStringLiteral("1"), QStringLiteral("0"));
        both("no target from " + name, u.source, nullptr, QStringLiteral("1"), unchanged());
        // Every source reads its input as a number, the square metre too.
        both(name + " abc", u.source, u.target, QStringLiteral("abc"), notANumber());
        both(name + " empty, no target", u.source, nullptr, QString(), notANumber());
    }

    both("hm2 to ettari", "hm", "ettari2", QStringLiteral("1"), QStringLiteral("1"));
    both("ettari to hm2", "ettari", "hm2", QStringLiteral("1"), QStringLiteral("1"));
    both("1.5 acri to m2", "acri", "m2", QStringLiteral("1.5"), QStringLiteral("6070.2846327934"));
    both("acri to ft2", "acri", "ft2", QStringLiteral("2.5"), QStringLiteral("108900.000018818"));
    both("miglia to km2", "mil", "km2", QStringLiteral("1234.5"),
        QStringLiteral("3197.34032256129"));
    both("yard to ft2, negative", "yd", "ft2", QStringLiteral("-3"),
        QStringLiteral("-27.0000000150503"));
    both("hm2 to are, blanks", "hm", "are2", QStringLiteral("  2  "), QStringLiteral("200"));
    both("in2 to cm2", "inc", "cm2", QStringLiteral("1E-3"), QStringLiteral("0.00645160000002581"));
    both("rood to pertiche", "rood", "pertiche2", QStringLiteral("1"),
        QStringLiteral("40.0001011653403"));
    both("zero", "km", "mil2", QStringLiteral("0"), QStringLiteral("0"));
    QTest::newRow("decimal point under Italian")
        << QByteArray("mq") << QByteArray("m2") << QStringLiteral("1.5") << italian << notANumber();
    QTest::newRow("decimal comma under English")
        << QByteArray("mq") << QByteArray("m2") << QStringLiteral("1,5") << english << notANumber();

    // Range: sources dividing by factors below 1, and products beyond the double range.
    both("largest km2", "km", "km2", QStringLiteral("1E302"), QStringLiteral("1E+302"));
    both("km2 quotient overflows", "km", "km2", QStringLiteral("1E305"), outOfRange());
    both("negative km2 quotient overflows", "km", nullptr, QStringLiteral("-1E305"), outOfRange());
    both("miglia quotient overflows", "mil", "mil2", QStringLiteral("1E305"), outOfRange());
    both("acri quotient overflows", "acri", "m2", QStringLiteral("1E305"), outOfRange());
    both("typed number too large", "mq", "m2", QStringLiteral("1E400"), outOfRange());
    both("cm2 product in range", "mq", "cm2", QStringLiteral("1E300"), QStringLiteral("1E+304"));
    both("cm2 product overflows", "mq", "cm2", QStringLiteral("1E305"), outOfRange());
    both("mm2 product overflows", "mq", "mm2", QStringLiteral("1E305"), outOfRange());
}

void TestSuperfici::press()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const PressOutcome o = run(areas(),
        {.source = source.isEmpty() ? nullptr : source.constData(),
            .target = target.isEmpty() ? nullptr : target.constData(),
            .input = input,
            .locale = locale});
    QCOMPARE(resultOf(o), expected);
    if (o.failure)
        QVERIFY(!o.written(kResultBox));
}

QTEST_MAIN(TestSuperfici)
#include "tst_superfici.moc"
