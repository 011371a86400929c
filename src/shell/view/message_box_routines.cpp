#include "shell/view/message_box_routines.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int MessageBoxRoutines::messageBox(const QString &text, const QString &caption, int flags)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0) {
    case MessageFlags::IconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageFlags::IconExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageFlags::IconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if (flags & MessageFlags::YesNo) {
        QPushButton *yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == static_cast<QAbstractButton *>(yes) ? MessageResult::Yes : MessageResult::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return MessageResult::Ok;
}
