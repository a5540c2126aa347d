// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where Qt has no D-Bus there is no session bus to meet on: every program carries out its own
// request.
#include "sessionbus.h"

namespace unitavo {

bool exportOnBus(Instance &)
{
    return false;
}

Claim claimBusName(bool)
{
    return Claim::NoBus;
}

Handover handOverOpen(const QString &, const QStringList &)
{
    return {};
}

Handover handOverShow()
{
    return {};
}

Handover handOverCopy(const QString &)
{
    return {};
}

} // namespace unitavo
