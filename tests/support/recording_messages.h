#pragma once

#include "shell/message_routines.h"

#include <QList>
#include <QString>

// Message routines that show nothing: they note every message and answer as told.
class RecordingMessages : public MessageRoutines
{
public:
    struct Message
    {
        QString text;
        QString caption;
        int flags;
    };

    RecordingMessages() { SetMessageRoutines(this); }
    ~RecordingMessages() override { SetMessageRoutines(nullptr); }

    int messageBox(const QString &text, const QString &caption, int flags) override
    {
        messages.append({text, caption, flags});
        return (flags & MessageFlags::YesNo) ? (answerYes ? MessageResult::Yes : MessageResult::No)
                                             : MessageResult::Ok;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Message &message : messages)
            result.append(message.text);
        return result;
    }

    QList<Message> messages;
    bool answerYes = true;
};
