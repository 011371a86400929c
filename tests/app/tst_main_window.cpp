#include "online/page_opener.h"
#include "online/site_addresses.h"
#include "store/record_access.h"

#include "app_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QMenuBar>
#include <QWheelEvent>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QList<QUrl> opened;

bool notePage(const QUrl &url)
{
    opened.append(url);
    return true;
}

QString setting(const QString &key)
{
    return UsersSettings->Get(key, {}).toString();
}

void signIn(AppFixture &app)
{
    app.openWindows();
    auto *name = app.login->findChild<QLineEdit *>(u"sEdit_UsrName"_s);
    TypeText(name, u"Вера"_s);
    QTest::keyClick(name, Qt::Key_Return);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void tabsInOrder()
    {
        AppFixture app;
        signIn(app);
        QTabWidget *tabs = app.mainWindow->pages();
        QCOMPARE(tabs->objectName(), u"sPageControlMain"_s);
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions.append(tabs->tabText(i));
        QCOMPARE(captions, (QStringList{u"Курсы"_s, u"Тренировки"_s, u"Словарь"_s, u"Инструменты"_s}));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void closingSavesTheTotalTimeAndTheLeaving()
    {
        AppFixture app;
        signIn(app);
        QCOMPARE(TotalTimeCounter, 0);
        for (int i = 0; i < 5; ++i)
            app.mainWindow->TimerObsheeVremyaTimer();
        app.mainWindow->close();
        QVERIFY(!app.mainWindow->isVisible());
        QVERIFY(app.closingWindow->isVisible());
        QCOMPARE(app.closingWindow->windowTitle(), u"Обращение автора"_s);
        QCOMPARE(setting(u"var_obshee_vremya"_s), u"5"_s);

        app.closingWindow->close();
        QCOMPARE(setting(u"time_exit"_s), SignInTime.toString(u"yyyy-MM-dd hh:mm:ss"_s));
    }

    void totalTimeResumesAtTheNextStay()
    {
        AppFixture app;
        signIn(app);
        UsersSettings->Put(u"var_obshee_vremya"_s, {}, 120);
        app.mainWindow->enterProgram();
        QCOMPARE(TotalTimeCounter, 120);
    }

    void logoutStartsAFreshCopyWithoutAutomaticSignIn()
    {
        AppFixture app;
        signIn(app);
        QCOMPARE(AppFixture::restarts, 0);
        app.mainWindow->findChild<QAction *>(u"N_logout"_s)->trigger();
        QCOMPARE(AppFixture::restarts, 1);
        QCOMPARE(setting(u"time_exit"_s), SignInTime.toString(u"yyyy-MM-dd hh:mm:ss"_s));
        const std::unique_ptr<QSqlQuery> flags = TDBM::GetMyQuery(u"select count(*) from users where auto_enter <> 0"_s, {});
        QVERIFY(flags->next());
        QCOMPARE(flags->value(0).toInt(), 0);
    }

    void webPageItemsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QUrl>("page");
        QTest::newRow("Bhagavatam 10.4") << u"N_book_sb_10.4"_s << SiteAddresses::BhagavatamVolumePage(u"10.4"_s);
        QTest::newRow("Gita") << u"N_book_bg"_s << SiteAddresses::PublisherBookPage(u"bg"_s);
        QTest::newRow("series book 10") << u"N_book_bs_10"_s << SiteAddresses::BibliothecaSanscriticaPage(10);
        QTest::newRow("catalogue") << u"N_catalog"_s << SiteAddresses::CatalogPage();
        QTest::newRow("terms") << u"N_terms_table"_s << SiteAddresses::TermsTablePage();
        QTest::newRow("reviews") << u"N_reviews"_s << SiteAddresses::ReviewsPage();
        QTest::newRow("follow") << u"N_follow"_s << SiteAddresses::FollowPage();
        QTest::newRow("donate") << u"N_donate"_s << SiteAddresses::DonationsPageFromClosing();
    }

    void webPageItemsOpenTheirPages()
    {
        QFETCH(QString, item);
        QFETCH(QUrl, page);
        AppFixture app;
        app.openWindows();
        opened.clear();
        SetPageOpener(notePage);
        QAction *action = app.mainWindow->findChild<QAction *>(item);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        SetPageOpener(nullptr);
        QCOMPARE(opened, QList<QUrl>{page});
    }

    // Each notch of the wheel moves the card boxes 13 pixels, and a wheel anywhere in the window
    // goes to the box of the tab shown.
    void wheelScrollsTheCards()
    {
        AppFixture app;
        signIn(app);
        auto *box = app.mainWindow->findChild<QScrollArea *>(u"sScrollBox_kursi"_s);
        QVERIFY(box);
        box->widget()->setMinimumHeight(3000);
        QApplication::processEvents();
        QWheelEvent notch(QPointF(10, 10), box->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &notch);
        QCOMPARE(box->verticalScrollBar()->value(), 13);

        QWidget *menu = app.mainWindow->menuBar();
        menu->setFocus();
        QWheelEvent elsewhere(QPointF(5, 5), menu->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(menu, &elsewhere);
        QCOMPARE(QApplication::focusWidget(), box);
    }

    void itemsOfWindowsStillToComeAreDisabled()
    {
        AppFixture app;
        app.openWindows();
        for (const char *name : {"N_settings_user", "N_achievements", "N_total_stat", "N_about_program",
                                 "N_contact", "N_update", "N_reading_guide"}) {
            QAction *action = app.mainWindow->findChild<QAction *>(QString::fromLatin1(name));
            QVERIFY2(action && action->isVisible() && !action->isEnabled(), name);
        }
        QAction *sb = app.mainWindow->findChild<QAction *>(u"N_book_sb_12"_s);
        QCOMPARE(sb->text(), u"12 «Век деградации»"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
