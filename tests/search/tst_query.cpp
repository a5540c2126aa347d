// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Queries of the desktop's search and requests for a window, read without a bus or a window.
#include "catalogue.h"
#include "query.h"
#include "windowrequest.h"

#include <QTest>

using namespace unitavo;
using namespace unitavo::search;

namespace {

const QLocale italian(QLocale::Italian, QLocale::Italy);
const QLocale english(QLocale::English, QLocale::UnitedStates);

QStringList titles(const QString &query, const QLocale &locale)
{
    QStringList found;
    for (const Result &r : answerQuery(query, locale))
        found << title(r);
    return found;
}

} // namespace

class TestQuery : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void oneUnitOffersThreeTargets();
    void idsReadBack();
    void windowRequest_data();
    void windowRequest();
};

void TestQuery::answers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *query, const QLocale &locale, const QStringList &expected) {
        QTest::addRow("%s, %s", query, qPrintable(locale.name()))
            << QString::fromUtf8(query) << locale << expected;
    };
    // 10 km = 10000 m; 10000 x 0.0006213711922 mi/m. A number only where the settings make one.
    row("10km to mi", italian, {"6,213711922 mi"});
    row("1,5 km -> m", english, {});
    row("1.5km in m", italian, {});
    // The pivot unit both ways copies the typed text in the window: no number, no result.
    row("abc m in m", italian, {});
    // "in" is the inch where it can be: 10 km = 393700.7874 in.
    row("10 km in", italian, {"393700,7874 in"});
    // arctan(110 / 100) is steeper than 45 degrees: the window shows nothing.
    row("110 % in gradi", italian, {});
    row("1E308 km in mm", english, {});
    // 3 + 5/8 = 3.625 in = 3.625 / 39.37007874 m = 9.2075000000368... cm.
    row("3 5/8 in-frac in cm", italian, {"9,20750000003683 cm"});
    row("3 5/8 in in cm", italian, {});
    // "g" with "g" is a gram and a standard gravity: one result in each window.
    row("2 g in g", italian, {"2 g", "2 g"});
    row("km in mi", italian, {});
    row("10", italian, {});
}

void TestQuery::answers()
{
    QFETCH(QString, query);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, expected);
    QCOMPARE(titles(query, locale), expected);
}

void TestQuery::oneUnitOffersThreeTargets()
{
    // Every unit named alone gets three targets of its own quantity, none of them itself.
    for (const UnitRef unit : allUnits()) {
        const QString query = QStringLiteral("1 ") + unitSymbol(unit);
        QList<UnitRef> targets;
        for (const Conversion &c : readQuery(query, english, 50)) {
            QVERIFY(!c.named);
            if (c.pair.from == unit)
                targets << c.pair.to;
        }
        QVERIFY2(targets.size() == 3, qPrintable(query));
        for (const UnitRef target : targets) {
            QCOMPARE(target.quantity, unit.quantity);
            QVERIFY(target != unit);
        }
    }
}

void TestQuery::idsReadBack()
{
    for (const char *query : {"-2,5 degC in K", "3 5/8 in-frac in mm", "1 g in gal", "7 kg/m3"}) {
        const QList<Conversion> read = readQuery(QString::fromUtf8(query), italian);
        QVERIFY2(!read.isEmpty(), query);
        for (const Conversion &c : read) {
            const std::optional<Conversion> back = conversionFromId(resultId(c));
            QVERIFY(back);
            QVERIFY(back->pair.from == c.pair.from && back->pair.to == c.pair.to);
            QCOMPARE(back->value, c.value);
        }
    }
    for (const char *id : {"", "lunghezze\tkm\tmi", "lunghezze\tkm\tkg\t1", "x\tkm\tmi\t1"})
        QVERIFY(!conversionFromId(QString::fromUtf8(id)));
}

void TestQuery::windowRequest_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QStringList>("conversion");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("boxes"); // name=text of each box typed

    const QStringList none;
    QTest::newRow("quantity alone") << "lunghezze" << none << italian << QString() << none;
    QTest::newRow("unknown quantity")
        << "lunghezza" << none << italian
        << "Grandezza sconosciuta: «lunghezza».\nLe grandezze: accelerazioni, angoli, forze, "
           "lunghezze, massavolumica, pressioni, superfici, temperature, velocita, volumi."
        << none;
    QTest::newRow("two arguments")
        << "lunghezze" << QStringList{"1", "km"} << italian
        << "Una conversione si chiede con tre argomenti, VALORE DA A: «1 km»." << none;
    // "km" is one letter away from "kg".
    QTest::newRow("unit of another quantity")
        << "lunghezze" << QStringList{"1", "km", "kg"} << italian
        << "Unità sconosciuta nella grandezza lunghezze: «kg».\nUnità più vicine: km "
           "(lunghezze: chilometri (km))."
        << none;
    QTest::newRow("negative") << "temperature" << QStringList{"-40", "degC", "degF"} << english
                              << QString() << QStringList{"txt_conv=-40"};
    QTest::newRow("fraction") << "lunghezze" << QStringList{"3 5/8", "pollici frazionari", "cm"}
                              << italian << QString()
                              << QStringList{"txt_conv=3", "txt_conv1_2=5", "txt_conv1_2_2=8"};
    QTest::newRow("fraction of no number")
        << "lunghezze" << QStringList{"3 x/8", "in-frac", "cm"} << italian
        << "Il valore «3 x/8» non è un numero valido." << none;
}

void TestQuery::windowRequest()
{
    QFETCH(QString, quantity);
    QFETCH(QStringList, conversion);
    QFETCH(QLocale, locale);
    QFETCH(QString, problem);
    QFETCH(QStringList, boxes);

    const auto read = readWindowRequest(quantity, conversion, locale);
    if (!problem.isEmpty()) {
        QCOMPARE(std::get<QString>(read), problem);
        return;
    }
    const WindowRequest &request = std::get<WindowRequest>(read);
    QVERIFY(request.quantity);
    QCOMPARE(request.converts, !conversion.isEmpty());
    QStringList typed;
    for (const BoxText &b : request.boxes)
        typed << QString::fromLatin1(b.box.name()) + u'=' + b.text;
    QCOMPARE(typed, boxes);
}

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
