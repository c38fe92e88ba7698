#include "ui/live_page.h"

#include "ui/chart_view.h"
#include "ui/scope_pictures.h"
#include "ui/string_grid.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace velt {

namespace {

const QColor kFirst(255, 0, 0);     // red: a chart's first quantity
const QColor kSecond(255, 255, 0);  // yellow: its second

ChartView *makeScope(const char *name, double yMin, double yMax)
{
    auto *chart = new ChartView;
    chart->setObjectName(QLatin1String(name));
    StyleAsScope(chart, yMin, yMax);
    return chart;
}

void showValue(QLabel *label, StringGrid *table, int column, int row, std::optional<float> value)
{
    const QString text = value ? ShownValue(*value) : kNoValueText;
    label->setText(text);
    table->SetCell(column, row, text);
}

void addPoint(const SeriesRef &series, const QString &time, std::optional<float> value)
{
    // A missing value keeps its place as a gap, so every series stays in
    // step with the table's rows.
    const double y = value ? RoundToTenth(*value) : std::numeric_limits<double>::quiet_NaN();
    series.chart->AddY(series.index, y, time);
}

}  // namespace

LivePage::LivePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    Chart4 = makeScope("Chart4", 0, 75);
    Chart5 = makeScope("Chart5", 0, 100);
    Chart6 = makeScope("Chart6", 0, 100);
    Chart2 = makeScope("Chart2", -40, 50);
    Chart1 = makeScope("Chart1", 0, 160);
    Chart3 = makeScope("Chart3", 0, 1700);

    LineSeries3 = {Chart4, Chart4->AddSeries(kFirst)};   // THC
    Series11 = {Chart4, Chart4->AddSeries(kSecond)};     // WBGT
    LineSeries4 = {Chart5, Chart5->AddSeries(kFirst)};   // RH
    Series13 = {Chart6, Chart6->AddSeries(kFirst)};      // ta
    LineSeries5 = {Chart6, Chart6->AddSeries(kSecond)};  // tg
    Series12 = {Chart2, Chart2->AddSeries(kFirst)};      // tw
    Series14 = {Chart2, Chart2->AddSeries(kSecond)};     // td
    LineSeries1 = {Chart1, Chart1->AddSeries(kFirst)};   // tr
    LineSeries2 = {Chart3, Chart3->AddSeries(kFirst)};   // W

    auto *panel7 = new DigitPanel(QStringLiteral("ТНС, *С"), QStringLiteral("WBGT, *C"));
    auto *panel8 = new DigitPanel(QStringLiteral("RH, %"), QString());
    auto *panel9 = new DigitPanel(QStringLiteral("tв., *C"), QStringLiteral("tсф., *C"));
    auto *panel10 = new DigitPanel(QStringLiteral("tвл.тер., *С"), QStringLiteral("tточ.росы, *C"));
    auto *panel11 = new DigitPanel(QStringLiteral("tрад., *С"), QString());
    auto *panel12 = new DigitPanel(QStringLiteral("W, Вт/м2"), QString());
    Label25 = panel7->first();
    Label26 = panel7->second();
    Label23 = panel8->first();
    Label21 = panel9->first();
    Label22 = panel9->second();
    Label27 = panel10->first();
    Label28 = panel10->second();
    Label29 = panel11->first();
    Label30 = panel12->first();
    Label12 = panel7->firstCaption();
    Label13 = panel7->secondCaption();
    Label14 = panel8->firstCaption();
    Label15 = panel9->firstCaption();
    Label16 = panel9->secondCaption();
    Label17 = panel10->firstCaption();
    Label18 = panel10->secondCaption();
    Label19 = panel11->firstCaption();
    Label20 = panel12->firstCaption();
    const QList<std::pair<QLabel *, const char *>> names = {
        {Label21, "Label21"}, {Label22, "Label22"}, {Label23, "Label23"}, {Label25, "Label25"},
        {Label26, "Label26"}, {Label27, "Label27"}, {Label28, "Label28"}, {Label29, "Label29"},
        {Label30, "Label30"}};
    for (const auto &[label, name] : names)
        label->setObjectName(QLatin1String(name));

    auto *scopes = new QWidget;
    auto *grid = new QGridLayout(scopes);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(new ScopePanel(Chart4), 0, 0);
    grid->addWidget(new ScopePanel(Chart5), 0, 1);
    grid->addWidget(new ScopePanel(Chart6), 0, 2);
    grid->addWidget(panel7, 1, 0);
    grid->addWidget(panel8, 1, 1);
    grid->addWidget(panel9, 1, 2);
    grid->addWidget(new ScopePanel(Chart2), 2, 0);
    grid->addWidget(new ScopePanel(Chart1), 2, 1);
    grid->addWidget(new ScopePanel(Chart3), 2, 2);
    grid->addWidget(panel10, 3, 0);
    grid->addWidget(panel11, 3, 1);
    grid->addWidget(panel12, 3, 2);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(2, 1);

    StringGridD = new StringGrid(kRecordColumns, 2, 1, 0, 61);
    StringGridD->setObjectName(QStringLiteral("StringGridD"));
    StringGridD->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    stack_ = new QStackedWidget(this);
    stack_->addWidget(scopes);
    stack_->addWidget(StringGridD);

    ButtonStartStop = new QPushButton(QStringLiteral("Старт"), this);
    ButtonStartStop->setObjectName(QStringLiteral("ButtonStartStop"));
    ButtonStartStop->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(stack_, 1);
    layout->addWidget(ButtonStartStop);
}

void LivePage::ShowTable(bool shown) { stack_->setCurrentIndex(shown ? 1 : 0); }

bool LivePage::TableShown() const { return stack_->currentIndex() == 1; }

QList<ChartView *> LivePage::charts() const { return {Chart1, Chart2, Chart3, Chart4, Chart5, Chart6}; }

QList<SeriesRef> LivePage::seriesInColumnOrder() const
{
    return {LineSeries3, Series11, LineSeries4, Series13, LineSeries5, Series12, Series14, LineSeries1, LineSeries2};
}

void LivePage::ShowRecord(const MeasurementRecord &record, const std::function<void(AlarmQuantity)> &alarmCheck)
{
    const int row = StringGridD->RowCount() - 1;
    const QString &time = record.time;
    const DerivedIndices &d = record.derived;
    StringGridD->SetCell(0, row, time);

    showValue(Label21, StringGridD, 4, row, record.ta);
    addPoint(Series13, time, record.ta);
    alarmCheck(AlarmQuantity::AirTemperature);

    showValue(Label23, StringGridD, 3, row, record.RH);
    addPoint(LineSeries4, time, record.RH);
    alarmCheck(AlarmQuantity::Humidity);

    showValue(Label27, StringGridD, 6, row, d.tw);
    showValue(Label28, StringGridD, 7, row, d.td);
    addPoint(Series12, time, d.tw);
    addPoint(Series14, time, d.td);

    showValue(Label22, StringGridD, 5, row, record.tgColumn());
    addPoint(LineSeries5, time, record.tgColumn());
    alarmCheck(AlarmQuantity::GlobeTemperature);

    showValue(Label25, StringGridD, 1, row, d.THC);
    addPoint(LineSeries3, time, d.THC);
    showValue(Label26, StringGridD, 2, row, d.WBGT);
    addPoint(Series11, time, d.WBGT);

    showValue(Label29, StringGridD, 8, row, d.tr);
    addPoint(LineSeries1, time, d.tr);
    showValue(Label30, StringGridD, 9, row, d.W);
    addPoint(LineSeries2, time, d.W);

    StringGridD->SetRowCount(StringGridD->RowCount() + 1);
    StringGridD->scrollToBottom();
}

void LivePage::SlideWindows(int window)
{
    const std::pair<ChartView *, SeriesRef> followed[] = {{Chart1, LineSeries1}, {Chart2, Series12},
                                                          {Chart3, LineSeries2}, {Chart4, Series11},
                                                          {Chart5, LineSeries4}, {Chart6, Series13}};
    for (const auto &[chart, series] : followed) {
        const auto last = chart->LastX(series.index);
        if (!last)
            continue;
        chart->SetXRange(*last - window, *last);
        chart->Refresh();
    }
}

void LivePage::ClearDisplay()
{
    for (const SeriesRef &series : seriesInColumnOrder())
        series.chart->Clear(series.index);
    for (QLabel *label : {Label21, Label23, Label27, Label28, Label22, Label25, Label26, Label29, Label30})
        label->setText(QStringLiteral("0.0"));
    for (ChartView *chart : charts())
        chart->Refresh();
}

}  // namespace velt
