// The windows the user types into, driven with Qt Test on the offscreen platform: what is typed
// into the entry dialog reaching the model (each data menu's list window and Cancel are walked in
// AccessibleTreeTest), and clicks, keys and the Edit menu on a list. What each list and dialog
// holds for each type is the editors' own tests' business. Scripted messages stand in for the
// user.

#include "app/ProjectTitleForm.h"
#include "app/qt/CheckWorkWindow.h"
#include "app/qt/LoadCaseDialogs.h"
#include "app/qt/ProjectTitleDialog.h"
#include "app/qt/ResultsWindows.h"
#include "editors/RestraintText.h"
#include "editors/qt/DataEditors.h"
#include "gui/WindowDriver.h"
#include "model/StructType.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

class EditorWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // A new plane frame typed in: the title dialog's type and title, two joints (the first with
  // every restraint box ticked) with Next between them and OK after the last, and a material
  // (a member load's kind picked from its dialog's list is the load cases' test below).
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
      // The second joint stands on a spring in Y, its support turned by 30 degrees; the angle
      // opens once a box is ticked, the stiffness once its spring is.
      QVERIFY(Field(dialog, 5)->isReadOnly());
      dialog->findChild<QCheckBox*>("Check2")->click();
      QVERIFY(dialog->findChild<QLineEdit*>("Stiffness2")->isHidden());
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
    QCOMPARE(window.Label(3)->text(), QString(" Joints: 2"));
    QVERIFY(model.JointCount == 2 && model.JointCoords(2, 2) == 3.0f);
    QVERIFY(model.SupportCount == 2 && model.Supports(1, 4) == 1);
    QVERIFY(model.SpringCount == 1 && model.SpringStiffness(1) == 500.0f);
    QVERIFY(model.SupportAngleCount == 1 && model.SupportAngleValues(1) == 30.0f);
    window.Action(M::MnuMatProp)->trigger();  // an empty list opens into its dialog
    QVERIFY(script.Done());
    QCOMPARE(model.Materials(1, 1), 2e8f);
  }

  // A click on a row's number or any of its cells selects it for Edit. The dialog's own close
  // button (as Escape does) takes its edit back; Ctrl+Z takes back an edit OK confirmed and Ctrl+Y
  // makes it again; the list's own close button cancels every edit, and Close stores them as one
  // step of the Edit menu, named after the window, which the menu undoes and redoes.
  void aClickOnARowSelectsItAndOnlyCloseStoresTheEdits() {
    Session s("portal-frame", false);
    for (int edit = 0; edit < 3; ++edit) s.messages.Answer(kAnswerOk);  // edit joint 4, 2, 2
    const ModelStore before = s.model;
    auto editRow = [](int row, int col) {
      return [row, col](QWidget* list) {
        auto* view = list->findChild<QTableView*>("Grid1");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row - 1, col)).center());
        Button(list, "EditB")->click();
      };
    };
    // Checks the dialog shows `joint`, types `x` and leaves with OK or its own close button.
    auto typeInto = [](const char* joint, const char* x, bool ok) {
      return [=](QWidget* dialog) {
        QCOMPARE(Field(dialog, 1)->text(), QString(joint));
        Type(dialog, 2, x);
        if (ok)
          Button(dialog, "OK")->click();
        else
          dialog->close();
      };
    };
    ModalScript script;
    script.On("JointA", editRow(4, 0)).On("JointB", typeInto("4", "99", false));
    script.On("JointA", editRow(2, 2)).On("JointB", typeInto("2", "7", true));
    script.On("JointA", [&](QWidget* list) {
      QVERIFY(Cell(list, 4, 1) != "99" && Cell(list, 2, 1) == "7");
      list->activateWindow();  // the keys belong to the window that has the focus
      QVERIFY(QTest::qWaitForWindowActive(list));
      QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
      QVERIFY(Cell(list, 2, 1) != "7");
      QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
      QCOMPARE(Cell(list, 2, 1), QString("7"));
      list->close();
    });
    s.window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QVERIFY(s.model.JointCoords == before.JointCoords && !s.window.Commands().HasUnsavedChanges());

    script.On("JointA", editRow(2, 0)).On("JointB", typeInto("2", "7", true));
    script.On("JointA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    s.window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(s.model.JointCoords(2, 1), 7.0f);
    QCOMPARE(s.window.Action(M::MnuEditUndo)->text(), QString("&Undo Joints"));
    s.window.Action(M::MnuEditUndo)->trigger();
    QVERIFY(s.model.JointCoords == before.JointCoords);
  }

 private:
  OwnSettings settings_;
};

QTEST_MAIN(EditorWindowsTest)
#include "EditorWindowsTest.moc"
