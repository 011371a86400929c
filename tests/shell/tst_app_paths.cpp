#include "shell/app_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void profilesFolder_data()
    {
        QTest::addColumn<QString>("appData");
        QTest::addColumn<bool>("debugMarker");
        QTest::addColumn<QString>("expected"); // %1 the program folder, %2 the user data folder
        QTest::newRow("AppData set") << u"  /home/u/appdata "_s << false
                                     << u"/home/u/appdata/Orvana/Samvidra/Profiles/"_s;
        QTest::newRow("AppData with slash") << u"/home/u/appdata/"_s << false
                                            << u"/home/u/appdata/Orvana/Samvidra/Profiles/"_s;
        QTest::newRow("no AppData") << QString() << false << u"%2/Orvana/Samvidra/Profiles/"_s;
        QTest::newRow("debug marker wins") << u"/home/u/appdata"_s << true
                                           << u"%1/Orvana/Samvidra/Profiles/"_s;
    }

    void profilesFolder()
    {
        QFETCH(QString, appData);
        QFETCH(bool, debugMarker);
        QFETCH(QString, expected);
        QTemporaryDir program;
        if (debugMarker) {
            QFile marker(program.filePath(u"debug"_s));
            QVERIFY(marker.open(QIODevice::WriteOnly));
        }
        const QString userData = u"/home/u/.local/share"_s;
        QCOMPARE(TAppPaths::ProfilesFolder(program.path(), appData, userData),
                 expected.replace(u"%1"_s, program.path()).replace(u"%2"_s, userData));
    }
};

QTEST_APPLESS_MAIN(TestAppPaths)
#include "tst_app_paths.moc"
