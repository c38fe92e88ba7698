#include "ui/chart_view.h"

#include <QMouseEvent>
#include <QRubberBand>

#include <cmath>
#include <limits>

namespace velt {

ChartView::ChartView(QWidget *parent) : QCustomPlot(parent)
{
    setInteractions({});
    setPlottingHints(QCP::phCacheLabels | QCP::phFastPolylines);
    setNoAntialiasingOnDrag(true);
    xAxis->setRange(0, 100);
    yAxis->setRange(0, 100);
    band_ = new QRubberBand(QRubberBand::Rectangle, this);
}

int ChartView::AddSeries(const QColor &colour, int lineWidth, bool markers)
{
    Series s;
    s.graph = addGraph();
    s.graph->setPen(QPen(colour, lineWidth));
    s.graph->setAdaptiveSampling(true);
    if (markers)
        s.graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, colour, colour, 3));
    series_.push_back(s);
    return static_cast<int>(series_.size()) - 1;
}

const ChartView::Series &ChartView::at(int series) const { return series_.at(series); }

void ChartView::AddXY(int series, double x, double y, const QString &label)
{
    Series &s = series_[series];
    s.graph->addData(x, y);
    s.labels.push_back(label);
}

void ChartView::AddY(int series, double y, const QString &label) { AddXY(series, Count(series), y, label); }

void ChartView::Clear(int series)
{
    Series &s = series_[series];
    s.graph->data()->clear();
    s.labels.clear();
}

int ChartView::Count(int series) const { return at(series).graph->data()->size(); }

std::optional<double> ChartView::LastX(int series) const
{
    const auto data = at(series).graph->data();
    if (data->isEmpty())
        return std::nullopt;
    return (data->constEnd() - 1)->key;
}

double ChartView::XValue(int series, int index) const { return at(series).graph->data()->at(index)->key; }

double ChartView::YValue(int series, int index) const { return at(series).graph->data()->at(index)->value; }

QString ChartView::Label(int series, int index) const { return at(series).labels.value(index); }

std::optional<double> ChartView::MinY(int series) const
{
    bool found = false;
    const QCPRange range = at(series).graph->data()->valueRange(found);
    return found ? std::optional<double>(range.lower) : std::nullopt;
}

std::optional<double> ChartView::MaxY(int series) const
{
    bool found = false;
    const QCPRange range = at(series).graph->data()->valueRange(found);
    return found ? std::optional<double>(range.upper) : std::nullopt;
}

void ChartView::SetActive(int series, bool active) { series_[series].graph->setVisible(active); }

bool ChartView::Active(int series) const { return at(series).graph->visible(); }

QColor ChartView::Colour(int series) const { return at(series).graph->pen().color(); }

void ChartView::SetXRange(double minimum, double maximum) { xAxis->setRange(minimum, maximum); }

void ChartView::SetYRange(double minimum, double maximum) { yAxis->setRange(minimum, maximum); }

QCPRange ChartView::XRange() const { return xAxis->range(); }

QCPRange ChartView::YRange() const { return yAxis->range(); }

namespace {

// Ticks at the points of one graph, thinned so that their labels stand side
// by side without overlapping; each labelled by its point's index.
class PointLabelTicker : public QCPAxisTicker {
public:
    PointLabelTicker(QCPGraph *graph, QCPAxis *axis, std::function<QString(int)> provider)
        : graph_(graph), axis_(axis), provider_(std::move(provider))
    {
    }

    void generate(const QCPRange &range, const QLocale &, QChar, int, QVector<double> &ticks,
                  QVector<double> *subTicks, QVector<QString> *tickLabels) override
    {
        ticks.clear();
        if (subTicks)
            subTicks->clear();
        if (tickLabels)
            tickLabels->clear();
        const auto data = graph_->data();
        const auto begin = data->findBegin(range.lower, false);
        const auto end = data->findEnd(range.upper, false);
        const int inRange = static_cast<int>(end - begin);
        if (inRange <= 0)
            return;
        constexpr int kLabelWidth = 95;  // "23:59 31.12.99" and a gap
        const int fit = std::max(1, axis_->axisRect()->width() / kLabelWidth);
        const int step = std::max(1, (inRange + fit - 1) / fit);
        for (auto it = begin; it < end; it += step) {
            ticks << it->key;
            if (tickLabels)
                tickLabels->append(provider_(static_cast<int>(it - data->constBegin())));
        }
    }

private:
    QCPGraph *graph_;
    QCPAxis *axis_;
    std::function<QString(int)> provider_;
};

}  // namespace

void ChartView::SetBottomLabelsFrom(int series, std::function<QString(int)> provider)
{
    if (!provider)
        provider = [this, series](int index) { return Label(series, index); };
    xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new PointLabelTicker(at(series).graph, xAxis, std::move(provider))));
}

void ChartView::SetColour(int series, const QColor &colour)
{
    QCPGraph *graph = series_[series].graph;
    QPen pen = graph->pen();
    pen.setColor(colour);
    graph->setPen(pen);
    QCPScatterStyle markers = graph->scatterStyle();
    if (!markers.isNone()) {
        markers.setPen(QPen(colour));
        markers.setBrush(colour);
        graph->setScatterStyle(markers);
    }
}

void ChartView::FitXTo(int series)
{
    const auto data = at(series).graph->data();
    if (data->isEmpty() || Zoomed())
        return;
    const double first = data->constBegin()->key;
    const double last = (data->constEnd() - 1)->key;
    xAxis->setRange(first, last > first ? last : first + 1);
}

void ChartView::Refresh() { replot(QCustomPlot::rpQueuedReplot); }

void ChartView::ZoomOrRestore(const QPoint &from, const QPoint &to)
{
    if (to.x() > from.x() && to.y() > from.y()) {
        if (!home_)
            home_ = Ranges{xAxis->range(), yAxis->range()};
        xAxis->setRange(xAxis->pixelToCoord(from.x()), xAxis->pixelToCoord(to.x()));
        yAxis->setRange(yAxis->pixelToCoord(to.y()), yAxis->pixelToCoord(from.y()));
    } else if (to.x() < from.x() && to.y() < from.y() && home_) {
        xAxis->setRange(home_->x);
        yAxis->setRange(home_->y);
        home_.reset();
    }
    Refresh();
}

void ChartView::ScrollBy(const QPoint &delta)
{
    const double dx = xAxis->pixelToCoord(0) - xAxis->pixelToCoord(delta.x());
    const double dy = yAxis->pixelToCoord(0) - yAxis->pixelToCoord(delta.y());
    xAxis->moveRange(dx);
    yAxis->moveRange(dy);
    Refresh();
}

void ChartView::mousePressEvent(QMouseEvent *event)
{
    pressAt_ = event->pos();
    dragButton_ = event->button();
    if (dragButton_ == Qt::LeftButton) {
        band_->setGeometry(QRect(pressAt_, QSize()));
        band_->show();
    }
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent *event)
{
    if (dragButton_ == Qt::LeftButton) {
        band_->setGeometry(QRect(pressAt_, event->pos()).normalized());
    } else if (dragButton_ == Qt::RightButton) {
        ScrollBy(event->pos() - pressAt_);
        pressAt_ = event->pos();
    }
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragButton_ == Qt::LeftButton) {
        band_->hide();
        ZoomOrRestore(pressAt_, event->pos());
    }
    dragButton_ = Qt::NoButton;
    event->accept();
}

}  // namespace velt
