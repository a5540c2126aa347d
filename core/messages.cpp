// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

namespace unitavo {

QString failureMessage(Failure failure)
{
    switch (failure) {
    case Failure::NotANumber:
        return QStringLiteral("Il valore inserito non è un numero valido.");
    case Failure::OutOfRange:
        return QStringLiteral("Il numero è fuori dall'intervallo consentito: il risultato non è "
                              "rappresentabile.");
    }
    return {};
}

} // namespace unitavo
