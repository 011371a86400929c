#pragma once

#include <QUrl>

// Opens a page of the site in the learner's web browser. The window layer installs the system's
// browser; tests install an opener that notes the address.
using PageOpener = bool (*)(const QUrl &url);

void SetPageOpener(PageOpener opener);
// False when no browser could be asked to open it.
bool OpenSitePage(const QUrl &url);
