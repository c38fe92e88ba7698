#include "ui/status_panels.h"

#include <QLabel>
#include <QStatusBar>

namespace velt {

namespace {
constexpr int kWidths[3] = {55, 70, 50};
}

StatusPanels::StatusPanels(QStatusBar *bar) : QObject(bar)
{
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        if (i < 3) {
            label->setAlignment(Qt::AlignCenter);
            label->setMinimumWidth(kWidths[i]);
            bar->addWidget(label, 0);
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            bar->addWidget(label, 1);
        }
        panels_[static_cast<std::size_t>(i)] = label;
    }
}

void StatusPanels::SetText(int panel, const QString &text)
{
    if (panel < 0 || panel > 3)
        return;
    QLabel *label = panels_[static_cast<std::size_t>(panel)];
    label->setText(text);
    label->setToolTip(text);
}

QString StatusPanels::Text(int panel) const
{
    if (panel < 0 || panel > 3)
        return {};
    return panels_[static_cast<std::size_t>(panel)]->text();
}

}  // namespace velt
