#include "common/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace kelvra {

namespace {

QMessageBox::Icon iconFor(DialogKind kind)
{
    switch (kind) {
    case DialogKind::Information:
        return QMessageBox::Information;
    case DialogKind::Warning:
        return QMessageBox::Warning;
    case DialogKind::Error:
        return QMessageBox::Critical;
    case DialogKind::Confirmation:
        return QMessageBox::Question;
    case DialogKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

DialogAnswer QtDialogs::show(QWidget* parent, DialogKind kind, const QString& text,
                             DialogButtons buttons)
{
    // Texts joined by CR LF or by a lone CR show as lines (a label shows a lone CR as nothing).
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == DialogButtons::OkCancel)
        standard = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == DialogButtons::YesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(iconFor(kind), QApplication::applicationName(), shown, standard, parent);
    // Qt would make No the Escape button; Escape and the close box must not destroy anything.
    if (buttons == DialogButtons::YesNo)
        box.setEscapeButton(QMessageBox::Yes);
    // Parented to its window, the box shows above it without floating above other programs.
    switch (box.exec()) {
    case QMessageBox::Ok:
        return DialogAnswer::Ok;
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    case QMessageBox::Cancel:
        return DialogAnswer::Cancel;
    default:
        return buttons == DialogButtons::YesNo ? DialogAnswer::Dismissed : DialogAnswer::Cancel;
    }
}

bool QtDialogs::useDefaultPrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return true;
}

PrinterChoice QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    // The printer dialog carries a Preview button beside Print and Cancel; "Print to File
    // (PDF)" among its printers writes a PDF.
    constexpr int previewResult = 2;
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* preview =
            buttons->addButton(QStringLiteral("Pre&view"), QDialogButtonBox::ActionRole);
        QObject::connect(preview, &QPushButton::clicked, &dialog,
                         [&dialog] { dialog.done(previewResult); });
    }
    const int result = dialog.exec();
    if (result == previewResult)
        return PrinterChoice::Preview;
    return result == QDialog::Accepted ? PrinterChoice::Print : PrinterChoice::Cancel;
}

void QtDialogs::showPreview(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kelvra
