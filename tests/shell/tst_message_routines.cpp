#include "shell/message_routines.h"

#include "support/recording_messages.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestMessageRoutines : public QObject
{
    Q_OBJECT

private slots:
    void warningsCarryTheirCaptionAndIcon()
    {
        RecordingMessages recorder;
        ShowWarning(u"Текст"_s, u"Заголовок"_s, false);
        ShowAppWarning(u"Другой текст"_s, false);
        QCOMPARE(recorder.messages.size(), 2);
        QCOMPARE(recorder.messages[0].caption, u"Заголовок"_s);
        QCOMPARE(recorder.messages[0].flags, 48);
        QCOMPARE(recorder.messages[1].caption, u"Samvidra"_s);
        QCOMPARE(recorder.messages[1].flags, 48);
    }

    void abortEndsTheActionAfterTheMessage()
    {
        RecordingMessages recorder;
        QVERIFY_THROWS_EXCEPTION(SilentAbort, ShowAppWarning(u"Стоп"_s, true));
        QCOMPARE(recorder.texts(), QStringList{u"Стоп"_s});
    }

    void questionsAnswerYesOrNo()
    {
        RecordingMessages recorder;
        QVERIFY(AskYesNo(u"Удалить?"_s));
        recorder.answerYes = false;
        QVERIFY(!AskYesNo(u"Удалить?"_s));
        QCOMPARE(recorder.messages[0].caption, u"Самвидра"_s);
        QCOMPARE(recorder.messages[0].flags, 36);
    }
};

QTEST_APPLESS_MAIN(TestMessageRoutines)
#include "tst_message_routines.moc"
