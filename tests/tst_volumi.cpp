// The volumes window's press, without widgets: every constant in both directions, the litre's
// text pivot, the empty pivot, failures and overflow, under Italian and English.
#include "quantities/catalogue.h"
#include "testsupport.h"

using namespace unitavo;
using namespace unitavo::test;

namespace {

const Quantity &q()
{
    return quantities::volumi();
}

// English number text in, the same text with a decimal comma out.
QString italianText(QString s)
{
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

void addColumns()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
}

// One row per locale; input and expected are written the English way and get a decimal comma
// for the Italian row (failure and unchanged markers are left as they are).
void addBoth(const char *tag, const char *source, const char *target, const char *input,
    const QString &expected)
{
    const QString in = QString::fromUtf8(input);
    const bool marker = expected.startsWith(QLatin1Char('<'));
    QTest::addRow("en %s", tag) << QByteArray(source) << QByteArray(target) << in << english
                                << expected;
    QTest::addRow("it %s", tag) << QByteArray(source) << QByteArray(target) << italianText(in)
                                << italian << (marker ? expected : italianText(expected));
}

void check()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    QFETCH(QString, input);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const PressCase c{.source = source.isEmpty() ? nullptr : source.constData(),
        .target = target.isEmpty() ? nullptr : target.constData(),
        .input = input,
        .locale = locale};
    QCOMPARE(resultOf(run(q(), c)), expected);
}

// The number of each unit in one litre as its text, and 2.5 of the unit in litres.
struct Factor {
    const char *source;
    const char *target;
    const char *fromOneLitre;
    const char *toLitreFrom2_5;
    bool whole; // the multiplier is held as a whole number
};

const Factor unitFactors[] = {
    {"barile", "barile2", "0.00628981077", "397.468237347306", false},
    {"cc", "cc2", "1000", "0.0025", true},
    {"cl", "cl2", "100", "0.025", true},
    {"dl", "dl2", "10", "0.25", true},
    {"drop", "drop2", "20000", "0.000125", true},
    {"hl", "hl2", "0.01", "250", false},
    {"gal", "gal2", "0.2641720524", "9.46352945850074", false},
    {"galuk", "galuk2", "0.2199692347", "11.3652257026287", false},
    {"m", "m2", "0.001", "2500", false},
    {"ml", "ml2", "1000", "0.0025", true},
    {"pt", "pt2", "2.113376419", "1.18294118242454", false},
    {"ptuk", "ptuk2", "1.759753877", "1.42065321331297", false},
    {"ft", "ft2", "0.03531466672", "70.792116482984", false},
    {"inc", "inc2", "61.02374409", "0.040967660003177", false},
    {"qt", "qt2", "1.056688209", "2.36588236596856", false},
    {"qtUK", "qtUK2", "0.8798769386", "2.84130642630301", false},
    {"yd", "yarda2", "0.001307950619", "1911.38714541944", false},
};

} // namespace

class TestVolumi : public QObject {
    Q_OBJECT

private slots:
    void captions_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("length");
        const auto add = [](const char *button, const char *caption, int length) {
            QTest::newRow(button) << QByteArray(button) << QString::fromUtf8(caption) << length;
        };
        add("barile", "barile di petrolio", 18);
        add("cc2", "cc", 2);
        add("cl", "centilitro", 10);
        add("dl2", "decilitro", 9);
        add("drop", "drop", 4);
        add("hl2", "ettolitro", 9);
        add("gal", "gallone                         (gal)", 37);
        add("gal2", "gallone                      (gal)", 34);
        add("galuk", "gallone (UK)", 12);
        add("l", "litro                                (l)", 40);
        add("l2", "litro                               (l)", 39);
        add("m2", "metro cubo", 10);
        add("ml", "millilitro                         (ml)", 39);
        add("ml2", "millilitro                         (ml)", 39);
        add("pt2", "pinta                            (pt)", 37);
        add("ptuk", "pinta (UK)", 10);
        add("ft2", "piede c.", 8);
        add("inc", "pollice c.", 10);
        add("qt", "quarto di gallone          (qt)", 31);
        add("qt2", "quarto di gallone         (qt)", 30);
        add("qtUK2", "quarto di gallone (UK)", 22);
        add("yd", "yarda c.", 8);
        add("yarda2", "yarda c.", 8);
    }
    void captions()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, caption);
        QFETCH(int, length);
        const int row = rowOf(q(), button.constData());
        QVERIFY(row >= 0);
        const UnitRow &r = q().rows[row];
        const QString actual = QString::fromUtf8(r.captionFor(button == r.source));
        QCOMPARE(actual, caption);
        QCOMPARE(actual.size(), length);
    }

    void table()
    {
        QCOMPARE(q().rows.size(), std::size_t(18));
        QCOMPARE(q().pivot, PivotKind::PerPress);
        for (std::size_t i = 0; i < q().rows.size(); ++i)
            QCOMPARE(q().rows[i].top, int(240 + 240 * i));
        const UnitRow &litre = q().rows[rowOf(q(), "l")];
        QVERIFY(litre.into.asIs && !litre.into.hook);
        QVERIFY(litre.outOf.asIs && !litre.outOf.hook);
    }

    void holdings_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<int>("holding");
        for (const Factor &f : unitFactors) {
            QTest::newRow(f.target)
                << QByteArray(f.target) << int(f.whole ? Holding::Int16 : Holding::Double);
        }
    }
    void holdings()
    {
        QFETCH(QByteArray, target);
        QFETCH(int, holding);
        const UnitRow &r = q().rows[rowOf(q(), target.constData())];
        QCOMPARE(r.outOf.steps.count, 1);
        QCOMPARE(r.outOf.steps.steps[0].op, Op::Multiply);
        QCOMPARE(int(r.outOf.steps.steps[0].k.holding), holding);
        QCOMPARE(r.into.steps.count, 1);
        QCOMPARE(r.into.steps.steps[0].op, Op::Divide);
        QCOMPARE(r.into.steps.steps[0].k.holding, Holding::Double);
        QCOMPARE(r.into.steps.steps[0].k.value(), r.outOf.steps.steps[0].k.value());
    }

    // Every constant, out of one litre (the text pivot "1") and into the litre.
    void factors_data()
    {
        addColumns();
        for (const Factor &f : unitFactors) {
            addBoth(QByteArray("l->").append(f.target).constData(), "l", f.target, "1",
                QString::fromLatin1(f.fromOneLitre));
            addBoth(QByteArray(f.source).append("->l").constData(), f.source, "l2", "2.5",
                QString::fromLatin1(f.toLitreFrom2_5));
        }
    }
    void factors() { check(); }

    void worked_data()
    {
        addColumns();
        addBoth("1 barrel l", "barile", "l2", "1", QStringLiteral("158.987294938922"));
        addBoth("1 cubic yard l", "yd", "l2", "1", QStringLiteral("764.554858167776"));
        addBoth("2 l ml", "l", "ml2", "2", QStringLiteral("2000"));
        addBoth("1.5 l ml", "l", "ml2", "1.5", QStringLiteral("1500"));
        addBoth("blanks l ml", "l", "ml2", "  2  ", QStringLiteral("2000"));
        addBoth("1.5 gal qt", "gal", "qt2", "1.5", QStringLiteral("5.99999999659313"));
        addBoth("3 l m3", "m", "l2", "3", QStringLiteral("3000"));
        addBoth("1 m3 m3", "m", "m2", "1", QStringLiteral("1"));
        addBoth("0.05 l drop", "l", "drop2", "0.05", QStringLiteral("1000"));
        addBoth("1 drop l", "drop", "l2", "1", QStringLiteral("5E-05"));
        addBoth("1E-5 l ml", "l", "ml2", "1E-5", QStringLiteral("0.01"));
        addBoth("cc ml", "cc", "ml2", "123.456", QStringLiteral("123.456"));
        addBoth("-2 l cl", "l", "cl2", "-2", QStringLiteral("-200"));
    }
    void worked() { check(); }

    // The litre source keeps the typed text; it is read as a number only by a target step.
    void textPivot_data()
    {
        addColumns();
        const auto add = [](const char *tag, const char *source, const char *target,
                             const char *input, const QLocale &locale, const QString &expected) {
            QTest::newRow(tag) << QByteArray(source) << QByteArray(target)
                               << QString::fromUtf8(input) << locale << expected;
        };
        add("it l l abc", "l", "l2", "abc", italian, QStringLiteral("abc"));
        add("en l l abc", "l", "l2", "abc", english, QStringLiteral("abc"));
        add("it l l 1,0", "l", "l2", "1,0", italian, QStringLiteral("1,0"));
        add("en l l 1,0", "l", "l2", "1,0", english, QStringLiteral("1,0"));
        add("it l l blanks", "l", "l2", " 1,0 ", italian, QStringLiteral(" 1,0 "));
        add("it l ml abc", "l", "ml2", "abc", italian, notANumber());
        add("en l barrel abc", "l", "barile2", "abc", english, notANumber());
        add("en l ml 1,5", "l", "ml2", "1,5", english, notANumber());
        add("it l ml empty", "l", "ml2", "", italian, notANumber());
        add("it l none abc", "l", "", "abc", italian, unchanged());
        add("it cc none abc", "cc", "", "abc", italian, notANumber());
        add("it cc l abc", "cc", "l2", "abc", italian, notANumber());
    }
    void textPivot() { check(); }

    // No source: the empty pivot is 0 in every product and the empty text for the litre.
    void noSource_data()
    {
        addColumns();
        QTest::newRow("l2") << QByteArray() << QByteArray("l2") << QStringLiteral("7") << italian
                            << QString();
        for (const Factor &f : unitFactors) {
            QTest::newRow(f.target) << QByteArray() << QByteArray(f.target) << QStringLiteral("abc")
                                    << italian << QStringLiteral("0");
        }
    }
    void noSource() { check(); }

    void noTarget_data()
    {
        addColumns();
        for (const char *source : {"barile", "l", "yd", "inc"}) {
            QTest::newRow(source) << QByteArray(source) << QByteArray() << QStringLiteral("2")
                                  << english << unchanged();
        }
        QTest::newRow("none") << QByteArray() << QByteArray() << QStringLiteral("2") << english
                              << unchanged();
    }
    void noTarget() { check(); }

    void overflow_data()
    {
        addColumns();
        addBoth("barrel 1E+307", "barile", "l2", "1E+307", outOfRange());
        addBoth("barrel 1E+300", "barile", "l2", "1E+300", QStringLiteral("1.58987294938922E+302"));
        addBoth("m3 1E+308 no target", "m", "", "1E+308", outOfRange());
        addBoth("typed 1E+400", "cc", "l2", "1E+400", outOfRange());
        addBoth("ml drop 1E+308", "ml", "drop2", "1E+308", outOfRange());
        addBoth("l drop 1E+305", "l", "drop2", "1E+305", outOfRange());
        addBoth("l l 1E+400", "l", "l2", "1E+400", QStringLiteral("1E+400"));
    }
    void overflow() { check(); }
};

QTEST_MAIN(TestVolumi)
#include "tst_volumi.moc"
