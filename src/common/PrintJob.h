#pragma once

#include <functional>

class QWidget;

namespace kelvra {

class Dialogs;
class PrintCanvas;

enum class PrintResult
{
    Cancelled,
    Failed,
    Sent,
    Previewed
};

// One print job: the printer dialog (its "Print to File" writes a PDF at 600 dpi; its Preview
// button shows the pages on the screen at 600 dpi), the pages drawn by `drawPages`, then
// "SENT TO PRINTER" — or, when the printer cannot start or finish, an error box with the
// reason and never "SENT TO PRINTER". Cancelling says nothing.
PrintResult runPrintJob(QWidget* parent, Dialogs& dialogs,
                        const std::function<void(PrintCanvas&)>& drawPages);

} // namespace kelvra
