// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Units by the names people type: matching, the pair that decides a shared symbol, and the
// closest units to a text that names none.
#include "catalogue.h"
#include "unitnames.h"

#include <QSet>
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
    using P = PairResolution::Problem;
    switch (r.problem) {
    case P::None:
        return quantityId(*r.pair.from.quantity) + u':' + unitSymbol(r.pair.from) + u'>'
            + unitSymbol(r.pair.to);
    case P::Unknown:
        return QStringLiteral("unknown");
    case P::DifferentQuantities:
        return QStringLiteral("different");
    case P::Ambiguous: {
        QStringList ids;
        for (const Quantity *q : r.quantities)
            ids << quantityId(*q);
        return QStringLiteral("ambiguous ") + ids.join(u' ');
    }
    }
    return {};
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
    void quantitiesByIdAndCaption();
    void captionsAsTheWindowReadsThem();
};

// Within a quantity a symbol or name leads to one unit, the unit it belongs to; symbols are
// short ASCII words without blanks.
void TestUnitNames::everyNameFindsItsOwnUnit()
{
    int units = 0;
    for (const UnitRef unit : allUnits()) {
        ++units;
        const QString symbol = unitSymbol(unit);
        QVERIFY2(!symbol.isEmpty(), qPrintable(unitCaption(unit)));
        for (QChar c : symbol)
            QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7f, qPrintable(symbol));
        QStringList texts = unitNames(unit);
        texts << symbol;
        for (const QString &text : texts) {
            const QList<UnitRef> found = unitavo::findUnits(text, unit.quantity);
            QVERIFY2(found == QList<UnitRef>{unit},
                qPrintable(text + QStringLiteral(" -> ") + describe(found)));
        }
    }
    int rows = 0;
    for (const Quantity *q : catalogue())
        rows += int(q->rows.size());
    QCOMPARE(units, rows);
}

void TestUnitNames::findUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("symbol") << "km"
                            << "lunghezze:km";
    QTest::newRow("upper case") << "KM"
                                << "lunghezze:km";
    QTest::newRow("Italian plural") << "Chilometri"
                                    << "lunghezze:km";
    QTest::newRow("Italian singular") << "chilometro"
                                      << "lunghezze:km";
    QTest::newRow("English") << "kilometers"
                             << "lunghezze:km";
    QTest::newRow("two words, extra blanks") << "  MIGLIA   nautiche "
                                             << "lunghezze:nmi";
    QTest::newRow("accent typed differently") << "Rèaumur"
                                              << "temperature:degRe";
    QTest::newRow("accent left out") << "reaumur"
                                     << "temperature:degRe";
    QTest::newRow("ring left out") << "angstrom"
                                   << "lunghezze:A";
    QTest::newRow("degree sign") << "°C"
                                 << "temperature:degC";
    QTest::newRow("superscript two") << "m²"
                                     << "superfici:m2";
    QTest::newRow("superscript three") << "kg/m³"
                                       << "massavolumica:kg/m3";
    QTest::newRow("caret") << "m/s^2"
                           << "accelerazioni:m/s2";
    QTest::newRow("blanks around slash") << "km / h"
                                         << "velocita:km/h";
    QTest::newRow("hyphen as blank") << "light year"
                                     << "lunghezze:ly";
    QTest::newRow("micro sign") << "\u00b5m"
                                << "lunghezze:um";
    QTest::newRow("Greek mu") << "\u03bcm"
                              << "lunghezze:um";
    QTest::newRow("typographic apostrophe") << "piedi d\u2019acqua"
                                            << "pressioni:ftH2O";
    QTest::newRow("period left out") << "piede c"
                                     << "volumi:ft3";
    QTest::newRow("parentheses left out") << "gallone UK"
                                          << "volumi:gal-uk";
    QTest::newRow("fractional inch") << "in-frac"
                                     << "lunghezze:in-frac";
    QTest::newRow("percent slope") << "%"
                                   << "angoli:%";
    QTest::newRow("g in two quantities") << "g"
                                         << "accelerazioni:g forze:g";
    QTest::newRow("gal in two quantities") << "GAL"
                                           << "accelerazioni:Gal volumi:gal";
    QTest::newRow("case alone tells apart") << "a"
                                            << "lunghezze:A superfici:a";
    QTest::newRow("unknown") << "kmx"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks") << "   "
                            << "";
}

void TestUnitNames::findUnits()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(describe(unitavo::findUnits(text)), expected);
}

void TestUnitNames::resolvePair_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one quantity") << "km"
                                  << "mi"
                                  << ""
                                  << "lunghezze:km>mi";
    QTest::newRow("g with a force") << "g"
                                    << "kg"
                                    << ""
                                    << "forze:g>kg";
    QTest::newRow("g with an acceleration") << "g"
                                            << "m/s2"
                                            << ""
                                            << "accelerazioni:g>m/s2";
    QTest::newRow("gal with a volume") << "gal"
                                       << "l"
                                       << ""
                                       << "volumi:gal>l";
    QTest::newRow("gal with an acceleration") << "cm/s2"
                                              << "gal"
                                              << ""
                                              << "accelerazioni:cm/s2>Gal";
    QTest::newRow("g and gal") << "g"
                               << "gal"
                               << ""
                               << "accelerazioni:g>Gal";
    QTest::newRow("kn with a speed") << "kn"
                                     << "km/h"
                                     << ""
                                     << "velocita:kn>km/h";
    QTest::newRow("kN with a force") << "kN"
                                     << "N"
                                     << ""
                                     << "forze:kN>N";
    QTest::newRow("C with a temperature") << "C"
                                          << "F"
                                          << ""
                                          << "temperature:degC>degF";
    QTest::newRow("g and g") << "g"
                             << "g"
                             << ""
                             << "ambiguous accelerazioni forze";
    QTest::newRow("g and g, forces") << "g"
                                     << "g"
                                     << "forze"
                                     << "forze:g>g";
    QTest::newRow("g and g, accelerations") << "g"
                                            << "g"
                                            << "accelerazioni"
                                            << "accelerazioni:g>g";
    QTest::newRow("two quantities") << "km"
                                    << "kg"
                                    << ""
                                    << "different";
    QTest::newRow("unknown source") << "kmx"
                                    << "m"
                                    << ""
                                    << "unknown";
    QTest::newRow("unknown target") << "km"
                                    << ""
                                    << ""
                                    << "unknown";
    QTest::newRow("not in the hinted quantity") << "kg"
                                                << "m"
                                                << "lunghezze"
                                                << "unknown";
}

void TestUnitNames::resolvePair()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, hint);
    QFETCH(QString, expected);
    const Quantity *quantity = hint.isEmpty() ? nullptr : findQuantityById(hint);
    QVERIFY(hint.isEmpty() || quantity);
    const PairResolution r = unitavo::resolvePair(from, to, quantity);
    QCOMPARE(describe(r), expected);
    QCOMPARE(r.ok(), r.problem == PairResolution::Problem::None);
    if (r.ok())
        QCOMPARE(r.pair.from.quantity, r.pair.to.quantity);
}

void TestUnitNames::suggestionsForUnknownTexts()
{
    // A typing slip, a word cut short, a letter left out.
    QCOMPARE(describe(suggestions(QStringLiteral("kmx"))).section(u' ', 0, 0),
        QStringLiteral("lunghezze:km"));
    QCOMPARE(describe(suggestions(QStringLiteral("chilometr"))).section(u' ', 0, 0),
        QStringLiteral("lunghezze:km"));
    QCOMPARE(describe(suggestions(QStringLiteral("celsus"))), QStringLiteral("temperature:degC"));
    QCOMPARE(describe(suggestions(QStringLiteral("newtn"))), QStringLiteral("forze:N"));
    QCOMPARE(suggestions(QStringLiteral("xyzzy")), QList<UnitRef>());
    QCOMPARE(suggestions(QStringLiteral("chilo"), nullptr, 3).size(), 3);
    // Restricted to one quantity.
    QCOMPARE(describe(suggestions(QStringLiteral("chilometr"), &quantities::superfici())),
        QStringLiteral("superfici:km2"));

    const PairResolution unknown = unitavo::resolvePair(u"kmx", u"m");
    QVERIFY(unknown.toSuggestions.isEmpty());
    QCOMPARE(describe(unknown.fromSuggestions.mid(0, 1)), QStringLiteral("lunghezze:km"));
    // Two quantities: for each text, the closest units of the other's quantity.
    const PairResolution different = unitavo::resolvePair(u"km", u"kg");
    QCOMPARE(describe(different.fromSuggestions.mid(0, 1)), QStringLiteral("forze:kg"));
    QCOMPARE(describe(different.toSuggestions.mid(0, 1)), QStringLiteral("lunghezze:km"));

    const UnitResolution ambiguous = resolveUnit(u"gal");
    QCOMPARE(ambiguous.problem, UnitResolution::Problem::Ambiguous);
    QCOMPARE(describe(ambiguous.candidates), QStringLiteral("accelerazioni:Gal volumi:gal"));
    QCOMPARE(
        describe({resolveUnit(u"gal", &quantities::volumi()).unit}), QStringLiteral("volumi:gal"));
}

void TestUnitNames::quantitiesByIdAndCaption()
{
    QCOMPARE(quantityId(quantities::lunghezze()), QStringLiteral("lunghezze"));
    QCOMPARE(quantityId(quantities::massavolumica()), QStringLiteral("massavolumica"));
    QCOMPARE(findQuantityById(u"velocita"), &quantities::velocita());
    QCOMPARE(findQuantityById(u"Velocità"), &quantities::velocita());
    QCOMPARE(findQuantityById(u"MASSAVOLUMICA"), &quantities::massavolumica());
    QCOMPARE(findQuantityById(u"Massa Volumica"), &quantities::massavolumica());
    QCOMPARE(findQuantityById(u"frm_forze"), nullptr);
    QCOMPARE(findQuantityById(u""), nullptr);
    QSet<QString> ids;
    for (const Quantity *q : catalogue())
        ids.insert(quantityId(*q));
    QCOMPARE(ids.size(), 10);
}

void TestUnitNames::captionsAsTheWindowReadsThem()
{
    const auto caption = [](const Quantity &q, const char *symbol) {
        const QList<UnitRef> units = unitavo::findUnits(QString::fromUtf8(symbol), &q);
        return units.size() == 1 ? unitCaption(units.first()) : QString();
    };
    QCOMPARE(caption(quantities::lunghezze(), "km"), QStringLiteral("chilometri (km)"));
    QCOMPARE(caption(quantities::massavolumica(), "kg/m3"), QStringLiteral("kg/m³"));
    QCOMPARE(caption(quantities::superfici(), "km2"), QStringLiteral("km²"));
    QCOMPARE(caption(quantities::pressioni(), "cmHg"), QStringLiteral("centimetri di mercurio 0°"));
}

QTEST_GUILESS_MAIN(TestUnitNames)
#include "tst_unitnames.moc"
