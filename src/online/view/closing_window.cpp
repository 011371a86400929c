#include "online/view/closing_window.h"

#include "store/stay.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TForm10::TForm10(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"TForm10"_s);
    setWindowTitle(u"Обращение автора"_s);
    auto *heading = new QLabel(u"Обращение автора"_s, this);
    heading->setObjectName(u"sLabel_heading"_s);
    heading->setStyleSheet(u"font-size: 15pt; font-weight: bold;"_s);
    auto *appeal = new QLabel(
        u"Спасибо, что занимаетесь санскритом вместе с «Самвидрой»!\n\n"
        "Программа создаётся для тех, кто хочет читать и понимать санскрит. "
        "Каждое ваше занятие сохранено и будет ждать вас в следующий раз.\n\n"
        "До новой встречи!"_s, this);
    appeal->setObjectName(u"sLabel_appeal"_s);
    appeal->setWordWrap(true);
    auto *exit = new QPushButton(u"Выход"_s, this);
    exit->setObjectName(u"sLabel_exit"_s);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(heading);
    layout->addWidget(appeal, 1);
    layout->addWidget(exit, 0, Qt::AlignRight);
    resize(460, 300);
}

void TForm10::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TForm10::closeEvent(QCloseEvent *event)
{
    StoreLeavingTime();
    event->accept();
    QCoreApplication::quit();
}
