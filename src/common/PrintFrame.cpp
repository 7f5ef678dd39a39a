#include "common/PrintFrame.h"

#include "common/DecimalText.h"
#include "common/WorkstationFormats.h"

namespace kelvra {

PrintGeometry PrintGeometry::of(const PrintCanvas& canvas)
{
    return {canvas.resolutionX(), canvas.resolutionY(), canvas.pageWidth()};
}

QString footerUserText(const QString& signOnLabel)
{
    const qsizetype colon = signOnLabel.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : signOnLabel.mid(colon + 1);
}

const ReportStyle& reportStyle(ReportKind kind)
{
    static const ReportStyle hourlyLog{"DAILY TEMPERATURE LOG",
                                       "DAILY TEMPERATURE/RELATIVE HUMIDITY LOG",
                                       " DA Vidiroze Dovero Vuvuvid on ", 900, false};
    static const ReportStyle hourlyGraphs{"HOURLY TEMPERATURE GRAPH",
                                          "HOURLY TEMPERATURE/RELATIVE HUMIDITY GRAPH",
                                          " RA Zaruvedu Zuzizoz on ", 1000, false};
    static const ReportStyle monthlyLog{"MONTHLY TEMPERATURE LOG",
                                        "MONTHLY TEMPERATURE/RELATIVE HUMIDITY LOG",
                                        "RA Zaruvedu Zuzizoz on ", 1000, false};
    static const ReportStyle monthlyGraphs{"MONTHLY TEMPERATURE GRAPH",
                                           "MONTHLY TEMPERATURE/RELATIVE HUMIDITY GRAPH",
                                           " DA Vidiroze Dovero Vuvuvid on ", 1000, false};
    static const ReportStyle exceptionReport{"Detailed Exception Report",
                                             "Detailed Exception Report",
                                             " DA Vidiroze Dovero Vuvuvid on ", 1000, true};
    switch (kind) {
    case ReportKind::HourlyLog:
        return hourlyLog;
    case ReportKind::HourlyGraphs:
        return hourlyGraphs;
    case ReportKind::MonthlyLog:
        return monthlyLog;
    case ReportKind::MonthlyGraphs:
        return monthlyGraphs;
    case ReportKind::ExceptionReport:
        break;
    }
    return exceptionReport;
}

QString reportTitle(ReportKind kind, const QString& sensorType)
{
    const ReportStyle& style = reportStyle(kind);
    return QString::fromUtf8(sensorType == QLatin1String("TRH") ? style.humidityTitle
                                                                : style.title);
}

QString footerText(ReportKind kind, const QDateTime& printedAt, const WorkstationFormats& formats,
                   const QString& user)
{
    const ReportStyle& style = reportStyle(kind);
    const QDate day = printedAt.date();
    const auto twoDigits = [](int n) {
        return QString::number(n).rightJustified(2, QLatin1Char('0'));
    };
    const QString date = style.usDatePrinted
                             ? twoDigits(day.month()) + formats.dateSeparator() +
                                   twoDigits(day.day()) + formats.dateSeparator() +
                                   QString::number(day.year()).rightJustified(4, QLatin1Char('0'))
                             : formats.shortDate(day);
    return QStringLiteral("Printed via Veltrin") + QStringLiteral("®") +
           QString::fromUtf8(style.productPhrase) + date + QStringLiteral(" at ") +
           formats.longTime(printedAt.time()) + QStringLiteral(" by ") + user;
}

void drawCentred(PrintCanvas& canvas, int x, int y, const QString& text)
{
    canvas.drawText(x - canvas.textWidth(text) / 2, y, text);
}

ReportPrinter::ReportPrinter(PrintCanvas& canvas, DepartmentHeader header)
    : m_canvas(canvas), m_header(std::move(header)), m_geometry(PrintGeometry::of(canvas))
{
}

bool ReportPrinter::StartReportPage(const PageTop& top, int* subtitleY)
{
    if (m_pages != 0 && !m_canvas.newPage())
        return false;
    ++m_pages;
    const PrintGeometry& g = m_geometry;
    const int centre = g.pageCentre();
    const int line = g.lineHeight();
    int y = g.y(50);
    const int nameY = y;
    drawCentred(m_canvas, centre, y, m_header.name);
    y += line;
    drawCentred(m_canvas, centre, y, m_header.address1);
    if (!trimmedOfBlanks(m_header.address2).isEmpty()) {
        y += line;
        drawCentred(m_canvas, centre, y, m_header.address2);
    }
    y += line;
    drawCentred(m_canvas, centre, y, m_header.lastLine);
    y += 2 * line;
    drawCentred(m_canvas, centre, y, top.title);
    if (top.extraLine) {
        y += line;
        drawCentred(m_canvas, centre, y, *top.extraLine);
    }
    y += top.subtitleGap;
    drawCentred(m_canvas, centre, y, top.subtitle);
    if (top.pageOf) {
        // Raw dots, not scaled: it lands where it did on the 600-dpi printers of the time.
        m_canvas.drawText(
            centre + 1800, nameY,
            QStringLiteral("Page %1 of %2").arg(top.pageOf->first).arg(top.pageOf->second));
    }
    if (subtitleY)
        *subtitleY = y;
    return true;
}

void ReportPrinter::PrintFooter(const QString& text, int y)
{
    drawCentred(m_canvas, m_geometry.x(570), y, text);
}

} // namespace kelvra
