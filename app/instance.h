// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running Unitavo and the requests it takes from outside its windows: from its own command
// line, or from a later `unitavo` through the session bus (sessionbus.h).

#include <QObject>
#include <QString>
#include <QStringList>

namespace unitavo {

class MainWindow;

class Instance : public QObject {
    Q_OBJECT

public:
    explicit Instance(MainWindow &main, QObject *parent = nullptr);

    // Opens the quantity's converter window as its main-window button does and, with VALUE FROM
    // TO, makes that conversion in it through its controls. Both happen once control returns to
    // the event loop, after a caller on the bus has had its answer. A request that cannot be
    // carried out changes no window: it is reported as the windows report a failure, and its
    // message is returned (empty for a request carried out).
    QString open(const QString &quantity, const QStringList &conversion);
    // Shows the main window, brought to the front, once control returns to the event loop.
    void show();
    // Puts the text on the clipboard, which stays Unitavo's for as long as it runs.
    void copy(const QString &text);

private:
    MainWindow &m_main;
};

} // namespace unitavo
