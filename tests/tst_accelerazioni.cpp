// Accelerations through the metre per second squared, a pivot that lives for one press.
#include "quantities/catalogue.h"
#include "testsupport.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

const Quantity &accelerations()
{
    return quantities::accelerazioni();
}

// The units top to bottom. toPivot: 1 of the unit in m/sec²; fromPivot: 1 m/sec² in the unit.
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
    {"ms", "ms2", "m/sec", 240, 855, "1", "1"},
    {"cms", "cms2", "cm/sec", 600, 855, "0.01", "100"},
    {"fts", "fts2", "foot/sec", 960, 975, "0.304800000001219", "3.280839895"},
    {"g", "g2", "g", 1320, 375, "9.80664999978774", "0.1019716213"},
    {"gal", "gal2", "gal", 1680, 615, "0.01", "100"},
    {"ins", "ins2", "inch/sec", 2040, 975, "0.0254000000001016", "39.37007874"},
    {"mils", "mils2", "mile/sec", 2400, 975, "1609.34400009669", "0.0006213711922"},
    {"yds", "yds2", "yard/sec", 2760, 975, "0.914400000282367", "1.093613298"},
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

class TestAccelerazioni : public QObject {
    Q_OBJECT

private slots:
    void table();
    void press_data();
    void press();
};

void TestAccelerazioni::table()
{
    const Quantity &q = accelerations();
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(q.sourceFrame, "frame1");
    QCOMPARE(q.targetFrame, "Frame2");
    QCOMPARE(q.rows.size(), std::size(units));
    for (std::size_t i = 0; i < std::size(units); ++i) {
        const UnitRow &row = q.rows[i];
        QCOMPARE(row.source, units[i].source);
        QCOMPARE(row.target, units[i].target);
        QCOMPARE(row.captionFor(true), units[i].caption);
        QCOMPARE(row.captionFor(false), units[i].caption);
        QCOMPARE(row.top, units[i].top);
        QCOMPARE(row.height, 255);
        QCOMPARE(row.widthFor(true), units[i].width);
        QCOMPARE(row.widthFor(false), units[i].width);
    }
}

void TestAccelerazioni::press_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    for (const Unit &u : units) {
        const QByteArray name(u.source);
        both(name + " to ms", u.source, "ms2", QStringLiteral("1"), QLatin1String(u.toPivot));
        both("ms to " + name, "ms", u.target, QStringLiteral("1"), QLatin1String(u.fromPivot));
        both(name + " to itself", u.source, u.target, QStringLiteral("1"), QStringLiteral("1"));
        both("no source to " + name, nullptr, u.target, QStringLiteral("1"), QStringLiteral("0"));
        both("no target from " + name, u.source, nullptr, QStringLiteral("1"), unchanged());
        both(name + " abc", u.source, u.target, QStringLiteral("abc"), notANumber());
        both(name + " empty, no target", u.source, nullptr, QString(), notANumber());
    }

    both("cm/sec to gal", "cms", "gal2", QStringLiteral("100"), QStringLiteral("100"));
    both("gal to cm/sec", "gal", "cms2", QStringLiteral("1"), QStringLiteral("1"));
    both("007 m/sec to m/sec", "ms", "ms2", QStringLiteral("007"), QStringLiteral("7"));
    both("foot/sec to inch/sec", "fts", "ins2", QStringLiteral("2.5"), QStringLiteral("30"));
    both("m/sec to g, negative", "ms", "g2", QStringLiteral("-9.81"),
        QStringLiteral("-1.000341604953"));
    both("mile/sec to yard/sec", "mils", "yds2", QStringLiteral("1"),
        QStringLiteral("1759.99999956226"));
    both("g to foot/sec, blanks", "g", "fts2", QStringLiteral("  1.5  "),
        QStringLiteral("48.261072833408"));

    // Range: only g and mile/sec divide by factors below 1; products can leave the range.
    both("largest mile/sec", "mils", "mils2", QStringLiteral("1E305"), QStringLiteral("1E+305"));
    both("mile/sec quotient overflows", "mils", "mils2", QStringLiteral("1E306"), outOfRange());
    both("g quotient overflows", "g", nullptr, QStringLiteral("1E308"), outOfRange());
    both("typed number too large", "ms", "ms2", QStringLiteral("1E400"), outOfRange());
    both(
        "cm/sec product in range", "ms", "cms2", QStringLiteral("1E306"), QStringLiteral("1E+308"));
    both("cm/sec product overflows", "ms", "cms2", QStringLiteral("1E307"), outOfRange());
    both("inch/sec product overflows", "ms", "ins2", QStringLiteral("-1E307"), outOfRange());
}

void TestAccelerazioni::press()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const PressOutcome o = run(accelerations(),
        {.source = source.isEmpty() ? nullptr : source.constData(),
            .target = target.isEmpty() ? nullptr : target.constData(),
            .input = input,
            .locale = locale});
    QCOMPARE(resultOf(o), expected);
    if (o.failure)
        QVERIFY(!o.written(kResultBox));
}

QTEST_MAIN(TestAccelerazioni)
#include "tst_accelerazioni.moc"
