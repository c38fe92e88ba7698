#pragma once

#include <QWidget>

namespace velt {

// The splash window: shown at start, hidden on any click.
class TFLogo : public QWidget {
    Q_OBJECT
public:
    explicit TFLogo(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

}  // namespace velt
