#include "common/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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
    QMessageBox box(iconFor(kind), QApplication::applicationName(), text,
                    buttons == DialogButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                       : QMessageBox::Ok,
                    parent);
    // Screens stay on top; their boxes must show above them.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Ok ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kelvra
