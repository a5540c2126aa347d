// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch.h"

#include "instance.h"
#include "mainwindow.h"
#include "unitavo_config.h"

#include <QClipboard>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>
#include <optional>

namespace unitavo {

namespace {

enum Exit { Done = 0, Refused = 1, Usage = 2 };

// A copy made with no Unitavo running is kept this long at most, unless another program takes
// the clipboard first; when the program ends, Qt hands the text to the desktop's clipboard
// manager where there is one.
constexpr int kClipboardHold = 5 * 60 * 1000; // milliseconds

struct Options {
    std::optional<QString> open; // the quantity
    bool show = false;
    QStringList conversion; // VALUE FROM TO, or nothing
    std::optional<QString> copy;
    std::optional<int> exit; // the program ends at once with this status
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString helpText()
{
    return QStringLiteral(
        "Uso: unitavo [--open GRANDEZZA [VALORE DA A] | --show]\n"
        "\n"
        "Senza opzioni apre la finestra principale di Unitavo.\n"
        "\n"
        "Opzioni:\n"
        "  --open GRANDEZZA  apre anche la finestra della grandezza (lunghezze, forze,\n"
        "                    temperature...); con VALORE DA A scrive il valore, sceglie le due\n"
        "                    unità e preme \"Calcola\". Se Unitavo è già aperto, la richiesta\n"
        "                    passa a quello.\n"
        "  --show            mostra la finestra principale: se Unitavo è già aperto, la sua\n"
        "  --copy TESTO      mette il testo negli appunti\n"
        "  -h, --help        mostra questo aiuto\n"
        "  -v, --version     mostra la versione\n"
        "  --                gli argomenti che seguono non sono opzioni\n"
        "\n"
        "VALORE si scrive nel formato delle impostazioni regionali (1,5 in italiano, 1.5 in\n"
        "inglese); DA e A sono simboli o nomi di unità della grandezza: km, mi, \"miglia\n"
        "nautiche\", degC, %...\n");
}

// "-40" or "−0,5" is a value, not an option.
bool looksNegative(const QString &argument)
{
    return argument.size() >= 2 && (argument[0] == u'-' || argument[0] == QChar(0x2212))
        && (argument[1].isDigit() || argument[1] == u'.' || argument[1] == u',');
}

// The arguments with "--" put before the first negative value, unless it is an option's value.
QStringList negativesAsValues(QStringList arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        const QString &before = arguments[i - 1];
        if (looksNegative(arguments[i]) && before != QLatin1String("--open")
            && before != QLatin1String("--copy")) {
            arguments.insert(i, QStringLiteral("--"));
            break;
        }
    }
    return arguments;
}

Options readOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption open(QStringLiteral("open"), QString(), QStringLiteral("GRANDEZZA"));
    const QCommandLineOption copy(QStringLiteral("copy"), QString(), QStringLiteral("TESTO"));
    const QCommandLineOption show(QStringLiteral("show"), QString());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({open, show, copy, help, version});

    Options options;
    const auto usage = [&options](const QString &problem) {
        err() << "unitavo: " << problem << "\nL'aiuto: unitavo --help\n";
        err().flush();
        options.exit = Usage;
        return options;
    };
    if (!parser.parse(negativesAsValues(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return usage(QStringLiteral("manca il valore di --open o di --copy."));
        const QString dashes
            = unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return usage(QStringLiteral("opzione sconosciuta: «%1».").arg(dashes + unknown.first()));
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << helpText();
        options.exit = Done;
        return options;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "unitavo " << UNITAVO_RELEASE << '\n';
        options.exit = Done;
        return options;
    }
    if (int(parser.isSet(open)) + int(parser.isSet(copy)) + int(parser.isSet(show)) > 1)
        return usage(QStringLiteral("--open, --show e --copy non vanno insieme."));
    if (parser.isSet(copy)) {
        if (!parser.positionalArguments().isEmpty())
            return usage(QStringLiteral("--copy prende un solo testo."));
        options.copy = parser.value(copy);
        return options;
    }
    if (parser.isSet(open)) {
        options.open = parser.value(open);
        // VALUE FROM TO, or anything else, which the request then refuses with its own message.
        options.conversion = parser.positionalArguments();
        return options;
    }
    options.show = parser.isSet(show);
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("argomenti inattesi: «%1».")
                         .arg(parser.positionalArguments().join(u' ')));
    return options;
}

// The copy that no running Unitavo took: the clipboard is kept without a window.
int holdClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    QObject::connect(
        clipboard, &QClipboard::dataChanged, QCoreApplication::instance(), [clipboard] {
            if (!clipboard->ownsClipboard())
                QCoreApplication::quit();
        });
    QTimer::singleShot(kClipboardHold, QCoreApplication::instance(), &QCoreApplication::quit);
    return QCoreApplication::exec();
}

} // namespace

int launch(const QStringList &arguments)
{
    const Options options = readOptions(arguments);
    if (options.exit)
        return *options.exit;
    if (options.copy) {
        if (handOverCopy(*options.copy).outcome == Handover::Outcome::Done)
            return Done;
        return holdClipboard(*options.copy);
    }

    // A request goes to the Unitavo already running, when there is one.
    bool holding = false;
    if (options.open || options.show) {
        const Claim claim = claimBusName(false);
        if (claim == Claim::Held) {
            const Handover handover = options.show
                ? handOverShow()
                : handOverOpen(*options.open, options.conversion);
            if (handover.outcome == Handover::Outcome::Done)
                return Done;
            if (handover.outcome == Handover::Outcome::Refused) {
                err() << handover.message << '\n';
                err().flush();
                return Refused;
            }
            // It ended before answering: this program carries the request out itself.
        }
        holding = claim == Claim::Holding;
    }

    MainWindow window;
    Instance instance(window);
    window.show();
    if (holding)
        instance.exportOnBus();
    if (options.open) {
        const QString problem = instance.open(*options.open, options.conversion);
        if (!problem.isEmpty()) {
            err() << problem << '\n';
            err().flush();
        }
    }
    if (!holding) {
        // Once the window is up, so that the bus costs the start nothing; without a bus Unitavo
        // runs alone, as it always has.
        QTimer::singleShot(0, &instance, [&instance] {
            if (instance.exportOnBus())
                claimBusName(true);
        });
    }
    return QCoreApplication::exec();
}

} // namespace unitavo
