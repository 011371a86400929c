#pragma once

#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QTextEdit;
class TForm8;

// The transliterator of the "Инструменты" section: text on the left, its conversion on the
// right, the target system's description and scheme below, and an editor for a system of the
// learner's own.
class TransliteratorPage : public QWidget
{
    Q_OBJECT

public:
    explicit TransliteratorPage(QWidget *parent = nullptr);

    void setKeyboard(TForm8 *keyboard) { m_keyboard = keyboard; }

public slots:
    void proc_i1_about();
    void sBitBtn_i1_perevestiClick();
    void sBitBtn_i1_tuda_sudaClick();
    void sCheckBox_i1_avtoClick();
    void sLabel_i1_primerClick();
    void sBitBtn1Click();
    void sMemo_i1_leftKeyUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *ownSystemEditor();
    void fillScheme(const QString &target);
    void placeBottomLeft();
    QHash<QString, QString> ownFields() const;

    QComboBox *m_from;
    QComboBox *m_to;
    QPlainTextEdit *m_left;
    QPlainTextEdit *m_right;
    QPushButton *m_convert;
    QCheckBox *m_auto;
    QWidget *m_bottomLeft;
    QTabWidget *m_ownSystem;
    QWidget *m_guide;
    QLabel *m_guideText;
    QTableWidget *m_scheme;
    QTextEdit *m_about;
    QList<QPair<QString, QLineEdit *>> m_fields; // unit, field
    TForm8 *m_keyboard = nullptr;
    QString m_lastConverted; // the left text the right one was made from, to skip idle keys
    bool m_haveConverted = false;
};
