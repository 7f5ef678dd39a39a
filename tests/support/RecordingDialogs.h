#pragma once

#include "common/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

namespace kelvra::test {

// Records every box instead of showing it, and answers from a script (OK when the
// script is empty). The printer it hands back writes a PDF file.
class RecordingDialogs final : public Dialogs
{
public:
    struct Box
    {
        DialogKind kind;
        QString text;
        DialogButtons buttons;
    };

    DialogAnswer show(QWidget* parent, DialogKind kind, const QString& text,
                      DialogButtons buttons) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    // The default printer writes the PDF too, unless the workstation is told to have none.
    bool useDefaultPrinter(QPrinter& printer) override;
    // The report's printer dialog: Print (the PDF), or Preview when asked for, or Cancel.
    PrinterChoice choosePrinter(QWidget* parent, QPrinter& printer) override;
    // Records the preview and paints it into the PDF.
    void showPreview(QWidget* parent, QPrinter& printer,
                     const std::function<void(QPrinter&)>& paint) override;
    void choosePreview(bool preview) { m_choosePreview = preview; }
    int previews() const { return m_previews; }
    void setNoDefaultPrinter(bool none) { m_noDefaultPrinter = none; }
    int printerDialogs() const { return m_printerDialogs; }

    void answerNext(DialogAnswer answer) { m_answers.enqueue(answer); }
    // Runs while the next box is open, as a timer would while a real box waits.
    void whileNextBoxIsOpen(std::function<void()> action) { m_whileOpen = std::move(action); }
    void setPdfPath(const QString& path) { m_pdfPath = path; }
    void cancelPrinterDialog(bool cancel) { m_cancelPrinter = cancel; }

    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    QList<Box> m_boxes;
    QQueue<DialogAnswer> m_answers;
    std::function<void()> m_whileOpen;
    QString m_pdfPath;
    bool m_cancelPrinter = false;
    bool m_noDefaultPrinter = false;
    bool m_choosePreview = false;
    int m_previews = 0;
    int m_printerDialogs = 0;
};

} // namespace kelvra::test
