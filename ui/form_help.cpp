#include "ui/form_help.h"

#include "ui/help_text.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velt {

TFHelp::TFHelp(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FHelp"));
    setWindowTitle(QStringLiteral("Помощь"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("MemoHelp"));
    Memo->setPlainText(HelpText());
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette tip = Memo->palette();
    tip.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    Memo->setPalette(tip);
    ButtonCloseHelp = new QPushButton(QStringLiteral("Закрыть"), this);
    ButtonCloseHelp->setObjectName(QStringLiteral("ButtonCloseHelp"));
    connect(ButtonCloseHelp, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo);
    layout->addWidget(ButtonCloseHelp);
    resize(462, 477);
}

}  // namespace velt
