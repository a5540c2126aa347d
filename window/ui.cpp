// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui.h"

#include "messages.h"

#include <QMessageBox>
#include <cmath>

namespace unitavo {

namespace {

FailureReporter &reporter()
{
    static FailureReporter current;
    return current;
}

MessageReporter &messageReporter()
{
    static MessageReporter current;
    return current;
}

} // namespace

QFont fontLike(const char *family, double points)
{
    QFont font;
    // Arial and MS Sans Serif have metric-compatible or close free faces on Linux desktops.
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    return font;
}

QIcon appIcon()
{
    // Built once and shared by every window, so that each image is decoded only once. The larger
    // renderings are the installed theme's, for the desktop; a window frame needs no more than 64.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64})
            i.addFile(QStringLiteral(":/icons/unitavo-%1.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}

QFont defaultFont()
{
    return fontLike(defaultFontFamily, 8.0);
}

QFont shrunkToFit(QFont font, const std::function<bool(const QFont &)> &fits)
{
    while (font.pixelSize() > 9 && !fits(font))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void setFailureReporter(FailureReporter r)
{
    reporter() = std::move(r);
}

void reportFailure(QWidget *window, Failure failure)
{
    if (reporter()) {
        reporter()(window, failure);
        return;
    }
    QMessageBox::warning(
        window, window ? window->windowTitle() : QString(), failureMessage(failure));
}

void setMessageReporter(MessageReporter r)
{
    messageReporter() = std::move(r);
}

void reportMessage(QWidget *window, const QString &message)
{
    if (messageReporter()) {
        messageReporter()(window, message);
        return;
    }
    QMessageBox::warning(
        window, window ? window->windowTitle() : QStringLiteral("Unitavo"), message);
}

} // namespace unitavo
