#pragma once

#include <QScrollArea>

// A scroll box of cards (courses, trainers): each notch of the mouse wheel moves it 13 pixels, and
// the mouse passing over it makes it the active control, so that the wheel scrolls it at once.
class CardScrollBox : public QScrollArea
{
public:
    static constexpr int PixelsPerNotch = 13;

    CardScrollBox(const QString &boxName, const QString &panelName, QWidget *parent = nullptr);

    QWidget *cards() const { return widget(); }

protected:
    void wheelEvent(QWheelEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
};
