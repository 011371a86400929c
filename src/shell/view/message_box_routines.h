#pragma once

#include "shell/message_routines.h"

// The message routines as the program's own message boxes.
class MessageBoxRoutines : public MessageRoutines
{
public:
    int messageBox(const QString &text, const QString &caption, int flags) override;
};
