// The load editors' windows from the main window's Loads menu: each list window and its entry
// dialog as the user meets them, and one modal round trip per editor that adds an item, closes
// the list and finds it in the model, with the project marked as changed.
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/qt/MainWindow.h"
#include "editors/qt/ModalScript.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::ModalScript;
using M = MenuItem;

namespace {

QPushButton* Button(QWidget* window, const char* name) {
  return window->findChild<QPushButton*>(name);
}
QLineEdit* Field(QWidget* dialog, int n) {
  return dialog->findChild<QLineEdit*>(QString("Text%1").arg(n));
}

QString Cell(QWidget* list, int row, int col) {
  QAbstractItemModel* grid = list->findChild<QTableView*>("Grid1")->model();
  return grid->data(grid->index(row - 1, col)).toString();
}

void Type(QWidget* dialog, int field, const QString& text) {
  Field(dialog, field)->clear();
  QTest::keyClicks(Field(dialog, field), text);
}

struct Editor {
  M menu;
  const char* list;
  const char* dialog;
  const char* caption;
  const char* add;
  const char* close;
  const char* dialogCaption;
  const char* next;
  const char* label2;
  QString key;    // typed into Text1
  QString value;  // typed into Text2
};

// The portal frame's joints 1 and 4 are supports restraining X and Y; it has three members.
const Editor kEditors[] = {
    {M::MnuLoadJt, "JLoadA", "JLoadB", "Joint Loads", "Add Loads", "End Of Loads Input. Close",
     "Input & Edit: Joint Loads", "Next Joint", "X-Force :", "3", "-4"},
    {M::MnuLoadMem, "MemLoadA", "MemLoadB", "Member Loads", "Add Loads",
     "End Of Loads Input. Close", "Input & Edit: Member Loads", "Next Member",
     "Load Intensity - w :", "1", "6"},
    {M::MnuLoadSett, "JSettleA", "JSettleB", "Support Displacements", "Add Displacements",
     "End Of Support Displacement Input. Close", "Input & Edit: Support Displacements",
     "Next Support", "X-Displacement :", "4", "0.01"},
    {M::MnuLoadTemp, "MemTempA", "MemTempB", "Member Temperature Changes",
     "Add Temperature Changes", "End Of Temperatures Input. Close",
     "Input & Edit:Temperature Changes", "Next Member", "Temperature Change : ( Tu )", "2", "30"},
    {M::MnuLoadErr, "MemErrA", "MemErrB", "Member Fabrication Errors", "Add Fabrication Errors",
     "End Of Errors Input. Close", "Input & Edit: Fabrication Errors", "Next Member",
     "Fabrication Error :", "3", "0.002"},
};

}  // namespace

class LoadEditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachLoadEditorAddsAnItemThroughItsWindowsAndCloseStoresIt() {
    for (const Editor& e : kEditors) {
      ModelStore model;
      ScriptedMessages messages;
      MainWindow window(model, &messages);
      QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
      window.Refresh();
      const int jointLoads = model.JointLoadCount;
      ModalScript script;
      // The portal frame has no support displacements: that list opens straight into Add.
      if (e.menu != M::MnuLoadSett)
        script.On(e.list, [](QWidget* list) { Button(list, "AddB")->click(); });
      script.On(e.dialog, [&e](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QString(e.dialogCaption));
        QCOMPARE(Button(dialog, "Next")->text(), QString(e.next));
        QCOMPARE(dialog->findChild<QLabel*>("Label2")->text(), QString(e.label2));
        QVERIFY(!Field(dialog, 1)->isReadOnly());
        QCOMPARE(Field(dialog, 1)->text(), QString());
        Type(dialog, 1, e.key);
        Type(dialog, 2, e.value);
        Button(dialog, "OK")->click();
      });
      QString shown;
      script.On(e.list, [&e, &shown](QWidget* list) {
        QCOMPARE(list->windowTitle(), QString(e.caption));
        QCOMPARE(list->findChild<QLabel*>("Label2")->text(), QString(e.caption));
        QCOMPARE(Button(list, "AddB")->text(), QString(e.add));
        QCOMPARE(Button(list, "CloseB")->text(), QString(e.close));
        QVERIFY(!Button(list, "InsertB")->isVisible());
        QVERIFY(list->findChild<QWidget*>("Pic1") != nullptr);
        const int rows = list->findChild<QTableView*>("Grid1")->model()->rowCount();
        for (int row = 1; row <= rows; ++row)
          if (Cell(list, row, 0) == e.key && Cell(list, row, 1) == e.value) shown = e.value;
        Button(list, "CloseB")->click();
      });
      window.Action(e.menu)->trigger();
      QVERIFY2(script.Done(), e.list);
      QCOMPARE(shown, e.value);
      QVERIFY(window.Commands().HasUnsavedChanges());
      QVERIFY(window.Action(M::MnuAna)->isVisible());
      const float value = e.value.toFloat();
      switch (e.menu) {
        case M::MnuLoadJt:
          QCOMPARE(model.JointLoadCount, std::int16_t(jointLoads + 1));
          QCOMPARE(model.JointLoadJoints(2), std::int16_t(3));
          QCOMPARE(model.JointLoadValues(2, 1), value);
          break;
        case M::MnuLoadMem:
          // The point load of the file stays beside the new uniform load.
          QCOMPARE(model.MemberLoadCount, std::int16_t(3));
          QCOMPARE(model.MemberLoadInfo(1, 1), std::int16_t(1));
          QCOMPARE(model.MemberLoadValues(1, 1), value);
          QCOMPARE(model.MemberLoadInfo(3, 2), std::int16_t(1));
          QCOMPARE(model.MemberLoadValues(3, 3), 2.0f);
          break;
        case M::MnuLoadSett:
          QCOMPARE(model.SettlementCount, std::int16_t(1));
          QCOMPARE(model.SettlementValues(1, 1), value);
          break;
        case M::MnuLoadTemp:
          QCOMPARE(model.TempChangeCount, std::int16_t(1));
          QCOMPARE(model.TempChangeValues(1), value);
          break;
        default:
          QCOMPARE(model.FabErrorCount, std::int16_t(1));
          QCOMPARE(model.FabErrorMembers(1), std::int16_t(3));
          QCOMPARE(model.FabErrorValues(1), value);
          break;
      }
    }
  }

  // The portal frame's point load is listed in words, opens under its own kind, and the kind
  // choice relabels and shows the fields of another kind.
  void theKindChoiceSwitchesTheDialogsFields() {
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
    window.Refresh();
    ModalScript script;
    script.On("MemLoadA", [&messages](QWidget* list) {
      QCOMPARE(Cell(list, 2, 1), QString("Concentrated force: P = 40 at a = 2"));
      QTableView* grid = list->findChild<QTableView*>("Grid1");
      grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 1),
                                              QItemSelectionModel::ClearAndSelect);
      messages.Answer(kAnswerOk);
      Button(list, "EditB")->click();
    });
    script.On("MemLoadB", [](QWidget* dialog) {
      auto* choice = dialog->findChild<QComboBox*>("Choice");
      QCOMPARE(choice->currentText(), QString("Concentrated force"));
      QCOMPARE(dialog->findChild<QLabel*>("Label2")->text(), QString("P :"));
      QCOMPARE(Field(dialog, 4)->text(), QString("2"));
      QVERIFY(Field(dialog, 3)->isHidden() && Field(dialog, 5)->isHidden());
      const QString folder = qEnvironmentVariable("STAVELORN_SCREENSHOTS");
      if (!folder.isEmpty()) dialog->grab().save(QDir(folder).filePath("MemLoadB-point-load.png"));
      choice->setCurrentIndex(choice->findText("Uniform load"));
      QCOMPARE(dialog->findChild<QLabel*>("Label2")->text(), QString("Load Intensity - w :"));
      QVERIFY(!Field(dialog, 5)->isHidden());
      Type(dialog, 5, "1");
      Button(dialog, "OK")->click();
    });
    script.On("MemLoadA", [](QWidget* list) {
      QCOMPARE(Cell(list, 2, 1), QString("Uniform load: w = 40, a = 2, b = 1"));
      Button(list, "CloseB")->click();
    });
    window.Action(M::MnuLoadMem)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(messages.Log().size(), std::size_t(1));  // the Edit confirmation; no notice
    QCOMPARE(model.MemberLoadInfo(2, 2), std::int16_t(3));
    QCOMPARE(model.MemberLoadValues(2, 4), 1.0f);
    QVERIFY(window.Commands().HasUnsavedChanges());
  }
};

QTEST_MAIN(LoadEditorsTest)
#include "LoadEditorsTest.moc"
