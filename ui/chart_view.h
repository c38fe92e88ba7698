#pragma once

#include <qcustomplot.h>

#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class QRubberBand;

namespace velt {

// A line chart with the operations the program uses on its charts: numbered
// series of points that carry an X, a Y, a label and the series' colour; the
// point count, the last X, a point's value and label, the smallest and
// largest Y; fixed axis ranges; mouse zoom and scroll:
//  - drag with the left button from upper left to lower right: zoom into
//    the rectangle; drag towards the upper left: back to the ranges before
//    the first zoom;
//  - drag with the right button: scroll.
// Only the visible points are drawn, so adding a point and repainting cost
// the same at thirty thousand points as at a hundred.
class ChartView : public QCustomPlot {
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    int AddSeries(const QColor &colour, int lineWidth = 2, bool markers = false);
    int SeriesCount() const { return static_cast<int>(series_.size()); }

    void AddXY(int series, double x, double y, const QString &label);
    // Appends with X = the number of points the series held before.
    void AddY(int series, double y, const QString &label);
    void Clear(int series);
    int Count(int series) const;
    std::optional<double> LastX(int series) const;
    double XValue(int series, int index) const;
    double YValue(int series, int index) const;
    QString Label(int series, int index) const;
    std::optional<double> MinY(int series) const;
    std::optional<double> MaxY(int series) const;
    void SetActive(int series, bool active);
    bool Active(int series) const;
    QColor Colour(int series) const;

    void SetXRange(double minimum, double maximum);
    void SetYRange(double minimum, double maximum);
    QCPRange XRange() const;
    QCPRange YRange() const;
    bool Zoomed() const { return home_.has_value(); }

    // The bottom axis shows, at points of the series, the text the provider
    // gives for the point's index (the point's own label when empty), as
    // many as fit side by side.
    void SetBottomLabelsFrom(int series, std::function<QString(int index)> provider = {});
    void SetColour(int series, const QColor &colour);
    // The bottom axis from the first to the last point of the series.
    void FitXTo(int series);

    // Repaints at the next turn of the event loop; many calls, one repaint.
    void Refresh();

    // Mouse zoom and scroll, in widget pixels (the mouse handlers call these).
    void ZoomOrRestore(const QPoint &from, const QPoint &to);
    void ScrollBy(const QPoint &delta);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Series {
        QCPGraph *graph = nullptr;
        QVector<QString> labels;
    };
    struct Ranges {
        QCPRange x, y;
    };
    const Series &at(int series) const;

    QVector<Series> series_;
    std::optional<Ranges> home_;
    QRubberBand *band_ = nullptr;
    QPoint pressAt_;
    Qt::MouseButton dragButton_ = Qt::NoButton;
};

}  // namespace velt
