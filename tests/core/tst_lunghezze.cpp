// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lengths window's press, without widgets: the twenty decimal units through the metre, the
// metre's text pivot, and inches written as a whole number plus a fraction in both directions.
// Expected texts were worked out apart from this program (15 significant digits, 'G' format).
#include "catalogue.h"
#include "presssupport.h"

using namespace unitavo;
using namespace unitavo::test;

namespace {

// A press of the fractional-inch source with its two fraction boxes.
PressCase fractional(const char *target, const QString &whole, const QString &numerator,
    const QString &denominator, const QLocale &locale)
{
    PressCase c{.source = "in_1_2", .target = target, .input = whole, .locale = locale};
    c.extra.append({BoxName("txt_conv1_2"), numerator});
    c.extra.append({BoxName("txt_conv1_2_2"), denominator});
    return c;
}

QString writtenInto(const PressOutcome &o, const char *box)
{
    const auto text = o.written(BoxName(box));
    return text ? *text : QStringLiteral("<none>");
}

struct DecimalRow {
    const char *source;
    const char *target;
    const char *oneToMetre; // input 1 from this unit, in metres
    const char *twoAndHalfToMetre; // input 2.5 from this unit, in metres
    const char *metreToOne; // input 1 metre in this unit
    const char *metreToTwoAndHalf; // input 2.5 metres in this unit
};

const DecimalRow decimalTable[] = {
    {"A1", "A2", "1E-10", "2.5E-10", "10000000000", "25000000000"},
    {"al1", "al2", "9.46052840072811E+15", "2.36513210018203E+16", "1.057023411E-16",
        "2.6425585275E-16"},
    {"cm1", "cm2", "0.01", "0.025", "100", "250"},
    {"km1", "km2", "1000", "2500", "0.001", "0.0025"},
    {"kp1", "kp2", "3.08572926402046E+19", "7.71432316005115E+19", "3.24072501E-20",
        "8.101812525E-20"},
    {"dm1", "dm2", "0.1", "0.25", "10", "25"},
    {"hm1", "hm2", "100", "250", "0.01", "0.025"},
    {"fermi1", "fermi2", "1E-15", "2.5E-15", "1E+15", "2.5E+15"},
    {"micron1", "micron2", "1E-06", "2.5E-06", "1000000", "2500000"},
    {"mil1", "mil2", "1609.34400009669", "4023.36000024174", "0.0006213711922", "0.0015534279805"},
    {"mn1", "mn2", "1851.99999984814", "4629.99999962034", "0.0005399568035", "0.00134989200875"},
    {"mm1", "mm2", "0.001", "0.0025", "1000", "2500"},
    {"nm1", "nm2", "1E-09", "2.5E-09", "1000000000", "2500000000"},
    {"parsec1", "parsec2", "3.08572926402046E+16", "7.71432316005115E+16", "3.24072501E-17",
        "8.101812525E-17"},
    {"pica1", "pica2", "0.00423333333406711", "0.0105833333351678", "236.2204724", "590.551181"},
    {"ft1", "ft2", "0.304800000001219", "0.762000000003048", "3.280839895", "8.2020997375"},
    {"in1", "in2", "0.0254000000001016", "0.063500000000254", "39.37007874", "98.42519685"},
    {"ua1", "ua2", "149599999991.263", "373999999978.158", "6.684491979E-12", "1.67112299475E-11"},
    {"yd1", "yd2", "0.914400000282367", "2.28600000070592", "1.093613298", "2.734033245"},
};

} // namespace

class TestLunghezze : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::lunghezze();

private slots:
    void table_data();
    void table();
    void factors_data();
    void factors();
    void decimalRows_data()
    {
        addPressColumns();
        addDecimalRows();
    }
    void decimalRows() { checkPress(q); }
    void textPivot_data();
    void textPivot() { checkPress(q); }
    void decimalFailures_data();
    void decimalFailures() { checkPress(q); }
    void fractionalInput_data();
    void fractionalInput();
    void roundingAndCarry_data();
    void roundingAndCarry() { checkPress(q); }
    void wholeNumberLimit_data();
    void wholeNumberLimit() { checkPress(q); }
    void fractionControls();

private:
    static void addDecimalRows();
};

void TestLunghezze::table_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("sourceCaption");
    QTest::addColumn<QString>("targetCaption");
    QTest::addColumn<int>("width");

    struct Expected {
        const char *source;
        const char *target;
        QString caption;
        const char *targetCaption;
        int width;
    };
    const auto blanks = [](int n) { return QString(n, QLatin1Char(' ')); };
    // The runs of blanks align the abbreviations in brackets and belong to the captions.
    const Expected expected[] = {
        {"A1", "A2", QStringLiteral("Anmstrong") + blanks(15) + QStringLiteral("(A)"), nullptr,
            2055},
        {"al1", "al2", QStringLiteral("anno luce"), nullptr, 1695},
        {"cm1", "cm2", QStringLiteral("centimetri") + blanks(16) + QStringLiteral("(cm)"), nullptr,
            2055},
        {"km1", "km2", QStringLiteral("chilometri") + blanks(16) + QStringLiteral("(km)"), nullptr,
            2055},
        {"kp1", "kp2", QStringLiteral("chiloparsec"), nullptr, 1695},
        {"dm1", "dm2", QStringLiteral("decimetri") + blanks(17) + QStringLiteral("(dm)"), nullptr,
            2055},
        {"hm1", "hm2", QStringLiteral("ettometri") + blanks(18) + QStringLiteral("(hm)"), nullptr,
            2055},
        {"fermi1", "fermi2", QStringLiteral("fermi"), nullptr, 1455},
        {"m1", "m2", QStringLiteral("metri") + blanks(24) + QStringLiteral("(m)"), nullptr, 2055},
        {"micron1", "micron2", QStringLiteral("micron"), nullptr, 1935},
        {"mil1", "mil2", QStringLiteral("miglia") + blanks(22) + QStringLiteral("(mil)"), nullptr,
            2055},
        {"mn1", "mn2", QStringLiteral("miglia nautiche"), nullptr, 1935},
        {"mm1", "mm2", QStringLiteral("millimetri") + blanks(18) + QStringLiteral("(mm)"), nullptr,
            2055},
        {"nm1", "nm2", QStringLiteral("nanometri") + blanks(16) + QStringLiteral("(nm)"), nullptr,
            2055},
        {"parsec1", "parsec2", QStringLiteral("parsec"), nullptr, 1935},
        {"pica1", "pica2", QStringLiteral("pica"), nullptr, 1695},
        {"ft1", "ft2", QStringLiteral("piedi") + blanks(24) + QStringLiteral("(ft)"), nullptr,
            2055},
        {"in1", "in2", QStringLiteral("pollici  (decimale)") + blanks(5) + QStringLiteral("(in)"),
            nullptr, 2055},
        {"ua1", "ua2", QStringLiteral("unità astronomiche"), nullptr, 1935},
        {"yd1", "yd2", QStringLiteral("yard") + blanks(25) + QStringLiteral("(yd)"), nullptr, 2055},
        {"in_1_2", "in_2_hexad", QStringLiteral("pollici  (frazionario)   (in)"),
            "pollici (frazionario)    (in)", 2055},
    };
    QCOMPARE(int(q.rows.size()), int(std::size(expected)));
    for (int i = 0; i < int(std::size(expected)); ++i) {
        const Expected &e = expected[i];
        const QString &caption = e.caption;
        QTest::newRow(e.source) << i << QString::fromLatin1(e.source)
                                << QString::fromLatin1(e.target) << caption
                                << (e.targetCaption ? QString::fromUtf8(e.targetCaption) : caption)
                                << e.width;
    }
}

void TestLunghezze::table()
{
    QFETCH(int, row);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, sourceCaption);
    QFETCH(QString, targetCaption);
    QFETCH(int, width);
    const UnitRow &r = q.rows[row];
    QCOMPARE(QString::fromLatin1(r.source), source);
    QCOMPARE(QString::fromLatin1(r.target), target);
    QCOMPARE(QString::fromUtf8(r.captionFor(true)), sourceCaption);
    QCOMPARE(QString::fromUtf8(r.captionFor(false)), targetCaption);
    QCOMPARE(r.top, 240 + 240 * row);
    QCOMPARE(r.height, 255);
    QCOMPARE(r.widthFor(true), width);
    QCOMPARE(r.widthFor(false), width);
    QVERIFY(!r.superscript.text);
}

void TestLunghezze::factors_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("holding");
    QTest::addColumn<double>("factor");
    const auto add = [](const char *t, Holding h, double k) {
        QTest::newRow(t) << QString::fromLatin1(t) << int(h) << k;
    };
    add("cm2", Holding::Int16, 100);
    add("dm2", Holding::Int16, 10);
    add("mm2", Holding::Int16, 1000);
    add("micron2", Holding::Int32, 1000000);
    add("nm2", Holding::Int32, 1000000000);
    add("A2", Holding::Double, 10000000000.0);
    add("fermi2", Holding::Double, 1000000000000000.0);
    add("ft2", Holding::Double, 3.280839895);
}

// Whole-number factors are held as integers; every divisor is a double of the same value.
void TestLunghezze::factors()
{
    QFETCH(QString, target);
    QFETCH(int, holding);
    QFETCH(double, factor);
    const UnitRow &r = q.rows[rowOf(q, target.toLatin1().constData())];
    verifyOneFactor(r, holding);
    QCOMPARE(r.outOf.steps.steps[0].k.value(), factor);
}

// Every decimal row into the metre and out of it, and back to itself.
void TestLunghezze::addDecimalRows()
{
    for (const DecimalRow &r : decimalTable) {
        const QByteArray s(r.source);
        const QByteArray t(r.target);
        addPress(s + " 1 -> m", r.source, "m2", QStringLiteral("1"), english,
            QString::fromLatin1(r.oneToMetre));
        addBoth(s + " 2.5 -> m", r.source, "m2", QStringLiteral("2.5"),
            QString::fromLatin1(r.twoAndHalfToMetre));
        addPress("m 1 -> " + t, "m1", r.target, QStringLiteral("1"), english,
            QString::fromLatin1(r.metreToOne));
        addBoth("m 2.5 -> " + t, "m1", r.target, QStringLiteral("2.5"),
            QString::fromLatin1(r.metreToTwoAndHalf));
        addPress(s + " 1 -> " + t, r.source, r.target, QStringLiteral("1"), italian,
            QStringLiteral("1"));
    }
    addBoth("3 km -> mil", "km1", "mil2", QStringLiteral("3"), QStringLiteral("1.8641135766"));
    addBoth("1 parsec -> kp", "parsec1", "kp2", QStringLiteral("1"), QStringLiteral("0.001"));
    addBoth("1 yd -> ft", "yd1", "ft2", QStringLiteral("1"), QStringLiteral("3.0000000009144"));
    addBoth(
        "blanks around 2 cm -> mm", "cm1", "mm2", QStringLiteral("  2  "), QStringLiteral("20"));
    addBoth("1000 mm -> km", "mm1", "km2", QStringLiteral("1000"), QStringLiteral("0.001"));
}

// The metre row holds the typed text: metre to metre copies it, other targets read it.
void TestLunghezze::textPivot_data()
{
    addPressColumns();
    addBoth("abc m -> m", "m1", "m2", QStringLiteral("abc"), QStringLiteral("abc"));
    addBoth("abc m -> cm", "m1", "cm2", QStringLiteral("abc"), notANumber());
    addBoth("abc m -> km", "m1", "km2", QStringLiteral("abc"), notANumber());
    addBoth("empty m -> m", "m1", "m2", QString(), QString());
    addBoth("empty m -> cm", "m1", "cm2", QString(), notANumber());
    addBoth("blanks and zeros m -> m", "m1", "m2", QStringLiteral("  1.50  "),
        QStringLiteral("  1.50  "));
    addPress("point under Italian m -> m", "m1", "m2", QStringLiteral("1.5"), italian,
        QStringLiteral("1.5"));
    addPress(
        "comma under English m -> cm", "m1", "cm2", QStringLiteral("1,5"), english, notANumber());
    addBoth("1.5 m -> cm", "m1", "cm2", QStringLiteral("1.5"), QStringLiteral("150"));
    addBoth("blanks m -> mm", "m1", "mm2", QStringLiteral(" 2 "), QStringLiteral("2000"));
    addBoth("1E300 m -> fermi", "m1", "fermi2", QStringLiteral("1E300"), outOfRange());
    addBoth("1E300 m -> A", "m1", "A2", QStringLiteral("1E300"), outOfRange());
    addBoth("abc m, no target", "m1", "", QStringLiteral("abc"), unchanged());
}

void TestLunghezze::decimalFailures_data()
{
    addPressColumns();
    addBoth("abc km -> m", "km1", "m2", QStringLiteral("abc"), notANumber());
    addBoth("abc km, no target", "km1", "", QStringLiteral("abc"), notANumber());
    addBoth("empty cm -> mm", "cm1", "mm2", QString(), notANumber());
    addBoth("blanks cm -> mm", "cm1", "mm2", QStringLiteral("   "), notANumber());
    addBoth("1E307 light years", "al1", "m2", QStringLiteral("1E307"), outOfRange());
    addBoth("1E307 hm", "hm1", "m2", QStringLiteral("1E307"), outOfRange());
    addBoth("1E300 km", "km1", "m2", QStringLiteral("1E300"), QStringLiteral("1E+303"));
    addBoth("1E300 km -> fermi", "km1", "fermi2", QStringLiteral("1E300"), outOfRange());
}

void TestLunghezze::fractionalInput_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("numeratorWritten");
    QTest::addColumn<QString>("denominatorWritten");

    const QString none = QStringLiteral("<none>");
    const QString zero = QStringLiteral("0");
    const auto add = [&](const char *tag, const QLocale &l, const char *target, const char *whole,
                         const char *num, const char *den, const QString &expected,
                         const QString &numWritten, const QString &denWritten) {
        QTest::newRow(tag) << l << QString::fromLatin1(target) << QString::fromLatin1(whole)
                           << QString::fromLatin1(num) << QString::fromLatin1(den) << expected
                           << numWritten << denWritten;
    };
    const auto fine = [&](const char *tag, const QLocale &l, const char *target, const char *whole,
                          const char *num, const char *den, const char *expected) {
        add(tag, l, target, whole, num, den, QString::fromLatin1(expected), none, none);
    };

    fine("3 5/8", english, "in_2_hexad", "3", "5", "8", "3 20/32");
    fine("3 5/8 it", italian, "in_2_hexad", "3", "5", "8", "3 20/32");
    fine("3 5/8 -> in", english, "in2", "3", "5", "8", "3.625");
    fine("3 5/8 -> m", english, "m2", "3", "5", "8", "0.0920750000003683");
    fine("3 5/8 -> m it", italian, "m2", "3", "5", "8", "0,0920750000003683");
    fine("3 5/8 -> cm it", italian, "cm2", "3", "5", "8", "9,20750000003683");
    fine("2 1/2", english, "in_2_hexad", "2", "1", "2", "2 1/2");
    fine("-2 1/2 is -1.5", english, "in_2_hexad", "-2", "1", "2", "-2 1/2");
    fine("-2 1/2 -> in", english, "in2", "-2", "1", "2", "-1.5");
    fine("1,5 1/4 it", italian, "in_2_hexad", "1,5", "1", "4", "1 24/32");
    fine("1,5 1/4 -> in it", italian, "in2", "1,5", "1", "4", "1,75");
    fine("1.5 1/4 en", english, "in_2_hexad", "1.5", "1", "4", "1 24/32");
    fine("0 -1/4", english, "in_2_hexad", "0", "-1", "4", "-1 24/32");
    fine("1 9/8", english, "in_2_hexad", "1", "9", "8", "2 1/8");
    fine("1 1/-2", english, "in_2_hexad", "1", "1", "-2", "0 1/2");
    fine("0.5 0.25/0.5", english, "in_2_hexad", "0.5", "0.25", "0.5", "1 ");
    fine("denominator 0, numerator abc", english, "in_2_hexad", "5", "abc", "0", "5 ");
    fine("denominator 0, numerator blanks", italian, "in_2_hexad", "7", "  ", "0", "7 ");
    add("1 7/empty", english, "in_2_hexad", "1", "7", "", QStringLiteral("1 "), none, zero);
    add("4 empty/empty", italian, "in_2_hexad", "4", "", "", QStringLiteral("4 "), zero, zero);
    add("empty numerator 2", english, "in2", "2", "", "3", QStringLiteral("2"), zero, none);
    add("empty boxes, no target", english, "", "1", "", "", unchanged(), zero, zero);
    add("whole abc, zeros written first", english, "in_2_hexad", "abc", "", "", notANumber(), zero,
        zero);
    add("whole empty", english, "in_2_hexad", "", "1", "2", notANumber(), none, none);
    add("denominator abc", english, "in_2_hexad", "1", "1", "abc", notANumber(), none, none);
    add("denominator blanks are not empty", english, "in_2_hexad", "1", "1", "  ", notANumber(),
        none, none);
    add("numerator abc", english, "in_2_hexad", "1", "abc", "2", notANumber(), none, none);
    add("point under Italian", italian, "in_2_hexad", "1.5", "", "2", notANumber(), zero, none);
    add("fraction overflows", english, "in2", "1", "1E308", "1E-10", outOfRange(), none, none);
    add("sum overflows", english, "in2", "1E308", "1E308", "1", outOfRange(), none, none);
    add("huge whole", english, "in2", "1E308", "", "", QStringLiteral("1E+308"), zero, zero);
    add("huge whole, fractional output", english, "in_2_hexad", "1E308", "0", "1", outOfRange(),
        none, none);
}

void TestLunghezze::fractionalInput()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, target);
    QFETCH(QString, whole);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, expected);
    QFETCH(QString, numeratorWritten);
    QFETCH(QString, denominatorWritten);

    const QByteArray t = target.toLatin1();
    const PressOutcome o = run(q, fractional(orNull(t), whole, numerator, denominator, locale));
    QCOMPARE(resultOf(o), expected);
    QCOMPARE(writtenInto(o, "txt_conv1_2"), numeratorWritten);
    QCOMPARE(writtenInto(o, "txt_conv1_2_2"), denominatorWritten);
    QCOMPARE(writtenInto(o, "txt_conv"), QStringLiteral("<none>"));
}

// Thirty-seconds rounded half to even, four reduced fractions, the carry at 32/32, the floor of
// negative lengths. The decimal inch row gives these inches back exactly.
void TestLunghezze::roundingAndCarry_data()
{
    addPressColumns();
    const auto inches = [](const char *tag, const char *in, const char *expected) {
        addBoth(tag, "in1", "in_2_hexad", QString::fromLatin1(in), QString::fromLatin1(expected));
    };
    inches("count 0.5 rounds to 0", "0.015625", "0 ");
    inches("count 1.5 rounds to 2", "0.046875", "0 1/16");
    inches("count 2.5 rounds to 2", "0.078125", "0 1/16");
    inches("24/32 not reduced", "0.75", "0 24/32");
    inches("12/32 not reduced", "0.375", "0 12/32");
    inches("6/32 not reduced", "0.1875", "0 6/32");
    inches("1/2", "0.5", "0 1/2");
    inches("1/4", "0.25", "0 1/4");
    inches("1/8", "0.125", "0 1/8");
    inches("1/16", "0.0625", "0 1/16");
    inches("1/32", "5.03125", "5 1/32");
    inches("negative quarter", "-0.25", "-1 24/32");
    inches("-2.3", "-2.3", "-3 22/32");
    inches("just below 0 carries to 0", "-0.001", "0 ");
    inches("0.999 carries", "0.999", "1 ");
    addBoth("1 m", "m1", "in_2_hexad", QStringLiteral("1"), QStringLiteral("39 12/32"));
    addBoth("1 hm", "hm1", "in_2_hexad", QStringLiteral("1"), QStringLiteral("3937 "));
    addBoth("2.54 cm carries", "cm1", "in_2_hexad", QStringLiteral("2.54"), QStringLiteral("1 "));
    addBoth("1 ft", "ft1", "in_2_hexad", QStringLiteral("1"), QStringLiteral("12 "));
    addBoth("1 yd", "yd1", "in_2_hexad", QStringLiteral("1"), QStringLiteral("36 "));
    addBoth("fractional to fractional", "in_1_2", "in_2_hexad", QStringLiteral("3.5"),
        QStringLiteral("3 1/2"));
    addBoth("abc m", "m1", "in_2_hexad", QStringLiteral("abc"), notANumber());
    addBoth("empty m", "m1", "in_2_hexad", QString(), notANumber());
}

// The whole number of the fractional output is a 16-bit signed integer.
void TestLunghezze::wholeNumberLimit_data()
{
    addPressColumns();
    const auto inches = [](const char *tag, const char *in, const QString &expected) {
        addBoth(tag, "in1", "in_2_hexad", QString::fromLatin1(in), expected);
    };
    addBoth("832 m", "m1", "in_2_hexad", QStringLiteral("832"), QStringLiteral("32755 29/32"));
    addBoth("833 m", "m1", "in_2_hexad", QStringLiteral("833"), outOfRange());
    addBoth("833 m from km", "km1", "in_2_hexad", QStringLiteral("0.833"), outOfRange());
    inches("32767", "32767", QStringLiteral("32767 "));
    inches("32767.5", "32767.5", QStringLiteral("32767 1/2"));
    inches("32767 31/32", "32767.96875", QStringLiteral("32767 31/32"));
    inches("32767.984375 carries over", "32767.984375", outOfRange());
    inches("32767.99 carries over", "32767.99", outOfRange());
    inches("32768", "32768", outOfRange());
    inches("-32768", "-32768", QStringLiteral("-32768 "));
    inches("-32767.5", "-32767.5", QStringLiteral("-32768 1/2"));
    inches("-32767.999", "-32767.999", QStringLiteral("-32768 "));
    inches("-32768.25", "-32768.25", outOfRange());
    addBoth("1E300 m", "m1", "in_2_hexad", QStringLiteral("1E300"), outOfRange());
    addBoth(
        "1E308 m overflows the product", "m1", "in_2_hexad", QStringLiteral("1E308"), outOfRange());
}

// The extra controls and the input layouts of the fractional inch.
void TestLunghezze::fractionControls()
{
    QCOMPARE(q.pivot, PivotKind::PerPress);
    QCOMPARE(int(q.extras.size()), 3);
    const auto extra = [&](const char *name) -> const ExtraControl & {
        for (const ExtraControl &e : q.extras) {
            if (QByteArray(e.name) == name)
                return e;
        }
        qFatal("no extra control %s", name);
    };
    const ExtraControl &numerator = extra("txt_conv1_2");
    QCOMPARE(numerator.kind, ExtraControl::Kind::TextBox);
    QCOMPARE(QList<int>({numerator.rect.left, numerator.rect.top, numerator.rect.width,
                 numerator.rect.height}),
        QList<int>({1200, 5640, 375, 285}));
    QCOMPARE(QString::fromUtf8(numerator.text), QString());
    const ExtraControl &label = extra("Label1");
    QCOMPARE(label.kind, ExtraControl::Kind::Label);
    QCOMPARE(QList<int>({label.rect.left, label.rect.top, label.rect.width, label.rect.height}),
        QList<int>({1560, 5640, 495, 255}));
    QCOMPARE(QString::fromUtf8(label.text), QStringLiteral(" /"));
    QCOMPARE(QString::fromLatin1(label.fontFamily), QStringLiteral("MS Sans Serif"));
    QCOMPARE(label.fontPoints, 12.0);
    const ExtraControl &denominator = extra("txt_conv1_2_2");
    QCOMPARE(denominator.kind, ExtraControl::Kind::TextBox);
    QCOMPARE(QList<int>({denominator.rect.left, denominator.rect.top, denominator.rect.width,
                 denominator.rect.height}),
        QList<int>({1680, 5640, 375, 285}));

    for (const UnitRow &r : q.rows) {
        const InputLayout &l = q.inputLayouts[r.inputLayout];
        const bool fractionalRow = QByteArray(r.source) == "in_1_2";
        QCOMPARE(l.inputWidth, fractionalRow ? 1000 : 1950);
        QCOMPARE(l.extrasVisible, fractionalRow);
    }
}

QTEST_GUILESS_MAIN(TestLunghezze)
#include "tst_lunghezze.moc"
