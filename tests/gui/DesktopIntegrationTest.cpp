// What makes the main window behave like a desktop program: the recent projects and the
// window's place kept between sessions, the project's file name in the status line, the
// "Print Options" dialog, and a print preview whose pages are those Print makes.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/Analysis.h"
#include "app/qt/MainWindow.h"
#include "model/ProjectFile.h"
#include "reports/PrintCommand.h"
#include "reports/qt/PrintOptionsDialog.h"
#include "reports/qt/QtReportPrinter.h"
#include "reports/qt/ReportPreview.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using M = MenuItem;

namespace {

QString Example(const char* name) {
  return QString::fromStdString(testing::SourcePath(std::string("examples/") + name));
}

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start("pdftotext", {"-layout", pdf, "-"});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class DesktopIntegrationTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings of this run live in a folder of their own, never in the user's.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  }
  void init() { QSettings().clear(); }

  void recentProjectsOpenAndForgetMissingFiles() {
    const QString missing = config_.filePath("gone.str");
    QSettings().setValue("RecentProjects", QStringList{missing, Example("portal-frame.str")});
    ModelStore model;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    MainWindow window(model, &messages, &dialogs);
    QVERIFY(window.Action(M::MnuProjRecent)->isEnabled());
    QCOMPARE(window.Action(M::MnuProjRecent)->text(), QString("Open &Recent"));
    emit window.RecentMenu()->aboutToShow();
    QList<QAction*> entries = window.RecentMenu()->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->text(), "&1 " + missing);

    entries[0]->trigger();
    QCOMPARE(QString::fromStdString(messages.Log().at(0).Title), QString("Open Recent"));
    QCOMPARE(QSettings().value("RecentProjects").toStringList(),
             QStringList{Example("portal-frame.str")});
    QCOMPARE(window.ProjectFileLabel()->text(), QString());

    emit window.RecentMenu()->aboutToShow();
    window.RecentMenu()->actions().at(0)->trigger();
    QCOMPARE(model.JointCount, 4);
    QCOMPARE(window.ProjectFileLabel()->text(), Example("portal-frame.str"));
    QVERIFY2(!window.Action(M::MnuProjRecent)->isVisible(), "only offered with no project open");
  }

  void theWindowKeepsItsSizeAndPlace() {
    ModelStore model;
    ScriptedMessages messages;
    QRect kept;
    {
      MainWindow window(model, &messages);
      window.show();
      window.setGeometry(40, 50, 700, 520);
      kept = window.geometry();
      QVERIFY(window.close());
    }
    MainWindow again(model, &messages);
    again.show();
    QCOMPARE(again.geometry().size(), kept.size());
    QCOMPARE(again.geometry().topLeft(), kept.topLeft());
  }

  void theOptionsDialogOffersWhatTheModelHas() {
    ModelStore model;
    model.Reset();
    PrintOptions options(model);
    PrintOptionsDialog dialog(options);
    QCOMPARE(dialog.windowTitle(), QString("Print Options"));
    QVERIFY(dialog.Box(ReportSection::InputData)->isChecked());
    QVERIFY2(!dialog.Box(ReportSection::Results)->isEnabled(), "no results before an analysis");
    dialog.Box(ReportSection::InputData)->click();
    QVERIFY(!options.Chosen(ReportSection::InputData));
    QVERIFY(!dialog.OkButton()->isEnabled());
  }

  void thePreviewShowsThePagesPrintPrints() {
    ModelStore model;
    model.Reset();
    model.ProjectFile = Example("space-truss-tower.str").toStdString();
    QVERIFY(!ReadProjectFile(model));
    Analyze(model);
    QTemporaryDir folder;
    ScriptedMessages messages;

    // Print, as the Project menu does it, into a PDF file.
    const QString printed = folder.filePath("printed.pdf");
    std::unique_ptr<QPrinter> printer = NewReportQPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printed);
    QtReportPrinter report(std::move(printer));
    QCOMPARE(int(PrintReport(model, report, messages)), int(PrintOutcome::Printed));

    // The preview of the same report, then its pages printed from the preview window.
    ReportPreview preview(model, PrintOptions(model), messages);
    preview.Dialog().show();
    auto* pages = preview.Dialog().findChild<QPrintPreviewWidget*>();
    QVERIFY(pages);
    pages->updatePreview();
    QCOMPARE(pages->pageCount(), report.PagesPrinted());
    QVERIFY(pages->pageCount() >= 2);
    const QString fromPreview = folder.filePath("preview.pdf");
    preview.Printer().setOutputFormat(QPrinter::PdfFormat);
    preview.Printer().setOutputFileName(fromPreview);
    pages->print();
    const QString text = PdfText(printed);
    QVERIFY2(text.contains("End of Analysis"), "pdftotext (poppler-utils) could not read the PDF");
    QCOMPARE(PdfText(fromPreview), text);
    QVERIFY(messages.Log().empty());
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
