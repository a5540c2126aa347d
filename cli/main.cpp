// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// unitavo-converti: one conversion, or one value in every unit of its quantity, from the command
// line. Each result is the text the converter window shows after one press of "Calcola", under
// the same regional settings; a failure is the window's own message.
//   unitavo-converti [OPTIONS] VALUE FROM [TO]
// Exit status: 0 results written, 1 the conversion failed or gave no result, 2 a usage error.
#include "arguments.h"
#include "conversion.h"
#include "exitstatus.h"
#include "messages.h"
#include "unitnames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIODevice>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

const QString kProgram = QStringLiteral("unitavo-converti");

// "5/8": one slash, a digit, no blanks.
bool looksLikeFraction(QStringView arg)
{
    return arg.count(u'/') == 1
        && std::any_of(arg.begin(), arg.end(), [](QChar c) { return c.isDigit(); })
        && std::none_of(arg.begin(), arg.end(), [](QChar c) { return c.isSpace(); });
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
    return kExitUsage;
}

// As the GNU tools do: output that cannot be written or flushed (a full disk, a closed standard
// output) is a failure with its cause, never reported as success.
int Converter::run(const QStringList &arguments)
{
    int status = parse(arguments);
    m_out.flush();
    errno = 0;
    const auto size = std::size_t(m_outBytes.size());
    if (std::fwrite(m_outBytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0
        || std::ferror(stdout)) {
        m_err << writeFailureMessage(errno) << '\n';
        status = kExitFailed;
    }
    // The messages too are written out before the program starts to end, not left to it.
    m_err.flush();
    std::fflush(stderr);
    return status;
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

    SignedValues values;
    const QStringList shown = values.hide(arguments);
    if (!parser.parse(shown))
        return usageError({parseProblem(parser, shown), usageHint(kProgram)});
    if (parser.isSet(helpOption)) {
        m_out << convertiHelp();
        return kExitDone;
    }
    if (parser.isSet(versionOption)) {
        m_out << kProgram << ' ' << QCoreApplication::applicationVersion() << '\n';
        return kExitDone;
    }

    const Quantity *hint = nullptr;
    if (parser.isSet(quantityOption)) {
        const QString id = values.restore(parser.value(quantityOption));
        hint = findQuantityById(id);
        if (!hint)
            return usageError({unknownQuantityMessage(id, quantityIds())});
    }

    QStringList positional = values.restore(parser.positionalArguments());
    if (parser.isSet(listOption)) {
        if (!positional.isEmpty())
            return usageError({unexpectedArgumentsMessage(positional), usageHint(kProgram)});
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
    return usageError({convertiUsage(), usageHint(kProgram)});
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
    return kExitDone;
}

int Converter::one(
    const QString &value, const QString &from, const QString &to, const Quantity *hint)
{
    const PairResolution pair = resolvePair(from, to, hint);
    if (!pair.ok())
        return usageError(problemLines(pair, from, to, hint) << unitListHint());
    const ConversionResult r = convert(pair.pair, value, m_locale);
    switch (r.status) {
    case ConversionResult::Status::Result:
        m_out << r.text << '\n';
        return kExitDone;
    case ConversionResult::Status::Failed:
        m_err << failureMessage(r.failure) << '\n';
        return kExitFailed;
    case ConversionResult::Status::NoResult:
        break;
    }
    m_err << noResultMessage() << '\n';
    return kExitFailed;
}

int Converter::table(const QString &value, const QString &from, const Quantity *hint)
{
    const UnitResolution source = resolveUnit(from, hint);
    if (!source.ok())
        return usageError(problemLines(source, from, hint) << unitListHint());

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
            result = failureNote(r.failure);
            if (!firstFailure)
                firstFailure = r.failure;
            break;
        case ConversionResult::Status::NoResult:
            result = noResultNote();
            break;
        }
        lines.append({unitSymbol(target), result, unitCaption(target)});
    }
    // When no unit has a result, the table says nothing the message would not.
    if (!anyResult) {
        m_err << (firstFailure ? failureMessage(*firstFailure) : noResultMessage()) << '\n';
        return kExitFailed;
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
    return kExitDone;
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
            std::_Exit(kExitFailed);
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
