#include "script/view/keyboard_window.h"

#include "shell/program_values.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class TestKeyboardWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm8> keyboard;
    std::unique_ptr<QWidget> host;
    QLineEdit *line = nullptr;
    QPlainTextEdit *area = nullptr;

    QPushButton *button(const QString &name) { return keyboard->findChild<QPushButton *>(name); }
    void click(const QString &name)
    {
        QPushButton *b = button(name);
        QVERIFY2(b, qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void init()
    {
        host = std::make_unique<QWidget>();
        line = new QLineEdit(host.get());
        area = new QPlainTextEdit(host.get());
        area->move(0, 40);
        host->show();
        keyboard = std::make_unique<TForm8>();
        keyboard->show();
        keyboard->setTarget(line);
    }

    void cleanup()
    {
        keyboard.reset();
        host.reset();
    }

    void startsOnDevanagariWithoutModifiers()
    {
        QCOMPARE(keyboard->windowTitle(), u"Санскритская виртуальная клавиатура"_s);
        QCOMPARE(keyboard->findChild<QTabWidget *>()->currentIndex(), int(TForm8::DevanagariPage));
        QCOMPARE(button(u"sButton_dev_3_8"_s)->text(), u"क"_s);
        QCOMPARE(button(u"sButton_dev_2_12"_s)->text(), u"\u093C"_s);
        QCOMPARE(button(u"sButton_dev_1_2"_s)->text(), QString());
        QCOMPARE(button(u"sButton_dev_3_8"_s)->font().family(), TrainerFont);
    }

    void appendsAtTheEndWhateverTheCaret()
    {
        line->setText(u"रम"_s);
        line->setCursorPosition(1);
        click(u"sButton_dev_3_8"_s);
        QCOMPARE(line->text(), u"रमक"_s);
        QCOMPARE(line->cursorPosition(), 3);
        QTRY_COMPARE(QApplication::focusWidget(), line);

        keyboard->setTarget(area);
        area->setPlainText(u"a\nb"_s);
        QTextCursor start = area->textCursor();
        start.setPosition(0);
        area->setTextCursor(start);
        click(u"sButton_dev_3_8"_s);
        QCOMPARE(area->toPlainText(), u"a\nbक"_s);
        QCOMPARE(area->textCursor().position(), 4);
    }

    void shiftStaysOn()
    {
        click(u"sBitBtn1"_s);
        click(u"sButton_dev_3_3"_s);
        click(u"sButton_dev_3_3"_s);
        QCOMPARE(line->text(), u"अअ"_s);
        QVERIFY(keyboard->findChild<QWidget *>(u"sImage_shift"_s)->isVisible());
        click(u"sBitBtn1"_s);
        QCOMPARE(button(u"sButton_dev_3_3"_s)->text(), u"्"_s);
    }

    void rightAltAndBoth_data()
    {
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::newRow("digit one") << false << u"sButton_dev_1_2"_s << u"१"_s;
        QTest::newRow("long vocalic r") << true << u"sButton_dev_1_13"_s << u"ॠ"_s;
        QTest::newRow("om") << true << u"sButton_dev_4_2"_s << u"ॐ"_s;
        QTest::newRow("qa") << false << u"sButton_dev_3_8"_s << u"\u0958"_s;
    }

    void rightAltAndBoth()
    {
        QFETCH(bool, shift);
        QFETCH(QString, key);
        QFETCH(QString, typed);
        click(u"sBitBtn2"_s);
        if (shift)
            click(u"sBitBtn1"_s);
        click(key);
        QCOMPARE(line->text(), typed);
    }

    void backspaceTakesOneCodeUnit()
    {
        keyboard->showPage(TForm8::CyrillicPage);
        click(u"sButton_cyr_5"_s);
        QCOMPARE(line->text(), u"р\u0304\u0323"_s);
        click(u"sBitBtn3_cyr"_s);
        QCOMPARE(line->text(), u"р\u0304"_s);
        keyboard->showPage(TForm8::IastPage);
        click(u"sButton_iast_11"_s);
        QCOMPARE(line->text(), u"р\u0304ṭh"_s);
    }

    void keyWithoutCharacterOnlyFocuses()
    {
        line->setText(u"x"_s);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        click(u"sButton_dev_1_2"_s);
        QCOMPARE(line->text(), u"x"_s);
        QTRY_COMPARE(QApplication::focusWidget(), line);
    }

    void unusableTargetTakesNothing()
    {
        line->setEnabled(false);
        click(u"sButton_dev_3_8"_s);
        QVERIFY(line->text().isEmpty());
        line->setEnabled(true);
        line->hide();
        click(u"sButton_dev_3_8"_s);
        QVERIFY(line->text().isEmpty());
        keyboard->setTarget(area);
        delete area;
        area = nullptr;
        click(u"sButton_dev_3_8"_s); // the target is gone
        QVERIFY(!keyboard->target());
    }

    void closingOnlyHides()
    {
        keyboard->close();
        QVERIFY(!keyboard->isVisible());
        keyboard->show();
        QVERIFY(keyboard->isVisible());
    }
};

QTEST_MAIN(TestKeyboardWindow)
#include "tst_keyboard_window.moc"
