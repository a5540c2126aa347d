// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Units by the names people type: matching, the pair that decides a shared symbol, and the
// closest units to a text that names none.
#include "catalogue.h"
#include "unitnames.h"

#include <QTest>

using namespace unitavo;

namespace {

// "quantity:symbol" for each unit, joined by blanks, so that one QCOMPARE shows them all.
QString describe(const QList<UnitRef> &units)
{
    QStringList parts;
    for (const UnitRef unit : units)
        parts << quantityId(*unit.quantity) + u':' + unitSymbol(unit);
    return parts.join(u' ');
}

QString describe(const PairResolution &r)
{
    QStringList ids;
    for (const Quantity *q : r.quantities)
        ids << quantityId(*q);
    switch (r.problem) {
    case PairResolution::Problem::None:
        return describe({r.pair.from}) + u'>' + unitSymbol(r.pair.to);
    case PairResolution::Problem::Unknown:
        return QStringLiteral("unknown");
    case PairResolution::Problem::DifferentQuantities:
        return QStringLiteral("different");
    case PairResolution::Problem::Ambiguous:
        return QStringLiteral("ambiguous ") + ids.join(u' ');
    }
    return {};
}

void addRow(const char *tag, const char *text, const char *expected)
{
    QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

} // namespace

class TestUnitNames : public QObject {
    Q_OBJECT

private slots:
    void everyNameFindsItsOwnUnit();
    void findUnits_data();
    void findUnits();
    void resolvePair_data();
    void resolvePair();
    void suggestionsForUnknownTexts();
    void quantitiesById();
};

// Within a quantity a symbol or name leads to one unit, the unit it belongs to; symbols are
// ASCII words without blanks.
void TestUnitNames::everyNameFindsItsOwnUnit()
{
    qsizetype rows = 0;
    for (const Quantity *q : catalogue())
        rows += qsizetype(q->rows.size());
    QCOMPARE(allUnits().size(), rows);
    for (const UnitRef unit : allUnits()) {
        const QString symbol = unitSymbol(unit);
        QVERIFY2(!symbol.isEmpty(), qPrintable(unitCaption(unit)));
        for (QChar c : symbol)
            QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7f, qPrintable(symbol));
        const QStringList texts = unitNames(unit) << symbol;
        for (const QString &text : texts) {
            const QList<UnitRef> found = unitavo::findUnits(text, unit.quantity);
            QVERIFY2(found == QList<UnitRef>{unit}, qPrintable(text + u' ' + describe(found)));
        }
    }
}

void TestUnitNames::findUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    addRow("two words, extra blanks", "  MIGLIA   nautiche ", "lunghezze:nmi");
    addRow("accent typed differently", "Rèaumur", "temperature:degRe");
    addRow("superscript", "kg/m³", "massavolumica:kg/m3");
    addRow("caret", "m/s^2", "accelerazioni:m/s2");
    addRow("blanks around slash", "km / h", "velocita:km/h");
    addRow("hyphen as blank", "light year", "lunghezze:ly");
    addRow("Greek mu", "\u03bcm", "lunghezze:um");
    addRow("typographic apostrophe", "piedi d\u2019acqua", "pressioni:ftH2O");
    addRow("period and parentheses left out", "gallone UK", "volumi:gal-uk");
    addRow("gal in two quantities", "GAL", "accelerazioni:Gal volumi:gal");
    addRow("unknown", "kmx", "");
    addRow("blanks", "   ", "");
}

void TestUnitNames::findUnits()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(describe(unitavo::findUnits(text)), expected);
}

void TestUnitNames::resolvePair_data()
{
    // The text: FROM, TO and the hinted quantity, separated by "|".
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    addRow("g with a force", "g|kg|", "forze:g>kg");
    addRow("g and gal", "g|gal|", "accelerazioni:g>Gal");
    addRow("kN with a force", "kN|N|", "forze:kN>N");
    addRow("g and g", "g|g|", "ambiguous accelerazioni forze");
    addRow("two quantities", "km|kg|", "different");
    addRow("unknown target", "km||", "unknown");
    addRow("not in the hinted quantity", "kg|m|lunghezze", "unknown");
}

void TestUnitNames::resolvePair()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QStringList parts = text.split(u'|');
    const Quantity *hint = parts[2].isEmpty() ? nullptr : findQuantityById(parts[2]);
    QVERIFY(parts[2].isEmpty() || hint);
    const PairResolution r = unitavo::resolvePair(parts[0], parts[1], hint);
    QCOMPARE(describe(r), expected);
    if (r.ok())
        QCOMPARE(r.pair.from.quantity, r.pair.to.quantity);
}

void TestUnitNames::suggestionsForUnknownTexts()
{
    // A word cut short, a letter left out, a text like no unit. The command-line golden rows show
    // the suggestions for a typing slip and for units of two quantities.
    QCOMPARE(describe(suggestions(u"chilometr").mid(0, 1)), QStringLiteral("lunghezze:km"));
    QCOMPARE(describe(suggestions(u"celsus")), QStringLiteral("temperature:degC"));
    QCOMPARE(suggestions(u"xyzzy"), QList<UnitRef>());
    QCOMPARE(suggestions(u"chilo", nullptr, 3).size(), 3);
    QCOMPARE(describe(suggestions(u"chilometr", &quantities::superfici())),
        QStringLiteral("superfici:km2"));

    QCOMPARE(
        describe(resolveUnit(u"gal").candidates), QStringLiteral("accelerazioni:Gal volumi:gal"));
    QCOMPARE(
        describe({resolveUnit(u"gal", &quantities::volumi()).unit}), QStringLiteral("volumi:gal"));
}

// A quantity by its id or its caption, accents optional; not by its window's name.
void TestUnitNames::quantitiesById()
{
    QCOMPARE(findQuantityById(u"Velocità"), &quantities::velocita());
    QCOMPARE(findQuantityById(u"Massa Volumica"), &quantities::massavolumica());
    QCOMPARE(findQuantityById(u"frm_forze"), nullptr);
}

QTEST_GUILESS_MAIN(TestUnitNames)
#include "tst_unitnames.moc"
