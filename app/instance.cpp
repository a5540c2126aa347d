// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "instance.h"

#include "catalogue.h"
#include "converterwindow.h"
#include "mainwindow.h"
#include "reporter.h"
#include "windowrequest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace unitavo {

Instance::Instance(MainWindow &main, QObject *parent)
    : QObject(parent)
    , m_main(main)
{ }

QString Instance::open(const QString &quantity, const QStringList &conversion)
{
    const auto read = readWindowRequest(quantity, conversion, QLocale());
    if (const QString *problem = std::get_if<QString>(&read)) {
        // Reported over the main window while it is shown, else on its own.
        QPointer<QWidget> over = m_main.isVisible() ? &m_main : nullptr;
        QTimer::singleShot(0, this, [over, message = *problem] { report(over, message); });
        return *problem;
    }
    const WindowRequest request = std::get<WindowRequest>(read);
    QTimer::singleShot(0, this, [this, request] {
        ConverterWindow *window = m_main.showQuantity(*request.quantity);
        if (request.converts)
            window->enter(request.pair.from.row, request.pair.to.row, request.boxes);
    });
    return {};
}

void Instance::show()
{
    QTimer::singleShot(0, this, [this] {
        m_main.show();
        m_main.raise();
        m_main.activateWindow();
    });
}

void Instance::copy(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace unitavo
