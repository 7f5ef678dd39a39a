#pragma once

#include "common/PrintCanvas.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace kelvra {

class WorkstationFormats;

// Positions in hundredths of an inch, scaled to the printer's resolution with the division
// truncating.
struct PrintGeometry
{
    int rx = 600;
    int ry = 600;
    int pageWidth = 0;

    static PrintGeometry of(const PrintCanvas& canvas);
    int x(int hundredths) const { return hundredths * rx / 100; }
    int y(int hundredths) const { return hundredths * ry / 100; }
    int lineHeight() const { return y(18); }
    int pageCentre() const { return pageWidth / 2; }
};

// The department's name and address printed at the top of every page, and the signed-on user.
struct DepartmentHeader
{
    QString name;
    QString address1;
    QString address2;
    QString lastLine;
    QString user; // the text after the first ":" of "Logged On: <name>", so it begins with a blank
};

// The user text of the footer from the main window's sign-on label.
QString footerUserText(const QString& signOnLabel);

// The five printed reports and what differs between them.
enum class ReportKind
{
    HourlyLog,
    HourlyGraphs,
    MonthlyLog,
    MonthlyGraphs,
    ExceptionReport
};

struct ReportStyle
{
    const char* title;
    const char* humidityTitle; // for sensors of type "TRH"
    const char* productPhrase; // after "®" in the footer
    int footerY;               // hundredths of an inch
    bool usDatePrinted;        // "mm/dd/yyyy" instead of the short date
};

const ReportStyle& reportStyle(ReportKind kind);
QString reportTitle(ReportKind kind, const QString& sensorType);

// "Printed via Veltrin®…" with the print date, " at ", the long time, " by " and the user.
QString footerText(ReportKind kind, const QDateTime& printedAt, const WorkstationFormats& formats,
                   const QString& user);

// Draws a text centred on x: at x − W / 2, W being its width in dots.
void drawCentred(PrintCanvas& canvas, int x, int y, const QString& text);

// The top of a page: a new sheet unless it is the job's first page, the department block
// (a blank second address line leaves no gap), the title two lines below it, an optional
// extra line, and the subtitle `subtitleGap` dots lower. Returns the subtitle's y.
struct PageTop
{
    QString title{};
    QString subtitle{};
    int subtitleGap = 0;
    std::optional<QString> extraLine{};
    // The exception report's "Page n of m", 1800 dots right of the page centre.
    std::optional<std::pair<int, int>> pageOf{};
};

class ReportPrinter
{
public:
    ReportPrinter(PrintCanvas& canvas, DepartmentHeader header);

    const PrintGeometry& geometry() const { return m_geometry; }
    int pageCount() const { return m_pages; }

    // False when the device could not start a new sheet.
    bool StartReportPage(const PageTop& top, int* subtitleY = nullptr);
    void PrintFooter(const QString& text, int y);

private:
    PrintCanvas& m_canvas;
    DepartmentHeader m_header;
    PrintGeometry m_geometry;
    int m_pages = 0;
};

} // namespace kelvra
