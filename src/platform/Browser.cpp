#include "platform/Browser.h"

#include <QDesktopServices>
#include <QUrl>

void QtBrowser::open(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}
