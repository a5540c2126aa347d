// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's engine: what the HTML page asks of the core, in JSON. The page is made from the
// catalogue when it is built and asks the engine only to press "Calcola" and to read requests;
// bindings.cpp hands these functions to JavaScript.

#include <QByteArray>
#include <QString>

namespace unitavo::web {

// Every window the page shows: the main window, and for each quantity its captions, frames,
// option buttons, boxes and layout in twips, and the texts the page says around them.
QByteArray catalogueJson();

// Numbers are read and written from now on as the language of this BCP 47 tag writes them
// ("it-IT" with a decimal comma); gives the locale's name ("it_IT").
QString setLanguage(const QString &tag);

// One press of "Calcola" in the window named `window`, with the option buttons named `source` and
// `target` checked (empty: none) and the boxes' texts as a JSON object by box name: the boxes to
// write, in order, and the message of a failure. The windows that hold their pivot between
// presses keep it here, for as long as the page.
QByteArray pressJson(
    const QString &window, const QString &source, const QString &target, const QByteArray &boxes);

// unitavo.convert: the window, the two option buttons and the boxes to type for VALUE FROM TO
// (the quantity, when not empty, picks it for units of several), or why no conversion is made.
QByteArray resolveJson(
    const QString &value, const QString &from, const QString &to, const QString &quantity);

// ?open=QUANTITY and maybe VALUE FROM TO (a JSON array of those given), as `unitavo --open` reads
// them: the window and what to enter in it, or the message that says why not.
QByteArray requestJson(const QString &quantity, const QByteArray &conversion);

} // namespace unitavo::web
