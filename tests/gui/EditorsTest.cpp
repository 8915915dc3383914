// The data and load editors' windows, reached from the main window's menus. Each example project
// is entered again from an empty project through the windows alone, as a new user would, and the
// model they leave, saved and opened again, must hold the example's data: the example file is the
// oracle. Smaller cases check what typing, clicks and Return do in a list window and its dialog.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "app/ProjectTitleForm.h"
#include "app/qt/MainWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "editors/RestraintText.h"
#include "editors/qt/DataEditors.h"
#include "editors/qt/ModalScript.h"
#include "model/MemberLoadKind.h"
#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
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
QCheckBox* Check(QWidget* dialog, int n) {
  return dialog->findChild<QCheckBox*>(QString("Check%1").arg(n));
}
// The text the list window's grid shows in data row `row` (1..) and column `col`.
QString Cell(QWidget* list, int row, int col) {
  QAbstractItemModel* grid = list->findChild<QTableView*>("Grid1")->model();
  return grid->data(grid->index(row - 1, col)).toString();
}
void Type(QWidget* dialog, int field, const QString& text) {
  Field(dialog, field)->clear();
  QTest::keyClicks(Field(dialog, field), text);
}
std::string Num(float value) {
  return FormatShortest(value);
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
  bool clickAdd;  // an empty list that does not open into Add by itself
};
const Editor kEditors[] = {
    {M::MnuJoint, "JointA", "JointB", "Joint Coordinates & Supports", "Add Joints",
     "End Of Joints Input. Close", "Input & Edit: Joint & Support Data", "Next Joint", false},
    {M::MnuMatProp, "MatA", "MatB", "Material Properties", "Add Materials",
     "End Of Materials Input. Close", "Input & Edit: Material Properties", "Next Material", false},
    {M::MnuCrossProp, "CrossA", "CrossB", "Cross-Sectional Properties", "Add Cross-Sections",
     "End Of Cross-Sections Input. Close", "Input & Edit: Cross-Sectional Properties",
     "Next Cross-Section", false},
    {M::MnuMemb, "MemberA", "MemberB", "Member Data", "Add Members", "End Of Members Input. Close",
     "Input & Edit: Member Data", "Next Member", false},
    {M::MnuLoadJt, "JLoadA", "JLoadB", "Joint Loads", "Add Loads", "End Of Loads Input. Close",
     "Input & Edit: Joint Loads", "Next Joint", false},
    {M::MnuLoadMem, "MemLoadA", "MemLoadB", "Member Loads", "Add Loads",
     "End Of Loads Input. Close", "Input & Edit: Member Loads", "Next Member", false},
    {M::MnuLoadSett, "JSettleA", "JSettleB", "Support Displacements", "Add Displacements",
     "End Of Support Displacement Input. Close", "Input & Edit: Support Displacements",
     "Next Support", false},
    {M::MnuLoadTemp, "MemTempA", "MemTempB", "Member Temperature Changes",
     "Add Temperature Changes", "End Of Temperatures Input. Close",
     "Input & Edit:Temperature Changes", "Next Member", true},
    {M::MnuLoadErr, "MemErrA", "MemErrB", "Member Fabrication Errors", "Add Fabrication Errors",
     "End Of Errors Input. Close", "Input & Edit: Fabrication Errors", "Next Member", true},
};

// One item of an entry dialog: the texts of its open fields in order, the restraint boxes to
// check and, for member loads, the kind to pick first.
struct Entry {
  std::vector<std::string> texts;
  std::vector<int> checks;
  std::string kind;
};

// Types every entry into the dialog, Next between them, OK after the last, checking the captions
// on the way; then closes the list window with its Close button.
void EnterAll(ModalScript& script, const Editor& e, const std::vector<Entry>& entries,
              const std::string& title) {
  if (e.clickAdd) script.On(e.list, [](QWidget* l) { Button(l, "AddB")->click(); });
  script.On(e.dialog, [&e, entries](QWidget* d) {
    QCOMPARE(d->windowTitle(), QString(e.dialogCaption));
    QCOMPARE(Button(d, "Next")->text(), QString(e.next));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i > 0) Button(d, "Next")->click();
      if (!entries[i].kind.empty()) {
        auto* choice = d->findChild<QComboBox*>("Choice");
        choice->setCurrentIndex(choice->findText(QString::fromStdString(entries[i].kind)));
      }
      int n = 0;
      for (const std::string& text : entries[i].texts) {
        QLineEdit* field = nullptr;
        do field = Field(d, ++n);
        while (field->isHidden() || field->isReadOnly());
        Type(d, n, QString::fromStdString(text));
      }
      for (int check : entries[i].checks) Check(d, check)->click();
    }
    Button(d, "OK")->click();
  });
  script.On(e.list, [&e, title](QWidget* l) {
    QCOMPARE(l->windowTitle(), QString(e.caption));
    QCOMPARE(l->findChild<QLabel*>("Label1")->text(), QString::fromStdString(title));
    QCOMPARE(l->findChild<QLabel*>("Label2")->text(), QString(e.caption));
    QCOMPARE(Button(l, "AddB")->text(), QString(e.add));
    QCOMPARE(Button(l, "CloseB")->text(), QString(e.close));
    Button(l, "CloseB")->click();
  });
}

// What each editor of kEditors must be given to rebuild the example.
std::vector<std::vector<Entry>> EntriesOf(const ModelStore& x) {
  std::vector<std::vector<Entry>> all(std::size(kEditors));
  const int coords = x.CoordsPerJoint;
  for (int j = 1; j <= x.JointCount; ++j) {
    Entry entry;
    for (int c = 1; c <= x.CoordColumns; ++c) entry.texts.push_back(Num(x.JointCoords(j, c)));
    for (int s = 1; s <= x.SupportCount; ++s)
      for (int k = 1; k <= coords && x.Supports(s, 1) == j; ++k)
        if (x.Supports(s, k + 1) == 1)
          entry.checks.push_back(RestraintNames(x.StructType)[std::size_t(k - 1)].Check);
    all[0].push_back(entry);
  }
  for (int m = 1; m <= x.MaterialCount; ++m) {
    // The dialog asks for E, then the thermal expansion, then (grids, space frames) G.
    const bool shear = x.MaterialColumns() == 3;
    all[1].push_back({{Num(x.Materials(m, 1)), Num(x.Materials(m, shear ? 3 : 2))}, {}, ""});
    if (shear) all[1].back().texts.push_back(Num(x.Materials(m, 2)));
  }
  for (int s = 1; s <= x.SectionCount; ++s) {
    all[2].emplace_back();
    for (int c = 1; c <= x.SectionColumns; ++c)
      all[2].back().texts.push_back(Num(x.Sections(s, c)));
  }
  for (int m = 1; m <= x.MemberCount; ++m) {
    all[3].emplace_back();
    for (int c = 1; c <= 4; ++c) all[3].back().texts.push_back(std::to_string(x.MemberProps(m, c)));
    if (x.StructType == "SFrame") all[3].back().texts.push_back(Num(x.RollAngles(m)));
  }
  for (int i = 1; i <= x.JointLoadCount; ++i) {
    all[4].push_back({{std::to_string(x.JointLoadJoints(i))}, {}, ""});
    for (int k = 1; k <= coords; ++k) all[4].back().texts.push_back(Num(x.JointLoadValues(i, k)));
  }
  // Newest first within a member: entered last to first, they come out in the file's order.
  for (int i = x.MemberLoadCount; i >= 1; --i) {
    const MemberLoadKindInfo* kind = FindMemberLoadKind(x.MemberLoadInfo(i, 2));
    all[5].push_back({{std::to_string(x.MemberLoadInfo(i, 1))}, {}, kind->LongName});
    for (int k = 1; k <= 4; ++k)
      if (kind->ValueLabels[std::size_t(k - 1)])
        all[5].back().texts.push_back(Num(x.MemberLoadValues(i, k)));
  }
  for (int i = 1; i <= x.SettlementCount; ++i) {
    all[6].push_back({{std::to_string(x.SettlementJoints(i))}, {}, ""});
    for (int k = 1; k <= coords; ++k) all[6].back().texts.push_back(Num(x.SettlementValues(i, k)));
  }
  for (int i = 1; i <= x.TempChangeCount; ++i)
    all[7].push_back(
        {{std::to_string(x.TempChangeMembers(i)), Num(x.TempChangeValues(i))}, {}, ""});
  for (int i = 1; i <= x.FabErrorCount; ++i)
    all[8].push_back({{std::to_string(x.FabErrorMembers(i)), Num(x.FabErrorValues(i))}, {}, ""});
  return all;
}

}  // namespace

class EditorsTest : public QObject {
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
    const ModelStore example = testing::ExampleModel(name.toStdString(), problem);
    QVERIFY2(problem.empty(), problem.c_str());
    const std::vector<std::vector<Entry>> entries = EntriesOf(example);

    ModelStore model;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs({QDir::temp().filePath(name + "-by-editor.str").toStdString()});
    MainWindow window(model, &messages, &dialogs);
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
    QVERIFY(!window.Action(M::MnuMemb)->isVisible() && !window.Action(M::MnuLoad)->isVisible());
    QVERIFY(window.Action(M::MnuProjSaveAs)->isVisible() &&
            !window.Action(M::MnuProjSave)->isVisible());
    for (std::size_t k = 0; k < std::size(kEditors); ++k) {
      const Editor& e = kEditors[k];
      if (entries[k].empty()) continue;
      QVERIFY2(window.Action(e.menu)->isVisible(), e.list);
      EnterAll(script, e, entries[k], example.ProjectTitle);
      window.Action(e.menu)->trigger();
      QVERIFY2(script.Done(), e.list);
    }
    QCOMPARE(window.Label(7)->text(), QString(" Members: %1").arg(example.MemberCount));
    QVERIFY(window.Action(M::MnuAna)->isVisible());

    QVERIFY(window.Commands().SaveProjectAs());
    ModelStore reopened;
    reopened.Reset();
    reopened.ProjectFile = model.ProjectFile;  // the name as the save rule made it
    const RunResult read = ReadProjectFile(reopened);
    QVERIFY2(!read, read ? read->Description.c_str() : "");
    QFile::remove(QString::fromStdString(model.ProjectFile));
    std::string difference;
    QVERIFY2(testing::SameModelData(model, example, difference), difference.c_str());
    QVERIFY2(testing::SameModelData(reopened, example, difference), difference.c_str());
  }

  void theJointDialogShowsWhatTheTypeUsesAndTypingReachesTheGrid() {
    struct Case {
      const char* type;
      QString fields, checks;  // the numbers of the Text and Check boxes shown
      QString check1;          // whose first letter the grid shows when it alone is checked
      const char* text3Label;
    };
    const Case cases[] = {{"PTruss", "23", "12", "X-Restr. :", "Y-Coordinate :"},
                          {"Beam", "2", "14", "Y-Restr.:", "Y-Coordinate :"},
                          {"PFrame", "23", "124", "X-Restr. :", "Y-Coordinate :"},
                          {"STruss", "234", "123", "X-Restr. :", "Y-Coordinate :"},
                          {"Grid", "23", "145", "Y-Restr.:", "  Z-Coordinate :"},
                          {"SFrame", "234", "123456", "X-Restr. :", "Y-Coordinate :"}};
    for (const Case& c : cases) {
      ModelStore model;
      model.Reset();
      model.SetStructType(c.type);
      ScriptedMessages messages;
      ModalScript script;
      // An empty list opens straight into the dialog for joint 1.
      script.On("JointB", [&c](QWidget* dialog) {
        QWidget* list = dialog->parentWidget();
        QCOMPARE(Field(dialog, 1)->text(), QString("1"));
        for (int n = 2; n <= 7; ++n)
          QCOMPARE(Field(dialog, n)->isVisible(), c.fields.contains(QString::number(n)));
        for (int n = 1; n <= 6; ++n)
          QCOMPARE(Check(dialog, n)->isVisible(), c.checks.contains(QString::number(n)));
        QCOMPARE(Check(dialog, 1)->text(), c.check1);
        QCOMPARE(dialog->findChild<QLabel*>("Label3")->text(), QString(c.text3Label));
        QTest::keyClicks(Field(dialog, 2), "2.5");
        QCOMPARE(Cell(list, 1, 1), QString("2.5"));
        QTest::keyClicks(Field(dialog, 2), "e3");
        QCOMPARE(Cell(list, 1, 1), QString("2.5e3"));
        Check(dialog, 1)->click();
        QCOMPARE(Cell(list, 1, list->findChild<QTableView*>("Grid1")->model()->columnCount() - 1),
                 c.check1.left(1));
        Button(dialog, "Cancel")->click();
      });
      script.On("JointA", [](QWidget* list) {
        QCOMPARE(Cell(list, 1, 1), QString());
        Button(list, "CancelB")->click();
      });
      QVERIFY(!ShowListWindow(FormId::JointA, model, messages, nullptr));
      QVERIFY2(script.Done(), c.type);
    }
  }

  // A click on a row's number or any of its cells selects it for Edit. An edit the dialog's own
  // close button ends is kept in the list, and the list's close button cancels every edit;
  // Close stores them and marks the project as changed.
  void aClickOnARowSelectsItAndOnlyCloseStoresTheEdits() {
    ModelStore model;
    ScriptedMessages messages({kAnswerOk, kAnswerOk, kAnswerOk});
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
    window.Refresh();
    const ModelStore before = model;
    ModalScript script;
    QStringList edited;
    auto editRow = [](int row, int col) {
      return [row, col](QWidget* list) {
        auto* view = list->findChild<QTableView*>("Grid1");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row - 1, col)).center());
        Button(list, "EditB")->click();
      };
    };
    auto typeInto = [&edited](const char* text, bool ok) {
      return [&edited, text, ok](QWidget* dialog) {
        edited << Field(dialog, 1)->text();
        QVERIFY(!Button(dialog, "Cancel")->isVisible());
        Type(dialog, 2, text);
        if (ok)
          Button(dialog, "OK")->click();
        else
          dialog->close();
      };
    };
    script.On("JointA", editRow(4, 0)).On("JointB", typeInto("99", false));
    script.On("JointA", editRow(2, 2)).On("JointB", typeInto("7", true));
    script.On("JointA", [](QWidget* list) {
      QCOMPARE(Cell(list, 4, 1), QString("99"));
      // The portal frame's members and loads refer to every joint by number.
      QVERIFY(!Button(list, "InsertB")->isVisible() && !Button(list, "DeleteB")->isVisible());
      list->close();
    });
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(edited, QStringList({"4", "2"}));
    QCOMPARE(messages.Log().at(0).Text, std::string("Edit coordinates of Joint 4 ?"));
    QVERIFY(model.JointCoords == before.JointCoords);
    QVERIFY(!window.Commands().HasUnsavedChanges());

    script.On("JointA", editRow(2, 0)).On("JointB", typeInto("7", true));
    script.On("JointA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(model.JointCoords(2, 1), 7.0f);
    QCOMPARE(window.Label(3)->text(), QString(" Joints: 4"));
    QVERIFY(window.Commands().HasUnsavedChanges());
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

QTEST_MAIN(EditorsTest)
#include "EditorsTest.moc"
