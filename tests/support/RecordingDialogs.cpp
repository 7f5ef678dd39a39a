#include "support/RecordingDialogs.h"

#include <QPrinter>

#include <utility>

namespace kelvra::test {

DialogAnswer RecordingDialogs::show(QWidget*, DialogKind kind, const QString& text,
                                    DialogButtons buttons)
{
    m_boxes.append({kind, text, buttons});
    if (m_whileOpen)
        std::exchange(m_whileOpen, {})();
    return m_answers.isEmpty() ? DialogAnswer::Ok : m_answers.dequeue();
}

bool RecordingDialogs::useDefaultPrinter(QPrinter& printer)
{
    if (m_noDefaultPrinter)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    return true;
}

PrinterChoice RecordingDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    if (!setUpPrinter(parent, printer))
        return PrinterChoice::Cancel;
    return m_choosePreview ? PrinterChoice::Preview : PrinterChoice::Print;
}

void RecordingDialogs::showPreview(QWidget*, QPrinter& printer,
                                   const std::function<void(QPrinter&)>& paint)
{
    ++m_previews;
    paint(printer);
}

bool RecordingDialogs::setUpPrinter(QWidget*, QPrinter& printer)
{
    ++m_printerDialogs;
    if (m_cancelPrinter)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    return true;
}

QStringList RecordingDialogs::texts() const
{
    QStringList result;
    for (const Box& box : m_boxes)
        result.append(box.text);
    return result;
}

} // namespace kelvra::test
