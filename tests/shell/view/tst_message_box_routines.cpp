#include "shell/view/message_box_routines.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Presses the named button of the message box once it is up, noting what the box showed.
struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

void pressWhenShown(const QString &button, BoxSeen *seen)
{
    QTimer::singleShot(0, [button, seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton *b : box->buttons()) {
            seen->buttons.append(b->text());
            if (b->text() == button)
                b->click();
        }
    });
}

} // namespace

class TestMessageBoxRoutines : public QObject
{
    Q_OBJECT

private slots:
    void questionAnswersWithThePressedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << u"Да"_s << MessageResult::Yes;
        QTest::newRow("no") << u"Нет"_s << MessageResult::No;
    }

    void questionAnswersWithThePressedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        MessageBoxRoutines routines;
        BoxSeen seen;
        pressWhenShown(button, &seen);
        QCOMPARE(routines.messageBox(u"Удалить?"_s, u"Самвидра"_s, MessageFlags::Question), result);
        QCOMPARE(seen.title, u"Самвидра"_s);
        QCOMPARE(seen.text, u"Удалить?"_s);
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, (QStringList{u"Да"_s, u"Нет"_s}));
    }

    void warningHasOneButton()
    {
        MessageBoxRoutines routines;
        BoxSeen seen;
        pressWhenShown(u"OK"_s, &seen);
        QCOMPARE(routines.messageBox(u"Внимание"_s, u"Samvidra"_s, MessageFlags::Warning), MessageResult::Ok);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QStringList{u"OK"_s});
    }
};

QTEST_MAIN(TestMessageBoxRoutines)
#include "tst_message_box_routines.moc"
