#include "ui/logo_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace velt {

QPixmap LogoPicture(const QSize &size)
{
    QPixmap picture(size);
    const double w = size.width(), h = size.height();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x0b, 0x3d, 0x6e));
    sky.setColorAt(1, QColor(0x3f, 0x8f, 0xc9));
    p.fillRect(picture.rect(), sky);

    // The black globe of the instrument, lit from the upper left.
    const QPointF globe(w * 0.27, h * 0.45);
    const double r = h * 0.27;
    QRadialGradient shine(globe - QPointF(r * 0.35, r * 0.35), r * 1.3);
    shine.setColorAt(0, QColor(0x70, 0x70, 0x70));
    shine.setColorAt(0.35, QColor(0x1c, 0x1c, 0x1c));
    shine.setColorAt(1, Qt::black);
    p.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 2));
    p.setBrush(shine);
    p.drawEllipse(globe, r, r);

    // A thermometer beside it, its column red.
    const QRectF tube(w * 0.52, h * 0.14, w * 0.06, h * 0.52);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(tube, tube.width() / 2, tube.width() / 2);
    const QPointF bulb(tube.center().x(), tube.bottom() + tube.width() * 0.6);
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawEllipse(bulb, tube.width() * 0.85, tube.width() * 0.85);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(tube.center().x() - tube.width() * 0.18, tube.top() + tube.height() * 0.3,
                      tube.width() * 0.36, tube.height() * 0.75));
    p.setPen(QPen(Qt::white, 1.5));
    for (int i = 0; i < 6; ++i) {
        const double y = tube.top() + tube.height() * (0.15 + i * 0.13);
        p.drawLine(QPointF(tube.right() + 3, y), QPointF(tube.right() + (i % 2 ? 8 : 13), y));
    }

    // The name.
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(static_cast<int>(h * 0.15));
    name.setBold(true);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QRectF(w * 0.64, h * 0.2, w * 0.34, h * 0.26), Qt::AlignCenter, QStringLiteral("ВЕЛТ"));
    QFont sub = name;
    sub.setPixelSize(static_cast<int>(h * 0.09));
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRectF(w * 0.64, h * 0.46, w * 0.34, h * 0.14), Qt::AlignCenter, QStringLiteral("Монитор"));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(w * 0.05, h * 0.86), QPointF(w * 0.95, h * 0.86));
    sub.setPixelSize(static_cast<int>(h * 0.06));
    p.setFont(sub);
    p.drawText(QRectF(0, h * 0.87, w, h * 0.12), Qt::AlignCenter, QStringLiteral("RH · tв · tш · ТНС · WBGT"));
    return picture;
}

}  // namespace velt
