// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"

#include "messages.h"
#include "unitavo_config.h"

namespace unitavo {

QString programName()
{
    return QStringLiteral("Unitavo");
}

QString programTitle()
{
    return programName() + QStringLiteral(" " UNITAVO_VERSION);
}

QString webAddress()
{
    return QStringLiteral(UNITAVO_WEB_ADDRESS);
}

QString mailAddress()
{
    return QStringLiteral(UNITAVO_MAIL_ADDRESS);
}

QString webLink()
{
    return QStringLiteral("http://") + webAddress();
}

QString mailLink()
{
    return QStringLiteral("mailto:") + mailAddress() + QStringLiteral("?SUBJECT=") + mailSubject();
}

} // namespace unitavo
