#include "shell/message_routines.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

MessageRoutines *installedRoutines = nullptr;

void exitProgram()
{
    QCoreApplication::exit(1);
    std::exit(1);
}

void (*terminationHandler)() = exitProgram;

void startFreshCopy()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    QCoreApplication::exit(0);
}

void (*restartHandler)() = startFreshCopy;

} // namespace

void SetMessageRoutines(MessageRoutines *routines)
{
    installedRoutines = routines;
}

int AppMessageBox(const QString &text, const QString &caption, int flags)
{
    if (!installedRoutines)
        return (flags & MessageFlags::YesNo) ? MessageResult::Yes : MessageResult::Ok;
    return installedRoutines->messageBox(text, caption, flags);
}

void ShowWarning(const QString &text, const QString &caption, bool abort)
{
    AppMessageBox(text, caption, MessageFlags::Warning);
    if (abort)
        throw SilentAbort();
}

void ShowAppWarning(const QString &text, bool abort)
{
    ShowWarning(text, u"Samvidra"_s, abort);
}

bool AskYesNo(const QString &text)
{
    return AppMessageBox(text, u"Самвидра"_s, MessageFlags::Question) == MessageResult::Yes;
}

void TerminateApplication()
{
    terminationHandler();
}

void SetTerminationHandler(void (*handler)())
{
    terminationHandler = handler ? handler : exitProgram;
}

void RestartProgram()
{
    restartHandler();
}

void SetRestartHandler(void (*handler)())
{
    restartHandler = handler ? handler : startFreshCopy;
}
