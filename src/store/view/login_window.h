#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class QTimer;

// The sign-in window, the program's first: the learners' profiles, creating and deleting them,
// signing in, automatically when a learner asked for it.
class TfrmLogin : public QWidget
{
    Q_OBJECT

public:
    // startParameters: the program's command-line parameters; two or more mean the updater has
    // just restarted it.
    explicit TfrmLogin(const QStringList &startParameters, QWidget *parent = nullptr);

    void RefreshUsersList();

signals:
    // A learner has signed in and is the active one; the window has hidden itself.
    void signedIn();

public slots:
    void tAutoStartTimer();
    void sBitBtn_createClick();
    void sBitBtn_enterClick();
    void sSpeedButton_deleteClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCreationPanel(bool withWayBack);
    void showProfilePanel();
    void showProfile(int idUser);
    void StatVisual();
    void enterProgram();
    int selectedUser() const;

    int FAutoEnterUserItemIndex = -1;
    bool FAlreadyUpdated = false;
    bool m_signedIn = false;
    QStringList m_startParameters;

    QStackedLayout *m_panels;
    QWidget *m_profilePanel;
    QListWidget *m_profiles;
    QCheckBox *m_autoEnter;
    QCheckBox *m_sendStat;
    QGroupBox *m_gender;
    QRadioButton *m_male;
    QRadioButton *m_female;
    QPushButton *m_delete;
    QPushButton *m_import;
    QPushButton *m_export;

    QWidget *m_createPanel;
    QLineEdit *m_name;
    QRadioButton *m_createMale;
    QRadioButton *m_createFemale;
    QCheckBox *m_createAutoEnter;
    QCheckBox *m_createSendStat;
    QLabel *m_back;

    QTimer *m_autoStart;
};
