// The diagrams in the windows: the main window's Diagrams menu, offered only after an analysis
// with the quantities of the type, and the member window opened from the Member Forces window.
// With STAVELORN_SCREENSHOTS set to a folder, the main window with each diagram and the member
// windows are saved there as PNG images.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "app/qt/MainWindow.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/ResultsWindows.h"
#include "reports/PrintOptions.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using M = MenuItem;

namespace {

void Snap(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("STAVELORN_SCREENSHOTS");
  if (!folder.isEmpty()) window->grab().save(QDir(folder).filePath(name + ".png"));
}

QStringList DiagramChoices(const MainWindow& window) {
  QStringList names;
  for (QAction* action : window.DiagramsMenu()->actions())
    if (action->isCheckable()) names << action->objectName();
  return names;
}

}  // namespace

class DiagramsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void diagramChoiceAppearsOnlyAfterAnalysis() {
    const std::pair<const char*, QStringList> examples[] = {
        {"continuous-beam", {"MnuDiagNone", "MnuDiagV", "MnuDiagM"}},
        {"roof-truss", {"MnuDiagNone", "MnuDiagN"}},
        {"portal-frame", {"MnuDiagNone", "MnuDiagN", "MnuDiagV", "MnuDiagM"}},
        {"space-truss-tower", {"MnuDiagNone", "MnuDiagN"}},
        {"grid-floor", {"MnuDiagNone", "MnuDiagV", "MnuDiagT", "MnuDiagM"}},
        {"space-frame",
         {"MnuDiagNone", "MnuDiagN", "MnuDiagVy", "MnuDiagVz", "MnuDiagT", "MnuDiagMy",
          "MnuDiagMz"}},
    };
    for (const auto& [name, choices] : examples) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
      MainWindow window(model, &messages);
      window.resize(1300, 760);
      window.show();
      window.Commands().OpenProjectFile(
          testing::SourcePath(std::string("examples/") + name + ".str"));
      window.Refresh();
      QVERIFY2(!window.Action(M::MnuDiagrams)->isVisible(), name);

      window.Action(M::MnuAna)->trigger();
      QVERIFY2(window.Action(M::MnuDiagrams)->isVisible(), name);
      QCOMPARE(DiagramChoices(window), choices);
      for (const QString& choice : choices) {
        window.DiagramsMenu()->findChild<QAction*>(choice)->trigger();
        const bool shown = choice != "MnuDiagNone";
        QCOMPARE(window.DiagramCanvas()->isVisible(), shown);
        if (!shown) continue;
        QVERIFY(!window.DiagramCanvas()->Strokes().empty());
        QVERIFY(window.DiagramCanvas()->geometry().left() > window.Canvas()->geometry().right());
        Snap(&window, QString(name) + "-" + choice);
      }

      window.Action(M::MnuEditData)->trigger();
      QVERIFY2(!window.Action(M::MnuDiagrams)->isVisible(), name);
      QVERIFY2(!window.DiagramCanvas()->isVisible(), name);
    }
  }

  void memberWindowOpensFromTheMemberForces() {
    ModelStore model;
    ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
    MainWindow window(model, &messages);
    window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str"));
    window.Refresh();
    window.Action(M::MnuAna)->trigger();
    // The diagrams' tables are a section of the print, offered once the analysis completed.
    QVERIFY(PrintOptions(model).Available(ReportSection::Diagrams));

    ResultsWindow forces(FormId::MbForce, model, messages);
    forces.show();
    // The fourth row is the end joint of member 2, the loaded beam.
    forces.Grid()->setCurrentIndex(forces.Grid()->model()->index(3, 2));
    // What the member window showed, read while it is open and checked once it has closed.
    QString title, copied;
    bool drawn = false;
    int rows = 0;
    QTimer::singleShot(0, [&] {
      auto* member = qobject_cast<MemberDiagramWindow*>(QApplication::activeModalWidget());
      if (!member) return;
      title = member->windowTitle();
      drawn = !member->Picture()->Strokes().empty();
      rows = member->Grid()->rowCount();
      member->Grid()->selectAll();
      QTest::keySequence(member->Grid(), QKeySequence::Copy);
      copied = QApplication::clipboard()->text();
      Snap(member, "member-window-portal-frame-2");
      member->accept();
    });
    forces.findChild<QPushButton*>("DiagramsB")->click();
    QVERIFY(title.startsWith("Member 2 "));
    QVERIFY(drawn);
    QVERIFY(rows > 11);
    // Member 2 runs from joint 2; the copy starts at its first row and holds its extremes.
    QVERIFY(copied.startsWith("0\tjoint 2\t"));
    QVERIFY(copied.contains("max M"));
  }

  void memberWindowOfEveryExample() {
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"}) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
      MainWindow window(model, &messages);
      window.Commands().OpenProjectFile(
          testing::SourcePath(std::string("examples/") + name + ".str"));
      window.Refresh();
      window.Action(M::MnuAna)->trigger();
      const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model);
      // The first member with a member load, else the first member.
      const std::size_t pick =
          model.MemberLoadCount > 0 ? std::size_t(model.MemberLoadInfo(1, 1) - 1) : 0;
      MemberDiagramWindow member(model, diagrams.at(pick));
      member.show();
      QVERIFY(QTest::qWaitForWindowExposed(&member));
      QVERIFY(!member.Picture()->Strokes().empty());
      Snap(&member, QString("member-window-%1-%2").arg(name).arg(pick + 1));
    }
  }
};

QTEST_MAIN(DiagramsWindowTest)
#include "DiagramsWindowTest.moc"
