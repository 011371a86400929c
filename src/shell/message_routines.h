#pragma once

#include <QString>

// The program's message boxes. Logic never opens a window itself: it calls these routines, which
// go to the window implementation installed at start-up, or to a recording double in tests.
//
// Flags and results keep the values of the classic message-box interface, which the program's
// texts and callers are written against.
namespace MessageFlags {
inline constexpr int Ok = 0;
inline constexpr int YesNo = 4;
inline constexpr int IconQuestion = 32;
inline constexpr int IconExclamation = 48;
inline constexpr int IconInformation = 64;
inline constexpr int Warning = Ok | IconExclamation;  // 48
inline constexpr int Question = YesNo | IconQuestion; // 36
} // namespace MessageFlags

namespace MessageResult {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MessageResult

class MessageRoutines
{
public:
    virtual ~MessageRoutines() = default;
    // Shows a message box and returns the button pressed.
    virtual int messageBox(const QString &text, const QString &caption, int flags) = 0;
};

// The implementation the routines below use; with none installed they show nothing and answer
// as if the first button had been pressed.
void SetMessageRoutines(MessageRoutines *routines);

// Thrown to end the current user action quietly once its message has been shown; caught where each
// user action starts.
class SilentAbort
{
};

int AppMessageBox(const QString &text, const QString &caption, int flags);
// An exclamation box with an OK button; then, with abort set, the silent abort.
void ShowWarning(const QString &text, const QString &caption, bool abort);
// ShowWarning with the caption "Samvidra".
void ShowAppWarning(const QString &text, bool abort);
// A Yes/No question captioned "Самвидра"; true when Yes is pressed.
bool AskYesNo(const QString &text);

// Ends the program after a failure it cannot go on from. Tests replace the ending.
void TerminateApplication();
void SetTerminationHandler(void (*handler)());

// Starts a fresh copy of the program (the logout) and ends this one. Tests replace it.
void RestartProgram();
void SetRestartHandler(void (*handler)());
