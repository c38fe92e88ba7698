#include "ui/scope_pictures.h"

#include "ui/chart_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace velt {

namespace {
constexpr int kColumns = 10;
constexpr int kRows = 8;
const QColor kScreen(0x00, 0x30, 0x36);
const QColor kGrid(0x1f, 0x7a, 0x80);
const QColor kCentre(0x4f, 0xb8, 0xbc);
}  // namespace

QPixmap GraticulePicture(const QSize &size)
{
    QPixmap picture(size.expandedTo(QSize(kColumns * 4, kRows * 4)));
    picture.fill(kScreen);
    QPainter p(&picture);
    const double w = picture.width() - 1, h = picture.height() - 1;
    p.setPen(QPen(kGrid, 1));
    for (int c = 0; c <= kColumns; ++c)
        p.drawLine(QPointF(w * c / kColumns, 0), QPointF(w * c / kColumns, h));
    for (int r = 0; r <= kRows; ++r)
        p.drawLine(QPointF(0, h * r / kRows), QPointF(w, h * r / kRows));

    QPen dotted(kCentre, 1, Qt::DotLine);
    p.setPen(dotted);
    p.drawLine(QPointF(w / 2, 0), QPointF(w / 2, h));
    p.drawLine(QPointF(0, h / 2), QPointF(w, h / 2));
    // Five marks to a square along both centre lines.
    p.setPen(QPen(kCentre, 1));
    for (int i = 0; i <= kColumns * 5; ++i) {
        const double x = w * i / (kColumns * 5);
        p.drawLine(QPointF(x, h / 2 - 2), QPointF(x, h / 2 + 2));
    }
    for (int i = 0; i <= kRows * 5; ++i) {
        const double y = h * i / (kRows * 5);
        p.drawLine(QPointF(w / 2 - 2, y), QPointF(w / 2 + 2, y));
    }
    return picture;
}

void StyleAsScope(ChartView *chart, double yMin, double yMax)
{
    chart->xAxis->setVisible(false);
    chart->yAxis->setVisible(false);
    chart->axisRect()->setAutoMargins(QCP::msNone);
    chart->axisRect()->setMargins(QMargins(0, 0, 0, 0));
    chart->axisRect()->setBackground(GraticulePicture(QSize(186, 152)), true, Qt::IgnoreAspectRatio);
    chart->setBackground(QBrush(kScreen));
    chart->SetYRange(yMin, yMax);
    chart->SetXRange(0, 100);
}

ScopePanel::ScopePanel(ChartView *chart, QWidget *parent) : QFrame(parent), chart_(chart)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(214, 176);
    auto *layout = new QVBoxLayout(this);
    // The screen sits in the bezel as on the instrument: 14 px at the sides,
    // 11 px above and below.
    layout->setContentsMargins(14 + frameWidth(), 11 + frameWidth(), 14 + frameWidth(), 11 + frameWidth());
    chart->setParent(this);
    layout->addWidget(chart);
}

void ScopePanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(contentsRect()).adjusted(1, 1, -1, -1);
    QLinearGradient metal(outer.topLeft(), outer.bottomLeft());
    metal.setColorAt(0, QColor(0x6a, 0x6e, 0x72));
    metal.setColorAt(0.5, QColor(0x3a, 0x3d, 0x40));
    metal.setColorAt(1, QColor(0x24, 0x26, 0x28));
    p.setPen(QPen(QColor(0x18, 0x18, 0x18), 1));
    p.setBrush(metal);
    p.drawRoundedRect(outer, 10, 10);
    // The screen's recess, slightly larger than the chart.
    const QRectF screen = QRectF(chart_->geometry()).adjusted(-3, -3, 3, 3);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2));
    p.setBrush(QColor(0x0a, 0x0a, 0x0a));
    p.drawRoundedRect(screen, 5, 5);
}

DigitPanel::DigitPanel(const QString &firstCaption, const QString &secondCaption, QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(14, 4, 14, 4);
    grid->setVerticalSpacing(2);

    QFont captionFont = font();
    captionFont.setBold(true);
    QFont digits(kDigitFace);
    digits.setPixelSize(24);
    digits.setBold(true);

    auto addRow = [&](int row, const QString &caption, const QColor &colour, QLabel *&captionLabel) {
        auto *label = new QLabel(caption, this);
        captionLabel = label;
        label->setFont(captionFont);
        auto *readout = new QLabel(QStringLiteral("0.0"), this);
        readout->setFont(digits);
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        readout->setMinimumWidth(110);
        // Dark behind the digits: yellow on the panel's grey would not read.
        readout->setStyleSheet(QStringLiteral("QLabel { color: %1; background: #101418; padding: 1px 4px; }")
                                   .arg(colour.name()));
        grid->addWidget(label, row, 0);
        grid->addWidget(readout, row, 1);
        return readout;
    };
    first_ = addRow(0, firstCaption, QColor(255, 0, 0), firstCaption_);
    if (!secondCaption.isEmpty())
        second_ = addRow(1, secondCaption, QColor(255, 255, 0), secondCaption_);
    grid->setColumnStretch(0, 1);
}

}  // namespace velt
