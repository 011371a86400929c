#pragma once

#include <QWidget>

// The closing window, shown when the main window closes: the authors' appeal, then the end of
// the program when it is closed.
class TForm10 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
