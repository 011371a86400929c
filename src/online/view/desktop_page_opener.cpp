#include "online/view/desktop_page_opener.h"

#include "online/page_opener.h"

#include <QDesktopServices>

void InstallDesktopPageOpener()
{
    SetPageOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); });
}
