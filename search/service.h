// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop's search on the session bus: GNOME Shell's search provider and KRunner's runner,
// both answering from query.h. Activating a result, or copying one, is handed to `unitavo`,
// which opens the converter window (or passes the request to the Unitavo already running).

#include "query.h"

#include <QDBusArgument>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <functional>

namespace unitavo::search {

inline constexpr char kServiceName[] = "org.unitavo.Unitavo.SearchProvider";
inline constexpr char kGnomePath[] = "/org/unitavo/Unitavo/SearchProvider";
inline constexpr char kRunnerPath[] = "/org/unitavo/Unitavo/Runner";
// The icon of the results: Unitavo's own, from the icon theme.
inline constexpr char kIconName[] = "org.unitavo.Unitavo";

// Starts `unitavo` with these arguments and does not wait for it.
using Launcher = std::function<void(const QStringList &arguments)>;
// The installed program beside the service (or, in the build tree, in the same folder).
Launcher programLauncher();

// One result for KRunner: id, text, icon name, kind of match, relevance and properties.
struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0.0;
    QVariantMap properties;
};
using RemoteMatches = QList<RemoteMatch>;

// An action KRunner offers beside a result: id, text and icon name.
struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};
using RemoteActions = QList<RemoteAction>;

// A themed icon as GIO serializes one: ('themed', <['name']>).
struct SerializedIcon {
    QStringList names;
};

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteMatch &match);
const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteMatch &match);
QDBusArgument &operator<<(QDBusArgument &argument, const RemoteAction &action);
const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteAction &action);
QDBusArgument &operator<<(QDBusArgument &argument, const SerializedIcon &icon);
const QDBusArgument &operator>>(const QDBusArgument &argument, SerializedIcon &icon);

// Makes the types above known to QtDBus; once, before the objects are exported.
void registerTypes();

// org.gnome.Shell.SearchProvider2
class GnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    explicit GnomeSearchProvider(
        Launcher launch, const QLocale &locale = QLocale(), QObject *parent = nullptr);

signals:
    // Any call: the service is in use.
    void called();

public slots:
    QStringList GetInitialResultSet(const QStringList &terms);
    QStringList GetSubsearchResultSet(
        const QStringList &previous_results, const QStringList &terms);
    QList<QVariantMap> GetResultMetas(const QStringList &identifiers);
    void ActivateResult(const QString &identifier, const QStringList &terms, uint timestamp);
    void LaunchSearch(const QStringList &terms, uint timestamp);

private:
    Launcher m_launch;
    QLocale m_locale;
};

// org.kde.krunner1
class KRunner : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    explicit KRunner(Launcher launch, const QLocale &locale = QLocale(), QObject *parent = nullptr);

    static constexpr const char *copyAction = "copy";

signals:
    void called();

public slots:
    RemoteActions Actions();
    RemoteMatches Match(const QString &query);
    void Run(const QString &matchId, const QString &actionId);
    void Teardown();

private:
    Launcher m_launch;
    QLocale m_locale;
};

// Serves both objects on the session bus until it has been idle for a while or the bus goes
// away. Returns the exit status; messages go to standard error.
int runService();

} // namespace unitavo::search

Q_DECLARE_METATYPE(unitavo::search::RemoteMatch)
Q_DECLARE_METATYPE(unitavo::search::RemoteAction)
Q_DECLARE_METATYPE(unitavo::search::SerializedIcon)
