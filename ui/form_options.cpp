#include "ui/form_options.h"

#include "measure/alarm.h"
#include "ui/chart_view.h"
#include "ui/form_main.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace velt {

namespace {

QSlider *makeTrackBar(const char *name, int low, int high, int position, int tick, QSlider::TickPosition side)
{
    auto *bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(low, high);
    bar->setValue(position);
    bar->setTickInterval(tick);
    bar->setTickPosition(side);
    bar->setPageStep(tick);
    return bar;
}

QLabel *makeStaticText(const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(45);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLineEdit *makeLimitEdit(const char *name)
{
    auto *edit = new QLineEdit(QStringLiteral("0.0"));
    edit->setObjectName(QLatin1String(name));
    edit->setMaximumWidth(60);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { ShowLimitValidity(edit); });
    return edit;
}

QLineEdit *makeTimeEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    // Hours with an optional first digit, then minutes.
    edit->setInputMask(QStringLiteral("09:99;_"));
    edit->setMaximumWidth(60);
    return edit;
}

}  // namespace

void ShowLimitValidity(QLineEdit *edit)
{
    const bool valid = ParseLimit(edit->text()).has_value();
    edit->setStyleSheet(valid ? QString() : QStringLiteral("QLineEdit { background: #ffd0d0; }"));
    edit->setToolTip(valid ? QString() : QStringLiteral("Не число: этот предел не проверяется"));
    edit->setProperty("limitValid", valid);
}

TFOptions::TFOptions(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FOptions"));
    setWindowTitle(QStringLiteral("Настройки"));

    ButtonClose = new QPushButton(QStringLiteral("Закрыть"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildLimits());
    layout->addWidget(buildScale());
    layout->addWidget(buildInterval());
    layout->addWidget(buildSchedule());
    layout->addWidget(ButtonClose);

    connect(TrackBarYMax, &QSlider::valueChanged, this, &TFOptions::TrackBarYMaxChange);
    connect(TrackBarYMin, &QSlider::valueChanged, this, &TFOptions::TrackBarYMinChange);
    connect(TrackBarXKol, &QSlider::valueChanged, this, &TFOptions::TrackBarXKolChange);
    connect(TrackBarInterv, &QSlider::valueChanged, this, &TFOptions::TrackBarIntervChange);
    setMinimumWidth(298);
}

QWidget *TFOptions::buildLimits()
{
    auto *group = new QGroupBox(QStringLiteral("Критические уровни"), this);
    group->setObjectName(QStringLiteral("GroupBox5"));
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("min")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("max")), 0, 2, Qt::AlignCenter);
    CheckBoxT = new QCheckBox(QStringLiteral("tв."));
    CheckBoxRH = new QCheckBox(QStringLiteral("RH"));
    CheckBoxV = new QCheckBox(QStringLiteral("tш."));
    CheckBoxT->setObjectName(QStringLiteral("CheckBoxT"));
    CheckBoxRH->setObjectName(QStringLiteral("CheckBoxRH"));
    CheckBoxV->setObjectName(QStringLiteral("CheckBoxV"));
    EditTmin = makeLimitEdit("EditTmin");
    EditTmax = makeLimitEdit("EditTmax");
    EditRHmin = makeLimitEdit("EditRHmin");
    EditRHmax = makeLimitEdit("EditRHmax");
    EditVmin = makeLimitEdit("EditVmin");
    EditVmax = makeLimitEdit("EditVmax");
    const std::tuple<QCheckBox *, QLineEdit *, QLineEdit *> rows[] = {
        {CheckBoxT, EditTmin, EditTmax}, {CheckBoxRH, EditRHmin, EditRHmax}, {CheckBoxV, EditVmin, EditVmax}};
    int row = 1;
    for (const auto &[box, low, high] : rows) {
        grid->addWidget(box, row, 0);
        grid->addWidget(low, row, 1);
        grid->addWidget(high, row, 2);
        ++row;
    }
    CheckBoxBeep = new QCheckBox(QStringLiteral("звуковая индикация"));
    CheckBoxBeep->setObjectName(QStringLiteral("CheckBoxBeep"));
    grid->addWidget(CheckBoxBeep, row, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget *TFOptions::buildScale()
{
    auto *group = new QGroupBox(QStringLiteral("Масштаб"), this);
    group->setObjectName(QStringLiteral("GroupBox4"));
    auto *grid = new QGridLayout(group);
    TrackBarYMax = makeTrackBar("TrackBarYMax", 1, 100, 100, 2, QSlider::TicksAbove);
    TrackBarYMin = makeTrackBar("TrackBarYMin", 0, 99, 0, 2, QSlider::TicksBelow);
    TrackBarXKol = makeTrackBar("TrackBarXKol", 100, 500, 100, 10, QSlider::TicksBelow);
    StaticTextYMax = makeStaticText("StaticTextYMax", QStringLiteral("Max 100"));
    StaticTextYMin = makeStaticText("StaticTextYMin", QStringLiteral("Min 0"));
    StaticTextXKol = makeStaticText("StaticTextXKol", QStringLiteral("Kol 100"));
    grid->addWidget(new QLabel(QStringLiteral("Y")), 0, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(StaticTextYMax, 1, 0);
    grid->addWidget(TrackBarYMax, 1, 1);
    grid->addWidget(StaticTextYMin, 2, 0);
    grid->addWidget(TrackBarYMin, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("X")), 3, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(StaticTextXKol, 4, 0);
    grid->addWidget(TrackBarXKol, 4, 1);
    return group;
}

QWidget *TFOptions::buildInterval()
{
    auto *group = new QGroupBox(QStringLiteral("Интервал"), this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    auto *grid = new QGridLayout(group);
    LabelInterv = new QLabel(QStringLiteral("Интервал измерений, 3 сек."));
    LabelInterv->setObjectName(QStringLiteral("LabelInterv"));
    TrackBarInterv = makeTrackBar("TrackBarInterv", 3, 600, 3, 9, QSlider::TicksBelow);
    grid->addWidget(LabelInterv, 0, 0, 1, 3, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("3")), 1, 0);
    grid->addWidget(TrackBarInterv, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("600")), 1, 2);
    return group;
}

QWidget *TFOptions::buildSchedule()
{
    auto *group = new QGroupBox(QStringLiteral("Таймер"), this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    auto *grid = new QGridLayout(group);
    CheckBoxTimer = new QCheckBox(QStringLiteral("Вкл./Выкл."));
    CheckBoxTimer->setObjectName(QStringLiteral("CheckBoxTimer"));
    MaskEditTimeN = makeTimeEdit("MaskEditTimeN");
    MaskEditTimeK = makeTimeEdit("MaskEditTimeK");
    grid->addWidget(CheckBoxTimer, 0, 0, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Начало измерений")), 0, 1);
    grid->addWidget(MaskEditTimeN, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Конец измерений")), 1, 1);
    grid->addWidget(MaskEditTimeK, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

void TFOptions::Attach(ChartView *chartValue, QTimer *timerInterval)
{
    chartValue_ = chartValue;
    timerInterval_ = timerInterval;
}

void TFOptions::TrackBarYMaxChange()
{
    if (TrackBarYMax->value() > TrackBarYMin->value()) {
        if (chartValue_) {
            chartValue_->SetYRange(chartValue_->YRange().lower, TrackBarYMax->value());
            chartValue_->Refresh();
        }
        StaticTextYMax->setText(QStringLiteral("Max %1").arg(TrackBarYMax->value()));
    } else {
        TrackBarYMax->setValue(TrackBarYMax->value() + 1);
    }
}

void TFOptions::TrackBarYMinChange()
{
    if (TrackBarYMax->value() > TrackBarYMin->value()) {
        if (chartValue_) {
            chartValue_->SetYRange(TrackBarYMin->value(), chartValue_->YRange().upper);
            chartValue_->Refresh();
        }
        StaticTextYMin->setText(QStringLiteral("Min %1").arg(TrackBarYMin->value()));
    } else {
        TrackBarYMin->setValue(TrackBarYMin->value() - 1);
    }
}

void TFOptions::TrackBarXKolChange()
{
    ChartWindow = TrackBarXKol->value();
    StaticTextXKol->setText(QStringLiteral("Kol %1").arg(TrackBarXKol->value()));
}

void TFOptions::TrackBarIntervChange()
{
    const int seconds = TrackBarInterv->value();
    if (timerInterval_) {
        if (timerInterval_->isActive())
            timerInterval_->start(seconds * 1000);  // counts anew from now
        else
            timerInterval_->setInterval(seconds * 1000);
    }
    // The unit after a change is written in Latin letters, as it always was.
    LabelInterv->setText(QStringLiteral("Интервал измерений, %1 cek.").arg(seconds));
}

}  // namespace velt
