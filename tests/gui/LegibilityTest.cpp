// Every number the windows show must be readable whole: each table of each example (the list
// windows, the three results windows, the member window and Step by Step for every member) is
// opened and every cell's text measured against its column.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/MethodStepsWindow.h"
#include "app/qt/ResultsWindows.h"
#include "editors/DataWindows.h"
#include "editors/qt/ListWindow.h"
#include "model/StructType.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;

namespace {

const char* const kExamples[] = {"continuous-beam",   "roof-truss", "portal-frame",
                                 "space-truss-tower", "grid-floor", "space-frame"};

ModelStore AnalysedExample(const char* name) {
  ModelStore model = testing::ModelFromText(
      testing::ReadWholeFile(testing::SourcePath(std::string("examples/") + name + ".str")));
  CheckAndAnalyze(model);
  return model;
}

// The room a cell's text needs: its advance in the view's font plus the delegate's margin on
// both sides.
int NeededWidth(const QTableView* view, const QString& text) {
  const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  return view->fontMetrics().horizontalAdvance(text) + 2 * margin;
}

// Lists every cell (and heading word) of `view` that does not fit its column; empty when all do.
QStringList ClippedCells(const QTableView* view, const QString& where) {
  QStringList clipped;
  const QAbstractItemModel* cells = view->model();
  if (!cells) return clipped;
  for (int c = 0; c < cells->columnCount(); ++c) {
    const int width = view->columnWidth(c);
    for (int r = 0; r < cells->rowCount(); ++r) {
      const QString text = cells->index(r, c).data().toString();
      if (NeededWidth(view, text) > width)
        clipped << QString("%1 (%2, %3) \"%4\" needs %5 px, has %6")
                       .arg(where)
                       .arg(r)
                       .arg(c)
                       .arg(text)
                       .arg(NeededWidth(view, text))
                       .arg(width);
      if (view->rowHeight(r) < view->fontMetrics().height())
        clipped << QString("%1 row %2 lower than a line of text").arg(where).arg(r);
    }
    // Headings may wrap between words, but no word may be cut.
    const QHeaderView* header = view->horizontalHeader();
    const QString heading = cells->headerData(c, Qt::Horizontal).toString();
    const int headerMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (const QString& word : heading.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
      if (header->fontMetrics().horizontalAdvance(word) + 2 * headerMargin > width)
        clipped << QString("%1 heading %2 \"%3\"").arg(where).arg(c).arg(word);
  }
  return clipped;
}

}  // namespace

class LegibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCoreApplication::setOrganizationName("stavelorn-tests"); }

  void everyResultsTableShowsItsTextWhole() {
    for (const char* name : kExamples) {
      ModelStore model = AnalysedExample(name);
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      ScriptedMessages messages;
      QStringList clipped;
      for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac}) {
        ResultsWindow window(form, model, messages);
        window.show();
        clipped << ClippedCells(window.Grid(), QString("%1 %2").arg(name).arg(int(form)));
      }
      const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model);
      for (std::size_t m = 0; m < diagrams.size(); ++m) {
        MemberDiagramWindow window(model, diagrams[m]);
        window.show();
        clipped << ClippedCells(window.Grid(), QString("%1 member window %2").arg(name).arg(m + 1));
      }
      QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }
  }

  void everyListWindowShowsItsTextWhole() {
    const FormId lists[] = {FormId::JointA,   FormId::MatA,     FormId::CrossA,
                            FormId::MemberA,  FormId::JLoadA,   FormId::MemLoadA,
                            FormId::JSettleA, FormId::MemTempA, FormId::MemErrA};
    for (const char* name : kExamples) {
      ModelStore model = AnalysedExample(name);
      for (FormId form : lists) {
        ScriptedMessages messages;
        DataWindow data = MakeDataWindow(form, model, messages);
        ListWindow window(*data.Editor, nullptr, nullptr, {});
        const QStringList clipped = ClippedCells(window.findChild<QTableView*>("Grid1"),
                                                 QString("%1 list %2").arg(name).arg(int(form)));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
      }
    }
  }

  // Step by Step for every member: each matrix and vector, [S] and {P}, in a window of its usual
  // size and in a narrow one.
  void stepByStepShowsEveryNumberWhole() {
    for (const char* name : kExamples) {
      ModelStore model = AnalysedExample(name);
      AnalysisRun run = CheckAndAnalyze(model);
      QVERIFY(run.Trail);
      for (int width : {1000, 420}) {
        MethodStepsWindow window(model, *run.Trail);
        window.resize(width, 700);
        window.show();
        QStringList clipped;
        for (int m = 0; m < model.MemberCount; ++m) {
          window.ChooseMember(m);
          QApplication::processEvents();
          for (StepTableView* view : window.findChildren<StepTableView*>()) {
            const QString where =
                QString("%1 member %2 %3").arg(name).arg(m + 1).arg(view->objectName());
            clipped << ClippedCells(view, where);
            // A member's matrices and vectors show whole; only [S] and {P} may scroll.
            if (view->objectName() != "S" && view->objectName() != "P" &&
                view->horizontalHeader()->length() > view->viewport()->width())
              clipped << where + " cut at its right edge";
          }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
        // The checks wrap instead of running off the right edge; titles wrap too.
        auto* checks = window.findChild<QPlainTextEdit*>("Equilibrium");
        QVERIFY(checks->lineWrapMode() != QPlainTextEdit::NoWrap);
        for (QLabel* label : window.findChildren<QLabel*>())
          if (label->isVisible() && !label->text().isEmpty())
            QVERIFY2(label->wordWrap() || label->width() >= label->sizeHint().width(),
                     qPrintable(QString("%1: label \"%2\" cut").arg(name).arg(label->text())));
      }
    }
  }
};

QTEST_MAIN(LegibilityTest)
#include "LegibilityTest.moc"
