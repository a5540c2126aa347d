#include "linklauncher.h"

#include "unitavo_config.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace unitavo {

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
    return QStringLiteral("mailto:") + mailAddress()
        + QStringLiteral("?SUBJECT=Notizie, Commenti o Problemi su Unitavo");
}

void openWithDesktop(const QString &address)
{
    // xdg-open gets the text exactly as built, as one argument and without a shell.
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {address}))
        return;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace unitavo
