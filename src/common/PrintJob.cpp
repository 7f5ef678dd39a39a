#include "common/PrintJob.h"

#include "common/Dialogs.h"
#include "common/PainterCanvas.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace kelvra {

namespace {

QString whyItCannotStart(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QFileInfo file(printer.outputFileName());
        const QFileInfo folder(file.absolutePath());
        if (printer.outputFileName().isEmpty())
            return QStringLiteral("No file was named for the PDF.");
        if (!folder.isDir())
            return QStringLiteral("The folder %1 does not exist.").arg(folder.absoluteFilePath());
        return QStringLiteral("The file %1 cannot be written.").arg(file.absoluteFilePath());
    }
    return QStringLiteral("The printer %1 cannot be started.").arg(printer.printerName());
}

} // namespace

PrintResult runPrintJob(QWidget* parent, Dialogs& dialogs,
                        const std::function<void(PrintCanvas&)>& drawPages)
{
    QPrinter printer(QPrinter::HighResolution);
    const PrinterChoice choice = dialogs.choosePrinter(parent, printer);
    if (choice == PrinterChoice::Cancel)
        return PrintResult::Cancelled;
    // A file and the preview keep the resolution the pages were laid out for, so raw-dot
    // offsets land where they do on paper; a real printer keeps its own.
    if (printer.outputFormat() == QPrinter::PdfFormat || choice == PrinterChoice::Preview)
        printer.setResolution(600);
    if (choice == PrinterChoice::Preview) {
        dialogs.showPreview(parent, printer, [&drawPages](QPrinter& target) {
            QPainter painter;
            if (!painter.begin(&target))
                return;
            PainterCanvas canvas(painter, target);
            drawPages(canvas);
        });
        return PrintResult::Previewed;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs.error(parent, QStringLiteral("NOT PRINTED: ") + whyItCannotStart(printer));
        return PrintResult::Failed;
    }
    PainterCanvas canvas(painter, printer);
    drawPages(canvas);
    if (!painter.end() || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted) {
        dialogs.error(parent, QStringLiteral("NOT PRINTED: the printer did not finish the job."));
        return PrintResult::Failed;
    }
    dialogs.plain(parent, QStringLiteral("SENT TO PRINTER"));
    return PrintResult::Sent;
}

} // namespace kelvra
