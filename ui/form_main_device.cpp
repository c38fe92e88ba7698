// The main window's exchanges with the meter's memory cells and clock.

#include "link/post.h"
#include "logger/device_clock.h"
#include "logger/memory_cells.h"
#include "ui/form_main.h"
#include "ui/status_panels.h"
#include "ui/string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSpinBox>

namespace velt {

void TFMain::ButtonReadMemoClick()
{
    const std::int8_t deviceType = DeviceType;
    link_->Run(
        [this, deviceType](SerialLink &link) {
            PostTo(this, [this] { StatusBar->SetText(3, kTextMemoryReading); });
            ReadMemoryCells(link, deviceType, [this](int row, int column, const QString &text) {
                PostTo(this, [this, row, column, text] { StringGridM->SetCell(column, row, text); });
            });
        },
        [this](ExchangeResult result) { StatusBar->SetText(3, result.ok() ? kTextMemoryDone : result.statusText); });
}

void TFMain::Button1Click()
{
    QGuiApplication::clipboard()->setText(ClipboardText(StringGridM->grid().Rows()));
}

void TFMain::ButtonSaveClick()
{
    // A field still being edited counts with what it shows once corrected.
    for (QSpinBox *field : {CSpinEditChas, CSpinEditMin, CSpinEditDen, CSpinEditMes, CSpinEditGod})
        field->interpretText();
    const ClockFields fields{CSpinEditChas->value(), CSpinEditMin->value(), CSpinEditDen->value(),
                             CSpinEditMes->value(), CSpinEditGod->value()};
    link_->Run(
        [this, fields](SerialLink &link) {
            PostTo(this, [this] { StatusBar->SetText(3, kTextClockWriting); });
            SetMeterClock(link, fields);
        },
        [this](ExchangeResult result) { StatusBar->SetText(3, result.ok() ? kTextClockDone : result.statusText); });
}

}  // namespace velt
