// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// unitavo-converti: one conversion, or one value in every unit of its quantity, from the command
// line. Each result is the text the converter window shows after one press of "Calcola", under
// the same regional settings; a failure is the window's own message.
//   unitavo-converti [OPTIONS] VALUE FROM [TO]
// Exit status: 0 results written, 1 the conversion failed or gave no result, 2 a usage error.
#include "conversion.h"
#include "messages.h"
#include "unitnames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIODevice>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

using namespace unitavo;

enum Exit { Done = 0, NoConversion = 1, Usage = 2 };

const QString kProgram = QStringLiteral("unitavo-converti");

QString quoted(QStringView text)
{
    return QStringLiteral("«%1»").arg(text);
}

// "a", "a oppure b", "a, b oppure c"
QString alternatives(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" oppure ")
        + items.last();
}

// "km (lunghezze: chilometri (km))"
QString described(UnitRef unit)
{
    return QStringLiteral("%1 (%2: %3)")
        .arg(unitSymbol(unit), quantityId(*unit.quantity), unitCaption(unit));
}

QString describedAll(const QList<UnitRef> &units)
{
    QStringList parts;
    for (const UnitRef unit : units)
        parts << described(unit);
    return parts.join(QStringLiteral(", "));
}

QString chooseWithQuantity(const QList<const Quantity *> &quantities)
{
    QStringList options;
    for (const Quantity *q : quantities)
        options << QStringLiteral("--quantity ") + quantityId(*q);
    return QStringLiteral("Scegli la grandezza con %1.").arg(alternatives(options));
}

// What to say about a text that names no unit: the closest units, or where to find them all.
QStringList unknownUnit(QStringView text, const QList<UnitRef> &closest, const Quantity *hint)
{
    QStringList lines;
    lines << (hint ? QStringLiteral("Unità sconosciuta tra le %1: %2.")
                         .arg(quantityId(*hint), quoted(text))
                   : QStringLiteral("Unità sconosciuta: %1.").arg(quoted(text)));
    if (!closest.isEmpty())
        lines << QStringLiteral("Unità più vicine: %1.").arg(describedAll(closest));
    return lines;
}

QStringList pairProblem(
    const PairResolution &r, const QString &from, const QString &to, const Quantity *hint)
{
    using Problem = PairResolution::Problem;
    QStringList lines;
    switch (r.problem) {
    case Problem::None:
        break;
    case Problem::Unknown:
        if (r.fromCandidates.isEmpty())
            lines << unknownUnit(from, r.fromSuggestions, hint);
        if (r.toCandidates.isEmpty())
            lines << unknownUnit(to, r.toSuggestions, hint);
        break;
    case Problem::DifferentQuantities: {
        const auto ids = [](const QList<UnitRef> &units) {
            QStringList names;
            for (const UnitRef unit : units)
                names << quantityId(*unit.quantity);
            return alternatives(names);
        };
        lines << QStringLiteral("Le unità %1 (%2) e %3 (%4) sono di grandezze diverse.")
                     .arg(quoted(from), ids(r.fromCandidates), quoted(to), ids(r.toCandidates));
        if (!r.fromSuggestions.isEmpty())
            lines << QStringLiteral("Unità vicine a %1: %2.")
                         .arg(quoted(from), describedAll(r.fromSuggestions));
        if (!r.toSuggestions.isEmpty())
            lines << QStringLiteral("Unità vicine a %1: %2.")
                         .arg(quoted(to), describedAll(r.toSuggestions));
        break;
    }
    case Problem::Ambiguous: {
        QStringList readings;
        for (const Quantity *q : r.quantities) {
            const UnitRef f = findUnits(from, q).value(0);
            const UnitRef t = findUnits(to, q).value(0);
            readings << QStringLiteral("%1 (%2 → %3)")
                            .arg(quantityId(*q), unitCaption(f), unitCaption(t));
        }
        lines << QStringLiteral("La coppia %1 %2 vale in più grandezze: %3.")
                     .arg(quoted(from), quoted(to), alternatives(readings));
        lines << chooseWithQuantity(r.quantities);
        break;
    }
    }
    lines << QStringLiteral("L'elenco delle unità: %1 --list").arg(kProgram);
    return lines;
}

QStringList unitProblem(const UnitResolution &r, const QString &text, const Quantity *hint)
{
    QStringList lines;
    if (r.problem == UnitResolution::Problem::Unknown) {
        lines << unknownUnit(text, r.suggestions, hint);
    } else {
        QStringList readings;
        QList<const Quantity *> quantities;
        for (const UnitRef unit : r.candidates) {
            readings << QStringLiteral("%1 (%2)").arg(
                quantityId(*unit.quantity), unitCaption(unit));
            quantities << unit.quantity;
        }
        lines << QStringLiteral("L'unità %1 vale in più grandezze: %2.")
                     .arg(quoted(text), alternatives(readings));
        lines << chooseWithQuantity(quantities);
    }
    lines << QStringLiteral("L'elenco delle unità: %1 --list").arg(kProgram);
    return lines;
}

QString noResultMessage()
{
    return QStringLiteral("Nessun risultato: la pendenza in percentuale si converte solo fino al "
                          "100% (45 gradi).");
}

QString helpText()
{
    return QStringLiteral(
        "Uso: %1 [OPZIONI] VALORE DA [A]\n"
        "\n"
        "Converte VALORE dall'unità DA all'unità A e scrive il risultato come lo mostra la\n"
        "finestra di Unitavo dopo \"Calcola\". Senza A scrive VALORE in tutte le unità della\n"
        "grandezza di DA, una per riga, con la loro didascalia.\n"
        "\n"
        "Argomenti:\n"
        "  VALORE            il numero nel formato delle impostazioni regionali (1,5 in italiano,\n"
        "                    1.5 in inglese); un numero negativo non è un'opzione. In pollici\n"
        "                    frazionari (in-frac): \"3 5/8\", \"5/8\" o \"3\".\n"
        "  DA, A             il simbolo o il nome di un'unità: km, \"miglia nautiche\", degC, %,\n"
        "                    kg/m3, in-frac...\n"
        "\n"
        "Opzioni:\n"
        "  -q, --quantity ID la grandezza delle unità (lunghezze, forze...), per le unità che\n"
        "                    appartengono a più grandezze, come g e gal\n"
        "  -l, --list        elenca le unità, una per riga, separando con tabulazioni: grandezza,\n"
        "                    simbolo, pulsante di partenza, pulsante di arrivo, didascalia e nomi\n"
        "  -h, --help        mostra questo aiuto\n"
        "  -v, --version     mostra la versione\n"
        "  --                gli argomenti che seguono non sono opzioni\n"
        "\n"
        "Esito: 0 se il risultato è scritto; 1 se la conversione non riesce o non dà risultato;\n"
        "2 se gli argomenti sono errati.\n")
        .arg(kProgram);
}

// A value such as -40 or -0,5 is a number, not an option: each is hidden from the parser behind
// a mark no one types and put back afterwards.
constexpr char16_t kHiddenMark = 0xE000;

bool looksNegative(const QString &arg)
{
    if (arg.size() < 2 || (arg[0] != u'-' && arg[0] != QChar(0x2212)))
        return false;
    const QChar next = arg[1];
    return next.isDigit() || next == u'.' || next == u',';
}

QStringList hideNegatives(const QStringList &args, QStringList &hidden)
{
    QStringList shown;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (i > 0 && !optionsEnded && looksNegative(args[i])) {
            shown << QChar(kHiddenMark) + QString::number(hidden.size());
            hidden << args[i];
        } else {
            shown << args[i];
        }
        optionsEnded = optionsEnded || args[i] == QLatin1String("--");
    }
    return shown;
}

// "5/8": one slash, a digit, no blanks.
bool looksLikeFraction(QStringView arg)
{
    return arg.count(u'/') == 1
        && std::any_of(arg.begin(), arg.end(), [](QChar c) { return c.isDigit(); })
        && std::none_of(arg.begin(), arg.end(), [](QChar c) { return c.isSpace(); });
}

QString restored(const QString &arg, const QStringList &hidden)
{
    if (arg.startsWith(QChar(kHiddenMark)))
        return hidden.value(arg.mid(1).toInt());
    return arg;
}

class Converter {
public:
    int run(const QStringList &arguments);

private:
    int parse(const QStringList &arguments);
    int usageError(const QStringList &lines);
    int list(const Quantity *hint);
    int one(const QString &value, const QString &from, const QString &to, const Quantity *hint);
    int table(const QString &value, const QString &from, const Quantity *hint);

    // Standard output is written once, at the end, where a failed write can still change the
    // exit status.
    QByteArray m_outBytes;
    QTextStream m_out{&m_outBytes, QIODevice::WriteOnly};
    QTextStream m_err{stderr};
    QLocale m_locale; // the user's regional settings
};

int Converter::usageError(const QStringList &lines)
{
    m_err << lines.join(u'\n') << '\n';
    return Usage;
}

// As the GNU tools do: output that cannot be written or flushed (a full disk, a closed standard
// output) is a failure with its cause, never reported as success.
int Converter::run(const QStringList &arguments)
{
    const int status = parse(arguments);
    m_out.flush();
    errno = 0;
    const auto size = std::size_t(m_outBytes.size());
    if (std::fwrite(m_outBytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0
        && !std::ferror(stdout))
        return status;
    m_err << writeFailureMessage(errno) << '\n';
    return NoConversion;
}

int Converter::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption quantityOption(
        {QStringLiteral("q"), QStringLiteral("quantity")}, QString(), QStringLiteral("ID"));
    const QCommandLineOption listOption({QStringLiteral("l"), QStringLiteral("list")}, QString());
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({quantityOption, listOption, helpOption, versionOption});

    QStringList hidden;
    if (!parser.parse(hideNegatives(arguments, hidden))) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString dashes
            = unknown.value(0).size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return usageError({unknown.isEmpty()
                ? QStringLiteral("Manca l'ID della grandezza dopo --quantity.")
                : QStringLiteral("Opzione sconosciuta: %1.").arg(quoted(dashes + unknown.first())),
            QStringLiteral("L'aiuto: %1 --help").arg(kProgram)});
    }
    if (parser.isSet(helpOption)) {
        m_out << helpText();
        return Done;
    }
    if (parser.isSet(versionOption)) {
        m_out << kProgram << ' ' << QCoreApplication::applicationVersion() << '\n';
        return Done;
    }

    const Quantity *hint = nullptr;
    if (parser.isSet(quantityOption)) {
        const QString id = restored(parser.value(quantityOption), hidden);
        hint = findQuantityById(id);
        if (!hint) {
            QStringList ids;
            for (const UnitRef unit : allUnits()) {
                if (!ids.contains(quantityId(*unit.quantity)))
                    ids << quantityId(*unit.quantity);
            }
            return usageError({QStringLiteral("Grandezza sconosciuta: %1.").arg(quoted(id)),
                QStringLiteral("Le grandezze: %1.").arg(ids.join(QStringLiteral(", ")))});
        }
    }

    QStringList positional;
    for (const QString &arg : parser.positionalArguments())
        positional << restored(arg, hidden);
    if (parser.isSet(listOption)) {
        if (!positional.isEmpty())
            return usageError({QStringLiteral("--list non prende argomenti."),
                QStringLiteral("L'aiuto: %1 --help").arg(kProgram)});
        return list(hint);
    }

    // "3 5/8" typed without quotes arrives as two arguments: the second is a fraction, no unit.
    if (positional.size() >= 3 && looksLikeFraction(positional[1])
        && findUnits(positional[1], hint).isEmpty()) {
        positional[0] += u' ' + positional[1];
        positional.removeAt(1);
    }
    if (positional.size() == 3)
        return one(positional[0], positional[1], positional[2], hint);
    if (positional.size() == 2)
        return table(positional[0], positional[1], hint);
    return usageError({QStringLiteral("Uso: %1 [OPZIONI] VALORE DA [A]").arg(kProgram),
        QStringLiteral("L'aiuto: %1 --help").arg(kProgram)});
}

int Converter::list(const Quantity *hint)
{
    for (const UnitRef unit : allUnits(hint)) {
        QStringList fields{quantityId(*unit.quantity), unitSymbol(unit),
            QString::fromUtf8(unit.unit().source), QString::fromUtf8(unit.unit().target),
            unitCaption(unit)};
        fields << unitNames(unit);
        m_out << fields.join(u'\t') << '\n';
    }
    return Done;
}

int Converter::one(
    const QString &value, const QString &from, const QString &to, const Quantity *hint)
{
    const PairResolution pair = resolvePair(from, to, hint);
    if (!pair.ok())
        return usageError(pairProblem(pair, from, to, hint));
    const ConversionResult r = convert(pair.pair, value, m_locale);
    switch (r.status) {
    case ConversionResult::Status::Result:
        m_out << r.text << '\n';
        return Done;
    case ConversionResult::Status::Failed:
        m_err << failureMessage(r.failure) << '\n';
        return NoConversion;
    case ConversionResult::Status::NoResult:
        break;
    }
    m_err << noResultMessage() << '\n';
    return NoConversion;
}

int Converter::table(const QString &value, const QString &from, const Quantity *hint)
{
    const UnitResolution source = resolveUnit(from, hint);
    if (!source.ok())
        return usageError(unitProblem(source, from, hint));

    struct Line {
        QString symbol;
        QString result;
        QString caption;
    };
    QList<Line> lines;
    std::optional<Failure> firstFailure;
    bool anyResult = false;
    for (const UnitRef target : allUnits(source.unit.quantity)) {
        const ConversionResult r = convert({source.unit, target}, value, m_locale);
        QString result;
        switch (r.status) {
        case ConversionResult::Status::Result:
            result = r.text;
            anyResult = true;
            break;
        case ConversionResult::Status::Failed:
            result = r.failure == Failure::NotANumber ? QStringLiteral("(non è un numero)")
                                                      : QStringLiteral("(fuori intervallo)");
            if (!firstFailure)
                firstFailure = r.failure;
            break;
        case ConversionResult::Status::NoResult:
            result = QStringLiteral("(nessun risultato)");
            break;
        }
        lines.append({unitSymbol(target), result, unitCaption(target)});
    }
    // When no unit has a result, the table says nothing the message would not.
    if (!anyResult) {
        m_err << (firstFailure ? failureMessage(*firstFailure) : noResultMessage()) << '\n';
        return NoConversion;
    }

    qsizetype symbolWidth = 0;
    qsizetype resultWidth = 0;
    for (const Line &line : lines) {
        symbolWidth = std::max(symbolWidth, line.symbol.size());
        resultWidth = std::max(resultWidth, line.result.size());
    }
    for (const Line &line : lines) {
        m_out << line.symbol.leftJustified(symbolWidth) << "  "
              << line.result.leftJustified(resultWidth) << "  " << line.caption << '\n';
    }
    return Done;
}

#ifdef Q_OS_WIN
// A Windows console reads what a program writes in the console's own code page, an older one than
// UTF-8 unless its user changed it: while unitavo-converti runs it is UTF-8, as the program's
// output, and then again what it was. The C runtime passes the output on unchanged, "\n" without
// a "\r", so that it is the same text, byte for byte, as on every other system; and in whole
// lines, since to a console it would write an unbuffered stream a byte at a time, splitting a
// letter such as "è" into two bytes that mean nothing alone.
class Utf8Console {
public:
    Utf8Console()
        : m_before(GetConsoleOutputCP()) // 0 without a console
    {
        for (FILE *stream : {stdout, stderr}) {
            _setmode(_fileno(stream), _O_BINARY);
            setvbuf(stream, nullptr, _IOFBF, 1 << 16);
        }
        if (m_before != 0 && m_before != CP_UTF8)
            SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console()
    {
        if (m_before != 0 && m_before != CP_UTF8)
            SetConsoleOutputCP(m_before);
    }
    Q_DISABLE_COPY_MOVE(Utf8Console)

private:
    const UINT m_before;
};
#endif

#ifndef Q_OS_WIN
// A standard stream closed by the caller (a shell's ">&-") keeps its place with /dev/null opened
// the other way round, before anything else can take its descriptor: the program's own files
// would otherwise receive its output, and writing there fails as writing to a closed stream does.
void keepStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF
            && open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY) != fd)
            std::_Exit(NoConversion);
    }
}
#endif

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    const Utf8Console console;
#else
    keepStandardStreams();
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QStringLiteral(UNITAVO_RELEASE));
    Converter converter;
    return converter.run(QCoreApplication::arguments());
}
