#include "ui/clock_spin_edit.h"

namespace velt {

ClockSpinEdit::ClockSpinEdit(int low, int high, QWidget *parent) : QSpinBox(parent)
{
    setRange(low, high);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State ClockSpinEdit::validate(QString &input, int &) const
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QValidator::Intermediate;
    for (QChar c : text)
        if (!c.isDigit())
            return QValidator::Invalid;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void ClockSpinEdit::fixup(QString &input) const
{
    bool ok = false;
    const long long value = input.trimmed().toLongLong(&ok);
    if (!ok)
        input = QString::number(minimum());
    else
        input = QString::number(std::clamp<long long>(value, minimum(), maximum()));
}

}  // namespace velt
