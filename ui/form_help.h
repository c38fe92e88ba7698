#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace velt {

// The help window "Помощь" with the user instructions.
class TFHelp : public QWidget {
    Q_OBJECT
public:
    explicit TFHelp(QWidget *parent = nullptr);

    QPlainTextEdit *Memo = nullptr;
    QPushButton *ButtonCloseHelp = nullptr;
};

}  // namespace velt
