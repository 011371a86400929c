#include "online/page_opener.h"

namespace {

PageOpener installedOpener = nullptr;

} // namespace

void SetPageOpener(PageOpener opener)
{
    installedOpener = opener;
}

bool OpenSitePage(const QUrl &url)
{
    return installedOpener && installedOpener(url);
}
