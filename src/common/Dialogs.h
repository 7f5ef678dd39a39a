#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace kelvra {

enum class DialogKind
{
    Information,
    Warning,
    Error,
    Plain,
    Confirmation
};
enum class DialogButtons
{
    Ok,
    OkCancel,
    YesNo
};
enum class DialogAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    // The box went away without a button: Escape, its close box, or the program ending.
    Dismissed
};
// What the operator chose in the printer dialog of a report.
enum class PrinterChoice
{
    Print,
    Preview,
    Cancel
};

// Every message box and the printer dialog go through here, so that tests can record
// the boxes and answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual DialogAnswer show(QWidget* parent, DialogKind kind, const QString& text,
                              DialogButtons buttons) = 0;
    // Lets the user choose and set up a printer; false when cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Sets the printer to the workstation's default printer; false when it has none.
    virtual bool useDefaultPrinter(QPrinter& printer) = 0;
    // A report's printer dialog, which also offers a preview on the screen.
    virtual PrinterChoice choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages that `paint` draws on the printer it is given, with a way to print them.
    virtual void showPreview(QWidget* parent, QPrinter& printer,
                             const std::function<void(QPrinter&)>& paint) = 0;

    void information(QWidget* parent, const QString& text);
    void warning(QWidget* parent, const QString& text);
    void error(QWidget* parent, const QString& text);
    void plain(QWidget* parent, const QString& text);
    // A box with OK and Cancel in the given style; true for OK.
    bool askOkCancel(QWidget* parent, DialogKind kind, const QString& text);
    // A box with Yes and No; true only for an explicit No, so that a dismissed box keeps
    // what a No would destroy.
    bool answeredNo(QWidget* parent, DialogKind kind, const QString& text);
};

} // namespace kelvra
