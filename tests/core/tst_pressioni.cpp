// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pressures window's press, without widgets: every constant in both directions, the
// atmosphere's text pivot, the empty pivot, failures and overflow, under Italian and English.
#include "catalogue.h"
#include "presssupport.h"

using namespace unitavo;
using namespace unitavo::test;

namespace {

// The number of each unit in one atmosphere as its text, and 2.5 of the unit in atmospheres.
struct Factor {
    const char *source;
    const char *target;
    const char *fromOneAtm;
    const char *toAtmFrom2_5;
};

const Factor unitFactors[] = {
    {"bar1", "bar2", "1.01325", "2.46730816679003"},
    {"cmHg1", "cmHg2", "76", "0.0328947368421053"},
    {"cmh2o1", "cmh2o2", "1033.227453", "0.00241960276291652"},
    {"kPa1", "kPa2", "101.325", "0.0246730816679003"},
    {"dynacmq1", "dynacmq2", "1013250", "2.46730816679003E-06"},
    {"hPa1", "hPa2", "1013.25", "0.00246730816679003"},
    {"kgcmq1", "kgcmq2", "1.033227453", "2.41960276291652"},
    {"kgmq1", "kgmq12", "10332.27453", "0.000241960276291652"},
    {"kgmmq1", "kgmmq2", "0.01033227453", "241.960276291652"},
    {"knmq1", "knmq2", "101.325", "0.0246730816679003"},
    {"lbinq1", "lbinq2", "14.69594878", "0.17011490972276"},
    {"lbft1", "lbft2", "2116.216624", "0.00118135353992002"},
    {"mb1", "mb2", "1013.25", "0.00246730816679003"},
    {"Mpa1", "Mpa2", "0.101325", "24.6730816679003"},
    {"mmHg1", "mmHg2", "760", "0.00328947368421053"},
    {"ncmq1", "ncmq2", "10.1325", "0.246730816679003"},
    {"Nmq1", "Nmq2", "101325", "2.46730816679003E-05"},
    {"pa1", "pa2", "101325", "2.46730816679003E-05"},
    {"fth201", "fth202", "33.93244655", "0.0736757957112291"},
    {"inh201", "inh202", "407.1893586", "0.00613964964260242"},
    {"incHg1", "incHg2", "29.92125984", "0.0835526315859834"},
    {"psi1", "psi2", "14.69594878", "0.17011490972276"},
    {"torr1", "torr2", "760", "0.00328947368421053"},
    {"mmh2o1", "mmh2o2", "10332.27453", "0.000241960276291652"},
};

} // namespace

class TestPressioni : public QObject {
    Q_OBJECT

    const Quantity &q = quantities::pressioni();

private slots:
    void captions_data()
    {
        addCaptionColumns();
        addCaption("atm1", "atmosfere                       (atm)", 37);
        addCaption("atm2", "atmosfere                       (atm)", 37);
        addCaption("bar2", "bar", 3);
        addCaption("cmHg1", "centimetri di mercurio 0° ", 26);
        addCaption("cmh2o2", "centimetri d'acqua 4°  ", 23);
        addCaption("kPa1", "chilopascal                    (kPa)", 36);
        addCaption("dynacmq1", "dyna/cm", 7);
        addCaption("hPa1", "ettopascal (hPa)", 16);
        addCaption("hPa2", "ettopascal                     (hPa)", 36);
        addCaption("kgcmq2", "kg/cm", 5);
        addCaption("kgmq1", "kg/m", 4);
        addCaption("kgmq12", "kg/m", 4);
        addCaption("kgmmq1", "kg/mm", 5);
        addCaption("knmq2", "kN/m", 4);
        addCaption("lbinq1", "libbre/pollice quadrato (lb/inq)", 32);
        addCaption("lbft1", "libbre/piede quadrato   (lb/ftq)", 32);
        addCaption("lbft2", "libbre/piede quadrato  (lb/ftq)", 31);
        addCaption("mb2", "millibar", 8);
        addCaption("Mpa1", "megapascal                  (MPa)", 33);
        addCaption("mmHg2", "mm di mercurio 0°       (mmHg)", 30);
        addCaption("ncmq1", "N/cm", 4);
        addCaption("Nmq2", "N/m", 3);
        addCaption("pa1", "Pascal                           (Pa)", 37);
        addCaption("pa2", "Pascal                            (Pa)", 38);
        addCaption("fth201", "piedi d'acqua 60°F", 18);
        addCaption("inh202", "pollici d'acqua 60°F", 20);
        addCaption("incHg1", "pollici di mercurio 32°F", 24);
        addCaption("psi2", "psi", 3);
        addCaption("torr1", "torr", 4);
        addCaption("mmh2o1", "mm d'acqua a 4°", 15);
        addCaption("mmh2o2", "mm d'acqua a 4°", 15);
    }
    void captions() { checkCaption(q); }

    void table()
    {
        QCOMPARE(q.rows.size(), std::size_t(25));
        QCOMPARE(q.pivot, PivotKind::PerPress);
        QCOMPARE(QLatin1String(q.rows[0].source), QLatin1String("atm1"));
        for (std::size_t i = 0; i < q.rows.size(); ++i)
            QCOMPARE(q.rows[i].top, int(240 + 240 * i));
    }

    // Whole-number multipliers are integers; every divisor and every other multiplier a double.
    void holdings_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<int>("holding");
        for (const Factor &f : unitFactors) {
            Holding h = Holding::Double;
            if (qstrcmp(f.fromOneAtm, "76") == 0 || qstrcmp(f.fromOneAtm, "760") == 0)
                h = Holding::Int16;
            else if (qstrcmp(f.fromOneAtm, "101325") == 0 || qstrcmp(f.fromOneAtm, "1013250") == 0)
                h = Holding::Int32;
            QTest::newRow(f.target) << QByteArray(f.target) << int(h);
        }
    }
    void holdings()
    {
        QFETCH(QByteArray, target);
        QFETCH(int, holding);
        verifyOneFactor(q.rows[rowOf(q, target.constData())], holding);
    }

    // Every constant, out of one atmosphere (the text pivot "1") and into the atmosphere.
    void factors_data()
    {
        addPressColumns();
        for (const Factor &f : unitFactors) {
            addBoth("atm->" + QByteArray(f.target), "atm1", f.target, "1",
                QString::fromLatin1(f.fromOneAtm), LocaleTag::Before);
            addBoth(f.source + QByteArray("->atm"), f.source, "atm2", "2.5",
                QString::fromLatin1(f.toAtmFrom2_5), LocaleTag::Before);
        }
    }
    void factors() { checkPress(q); }

    void worked_data()
    {
        addPressColumns();
        addBoth("1 atm bar", "atm1", "bar2", "1", QStringLiteral("1.01325"), LocaleTag::Before);
        addBoth("1 bar atm", "bar1", "atm2", "1", QStringLiteral("0.986923266716013"),
            LocaleTag::Before);
        addBoth("1 psi bar", "psi1", "bar2", "1", QStringLiteral("0.0689475729106345"),
            LocaleTag::Before);
        addBoth(
            "1 atm kg/m2", "atm1", "kgmq12", "1", QStringLiteral("10332.27453"), LocaleTag::Before);
        addBoth(
            "1.5 atm bar", "atm1", "bar2", "1.5", QStringLiteral("1.519875"), LocaleTag::Before);
        addBoth("blanks atm bar", "atm1", "bar2", "  1.5  ", QStringLiteral("1.519875"),
            LocaleTag::Before);
        addBoth(
            "1000 atm mmHg", "atm1", "mmHg2", "1000", QStringLiteral("760000"), LocaleTag::Before);
        addBoth("-1 atm torr", "atm1", "torr2", "-1", QStringLiteral("-760"), LocaleTag::Before);
        addBoth("0 bar Pa", "bar1", "pa2", "0", QStringLiteral("0"), LocaleTag::Before);
        addBoth("1E-3 atm Pa", "atm1", "pa2", "1E-3", QStringLiteral("101.325"), LocaleTag::Before);
        addBoth("1E+9 atm Pa", "atm1", "pa2", "1E+9", QStringLiteral("101325000000000"),
            LocaleTag::Before);
        addBoth("1E+10 atm Pa", "atm1", "pa2", "1E+10", QStringLiteral("1.01325E+15"),
            LocaleTag::Before);
        // Rows sharing a constant convert one into the other unchanged.
        const char *pairs[][2] = {{"torr1", "mmHg2"}, {"mmHg1", "torr2"}, {"kPa1", "knmq2"},
            {"knmq1", "kPa2"}, {"hPa1", "mb2"}, {"mb1", "hPa2"}, {"pa1", "Nmq2"}, {"Nmq1", "pa2"},
            {"psi1", "lbinq2"}, {"lbinq1", "psi2"}, {"kgmq1", "mmh2o2"}, {"mmh2o1", "kgmq12"}};
        for (const auto &p : pairs) {
            const QByteArray tag = QByteArray(p[0]).append("->").append(p[1]);
            addBoth(tag, p[0], p[1], "1", QStringLiteral("1"), LocaleTag::Before);
            addBoth(tag + " 123.456", p[0], p[1], "123.456", QStringLiteral("123.456"),
                LocaleTag::Before);
        }
    }
    void worked() { checkPress(q); }

    // The atmosphere source keeps the typed text; it is read as a number only by a target step.
    void textPivot_data()
    {
        addPressColumns();
        addPress("it atm atm abc", "atm1", "atm2", "abc", italian, QStringLiteral("abc"));
        addPress("en atm atm abc", "atm1", "atm2", "abc", english, QStringLiteral("abc"));
        addPress("it atm atm blanks", "atm1", "atm2", " 1,0 ", italian, QStringLiteral(" 1,0 "));
        addPress("it atm atm 1,0", "atm1", "atm2", "1,0", italian, QStringLiteral("1,0"));
        addPress("en atm atm 1,0", "atm1", "atm2", "1,0", english, QStringLiteral("1,0"));
        addPress("en atm atm empty", "atm1", "atm2", "", english, QString());
        addPress("it atm bar abc", "atm1", "bar2", "abc", italian, notANumber());
        addPress("en atm bar abc", "atm1", "bar2", "abc", english, notANumber());
        addPress("en atm bar empty", "atm1", "bar2", "", english, notANumber());
        addPress("en atm bar 1,5", "atm1", "bar2", "1,5", english, notANumber());
        addPress("it atm bar 1.5", "atm1", "bar2", "1.5", italian, notANumber());
        addPress("it atm torr 1,5", "atm1", "torr2", "1,5", italian, QStringLiteral("1140"));
        addPress("it atm Pa 1E+400", "atm1", "pa2", "1E+400", italian, outOfRange());
        // With no target the text is never read: nothing fails and nothing is written.
        addPress("it atm none abc", "atm1", "", "abc", italian, unchanged());
        // Any other source reads the text at once and fails there.
        addPress("it bar none abc", "bar1", "", "abc", italian, notANumber());
        addPress("it bar atm abc", "bar1", "atm2", "abc", italian, notANumber());
        addPress("it psi atm empty", "psi1", "atm2", "", italian, notANumber());
        addPress(
            "en psi atm 1.5", "psi1", "atm2", "1.5", english, QStringLiteral("0.102068945833656"));
        addPress(
            "it psi atm 1,5", "psi1", "atm2", "1,5", italian, QStringLiteral("0,102068945833656"));
    }
    void textPivot() { checkPress(q); }

    void overflow_data()
    {
        addPressColumns();
        // Source quotients beyond the double range, from divisors below 1.
        addBoth("kg/mm2 1E+307", "kgmmq1", "atm2", "1E+307", outOfRange(), LocaleTag::Before);
        addBoth("kg/mm2 1E+300", "kgmmq1", "atm2", "1E+300",
            QStringLiteral("9.67841105166609E+301"), LocaleTag::Before);
        addBoth("MPa 1E+308", "Mpa1", "bar2", "1E+308", outOfRange(), LocaleTag::Before);
        addBoth("kg/mm2 1E+307 no target", "kgmmq1", "", "1E+307", outOfRange(), LocaleTag::Before);
        // Target products beyond the double range, from a number and from the text pivot.
        addBoth("bar Pa 1E+308", "bar1", "pa2", "1E+308", outOfRange(), LocaleTag::Before);
        addBoth("atm dyna 1E+303", "atm1", "dynacmq2", "1E+303", outOfRange(), LocaleTag::Before);
        addBoth("atm dyna 1E+300", "atm1", "dynacmq2", "1E+300", QStringLiteral("1.01325E+306"),
            LocaleTag::Before);
        addBoth("atm atm 1E+400", "atm1", "atm2", "1E+400", QStringLiteral("1E+400"),
            LocaleTag::Before);
        addBoth("atm kg/mm2 tiny", "atm1", "kgmmq2", "1E-320",
            QStringLiteral("1.03753785626662E-322"), LocaleTag::Before);
    }
    void overflow() { checkPress(q); }
};

QTEST_GUILESS_MAIN(TestPressioni)
#include "tst_pressioni.moc"
