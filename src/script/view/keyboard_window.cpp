#include "script/view/keyboard_window.h"

#include "shell/program_values.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *key(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(44, 40);
    button->setProperty("key", true);
    return button;
}

QLabel *indicator(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(u"●"_s, parent);
    label->setObjectName(name);
    label->setStyleSheet(u"color: #d9822b;"_s);
    label->hide();
    return label;
}

} // namespace

TForm8::TForm8(QWidget *parent)
    // Clicking a key never takes the focus from the field being typed into.
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(u"TForm8"_s);
    setWindowTitle(u"Санскритская виртуальная клавиатура"_s);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"sPageControl1"_s);
    m_pages->addTab(devanagariPage(), u"Деванагари"_s);
    m_pages->addTab(lettersPage(u"sTabSheet_iast"_s, SanskritKeyboard::IastKeys()), u"IAST, Kolkata"_s);
    m_pages->addTab(lettersPage(u"sTabSheet_cyr"_s, SanskritKeyboard::CyrillicKeys()), u"Кириллица с диакритиками"_s);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == DevanagariPage)
            applyTrainerFont();
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_pages);
    VirtSanKeyboard();
    applyTrainerFont();
}

QPushButton *TForm8::backspace(QWidget *page, const QString &name)
{
    QPushButton *button = key(u"←"_s, name, page);
    connect(button, &QPushButton::clicked, this, &TForm8::sBitBtn3Click);
    return button;
}

QWidget *TForm8::devanagariPage()
{
    auto *page = new QWidget;
    page->setObjectName(u"sTabSheet_devanagari"_s);
    auto *grid = new QGridLayout(page);
    grid->setSpacing(3);
    for (int row = 0; row < SanskritKeyboard::RowCount; ++row) {
        QList<QPushButton *> keys;
        // Rows sit half a key further right each, as on a keyboard; the last row starts after Shift.
        const int offset = row == 3 ? 3 : row;
        for (int k = 0; k < SanskritKeyboard::RowLength(row); ++k) {
            QPushButton *button = key(QString(), u"sButton_dev_%1_%2"_s.arg(row + 1).arg(k + 1), page);
            connect(button, &QPushButton::clicked, this, &TForm8::sButton2Click);
            grid->addWidget(button, row, offset + 2 * k, 1, 2);
            keys.append(button);
        }
        m_devanagariKeys.append(keys);
    }
    grid->addWidget(backspace(page, u"sBitBtn3_dev"_s), 0, 28, 1, 3);

    auto *shift = key(u"Shift"_s, u"sBitBtn1"_s, page);
    connect(shift, &QPushButton::clicked, this, &TForm8::sBitBtn1Click);
    auto *rightAlt = key(u"Right Alt"_s, u"sBitBtn2"_s, page);
    connect(rightAlt, &QPushButton::clicked, this, &TForm8::sBitBtn2Click);
    m_shiftOn = indicator(u"sImage_shift"_s, shift);
    m_rightAltOn = indicator(u"sImage_ralt"_s, rightAlt);
    m_shiftOn->move(3, 0);
    m_rightAltOn->move(3, 0);
    grid->addWidget(shift, 3, 0, 1, 3);
    grid->addWidget(rightAlt, 3, 23, 1, 4);
    return page;
}

QWidget *TForm8::lettersPage(const QString &name, const QStringList &keys)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *grid = new QGridLayout(page);
    grid->setSpacing(3);
    const QString prefix = name == u"sTabSheet_iast"_s ? u"sButton_iast_"_s : u"sButton_cyr_"_s;
    for (int i = 0; i < keys.size(); ++i) {
        QPushButton *button = key(keys[i], prefix + QString::number(i + 1), page);
        button->setStyleSheet(u"font-size: 13pt;"_s);
        connect(button, &QPushButton::clicked, this, &TForm8::sButton2Click);
        grid->addWidget(button, i < 9 ? 0 : 1, i < 9 ? i : i - 9);
    }
    grid->addWidget(backspace(page, name == u"sTabSheet_iast"_s ? u"sBitBtn3_iast"_s : u"sBitBtn3_cyr"_s), 0, 9);
    grid->setRowStretch(2, 1);
    return page;
}

void TForm8::showPage(Page page)
{
    m_pages->setCurrentIndex(page);
}

void TForm8::VirtSanKeyboard()
{
    for (int row = 0; row < m_devanagariKeys.size(); ++row) {
        for (int k = 0; k < m_devanagariKeys[row].size(); ++k)
            m_devanagariKeys[row][k]->setText(SanskritKeyboard::DevanagariKey(row, k, m_modifiers));
    }
}

void TForm8::applyTrainerFont()
{
    if (m_keyFont == TrainerFont)
        return;
    m_keyFont = TrainerFont;
    // Through a style sheet, which the program's style sheet would otherwise override.
    const QString look = u"font-family: \"%1\"; font-size: 16pt; font-weight: normal;"_s.arg(TrainerFont);
    for (const QList<QPushButton *> &row : std::as_const(m_devanagariKeys)) {
        for (QPushButton *button : row)
            button->setStyleSheet(look);
    }
}

void TForm8::sBitBtn1Click()
{
    m_modifiers.shift = !m_modifiers.shift;
    m_shiftOn->setVisible(m_modifiers.shift);
    VirtSanKeyboard();
}

void TForm8::sBitBtn2Click()
{
    m_modifiers.rightAlt = !m_modifiers.rightAlt;
    m_rightAltOn->setVisible(m_modifiers.rightAlt);
    VirtSanKeyboard();
}

bool TForm8::targetTakesInput() const
{
    return m_target && m_target->isVisible() && m_target->isEnabled();
}

void TForm8::focusTarget()
{
    m_target->window()->activateWindow();
    m_target->setFocus(Qt::OtherFocusReason);
}

namespace {

// Edits the end of a multi-line field: appends text, or first removes the last code unit.
template<typename Editor>
void editEnd(Editor *editor, const QString &text, bool removeLast)
{
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::End);
    if (removeLast && cursor.position() > 0) {
        // By position, which counts code units, so that a mark goes before its letter.
        cursor.setPosition(cursor.position() - 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.insertText(text);
    editor->setTextCursor(cursor);
}

} // namespace

// Appends text at the end of the target, or first removes its last code unit, and leaves the
// caret at the end with nothing selected.
void TForm8::editTarget(const QString &text, bool removeLast)
{
    if (!targetTakesInput())
        return;
    focusTarget();
    if (auto *line = qobject_cast<QLineEdit *>(m_target.data())) {
        QString content = line->text();
        if (removeLast)
            content.chop(1);
        line->setText(content + text);
        line->setCursorPosition(int(line->text().size()));
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(m_target.data())) {
        editEnd(plain, text, removeLast);
    } else if (auto *rich = qobject_cast<QTextEdit *>(m_target.data())) {
        editEnd(rich, text, removeLast);
    }
}

void TForm8::sButton2Click()
{
    if (auto *button = qobject_cast<QPushButton *>(sender()))
        editTarget(button->text(), false);
}

void TForm8::sBitBtn3Click()
{
    editTarget(QString(), true);
}

void TForm8::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}
