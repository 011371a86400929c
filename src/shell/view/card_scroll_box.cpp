#include "shell/view/card_scroll_box.h"

#include <QScrollBar>
#include <QWheelEvent>

CardScrollBox::CardScrollBox(const QString &boxName, const QString &panelName, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(boxName);
    setFocusPolicy(Qt::StrongFocus);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    auto *panel = new QWidget(this);
    panel->setObjectName(panelName);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(248, 243, 225));
    panel->setPalette(palette);
    setWidget(panel);
}

void CardScrollBox::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        QScrollArea::wheelEvent(event);
        return;
    }
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * PixelsPerNotch);
    event->accept();
}

void CardScrollBox::enterEvent(QEnterEvent *event)
{
    QScrollArea::enterEvent(event);
    setFocus(Qt::MouseFocusReason);
}
