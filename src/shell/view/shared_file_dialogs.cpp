#include "shell/view/shared_file_dialogs.h"

#include <QFileDialog>

#include <memory>

namespace {

std::unique_ptr<QFileDialog> openDialog;
std::unique_ptr<QFileDialog> saveDialog;

} // namespace

namespace SharedFileDialogs {

void Create()
{
    openDialog = std::make_unique<QFileDialog>();
    openDialog->setAcceptMode(QFileDialog::AcceptOpen);
    saveDialog = std::make_unique<QFileDialog>();
    saveDialog->setAcceptMode(QFileDialog::AcceptSave);
}

QFileDialog *OpenDialog()
{
    return openDialog.get();
}

QFileDialog *SaveDialog()
{
    return saveDialog.get();
}

} // namespace SharedFileDialogs
