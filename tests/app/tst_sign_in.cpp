#include "store/record_access.h"

#include "app_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QVariantList column(const QString &statement)
{
    QVariantList values;
    const std::unique_ptr<QSqlQuery> query = TDBM::GetMyQuery(statement, {});
    while (query->next())
        values.append(query->value(0));
    return values;
}

QStringList listed(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

} // namespace

class TestSignIn : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesAProfileAndEnters()
    {
        AppFixture app;
        app.openWindows();
        TfrmLogin *login = app.login.get();
        QVERIFY(app.in<QWidget>(login, "sPanel_create_acc")->isVisible());
        QVERIFY(!app.in<QWidget>(login, "sPanel_multi")->isVisible());
        QVERIFY(!app.in<QLabel>(login, "sLabel_back")->isVisible()); // nowhere to go back to
        QCOMPARE(login->windowTitle(), u"Самвидра – программа по изучению санскрита | Версия программы 1.3.8"_s);

        auto *name = app.in<QLineEdit>(login, "sEdit_UsrName");
        TypeText(name, u"Вера"_s);
        QTest::keyClick(name, Qt::Key_Return);

        QVERIFY(!login->isVisible());
        QVERIFY(app.mainWindow->isVisible());
        QCOMPARE(app.mainWindow->windowTitle(), u"Самвидра – программа по изучению санскрита | Версия программы 1.3.8"_s);
        QCOMPARE(app.mainWindow->findChild<QAction *>(u"N_logout"_s)->text(), u"Выйти из профиля: Вера"_s);
        QCOMPARE(column(u"select username from users"_s), QVariantList{u"Вера"_s});
        QCOMPARE(column(u"select auto_enter from users"_s), QVariantList{1});
        QCOMPARE(column(u"select send_stat from users"_s), QVariantList{1});
        QCOMPARE(column(u"select gender from users"_s), QVariantList{0});
        QCOMPARE(SignedInUserName, u"Вера"_s);
        QVERIFY(SignInTime.isValid());
        QVERIFY(name->text().isEmpty());
    }

    void namesRefuseSignsAndEmptiness()
    {
        AppFixture app;
        app.openWindows();
        auto *name = app.in<QLineEdit>(app.login.get(), "sEdit_UsrName");
        TypeText(name, u"Ра!ма_#1 'д\\ев"_s);
        QCOMPARE(name->text(), u"Рама1 'д\\ев"_s);
        QCOMPARE(name->maxLength(), 100);
        name->clear();
        TypeText(name, u"   "_s);
        QTest::mouseClick(app.in<QPushButton>(app.login.get(), "sBitBtn_create"), Qt::LeftButton);
        QCOMPARE(app.messages.texts(), QStringList{u"Заполните, пожалуйста, имя"_s});
        QCOMPARE(app.messages.messages[0].caption, u"Samvidra"_s);
        QVERIFY(app.login->isVisible());
        QVERIFY(column(u"select count(*) from users"_s) == QVariantList{0});
    }

    // The learner who left last is preselected; one who asked for it is signed in by itself.
    void nextStartPreselectsAndSignsInAutomatically()
    {
        AppFixture app;
        TDBM *db = app.module.get();
        for (const QString &name : {u"Вера"_s, u"Арджуна"_s, u"Бхима"_s})
            db->CreateNewUser(name, 0, false);
        db->SetActiveUser(1);
        UsersSettings->Put(u"time_exit"_s, {}, u"2026-12-01 10:00:00"_s);
        db->SetActiveUser(3);
        UsersSettings->Put(u"time_exit"_s, {}, u"2026-12-10 09:00:00"_s);

        app.openWindows();
        auto *list = app.in<QListWidget>(app.login.get(), "sListBox_profiles");
        QCOMPARE(listed(list), (QStringList{u"Арджуна"_s, u"Бхима"_s, u"Вера"_s}));
        QCOMPARE(list->currentItem()->text(), u"Бхима"_s);
        QVERIFY(app.in<QGroupBox>(app.login.get(), "sRadioGroup_gender")->isHidden());
        QVERIFY(!app.mainWindow->isVisible());

        TUserRec::UpdateAutoEnter(1, 1);
        app.openWindows();
        QTRY_VERIFY(app.mainWindow->isVisible());
        QCOMPARE(app.module->LogonUser, 1);
        QCOMPARE(SignedInUserName, u"Вера"_s);
    }

    void signingInStoresTheChoices()
    {
        AppFixture app;
        QVERIFY(TDBM::ExecMyQuery(u"insert into users (username, send_stat) values ('Накула', 0)"_s, {}));
        app.openWindows();
        TfrmLogin *login = app.login.get();
        auto *consent = app.in<QCheckBox>(login, "sCheckBox_send_stat");
        QVERIFY(consent->isVisible());
        QVERIFY(!consent->isChecked());
        QVERIFY(app.in<QGroupBox>(login, "sRadioGroup_gender")->isVisible());
        consent->setChecked(true);
        app.in<QRadioButton>(login, "sRadioButton_female")->setChecked(true);
        QTest::mouseClick(app.in<QPushButton>(login, "sBitBtn_enter"), Qt::LeftButton);
        QVERIFY(app.mainWindow->isVisible());
        QCOMPARE(column(u"select send_stat, gender, auto_enter from users"_s).value(0).toInt(), 1);
        QCOMPARE(column(u"select gender from users"_s), QVariantList{1});
        QCOMPARE(column(u"select auto_enter from users"_s), QVariantList{0});
    }

    void deletingAskesAndRemovesEverything()
    {
        AppFixture app;
        app.module->CreateNewUser(u"Вера"_s, 1, true);
        TrainersStat->Stat(1, MakeStatValues(u"क"_s, u"k"_s, u"क"_s, QVariant(), 4, true));
        app.openWindows();
        auto *list = app.in<QListWidget>(app.login.get(), "sListBox_profiles");
        app.messages.answerYes = false;
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 1);
        app.messages.answerYes = true;
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(app.messages.messages.back().text,
                 u"Вы хотите удалить выбранного пользователя?\nВся статистика по этому пользователю так же будет удалена."_s);
        QCOMPARE(list->count(), 0);
        QVERIFY(app.in<QWidget>(app.login.get(), "sPanel_create_acc")->isVisible());
        QCOMPARE(column(u"select count(*) from trainers_stat"_s), QVariantList{0});
    }

    void newProfileLinkAndWayBack()
    {
        AppFixture app;
        app.module->CreateNewUser(u"Вера"_s, 1, false);
        app.openWindows();
        TfrmLogin *login = app.login.get();
        QTest::mouseClick(app.in<QLabel>(login, "sLabel_new_profile"), Qt::LeftButton);
        QVERIFY(app.in<QWidget>(login, "sPanel_create_acc")->isVisible());
        QVERIFY(app.in<QLabel>(login, "sLabel_back")->isVisible());
        QVERIFY(app.in<QCheckBox>(login, "sCheckBox_create_auto_enter")->isChecked());
        QTest::mouseClick(app.in<QLabel>(login, "sLabel_back"), Qt::LeftButton);
        QVERIFY(app.in<QWidget>(login, "sPanel_multi")->isVisible());
        QVERIFY(!app.in<QPushButton>(login, "sSpeedButton_import")->isEnabled());
    }

    void updateMessageOnceAfterAnUpdate()
    {
        AppFixture app;
        app.openWindows({u"-"_s, u"upd"_s});
        app.login->hide();
        app.login->show();
        QCOMPARE(app.messages.texts(), QStringList{u"Приложение Samvidra было успешно обновлено!\nСпасибо, что Вы с нами!"_s});
        QCOMPARE(app.messages.messages[0].flags, 64);
    }
};

QTEST_MAIN(TestSignIn)
#include "tst_sign_in.moc"
