#pragma once

#include <QSpinBox>

namespace velt {

// A clock field: a value typed out of range is pulled to the nearest bound
// when the field loses focus, and a text that is not a number reads as the
// minimum, so what is sent is always what the field then shows.
class ClockSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    ClockSpinEdit(int low, int high, QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

}  // namespace velt
