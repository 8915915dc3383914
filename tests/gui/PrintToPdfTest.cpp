// The report printed through the Qt printer into a PDF file: the pages must hold the same lines
// as the text printer's pages, in the fixed-pitch font.
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "model/ProjectFile.h"
#include "reports/PrintCommand.h"
#include "reports/TextReportPrinter.h"
#include "reports/qt/QtReportPrinter.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

ModelStore AnalysedExample(const char* name) {
  ModelStore model;
  model.Reset();
  model.ProjectFile = testing::SourcePath(std::string("examples/") + name);
  if (ReadProjectFile(model)) return model;
  Analyze(model);
  return model;
}

}  // namespace

class PrintToPdfTest : public QObject {
  Q_OBJECT

 private slots:
  void pdfHoldsTheReportPages() {
    ModelStore model = AnalysedExample("space-truss-tower.str");
    QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
    QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");

    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    QtReportPrinter qtPrinter(std::move(printer));
    ScriptedMessages messages;
    QCOMPARE(int(PrintReport(model, qtPrinter, messages)), int(PrintOutcome::Printed));
    QVERIFY(messages.Log().empty());

    const QString text = Run("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) could not read the PDF");
    for (const char* line : {"End of Input Data", "End of Analysis", "JOINT DISPLACEMENTS"})
      QVERIFY2(text.contains(line, Qt::CaseInsensitive), line);
    QCOMPARE(text.count(QChar('\f')), qtPrinter.PagesPrinted());

    // A report longer than a page breaks onto further pages instead of running off the bottom.
    QVERIFY(qtPrinter.PagesPrinted() >= 2);
    const QString info = Run("pdffonts", {pdf});
    QVERIFY2(info.contains("Mono") || info.contains("Courier"), qPrintable(info));
  }

  // The method trail follows the results in the same pitch; the PDF stays under the build folder
  // (tests/print-trail/) to be looked at.
  void trailFollowsTheResults() {
    ModelStore model;
    model.Reset();
    model.ProjectFile = testing::SourcePath("examples/portal-frame.str");
    QVERIFY(!ReadProjectFile(model));
    AnalysisRun run = CheckAndAnalyze(model);
    QVERIFY(run.Trail);
    QDir().mkpath("print-trail");
    const QString pdf = "print-trail/portal-frame.pdf";
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    QtReportPrinter qtPrinter(std::move(printer));
    ScriptedMessages messages;
    PrintOptions options(model);
    options.Choose(ReportSection::MethodTrail, true);
    QCOMPARE(int(PrintReport(model, qtPrinter, messages, options, run.Trail.get())),
             int(PrintOutcome::Printed));
    const QString text = Run("pdftotext", {"-layout", pdf, "-"});
    const int end = text.indexOf("End of Analysis"), trail = text.indexOf("Step by Step");
    QVERIFY(end > 0 && trail > end);
    QVERIFY(text.contains("[S] structure stiffness matrix"));
  }

  void abandonedDocumentLeavesNoFile() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("abandoned.pdf");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    QtReportPrinter qtPrinter(std::move(printer));
    qtPrinter.PrintLine("a line");
    qtPrinter.AbandonDocument();
    QVERIFY(!QFile::exists(pdf));
  }
};

QTEST_MAIN(PrintToPdfTest)
#include "PrintToPdfTest.moc"
