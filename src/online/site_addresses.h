#pragma once

#include <QString>
#include <QUrl>

// Every address of the maker's web site the program uses, one function per use, so that no
// other code writes a path of the site. The site's root is http://127.0.0.1:8642/ unless the
// environment variable SAMVIDRA_SITE names another.
namespace SiteAddresses {

QUrl SiteRoot();

QUrl InternetProbe();          // the site's root
QUrl VersionFile();            // the updater's version file
QUrl UpdatePackage(const QString &packageName);
QUrl LessonPage(const QString &courseFolder, int page);
QUrl AuthorsPage(int page);    // 1 or 2
QUrl MuhurtaPage();
QUrl KeyboardLayoutPage();
QUrl ReadingGuidePage(int page);
QUrl TermsTablePage();
QUrl FeedbackScript();
QUrl UsageReportScript();
QUrl ProgramHomePage();
QUrl CatalogPage();
QUrl ReviewsPage();
QUrl FollowPage();             // from the menu and the feedback form
QUrl FollowPageFromClosing();  // the closing window's "take part"
QUrl DonationsPage();          // from the progress window
QUrl DonationsPageFromClosing(); // the closing window's donation
QUrl TrainerVideoPage(int trainer);
QUrl PublisherBookPage(const QString &book);      // "bg", "narada-bhakti-sutra", "sri-ishopanishad"
QUrl BhagavatamVolumePage(const QString &volume); // "1.1" ... "12"
QUrl BibliothecaSanscriticaPage(int book);        // 1 to 10

} // namespace SiteAddresses
