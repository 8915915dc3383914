// The data windows driven with Qt Test on the offscreen platform. Each example project is entered
// again from an empty project through the list windows and their dialogs alone, and must leave
// the example's data: the example file is the oracle. Smaller cases check clicks, keys and the
// Edit menu on a list. Scripted messages stand in for the user's answers.

#include "app/ProjectTitleForm.h"
#include "app/qt/ProjectTitleDialog.h"
#include "editors/RestraintText.h"
#include "editors/qt/DataEditors.h"
#include "gui/WindowDriver.h"
#include "model/MemberLoadKind.h"
#include "model/NumberText.h"
#include "model/StructType.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

namespace {

struct Editor {
  M menu;
  const char* list;
  const char* dialog;
  const char* caption;
  bool clickAdd;  // an empty list that does not open into Add by itself
};
const Editor kEditors[] = {
    {M::MnuJoint, "JointA", "JointB", "Joint Coordinates & Supports", false},
    {M::MnuMatProp, "MatA", "MatB", "Material Properties", false},
    {M::MnuCrossProp, "CrossA", "CrossB", "Cross-Sectional Properties", false},
    {M::MnuMemb, "MemberA", "MemberB", "Member Data", false},
    {M::MnuLoadJt, "JLoadA", "JLoadB", "Joint Loads", false},
    {M::MnuLoadMem, "MemLoadA", "MemLoadB", "Member Loads", false},
    {M::MnuLoadSett, "JSettleA", "JSettleB", "Support Displacements", false},
    {M::MnuLoadTemp, "MemTempA", "MemTempB", "Member Temperature Changes", true},
    {M::MnuLoadErr, "MemErrA", "MemErrB", "Member Fabrication Errors", true},
};

// One item of an entry dialog: the texts of its open fields in order, the restraint boxes to
// check and, for member loads, the kind to pick first.
struct Entry {
  std::vector<std::string> texts;
  std::vector<int> checks = {};
  std::string kind = {};
};

std::string Num(double value) {
  return FormatShortest(static_cast<float>(value));
}
// `first` (unless empty), then columns 1..cols of row r of `table`.
template <typename Table>
std::vector<std::string> RowTexts(const std::string& first, const Table& table, int r, int cols) {
  std::vector<std::string> texts;
  if (!first.empty()) texts.push_back(first);
  for (int c = 1; c <= cols; ++c) texts.push_back(Num(table(r, c)));
  return texts;
}

// What each editor of kEditors must be given to rebuild the example.
std::vector<std::vector<Entry>> EntriesOf(const ModelStore& x) {
  std::vector<std::vector<Entry>> all(std::size(kEditors));
  const int coords = x.CoordsPerJoint;
  for (int j = 1; j <= x.JointCount; ++j) {
    all[0].push_back({RowTexts("", x.JointCoords, j, x.CoordColumns)});
    for (int s = 1; s <= x.SupportCount; ++s)
      for (int k = 1; k <= coords && x.Supports(s, 1) == j; ++k)
        if (x.Supports(s, k + 1) == 1)
          all[0].back().checks.push_back(RestraintNames(x.StructType)[std::size_t(k - 1)].Check);
  }
  // The dialog asks for E, then the thermal expansion (the last column), then (grids, space
  // frames) G.
  for (int m = 1; m <= x.MaterialCount; ++m) {
    all[1].push_back({{Num(x.Materials(m, 1)), Num(x.Materials(m, x.MaterialColumns()))}});
    if (x.MaterialColumns() == 3) all[1].back().texts.push_back(Num(x.Materials(m, 2)));
  }
  for (int s = 1; s <= x.SectionCount; ++s)
    all[2].push_back({RowTexts("", x.Sections, s, x.SectionColumns)});
  for (int m = 1; m <= x.MemberCount; ++m) {
    all[3].push_back({RowTexts("", x.MemberProps, m, 4)});
    if (x.StructType == "SFrame") all[3].back().texts.push_back(Num(x.RollAngles(m)));
  }
  for (int i = 1; i <= x.JointLoadCount; ++i)
    all[4].push_back({RowTexts(Num(x.JointLoadJoints(i)), x.JointLoadValues, i, coords)});
  // Newest first within a member: entered last to first, they come out in the file's order.
  for (int i = x.MemberLoadCount; i >= 1; --i) {
    const MemberLoadKindInfo* kind = FindMemberLoadKind(x.MemberLoadInfo(i, 2));
    all[5].push_back({{Num(x.MemberLoadInfo(i, 1))}, {}, kind->LongName});
    for (int k = 1; k <= 4; ++k)
      if (kind->ValueLabels[std::size_t(k - 1)])
        all[5].back().texts.push_back(Num(x.MemberLoadValues(i, k)));
  }
  for (int i = 1; i <= x.SettlementCount; ++i)
    all[6].push_back({RowTexts(Num(x.SettlementJoints(i)), x.SettlementValues, i, coords)});
  for (int i = 1; i <= x.TempChangeCount; ++i)
    all[7].push_back({{Num(x.TempChangeMembers(i)), Num(x.TempChangeValues(i))}});
  for (int i = 1; i <= x.FabErrorCount; ++i)
    all[8].push_back({{Num(x.FabErrorMembers(i)), Num(x.FabErrorValues(i))}});
  return all;
}

// Types every entry into the dialog, Next between them, OK after the last; then closes the list
// window with its Close button.
void EnterAll(ModalScript& script, const Editor& e, const std::vector<Entry>& entries) {
  if (e.clickAdd) script.On(e.list, [](QWidget* l) { Button(l, "AddB")->click(); });
  script.On(e.dialog, [entries](QWidget* d) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i > 0) Button(d, "Next")->click();
      if (!entries[i].kind.empty()) {
        auto* choice = d->findChild<QComboBox*>("Choice");
        choice->setCurrentIndex(choice->findText(QString::fromStdString(entries[i].kind)));
      }
      int n = 0;
      for (const std::string& text : entries[i].texts) {
        do ++n;
        while (Field(d, n)->isHidden() || Field(d, n)->isReadOnly());
        Type(d, n, QString::fromStdString(text));
      }
      for (int check : entries[i].checks)
        d->findChild<QCheckBox*>(QString("Check%1").arg(check))->click();
    }
    Button(d, "OK")->click();
  });
  script.On(e.list, [&e](QWidget* l) {
    QCOMPARE(l->windowTitle(), QString(e.caption));
    Button(l, "CloseB")->click();
  });
}

}  // namespace

class EditorWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void enterEachExampleThroughTheWindows_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"})
      QTest::newRow(name) << name;
  }

  void enterEachExampleThroughTheWindows() {
    QFETCH(QString, name);
    std::string problem;
    const ModelStore example = ExampleModel(name.toStdString(), problem);
    QVERIFY2(problem.empty(), problem.c_str());
    const std::vector<std::vector<Entry>> entries = EntriesOf(example);
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    window.show();
    ModalScript script;
    script.On("ProjName", [&](QWidget* dialog) {
      auto* title = static_cast<ProjectTitleDialog*>(dialog);
      title->TitleBox()->setText(QString::fromStdString(example.ProjectTitle));
      for (const TypeOption& option : TypeOptions())
        if (example.StructType == option.Code) title->Option(option.Name)->setChecked(true);
      Button(dialog, "OK")->click();
    });
    window.Action(M::MnuProjNew)->trigger();
    QCOMPARE(window.Label(2)->text(), QString(FindStructType(example.StructType)->Caption));
    for (std::size_t k = 0; k < std::size(kEditors); ++k) {
      if (entries[k].empty()) continue;
      EnterAll(script, kEditors[k], entries[k]);
      window.Action(kEditors[k].menu)->trigger();
      QVERIFY2(script.Done(), kEditors[k].list);
    }
    QCOMPARE(window.Label(7)->text(), QString(" Members: %1").arg(example.MemberCount));
    QVERIFY2(SameModelData(model, example, problem), problem.c_str());
  }

  // A click on a row's number or any of its cells selects it for Edit. The dialog's own close
  // button and Escape take its edit back; Ctrl+Z takes back an edit OK confirmed and Ctrl+Y makes
  // it again; the list's own close button cancels every edit, and Close stores them as one step
  // of the Edit menu, named after the window, which the menu undoes and redoes.
  void aClickOnARowSelectsItAndOnlyCloseStoresTheEdits() {
    ModelStore model;
    ScriptedMessages messages({kAnswerOk, kAnswerOk, kAnswerOk, kAnswerOk});
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(Example("portal-frame")));
    window.Refresh();
    const ModelStore before = model;
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
    QString x2, x4;  // the X coordinates as listed before any edit
    ModalScript script;
    script.On("JointA", [&](QWidget* list) {
      x2 = Cell(list, 2, 1);
      x4 = Cell(list, 4, 1);
      editRow(4, 0)(list);
    });
    script.On("JointB", typeInto("4", "99", false));
    script.On("JointA", editRow(2, 2)).On("JointB", typeInto("2", "7", true));
    script.On("JointA", [&](QWidget* list) {
      QCOMPARE(Cell(list, 4, 1), x4);
      QCOMPARE(Cell(list, 2, 1), QString("7"));
      list->activateWindow();  // the keys belong to the window that has the focus
      QVERIFY(QTest::qWaitForWindowActive(list));
      QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(Cell(list, 2, 1), x2);
      QVERIFY(!Button(list, "UndoB")->isEnabled() && Button(list, "RedoB")->isEnabled());
      QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
      QCOMPARE(Cell(list, 2, 1), QString("7"));
      editRow(3, 0)(list);
    });
    script.On("JointB", [](QWidget* dialog) {
      QTest::keyClick(dialog, Qt::Key_Escape);
      QVERIFY(!dialog->isVisible());
    });
    script.On("JointA", [](QWidget* list) { list->close(); });
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QVERIFY(model.JointCoords == before.JointCoords && !window.Commands().HasUnsavedChanges());
    QVERIFY(!window.Action(M::MnuEditUndo)->isEnabled());

    script.On("JointA", editRow(2, 0)).On("JointB", typeInto("2", "7", true));
    script.On("JointA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(model.JointCoords(2, 1), 7.0f);
    QCOMPARE(window.Action(M::MnuEditUndo)->text(), QString("&Undo Joints"));
    window.Action(M::MnuEditUndo)->trigger();
    QVERIFY(model.JointCoords == before.JointCoords);
    window.Action(M::MnuEditRedo)->trigger();
    QCOMPARE(model.JointCoords(2, 1), 7.0f);
  }

  void returnPressesOkAndARefusedFieldIsSelected() {
    ModelStore model;
    model.Reset();
    model.SetStructType("PFrame");
    ScriptedMessages messages;
    ModalScript script;
    script.On("MatB", [&messages](QWidget* dialog) {
      Type(dialog, 2, "2OOe6");
      QTest::keyClick(Field(dialog, 2), Qt::Key_Return);
      QVERIFY(dialog->isVisible());
      QCOMPARE(messages.Log().size(), std::size_t(1));
      QCOMPARE(Field(dialog, 2)->selectedText(), QString("2OOe6"));
      Type(dialog, 2, "2e8");
      QTest::keyClick(Field(dialog, 3), Qt::Key_Return);
    });
    script.On("MatA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    QVERIFY(ShowListWindow(FormId::MatA, model, messages, nullptr));
    QVERIFY(script.Done());
    QCOMPARE(model.Materials(1, 1), 2e8f);
  }
};

QTEST_MAIN(EditorWindowsTest)
#include "EditorWindowsTest.moc"
