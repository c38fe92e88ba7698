#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;
class QStackedWidget;

namespace velt {

class ChartView;
class StringGrid;

// The page "Дата логгер": the chosen logged quantity as a chart, the logger
// table over it on demand, and the download button.
class LoggerPage : public QWidget {
    Q_OBJECT
public:
    explicit LoggerPage(QWidget *parent = nullptr);

    QComboBox *ComboBoxZ;
    ChartView *ChartValue;
    // Series1..Series10 of ChartValue, by number.
    int Series(int number) const { return number - 1; }
    QPushButton *ButtonZagruzit;
    StringGrid *StringGridL;

    void ShowTable(bool shown);
    bool TableShown() const;

private:
    QStackedWidget *stack_;
};

}  // namespace velt
