#pragma once

#include <QMainWindow>

class CardScrollBox;
class TForm8;
class TransliteratorPage;
class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;

// The main window: the tabs "Курсы", "Тренировки", "Словарь" and "Инструменты", the main menu,
// the usage counters and the timers of a signed-in stay.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // The window shown when this one closes.
    void setClosingWindow(QWidget *window) { m_closingWindow = window; }
    // The keyboard: the transliterator types through it, and it is hidden when this window closes.
    void setKeyboardWindow(TForm8 *keyboard);
    TransliteratorPage *transliterator() const { return m_transliterator; }

    QTabWidget *pages() const { return m_pages; }

public slots:
    // Entering the program after sign-in: the logout item names the learner, the total time
    // resumes, the window appears and the stay begins.
    void enterProgram();

    void TimerMetrikaTimer();
    void TimerObsheeVremyaTimer();
    void TimerProverkaObnovlenia1Timer();
    void logoutClick();

signals:
    // The automatic update check, once, after the first showing with the site reachable.
    void updateCheckWanted();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption);
    QAction *addPage(QMenu *menu, const QString &name, const QString &caption, const QUrl &page);
    void placeFeedbackButton();

    QTabWidget *m_pages;
    CardScrollBox *m_courseCards;
    CardScrollBox *m_trainerCards;
    QPushButton *m_feedback;
    QAction *m_logout = nullptr;
    QWidget *m_closingWindow = nullptr;
    QWidget *m_keyboardWindow = nullptr;
    TransliteratorPage *m_transliterator;
    QTimer *m_metrika;
    QTimer *m_totalTime;
    QTimer *m_updateCheck;
    bool m_shownOnce = false;
};
