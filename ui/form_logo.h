#pragma once

#include <QWidget>

class QLabel;

namespace velt {

// The splash window: the logo and four text blocks about the program. It is
// shown at start and hidden on any click.
class TFLogo : public QWidget {
    Q_OBJECT
public:
    explicit TFLogo(QWidget *parent = nullptr);

    QLabel *ImageVELT = nullptr;
    QLabel *Memo1 = nullptr;
    QLabel *Memo2 = nullptr;
    QLabel *Memo3 = nullptr;
    QLabel *Memo4 = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

}  // namespace velt
