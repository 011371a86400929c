// Samvidra: the program. Creates its windows and data modules once, in start-up order, and runs.

#include "online/view/closing_window.h"
#include "online/view/desktop_page_opener.h"
#include "script/view/keyboard_window.h"
#include "script/view/sound_effect_player.h"
#include "shell/app_paths.h"
#include "shell/view/main_window.h"
#include "shell/view/message_box_routines.h"
#include "shell/view/program_fonts.h"
#include "shell/view/shared_file_dialogs.h"
#include "store/database_factory.h"
#include "store/database_module.h"
#include "store/view/login_window.h"

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // The program's own units: folders and file dialogs, fonts, the look.
    TAppPaths::Initialise();
    SharedFileDialogs::Create();
    ProgramFonts::Register();
    QApplication::setFont(QFont(ProgramFonts::TextFamily(), 10));
    QFile style(QStringLiteral(":/style/samvidra.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));
    MessageBoxRoutines messages;
    SetMessageRoutines(&messages);
    InstallDesktopPageOpener();
    SoundEffectPlayer letterSounds;
    SetLetterSoundPlayer(&letterSounds);

    QApplication::setApplicationName(QStringLiteral("Самвидра"));
    QApplication::setQuitOnLastWindowClosed(false);

    // The data modules, then the windows, in the order the program has always made them.
    TDBFM factory;
    TDBM module;
    if (!module.isOpen())
        return 1;
    const QStringList parameters = QApplication::arguments().mid(1);
    TfrmLogin login(parameters);
    TForm1 mainWindow;
    TForm8 keyboard;
    TForm10 closingWindow;
    mainWindow.setClosingWindow(&closingWindow);
    mainWindow.setKeyboardWindow(&keyboard);
    QObject::connect(&login, &TfrmLogin::signedIn, &mainWindow, &TForm1::enterProgram);

    login.show();
    return app.exec();
}
