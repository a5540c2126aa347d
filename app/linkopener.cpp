// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linkopener.h"

#include <QDesktopServices>
#include <QUrl>
#if QT_CONFIG(process)
#include <QProcess>
#endif

namespace unitavo {

void openWithDesktop(const QString &address)
{
#if !defined(Q_OS_WIN) && QT_CONFIG(process)
    // xdg-open gets the text exactly as built, as one argument and without a shell.
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {address}))
        return;
#endif
    // On Windows this is the shell's own "open" of the address; in the browser a new tab.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace unitavo
