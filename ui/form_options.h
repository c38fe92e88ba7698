#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace velt {

class ChartView;

// The settings window "Настройки": alarm limits and sound, the logger
// chart's vertical range, the live charts' window width, the read interval
// and the scheduled measurement. The monitoring reads its controls directly.
class TFOptions : public QWidget {
    Q_OBJECT
public:
    explicit TFOptions(QWidget *parent = nullptr);

    // What the sliders act on: the logger chart and the read timer.
    void Attach(ChartView *chartValue, QTimer *timerInterval);

    QCheckBox *CheckBoxT, *CheckBoxRH, *CheckBoxV, *CheckBoxBeep;
    QLineEdit *EditTmin, *EditTmax, *EditRHmin, *EditRHmax, *EditVmin, *EditVmax;
    QSlider *TrackBarYMax, *TrackBarYMin, *TrackBarXKol, *TrackBarInterv;
    QLabel *StaticTextYMax, *StaticTextYMin, *StaticTextXKol, *LabelInterv;
    QCheckBox *CheckBoxTimer;
    QLineEdit *MaskEditTimeN, *MaskEditTimeK;
    QPushButton *ButtonClose;

    void TrackBarYMaxChange();
    void TrackBarYMinChange();
    void TrackBarXKolChange();
    void TrackBarIntervChange();

private:
    QWidget *buildLimits();
    QWidget *buildScale();
    QWidget *buildInterval();
    QWidget *buildSchedule();

    ChartView *chartValue_ = nullptr;
    QTimer *timerInterval_ = nullptr;
};

// Marks a limit edit whose text is not a number, so the user sees why it
// will not sound.
void ShowLimitValidity(QLineEdit *edit);

}  // namespace velt
