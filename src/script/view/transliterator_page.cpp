#include "script/view/transliterator_page.h"

#include "script/transliterator_tool.h"
#include "script/view/keyboard_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QSvgWidget>
#include <QTableWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
namespace Tool = TransliteratorTool;

namespace {

// Keeps its one visible child horizontally centred whenever it is resized.
class CentringArea : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            const int w = std::min(child->sizeHint().width(), width());
            child->setGeometry((width() - w) / 2, 0, w, height());
        }
    }
};

// Puts the text into the area changing only what differs from what it shows, so that a key typed
// into a long text re-lays out a line rather than the whole page.
void showText(QPlainTextEdit *area, const QString &text)
{
    const QString old = area->toPlainText();
    const qsizetype limit = std::min(old.size(), text.size());
    qsizetype prefix = 0;
    while (prefix < limit && old[prefix] == text[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
        ++suffix;
    if (prefix == old.size() && old.size() == text.size())
        return;
    QTextCursor cursor(area->document());
    cursor.setPosition(int(prefix));
    cursor.setPosition(int(old.size() - suffix), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(prefix, text.size() - suffix - prefix));
}

void fill(QComboBox *list, const QStringList &items, int popupWidth)
{
    list->clear();
    list->addItems(items);
    list->view()->setMinimumWidth(popupWidth);
}

} // namespace

TransliteratorPage::TransliteratorPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"sTabSheet_i1"_s);
    m_from = new QComboBox(this);
    m_from->setObjectName(u"sComboBox_i1_iz"_s);
    m_from->addItem(Tool::DevanagariItem);
    m_to = new QComboBox(this);
    m_to->setObjectName(u"sComboBox_i1_v"_s);
    m_to->addItems(Tool::InitialTargets());
    auto *swap = new QPushButton(u"⇄"_s, this);
    swap->setObjectName(u"sBitBtn_i1_tuda_suda"_s);
    swap->setToolTip(u"Поменять направление перевода"_s);

    m_left = new QPlainTextEdit(this);
    m_left->setObjectName(u"sMemo_i1_left"_s);
    m_left->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_left->setFont(QFont(u"Lucida Sans Unicode"_s, 12));
    m_left->installEventFilter(this);
    m_right = new QPlainTextEdit(this);
    m_right->setObjectName(u"sMemo_i1_right"_s);
    m_right->setFont(QFont(u"Lucida Sans Unicode"_s, 12));
    m_right->setReadOnly(true);

    m_convert = new QPushButton(u"Перевести"_s, this);
    m_convert->setObjectName(u"sBitBtn_i1_perevesti"_s);
    m_auto = new QCheckBox(u"Авто"_s, this);
    m_auto->setObjectName(u"sCheckBox_i1_avto"_s);
    auto *example = new QPushButton(u"Вставить пример"_s, this);
    example->setObjectName(u"sLabel_i1_primer"_s);
    example->setToolTip(u"Шри Ишопанишад. Мантра первая"_s);
    example->setFlat(true);
    example->setProperty("small", true);
    auto *keyboardButton = new QPushButton(u"⌨"_s, this);
    keyboardButton->setObjectName(u"sBitBtn1"_s);
    keyboardButton->setToolTip(u"Виртуальная клавиатура"_s);

    auto *systems = new QHBoxLayout;
    systems->addWidget(new QLabel(u"Из:"_s, this));
    systems->addWidget(m_from, 1);
    systems->addWidget(swap);
    systems->addWidget(new QLabel(u"В:"_s, this));
    systems->addWidget(m_to, 1);
    auto *actions = new QHBoxLayout;
    actions->addWidget(m_convert);
    actions->addWidget(m_auto);
    actions->addWidget(example);
    actions->addStretch();
    actions->addWidget(keyboardButton);
    auto *texts = new QHBoxLayout;
    texts->addWidget(m_left);
    texts->addWidget(m_right);

    // Bottom left: the own-system editor or the guide, centred.
    m_bottomLeft = new CentringArea(this);
    m_bottomLeft->setObjectName(u"sPanel_i1_bottom_left"_s);
    m_ownSystem = new QTabWidget(m_bottomLeft);
    m_ownSystem->setObjectName(u"sPageControl_i1_svoya_system"_s);
    m_ownSystem->addTab(ownSystemEditor(), Tool::OwnSystemItem);
    m_ownSystem->hide();
    m_guide = new QWidget(m_bottomLeft);
    m_guide->setObjectName(u"sPanel_i1_markata"_s);
    auto *markata = new QSvgWidget(u":/pictures/markata.svg"_s, m_guide);
    markata->setFixedSize(112, 120);
    m_guideText = new QLabel(m_guide);
    m_guideText->setObjectName(u"sLabel_i1_markata"_s);
    m_guideText->setWordWrap(true);
    m_guideText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_guideText->setMinimumWidth(420);
    auto *guideLayout = new QHBoxLayout(m_guide);
    guideLayout->addWidget(markata, 0, Qt::AlignTop);
    guideLayout->addWidget(m_guideText, 1);

    // Bottom right: the scheme and the help.
    auto *reference = new QTabWidget(this);
    reference->setObjectName(u"sPageControl_i1_right"_s);
    m_scheme = new QTableWidget(59, 2, reference);
    m_scheme->setObjectName(u"StringGrid_i1"_s);
    m_scheme->horizontalHeader()->hide();
    m_scheme->verticalHeader()->hide();
    m_scheme->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_scheme->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_scheme->setFont(QFont(u"Lucida Sans Unicode"_s, 11));
    reference->addTab(m_scheme, u"Схема"_s);
    m_about = new QTextEdit(reference);
    m_about->setObjectName(u"sRichEdit_i1_about_right"_s);
    m_about->setReadOnly(true);
    reference->addTab(m_about, u"Об инструменте"_s);
    connect(reference, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            m_about->setPlainText(Tool::AboutText());
    });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_bottomLeft, 3);
    bottom->addWidget(reference, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(systems);
    layout->addLayout(texts, 3);
    layout->addLayout(actions);
    layout->addLayout(bottom, 4);

    connect(m_from, qOverload<int>(&QComboBox::activated), this, &TransliteratorPage::proc_i1_about);
    connect(m_to, qOverload<int>(&QComboBox::currentIndexChanged), this, &TransliteratorPage::proc_i1_about);
    connect(swap, &QPushButton::clicked, this, &TransliteratorPage::sBitBtn_i1_tuda_sudaClick);
    connect(m_convert, &QPushButton::clicked, this, &TransliteratorPage::sBitBtn_i1_perevestiClick);
    connect(m_auto, &QCheckBox::clicked, this, &TransliteratorPage::sCheckBox_i1_avtoClick);
    connect(example, &QPushButton::clicked, this, &TransliteratorPage::sLabel_i1_primerClick);
    connect(keyboardButton, &QPushButton::clicked, this, &TransliteratorPage::sBitBtn1Click);
}

QWidget *TransliteratorPage::ownSystemEditor()
{
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto *editor = new QWidget;
    auto *layout = new QVBoxLayout(editor);
    layout->addWidget(new QLabel(u"Вы можете придумать свою систему:"_s, editor));
    for (const Tool::OwnSystemGroup &group : Tool::OwnSystemGroups()) {
        auto *box = new QGroupBox(group.caption, editor);
        auto *grid = new QGridLayout(box);
        for (int i = 0; i < group.fields.size(); ++i) {
            const auto &[name, unit] = group.fields[i];
            auto *label = new QLabel(unit, box);
            label->setFont(QFont(u"Mangal"_s, 13));
            auto *field = new QLineEdit(box);
            field->setObjectName(name);
            field->setMaximumWidth(64);
            grid->addWidget(label, i / 7, 2 * (i % 7), Qt::AlignRight);
            grid->addWidget(field, i / 7, 2 * (i % 7) + 1);
            m_fields.append({unit, field});
        }
        layout->addWidget(box);
    }
    layout->addStretch();
    scroll->setWidget(editor);
    scroll->setMinimumWidth(620);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->viewport()->setAutoFillBackground(false);
    editor->setAutoFillBackground(false);
    return scroll;
}

QHash<QString, QString> TransliteratorPage::ownFields() const
{
    QHash<QString, QString> texts;
    for (const auto &[unit, field] : m_fields)
        texts.insert(unit, field->text());
    return texts;
}

void TransliteratorPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    proc_i1_about();
    m_to->view()->setMinimumWidth(400);
}

void TransliteratorPage::fillScheme(const QString &target)
{
    const QList<QPair<QString, QString>> rows = Tool::Scheme(target);
    for (int r = 0; r < rows.size() && r < m_scheme->rowCount(); ++r) {
        m_scheme->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        m_scheme->setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
}

void TransliteratorPage::proc_i1_about()
{
    const QString target = m_to->currentText();
    const bool own = target == Tool::OwnSystemItem;
    if (Tool::IsSystemOfTheScheme(target)) {
        m_guideText->setText(Tool::GuideText(target));
        fillScheme(target);
    }
    m_ownSystem->setVisible(own);
    m_guide->setVisible(!own);
    m_scheme->setVisible(!own);
    if (target == Tool::DevanagariItem)
        m_guideText->setText(Tool::GuideText(Tool::DevanagariItem));
    placeBottomLeft();
    if (m_auto->isChecked())
        sBitBtn_i1_perevestiClick();
}

void TransliteratorPage::placeBottomLeft()
{
    QResizeEvent resize(m_bottomLeft->size(), m_bottomLeft->size());
    QCoreApplication::sendEvent(m_bottomLeft, &resize);
}

void TransliteratorPage::sBitBtn_i1_perevestiClick()
{
    QString result;
    if (!Tool::Convert(m_from->currentText(), m_to->currentText(), m_left->toPlainText(), ownFields(), &result))
        return;
    showText(m_right, result);
    m_lastConverted = m_left->toPlainText();
    m_haveConverted = true;
}

void TransliteratorPage::sBitBtn_i1_tuda_sudaClick()
{
    const QString from = m_from->currentText();
    const QString to = m_to->currentText();
    const bool intoDevanagari = m_from->itemText(0) != Tool::DevanagariItem;
    const QSignalBlocker blockFrom(m_from);
    const QSignalBlocker blockTo(m_to);
    if (intoDevanagari) {
        fill(m_from, {Tool::DevanagariItem}, 180);
        fill(m_to, Tool::TargetsFromDevanagari(), 400);
    } else {
        fill(m_from, Tool::SourcesIntoDevanagari(), 400);
        fill(m_to, {Tool::DevanagariItem}, 180);
    }
    // Each list takes the name the other one had; a system without a way back leaves none.
    m_from->setCurrentIndex(m_from->findText(to));
    m_to->setCurrentIndex(m_to->findText(from));
    const QString left = m_left->toPlainText();
    m_left->setPlainText(m_right->toPlainText());
    m_right->setPlainText(left);
    m_haveConverted = false;
    if (m_auto->isChecked())
        sBitBtn_i1_perevestiClick();
    proc_i1_about();
}

void TransliteratorPage::sCheckBox_i1_avtoClick()
{
    m_convert->setEnabled(!m_auto->isChecked());
    if (m_auto->isChecked())
        sBitBtn_i1_perevestiClick();
}

void TransliteratorPage::sLabel_i1_primerClick()
{
    m_left->clear();
    m_left->setPlainText(Tool::Example(m_from->currentText()));
    if (m_auto->isChecked())
        sBitBtn_i1_perevestiClick();
}

void TransliteratorPage::sMemo_i1_leftKeyUp()
{
    // A key that changed nothing (an arrow, a modifier) converts nothing.
    if (!m_auto->isChecked() || (m_haveConverted && m_left->toPlainText() == m_lastConverted))
        return;
    sBitBtn_i1_perevestiClick();
}

bool TransliteratorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_left && event->type() == QEvent::KeyRelease)
        sMemo_i1_leftKeyUp();
    return QWidget::eventFilter(watched, event);
}

void TransliteratorPage::sBitBtn1Click()
{
    if (!m_keyboard)
        return;
    m_keyboard->hide();
    m_keyboard->setTarget(m_left);
    // Three pixels below the top of the bottom area, centred on the main window.
    const QPoint areaTop = m_bottomLeft->mapToGlobal(QPoint(0, 3));
    const QRect mainWindow = window()->frameGeometry();
    m_keyboard->adjustSize();
    m_keyboard->move(mainWindow.center().x() - m_keyboard->width() / 2, areaTop.y());
    m_keyboard->show();
    const QString from = m_from->currentText();
    if (from == Tool::DevanagariItem)
        m_keyboard->showPage(TForm8::DevanagariPage);
    else if (from == u"Кириллица с диакритиками"_s)
        m_keyboard->showPage(TForm8::CyrillicPage);
    else if (from == u"IAST"_s || from == u"Калькутта"_s)
        m_keyboard->showPage(TForm8::IastPage);
}
