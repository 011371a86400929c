#include "script/transliterator_tool.h"
#include "script/view/keyboard_window.h"
#include "script/view/transliterator_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;
namespace Tool = TransliteratorTool;

class TestTransliteratorPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TransliteratorPage> page;
    template<typename T>
    T *find(const char *name) { return page->findChild<T *>(QString::fromLatin1(name)); }
    QPlainTextEdit *left() { return find<QPlainTextEdit>("sMemo_i1_left"); }
    QPlainTextEdit *right() { return find<QPlainTextEdit>("sMemo_i1_right"); }
    QComboBox *from() { return find<QComboBox>("sComboBox_i1_iz"); }
    QComboBox *to() { return find<QComboBox>("sComboBox_i1_v"); }
    void click(const char *name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }

private slots:
    void init()
    {
        page = std::make_unique<TransliteratorPage>();
        page->resize(1200, 800);
        page->show();
    }
    void cleanup() { page.reset(); }

    void startsFromDevanagariIntoIast()
    {
        QCOMPARE(from()->count(), 1);
        QCOMPARE(from()->currentText(), Tool::DevanagariItem);
        QCOMPARE(to()->count(), 10);
        QCOMPARE(to()->currentText(), u"IAST"_s);
        QVERIFY(find<QLabel>("sLabel_i1_markata")->text().startsWith(u"IAST"_s));
        QVERIFY(!find<QWidget>("sPageControl_i1_svoya_system")->isVisible());
    }

    void convertsTheExample()
    {
        click("sLabel_i1_primer");
        click("sBitBtn_i1_perevesti");
        QCOMPARE(right()->toPlainText().split(u'\n').front(),
                 u"oṁ pūrṇamadaḥ pūrṇamidaṃ pūrṇāt pūrṇamudacyate ।"_s);
    }

    void swapMovesTheTextsAndConvertsBackInAutoMode()
    {
        click("sLabel_i1_primer");
        click("sBitBtn_i1_perevesti");
        const QString devanagari = left()->toPlainText();
        const QString iast = right()->toPlainText();
        click("sBitBtn_i1_tuda_suda");
        QCOMPARE(from()->currentText(), u"IAST"_s);
        QCOMPARE(to()->currentText(), Tool::DevanagariItem);
        QCOMPARE(left()->toPlainText(), iast);
        QCOMPARE(right()->toPlainText(), devanagari);

        click("sCheckBox_i1_avto");
        QVERIFY(!find<QPushButton>("sBitBtn_i1_perevesti")->isEnabled());
        click("sBitBtn_i1_tuda_suda");
        QCOMPARE(left()->toPlainText(), devanagari);
        QCOMPARE(right()->toPlainText(), iast); // converted again from the moved text
        QCOMPARE(to()->count(), 7); // the shorter list after a swap
    }

    void velthuisHasNoWayBack()
    {
        to()->setCurrentIndex(to()->findText(u"Вельтхёйс"_s));
        left()->setPlainText(u"राम"_s);
        click("sBitBtn_i1_perevesti");
        QCOMPARE(right()->toPlainText(), u"raama"_s);
        click("sBitBtn_i1_tuda_suda");
        QCOMPARE(from()->currentIndex(), -1);
        right()->setPlainText(u"kept"_s);
        click("sBitBtn_i1_perevesti");
        QCOMPARE(right()->toPlainText(), u"kept"_s);
    }

    void ownSystemFromTheEditor()
    {
        to()->setCurrentIndex(to()->findText(Tool::OwnSystemItem));
        QVERIFY(find<QWidget>("sPageControl_i1_svoya_system")->isVisible());
        QVERIFY(!find<QWidget>("sPanel_i1_markata")->isVisible());
        left()->setPlainText(u"क्क कका, Om!"_s);
        click("sBitBtn_i1_perevesti");
        QCOMPARE(right()->toPlainText(), u" , Om!"_s);
        find<QLineEdit>("sEdit40")->setText(u"ka"_s);
        click("sBitBtn_i1_perevesti");
        QCOMPARE(right()->toPlainText(), u"kaka kaka, Om!"_s);
        find<QLineEdit>("sEdit40")->setText(u"क"_s); // holds its own unit
        click("sBitBtn_i1_perevesti");
        QCOMPARE(right()->toPlainText(), u"कक कक, Om!"_s);
    }

    void schemeOfItrans()
    {
        to()->setCurrentIndex(to()->findText(u"ITRANS"_s));
        auto *grid = find<QTableWidget>("StringGrid_i1");
        QCOMPARE(grid->rowCount(), 59);
        QCOMPARE(grid->item(0, 1)->text(), u"ITRANS"_s);
        bool found = false;
        for (int r = 1; r < grid->rowCount(); ++r) {
            if (grid->item(r, 0) && grid->item(r, 0)->text() == u"च"_s) {
                QCOMPARE(grid->item(r, 1)->text(), u"ca"_s);
                found = true;
            }
        }
        QVERIFY(found);
    }

    // In automatic mode every key that changes the text converts; one that changes nothing does not.
    void automaticModeFollowsTheKeys()
    {
        click("sCheckBox_i1_avto");
        left()->setFocus();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, u"क"_s);
        QApplication::sendEvent(left(), &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, u"क"_s);
        QApplication::sendEvent(left(), &release);
        QCOMPARE(right()->toPlainText(), u"ka"_s);
        right()->setPlainText(u"untouched"_s);
        QTest::keyClick(left(), Qt::Key_Left);
        QCOMPARE(right()->toPlainText(), u"untouched"_s);
    }

    void keyboardTypesIntoTheSource()
    {
        TForm8 keyboard;
        page->setKeyboard(&keyboard);
        from()->setCurrentIndex(0);
        click("sBitBtn1");
        QVERIFY(keyboard.isVisible());
        QCOMPARE(keyboard.target(), left());
    }
};

QTEST_MAIN(TestTransliteratorPage)
#include "tst_transliterator_page.moc"
