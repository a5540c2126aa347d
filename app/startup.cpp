// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "arguments.h"
#include "exitstatus.h"
#include "instance.h"
#include "mainwindow.h"
#include "messages.h"
#include "sessionbus.h"
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
        err() << problem << '\n' << usageHint(u"unitavo") << '\n';
        err().flush();
        options.exit = kExitUsage;
        return options;
    };
    SignedValues values;
    const QStringList shown = values.hide(arguments);
    if (!parser.parse(shown))
        return usage(parseProblem(parser, shown));
    if (parser.isSet(help)) {
        QTextStream(stdout) << unitavoHelp();
        options.exit = kExitDone;
        return options;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "unitavo " << UNITAVO_RELEASE << '\n';
        options.exit = kExitDone;
        return options;
    }
    if (int(parser.isSet(open)) + int(parser.isSet(copy)) + int(parser.isSet(show)) > 1) {
        return usage(exclusiveOptionsMessage(
            {QStringLiteral("--open"), QStringLiteral("--show"), QStringLiteral("--copy")}));
    }
    const QStringList positional = values.restore(parser.positionalArguments());
    if (parser.isSet(open)) {
        options.open = values.restore(parser.value(open));
        // VALUE FROM TO, or anything else, which the request then refuses with its own message.
        options.conversion = positional;
        return options;
    }
    if (!positional.isEmpty())
        return usage(unexpectedArgumentsMessage(positional));
    if (parser.isSet(copy))
        options.copy = values.restore(parser.value(copy));
    options.show = parser.isSet(show);
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

std::optional<int> answerWithoutWindows(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == u"--")
            break;
        if (argument.size() > 2 && argument.startsWith(u'-') && argument.at(1).isLetter())
            return std::nullopt;
    }
    return readOptions(arguments).exit;
}

int start(const QStringList &arguments)
{
    const Options options = readOptions(arguments);
    if (options.exit)
        return *options.exit;
    if (options.copy) {
        if (handOverCopy(*options.copy).outcome == Handover::Outcome::Done)
            return kExitDone;
        return holdClipboard(*options.copy);
    }

    // A request goes to the Unitavo already running, when there is one.
    bool holding = false;
    if (options.open || options.show) {
        const Claim claim = claimBusName(false);
        if (claim == Claim::Held) {
            const Handover handover
                = options.show ? handOverShow() : handOverOpen(*options.open, options.conversion);
            if (handover.outcome == Handover::Outcome::Done)
                return kExitDone;
            if (handover.outcome == Handover::Outcome::Refused) {
                err() << handover.message << '\n';
                err().flush();
                return kExitFailed;
            }
            // It ended before answering: this program carries the request out itself.
        }
        holding = claim == Claim::Holding;
    }

    MainWindow window;
    Instance instance(window);
    window.show();
    if (holding)
        exportOnBus(instance);
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
            if (exportOnBus(instance))
                claimBusName(true);
        });
    }
    return QCoreApplication::exec();
}

} // namespace unitavo
