// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine.h"

#include "about.h"
#include "catalogue.h"
#include "conversion.h"
#include "mainlayout.h"
#include "messages.h"
#include "press.h"
#include "unitnames.h"
#include "windowrequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <array>

namespace unitavo::web {

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QJsonArray rect(const Rect &r)
{
    return {r.left, r.top, r.width, r.height};
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject message(const QString &text)
{
    return {{QStringLiteral("message"), text}};
}

// The windows that hold their pivot keep it for the page's life, as the desktop's window objects
// do.
std::array<double, kQuantityCount> &heldPivots()
{
    static std::array<double, kQuantityCount> pivots{};
    return pivots;
}

QJsonObject mainWindow()
{
    QJsonArray buttons;
    const auto &quantities = catalogue();
    for (int i = 0; i < int(quantities.size()); ++i) {
        const Quantity &q = *quantities[i];
        buttons.append(QJsonObject{{QStringLiteral("name"), utf8(q.button)},
            {QStringLiteral("caption"), utf8(q.caption)}, {QStringLiteral("window"), utf8(q.name)},
            {QStringLiteral("id"), utf8(q.id)},
            {QStringLiteral("rect"), rect(mainlayout::button(i))}});
    }
    const QJsonArray links{
        QJsonObject{{QStringLiteral("name"), QStringLiteral("Label1")},
            {QStringLiteral("text"), webAddress()}, {QStringLiteral("href"), webLink()},
            {QStringLiteral("rect"), rect(mainlayout::webLink())},
            {QStringLiteral("points"), mainlayout::kWebLinkPoints}},
        QJsonObject{{QStringLiteral("name"), QStringLiteral("Label2")},
            {QStringLiteral("text"), mailAddress()}, {QStringLiteral("href"), mailLink()},
            {QStringLiteral("rect"), rect(mainlayout::mailLink())}, {QStringLiteral("points"), 8}},
    };
    return {{QStringLiteral("name"), QString::fromLatin1(mainlayout::kMainWindowName)},
        {QStringLiteral("width"), mainlayout::kClientWidth},
        {QStringLiteral("height"), mainlayout::kClientHeight}, {QStringLiteral("buttons"), buttons},
        {QStringLiteral("links"), links}};
}

QJsonValue superscript(const Superscript &s)
{
    if (!s.text)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("text"), utf8(s.text)},
        {QStringLiteral("spoken"), utf8(s.character())},
        {QStringLiteral("sourceLabel"), utf8(s.sourceLabel)},
        {QStringLiteral("targetLabel"), utf8(s.targetLabel)}, {QStringLiteral("width"), s.width},
        {QStringLiteral("height"), s.height}, {QStringLiteral("points"), 5.25}};
}

QJsonObject unit(const UnitRow &row)
{
    return {{QStringLiteral("source"), utf8(row.source)},
        {QStringLiteral("target"), utf8(row.target)},
        {QStringLiteral("sourceCaption"), utf8(row.captionFor(true))},
        {QStringLiteral("targetCaption"), utf8(row.captionFor(false))},
        {QStringLiteral("symbol"), utf8(row.symbol)}, {QStringLiteral("top"), row.top},
        {QStringLiteral("sourceWidth"), row.widthFor(true)},
        {QStringLiteral("targetWidth"), row.widthFor(false)},
        {QStringLiteral("height"), row.height},
        {QStringLiteral("superscript"), superscript(row.superscript)},
        {QStringLiteral("inputLayout"), row.inputLayout}};
}

// The desktop window's tab chain: the source buttons, the input and the extra boxes, the target
// buttons, "Calcola" and the result, then whatever the quantity moves to the end.
QJsonArray tabOrder(const Quantity &q)
{
    QStringList chain;
    for (const UnitRow &row : q.rows)
        chain << utf8(row.source);
    chain << kInputBox.latin1();
    for (const ExtraControl &extra : q.extras) {
        if (extra.kind == ExtraControl::Kind::TextBox)
            chain << utf8(extra.name);
    }
    for (const UnitRow &row : q.rows)
        chain << utf8(row.target);
    chain << QLatin1String(kCalcola) << kResultBox.latin1();
    for (const char *name : q.tabTail) {
        if (chain.removeOne(utf8(name)))
            chain << utf8(name);
    }
    return QJsonArray::fromStringList(chain);
}

QJsonObject converterWindow(const Quantity &q)
{
    const Layout &l = q.layout;
    QJsonArray units;
    for (const UnitRow &row : q.rows)
        units.append(unit(row));
    QJsonArray boxes{QJsonObject{{QStringLiteral("name"), kInputBox.latin1()},
        {QStringLiteral("rect"), rect(l.input)}, {QStringLiteral("text"), QStringLiteral("1")},
        {QStringLiteral("label"), inputBoxName()}, {QStringLiteral("extra"), false}}};
    QJsonArray labels;
    for (const ExtraControl &e : q.extras) {
        QJsonObject control{{QStringLiteral("name"), utf8(e.name)},
            {QStringLiteral("rect"), rect(e.rect)}, {QStringLiteral("text"), utf8(e.text)},
            {QStringLiteral("extra"), true}};
        if (e.fontFamily)
            control.insert(QStringLiteral("points"), e.fontPoints);
        if (e.kind == ExtraControl::Kind::TextBox) {
            control.insert(QStringLiteral("label"), utf8(e.accessibleName));
            boxes.append(control);
        } else {
            labels.append(control);
        }
    }
    QJsonArray inputLayouts;
    for (const InputLayout &il : q.inputLayouts) {
        inputLayouts.append(QJsonObject{{QStringLiteral("inputWidth"), il.inputWidth},
            {QStringLiteral("extrasVisible"), il.extrasVisible}});
    }
    const QJsonArray frames{
        QJsonObject{{QStringLiteral("name"), utf8(q.sourceFrame)},
            {QStringLiteral("side"), QStringLiteral("source")},
            {QStringLiteral("rect"), rect(l.frame1)}},
        QJsonObject{{QStringLiteral("name"), utf8(q.targetFrame)},
            {QStringLiteral("side"), QStringLiteral("target")},
            {QStringLiteral("rect"), rect(l.frame2)}},
    };
    return {{QStringLiteral("id"), utf8(q.id)}, {QStringLiteral("name"), utf8(q.name)},
        {QStringLiteral("caption"), utf8(q.caption)}, {QStringLiteral("button"), utf8(q.button)},
        {QStringLiteral("width"), l.clientWidth}, {QStringLiteral("height"), l.clientHeight},
        {QStringLiteral("frames"), frames}, {QStringLiteral("units"), units},
        {QStringLiteral("unitLeft"), 120}, {QStringLiteral("boxes"), boxes},
        {QStringLiteral("labels"), labels},
        {QStringLiteral("calcola"),
            QJsonObject{{QStringLiteral("name"), QLatin1String(kCalcola)},
                {QStringLiteral("caption"), calcolaCaption()},
                {QStringLiteral("rect"), rect(l.calcola)}}},
        {QStringLiteral("result"),
            QJsonObject{{QStringLiteral("name"), kResultBox.latin1()},
                {QStringLiteral("label"), resultBoxName()},
                {QStringLiteral("rect"), rect(l.result)},
                {QStringLiteral("onWindow"), l.resultOnWindow}}},
        {QStringLiteral("inputLayouts"), inputLayouts}, {QStringLiteral("tabOrder"), tabOrder(q)}};
}

int rowNamed(const Quantity &q, const QString &name, bool sourceSide)
{
    for (int i = 0; i < int(q.rows.size()); ++i) {
        if (name == utf8(sourceSide ? q.rows[i].source : q.rows[i].target))
            return i;
    }
    return -1;
}

// What to enter in a window: its two option buttons and the boxes to type, as the desktop's
// enter() takes them.
QJsonObject entry(const UnitPair &pair, const BoxTexts &boxes)
{
    QJsonObject typed;
    for (const BoxText &b : boxes)
        typed.insert(b.box.latin1(), b.text);
    return {{QStringLiteral("window"), utf8(pair.from.quantity->name)},
        {QStringLiteral("source"), utf8(pair.from.unit().source)},
        {QStringLiteral("target"), utf8(pair.to.unit().target)}, {QStringLiteral("boxes"), typed}};
}

} // namespace

QByteArray catalogueJson()
{
    QJsonArray windows;
    for (const Quantity *q : catalogue())
        windows.append(converterWindow(*q));
    const QJsonObject texts{{QStringLiteral("sourceFrame"), sourceFrameName()},
        {QStringLiteral("targetFrame"), targetFrameName()},
        {QStringLiteral("closeWindow"), closeWindowName(QStringLiteral("%1"))},
        {QStringLiteral("ok"), okCaption()}, {QStringLiteral("loading"), pageLoadingMessage()},
        {QStringLiteral("noEngine"), pageEngineFailedMessage()},
        {QStringLiteral("noScript"), pageNoScriptMessage()}};
    return json({{QStringLiteral("name"), programName()}, {QStringLiteral("title"), programTitle()},
        {QStringLiteral("texts"), texts}, {QStringLiteral("points"), 8},
        {QStringLiteral("main"), mainWindow()}, {QStringLiteral("windows"), windows}});
}

QString setLanguage(const QString &tag)
{
    QLocale::setDefault(QLocale(tag));
    return QLocale().name();
}

QByteArray pressJson(
    const QString &window, const QString &source, const QString &target, const QByteArray &boxes)
{
    const Quantity *q = findQuantity(window.toUtf8().constData());
    if (!q)
        return json(message(unknownQuantityMessage(window, quantityIds())));
    const QJsonObject typed = QJsonDocument::fromJson(boxes).object();
    PressInput input;
    input.source = rowNamed(*q, source, true);
    input.target = rowNamed(*q, target, false);
    const auto take = [&](BoxName name) {
        input.texts.append({name, typed.value(name.latin1()).toString()});
    };
    take(kInputBox);
    for (const ExtraControl &extra : q->extras) {
        if (extra.kind == ExtraControl::Kind::TextBox)
            take(BoxName(extra.name));
    }
    take(kResultBox);
    double &held = heldPivots()[catalogueIndex(*q)];
    input.heldPivot = held;
    input.locale = QLocale();

    const PressOutcome outcome = press(*q, input);
    held = outcome.heldPivot;
    QJsonArray writes;
    for (const BoxText &w : outcome.writes) {
        writes.append(
            QJsonObject{{QStringLiteral("box"), w.box.latin1()}, {QStringLiteral("text"), w.text}});
    }
    QJsonObject answer{{QStringLiteral("writes"), writes}};
    if (outcome.failure)
        answer.insert(QStringLiteral("message"), failureMessage(*outcome.failure));
    return json(answer);
}

QByteArray resolveJson(
    const QString &value, const QString &from, const QString &to, const QString &quantity)
{
    const Quantity *hint = nullptr;
    if (!quantity.isEmpty()) {
        const auto read = readWindowRequest(quantity, {}, QLocale());
        if (const QString *problem = std::get_if<QString>(&read))
            return json(message(*problem));
        hint = std::get<WindowRequest>(read).quantity;
    }
    const PairResolution pair = resolvePair(from, to, hint);
    if (!pair.ok())
        return json(message(problemLines(pair, from, to, hint).join(u'\n')));
    return json(entry(pair.pair, typedBoxes(pair.pair.from, value)));
}

QByteArray requestJson(const QString &quantity, const QByteArray &conversion)
{
    QStringList parts;
    for (const QJsonValue &part : QJsonDocument::fromJson(conversion).array())
        parts << part.toString();
    const auto read = readWindowRequest(quantity, parts, QLocale());
    if (const QString *problem = std::get_if<QString>(&read))
        return json(message(*problem));
    const WindowRequest &request = std::get<WindowRequest>(read);
    if (!request.converts)
        return json({{QStringLiteral("window"), utf8(request.quantity->name)}});
    return json(entry(request.pair, request.boxes));
}

} // namespace unitavo::web
