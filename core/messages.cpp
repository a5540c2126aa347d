// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <cerrno>
#include <cstring>

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

QString writeFailureMessage(int error)
{
    QString cause;
    switch (error) {
    case 0:
        cause = QStringLiteral("errore di scrittura");
        break;
    case ENOSPC:
        cause = QStringLiteral("non c'è più spazio sul dispositivo");
        break;
    case EBADF:
        cause = QStringLiteral("l'uscita standard è chiusa");
        break;
    case EPIPE:
        cause = QStringLiteral("chi leggeva l'uscita l'ha chiusa");
        break;
    case EIO:
        cause = QStringLiteral("errore di ingresso/uscita del dispositivo");
        break;
    case EFBIG:
        cause = QStringLiteral("il file è troppo grande");
        break;
    default: // the system's own words, in its language
        cause = QString::fromLocal8Bit(std::strerror(error));
        break;
    }
    return QStringLiteral("Non riesco a scrivere sull'uscita standard: %1.").arg(cause);
}

} // namespace unitavo
