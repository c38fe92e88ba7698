#include "ui/logger_page.h"

#include "measure/measurement_record.h"
#include "ui/chart_view.h"
#include "ui/string_grid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace velt {

LoggerPage::LoggerPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));

    ComboBoxZ = new QComboBox(this);
    ComboBoxZ->setObjectName(QStringLiteral("ComboBoxZ"));
    ComboBoxZ->addItems({QStringLiteral("ТНС индекс, *С"), QStringLiteral("Влажность RH, %"),
                         QStringLiteral("Температура tв, *С"), QStringLiteral("Температура tсф, *С")});
    ComboBoxZ->setEditable(true);
    ComboBoxZ->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxZ->setCurrentIndex(0);

    ChartValue = new ChartView;
    ChartValue->setObjectName(QStringLiteral("ChartValue"));
    ChartValue->setBackground(QBrush(QColor(0xC0, 0xC0, 0xC0)));
    ChartValue->axisRect()->setBackground(QBrush(QColor(0xC0, 0xC0, 0xC0)));
    ChartValue->SetYRange(0, 100);
    const QColor colours[10] = {Qt::green,         Qt::red,         Qt::yellow,
                                Qt::blue,          Qt::white,       Qt::gray,
                                QColor(255, 0, 255), QColor(0, 128, 128), QColor(0, 0, 128),
                                QColor(128, 0, 0)};
    for (int i = 0; i < 10; ++i) {
        const int series = ChartValue->AddSeries(colours[i], 1, true);
        ChartValue->SetActive(series, i == 0);
    }

    StringGridL = new StringGrid(kRecordColumns, 2, 1, 0, 61);
    StringGridL->setObjectName(QStringLiteral("StringGridL"));
    StringGridL->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The point of record k is labelled with the time in row k + 1.
    ChartValue->SetBottomLabelsFrom(0, [this](int index) { return StringGridL->Cells(0, index + 1); });

    auto *chartArea = new QWidget;
    auto *chartLayout = new QVBoxLayout(chartArea);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    auto *selector = new QHBoxLayout;
    selector->addStretch();
    selector->addWidget(ComboBoxZ);
    chartLayout->addLayout(selector);
    chartLayout->addWidget(ChartValue, 1);

    stack_ = new QStackedWidget(this);
    stack_->addWidget(chartArea);
    stack_->addWidget(StringGridL);

    ButtonZagruzit = new QPushButton(QStringLiteral("Загрузить"), this);
    ButtonZagruzit->setObjectName(QStringLiteral("ButtonZagruzit"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(stack_, 1);
    layout->addWidget(ButtonZagruzit);
}

void LoggerPage::ShowTable(bool shown) { stack_->setCurrentIndex(shown ? 1 : 0); }

bool LoggerPage::TableShown() const { return stack_->currentIndex() == 1; }

}  // namespace velt
