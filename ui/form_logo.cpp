#include "ui/form_logo.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace velt {

TFLogo::TFLogo(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FLogo"));
    auto *title = new QLabel(QStringLiteral("ВЕЛТ Монитор"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto *what = new QLabel(QStringLiteral("Программа для измерителя параметров микроклимата"), this);
    what->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(what);
    layout->addStretch();
    // Clicks on the labels reach the window itself.
    for (QLabel *label : {title, what})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(604, 211);
}

void TFLogo::mousePressEvent(QMouseEvent *event)
{
    close();
    event->accept();
}

}  // namespace velt
