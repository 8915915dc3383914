// Enters the loads of each example project again through the load editors alone: the joint
// loads, member loads of every kind (picked in the dialog's kind choice), support displacements,
// temperature changes and fabrication errors of the file are typed into the windows of a project
// that holds only the structure, the project is saved and opened again, and it must hold the
// example's data. With
// STAVELORN_SCREENSHOTS set to a folder, every load list window and entry dialog is saved
// there as a picture just before it is closed.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/qt/MainWindow.h"
#include "editors/qt/ModalScript.h"
#include "model/MemberLoadKind.h"
#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::ModalScript;
using M = MenuItem;
using Item = std::vector<std::string>;  // Text1, Text2, ...

namespace {

std::string Num(float value) {
  return FormatShortest(value);
}

void Snap(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("STAVELORN_SCREENSHOTS");
  if (!folder.isEmpty()) window->grab().save(QDir(folder).filePath(name + ".png"));
}

// Types the items into the dialog, Next between them, OK after the last; then closes the list.
// Each item's texts go into the fields the dialog shows, in order, after its kind (when `kinds`
// has one per item) is picked. A list that does not open into Add by itself is asked to first.
void EnterAll(ModalScript& script, const char* list, const char* dialog, std::vector<Item> items,
              std::vector<std::string> kinds, bool clickAdd, const QString& shot) {
  if (clickAdd) script.On(list, [](QWidget* l) { l->findChild<QPushButton*>("AddB")->click(); });
  script.On(dialog, [items, kinds, shot](QWidget* d) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) d->findChild<QPushButton*>("Next")->click();
      if (!kinds.empty()) {
        auto* choice = d->findChild<QComboBox*>("Choice");
        choice->setCurrentIndex(choice->findText(QString::fromStdString(kinds[i])));
      }
      int n = 0;
      for (const std::string& text : items[i]) {
        QLineEdit* field = nullptr;
        do field = d->findChild<QLineEdit*>(QString("Text%1").arg(++n));
        while (field->isHidden());
        field->clear();
        QTest::keyClicks(field, QString::fromStdString(text));
      }
    }
    Snap(d, shot + "-dialog");
    d->findChild<QPushButton*>("OK")->click();
  });
  script.On(list, [shot](QWidget* l) {
    Snap(l, shot);
    l->findChild<QPushButton*>("CloseB")->click();
  });
}

}  // namespace

class ExampleLoadsByEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void enterEachExamplesLoadsThroughTheWindows_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"})
      QTest::newRow(name) << name;
  }

  void enterEachExamplesLoadsThroughTheWindows() {
    QFETCH(QString, name);
    ModelStore example;
    example.Reset();
    example.ProjectFile = testing::SourcePath("examples/" + name.toStdString() + ".str");
    QVERIFY(!ReadProjectFile(example));
    const int coords = example.CoordsPerJoint;

    std::vector<Item> jointLoads, memberLoads, settlements, temps, errors;
    std::vector<std::string> memberLoadKinds;
    for (int i = 1; i <= example.JointLoadCount; ++i) {
      Item item{std::to_string(example.JointLoadJoints(i))};
      for (int k = 1; k <= coords; ++k) item.push_back(Num(example.JointLoadValues(i, k)));
      jointLoads.push_back(item);
    }
    // Newest first within a member: entered last to first, they come out in the file's order.
    // Each load's values go into the fields its kind shows.
    for (int i = example.MemberLoadCount; i >= 1; --i) {
      const MemberLoadKindInfo* kind = FindMemberLoadKind(example.MemberLoadInfo(i, 2));
      QVERIFY(kind);
      Item item{std::to_string(example.MemberLoadInfo(i, 1))};
      for (int k = 1; k <= 4; ++k)
        if (kind->ValueLabels[static_cast<std::size_t>(k - 1)])
          item.push_back(Num(example.MemberLoadValues(i, k)));
      memberLoads.push_back(item);
      memberLoadKinds.emplace_back(kind->LongName);
    }
    for (int i = 1; i <= example.SettlementCount; ++i) {
      Item item{std::to_string(example.SettlementJoints(i))};
      for (int k = 1; k <= coords; ++k) item.push_back(Num(example.SettlementValues(i, k)));
      settlements.push_back(item);
    }
    for (int i = 1; i <= example.TempChangeCount; ++i)
      temps.push_back(
          {std::to_string(example.TempChangeMembers(i)), Num(example.TempChangeValues(i))});
    for (int i = 1; i <= example.FabErrorCount; ++i)
      errors.push_back(
          {std::to_string(example.FabErrorMembers(i)), Num(example.FabErrorValues(i))});

    ModelStore model;
    ScriptedMessages messages;
    const QString saved = QDir::temp().filePath(name + "-loads-by-editor.str");
    ScriptedFileDialogs dialogs({saved.toStdString()});
    MainWindow window(model, &messages, &dialogs);
    QVERIFY(window.Commands().OpenProjectFile(example.ProjectFile));
    // The structure alone: every load is typed again below.
    model.JointLoadCount = model.MemberLoadCount = model.SettlementCount = 0;
    model.TempChangeCount = model.FabErrorCount = 0;
    window.Refresh();
    window.show();

    struct Editor {
      M menu;
      const char* list;
      const char* dialog;
      const std::vector<Item>* items;
      bool clickAdd;
    };
    const Editor editors[] = {{M::MnuLoadJt, "JLoadA", "JLoadB", &jointLoads, false},
                              {M::MnuLoadMem, "MemLoadA", "MemLoadB", &memberLoads, false},
                              {M::MnuLoadSett, "JSettleA", "JSettleB", &settlements, false},
                              {M::MnuLoadTemp, "MemTempA", "MemTempB", &temps, true},
                              {M::MnuLoadErr, "MemErrA", "MemErrB", &errors, true}};
    ModalScript script;
    for (const Editor& e : editors) {
      if (e.items->empty()) continue;
      EnterAll(script, e.list, e.dialog, *e.items,
               e.menu == M::MnuLoadMem ? memberLoadKinds : std::vector<std::string>{}, e.clickAdd,
               name + "-" + e.list);
      window.Action(e.menu)->trigger();
      QVERIFY2(script.Done(), e.list);
    }
    QVERIFY(window.Action(M::MnuAna)->isVisible());

    QVERIFY(window.Commands().SaveProjectAs());
    ModelStore reopened;
    reopened.Reset();
    reopened.ProjectFile = model.ProjectFile;
    const RunResult read = ReadProjectFile(reopened);
    QVERIFY2(!read, read ? read->Description.c_str() : "");
    QFile::remove(QString::fromStdString(model.ProjectFile));
    std::string difference;
    QVERIFY2(testing::SameModelData(reopened, example, difference), difference.c_str());
  }
};

QTEST_MAIN(ExampleLoadsByEditorTest)
#include "ExampleLoadsByEditorTest.moc"
