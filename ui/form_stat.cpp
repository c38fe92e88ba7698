#include "ui/form_stat.h"

#include "measure/indices.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace velt {

namespace {

QLabel *sunkenField(QWidget *parent)
{
    auto *field = new QLabel(parent);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setAlignment(Qt::AlignCenter);
    field->setMinimumWidth(60);
    return field;
}

}  // namespace

TFStat::TFStat(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FStat"));
    setWindowTitle(QStringLiteral("Статистика"));

    ComboBoxStat = new QComboBox(this);
    ComboBoxStat->setObjectName(QStringLiteral("ComboBoxStat"));
    for (const StatisticsEntry &entry : StatisticsEntries())
        ComboBoxStat->addItem(entry.text);
    ComboBoxStat->setEditable(true);
    ComboBoxStat->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxStat->setCurrentIndex(-1);
    ComboBoxStat->setMinimumWidth(180);
    ButtonStatReload = new QPushButton(QStringLiteral("Обновить"), this);
    StaticTextMin = sunkenField(this);
    StaticTextMax = sunkenField(this);
    StaticTextMin->setObjectName(QStringLiteral("StaticTextMin"));
    StaticTextMax->setObjectName(QStringLiteral("StaticTextMax"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelMinMax"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *minMax = new QHBoxLayout(panel);
    minMax->addWidget(new QLabel(QStringLiteral("Мин."), panel));
    minMax->addWidget(StaticTextMin);
    minMax->addWidget(new QLabel(QStringLiteral("Макс."), panel));
    minMax->addWidget(StaticTextMax);

    auto *strip = new QHBoxLayout;
    strip->addWidget(ComboBoxStat);
    strip->addWidget(ButtonStatReload);
    strip->addStretch();
    strip->addWidget(panel);

    ChartStat = new QCustomPlot(this);
    ChartStat->setObjectName(QStringLiteral("ChartStat"));
    ChartStat->setMinimumSize(600, 400);
    ChartStat->setBackground(QBrush(QColor(0xC0, 0xC0, 0xC0)));
    ChartStat->axisRect()->setBackground(Qt::white);
    BarSeriesStat = new QCPBars(ChartStat->xAxis, ChartStat->yAxis);
    BarSeriesStat->setPen(QPen(Qt::black));
    BarSeriesStat->setBrush(QColor(255, 0, 0));
    BarSeriesStat->setWidth(0.6);
    ChartStat->xAxis->setRange(0.3, 10.7);
    ChartStat->yAxis->setRange(0, 1);

    ButtonClose = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ButtonStatReload, &QPushButton::clicked, this, &TFStat::UpdateStat);
    connect(ComboBoxStat, &QComboBox::currentIndexChanged, this, &TFStat::UpdateStat);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(ChartStat, 1);
    layout->addWidget(ButtonClose);
}

void TFStat::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    UpdateStat();
}

QStringList TFStat::marks() const
{
    QStringList texts;
    for (int i = 0; i < ChartStat->itemCount(); ++i)
        if (auto *text = qobject_cast<QCPItemText *>(ChartStat->item(i)))
            texts << text->text();
    return texts;
}

void TFStat::UpdateStat()
{
    BarSeriesStat->data()->clear();
    ChartStat->clearItems();
    shown_ = Statistics{};
    const int entry = ComboBoxStat->currentIndex();
    if (entry < 0 || entry >= StatisticsEntries().size() || !source_) {
        ChartStat->replot();
        return;
    }
    shown_ = ComputeStatistics(source_(entry), StatisticsEntries()[entry].classWidth);

    auto ticker = QSharedPointer<QCPAxisTickerText>::create();
    int highest = 0;
    for (int k = 0; k < 10; ++k) {
        const int count = shown_.counts[static_cast<std::size_t>(k)];
        BarSeriesStat->addData(k + 1, count);
        ticker->addTick(k + 1, shown_.labels[k]);
        highest = std::max(highest, count);
    }
    ChartStat->xAxis->setTicker(ticker);
    ChartStat->yAxis->setRange(0, std::max(1.0, highest * 1.2));
    // The percent marks stand above their bars.
    for (int k = 0; k < 10; ++k) {
        const QString mark = shown_.percentText(k);
        if (mark.isEmpty())
            continue;
        auto *text = new QCPItemText(ChartStat);
        text->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        text->position->setCoords(k + 1, shown_.counts[static_cast<std::size_t>(k)]);
        text->setPadding(QMargins(2, 2, 2, 6));
        text->setText(mark);
        text->setBrush(QColor(255, 255, 225));
        text->setPen(QPen(Qt::gray));
    }
    StaticTextMax->setText(FormatValue(shown_.maximum.value_or(0)));
    StaticTextMin->setText(FormatValue(shown_.minimum.value_or(0)));
    ChartStat->replot();
}

}  // namespace velt
