#include "online/site_addresses.h"

using namespace Qt::StringLiterals;

namespace {

QUrl at(const QString &path)
{
    return SiteAddresses::SiteRoot().resolved(QUrl(path));
}

const QString campaign = u"?utm_source=software&utm_medium=users&utm_campaign=software-remarketing&utm_content="_s;

} // namespace

namespace SiteAddresses {

QUrl SiteRoot()
{
    QString root = qEnvironmentVariable("SAMVIDRA_SITE", u"http://127.0.0.1:8642/"_s).trimmed();
    if (!root.endsWith(u'/'))
        root += u'/';
    return QUrl(root);
}

QUrl InternetProbe() { return SiteRoot(); }
QUrl VersionFile() { return at(u"samvidra/download/version.txt"_s); }
QUrl UpdatePackage(const QString &packageName) { return at(u"samvidra/download/"_s + QString::fromUtf8(QUrl::toPercentEncoding(packageName))); }
QUrl LessonPage(const QString &courseFolder, int page) { return at(u"samvidra/kursi/%1/%2.php"_s.arg(courseFolder).arg(page)); }
QUrl AuthorsPage(int page) { return at(u"samvidra/kursi/for_autors/%1.php"_s.arg(page)); }
QUrl MuhurtaPage() { return at(u"samvidra/spravka/muhurta/1.php"_s); }
QUrl KeyboardLayoutPage() { return at(u"samvidra/spravka/sanskrit_in_windows7/windows7.php"_s); }
QUrl ReadingGuidePage(int page) { return at(u"samvidra/spravka/rukovodstvo_po_sanskrity_bbt/%1.php"_s.arg(page)); }
QUrl TermsTablePage() { return at(u"samvidra/spravka/sanskrit_terms_table/"_s); }
QUrl FeedbackScript() { return at(u"metrika/samvidra/feedback.php"_s); }
QUrl UsageReportScript() { return at(u"metrika/samvidra/stat.php"_s); }
QUrl ProgramHomePage() { return at(u"samvidra/"_s); }
QUrl CatalogPage() { return at(u"samvidra/catalog/"_s); }
QUrl ReviewsPage() { return at(u"samvidra/reviews"_s); }
QUrl FollowPage() { return at(u"samvidra/follow"_s); }
QUrl FollowPageFromClosing() { return at(u"samvidra/follow/"_s + campaign + u"button-social"_s); }
QUrl DonationsPage() { return at(u"samvidra/donations"_s); }
QUrl DonationsPageFromClosing() { return at(u"samvidra/donations/"_s + campaign + u"button-donate"_s); }
QUrl TrainerVideoPage(int trainer) { return at(u"samvidra/training/%1/video.php"_s.arg(trainer)); }
QUrl PublisherBookPage(const QString &book) { return at(u"samvidra/spravka/knigi/bbt/%1.php"_s.arg(book)); }
QUrl BhagavatamVolumePage(const QString &volume) { return at(u"samvidra/spravka/knigi/bbt/sb/%1.php"_s.arg(volume)); }
QUrl BibliothecaSanscriticaPage(int book) { return at(u"samvidra/spravka/knigi/bibliotheca_sanscritica/%1.php"_s.arg(book)); }

} // namespace SiteAddresses
