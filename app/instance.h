// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running Unitavo and the requests it takes from outside its windows. On the session bus the
// program that holds Unitavo's name takes the requests of a later `unitavo --open`,
// `unitavo --show` or `unitavo --copy`, so that these open no second main window. The bus is a
// convenience: without one, or where Qt has no D-Bus, each program carries out its own request.

#include <QObject>
#include <QString>
#include <QStringList>

namespace unitavo {

class MainWindow;

inline constexpr char kBusName[] = "org.unitavo.Unitavo";
inline constexpr char kBusPath[] = "/org/unitavo/Unitavo";
inline constexpr char kBusInterface[] = "org.unitavo.Unitavo1";
// The error a refused request is answered with; its message is the Italian sentence.
inline constexpr char kRefusedError[] = "org.unitavo.Unitavo1.Error.Refused";

class Instance : public QObject {
    Q_OBJECT

public:
    explicit Instance(MainWindow &main, QObject *parent = nullptr);

    // Exports org.unitavo.Unitavo1 (Open, Show, Copy) on the session bus; false where there is
    // none.
    bool exportOnBus();

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

// Asks for Unitavo's name on the session bus.
enum class Claim {
    Holding, // this program holds the name now
    Queued, // it gets the name when the program holding it ends
    Held, // another program holds it and it was not to wait
    NoBus,
};
Claim claimBusName(bool wait);

// What became of a request handed to the program that holds the name.
struct Handover {
    enum class Outcome { Done, Refused, NoOneAnswered };
    Outcome outcome = Outcome::NoOneAnswered;
    QString message; // Refused: why
};
Handover handOverOpen(const QString &quantity, const QStringList &conversion);
Handover handOverShow();
Handover handOverCopy(const QString &text);

} // namespace unitavo
