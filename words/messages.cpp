// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <cerrno>
#include <cstring>

namespace unitavo {

QString quoted(QStringView text)
{
    return QStringLiteral("«%1»").arg(text);
}

QString alternatives(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" oppure ")
        + items.last();
}

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

QString sourceFrameName()
{
    return QStringLiteral("Unità di partenza");
}

QString targetFrameName()
{
    return QStringLiteral("Unità di arrivo");
}

QString inputBoxName()
{
    return QStringLiteral("Valore da convertire");
}

QString resultBoxName()
{
    return QStringLiteral("Risultato");
}

QString calcolaCaption()
{
    return QStringLiteral("Calcola");
}

QString mailSubject()
{
    return QStringLiteral("Notizie, Commenti o Problemi su Unitavo");
}

QString closeWindowName(const QString &windowCaption)
{
    return QStringLiteral("Chiudi %1").arg(windowCaption);
}

QString okCaption()
{
    return QStringLiteral("OK");
}

QString pageLoadingMessage()
{
    return QStringLiteral("Unitavo si sta caricando…");
}

QString pageEngineFailedMessage()
{
    return QStringLiteral("Unitavo non riesce a calcolare in questo browser: ricarica la pagina "
                          "oppure usa un browser aggiornato.");
}

QString pageNoScriptMessage()
{
    return QStringLiteral(
        "Unitavo calcola nel browser con JavaScript: attivalo e ricarica la pagina.");
}

QString failureNote(Failure failure)
{
    return failure == Failure::NotANumber ? QStringLiteral("(non è un numero)")
                                          : QStringLiteral("(fuori intervallo)");
}

QString noResultMessage()
{
    return QStringLiteral("Nessun risultato: la pendenza in percentuale si converte solo fino al "
                          "100% (45 gradi).");
}

QString noResultNote()
{
    return QStringLiteral("(nessun risultato)");
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

QString unitDescription(const QString &symbol, const QString &quantityId, const QString &caption)
{
    return QStringLiteral("%1 (%2: %3)").arg(symbol, quantityId, caption);
}

QString unknownQuantityMessage(QStringView text, const QString &ids)
{
    return QStringLiteral("Grandezza sconosciuta: %1.\nLe grandezze: %2.").arg(quoted(text), ids);
}

QString unknownUnitMessage(
    QStringView text, const QString &quantityId, const QStringList &closestUnits)
{
    QString message = quantityId.isEmpty()
        ? QStringLiteral("Unità sconosciuta: %1.").arg(quoted(text))
        : QStringLiteral("Unità sconosciuta nella grandezza %1: %2.").arg(quantityId, quoted(text));
    if (!closestUnits.isEmpty())
        message += QStringLiteral("\nUnità più vicine: %1.")
                       .arg(closestUnits.join(QStringLiteral(", ")));
    return message;
}

QString differentQuantitiesMessage(
    QStringView from, const QStringList &fromIds, QStringView to, const QStringList &toIds)
{
    return QStringLiteral("Le unità %1 (%2) e %3 (%4) sono di grandezze diverse.")
        .arg(quoted(from), alternatives(fromIds), quoted(to), alternatives(toIds));
}

QString nearUnitsMessage(QStringView text, const QStringList &units)
{
    return QStringLiteral("Unità vicine a %1: %2.")
        .arg(quoted(text), units.join(QStringLiteral(", ")));
}

namespace {

QString chooseQuantity(const QStringList &quantityIds)
{
    QStringList options;
    for (const QString &id : quantityIds)
        options << QStringLiteral("--quantity ") + id;
    return QStringLiteral("Scegli la grandezza con %1.").arg(alternatives(options));
}

} // namespace

QString ambiguousUnitMessage(
    QStringView text, const QStringList &quantityIds, const QStringList &captions)
{
    QStringList readings;
    for (qsizetype i = 0; i < quantityIds.size(); ++i)
        readings << QStringLiteral("%1 (%2)").arg(quantityIds[i], captions.value(i));
    return QStringLiteral("L'unità %1 vale in più grandezze: %2.\n%3")
        .arg(quoted(text), alternatives(readings), chooseQuantity(quantityIds));
}

QString ambiguousPairMessage(QStringView from, QStringView to, const QStringList &quantityIds,
    const QStringList &fromCaptions, const QStringList &toCaptions)
{
    QStringList readings;
    for (qsizetype i = 0; i < quantityIds.size(); ++i) {
        readings << QStringLiteral("%1 (%2 → %3)")
                        .arg(quantityIds[i], fromCaptions.value(i), toCaptions.value(i));
    }
    return QStringLiteral("La coppia %1 %2 vale in più grandezze: %3.\n%4")
        .arg(quoted(from), quoted(to), alternatives(readings), chooseQuantity(quantityIds));
}

QString unitListHint()
{
    return QStringLiteral("L'elenco delle unità: unitavo-converti --list");
}

QString conversionArgumentsMessage(const QStringList &arguments)
{
    return QStringLiteral("Una conversione si chiede con tre argomenti, VALORE DA A: %1.")
        .arg(quoted(arguments.join(u' ')));
}

QString valueNotANumberMessage(QStringView value)
{
    return QStringLiteral("Il valore %1 non è un numero valido.").arg(quoted(value));
}

QString unknownOptionMessage(QStringView option)
{
    return QStringLiteral("Opzione sconosciuta: %1.").arg(quoted(option));
}

QString missingValueMessage(QStringView option)
{
    return QStringLiteral("Manca il valore dopo %1.").arg(quoted(option));
}

QString unexpectedArgumentsMessage(const QStringList &arguments)
{
    return QStringLiteral("Argomenti inattesi: %1.").arg(quoted(arguments.join(u' ')));
}

QString exclusiveOptionsMessage(const QStringList &options)
{
    return QStringLiteral("Le opzioni %1 non vanno insieme.")
        .arg(alternatives(options).replace(QStringLiteral(" oppure "), QStringLiteral(" e ")));
}

QString usageHint(QStringView program)
{
    return QStringLiteral("L'aiuto: %1 --help").arg(program);
}

QString unitavoHelp()
{
    return QStringLiteral(
        "Uso: unitavo [--open GRANDEZZA [VALORE DA A] | --show | --copy TESTO]\n"
        "     unitavo --help | --version\n"
        "\n"
        "Senza opzioni apre la finestra principale di Unitavo.\n"
        "\n"
        "Opzioni (--open, --show e --copy non vanno insieme):\n"
        "  --open GRANDEZZA  apre anche la finestra della grandezza (lunghezze, forze,\n"
        "                    temperature...); con VALORE DA A scrive il valore, sceglie\n"
        "                    le due unità e preme \"Calcola\". Se Unitavo è già aperto,\n"
        "                    la richiesta passa a quello.\n"
        "  --show            mostra la finestra principale: quella di Unitavo se è già\n"
        "                    aperto, portata in primo piano, altrimenti una nuova.\n"
        "  --copy TESTO      mette il testo negli appunti: tramite Unitavo se è già\n"
        "                    aperto, altrimenti senza finestre, per cinque minuti al massimo.\n"
        "  -h, --help        mostra questo aiuto.\n"
        "  -v, --version     mostra la versione.\n"
        "  --                gli argomenti che seguono non sono opzioni.\n"
        "\n"
        "VALORE si scrive nel formato delle impostazioni regionali (1,5 in italiano, 1.5\n"
        "in inglese), anche negativo; DA e A sono simboli o nomi di unità della\n"
        "grandezza: km, mi, \"miglia nautiche\", degC, %...\n"
        "\n"
        "Esito: 0 quando Unitavo si chiude o passa la richiesta a quello già aperto; 1 se\n"
        "quello la rifiuta; 2 se gli argomenti sono errati.\n");
}

QString convertiUsage()
{
    return QStringLiteral("Uso: unitavo-converti [OPZIONI] VALORE DA [A]");
}

QString convertiHelp()
{
    return convertiUsage()
        + QStringLiteral(
            "\n\n"
            "Converte VALORE dall'unità DA all'unità A e scrive il risultato come lo mostra la\n"
            "finestra di Unitavo dopo \"Calcola\". Senza A scrive VALORE in tutte le unità della\n"
            "grandezza di DA, una per riga, con la loro didascalia.\n"
            "\n"
            "Argomenti:\n"
            "  VALORE            il numero nel formato delle impostazioni regionali (1,5 in "
            "italiano,\n"
            "                    1.5 in inglese); un numero negativo non è un'opzione. In pollici\n"
            "                    frazionari (in-frac): \"3 5/8\", \"5/8\" o \"3\".\n"
            "  DA, A             il simbolo o il nome di un'unità: km, \"miglia nautiche\", degC, "
            "%,\n"
            "                    kg/m3, in-frac...\n"
            "\n"
            "Opzioni:\n"
            "  -q, --quantity ID la grandezza delle unità (lunghezze, forze...), per le unità che\n"
            "                    appartengono a più grandezze, come g e gal\n"
            "  -l, --list        elenca le unità, una per riga, separando con tabulazioni: "
            "grandezza,\n"
            "                    simbolo, pulsante di partenza, pulsante di arrivo, didascalia e "
            "nomi\n"
            "  -h, --help        mostra questo aiuto\n"
            "  -v, --version     mostra la versione\n"
            "  --                gli argomenti che seguono non sono opzioni\n"
            "\n"
            "Esito: 0 se il risultato è scritto; 1 se la conversione non riesce, non dà risultato\n"
            "o non si può scrivere; 2 se gli argomenti sono errati.\n");
}

QString conversionDescription(
    const QString &quantityCaption, const QString &value, const QString &from, const QString &to)
{
    return QStringLiteral("%1: %2 %3 in %4").arg(quantityCaption, value, from, to);
}

QString copyResultAction()
{
    return QStringLiteral("Copia il risultato");
}

QString programNotStartedMessage(const QString &program)
{
    return QStringLiteral("non riesco ad avviare %1").arg(program);
}

QString noSessionBusMessage(const QString &reason)
{
    return QStringLiteral("nessun bus di sessione (%1)").arg(reason);
}

QString notExportedMessage()
{
    return QStringLiteral("non riesco a esporre gli oggetti sul bus");
}

QString busNameTakenMessage(const QString &name)
{
    return QStringLiteral("il nome %1 è già in uso sul bus").arg(name);
}

} // namespace unitavo
