#include "ui/form_options.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace velt {

TFOptions::TFOptions(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FOptions"));
    setWindowTitle(QStringLiteral("Настройки"));

    auto *limits = new QGroupBox(QStringLiteral("Критические уровни"), this);
    auto *limitsLayout = new QVBoxLayout(limits);
    CheckBoxT = new QCheckBox(QStringLiteral("tв."), limits);
    CheckBoxRH = new QCheckBox(QStringLiteral("RH"), limits);
    CheckBoxV = new QCheckBox(QStringLiteral("tш."), limits);
    for (QCheckBox *box : {CheckBoxT, CheckBoxRH, CheckBoxV})
        limitsLayout->addWidget(box);
    CheckBoxT->setObjectName(QStringLiteral("CheckBoxT"));
    CheckBoxRH->setObjectName(QStringLiteral("CheckBoxRH"));
    CheckBoxV->setObjectName(QStringLiteral("CheckBoxV"));

    ButtonClose = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(limits);
    layout->addStretch();
    layout->addWidget(ButtonClose);
    resize(298, 445);
}

}  // namespace velt
