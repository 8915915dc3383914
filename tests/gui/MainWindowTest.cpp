// The main window's wiring: its controls and menus as the user sees them, and the commands
// reaching the session. Scripted messages and file dialogs stand in for the user.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/qt/MainWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "model/StructType.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using M = MenuItem;

namespace {

// Plays the title dialog that the next command opens: `fill` acts on it, then OK is clicked.
void WhenTitleDialogOpens(std::function<void(ProjectTitleDialog*)> fill) {
  QTimer::singleShot(0, [fill] {
    auto* dialog = qobject_cast<ProjectTitleDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    fill(dialog);
    dialog->findChild<QPushButton*>("OK")->click();
  });
}

bool Shown(const MainWindow& window, M item) {
  return window.Action(item)->isVisible();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void captionsAndMenusAsTheUserSeesThem() {
    ModelStore model;
    MainWindow window(model);
    QCOMPARE(window.windowTitle(),
             QString("Computer Software for STAVELORN Tessel Edition by Orvel Dunverake"));
    const std::pair<M, const char*> captions[] = {
        {M::MnuProj, "&Project     "},
        {M::MnuProjNew, "&New Project...     "},
        {M::MnuProjOpen, "&Open an Existing Project..."},
        {M::MnuProjName, "Change Project &Title"},
        {M::MnuProjSave, "&Save Project"},
        {M::MnuProjSaveAs, "Save Project &As..."},
        {M::MnuProjPrint, "&Print"},
        {M::MnuProjClose, "&Close Project"},
        {M::MnuProjExit, "E&xit"},
        {M::MnuJoint, "&Joints    "},
        {M::MnuMatProp, "Ma&terials    "},
        {M::MnuCrossProp, "&Cross-Sections"},
        {M::MnuMemb, "&Members    "},
        {M::MnuLoad, "&Loads    "},
        {M::MnuLoadJt, "&Joint Loads"},
        {M::MnuLoadMem, "&Member Loads"},
        {M::MnuLoadSett, "&Support Displacements"},
        {M::MnuLoadTemp, "&Temperature Changes"},
        {M::MnuLoadErr, "Fabrication &Errors"},
        {M::MnuAna, "&Analyze    "},
        {M::MnuJtDispl, "Joint &Displacements"},
        {M::MnuMemForce, "Member &Forces"},
        {M::MnuReact, "&Reactions"},
        {M::MnuEditData, "&Edit Data"},
        {M::MnuHelp, "&Help"},
    };
    for (const auto& [item, caption] : captions)
      QCOMPARE(window.Action(item)->text(), QString(caption));
    for (M separator : {M::MnuH1, M::MnuH2, M::MnuH3})
      QVERIFY(window.Action(separator)->isSeparator());

    // At start: the Project menu with New, Open and Exit, and nothing else.
    int visibleTopLevel = 0;
    for (QAction* action : window.menuBar()->actions()) visibleTopLevel += action->isVisible();
    QCOMPARE(visibleTopLevel, 1);
    QVERIFY(Shown(window, M::MnuProjNew) && Shown(window, M::MnuProjOpen) &&
            Shown(window, M::MnuProjExit));
    for (M item :
         {M::MnuProjName, M::MnuProjSave, M::MnuProjSaveAs, M::MnuProjPrint, M::MnuProjClose})
      QVERIFY(!Shown(window, item));
    QVERIFY(!window.MultiplierBox()->isVisibleTo(&window));
    QCOMPARE(window.MultiplierBox()->currentText(), QString(" 5"));
    QCOMPARE(window.MultiplierBox()->count(), 6);
    QCOMPARE(window.Label(8)->text(), QString("Deflection Multiplier :"));
  }

  void newProjectForEachType() {
    for (const TypeOption& option : TypeOptions()) {
      ModelStore model;
      MainWindow window(model);
      window.show();
      WhenTitleDialogOpens([&](ProjectTitleDialog* dialog) {
        dialog->TitleBox()->setText("Exercise");
        dialog->Option(option.Name)->setChecked(true);
      });
      window.Action(M::MnuProjNew)->trigger();
      QCOMPARE(QString::fromStdString(model.StructType), QString(option.Code));
      QCOMPARE(window.Label(1)->text(), QString("Exercise"));
      QVERIFY(Shown(window, M::MnuJoint) && Shown(window, M::MnuMatProp) &&
              Shown(window, M::MnuCrossProp));
      QVERIFY(!Shown(window, M::MnuProjNew) && !Shown(window, M::MnuMemb) &&
              !Shown(window, M::MnuLoad));
      QVERIFY(Shown(window, M::MnuProjSaveAs) && !Shown(window, M::MnuProjSave));
    }
  }

  void titleDialogLocksTheTypeOnceJointsExist() {
    ModelStore model;
    MainWindow window(model);
    window.Commands().OpenProjectFile(testing::SourcePath("examples/grid-floor.str"));
    window.Refresh();
    WhenTitleDialogOpens([](ProjectTitleDialog* dialog) {
      QVERIFY(dialog->Option("Grid")->isVisibleTo(dialog));
      QVERIFY(dialog->Option("Grid")->isChecked());
      for (const char* other : {"PT", "Beam", "PF", "ST", "SF"})
        QVERIFY(!dialog->Option(other)->isVisibleTo(dialog));
      dialog->TitleBox()->setText("Renamed");
    });
    window.Action(M::MnuProjName)->trigger();
    QCOMPARE(window.Label(1)->text(), QString("Renamed"));
  }

  void openEachExampleShowsItsMenusAndCounts() {
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"}) {
      ModelStore model;
      ScriptedMessages messages;
      ScriptedFileDialogs dialogs({testing::SourcePath(std::string("examples/") + name + ".str")});
      MainWindow window(model, &messages, &dialogs);
      window.Action(M::MnuProjOpen)->trigger();
      QVERIFY2(messages.Log().empty(), name);
      QCOMPARE(window.Label(3)->text(), QString(" Joints: %1").arg(model.JointCount));
      QCOMPARE(window.Label(7)->text(), QString(" Members: %1").arg(model.MemberCount));
      for (M item : {M::MnuProjSave, M::MnuMemb, M::MnuLoad, M::MnuAna})
        QVERIFY2(Shown(window, item), name);
      QCOMPARE(Shown(window, M::MnuLoadMem), !IsTruss(model.StructType));
      QCOMPARE(Shown(window, M::MnuLoadTemp),
               model.StructType != "Beam" && model.StructType != "Grid");
    }
  }

  void analyzeThenEditData() {
    ModelStore model;
    ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
    MainWindow window(model, &messages);
    window.Commands().OpenProjectFile(testing::SourcePath("examples/continuous-beam.str"));
    window.Refresh();
    window.Action(M::MnuAna)->trigger();
    QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
    for (M item : {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuEditData})
      QVERIFY(Shown(window, item));
    for (M item : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
      QVERIFY(!Shown(window, item));
    QVERIFY(window.MultiplierBox()->isVisibleTo(&window));

    window.Action(M::MnuEditData)->trigger();
    QCOMPARE(int(model.AnalysisStatus), int(kNoResults));
    QVERIFY(Shown(window, M::MnuAna) && !Shown(window, M::MnuJtDispl));
    QVERIFY(!window.MultiplierBox()->isVisibleTo(&window));
  }

  void typingIntoTheMultiplierSetsIt() {
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    window.MultiplierBox()->setEditText("12");
    QTest::keyClick(window.MultiplierBox()->lineEdit(), Qt::Key_Return);
    QCOMPARE(int(model.DeflectionMultiplier), 12);
    for (const char* refused : {"99999", "abc"}) {
      window.MultiplierBox()->setEditText(refused);
      QCOMPARE(int(model.DeflectionMultiplier), 12);  // typing alone takes only a good number
      QTest::keyClick(window.MultiplierBox()->lineEdit(), Qt::Key_Return);
      QCoreApplication::processEvents();
      QCOMPARE(int(model.DeflectionMultiplier), 12);
      QCOMPARE(window.MultiplierBox()->currentText(), QString("12"));
      QCOMPARE(messages.Log().back().Title, std::string("Deflection Multiplier"));
    }
    QCOMPARE(messages.Log().back().Text,
             std::string("Deflection Multiplier: \"abc\" is not a number."));
  }

  void everyMenuGivesEachItemItsOwnAccessKey() {
    ModelStore model;
    MainWindow window(model);
    QList<QList<QAction*>> menus{window.menuBar()->actions()};
    for (QAction* top : window.menuBar()->actions())
      if (top->menu()) menus << top->menu()->actions();
    for (const QList<QAction*>& items : menus) {
      QSet<QChar> keys;
      for (QAction* item : items) {
        if (item->isSeparator()) continue;
        const qsizetype amp = item->text().indexOf('&');
        QVERIFY2(amp >= 0 && amp + 1 < item->text().size(), qPrintable(item->text()));
        const QChar key = item->text()[amp + 1].toUpper();
        QVERIFY2(!keys.contains(key), qPrintable(item->text()));
        keys.insert(key);
      }
    }
  }

  void theWindowShowsTheCurrentModel() {
    ModelStore model;
    ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
    MainWindow window(model, &messages);
    WhenTitleDialogOpens([](ProjectTitleDialog* dialog) {
      dialog->TitleBox()->setText("Shed");
      dialog->Option("PF")->setChecked(true);
    });
    window.Action(M::MnuProjNew)->trigger();
    QCOMPARE(window.Label(2)->text(), QString(" Plane Frame"));  // the type shows at once

    window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str"));
    window.Refresh();
    const std::size_t undeformed = window.Canvas()->Strokes().size();
    window.Action(M::MnuAna)->trigger();
    QVERIFY(window.Canvas()->Strokes().size() > undeformed);
    window.Action(M::MnuEditData)->trigger();
    QCOMPARE(window.Canvas()->Strokes().size(), undeformed);  // no deformed shape left over
  }

  void canvasStaysSquareBelowTheTitle() {
    ModelStore model;
    MainWindow window(model);
    window.resize(900, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* canvas = window.Canvas();
    QCOMPARE(canvas->width(), canvas->height());
    QVERIFY(canvas->y() > window.Label(1)->geometry().bottom());
    QVERIFY(canvas->geometry().right() < window.centralWidget()->width());
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
