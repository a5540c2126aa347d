// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Unitavo on the session bus. The program that holds Unitavo's name takes the requests of a later
// `unitavo --open`, `unitavo --show` or `unitavo --copy`, so that these open no second main
// window. The bus is a convenience: without one, or where Qt has no D-Bus (nosessionbus.cpp),
// each program carries out its own request.

#include <QString>
#include <QStringList>

namespace unitavo {

class Instance;

inline constexpr char kBusName[] = "org.unitavo.Unitavo";
inline constexpr char kBusPath[] = "/org/unitavo/Unitavo";
inline constexpr char kBusInterface[] = "org.unitavo.Unitavo1";
// The error a refused request is answered with; its message is the Italian sentence.
inline constexpr char kRefusedError[] = "org.unitavo.Unitavo1.Error.Refused";

// Exports org.unitavo.Unitavo1 (Open, Show, Copy) on the session bus, answered by the instance;
// false where there is no bus.
bool exportOnBus(Instance &instance);

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
