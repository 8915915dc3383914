// The windows the user types and draws into, driven with Qt Test on the offscreen platform: what
// is typed into the entry dialog reaching the model (each data menu's list window and Cancel are
// walked in AccessibleTreeTest), clicks, keys and the Edit menu on a list, and the mouse over the
// drawing. What each list and dialog holds for each type is the editors' own tests' business.
// Scripted messages stand in for the user.

#include "app/ProjectTitleForm.h"
#include "app/qt/DrawingBar.h"
#include "app/qt/ProjectTitleDialog.h"
#include "editors/RestraintText.h"
#include "graphics/DrawingData.h"
#include "gui/WindowDriver.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

namespace {

QPoint Pixel(PictureBox* canvas, Point p) {
  const PictureMapping map(canvas->View().Visible(), canvas->width(), canvas->height());
  return QPointF(map.X(p.X), map.Y(p.Y)).toPoint();
}

void Drag(PictureBox* canvas, Point from, Point to) {
  QTest::mousePress(canvas, Qt::LeftButton, {}, Pixel(canvas, from));
  QTest::mouseMove(canvas, Pixel(canvas, {(from.X + to.X) / 2, (from.Y + to.Y) / 2}));
  QTest::mouseMove(canvas, Pixel(canvas, to));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, Pixel(canvas, to));
}

}  // namespace

class EditorWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // A new plane frame typed in: the title dialog's type and title, two joints (the first with
  // every restraint box ticked) with Next between them and OK after the last, and a material.
  void whatIsTypedIntoTheDialogsIsStored() {
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    window.show();
    ModalScript script;
    script.On("ProjName", [](QWidget* dialog) {
      auto* title = static_cast<ProjectTitleDialog*>(dialog);
      title->TitleBox()->setText("Typed");
      for (const TypeOption& option : TypeOptions())
        if (std::string(option.Code) == "PFrame") title->Option(option.Name)->setChecked(true);
      Button(dialog, "OK")->click();
    });
    script.On("JointB", [](QWidget* dialog) {
      TypeInOrder(dialog, {"0", "0"});
      for (const RestraintName& restraint : RestraintNames("PFrame"))
        dialog->findChild<QCheckBox*>(QString("Check%1").arg(restraint.Check))->click();
      Button(dialog, "Next")->click();
      // The second joint stands on a spring in Y, its support turned by 30 degrees (which fields
      // open when is the editors' tests' business).
      dialog->findChild<QCheckBox*>("Check2")->click();
      dialog->findChild<QCheckBox*>("Spring2")->click();
      QTest::keyClicks(dialog->findChild<QLineEdit*>("Stiffness2"), "500");
      TypeInOrder(dialog, {"4", "3", "30"});
      Button(dialog, "OK")->click();
    });
    script.On("JointA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    // Return presses OK; a refused field is shown selected for its correction.
    script.On("MatB", [&messages](QWidget* dialog) {
      Type(dialog, 2, "2OOe6");
      QTest::keyClick(Field(dialog, 2), Qt::Key_Return);
      QVERIFY(dialog->isVisible() && messages.Log().size() == 1);
      QCOMPARE(Field(dialog, 2)->selectedText(), QString("2OOe6"));
      Type(dialog, 2, "2e8");
      QTest::keyClick(Field(dialog, 3), Qt::Key_Return);
    });
    script.On("MatA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    window.Action(M::MnuProjNew)->trigger();
    QVERIFY(model.ProjectTitle == "Typed" && model.StructType == "PFrame");
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(model.JointCount == 2 && model.JointCoords(2, 2) == 3.0f);
    QVERIFY(model.SupportCount == 2 && model.Supports(1, 4) == 1);
    QVERIFY(model.SpringCount == 1 && model.SpringStiffness(1) == 500.0f);
    QVERIFY(model.SupportAngleCount == 1 && model.SupportAngleValues(1) == 30.0f);
    window.Action(M::MnuMatProp)->trigger();  // an empty list opens into its dialog
    QVERIFY(script.Done());
    QCOMPARE(model.Materials(1, 1), 2e8f);
  }

  // The drawing mode's wiring: View > Draw Structure shows the toolbar, a drag adds a column to
  // the portal frame and a click its support, the status line follows the pointer, Live analyses
  // as a joint is dragged, and Undo takes every step back. What each press and drag does is
  // tests/app/DrawingModeTest.cpp.
  void aColumnIsDrawnAndUndoneStepByStep() {
    Session s("portal-frame", false);
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    const std::string portal = FileText(s.model);
    DrawingBar* bar = s.window.Drawing();
    QVERIFY(bar->isHidden());
    s.window.DrawAction()->trigger();
    QVERIFY(bar->isVisible() && bar->Active());
    PictureBox* canvas = s.window.Canvas();

    bar->findChild<QAction*>("DrawMember")->trigger();
    Drag(canvas, {11, 0}, {8, 5});
    bar->findChild<QAction*>("DrawSupport")->trigger();
    bar->findChild<QComboBox*>("DrawSupportKind")->setCurrentIndex(0);  // fixed
    QTest::mouseClick(canvas, Qt::LeftButton, {}, Pixel(canvas, {11, 0}));
    QCOMPARE(s.model.MemberCount, 4);
    QCOMPARE(s.model.SupportCount, 3);

    // The pointer's coordinates, snapped, on the status line.
    QTest::mouseMove(canvas, Pixel(canvas, {4.1, 1.9}));
    auto* status = s.window.findChild<QLabel*>("DrawStatus");
    QVERIFY2(status->text().startsWith("X = 4, Y = 2, grid point"), qPrintable(status->text()));

    // Live: a drag of joint 5 is analysed as it moves and is one more step.
    bar->findChild<QCheckBox*>("DrawLive")->setChecked(true);
    bar->findChild<QAction*>("DrawSelect")->trigger();
    Drag(canvas, {11, 0}, {12, 0});
    QCOMPARE(bar->Mode().LiveResults().AnalysisStatus, kAnalysisComplete);
    QVERIFY(!s.window.Commands().Session().ResultsShown());  // the menus stay as they were

    for (int step = 0; step < 3; ++step) s.window.Action(MenuItem::MnuEditUndo)->trigger();
    QCOMPARE(FileText(s.model), portal);
    s.window.DrawAction()->trigger();
    QVERIFY(bar->isHidden() && !bar->Active());
  }

 private:
  OwnSettings settings_;
};

QTEST_MAIN(EditorWindowsTest)
#include "EditorWindowsTest.moc"
