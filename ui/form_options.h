#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;

namespace velt {

// The settings window "Настройки".
class TFOptions : public QWidget {
    Q_OBJECT
public:
    explicit TFOptions(QWidget *parent = nullptr);

    QCheckBox *CheckBoxT = nullptr;
    QCheckBox *CheckBoxRH = nullptr;
    QCheckBox *CheckBoxV = nullptr;
    QPushButton *ButtonClose = nullptr;
};

}  // namespace velt
