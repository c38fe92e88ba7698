#include "ui/form_help.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velt {

TFHelp::TFHelp(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FHelp"));
    setWindowTitle(QStringLiteral("Помощь"));
    Memo = new QPlainTextEdit(this);
    ButtonCloseHelp = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(ButtonCloseHelp, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo);
    layout->addWidget(ButtonCloseHelp);
    resize(462, 477);
}

}  // namespace velt
