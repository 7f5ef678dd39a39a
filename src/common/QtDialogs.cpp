#include "common/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
    QMessageBox box(iconFor(kind), QApplication::applicationName(), shown,
                    buttons == DialogButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                       : QMessageBox::Ok,
                    parent);
    // Parented to its window, the box shows above it without floating above other programs.
    return box.exec() == QMessageBox::Ok ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

bool QtDialogs::useDefaultPrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return true;
}

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kelvra
