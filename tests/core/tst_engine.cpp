// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's engine: the catalogue the page is made from, and one press asked for by the names the
// page knows, which must show what the same press shows anywhere else.
#include "catalogue.h"
#include "conversion.h"
#include "engine.h"
#include "messages.h"
#include "presssupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

using namespace unitavo;
using namespace unitavo::test;

namespace {

QJsonObject parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qFatal("not a JSON object: %s", json.constData());
    return document.object();
}

// What the result box shows after the engine's press, or the message it reports.
QString shown(const QJsonObject &answer)
{
    if (answer.contains(QStringLiteral("message")))
        return answer[QStringLiteral("message")].toString();
    QString result;
    for (const QJsonValue &w : answer[QStringLiteral("writes")].toArray()) {
        if (w[QStringLiteral("box")].toString() == kResultBox.latin1())
            result = w[QStringLiteral("text")].toString();
    }
    return result;
}

QByteArray boxesJson(const BoxTexts &boxes)
{
    QJsonObject object;
    for (const BoxText &b : boxes)
        object.insert(b.box.latin1(), b.text);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void everyWindowInTheCatalogue();
    void pressMatchesConversion_data();
    void pressMatchesConversion();
    void heldPivotOutlivesThePress();
    void requests_data();
    void requests();
};

// Each window's option buttons, boxes and tab chain name each control once, and the main window
// has one button per window, above its links.
void TestEngine::everyWindowInTheCatalogue()
{
    const QJsonObject c = parse(web::catalogueJson());
    const QJsonArray windows = c[QStringLiteral("windows")].toArray();
    const QJsonObject main = c[QStringLiteral("main")].toObject();
    const QJsonArray buttons = main[QStringLiteral("buttons")].toArray();
    QCOMPARE(windows.size(), qsizetype(catalogue().size()));
    QCOMPARE(buttons.size(), windows.size());
    const int lastButtonBottom = buttons.last()[QStringLiteral("rect")][1].toInt()
        + buttons.last()[QStringLiteral("rect")][3].toInt();
    for (const QJsonValue &link : main[QStringLiteral("links")].toArray())
        QVERIFY(link[QStringLiteral("rect")][1].toInt() >= lastButtonBottom);
    QVERIFY(main[QStringLiteral("height")].toInt() > lastButtonBottom);

    for (int i = 0; i < windows.size(); ++i) {
        const QJsonObject w = windows[i].toObject();
        const QString name = w[QStringLiteral("name")].toString();
        QCOMPARE(buttons[i][QStringLiteral("window")].toString(), name);
        QStringList controls;
        for (const QJsonValue &u : w[QStringLiteral("units")].toArray())
            controls << u[QStringLiteral("source")].toString()
                     << u[QStringLiteral("target")].toString();
        for (const QJsonValue &b : w[QStringLiteral("boxes")].toArray())
            controls << b[QStringLiteral("name")].toString();
        controls << w[QStringLiteral("calcola")][QStringLiteral("name")].toString()
                 << w[QStringLiteral("result")][QStringLiteral("name")].toString();
        QStringList chain;
        for (const QJsonValue &t : w[QStringLiteral("tabOrder")].toArray())
            chain << t.toString();
        QVERIFY2(QSet<QString>(controls.begin(), controls.end()).size() == controls.size(),
            qPrintable(name));
        std::sort(controls.begin(), controls.end());
        std::sort(chain.begin(), chain.end());
        QCOMPARE(chain, controls);
    }
}

void TestEngine::pressMatchesConversion_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QLocale>("locale");
    for (const Quantity *q : catalogue()) {
        QTest::addRow("%s it", q->name) << QString::fromLatin1(q->name) << "it-IT" << italian;
        QTest::addRow("%s en", q->name) << QString::fromLatin1(q->name) << "en-US" << english;
    }
}

// Every pair of units of every window, pressed through the engine by button names, shows what the
// same conversion shows on the command line: results, failures and empty results alike.
void TestEngine::pressMatchesConversion()
{
    QFETCH(QString, window);
    QFETCH(QString, language);
    QFETCH(QLocale, locale);
    QCOMPARE(web::setLanguage(language), locale.name());
    const Quantity &q = *findQuantity(window.toLatin1().constData());
    const QString point = locale.decimalPoint();
    for (const QString &value : {QStringLiteral("2") + point + QStringLiteral("5"),
             QStringLiteral("-40"), QStringLiteral("1E300"), QStringLiteral("abc")}) {
        for (int from = 0; from < int(q.rows.size()); ++from) {
            for (int to = 0; to < int(q.rows.size()); ++to) {
                const UnitPair pair{{&q, from}, {&q, to}};
                const ConversionResult expected = convert(pair, value, locale);
                const QString want = expected.status == ConversionResult::Status::Failed
                    ? failureMessage(expected.failure)
                    : expected.text;
                // The forces and velocities windows hold their pivot: a fresh window has none.
                if (q.pivot == PivotKind::WindowHeld)
                    web::pressJson(window, {}, QString::fromLatin1(q.rows[0].target),
                        boxesJson({{kInputBox, QStringLiteral("0")}}));
                const QJsonObject answer
                    = parse(web::pressJson(window, QString::fromLatin1(q.rows[from].source),
                        QString::fromLatin1(q.rows[to].target),
                        boxesJson(typedBoxes(pair.from, value))));
                QVERIFY2(shown(answer) == want,
                    qPrintable(
                        QStringLiteral("%1 %2 -> %3: %4, expected %5")
                            .arg(value, QString::fromLatin1(q.rows[from].source),
                                QString::fromLatin1(q.rows[to].target), shown(answer), want)));
            }
        }
    }
}

// A press with no source unit selected converts what the window holds from its last press.
void TestEngine::heldPivotOutlivesThePress()
{
    web::setLanguage(QStringLiteral("en-US"));
    const auto press = [](const char *window, const char *source, const char *target,
                           const char *value) {
        return shown(parse(web::pressJson(QString::fromLatin1(window), QString::fromLatin1(source),
            QString::fromLatin1(target), boxesJson({{kInputBox, QString::fromLatin1(value)}}))));
    };
    QCOMPARE(press("frm_forze", "opt_kg1", "opt_g2", "2"), QStringLiteral("2000"));
    // Another window's press leaves it alone.
    QCOMPARE(press("frm_lunghezze", "km1", "m2", "7"), QStringLiteral("7000"));
    QCOMPARE(press("frm_forze", "", "opt_g2", "junk"), QStringLiteral("2000"));
}

void TestEngine::requests_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QStringList>("conversion");
    QTest::addColumn<QString>("expected"); // the window, or the message's start

    QTest::newRow("window alone") << "lunghezze" << QStringList() << "frm_lunghezze";
    QTest::newRow("by caption") << "Velocità" << QStringList() << "frm_velocita";
    QTest::newRow("conversion") << "temperature" << QStringList{"-40", "degC", "degF"}
                                << "frm_temperature C F2 -40";
    QTest::newRow("markup as quantity") << "<img src=x onerror=alert(1)>" << QStringList()
                                        << "Grandezza sconosciuta: «<img src=x onerror=alert(1)>».";
    QTest::newRow("unit of another quantity")
        << "lunghezze" << QStringList{"3", "kg", "mi"} << "Unità sconosciuta";
    QTest::newRow("value missing") << "lunghezze" << QStringList{"km", "mi"} << "";
    QTest::newRow("very long") << QString(100000, u'x') << QStringList() << "Grandezza sconosciuta";
}

// ?open= as `unitavo --open` reads it: the window and what to enter in it, or why not.
void TestEngine::requests()
{
    QFETCH(QString, quantity);
    QFETCH(QStringList, conversion);
    QFETCH(QString, expected);
    web::setLanguage(QStringLiteral("it-IT"));
    const QJsonObject answer = parse(
        web::requestJson(quantity, QJsonDocument(QJsonArray::fromStringList(conversion)).toJson()));
    if (answer.contains(QStringLiteral("message"))) {
        QVERIFY(!answer.contains(QStringLiteral("window")));
        QVERIFY2(answer[QStringLiteral("message")].toString().startsWith(expected),
            qPrintable(answer[QStringLiteral("message")].toString()));
        QVERIFY(!answer[QStringLiteral("message")].toString().isEmpty());
        return;
    }
    QString got = answer[QStringLiteral("window")].toString();
    if (answer.contains(QStringLiteral("source"))) {
        got += u' ' + answer[QStringLiteral("source")].toString() + u' '
            + answer[QStringLiteral("target")].toString() + u' '
            + answer[QStringLiteral("boxes")][kInputBox.latin1()].toString();
    }
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
