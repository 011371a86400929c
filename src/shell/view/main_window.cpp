#include "shell/view/main_window.h"

#include "online/internet_probe.h"
#include "online/page_opener.h"
#include "online/site_addresses.h"
#include "shell/message_routines.h"
#include "shell/program_values.h"
#include "shell/view/card_scroll_box.h"
#include "script/view/keyboard_window.h"
#include "script/view/transliterator_page.h"
#include "store/database_module.h"
#include "store/record_access.h"
#include "store/stay.h"
#include "store/user_rec.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Tab { CoursesTab, TrainingTab, DictionaryTab, ToolsTab };

struct Volume
{
    const char *number;
    const char *title;
};

// The volumes of the Shrimad-Bhagavatam on the publisher's pages, with their cantos' titles.
const Volume bhagavatamVolumes[] = {
    {"1.1", "Творение"},          {"1.2", "Творение"},
    {"2", "Космическое проявление"},
    {"3.1", "Статус-кво"},        {"3.2", "Статус-кво"},       {"3.3", "Статус-кво"},
    {"4.1", "Творение четвертого уровня"}, {"4.2", "Творение четвертого уровня"},
    {"4.3", "Творение четвертого уровня"},
    {"5.1", "Творческий импульс"}, {"5.2", "Творческий импульс"},
    {"6.1", "Предписанные обязанности человечества"}, {"6.2", "Предписанные обязанности человечества"},
    {"7.1", "Наука о Боге"},      {"7.2", "Наука о Боге"},
    {"8.1", "Сворачивание космического творения"}, {"8.2", "Сворачивание космического творения"},
    {"9.1", "Освобождение"},      {"9.2", "Освобождение"},
    {"10.1", "Summum bonum"},     {"10.2", "Summum bonum"},    {"10.3", "Summum bonum"},
    {"10.4", "Summum bonum"},
    {"11.1", "Всеобщая история"},
    {"12", "Век деградации"},
};

// The dictionary is not written yet; its tab says so and asks for help.
QWidget *dictionaryPage(QWidget *parent)
{
    auto *page = new QWidget(parent);
    page->setObjectName(u"sTabSheet_slovar"_s);
    auto *notice = new QLabel(u"Раздел в разработке!"_s, page);
    notice->setObjectName(u"sLabel_slovar"_s);
    notice->setStyleSheet(u"font-size: 16pt; font-weight: bold;"_s);
    auto *help = new QPushButton(u"Помочь проекту"_s, page);
    help->setObjectName(u"sBitBtn_slovar_help"_s);
    QObject::connect(help, &QPushButton::clicked, page,
                     [] { OpenSitePage(SiteAddresses::DonationsPageFromClosing()); });
    auto *layout = new QVBoxLayout(page);
    layout->addStretch();
    layout->addWidget(notice, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(help, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(u"TForm1"_s);
    setWindowTitle(Program::WindowCaption());

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"sPageControlMain"_s);
    m_courseCards = new CardScrollBox(u"sScrollBox_kursi"_s, u"sPanel_kursi"_s, m_pages);
    m_trainerCards = new CardScrollBox(u"sScrollBox_trenajori"_s, u"sPanel_trenajori"_s, m_pages);
    m_pages->addTab(m_courseCards, u"Курсы"_s);
    m_pages->addTab(m_trainerCards, u"Тренировки"_s);
    m_pages->addTab(dictionaryPage(m_pages), u"Словарь"_s);
    auto *tools = new QTabWidget(m_pages);
    tools->setObjectName(u"sPageControl_instrumenti"_s);
    m_transliterator = new TransliteratorPage(tools);
    tools->addTab(m_transliterator, u"Транслитератор (Бета-тест)"_s);
    m_pages->addTab(tools, u"Инструменты"_s);
    setCentralWidget(m_pages);

    // Writing to the author comes with the feedback window; the button waits for it.
    m_feedback = new QPushButton(u"✉"_s, this);
    m_feedback->setObjectName(u"sSpeedButton_feedback"_s);
    m_feedback->setToolTip(u"Написать письмо автору программы"_s);
    m_feedback->setFixedSize(48, 48);
    m_feedback->setEnabled(false);

    buildMenu();
    resize(1100, 720);

    m_metrika = new QTimer(this);
    m_metrika->setObjectName(u"TimerMetrika"_s);
    m_metrika->setInterval(1000);
    connect(m_metrika, &QTimer::timeout, this, &TForm1::TimerMetrikaTimer);
    m_metrika->start();

    m_totalTime = new QTimer(this);
    m_totalTime->setObjectName(u"TimerObsheeVremya"_s);
    m_totalTime->setInterval(1000);
    connect(m_totalTime, &QTimer::timeout, this, &TForm1::TimerObsheeVremyaTimer);

    m_updateCheck = new QTimer(this);
    m_updateCheck->setObjectName(u"TimerProverkaObnovlenia1"_s);
    m_updateCheck->setInterval(999);
    connect(m_updateCheck, &QTimer::timeout, this, &TForm1::TimerProverkaObnovlenia1Timer);
    m_updateCheck->start();

    qApp->installEventFilter(this);
}

// A wheel turned anywhere in the window first gives the focus to the card box of the tab shown.
bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            if (m_pages->currentWidget() == m_courseCards)
                m_courseCards->setFocus(Qt::MouseFocusReason);
            else if (m_pages->currentWidget() == m_trainerCards)
                m_trainerCards->setFocus(Qt::MouseFocusReason);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction *TForm1::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *TForm1::addPage(QMenu *menu, const QString &name, const QString &caption, const QUrl &page)
{
    QAction *action = addItem(menu, name, caption);
    connect(action, &QAction::triggered, this, [page] { OpenSitePage(page); });
    return action;
}

// Items whose window is not built yet are shown disabled; none pretends to work.
void TForm1::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(u"MainMenu1"_s);

    QMenu *main = bar->addMenu(u"Меню"_s);
    main->setObjectName(u"N_menu"_s);
    m_logout = addItem(main, u"N_logout"_s, u"Выйти из профиля ()"_s);
    connect(m_logout, &QAction::triggered, this, &TForm1::logoutClick);
    connect(addItem(main, u"N_exit"_s, u"Выход из программы"_s), &QAction::triggered, this, &QWidget::close);

    QMenu *settings = bar->addMenu(u"Настройки"_s);
    settings->setObjectName(u"N_settings"_s);
    for (const auto &[name, caption] : {std::pair{u"N_settings_user"_s, u"Пользовательские"_s},
                                        std::pair{u"N_settings_interface"_s, u"Интерфейс"_s},
                                        std::pair{u"N_settings_fonts"_s, u"Шрифты"_s}})
        addItem(settings, name, caption)->setEnabled(false);

    QMenu *progress = bar->addMenu(u"Мой прогресс"_s);
    progress->setObjectName(u"N_progress"_s);
    addItem(progress, u"N_achievements"_s, u"Достижения"_s)->setEnabled(false);
    addItem(progress, u"N_total_stat"_s, u"Общая статистика"_s)->setEnabled(false);
    addItem(progress, u"N_trainers_stat"_s, u"Общая статистика тренажёров"_s)->setEnabled(false);

    QMenu *help = bar->addMenu(u"Справка"_s);
    help->setObjectName(u"N_help"_s);
    QAction *muhurta = addItem(help, u"N_muhurta"_s, u"Благоприятное время для начала изучения санскрита (Мухурта)"_s);
    muhurta->setVisible(false);
    muhurta->setEnabled(false);
    addItem(help, u"N_keyboard_layout"_s, u"Как установить раскладку деванагари в Windows 7"_s)->setEnabled(false);
    QMenu *books = help->addMenu(u"Печатные книги"_s);
    books->setObjectName(u"N_books"_s);
    QMenu *publisher = books->addMenu(u"Книги издательства «Бхактиведанта Бук Траст»"_s);
    publisher->setObjectName(u"N_books_bbt"_s);
    addPage(publisher, u"N_book_bg"_s, u"Бхагавад-гита как она есть"_s, SiteAddresses::PublisherBookPage(u"bg"_s));
    addPage(publisher, u"N_book_nbs"_s, u"Нарада-бхакти-сутра"_s,
            SiteAddresses::PublisherBookPage(u"narada-bhakti-sutra"_s));
    addPage(publisher, u"N_book_iso"_s, u"Шри Ишопанишад"_s, SiteAddresses::PublisherBookPage(u"sri-ishopanishad"_s));
    QMenu *bhagavatam = publisher->addMenu(u"Шримад-Бхагаватам"_s);
    bhagavatam->setObjectName(u"N_book_sb"_s);
    for (const Volume &volume : bhagavatamVolumes) {
        const QString number = QString::fromLatin1(volume.number);
        addPage(bhagavatam, u"N_book_sb_"_s + number,
                u"%1 «%2»"_s.arg(number, QString::fromUtf8(volume.title)),
                SiteAddresses::BhagavatamVolumePage(number));
    }
    QMenu *series = books->addMenu(u"Книги серии «Bibliotheca Sanscritica»"_s);
    series->setObjectName(u"N_books_bs"_s);
    for (int book = 1; book <= 10; ++book)
        addPage(series, u"N_book_bs_%1"_s.arg(book), u"Книга %1 серии «Bibliotheca Sanscritica»"_s.arg(book),
                SiteAddresses::BibliothecaSanscriticaPage(book));
    addItem(help, u"N_reading_guide"_s, u"Руководство по чтению санскрита (Бхактиведанта Бук Траст)"_s)->setEnabled(false);
    addPage(help, u"N_catalog"_s, u"Каталог ссылок по санскриту"_s, SiteAddresses::CatalogPage());
    addPage(help, u"N_terms_table"_s, u"Сравнительная таблица различных переводов санскритских терминов"_s,
            SiteAddresses::TermsTablePage());

    QMenu *about = bar->addMenu(u"О программе"_s);
    about->setObjectName(u"N_about"_s);
    addItem(about, u"N_about_program"_s, u"О программе «Самвидра» и новвоведения"_s)->setEnabled(false);
    addItem(about, u"N_dedication"_s, u"Программа посвящается"_s)->setEnabled(false);
    addItem(about, u"N_thanks"_s, u"Благодарности"_s)->setEnabled(false);
    addItem(about, u"N_contact"_s, u"Связаться с автором"_s)->setEnabled(false);
    addPage(about, u"N_donate"_s, u"Пожертвовать"_s, SiteAddresses::DonationsPageFromClosing());
    addItem(about, u"N_update"_s, u"Проверить наличие новой версии"_s)->setEnabled(false);
    addPage(about, u"N_reviews"_s, u"Отзывы"_s, SiteAddresses::ReviewsPage());
    addPage(about, u"N_follow"_s, u"Подписаться"_s, SiteAddresses::FollowPage());
}

void TForm1::setKeyboardWindow(TForm8 *keyboard)
{
    m_keyboardWindow = keyboard;
    m_transliterator->setKeyboard(keyboard);
}

void TForm1::enterProgram()
{
    m_logout->setText(u"Выйти из профиля: "_s + TDBM::instance()->LogonUserExt.UserName);
    TotalTimeCounter = 0;
    try {
        TotalTimeCounter = UsersSettings->Get(u"var_obshee_vremya"_s, {0}).toInt();
        // The learner's Devanagari font, which the keyboard takes when its page is shown.
        const QString font = UsersSettings->Get(u"t_font"_s, {TrainerFont}).toString();
        if (!font.isEmpty())
            TrainerFont = font;
    } catch (...) {
    }
    m_totalTime->start();
    show();
    SignInTime = QDateTime::currentDateTime();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_shownOnce = true;
    placeFeedbackButton();
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeFeedbackButton();
}

// The feedback button floats 100 pixels from the right edge and 115 from the bottom.
void TForm1::placeFeedbackButton()
{
    m_feedback->move(width() - 100 - m_feedback->width() / 2, height() - 115 - m_feedback->height() / 2);
    m_feedback->raise();
}

void TForm1::TimerMetrikaTimer()
{
    // Counters f07 to f11 count the main window's tabs while it is active and not minimised; the
    // others belong to windows still to come and count nothing yet.
    if (!isVisible() || !isActiveWindow() || isMinimized())
        return;
    switch (m_pages->currentIndex()) {
    case CoursesTab:
        ++UsageCounters[7]; // f08: courses without the lesson browser
        break;
    case TrainingTab:
        ++UsageCounters[8]; // f09
        break;
    case DictionaryTab:
        ++UsageCounters[9]; // f10
        break;
    case ToolsTab:
        ++UsageCounters[10]; // f11
        break;
    }
}

void TForm1::TimerObsheeVremyaTimer()
{
    ++TotalTimeCounter;
}

void TForm1::TimerProverkaObnovlenia1Timer()
{
    if (!m_shownOnce)
        return;
    m_updateCheck->stop();
    // The update check itself comes with the updater; without the site it ends silently.
    if (HasInternet())
        emit updateCheckWanted();
}

void TForm1::logoutClick()
{
    StoreLeavingTime();
    TUserRec::UpdateAutoEnter(0, 0);
    RestartProgram();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    try {
        UsersSettings->Put(u"var_obshee_vremya"_s, {}, TotalTimeCounter);
    } catch (...) {
    }
    event->ignore();
    hide();
    if (m_keyboardWindow)
        m_keyboardWindow->hide();
    if (m_closingWindow)
        m_closingWindow->show();
}
