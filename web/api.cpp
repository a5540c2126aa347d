// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The JavaScript API of the page, for pages that embed Unitavo and for its tests. unitavo-page.js
// wraps these functions of the module as window.unitavo; the README describes them.

#include "catalogue.h"
#include "conversion.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "messages.h"
#include "reporter.h"
#include "unitnames.h"
#include "webpage.h"
#include "windowrequest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <optional>
#include <string>

namespace unitavo::web {

namespace {

using emscripten::val;

MainWindow *g_main = nullptr;

val text(const QString &s)
{
    return val(s.toStdString());
}

QString qstring(const std::string &s)
{
    return QString::fromStdString(s);
}

// The window of this name, while it is shown.
QWidget *shownWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name)
            return w;
    }
    return nullptr;
}

// What a control shows: a box's or a label's text, a button's or a frame's caption.
std::optional<QString> shownText(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return std::nullopt;
}

// A rectangle on the page, in CSS pixels: the canvas's own place plus Qt's logical coordinates.
val pageRect(const QRect &r)
{
    const val canvas = val::global("document").call<val>("getElementById", std::string("screen"));
    const val box = canvas.call<val>("getBoundingClientRect");
    val rect = val::object();
    rect.set("x", box["left"].as<double>() + r.x());
    rect.set("y", box["top"].as<double>() + r.y());
    rect.set("width", r.width());
    rect.set("height", r.height());
    return rect;
}

// unitavo.convert(value, from, to, quantity): the conversion made in the quantity's window, shown
// as `unitavo --open` shows it; returns the result box's text, or the Italian message of a
// conversion that cannot be made. The quantity ("" for any) picks it for units of several.
val convert(const std::string &value, const std::string &from, const std::string &to,
    const std::string &quantity)
{
    const Quantity *hint = nullptr;
    if (!quantity.empty()) {
        const auto read = readWindowRequest(qstring(quantity), {}, QLocale());
        if (const QString *problem = std::get_if<QString>(&read))
            return text(*problem);
        hint = std::get<WindowRequest>(read).quantity;
    }
    const PairResolution pair = resolvePair(qstring(from), qstring(to), hint);
    if (!pair.ok())
        return text(problemLines(pair, qstring(from), qstring(to), hint).join(u'\n'));

    ConverterWindow *window = g_main->showQuantity(catalogueIndex(*pair.pair.from.quantity));
    // The window's failure comes back as the answer rather than in a message box.
    std::optional<QString> failure;
    setReporter([&failure](QWidget *, const QString &message) { failure = message; });
    window->enter(pair.pair.from.row, pair.pair.to.row, typedBoxes(pair.pair.from, qstring(value)));
    reportInMessageBoxes();
    if (failure)
        return text(*failure);
    return text(window->findChild<QLineEdit *>(kResultBox.latin1())->text());
}

// unitavo.read(window, control): the text a control of a shown window shows, or for "" the
// window's title; null when the window is not shown or has no such control.
val read(const std::string &window, const std::string &control)
{
    const QWidget *w = shownWindow(qstring(window));
    if (!w)
        return val::null();
    if (control.empty())
        return text(w->windowTitle());
    const auto *c = w->findChild<QWidget *>(qstring(control));
    const std::optional<QString> shown = c && c->isVisible() ? shownText(c) : std::nullopt;
    return shown ? text(*shown) : val::null();
}

// unitavo.windows(): the shown windows: name, title, whether it is the active one, the place of its
// contents on the page and, as `frame`, that of the window with its title bar.
val windows()
{
    val list = val::array();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        val item = pageRect(w->geometry());
        item.set("name", text(w->objectName()));
        item.set("title", text(w->windowTitle()));
        item.set("active", w->isActiveWindow());
        item.set("frame", pageRect(w->frameGeometry()));
        list.call<void>("push", item);
    }
    return list;
}

// unitavo.controls(window): the named controls of a shown window that show a text, in the order
// of their creation: name, text and place on the page; null when the window is not shown.
val controls(const std::string &window)
{
    const QWidget *w = shownWindow(qstring(window));
    if (!w)
        return val::null();
    val list = val::array();
    for (const QWidget *c : w->findChildren<QWidget *>()) {
        const std::optional<QString> shown = shownText(c);
        if (!shown || c->objectName().isEmpty() || !c->isVisible())
            continue;
        val item = pageRect(QRect(c->mapToGlobal(QPoint(0, 0)), c->size()));
        item.set("name", text(c->objectName()));
        item.set("text", text(*shown));
        list.call<void>("push", item);
    }
    return list;
}

} // namespace

void serveApi(MainWindow &main)
{
    g_main = &main;
}

} // namespace unitavo::web

EMSCRIPTEN_BINDINGS(unitavo)
{
    emscripten::function("convert", &unitavo::web::convert);
    emscripten::function("read", &unitavo::web::read);
    emscripten::function("windows", &unitavo::web::windows);
    emscripten::function("controls", &unitavo::web::controls);
}
