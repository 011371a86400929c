#pragma once

class QFileDialog;

// The program's two file dialogs, one to open and one to save, made once at start-up and shared
// by whatever asks the learner for a file.
namespace SharedFileDialogs {

void Create();
QFileDialog *OpenDialog();
QFileDialog *SaveDialog();

} // namespace SharedFileDialogs
