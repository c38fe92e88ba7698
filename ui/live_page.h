#pragma once

#include "measure/measurement_record.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace velt {

class ChartView;
class StringGrid;

// One line series on one chart.
struct SeriesRef {
    ChartView *chart = nullptr;
    int index = -1;
};

// The measured quantities that have alarm limits.
enum class AlarmQuantity { AirTemperature, Humidity, GlobeTemperature };

// The page "Текущие показания": six charts with their digit panels, the
// live table over them on demand, and the Start button.
class LivePage : public QWidget {
    Q_OBJECT
public:
    explicit LivePage(QWidget *parent = nullptr);

    ChartView *Chart1, *Chart2, *Chart3, *Chart4, *Chart5, *Chart6;
    SeriesRef LineSeries1, LineSeries2, LineSeries3, LineSeries4, LineSeries5;
    SeriesRef Series11, Series12, Series13, Series14;
    QLabel *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20;
    QLabel *Label21, *Label22, *Label23, *Label25, *Label26, *Label27, *Label28, *Label29, *Label30;
    QPushButton *ButtonStartStop;
    StringGrid *StringGridD;

    // The live table over the charts and digit panels, or the charts.
    void ShowTable(bool shown);
    bool TableShown() const;

    // One reading into the labels, the table's last row and the charts, in
    // the order the monitoring has always used; alarmCheck runs right after
    // its quantity is shown. Then the table grows by one empty row.
    void ShowRecord(const MeasurementRecord &record, const std::function<void(AlarmQuantity)> &alarmCheck);
    // Every chart shows its newest point at the right edge and window points
    // before it.
    void SlideWindows(int window);
    // "Очистить": every point gone, the readouts back to 0.0; the table stays.
    void ClearDisplay();

    QList<ChartView *> charts() const;
    // The nine series in the order of the record's columns 1..9.
    QList<SeriesRef> seriesInColumnOrder() const;

private:
    QStackedWidget *stack_;
};

}  // namespace velt
