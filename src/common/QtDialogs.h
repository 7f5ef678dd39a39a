#pragma once

#include "common/Dialogs.h"

namespace kelvra {

// The production dialogs: QMessageBox and QPrintDialog.
class QtDialogs final : public Dialogs
{
public:
    DialogAnswer show(QWidget* parent, DialogKind kind, const QString& text,
                      DialogButtons buttons) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    bool useDefaultPrinter(QPrinter& printer) override;
    PrinterChoice choosePrinter(QWidget* parent, QPrinter& printer) override;
    void showPreview(QWidget* parent, QPrinter& printer,
                     const std::function<void(QPrinter&)>& paint) override;
};

} // namespace kelvra
