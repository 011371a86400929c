#pragma once

#include <QPointer>
#include <QWidget>

#include "script/keyboard_layout.h"

class QLabel;
class QPushButton;
class QTabWidget;

// The on-screen Sanskrit keyboard: one always-on-top window for the whole program, typing into
// one text field, the keyboard target, at its end.
class TForm8 : public QWidget
{
    Q_OBJECT

public:
    enum Page { DevanagariPage, IastPage, CyrillicPage };

    explicit TForm8(QWidget *parent = nullptr);

    // A QLineEdit, QPlainTextEdit or QTextEdit, or null.
    void setTarget(QWidget *target) { m_target = target; }
    QWidget *target() const { return m_target; }
    void showPage(Page page);

public slots:
    void sButton2Click();  // a character key: its caption is typed
    void sBitBtn3Click();  // "←": the last code unit goes
    void sBitBtn1Click();  // Shift
    void sBitBtn2Click();  // Right Alt
    void VirtSanKeyboard();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *devanagariPage();
    QWidget *lettersPage(const QString &name, const QStringList &keys);
    QPushButton *backspace(QWidget *page, const QString &name);
    bool targetTakesInput() const;
    void focusTarget();
    void editTarget(const QString &text, bool removeLast);
    void applyTrainerFont();

    QPointer<QWidget> m_target;
    SanskritKeyboard::Modifiers m_modifiers;
    QTabWidget *m_pages;
    QList<QList<QPushButton *>> m_devanagariKeys;
    QLabel *m_shiftOn;
    QLabel *m_rightAltOn;
    QString m_keyFont;
};
