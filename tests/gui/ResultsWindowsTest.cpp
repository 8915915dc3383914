// The results windows as the user reaches them: each example is analysed in the main window and
// its three result menus opened in turn. Each window must carry its captions and one grid row
// per joint, member end or support, and show the numbers of the printed results report. The
// windows are saved as PNG under the build folder (tests/results-windows/) to be looked at.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <sstream>

#include "analysis/Analysis.h"
#include "app/qt/MainWindow.h"
#include "app/qt/ResultsWindows.h"
#include "graphics/qt/PictureBox.h"
#include "model/ProjectFile.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using M = MenuItem;

namespace {

const char* const kExamples[] = {"continuous-beam",   "roof-truss", "portal-frame",
                                 "space-truss-tower", "grid-floor", "space-frame"};

// The numbers of the printed results report, in reading order.
std::vector<double> ReportNumbers(const ModelStore& model) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  PrintOutput(model, printer);
  printer.EndDocument();
  std::vector<double> numbers;
  static const QRegularExpression number(R"(-?\d+(\.\d+)?(E[-+]\d+)?)");
  auto matches = number.globalMatch(QString::fromStdString(out.str()));
  while (matches.hasNext()) numbers.push_back(matches.next().captured().toDouble());
  return numbers;
}

// The numbers a window's grid shows, row by row, without the tension and compression marks.
std::vector<double> GridNumbers(const QTableView* grid) {
  std::vector<double> numbers;
  const QAbstractItemModel* cells = grid->model();
  for (int row = 0; row < cells->rowCount(); ++row)
    for (int col = 0; col < cells->columnCount(); ++col) {
      QString text = cells->index(row, col).data().toString();
      text.remove(" (T)").remove(" (C)");
      if (text.trimmed().isEmpty()) continue;
      bool ok = false;
      numbers.push_back(text.toDouble(&ok));
      if (!ok) qWarning() << "not a number:" << text;
    }
  return numbers;
}

// Runs `inspect` on the results window that the next command opens, then closes it with CloseB.
void WhenResultsWindowOpens(std::function<void(ResultsWindow*)> inspect) {
  QTimer::singleShot(0, [inspect] {
    auto* window = qobject_cast<ResultsWindow*>(QApplication::activeModalWidget());
    QVERIFY(window);
    inspect(window);
    window->findChild<QPushButton*>("CloseB")->click();
  });
}

QString Text(const QWidget* window, const char* label) {
  return window->findChild<QLabel*>(label)->text();
}

}  // namespace

class ResultsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachExampleShowsTheReportsNumbers() {
    QDir().mkpath("results-windows");
    for (const char* name : kExamples) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
      MainWindow main(model, &messages);
      QVERIFY(main.Commands().OpenProjectFile(
          testing::SourcePath(std::string("examples/") + name + ".str")));
      main.Refresh();
      main.Action(M::MnuAna)->trigger();
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      const bool truss = model.StructType == "PTruss" || model.StructType == "STruss";

      struct Expected {
        M Menu;
        FormId Form;
        const char* Caption;
        const char* Heading;
        int Rows;
      };
      const Expected windows[] = {
          {M::MnuJtDispl, FormId::Disp, "Joint Displacements", "Joint Displacements",
           model.JointCount},
          {M::MnuMemForce, FormId::MbForce, "Member End Forces in Local Coordinates",
           "Member Forces", truss ? model.MemberCount : 2 * model.MemberCount},
          {M::MnuReact, FormId::Reac, "Support Reactions", "Support Reactions", model.SupportCount},
      };
      std::vector<double> shown;
      for (const Expected& e : windows) {
        bool opened = false;
        WhenResultsWindowOpens([&](ResultsWindow* window) {
          opened = true;
          QCOMPARE(window->objectName(), QString(ResultFormName(e.Form)));
          QCOMPARE(window->windowTitle(), QString(e.Caption));
          QCOMPARE(Text(window, "Label1"), QString::fromStdString(model.ProjectTitle));
          QCOMPARE(Text(window, "Label2"), QString(e.Heading));
          QCOMPARE(window->findChild<QPushButton*>("CloseB")->text(), QString("Close"));
          QCOMPARE(window->Grid()->model()->rowCount(), e.Rows);
          QVERIFY(model.CurrentForm == e.Form);
          const bool canvasShown = e.Form == FormId::Disp && model.StructType != "SFrame";
          QCOMPARE(window->Canvas() && window->Canvas()->isVisible(), canvasShown);
          if (canvasShown) QVERIFY(!window->Canvas()->Strokes().empty());
          if (e.Form == FormId::MbForce)
            QVERIFY(!window->findChild<QLabel*>("Label3")->isVisible());
          const std::vector<double> numbers = GridNumbers(window->Grid());
          shown.insert(shown.end(), numbers.begin(), numbers.end());
          QVERIFY(window->grab().save(
              QString("results-windows/%1-%2.png").arg(name, window->objectName())));
        });
        main.Action(e.Menu)->trigger();
        QVERIFY2(opened, name);
        QVERIFY(model.CurrentForm == FormId::mcas);
      }

      // Space frames print three decimals, the windows four.
      const double tolerance = model.StructType == "SFrame" ? 6E-4 : 1E-6;
      const std::vector<double> printed = ReportNumbers(model);
      QCOMPARE(shown.size(), printed.size());
      for (std::size_t i = 0; i < shown.size(); ++i)
        QVERIFY2(std::fabs(shown[i] - printed[i]) <= tolerance * std::fabs(printed[i]),
                 qPrintable(
                     QString("%1: %2 shown, %3 printed").arg(name).arg(shown[i]).arg(printed[i])));
    }
  }

  void twentyJointBeamScrollsFourteenRows() {
    std::string text = "\"Long beam\"\n\"Beam\"\n\"Joints\",20\n";
    for (int j = 1; j <= 20; ++j) text += std::to_string(j) + "\n";
    text += "\"Supports\",20\n";
    for (int j = 1; j <= 20; ++j) text += std::to_string(j) + ",1,0\n";
    text += "\"Materials\",1\n1000,0\n\"Cross-Sections\",1\n1\n\"Members\",19\n";
    for (int m = 1; m <= 19; ++m)
      text += std::to_string(m) + "," + std::to_string(m + 1) + ",1,1\n";
    text += "\"Joint Loads\",1\n2,0,1\n";
    ModelStore model;
    model.Reset();
    QVERIFY(!ReadProjectText(model, text));
    Analyze(model);
    QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
    ScriptedMessages messages;
    ResultsWindow window(FormId::Disp, model, messages);
    window.show();
    QTableView* grid = window.Grid();
    QVERIFY(grid->verticalScrollBar()->isVisible());
    QCOMPARE(grid->rowAt(0), 0);
    QCOMPARE(grid->rowAt(grid->viewport()->height() - 1), 13);
    QCOMPARE(grid->verticalScrollBar()->maximum(), 6);
  }

  void ctrlCCopiesTheSelectedCells() {
    ModelStore model;
    model.Reset();
    model.ProjectFile = testing::SourcePath("examples/roof-truss.str");
    QVERIFY(!ReadProjectFile(model));
    Analyze(model);
    ScriptedMessages messages;
    ResultsWindow window(FormId::MbForce, model, messages);
    window.show();
    QTableView* grid = window.Grid();
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    QApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 3);  // two rows, each ended by a line feed
    for (int row = 0; row < 2; ++row) {
      const QStringList cells = lines[row].split('\t');
      QCOMPARE(cells.size(), 2);
      QCOMPARE(cells[0], QString::number(row + 1));
      QCOMPARE(cells[1], grid->model()->index(row, 1).data().toString().trimmed());
    }
  }
};

QTEST_MAIN(ResultsWindowsTest)
#include "ResultsWindowsTest.moc"
