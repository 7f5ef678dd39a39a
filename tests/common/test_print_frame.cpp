#include "common/PainterCanvas.h"
#include "common/PrintFrame.h"
#include "common/PrintJob.h"
#include "common/WorkstationFormats.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingDialogs.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;
using test::RecordingCanvas;

namespace {

DepartmentHeader header(const QString& address2 = "Wing B")
{
    return {"PHARMACY", "1 Main St", address2, "Springfield, IL 62701", " Ann Example"};
}

// Letter width at the canvas's resolution.
int letterWidth(int dpi)
{
    return 850 * dpi / 100;
}

} // namespace

class TestPrintFrame : public QObject
{
    Q_OBJECT

private slots:
    // The units at 600 dpi, where the given numbers hold, and at 300 dpi.
    void placesThePageTop_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("nameY");
        QTest::addColumn<int>("footerX");
        QTest::newRow("600 dpi") << 600 << 108 << 300 << 3420;
        QTest::newRow("300 dpi") << 300 << 54 << 150 << 1710;
    }

    void placesThePageTop()
    {
        QFETCH(int, dpi);
        QFETCH(int, line);
        QFETCH(int, nameY);
        QFETCH(int, footerX);
        RecordingCanvas canvas(dpi, letterWidth(dpi));
        ReportPrinter printer(canvas, header());
        QCOMPARE(printer.geometry().lineHeight(), line);
        int subtitleY = 0;
        QVERIFY(printer.StartReportPage(
            {"DAILY TEMPERATURE LOG", "12/11/2026", line, QString("Exceptions Only"), std::nullopt},
            &subtitleY));
        const int centre = letterWidth(dpi) / 2;
        const QStringList order{"PHARMACY",
                                "1 Main St",
                                "Wing B",
                                "Springfield, IL 62701",
                                "DAILY TEMPERATURE LOG",
                                "Exceptions Only",
                                "12/11/2026"};
        QCOMPARE(canvas.texts(), order);
        const QList<int> ys{nameY,
                            nameY + line,
                            nameY + 2 * line,
                            nameY + 3 * line,
                            nameY + 5 * line,
                            nameY + 6 * line,
                            nameY + 7 * line};
        for (int i = 0; i < order.size(); ++i) {
            const RecordingCanvas::Item* item = canvas.find(order[i]);
            QCOMPARE(item->rect.y(), ys[i]);
            // Centred: x = centre − W / 2 with the width truncated by halving.
            QCOMPARE(item->rect.x(), centre - item->rect.width() / 2);
        }
        QCOMPARE(subtitleY, nameY + 7 * line);

        printer.PrintFooter("footer", printer.geometry().y(1000));
        const RecordingCanvas::Item* footer = canvas.find("footer");
        QCOMPARE(footer->rect.y(), 10 * dpi);
        QCOMPARE(footer->rect.x(), footerX - footer->rect.width() / 2);
        QCOMPARE(footer->font, PrintFont{});
    }

    void aBlankSecondAddressLineLeavesNoGap()
    {
        RecordingCanvas canvas(600, letterWidth(600));
        ReportPrinter printer(canvas, header("   "));
        QVERIFY(printer.StartReportPage({"MONTHLY TEMPERATURE LOG", "DECEMBER, 2026", 108}));
        QCOMPARE(canvas.texts(), QStringList({"PHARMACY", "1 Main St", "Springfield, IL 62701",
                                              "MONTHLY TEMPERATURE LOG", "DECEMBER, 2026"}));
        QCOMPARE(canvas.find("Springfield, IL 62701")->rect.y(), 300 + 2 * 108);
        QCOMPARE(canvas.find("MONTHLY TEMPERATURE LOG")->rect.y(), 300 + 4 * 108);
    }

    // Pages after the first start a new sheet; the counter runs on over sensors; "Page n of m"
    // stands 1800 raw dots right of the centre on the name's line at any resolution.
    void countsPagesAndNumbersThem_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("300 dpi") << 300;
    }

    void countsPagesAndNumbersThem()
    {
        QFETCH(int, dpi);
        RecordingCanvas canvas(dpi, letterWidth(dpi));
        ReportPrinter printer(canvas, header());
        for (int page = 1; page <= 3; ++page)
            QVERIFY(printer.StartReportPage({"Detailed Exception Report", "12/01/2026",
                                             printer.geometry().y(14), std::nullopt,
                                             std::pair(page, 3)}));
        QCOMPARE(printer.pageCount(), 3);
        QCOMPARE(canvas.pages(), 3);
        const RecordingCanvas::Item* pageOf = canvas.find("Page 2 of 3");
        QVERIFY(pageOf);
        QCOMPARE(pageOf->page, 2);
        QCOMPARE(pageOf->rect.topLeft(), QPoint(letterWidth(dpi) / 2 + 1800, dpi / 2));
    }

    void footerTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        const QString tail = "12/11/2026 at 2:05:09 PM by  Ann Example";
        QTest::newRow("hourly log") << int(ReportKind::HourlyLog)
                                    << "Printed via Veltrin® DA Vidiroze Dovero Vuvuvid on " + tail;
        QTest::newRow("hourly graphs") << int(ReportKind::HourlyGraphs)
                                       << "Printed via Veltrin® RA Zaruvedu Zuzizoz on " + tail;
        QTest::newRow("monthly log, no blank after the mark")
            << int(ReportKind::MonthlyLog) << "Printed via Veltrin®RA Zaruvedu Zuzizoz on " + tail;
        QTest::newRow("monthly graphs")
            << int(ReportKind::MonthlyGraphs)
            << "Printed via Veltrin® DA Vidiroze Dovero Vuvuvid on " + tail;
        // "mm/dd/yyyy" with the workstation's separator, leading zeros kept.
        QTest::newRow("exception report, mm/dd/yyyy")
            << int(ReportKind::ExceptionReport)
            << "Printed via Veltrin® DA Vidiroze Dovero Vuvuvid on 03/05/2026 at 2:05:09 PM by "
               " Ann Example";
    }

    void footerTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        const WorkstationFormats formats = WorkstationFormats::usWindows();
        const QDate day = ReportKind(kind) == ReportKind::ExceptionReport ? QDate(2026, 3, 5)
                                                                          : QDate(2026, 12, 11);
        QCOMPARE(footerText(ReportKind(kind), QDateTime(day, QTime(14, 5, 9)), formats,
                            footerUserText("Logged On: Ann Example")),
                 expected);
    }

    void titlesFollowTheSensorType()
    {
        QCOMPARE(reportTitle(ReportKind::HourlyLog, "T"), QString("DAILY TEMPERATURE LOG"));
        QCOMPARE(reportTitle(ReportKind::HourlyLog, "TRH"),
                 QString("DAILY TEMPERATURE/RELATIVE HUMIDITY LOG"));
        QCOMPARE(reportTitle(ReportKind::ExceptionReport, "TRH"),
                 QString("Detailed Exception Report"));
        QCOMPARE(reportStyle(ReportKind::HourlyLog).footerY, 900);
    }

    // The real path: a 600-dpi PDF read back with pdftotext -bbox.
    void aPdfPagePutsTheTextsWhereTheCanvasSaid()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("page.pdf");
        {
            QPdfWriter writer(pdf);
            writer.setResolution(600);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                             QMarginsF(0, 0, 0, 0)));
            QPainter painter(&writer);
            PainterCanvas canvas(painter, writer);
            QCOMPARE(canvas.resolutionX(), 600);
            QCOMPARE(canvas.pageWidth(), 5100);
            ReportPrinter printer(canvas, header());
            QVERIFY(printer.StartReportPage({"DAILY TEMPERATURE LOG", "12/11/2026", 108}));
            printer.PrintFooter("Printed via Veltrin", printer.geometry().y(900));
        }
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-bbox", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished(10000));
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const auto wordBox = [&html](const QString& word) {
            const QRegularExpression box(
                QString(
                    R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">%1</word>)re")
                    .arg(QRegularExpression::escape(word)));
            const QRegularExpressionMatch m = box.match(html);
            return m.hasMatch()
                       ? QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))
                       : QRectF();
        };
        // Points: 600 dots are 72 points. The name is centred on the page (306 pt) with its
        // top at 0.5 in (36 pt); the footer centred on 5.70 in (410.4 pt) at 9 in (648 pt).
        const QRectF name = wordBox("PHARMACY");
        QVERIFY2(!name.isNull(), qPrintable(html));
        QVERIFY2(qAbs(name.center().x() - 306) < 1.0,
                 qPrintable(QString::number(name.center().x())));
        QVERIFY2(qAbs(name.top() - 36) < 1.5, qPrintable(QString::number(name.top())));
        const QRectF title = wordBox("DAILY");
        QVERIFY(qAbs(title.top() - (36 + 5 * 108 * 72.0 / 600)) < 1.5);
        const QRectF footer = wordBox("Printed");
        QVERIFY(qAbs(footer.top() - 648) < 1.5);
        const QRectF footerEnd = wordBox("Veltrin");
        QVERIFY(qAbs((footer.left() + footerEnd.right()) / 2 - 410.4) < 1.0);
    }

    // "SENT TO PRINTER" only for a job that really went out.
    void tellsWhetherTheJobWentOut_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("box");
        QTest::newRow("sent") << "report.pdf" << false << int(PrintResult::Sent)
                              << "SENT TO PRINTER";
        QTest::newRow("missing folder")
            << "missing/report.pdf" << false << int(PrintResult::Failed) << "NOT PRINTED: ";
        QTest::newRow("cancelled") << "report.pdf" << true << int(PrintResult::Cancelled) << "";
        QTest::newRow("previewed") << "report.pdf" << false << int(PrintResult::Previewed) << "";
    }

    void tellsWhetherTheJobWentOut()
    {
        QFETCH(QString, target);
        QFETCH(bool, cancel);
        QFETCH(int, result);
        QFETCH(QString, box);
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        dialogs.setPdfPath(dir.filePath(target));
        dialogs.cancelPrinterDialog(cancel);
        const bool preview = QTest::currentDataTag() == QString("previewed");
        dialogs.choosePreview(preview);
        int drawn = 0;
        const PrintResult printed = runPrintJob(nullptr, dialogs, [&drawn](PrintCanvas& canvas) {
            ++drawn;
            QCOMPARE(canvas.resolutionX(), 600);
            ReportPrinter(canvas, header()).StartReportPage({"TITLE", "SUBTITLE", 108});
        });
        QCOMPARE(int(printed), result);
        if (box.isEmpty()) {
            // A preview draws the pages and says nothing; a cancelled job draws none.
            QVERIFY(dialogs.boxes().isEmpty());
            QCOMPARE(drawn, preview ? 1 : 0);
            QCOMPARE(dialogs.previews(), preview ? 1 : 0);
            return;
        }
        QCOMPARE(dialogs.boxes().size(), 1);
        QVERIFY2(dialogs.texts().first().startsWith(box), qPrintable(dialogs.texts().first()));
        QCOMPARE(dialogs.boxes().first().kind,
                 printed == PrintResult::Sent ? DialogKind::Plain : DialogKind::Error);
        QCOMPARE(QFileInfo::exists(dir.filePath(target)), printed == PrintResult::Sent);
    }
};

QTEST_MAIN(TestPrintFrame)
#include "test_print_frame.moc"
