// Every number the windows show must be readable whole: each table of each example (the list
// windows, the three results windows, the member window and Step by Step for every member, in a
// wide and a narrow window) is opened and every cell's text measured against its column.
#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/MethodStepsWindow.h"
#include "app/qt/ResultsWindows.h"
#include "editors/DataWindows.h"
#include "editors/qt/ListWindow.h"
#include "gui/WindowDriver.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

// The cells (and heading words, which may wrap) of `view` whose text is wider than the column,
// with the delegate's margin on both sides; with `whole`, also a table wider than its view.
QStringList Clipped(const QTableView* view, const QString& where, bool whole = false) {
  QStringList clipped;
  const QAbstractItemModel* cells = view->model();
  const QHeaderView* header = view->horizontalHeader();
  const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
  auto cut = [&](const QFontMetrics& metrics, int room, const QString& text, int c) {
    if (metrics.horizontalAdvance(text) + room > view->columnWidth(c))
      clipped << QString("%1 column %2: \"%3\"").arg(where).arg(c).arg(text);
  };
  for (int c = 0; c < cells->columnCount(); ++c) {
    for (const QString& word :
         cells->headerData(c, Qt::Horizontal).toString().split(QRegularExpression("\\s+")))
      cut(header->fontMetrics(), headerMargin, word, c);
    for (int r = 0; r < cells->rowCount(); ++r)
      cut(view->fontMetrics(), margin, cells->index(r, c).data().toString(), c);
  }
  if (whole && view->horizontalHeader()->length() > view->viewport()->width())
    clipped << where + " cut at its right edge";
  return clipped;
}

}  // namespace

class LegibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTableOfEveryExampleShowsItsTextWhole() {
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"}) {
      std::string problem;
      ModelStore model = ExampleModel(name, problem);
      const AnalysisRun run = CheckAndAnalyze(model);
      QVERIFY(run.Trail);
      ScriptedMessages messages;
      QStringList clipped;
      for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac}) {
        ResultsWindow window(form, model, messages);
        window.show();
        clipped << Clipped(window.Grid(), QString("%1 results %2").arg(name).arg(int(form)));
      }
      for (const MemberDiagram& d : BuildMemberDiagrams(model)) {
        MemberDiagramWindow window(model, d);
        window.show();
        clipped << Clipped(window.Grid(), QString("%1 member %2").arg(name).arg(d.Member));
      }
      // The list windows, JointA to MemErrA, each followed by its dialog's form.
      for (int list = int(FormId::JointA); list <= int(FormId::MemErrA); list += 2) {
        const auto form = static_cast<FormId>(list);
        DataWindow data = MakeDataWindow(form, model, messages);
        ListWindow window(*data.Editor, nullptr, nullptr, {});
        clipped << Clipped(window.findChild<QTableView*>("Grid1"),
                           QString("%1 list %2").arg(name).arg(int(form)));
      }
      for (int width : {1000, 420}) {
        MethodStepsWindow window(model, *run.Trail);
        window.resize(width, 700);
        window.show();
        for (int m = 0; m < model.MemberCount; ++m) {
          window.ChooseMember(m);
          QApplication::processEvents();
          // A member's matrices and vectors show whole; only [S] and {P} may scroll.
          for (StepTableView* view : window.findChildren<StepTableView*>())
            clipped << Clipped(
                view, QString("%1 steps %2 %3").arg(name).arg(m + 1).arg(view->objectName()),
                view->objectName() != "S" && view->objectName() != "P");
        }
        // The checks wrap at the window's edge instead of running out of sight.
        QVERIFY(window.findChild<QPlainTextEdit*>("Equilibrium")->lineWrapMode() !=
                QPlainTextEdit::NoWrap);
      }
      QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }
  }
};

QTEST_MAIN(LegibilityTest)
#include "LegibilityTest.moc"
