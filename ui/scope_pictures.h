#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;

namespace velt {

class ChartView;

// The screen of an oscilloscope: a dark cyan graticule of 10 x 8 squares
// with dotted centre lines and small marks along them.
QPixmap GraticulePicture(const QSize &size);

// A chart in the bezel of an oscilloscope screen, in a lowered panel.
class ScopePanel : public QFrame {
    Q_OBJECT
public:
    explicit ScopePanel(ChartView *chart, QWidget *parent = nullptr);
    ChartView *chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartView *chart_;
};

// A live chart as the monitoring page shows it: the graticule behind the
// lines, no axes, title, legend or frame, a fixed vertical range.
void StyleAsScope(ChartView *chart, double yMin, double yMax);

// A lowered panel with one or two captions on the left and one or two large
// seven-segment readouts on the right, the first red, the second yellow.
class DigitPanel : public QFrame {
    Q_OBJECT
public:
    DigitPanel(const QString &firstCaption, const QString &secondCaption, QWidget *parent = nullptr);
    QLabel *first() const { return first_; }
    QLabel *second() const { return second_; }
    QLabel *firstCaption() const { return firstCaption_; }
    QLabel *secondCaption() const { return secondCaption_; }

private:
    QLabel *first_ = nullptr;
    QLabel *second_ = nullptr;
    QLabel *firstCaption_ = nullptr;
    QLabel *secondCaption_ = nullptr;
};

inline const QString kDigitFace = QStringLiteral("Digital Readout Thick Upright");

}  // namespace velt
