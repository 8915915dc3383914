// The load-case windows driven as the user drives them: a case added in Load Cases…, a load put
// in it through the case selector of a load list, the analysis, "Show:" switching the results
// table to that case, and the Edit menu taking the case back.

#include "app/qt/LoadCaseDialogs.h"
#include "app/qt/ResultsWindows.h"
#include "gui/WindowDriver.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

class LoadCasesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aCaseAddedTakesALoadShowsItsResultsAndIsUndone() {
    OwnSettings settings;
    Session s("continuous-beam", false);
    ModalScript script;
    script.On("LoadCases", [](QWidget* dialog) {
      auto* cases = static_cast<LoadCaseDialog*>(dialog);
      QCOMPARE(cases->NameBox()->text(), QString("Case 2"));
      cases->Button("AddB")->click();
      QCOMPARE(cases->Grid()->rowCount(), 2);
      QCOMPARE(cases->Grid()->item(0, 1)->text(), QString("Case 1"));
      cases->Button("CloseB")->click();
    });
    // The member loads of case 1 are listed; the selector switches to the empty case 2.
    script.On("MemLoadA", [](QWidget* list) {
      auto* selector = list->findChild<QComboBox*>("CaseC");
      QVERIFY(selector && selector->accessibleName() == "Load case");
      QCOMPARE(Cell(list, 3, 0), QString("3"));
      selector->setCurrentIndex(1);
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
      QVERIFY(show && show->accessibleName() == "Show");
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
    QCOMPARE(s.model.MemberLoadCount, std::int16_t(3));
  }
};

QTEST_MAIN(LoadCasesWindowTest)
#include "LoadCasesWindowTest.moc"
