// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowrequest.h"

#include "catalogue.h"
#include "messages.h"
#include "numbertext.h"
#include "suggestions.h"
#include "unitindex.h"
#include "unitproblems.h"

namespace unitavo {

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
        return unknownQuantityMessage(quantity, quantityIds());
    if (conversion.isEmpty())
        return request;
    if (conversion.size() != 3)
        return conversionArgumentsMessage(conversion);

    const QString &value = conversion[0];
    UnitRef units[2];
    for (int i = 0; i < 2; ++i) {
        const QList<UnitRef> found = findUnits(conversion[i + 1], request.quantity);
        if (found.isEmpty())
            return unknownUnitLine(conversion[i + 1],
                suggestions(conversion[i + 1], request.quantity, 3), request.quantity);
        units[i] = found.first();
    }
    request.pair = {units[0], units[1]};
    request.boxes = typedBoxes(units[0], value);
    if (!readsAsNumbers(request.boxes, locale))
        return valueNotANumberMessage(value);
    request.converts = true;
    return request;
}

} // namespace unitavo
