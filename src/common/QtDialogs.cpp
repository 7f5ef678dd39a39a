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

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kelvra
