// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The volumes window's press, without widgets: every constant in both directions, the litre's
// text pivot, the empty pivot, failures and overflow, under Italian and English.
#include "catalogue.h"
#include "presssupport.h"

using namespace unitavo;
using namespace unitavo::test;

namespace {

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

    const Quantity &q = quantities::volumi();

private slots:
    void captions_data()
    {
        addCaptionColumns();
        addCaption("barile", "barile di petrolio", 18);
        addCaption("cc2", "cc", 2);
        addCaption("cl", "centilitro", 10);
        addCaption("dl2", "decilitro", 9);
        addCaption("drop", "drop", 4);
        addCaption("hl2", "ettolitro", 9);
        addCaption("gal", "gallone                         (gal)", 37);
        addCaption("gal2", "gallone                      (gal)", 34);
        addCaption("galuk", "gallone (UK)", 12);
        addCaption("l", "litro                                (l)", 40);
        addCaption("l2", "litro                               (l)", 39);
        addCaption("m2", "metro cubo", 10);
        addCaption("ml", "millilitro                         (ml)", 39);
        addCaption("ml2", "millilitro                         (ml)", 39);
        addCaption("pt2", "pinta                            (pt)", 37);
        addCaption("ptuk", "pinta (UK)", 10);
        addCaption("ft2", "piede c.", 8);
        addCaption("inc", "pollice c.", 10);
        addCaption("qt", "quarto di gallone          (qt)", 31);
        addCaption("qt2", "quarto di gallone         (qt)", 30);
        addCaption("qtUK2", "quarto di gallone (UK)", 22);
        addCaption("yd", "yarda c.", 8);
        addCaption("yarda2", "yarda c.", 8);
    }
    void captions() { checkCaption(q); }

    void table()
    {
        QCOMPARE(q.rows.size(), std::size_t(18));
        QCOMPARE(q.pivot, PivotKind::PerPress);
        for (std::size_t i = 0; i < q.rows.size(); ++i)
            QCOMPARE(q.rows[i].top, int(240 + 240 * i));
        const UnitRow &litre = q.rows[rowOf(q, "l")];
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
        verifyOneFactor(q.rows[rowOf(q, target.constData())], holding);
    }

    // Every constant, out of one litre (the text pivot "1") and into the litre.
    void factors_data()
    {
        addPressColumns();
        for (const Factor &f : unitFactors) {
            addBoth("l->" + QByteArray(f.target), "l", f.target, "1",
                QString::fromLatin1(f.fromOneLitre), LocaleTag::Before);
            addBoth(f.source + QByteArray("->l"), f.source, "l2", "2.5",
                QString::fromLatin1(f.toLitreFrom2_5), LocaleTag::Before);
        }
    }
    void factors() { checkPress(q); }

    void worked_data()
    {
        addPressColumns();
        addBoth("1 barrel l", "barile", "l2", "1", QStringLiteral("158.987294938922"),
            LocaleTag::Before);
        addBoth("1 cubic yard l", "yd", "l2", "1", QStringLiteral("764.554858167776"),
            LocaleTag::Before);
        addBoth("2 l ml", "l", "ml2", "2", QStringLiteral("2000"), LocaleTag::Before);
        addBoth("1.5 l ml", "l", "ml2", "1.5", QStringLiteral("1500"), LocaleTag::Before);
        addBoth("blanks l ml", "l", "ml2", "  2  ", QStringLiteral("2000"), LocaleTag::Before);
        addBoth("1.5 gal qt", "gal", "qt2", "1.5", QStringLiteral("5.99999999659313"),
            LocaleTag::Before);
        addBoth("3 l m3", "m", "l2", "3", QStringLiteral("3000"), LocaleTag::Before);
        addBoth("1 m3 m3", "m", "m2", "1", QStringLiteral("1"), LocaleTag::Before);
        addBoth("0.05 l drop", "l", "drop2", "0.05", QStringLiteral("1000"), LocaleTag::Before);
        addBoth("1 drop l", "drop", "l2", "1", QStringLiteral("5E-05"), LocaleTag::Before);
        addBoth("1E-5 l ml", "l", "ml2", "1E-5", QStringLiteral("0.01"), LocaleTag::Before);
        addBoth("cc ml", "cc", "ml2", "123.456", QStringLiteral("123.456"), LocaleTag::Before);
        addBoth("-2 l cl", "l", "cl2", "-2", QStringLiteral("-200"), LocaleTag::Before);
    }
    void worked() { checkPress(q); }

    // The litre source keeps the typed text; it is read as a number only by a target step.
    void textPivot_data()
    {
        addPressColumns();
        addPress("it l l abc", "l", "l2", "abc", italian, QStringLiteral("abc"));
        addPress("en l l abc", "l", "l2", "abc", english, QStringLiteral("abc"));
        addPress("it l l 1,0", "l", "l2", "1,0", italian, QStringLiteral("1,0"));
        addPress("en l l 1,0", "l", "l2", "1,0", english, QStringLiteral("1,0"));
        addPress("it l l blanks", "l", "l2", " 1,0 ", italian, QStringLiteral(" 1,0 "));
        addPress("it l ml abc", "l", "ml2", "abc", italian, notANumber());
        addPress("en l barrel abc", "l", "barile2", "abc", english, notANumber());
        addPress("en l ml 1,5", "l", "ml2", "1,5", english, notANumber());
        addPress("it l ml empty", "l", "ml2", "", italian, notANumber());
        addPress("it l none abc", "l", "", "abc", italian, unchanged());
        addPress("it cc none abc", "cc", "", "abc", italian, notANumber());
        addPress("it cc l abc", "cc", "l2", "abc", italian, notANumber());
    }
    void textPivot() { checkPress(q); }

    void overflow_data()
    {
        addPressColumns();
        addBoth("barrel 1E+307", "barile", "l2", "1E+307", outOfRange(), LocaleTag::Before);
        addBoth("barrel 1E+300", "barile", "l2", "1E+300", QStringLiteral("1.58987294938922E+302"),
            LocaleTag::Before);
        addBoth("m3 1E+308 no target", "m", "", "1E+308", outOfRange(), LocaleTag::Before);
        addBoth("ml drop 1E+308", "ml", "drop2", "1E+308", outOfRange(), LocaleTag::Before);
        addBoth("l drop 1E+305", "l", "drop2", "1E+305", outOfRange(), LocaleTag::Before);
        addBoth("l l 1E+400", "l", "l2", "1E+400", QStringLiteral("1E+400"), LocaleTag::Before);
    }
    void overflow() { checkPress(q); }
};

QTEST_GUILESS_MAIN(TestVolumi)
#include "tst_volumi.moc"
