#pragma once

#include "online/view/closing_window.h"
#include "shell/program_values.h"
#include "shell/view/main_window.h"
#include "store/view/login_window.h"

#include "store/store_fixture.h"

#include <QApplication>
#include <QKeyEvent>

// Types the text into the widget a character at a time, as a keyboard of any language would.
inline void TypeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// The program's windows over a profiles folder of the test's own, wired as start-up wires them;
// restarting the program is noted instead of done.
class AppFixture : public StoreFixture
{
public:
    AppFixture()
    {
        restarts = 0;
        SetRestartHandler([] { ++restarts; });
        startUp();
    }
    ~AppFixture() { SetRestartHandler(nullptr); }

    // The windows of one run of the program.
    void openWindows(const QStringList &parameters = {})
    {
        login = std::make_unique<TfrmLogin>(parameters);
        mainWindow = std::make_unique<TForm1>();
        closingWindow = std::make_unique<TForm10>();
        mainWindow->setClosingWindow(closingWindow.get());
        QObject::connect(login.get(), &TfrmLogin::signedIn, mainWindow.get(), &TForm1::enterProgram);
        login->show();
    }

    template<typename T>
    T *in(QWidget *window, const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    std::unique_ptr<TfrmLogin> login;
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<TForm10> closingWindow;
    static inline int restarts = 0;
};
