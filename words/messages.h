// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every sentence that Unitavo's windows, `unitavo`, `unitavo-converti` and the desktop's search
// show, in Italian, each with one wording. A message of several sentences has one a line.

#include "fallible.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace unitavo {

// «text»: what the user typed, quoted.
QString quoted(QStringView text);
// "a", "a oppure b", "a, b oppure c"
QString alternatives(const QStringList &items);

// A press of "Calcola" that failed, wherever it is reported.
QString failureMessage(Failure failure);
// The same, in a table of results beside the units that have one: "(non è un numero)".
QString failureNote(Failure failure);
// A result box left empty (a percent slope past 100), and its note in a table.
QString noResultMessage();
QString noResultNote();
// Standard output could not be written, for the cause in errno `error`.
QString writeFailureMessage(int error);

// Units and quantities asked for by name.
// "km (lunghezze: chilometri (km))"
QString unitDescription(const QString &symbol, const QString &quantityId, const QString &caption);
// A quantity that no id or caption names; `ids` lists them all.
QString unknownQuantityMessage(QStringView text, const QString &ids);
// A unit that no symbol or name of the quantity (of any, for an empty id) names, with the closest
// units, each as unitDescription() gives it.
QString unknownUnitMessage(
    QStringView text, const QString &quantityId, const QStringList &closestUnits);
// Two units of different quantities, each with the ids of the quantities it may be of.
QString differentQuantitiesMessage(
    QStringView from, const QStringList &fromIds, QStringView to, const QStringList &toIds);
// The units close to a text, each as unitDescription() gives it.
QString nearUnitsMessage(QStringView text, const QStringList &units);
// A unit, or a pair of units, of several quantities: each reading is a quantity id with the
// unit's caption, or the pair's two captions.
QString ambiguousUnitMessage(
    QStringView text, const QStringList &quantityIds, const QStringList &captions);
QString ambiguousPairMessage(QStringView from, QStringView to, const QStringList &quantityIds,
    const QStringList &fromCaptions, const QStringList &toCaptions);
// Where to read every unit: the command-line converter's list.
QString unitListHint();
// A conversion asked for with other than three arguments, VALUE FROM TO.
QString conversionArgumentsMessage(const QStringList &arguments);
// A value that the window would not read as a number.
QString valueNotANumberMessage(QStringView value);

// The programs' command lines.
QString unknownOptionMessage(QStringView option);
QString missingValueMessage(QStringView option);
QString unexpectedArgumentsMessage(const QStringList &arguments);
QString exclusiveOptionsMessage(const QStringList &options);
QString usageHint(QStringView program);
QString unitavoHelp();
QString convertiUsage();
QString convertiHelp();

// What a screen reader calls the parts of a converter window, and the captions every converter
// window shares.
QString sourceFrameName();
QString targetFrameName();
QString inputBoxName();
QString resultBoxName();
QString calcolaCaption();
// The subject of the feedback mail the main window's mail link starts.
QString mailSubject();

// The page in the browser: its window's close control, the message box's button, and the lines
// it shows while its engine loads, when the engine cannot run and without JavaScript.
QString closeWindowName(const QString &windowCaption);
QString okCaption();
QString pageLoadingMessage();
QString pageEngineFailedMessage();
QString pageNoScriptMessage();

// The desktop's search.
// "Lunghezze: 10 chilometri (km) in miglia (mil)"
QString conversionDescription(
    const QString &quantityCaption, const QString &value, const QString &from, const QString &to);
QString copyResultAction();
QString programNotStartedMessage(const QString &program);
QString noSessionBusMessage(const QString &reason);
QString notExportedMessage();
QString busNameTakenMessage(const QString &name);

} // namespace unitavo
