#pragma once

#include "reports/statistics.h"

#include <QVector>
#include <QWidget>

#include <functional>

class QComboBox;
class QCPBars;
class QCustomPlot;
class QLabel;
class QPushButton;

namespace velt {

// The statistics window "Статистика": how the live readings of one quantity
// spread over ten classes, with the smallest and largest reading. It does
// not follow new readings by itself: it recomputes when shown, on "Обновить"
// and when another quantity is chosen.
class TFStat : public QWidget {
    Q_OBJECT
public:
    // The values of the live series behind entry 0, 1 or 2 of the list.
    using Source = std::function<QVector<double>(int entry)>;

    explicit TFStat(QWidget *parent = nullptr);
    void SetSource(Source source) { source_ = std::move(source); }

    QComboBox *ComboBoxStat = nullptr;
    QPushButton *ButtonStatReload = nullptr;
    QLabel *StaticTextMin = nullptr;
    QLabel *StaticTextMax = nullptr;
    QCustomPlot *ChartStat = nullptr;
    QCPBars *BarSeriesStat = nullptr;
    QPushButton *ButtonClose = nullptr;

    void UpdateStat();
    // What the chart shows now: bar values, labels and percent marks.
    const Statistics &shown() const { return shown_; }
    QStringList marks() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Source source_;
    Statistics shown_;
};

}  // namespace velt
