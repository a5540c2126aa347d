// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "service.h"

#include "messages.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMetaType>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <cstdio>

namespace unitavo::search {

namespace {

// The service quits after this long without a call; the bus starts it again on the next one.
constexpr int kIdleMilliseconds = 120 * 1000;
// As many results as the desktop shows from one provider.
constexpr int kResultCount = 5;

// KRunner's kinds of match: an answer to what was typed, or a likely wish.
constexpr int kExactMatch = 100;
constexpr int kPossibleMatch = 30;

// The service's messages go to standard error, which the session's log keeps.
void complain(const QString &message)
{
    std::fprintf(stderr, "unitavo-search: %s\n", qUtf8Printable(message));
}

QString joined(const QStringList &terms)
{
    return terms.join(u' ');
}

QString unitavoProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString installed = here.filePath(QStringLiteral(UNITAVO_BINDIR_FROM_SERVICE "/unitavo"));
    for (const QString &candidate : {installed, here.filePath(QStringLiteral("unitavo"))}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return QStringLiteral("unitavo"); // from the PATH
}

} // namespace

Launcher programLauncher()
{
    return [](const QStringList &arguments) {
        if (!QProcess::startDetached(unitavoProgram(), arguments))
            complain(programNotStartedMessage(unitavoProgram()));
    };
}

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteMatch &match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteMatch &match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance
        >> match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteAction &action)
{
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteAction &action)
{
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SerializedIcon &icon)
{
    argument.beginStructure();
    argument << QStringLiteral("themed") << QDBusVariant(icon.names);
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SerializedIcon &icon)
{
    QString kind;
    QDBusVariant names;
    argument.beginStructure();
    argument >> kind >> names;
    argument.endStructure();
    icon.names = names.variant().toStringList();
    return argument;
}

void registerTypes()
{
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<RemoteMatches>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<RemoteActions>();
    qDBusRegisterMetaType<SerializedIcon>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

GnomeSearchProvider::GnomeSearchProvider(Launcher launch, const QLocale &locale, QObject *parent)
    : QObject(parent)
    , m_launch(std::move(launch))
    , m_locale(locale)
{ }

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList &terms)
{
    emit called();
    QStringList ids;
    for (const Result &r : answerQuery(joined(terms), m_locale, kResultCount))
        ids << resultId(r.conversion);
    return ids;
}

QStringList GnomeSearchProvider::GetSubsearchResultSet(
    const QStringList &previous_results, const QStringList &terms)
{
    // A query is read afresh in far less time than the shell waits: the previous results need
    // not be narrowed down.
    Q_UNUSED(previous_results);
    return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList &identifiers)
{
    emit called();
    QList<QVariantMap> metas;
    for (const QString &id : identifiers) {
        const std::optional<Conversion> c = conversionFromId(id);
        const std::optional<Result> r = c ? answer(*c, m_locale) : std::nullopt;
        if (!r)
            continue;
        metas.append({
            {QStringLiteral("id"), id},
            {QStringLiteral("name"), title(*r)},
            {QStringLiteral("description"), description(*c)},
            {QStringLiteral("clipboardText"), r->text},
            {QStringLiteral("icon"),
                QVariant::fromValue(SerializedIcon{{QLatin1String(kIconName)}})},
        });
    }
    return metas;
}

void GnomeSearchProvider::ActivateResult(
    const QString &identifier, const QStringList &terms, uint timestamp)
{
    Q_UNUSED(terms);
    Q_UNUSED(timestamp);
    emit called();
    if (const std::optional<Conversion> c = conversionFromId(identifier))
        m_launch(openArguments(*c));
}

void GnomeSearchProvider::LaunchSearch(const QStringList &terms, uint timestamp)
{
    Q_UNUSED(timestamp);
    emit called();
    // Unitavo has no search of its own: the likeliest conversion, or the program itself, which
    // is the one already running in the session when there is one.
    const QList<Result> results = answerQuery(joined(terms), m_locale, 1);
    m_launch(results.isEmpty() ? QStringList{QStringLiteral("--show")}
                               : openArguments(results.first().conversion));
}

KRunner::KRunner(Launcher launch, const QLocale &locale, QObject *parent)
    : QObject(parent)
    , m_launch(std::move(launch))
    , m_locale(locale)
{ }

RemoteActions KRunner::Actions()
{
    emit called();
    return {{QLatin1String(copyAction), copyResultAction(), QStringLiteral("edit-copy")}};
}

RemoteMatches KRunner::Match(const QString &query)
{
    emit called();
    RemoteMatches matches;
    const QList<Result> results = answerQuery(query, m_locale, kResultCount);
    for (qsizetype i = 0; i < results.size(); ++i) {
        const Result &r = results[i];
        const bool named = r.conversion.named;
        matches.append({resultId(r.conversion), title(r), QLatin1String(kIconName),
            named ? kExactMatch : kPossibleMatch, (named ? 1.0 : 0.9) - 0.01 * double(i),
            {
                {QStringLiteral("subtext"), description(r.conversion)},
                {QStringLiteral("actions"), QStringList{QLatin1String(copyAction)}},
            }});
    }
    return matches;
}

void KRunner::Run(const QString &matchId, const QString &actionId)
{
    emit called();
    const std::optional<Conversion> c = conversionFromId(matchId);
    if (!c)
        return;
    if (actionId.isEmpty()) {
        m_launch(openArguments(*c));
    } else if (actionId == QLatin1String(copyAction)) {
        if (const std::optional<Result> r = answer(*c, m_locale))
            m_launch({QStringLiteral("--copy"), r->text});
    }
}

void KRunner::Teardown()
{
    // Nothing is kept between queries.
    emit called();
}

int runService()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        complain(noSessionBusMessage(bus.lastError().message()));
        return 1;
    }
    registerTypes();
    GnomeSearchProvider gnome(programLauncher());
    KRunner runner(programLauncher());
    const auto exportAll = QDBusConnection::ExportAllSlots;
    if (!bus.registerObject(QLatin1String(kGnomePath), &gnome, exportAll)
        || !bus.registerObject(QLatin1String(kRunnerPath), &runner, exportAll)) {
        complain(notExportedMessage());
        return 1;
    }
    const QString name = QLatin1String(kServiceName);
    if (bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService).value()
        != QDBusConnectionInterface::ServiceRegistered) {
        complain(busNameTakenMessage(name));
        return 1;
    }

    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(kIdleMilliseconds);
    QObject::connect(
        &idle, &QTimer::timeout, QCoreApplication::instance(), &QCoreApplication::quit);
    const auto stillInUse = [&idle] { idle.start(); };
    QObject::connect(&gnome, &GnomeSearchProvider::called, &idle, stillInUse);
    QObject::connect(&runner, &KRunner::called, &idle, stillInUse);
    idle.start();
    // Without its bus the service has nothing left to do.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
        QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"),
        QCoreApplication::instance(), SLOT(quit()));
    return QCoreApplication::exec();
}

} // namespace unitavo::search
