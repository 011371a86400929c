// A second copy of the program, as far as the profile store goes, driven by the tests of what
// happens across processes. It prints what it is shown and what it did.
//
//   store_child write FOLDER   writes a setting and an answer record, says "written", then waits
//                              to be killed
//   store_child share FOLDER   starts up like the program and writes a setting

#include "shell/app_paths.h"
#include "shell/message_routines.h"
#include "store/database_factory.h"
#include "store/database_module.h"
#include "store/record_access.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

class PrintedMessages : public MessageRoutines
{
public:
    int messageBox(const QString &text, const QString &, int) override
    {
        std::printf("MESSAGE: %s\n", qPrintable(text));
        std::fflush(stdout);
        return MessageResult::Ok;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    TAppPaths::SetProfilesFolderInUse(QString::fromLocal8Bit(argv[2]));
    PrintedMessages messages;
    SetMessageRoutines(&messages);
    SetTerminationHandler([] {
        std::puts("TERMINATED");
        std::fflush(stdout);
        std::_Exit(3);
    });

    { TDBFM factory; }
    TDBM module;
    if (!module.isOpen())
        return 3;
    module.SetActiveUser(1);
    if (mode == QLatin1String("write")) {
        UsersSettings->Put(QStringLiteral("kill_test"), {}, QStringLiteral("written"));
        TrainersStat->Stat(3, MakeStatValues(QStringLiteral("५"), QStringLiteral("5"),
                                             QStringLiteral("५"), QVariant(), 8, true));
        std::puts("written");
        std::fflush(stdout);
        while (true)
            QThread::sleep(1);
    }
    UsersSettings->Put(QStringLiteral("second_copy"), {}, QStringLiteral("here"));
    std::puts("shared ok");
    return 0;
}
