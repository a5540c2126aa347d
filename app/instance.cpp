// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "instance.h"

#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "ui.h"
#include "windowrequest.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace unitavo {

namespace {

// A request is handed over in far less; a program that takes longer is stuck.
constexpr int kHandoverTimeout = 10000; // milliseconds

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

Instance::Instance(MainWindow &main, QObject *parent)
    : QObject(parent)
    , m_main(main)
{ }

bool Instance::exportOnBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected()
        && bus.registerObject(QLatin1String(kBusPath), this, QDBusConnection::ExportAllSlots);
}

QString Instance::open(const QString &quantity, const QStringList &conversion)
{
    const auto read = readWindowRequest(quantity, conversion, QLocale());
    if (const QString *problem = std::get_if<QString>(&read)) {
        // Reported over the main window while it is shown, else on its own.
        QPointer<QWidget> over = m_main.isVisible() ? &m_main : nullptr;
        QTimer::singleShot(0, this, [over, message = *problem] { reportMessage(over, message); });
        return *problem;
    }
    const WindowRequest request = std::get<WindowRequest>(read);
    QTimer::singleShot(0, this, [this, request] {
        const auto &quantities = catalogue();
        const auto place = std::find(quantities.begin(), quantities.end(), request.quantity);
        ConverterWindow *window = m_main.showQuantity(int(place - quantities.begin()));
        if (request.converts)
            window->enter(request.pair.from.row, request.pair.to.row, request.boxes);
    });
    return {};
}

void Instance::copy(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void Instance::Open(const QString &quantity, const QStringList &conversion)
{
    const QString problem = open(quantity, conversion);
    if (!problem.isEmpty() && calledFromDBus())
        sendErrorReply(QLatin1String(kRefusedError), problem);
}

void Instance::Copy(const QString &text)
{
    copy(text);
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

Handover handOverCopy(const QString &text)
{
    return handOver(QStringLiteral("Copy"), {text});
}

} // namespace unitavo
