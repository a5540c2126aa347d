// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unitavo's name and requests on the session bus, through QtDBus.
#include "sessionbus.h"

#include "instance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>

namespace unitavo {

namespace {

// A request is handed over in far less; a program that takes longer is stuck.
constexpr int kHandoverTimeout = 10000; // milliseconds

// org.unitavo.Unitavo1, as the running program exports it.
class BusInterface : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.unitavo.Unitavo1")

public:
    explicit BusInterface(Instance &instance)
        : QObject(&instance)
        , m_instance(instance)
    { }

public slots:
    // `conversion` is empty or VALUE FROM TO; a refused request is answered with kRefusedError.
    void Open(const QString &quantity, const QStringList &conversion)
    {
        const QString problem = m_instance.open(quantity, conversion);
        if (!problem.isEmpty() && calledFromDBus())
            sendErrorReply(QLatin1String(kRefusedError), problem);
    }
    void Show() { m_instance.show(); }
    void Copy(const QString &text) { m_instance.copy(text); }

private:
    Instance &m_instance;
};

Handover handOver(const QString &method, const QVariantList &arguments)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kBusName), QLatin1String(kBusPath), QLatin1String(kBusInterface), method);
    call.setArguments(arguments);
    call.setAutoStartService(false);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kHandoverTimeout);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {Handover::Outcome::Done, {}};
    if (reply.errorName() == QLatin1String(kRefusedError))
        return {Handover::Outcome::Refused, reply.errorMessage()};
    return {};
}

} // namespace

bool exportOnBus(Instance &instance)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected()
        && bus.registerObject(
            QLatin1String(kBusPath), new BusInterface(instance), QDBusConnection::ExportAllSlots);
}

Claim claimBusName(bool wait)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Claim::NoBus;
    const auto reply = bus.interface()->registerService(QLatin1String(kBusName),
        wait ? QDBusConnectionInterface::QueueService : QDBusConnectionInterface::DontQueueService);
    if (!reply.isValid())
        return Claim::NoBus;
    switch (reply.value()) {
    case QDBusConnectionInterface::ServiceRegistered:
        return Claim::Holding;
    case QDBusConnectionInterface::ServiceQueued:
        return Claim::Queued;
    case QDBusConnectionInterface::ServiceNotRegistered:
        break;
    }
    return Claim::Held;
}

Handover handOverOpen(const QString &quantity, const QStringList &conversion)
{
    return handOver(QStringLiteral("Open"), {quantity, conversion});
}

Handover handOverShow()
{
    return handOver(QStringLiteral("Show"), {});
}

Handover handOverCopy(const QString &text)
{
    return handOver(QStringLiteral("Copy"), {text});
}

} // namespace unitavo

#include "sessionbus.moc"
