#include "store/view/login_window.h"

#include "shell/message_routines.h"
#include "shell/program_values.h"
#include "store/database_module.h"
#include "store/record_access.h"
#include "store/user_rec.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStackedLayout>
#include <QSvgWidget>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Names take letters of any script, digits, blanks, the apostrophe and the backslash; these
// signs are refused as they are typed or pasted.
class NameValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        static const QString refused = u"!\"#$%&()*+,-./:;<=>?@[]^_`{|}~\u00B9"_s;
        for (QChar c : input) {
            if (refused.contains(c))
                return Invalid;
        }
        return Acceptable;
    }
};

QLabel *linkLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setProperty("link", true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton *smallButton(const QString &text, const QString &hint, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setProperty("small", true);
    return button;
}

const QString consentText = u"Отправлять обезличенную статистику \nдля улучшения программы (рекомендуем)"_s;

} // namespace

TfrmLogin::TfrmLogin(const QStringList &startParameters, QWidget *parent)
    : QWidget(parent), m_startParameters(startParameters)
{
    setObjectName(u"TfrmLogin"_s);
    setWindowTitle(Program::WindowCaption());

    // The guide and her greeting.
    auto *guide = new QSvgWidget(u":/pictures/samvidra.svg"_s, this);
    guide->setObjectName(u"pers_samvidra"_s);
    guide->setFixedSize(160, 200);
    auto *cloud = new QLabel(u"Добро пожаловать! \n\nМеня зовут Самвидра\n\nКак вас зовут?"_s, this);
    cloud->setObjectName(u"cloud"_s);
    cloud->setAlignment(Qt::AlignCenter);
    auto *guideColumn = new QVBoxLayout;
    guideColumn->addWidget(cloud, 0, Qt::AlignHCenter);
    guideColumn->addWidget(guide, 0, Qt::AlignHCenter);
    guideColumn->addStretch();

    // The profile panel.
    m_profilePanel = new QWidget(this);
    m_profilePanel->setObjectName(u"sPanel_multi"_s);
    m_profiles = new QListWidget(m_profilePanel);
    m_profiles->setObjectName(u"sListBox_profiles"_s);
    m_profiles->installEventFilter(this);
    auto *enter = new QPushButton(u"Выбрать и продолжить обучение"_s, m_profilePanel);
    enter->setObjectName(u"sBitBtn_enter"_s);
    auto *newProfile = linkLabel(u"Новый профиль"_s, u"sLabel_new_profile"_s, m_profilePanel);
    newProfile->installEventFilter(this);
    m_autoEnter = new QCheckBox(u"Автовход"_s, m_profilePanel);
    m_autoEnter->setObjectName(u"sCheckBox_auto_enter"_s);
    m_sendStat = new QCheckBox(consentText, m_profilePanel);
    m_sendStat->setObjectName(u"sCheckBox_send_stat"_s);
    m_gender = new QGroupBox(u"Ваш пол"_s, m_profilePanel);
    m_gender->setObjectName(u"sRadioGroup_gender"_s);
    m_male = new QRadioButton(u"Мужской"_s, m_gender);
    m_male->setObjectName(u"sRadioButton_male"_s);
    m_female = new QRadioButton(u"Женский"_s, m_gender);
    m_female->setObjectName(u"sRadioButton_female"_s);
    auto *genderButtons = new QButtonGroup(m_gender);
    genderButtons->addButton(m_male);
    genderButtons->addButton(m_female);
    auto *genderLayout = new QHBoxLayout(m_gender);
    genderLayout->addWidget(m_male);
    genderLayout->addWidget(m_female);
    m_delete = smallButton(u"Удалить выбранный"_s, u"Удалить выбранный профиль со всей его статистикой"_s,
                           u"sSpeedButton_delete"_s, m_profilePanel);
    m_import = smallButton(u"Импорт"_s, u"Перенести профили из другой базы профилей"_s,
                           u"sSpeedButton_import"_s, m_profilePanel);
    m_export = smallButton(u"Экспорт"_s, u"Сохранить профили в отдельную базу профилей"_s,
                           u"sSpeedButton_export"_s, m_profilePanel);
    // Profile transfer comes with its own window; until then the buttons say so by being off.
    m_import->setEnabled(false);
    m_export->setEnabled(false);
    auto *more = smallButton(u"…"_s, u"Показать или скрыть действия с профилями"_s, u"sSpeedButton_more"_s,
                             m_profilePanel);
    for (QPushButton *hidden : {m_delete, m_import, m_export})
        hidden->hide();
    connect(more, &QPushButton::clicked, this, [this] {
        const bool show = m_delete->isHidden();
        for (QPushButton *button : {m_delete, m_import, m_export})
            button->setVisible(show);
    });
    auto *tools = new QHBoxLayout;
    tools->addWidget(more);
    tools->addWidget(m_delete);
    tools->addWidget(m_import);
    tools->addWidget(m_export);
    tools->addStretch();
    auto *profileLayout = new QVBoxLayout(m_profilePanel);
    profileLayout->addWidget(new QLabel(u"Выберите свой профиль:"_s, m_profilePanel));
    profileLayout->addWidget(m_profiles, 1);
    profileLayout->addWidget(m_autoEnter);
    profileLayout->addWidget(m_sendStat);
    profileLayout->addWidget(m_gender);
    profileLayout->addWidget(enter);
    auto *profileLinks = new QHBoxLayout;
    profileLinks->addWidget(newProfile);
    profileLinks->addStretch();
    profileLayout->addLayout(profileLinks);
    profileLayout->addLayout(tools);

    // The creation panel.
    m_createPanel = new QWidget(this);
    m_createPanel->setObjectName(u"sPanel_create_acc"_s);
    m_name = new QLineEdit(m_createPanel);
    m_name->setObjectName(u"sEdit_UsrName"_s);
    m_name->setMaxLength(100);
    m_name->setValidator(new NameValidator(m_name));
    m_name->setPlaceholderText(u"Ваше имя"_s);
    m_createMale = new QRadioButton(u"мужской"_s, m_createPanel);
    m_createMale->setObjectName(u"sRadioButton_create_male"_s);
    m_createFemale = new QRadioButton(u"женский"_s, m_createPanel);
    m_createFemale->setObjectName(u"sRadioButton_create_female"_s);
    m_createMale->setChecked(true);
    m_createAutoEnter = new QCheckBox(u"Автовход"_s, m_createPanel);
    m_createAutoEnter->setObjectName(u"sCheckBox_create_auto_enter"_s);
    m_createSendStat = new QCheckBox(consentText, m_createPanel);
    m_createSendStat->setObjectName(u"sCheckBox_create_send_stat"_s);
    m_createAutoEnter->setChecked(true);
    m_createSendStat->setChecked(true);
    auto *create = new QPushButton(u"Создать новый профиль"_s, m_createPanel);
    create->setObjectName(u"sBitBtn_create"_s);
    m_back = linkLabel(u"Назад к выбору профилей"_s, u"sLabel_back"_s, m_createPanel);
    m_back->installEventFilter(this);
    auto *createGender = new QHBoxLayout;
    createGender->addWidget(new QLabel(u"Пол:"_s, m_createPanel));
    createGender->addWidget(m_createMale);
    createGender->addWidget(m_createFemale);
    createGender->addStretch();
    auto *createLayout = new QVBoxLayout(m_createPanel);
    createLayout->addWidget(new QLabel(u"Новый профиль"_s, m_createPanel));
    createLayout->addWidget(m_name);
    createLayout->addLayout(createGender);
    createLayout->addWidget(m_createAutoEnter);
    createLayout->addWidget(m_createSendStat);
    createLayout->addStretch();
    createLayout->addWidget(create);
    auto *backLine = new QHBoxLayout;
    backLine->addWidget(m_back);
    backLine->addStretch();
    createLayout->addLayout(backLine);

    m_panels = new QStackedLayout;
    m_panels->addWidget(m_profilePanel);
    m_panels->addWidget(m_createPanel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(18);
    layout->addLayout(guideColumn);
    layout->addLayout(m_panels, 1);
    resize(720, 460);

    m_autoStart = new QTimer(this);
    m_autoStart->setObjectName(u"tAutoStart"_s);
    m_autoStart->setInterval(50);
    m_autoStart->setSingleShot(true);
    connect(m_autoStart, &QTimer::timeout, this, &TfrmLogin::tAutoStartTimer);

    connect(enter, &QPushButton::clicked, this, &TfrmLogin::sBitBtn_enterClick);
    connect(m_profiles, &QListWidget::itemDoubleClicked, this, &TfrmLogin::sBitBtn_enterClick);
    connect(m_profiles, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showProfile(item->data(Qt::UserRole).toInt()); });
    connect(create, &QPushButton::clicked, this, &TfrmLogin::sBitBtn_createClick);
    connect(m_name, &QLineEdit::returnPressed, this, &TfrmLogin::sBitBtn_createClick);
    connect(m_delete, &QPushButton::clicked, this, &TfrmLogin::sSpeedButton_deleteClick);

    RefreshUsersList();
}

void TfrmLogin::RefreshUsersList()
{
    FAutoEnterUserItemIndex = -1;
    m_profiles->clear();
    QList<TUserRec> users;
    try {
        users = TDBM::instance()->GetUsersList(ulsAlphabetic);
    } catch (...) {
    }
    for (const TUserRec &user : users) {
        auto *item = new QListWidgetItem(user.UserName, m_profiles);
        item->setData(Qt::UserRole, user.IdUser);
        if (user.AutoEnter == 1)
            FAutoEnterUserItemIndex = m_profiles->count() - 1;
    }
    if (users.isEmpty()) {
        showCreationPanel(false);
        return;
    }
    showProfilePanel();

    // The learner who left last comes first.
    int selected = 0;
    try {
        const std::unique_ptr<QSqlQuery> last = TDBM::GetMyQuery(
            u"select * from users_settings where setting_name = 'TIME_EXIT' "
            "order by setting_value desc limit 1"_s, {});
        if (last->next()) {
            const int id = last->value(u"id_user"_s).toInt();
            for (int i = 0; i < m_profiles->count(); ++i) {
                if (m_profiles->item(i)->data(Qt::UserRole).toInt() == id)
                    selected = i;
            }
        }
    } catch (...) {
    }
    m_profiles->setCurrentRow(selected);
    showProfile(m_profiles->item(selected)->data(Qt::UserRole).toInt());
}

void TfrmLogin::showCreationPanel(bool withWayBack)
{
    m_panels->setCurrentWidget(m_createPanel);
    m_back->setVisible(withWayBack);
    m_createAutoEnter->setChecked(true);
    m_createSendStat->setChecked(true);
    m_name->setFocus();
}

void TfrmLogin::showProfilePanel()
{
    m_panels->setCurrentWidget(m_profilePanel);
    m_profiles->setFocus();
}

void TfrmLogin::showProfile(int idUser)
{
    TUserRec profile;
    try {
        if (!TUserRec::GetInfo(profile, idUser))
            return;
    } catch (...) {
        return;
    }
    m_autoEnter->setChecked(profile.AutoEnter == 1);
    m_sendStat->setChecked(profile.SendStat != 0);
    StatVisual();
    const bool genderKnown = profile.Gender.isValid() && !profile.Gender.isNull();
    m_gender->setVisible(!genderKnown);
    // A button group allows no empty choice; it is switched off to clear both.
    auto *group = m_male->group();
    group->setExclusive(false);
    m_male->setChecked(false);
    m_female->setChecked(false);
    group->setExclusive(true);
}

// Once a learner has agreed to the usage report, the choice is no longer offered here.
void TfrmLogin::StatVisual()
{
    m_sendStat->setVisible(!m_sendStat->isChecked());
}

int TfrmLogin::selectedUser() const
{
    const QListWidgetItem *item = m_profiles->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

void TfrmLogin::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_startParameters.size() >= 2 && !FAlreadyUpdated) {
        FAlreadyUpdated = true;
        AppMessageBox(u"Приложение Samvidra было успешно обновлено!\nСпасибо, что Вы с нами!"_s,
                      u"Samvidra"_s, MessageFlags::IconInformation);
    }
    m_autoStart->start();
}

void TfrmLogin::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Closing the sign-in window before anybody signed in ends the program.
    if (!m_signedIn)
        QCoreApplication::quit();
}

bool TfrmLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched->objectName() == u"sLabel_new_profile"_s) {
            showCreationPanel(true);
            return true;
        }
        if (watched == m_back) {
            showProfilePanel();
            return true;
        }
    }
    if (watched == m_profiles && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sBitBtn_enterClick();
            return true;
        }
        if (key == Qt::Key_Delete) {
            sSpeedButton_deleteClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmLogin::tAutoStartTimer()
{
    m_autoStart->stop();
    try {
        if (m_profiles->count() > 0 && FAutoEnterUserItemIndex >= 0 && !m_signedIn) {
            m_autoEnter->setChecked(true);
            m_profiles->setCurrentRow(FAutoEnterUserItemIndex);
            FAutoEnterUserItemIndex = -1;
            sBitBtn_enterClick();
        }
    } catch (...) {
    }
}

void TfrmLogin::sBitBtn_createClick()
{
    const QString name = m_name->text();
    if (name.trimmed().isEmpty()) {
        ShowAppWarning(u"Заполните, пожалуйста, имя"_s, false);
        return;
    }
    TDBM *db = TDBM::instance();
    if (!db->CreateNewUser(name, m_createFemale->isChecked() ? 1 : 0, true))
        return;
    TUserRec::UpdateSendStat(db->LogonUser, m_createSendStat->isChecked() ? 1 : 0);
    TUserRec::UpdateAutoEnter(db->LogonUser, m_createAutoEnter->isChecked() ? 1 : 0);
    SignedInUserName = name;
    m_name->clear();
    enterProgram();
}

void TfrmLogin::sBitBtn_enterClick()
{
    const int id = selectedUser();
    if (id < 0) {
        ShowAppWarning(u"Выберите пользователя"_s, false);
        return;
    }
    TUserRec::UpdateAutoEnter(id, m_autoEnter->isChecked() ? 1 : 0);
    if (m_sendStat->isChecked())
        TUserRec::UpdateSendStat(id, 1);
    if (m_gender->isVisible() && (m_male->isChecked() || m_female->isChecked()))
        TUserRec::UpdateGender(id, m_female->isChecked() ? 1 : 0);
    TDBM::instance()->SetActiveUser(id);
    SignedInUserName = m_profiles->currentItem()->text();
    enterProgram();
}

void TfrmLogin::enterProgram()
{
    m_signedIn = true;
    hide();
    emit signedIn();
}

void TfrmLogin::sSpeedButton_deleteClick()
{
    const int id = selectedUser();
    if (id < 0)
        return;
    if (!AskYesNo(u"Вы хотите удалить выбранного пользователя?\nВся статистика по этому пользователю так же будет удалена."_s))
        return;
    TDBM::ExecMyQuery(u"delete from users where id = :id"_s, {id});
    RefreshUsersList();
    if (m_profiles->count() > 0) {
        m_profiles->setCurrentRow(0);
        showProfile(m_profiles->item(0)->data(Qt::UserRole).toInt());
    }
}
