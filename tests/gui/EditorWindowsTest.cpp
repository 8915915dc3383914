// The windows the user types into, driven with Qt Test on the offscreen platform: what is typed
// into the entry dialog reaching the model (each data menu's list window and Cancel are walked in
// AccessibleTreeTest), clicks, keys and the Edit menu on a list, the exercise window's grid, and
// the load cases. What each list and dialog holds for each type is the editors' own tests'
// business. Scripted messages stand in for the user.

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

  // The "Check My Work" exercise window, opened from E&xercise before any analysis (leaving the
  // program's results alone): Ctrl+V of a spreadsheet's cells into the empty grid or into a cell
  // being edited, Check colouring the cells and listing the slips, Show Answer beside the entries.
  void theExerciseWindowTakesPastedCellsChecksThemAndShowsTheAnswer() {
    Session s("portal-frame", false);
    auto exercise = [](CheckWorkWindow* window) {
      QVERIFY(QTest::qWaitForWindowActive(window));
      auto* quantity = window->findChild<QComboBox*>("Quantity");
      quantity->setCurrentIndex(quantity->findText(InfoOf(AnswerQuantity::k).Title));
      QTableWidget* entries = window->Entries();
      QVERIFY(!window->Answer()->isVisible());
      entries->setCurrentCell(1, 0);
      QApplication::clipboard()->setText("0\t2208\t-5520\t\t-2208\t5.52\n");
      QTest::keyClick(entries, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(entries->item(1, 2)->text(), QString("-5520"));

      Button(window, "CheckButton")->click();
      QVERIFY(entries->item(1, 2)->background().color() !=
              entries->item(1, 1)->background().color());
      QCOMPARE(window->findChild<QListWidget*>("Findings")->count(), 2);

      Button(window, "ShowAnswerButton")->click();
      QVERIFY(window->Answer()->isVisible());
      QCOMPARE(window->Answer()->item(1, 2)->text(), QString("5520"));

      // A block pasted into a cell being edited fills the grid from that cell.
      window->Choose(int(AnswerQuantity::K), 1);  // every quantity is offered after a solution
      entries->setCurrentCell(0, 0);
      entries->editItem(entries->item(0, 0));
      QWidget* editor = QApplication::focusWidget();
      QVERIFY(editor && editor != entries);
      QTest::keyClicks(editor, "22");
      QApplication::clipboard()->setText("1\t2\n3\n");
      QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
      entries->setFocus();  // leaves the editor, were it still open
      QCOMPARE(entries->item(0, 1)->text(), QString("2"));
      QCOMPARE(entries->item(1, 0)->text(), QString("3"));
      QCOMPARE(window->Work().Entry(0, 0), std::string("1"));
      Button(window, "CloseButton")->click();
    };
    QVERIFY(
        Opened<CheckWorkWindow>([&s] { s.window.Action(M::MnuCheckWork)->trigger(); }, exercise));
    QCOMPARE(int(s.window.Commands().Results().AnalysisStatus), int(kNoResults));
  }

  // A case added in Load Cases…, a load put in it through the case selector of a load list (its
  // kind picked from the dialog's list), the analysis, "Show:" switching the results table to
  // that case, and the Edit menu taking the case back.
  void aCaseAddedTakesALoadShowsItsResultsAndIsUndone() {
    Session s("continuous-beam", false);
    ModalScript script;
    script.On("LoadCases", [](QWidget* dialog) {
      auto* cases = static_cast<LoadCaseDialog*>(dialog);
      QCOMPARE(cases->NameBox()->text(), QString("Case 2"));
      cases->Button("AddB")->click();
      QCOMPARE(cases->Grid()->rowCount(), 2);
      cases->Button("CloseB")->click();
    });
    // The member loads of case 1 are listed; the selector switches to the empty case 2.
    script.On("MemLoadA", [](QWidget* list) {
      list->findChild<QComboBox*>("CaseC")->setCurrentIndex(1);
      QVERIFY(Cell(list, 1, 0).isEmpty());
      Button(list, "AddB")->click();
    });
    script.On("MemLoadB", [](QWidget* dialog) {
      QCOMPARE(dialog->findChild<QComboBox*>("CaseC")->currentText(), QString("2: Case 2"));
      auto* choice = dialog->findChild<QComboBox*>("Choice");
      choice->setCurrentIndex(choice->count() - 1);
      TypeInOrder(dialog, {"2", "1", "1", "1", "1"});
      Button(dialog, "OK")->click();
    });
    script.On("MemLoadA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    s.window.Action(M::MnuLoadCases)->trigger();
    s.window.Action(M::MnuLoadMem)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(s.model.LoadCaseCount(), 2);
    QCOMPARE(s.model.LoadsOfCase(2).MemberLoadCount, std::int16_t(1));

    s.messages.Answer(kAnswerNo);  // not saved first
    s.messages.Answer(kAnswerNo);  // not printed
    s.window.Action(M::MnuAna)->trigger();
    QVERIFY(s.window.Commands().Session().ResultsShown());
    script.On("Disp", [](QWidget* window) {
      auto* results = static_cast<ResultsWindow*>(window);
      QComboBox* show = results->ShowBox();
      QCOMPARE(show->currentText(), QString("Load Case 2: Case 2"));
      const QString second = Cell(window, 2, 2);
      show->setCurrentIndex(0);
      QVERIFY(Cell(window, 2, 2) != second);
      show->setCurrentIndex(show->count() - 1);
      QCOMPARE(Cell(window, 1, 1), QString("greatest"));
      Button(window, "CloseB")->click();
    });
    s.window.Action(M::MnuJtDispl)->trigger();
    QVERIFY(script.Done());

    s.messages.Answer(kAnswerNo);  // Edit Data: the results not printed
    s.window.Action(M::MnuEditData)->trigger();
    s.window.Action(M::MnuEditUndo)->trigger();  // the member load
    QCOMPARE(s.model.LoadsOfCase(2).MemberLoadCount, std::int16_t(0));
    s.window.Action(M::MnuEditUndo)->trigger();  // the case
    QCOMPARE(s.model.LoadCaseCount(), 1);
  }

 private:
  OwnSettings settings_;
};

QTEST_MAIN(EditorWindowsTest)
#include "EditorWindowsTest.moc"
