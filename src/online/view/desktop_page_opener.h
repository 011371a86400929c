#pragma once

// Makes OpenSitePage ask the desktop's default web browser.
void InstallDesktopPageOpener();
