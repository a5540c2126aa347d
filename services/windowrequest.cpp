// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowrequest.h"

#include "catalogue.h"
#include "numbertext.h"

namespace unitavo {

namespace {

QString quoted(QStringView text)
{
    return QStringLiteral("«%1»").arg(text);
}

// "Unità sconosciuta nella finestra Lunghezze: «kmm». Unità più vicine: km, mm."
QString unknownUnit(QStringView text, const Quantity &quantity)
{
    QString message = QStringLiteral("Unità sconosciuta nella finestra %1: %2.")
                          .arg(QString::fromUtf8(quantity.caption), quoted(text));
    QStringList closest;
    for (const UnitRef unit : suggestions(text, &quantity, 3))
        closest << unitSymbol(unit);
    if (!closest.isEmpty())
        message += QStringLiteral(" Unità più vicine: %1.").arg(closest.join(QStringLiteral(", ")));
    return message;
}

} // namespace

bool readsAsNumbers(const BoxTexts &boxes, const QLocale &locale)
{
    for (const BoxText &box : boxes) {
        if (box.box != kInputBox && box.text.isEmpty())
            continue;
        if (!textToNumber(box.text, locale))
            return false;
    }
    return !boxes.isEmpty();
}

std::variant<WindowRequest, QString> readWindowRequest(
    QStringView quantity, const QStringList &conversion, const QLocale &locale)
{
    WindowRequest request;
    request.quantity = findQuantityById(quantity);
    if (!request.quantity)
        return QStringLiteral("Grandezza sconosciuta: %1. Le grandezze: %2.")
            .arg(quoted(quantity), quantityIds());
    if (conversion.isEmpty())
        return request;
    if (conversion.size() != 3)
        return QStringLiteral("Una conversione si chiede con tre argomenti, VALORE DA A: %1.")
            .arg(quoted(conversion.join(u' ')));

    const QString &value = conversion[0];
    UnitRef units[2];
    for (int i = 0; i < 2; ++i) {
        const QList<UnitRef> found = findUnits(conversion[i + 1], request.quantity);
        if (found.isEmpty())
            return unknownUnit(conversion[i + 1], *request.quantity);
        units[i] = found.first();
    }
    request.pair = {units[0], units[1]};
    request.boxes = typedBoxes(units[0], value);
    if (!readsAsNumbers(request.boxes, locale))
        return QStringLiteral("Il valore %1 non è un numero valido.").arg(quoted(value));
    request.converts = true;
    return request;
}

} // namespace unitavo
