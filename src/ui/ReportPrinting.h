#pragma once

#include "platform/PrinterDevice.h"
#include "ui/UiContext.h"

class QWidget;

namespace corbel::ui {

// A window's Print: the print dialog, then the report on the printer chosen
// there; a printer that fails shows its message. Cancel prints nothing.
void PrintWithDialog(QWidget* window, const UiContext& context, const ReportJob& job);

}  // namespace corbel::ui
