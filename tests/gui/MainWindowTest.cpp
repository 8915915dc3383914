// The main window's wiring and the windows it opens: the menus offered at each stage, the
// results, diagrams and step-by-step windows of each analysed example, looking around the
// drawing, and what makes it a desktop program (recent projects, the window's place). Scripted
// messages and file dialogs stand in for the user.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>

#include "app/ProjectTitleForm.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/MethodStepsWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "app/qt/ResultsWindows.h"
#include "graphics/DrawingData.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using M = MenuItem;

namespace {

std::string Example(const char* name) {
  return testing::SourcePath(std::string("examples/") + name + ".str");
}
bool Shown(const MainWindow& window, M item) {
  return window.Action(item)->isVisible();
}

// Runs `act` on the modal window of type W that the next command opens, then closes it.
template <typename W>
void WhenOpens(std::function<void(W*)> act) {
  QTimer::singleShot(0, [act] {
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    QVERIFY(window);
    act(window);
    if (auto* close = window->template findChild<QPushButton*>("CloseB"))
      close->click();
    else
      window->close();
  });
}

// The numbers of a text, in reading order, without the tension and compression marks.
std::vector<double> Numbers(const QString& text) {
  static const QRegularExpression number(R"(-?\d+(\.\d+)?(E[-+]\d+)?)");
  std::vector<double> numbers;
  auto matches = number.globalMatch(text);
  while (matches.hasNext()) numbers.push_back(matches.next().captured().toDouble());
  return numbers;
}

// The shaded cells of [S] must be those of the member's free code numbers.
void ExpectMarksOf(MethodStepsWindow* window, const MethodTrail& trail, int index) {
  std::set<int> free;
  for (int code : trail.Members[std::size_t(index)].CodeNumbers)
    if (code <= trail.DofCount) free.insert(code);
  StepTableView* s = window->View("S");
  QCOMPARE(s->model()->rowCount(), trail.DofCount);
  for (int r = 0; r < trail.DofCount; ++r)
    for (int c = 0; c < trail.DofCount; ++c)
      QCOMPARE(s->IsShaded(r, c), free.count(r + 1) > 0 && free.count(c + 1) > 0);
}

void Wheel(QWidget* widget, QPointF at, int notches) {
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}
void MouseTo(QWidget* widget, QPointF at, QEvent::Type type = QEvent::MouseMove) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                    type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
void Click(QWidget* widget, QPointF at) {
  MouseTo(widget, at, QEvent::MouseButtonPress);
  MouseTo(widget, at, QEvent::MouseButtonRelease);
}
// Where a joint of the model is on the canvas as it is shown now.
QPointF JointPixel(const ModelStore& model, PictureBox* canvas, int joint) {
  const PictureMapping map(canvas->View().Visible(), canvas->width(), canvas->height());
  std::optional<Point> p = PlanePosition(model, joint);
  if (model.StructType != "Beam" && model.StructType != "PTruss" && model.StructType != "PFrame")
    p = ProjectOblique(model.StructType, *SpacePosition(model, joint));
  return {map.X(p->X), map.Y(p->Y)};
}
QImage Picture(PictureBox* canvas) {
  return canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window with a project open and, when asked, analysed.
struct Session {
  ModelStore model;
  ScriptedMessages messages;
  ScriptedFileDialogs dialogs;
  MainWindow window{model, &messages, &dialogs};

  explicit Session(const std::string& path, bool analyse = true) {
    window.show();
    window.Commands().OpenProjectFile(path);
    window.Refresh();
    if (!analyse) return;
    messages.Answer(kAnswerNo);  // do not save first
    messages.Answer(kAnswerNo);  // do not print
    window.Action(M::MnuAna)->trigger();
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings of this run live in a folder of their own, never in the user's.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  }

  void atStartOnlyTheProjectMenuAndEachItemHasItsOwnAccessKey() {
    ModelStore model;
    MainWindow window(model);
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

  void theTitleDialogLocksTheTypeOnceJointsExist() {
    Session s(Example("grid-floor"), false);
    WhenOpens<ProjectTitleDialog>([](ProjectTitleDialog* dialog) {
      QVERIFY(dialog->Option("Grid")->isVisibleTo(dialog) && dialog->Option("Grid")->isChecked());
      for (const char* other : {"PT", "Beam", "PF", "ST", "SF"})
        QVERIFY(!dialog->Option(other)->isVisibleTo(dialog));
      dialog->TitleBox()->setText("Renamed");
      dialog->findChild<QPushButton*>("OK")->click();
    });
    s.window.Action(M::MnuProjName)->trigger();
    QCOMPARE(s.window.Label(1)->text(), QString("Renamed"));
  }

  // Each example opened, analysed, its results, diagrams and step-by-step windows opened from
  // their menus, and Edit Data going back. The results windows must show the numbers of the
  // printed report, the marked cells of [S] follow the member picked.
  void eachExampleThroughItsMenus() {
    // The diagrams each type offers besides None.
    const std::pair<const char*, QString> examples[] = {
        {"continuous-beam", "V M"}, {"roof-truss", "N"},     {"portal-frame", "N V M"},
        {"space-truss-tower", "N"}, {"grid-floor", "V T M"}, {"space-frame", "N Vy Vz T My Mz"}};
    for (const auto& [name, choices] : examples) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
      ScriptedFileDialogs dialogs({Example(name)});
      MainWindow window(model, &messages, &dialogs);
      window.resize(1300, 760);
      window.show();
      window.Action(M::MnuProjOpen)->trigger();
      QVERIFY2(messages.Log().empty(), name);
      QCOMPARE(window.Label(3)->text() + window.Label(5)->text() + window.Label(6)->text() +
                   window.Label(7)->text(),
               QString(" Joints: %1 Materials: %2 Cross-Sections: %3 Members: %4")
                   .arg(model.JointCount)
                   .arg(model.MaterialCount)
                   .arg(model.SectionCount)
                   .arg(model.MemberCount));
      for (M item : {M::MnuProjSave, M::MnuMemb, M::MnuLoad, M::MnuAna})
        QVERIFY2(Shown(window, item), name);
      for (M item : {M::MnuJtDispl, M::MnuDiagrams, M::MnuSteps})
        QVERIFY2(!Shown(window, item), name);
      QCOMPARE(Shown(window, M::MnuLoadMem), !IsTruss(model.StructType));
      QCOMPARE(Shown(window, M::MnuLoadTemp),
               model.StructType != "Beam" && model.StructType != "Grid");
      PictureBox* canvas = window.Canvas();
      const std::size_t undeformed = canvas->Strokes().size();
      window.LocalAxesAction()->setChecked(true);
      QVERIFY2(canvas->Strokes().size() > undeformed, name);
      window.LocalAxesAction()->setChecked(false);

      window.Action(M::MnuAna)->trigger();
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      for (M item : {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuEditData, M::MnuDiagrams,
                     M::MnuSteps})
        QVERIFY(Shown(window, item));
      for (M item :
           {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
        QVERIFY(!Shown(window, item));
      // Only plane drawings show a deformed shape to scale.
      const bool plane = FindStructType(model.StructType)->Plane;
      QCOMPARE(window.MultiplierBox()->isVisibleTo(&window), plane);
      if (plane) QVERIFY(canvas->Strokes().size() > undeformed);

      const bool truss = IsTruss(model.StructType);
      const std::tuple<M, FormId, const char*, int> results[] = {
          {M::MnuJtDispl, FormId::Disp, "Joint Displacements", model.JointCount},
          {M::MnuMemForce, FormId::MbForce, "Member End Forces in Local Coordinates",
           truss ? model.MemberCount : 2 * model.MemberCount},
          {M::MnuReact, FormId::Reac, "Support Reactions", model.SupportCount}};
      std::vector<double> shown;
      for (const auto& [menu, form, caption, rows] : results) {
        WhenOpens<ResultsWindow>(
            [&, form = form, caption = caption, rows = rows](ResultsWindow* w) {
              QCOMPARE(w->windowTitle(), QString(caption));
              QCOMPARE(w->findChild<QLabel*>("Label1")->text(),
                       QString::fromStdString(model.ProjectTitle));
              QCOMPARE(w->Grid()->model()->rowCount(), rows);
              QVERIFY(model.CurrentForm == form);
              const bool drawn = form == FormId::Disp && model.StructType != "SFrame";
              QCOMPARE(w->Canvas() && w->Canvas()->isVisible(), drawn);
              if (drawn) QVERIFY(!w->Canvas()->Strokes().empty());
              const QAbstractItemModel* cells = w->Grid()->model();
              for (int row = 0; row < cells->rowCount(); ++row)
                for (int col = 0; col < cells->columnCount(); ++col)
                  for (double x : Numbers(cells->index(row, col).data().toString()))
                    shown.push_back(x);
            });
        window.Action(menu)->trigger();
        QVERIFY(model.CurrentForm == FormId::mcas);
      }
      // Space frames print three decimals, the windows four.
      std::ostringstream out;
      TextReportPrinter printer(out);
      PrintOutput(model, printer);
      printer.EndDocument();
      const std::vector<double> printed = Numbers(QString::fromStdString(out.str()));
      const double tolerance = model.StructType == "SFrame" ? 6E-4 : 1E-6;
      QCOMPARE(shown.size(), printed.size());
      for (std::size_t i = 0; i < shown.size(); ++i)
        QVERIFY2(std::fabs(shown[i] - printed[i]) <= tolerance * std::fabs(printed[i]),
                 qPrintable(
                     QString("%1: %2 shown, %3 printed").arg(name).arg(shown[i]).arg(printed[i])));

      QStringList offered;
      for (QAction* action : window.DiagramsMenu()->actions())
        if (action->isCheckable()) offered << action->objectName();
      QCOMPARE(offered.join(" ").remove("MnuDiag"), "None " + choices);
      for (const QString& choice : offered) {
        window.DiagramsMenu()->findChild<QAction*>(choice)->trigger();
        QCOMPARE(window.DiagramCanvas()->isVisible(), choice != "MnuDiagNone");
        if (choice == "MnuDiagNone") continue;
        QVERIFY(!window.DiagramCanvas()->Strokes().empty());
        QVERIFY(window.DiagramCanvas()->geometry().left() > canvas->geometry().right());
      }

      const MethodTrail* trail = window.Commands().Trail();
      QVERIFY(trail);
      bool opened = false;
      WhenOpens<MethodStepsWindow>([&](MethodStepsWindow* w) {
        opened = true;
        auto* next = w->findChild<QPushButton*>("NextMember");
        auto* previous = w->findChild<QPushButton*>("PreviousMember");
        QCOMPARE(w->findChild<QComboBox*>("MemberPicker")->count(), model.MemberCount);
        QVERIFY(!previous->isEnabled());
        ExpectMarksOf(w, *trail, 0);
        next->click();
        QCOMPARE(w->findChild<QComboBox*>("MemberPicker")->currentIndex(), 1);
        ExpectMarksOf(w, *trail, 1);
        QCOMPARE(w->View("k")->model()->rowCount(), int(trail->Members[1].CodeNumbers.size()));
        previous->click();
        ExpectMarksOf(w, *trail, 0);
        for (int i = 1; i < model.MemberCount; ++i) next->click();
        QVERIFY(!next->isEnabled());
        QCOMPARE(w->CurrentMember(), model.MemberCount - 1);
        // Ctrl+C copies the whole matrix as tab-separated text.
        StepTableView* k = w->View("k");
        QTest::keyClick(k, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied.count('\n'), k->model()->rowCount());
        QCOMPARE(copied.section('\n', 0, 0).count('\t'), k->model()->columnCount() - 1);
      });
      window.Action(M::MnuSteps)->trigger();
      QVERIFY2(opened, name);

      window.Action(M::MnuEditData)->trigger();
      QCOMPARE(int(model.AnalysisStatus), int(kNoResults));
      QVERIFY(Shown(window, M::MnuAna) && !Shown(window, M::MnuJtDispl));
      QVERIFY(!Shown(window, M::MnuDiagrams) && !Shown(window, M::MnuSteps));
      QVERIFY(!window.MultiplierBox()->isVisibleTo(&window));
      QVERIFY(!window.DiagramCanvas()->isVisible() && !window.Commands().Trail());
      QCOMPARE(canvas->Strokes().size(), undeformed);  // no deformed shape left over
    }
  }

  void theMemberWindowOpensFromTheMemberForces() {
    Session s(Example("portal-frame"));
    ResultsWindow forces(FormId::MbForce, s.model, s.messages);
    forces.show();
    // The fourth row is the end joint of member 2, the loaded beam.
    forces.Grid()->setCurrentIndex(forces.Grid()->model()->index(3, 2));
    QString title, copied;
    bool drawn = false;
    WhenOpens<MemberDiagramWindow>([&](MemberDiagramWindow* member) {
      title = member->windowTitle();
      drawn = !member->Picture()->Strokes().empty() && member->Grid()->rowCount() > 11;
      member->Grid()->selectAll();
      QTest::keySequence(member->Grid(), QKeySequence::Copy);
      copied = QApplication::clipboard()->text();
    });
    forces.findChild<QPushButton*>("DiagramsB")->click();
    QVERIFY(title.startsWith("Member 2 ") && drawn);
    // Member 2 runs from joint 2; the copy starts at its first row and holds its extremes.
    QVERIFY(copied.startsWith("0\tjoint 2\t") && copied.contains("max M"));

    // Ctrl+C in a results window copies the selected cells, one line per row.
    QTableView* grid = forces.Grid();
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 3);
    auto cell = [grid](int row, int col) {
      return grid->model()->index(row, col).data().toString().trimmed();
    };
    for (int row = 0; row < 2; ++row) QCOMPARE(lines[row], cell(row, 0) + "\t" + cell(row, 1));
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
    }
    QCOMPARE(messages.Log().back().Text,
             std::string("Deflection Multiplier: \"abc\" is not a number."));
  }

  void wheelZoomsArrowsPanAndCtrl0RestoresTheFirstView() {
    Session s(Example("portal-frame"));
    PictureBox* canvas = s.window.Canvas();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QCOMPARE(canvas->width(), canvas->height());  // square, below the title
    QVERIFY(canvas->y() > s.window.Label(1)->geometry().bottom());
    const QImage first = Picture(canvas);
    Wheel(canvas, JointPixel(s.model, canvas, 2), 3);
    const QImage zoomed = Picture(canvas);
    QVERIFY(zoomed != first && canvas->View().Zoom() > 1.9);
    // Save Picture saves what is in view.
    QTemporaryDir folder;
    QVERIFY(canvas->SavePicture(folder.filePath("zoomed.png")));
    const QImage saved =
        QImage(folder.filePath("zoomed.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved, canvas->Render(saved.size()));
    QTest::keyClick(canvas, Qt::Key_Right);
    QVERIFY(Picture(canvas) != zoomed);
    QTest::keyClick(canvas, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(Picture(canvas), first);
  }

  void hoverNamesTheItemAndAClickOpensTheMember() {
    Session s(Example("portal-frame"));
    PictureBox* canvas = s.window.Canvas();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    MouseTo(canvas, JointPixel(s.model, canvas, 2));
    QCOMPARE(int(canvas->Hovered().What), int(PickedItem::Kind::Joint));
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().startsWith("Joint 2") && QToolTip::text().contains("Displacement"));
    const QPointF middle = (JointPixel(s.model, canvas, 2) + JointPixel(s.model, canvas, 3)) / 2;
    MouseTo(canvas, middle);
    QVERIFY(QToolTip::text().startsWith("Member 2"));
    QString opened;
    QTimer::singleShot(0, [&opened] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = modal->windowTitle();
        modal->close();
      }
    });
    Click(canvas, middle);
    QVERIFY(opened.contains("Member 2"));

    // The displacement window's drawing names what is under the mouse too.
    ResultsWindow window(FormId::Disp, s.model, s.messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QToolTip::hideText();
    MouseTo(window.Canvas(), JointPixel(s.model, window.Canvas(), 3));
    QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text().startsWith("Joint 3"));

    // Before an analysis a click shows the member's data in a message.
    Session before(Example("portal-frame"), false);
    QVERIFY(QTest::qWaitForWindowExposed(&before.window));
    PictureBox* plain = before.window.Canvas();
    Click(plain, (JointPixel(before.model, plain, 2) + JointPixel(before.model, plain, 3)) / 2);
    QCOMPARE(before.messages.Log().size(), std::size_t(1));
    QCOMPARE(before.messages.Log().back().Title, std::string("Member 2"));
  }

  // A truss square without a diagonal fails the count of its restraints and draws its mechanism.
  void aMechanismIsDrawnAfterAFailedAnalysis() {
    Session s(Example("roof-truss"), false);
    s.model.Reset();
    QVERIFY(!ReadProjectText(
        s.model,
        "\"Square\"\n\"PTruss\"\n\"Joints\",4\n0,0\n4,0\n4,3\n0,3\n\"Supports\",2\n1,1,1\n2,0,1\n"
        "\"Materials\",1\n200,0\n\"Cross-Sections\",1\n1\n\"Members\",4\n1,2,1,1\n2,3,1,1\n3,4,1,"
        "1\n"
        "4,1,1,1\n"));
    s.messages.Answer(kAnswerNo);
    s.window.Commands().Analyze();
    QVERIFY(s.messages.Log().back().Text.find("without resistance") != std::string::npos);
    int blue = 0;
    for (const Stroke& stroke : s.window.Canvas()->Strokes()) blue += stroke.Colour == kLightBlue;
    QVERIFY(blue > 0);
  }

  void recentProjectsOpenAndForgetMissingFiles() {
    const QString missing = config_.filePath("gone.str");
    const QString portal = QString::fromStdString(Example("portal-frame"));
    QSettings().setValue("RecentProjects", QStringList{missing, portal});
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    QVERIFY(window.Action(M::MnuProjRecent)->isEnabled());
    emit window.RecentMenu()->aboutToShow();
    QList<QAction*> entries = window.RecentMenu()->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->text(), "&1 " + missing);
    entries[0]->trigger();
    QCOMPARE(messages.Log().at(0).Title, std::string("Open Recent"));
    QCOMPARE(QSettings().value("RecentProjects").toStringList(), QStringList{portal});
    emit window.RecentMenu()->aboutToShow();
    window.RecentMenu()->actions().at(0)->trigger();
    QCOMPARE(model.JointCount, 4);
    QCOMPARE(window.ProjectFileLabel()->text(), portal);
    QVERIFY2(!Shown(window, M::MnuProjRecent), "only offered with no project open");
  }

  void theWindowKeepsItsSizeAndPlace() {
    ModelStore model;
    QRect kept;
    {
      MainWindow window(model);
      window.show();
      window.setGeometry(40, 50, 700, 520);
      kept = window.geometry();
      QVERIFY(window.close());
    }
    MainWindow again(model);
    again.show();
    QCOMPARE(again.geometry(), kept);
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
