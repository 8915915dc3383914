// Builds the structure of each example project from an empty project through the windows alone,
// as a new user would: the title dialog, then the joints, materials, cross-sections and members
// list windows with their entry dialogs. The example file is the oracle: the model the windows
// leave, saved and opened again, must hold the example's joints, supports, materials, sections,
// members and roll angles. With STAVELORN_SCREENSHOTS set to a folder, every window is saved
// there as a picture just before it is closed.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <map>

#include "app/qt/MainWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "editors/RestraintText.h"
#include "editors/qt/ModalScript.h"
#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::ModalScript;
using M = MenuItem;
using Item = std::vector<std::string>;  // the texts of Text2.. and the boxes to check

namespace {

struct Entry {
  Item texts;
  std::vector<int> checks;
};

void Snap(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("STAVELORN_SCREENSHOTS");
  if (!folder.isEmpty()) window->grab().save(QDir(folder).filePath(name + ".png"));
}

// Types every entry into the dialog, Next between them, OK after the last; then closes the list
// window with its Close button.
void EnterAll(ModalScript& script, const char* list, const char* dialog, std::vector<Entry> entries,
              const QString& shot) {
  script.On(dialog, [entries, shot](QWidget* d) {
    const std::map<QString, std::pair<const char*, const char*>> captions = {
        {"JointB", {"Input & Edit: Joint & Support Data", "Next Joint"}},
        {"MatB", {"Input & Edit: Material Properties", "Next Material"}},
        {"CrossB", {"Input & Edit: Cross-Sectional Properties", "Next Cross-Section"}},
        {"MemberB", {"Input & Edit: Member Data", "Next Member"}}};
    QCOMPARE(d->windowTitle(), QString(captions.at(d->objectName()).first));
    QCOMPARE(d->findChild<QPushButton*>("Next")->text(),
             QString(captions.at(d->objectName()).second));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i > 0) d->findChild<QPushButton*>("Next")->click();
      for (std::size_t f = 0; f < entries[i].texts.size(); ++f) {
        QLineEdit* field = d->findChild<QLineEdit*>(QString("Text%1").arg(f + 2));
        field->clear();
        QTest::keyClicks(field, QString::fromStdString(entries[i].texts[f]));
      }
      for (int check : entries[i].checks)
        d->findChild<QCheckBox*>(QString("Check%1").arg(check))->click();
    }
    Snap(d, shot + "-dialog");
    d->findChild<QPushButton*>("OK")->click();
  });
  script.On(list, [shot](QWidget* l) {
    Snap(l, shot + "-list");
    l->findChild<QPushButton*>("CloseB")->click();
  });
}

std::string Num(float value) {
  return FormatShortest(value);
}

}  // namespace

class ExamplesByEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void buildEachExampleThroughTheWindows_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"})
      QTest::newRow(name) << name;
  }

  void buildEachExampleThroughTheWindows() {
    QFETCH(QString, name);
    ModelStore example;
    example.Reset();
    example.ProjectFile = testing::SourcePath("examples/" + name.toStdString() + ".str");
    QVERIFY(!ReadProjectFile(example));
    const std::string type = example.StructType;
    const std::map<std::string, const char*> options = {{"PTruss", "PT"}, {"Beam", "Beam"},
                                                        {"PFrame", "PF"}, {"STruss", "ST"},
                                                        {"Grid", "Grid"}, {"SFrame", "SF"}};

    std::vector<Entry> joints, materials, sections, members;
    for (int j = 1; j <= example.JointCount; ++j) {
      Entry entry;
      for (int c = 1; c <= example.CoordColumns; ++c)
        entry.texts.push_back(Num(example.JointCoords(j, c)));
      for (int s = 1; s <= example.SupportCount; ++s)
        if (example.Supports(s, 1) == j)
          for (int k = 1; k <= example.CoordsPerJoint; ++k)
            if (example.Supports(s, k + 1) == 1)
              entry.checks.push_back(RestraintNames(type)[static_cast<std::size_t>(k - 1)].Check);
      joints.push_back(entry);
    }
    for (int m = 1; m <= example.MaterialCount; ++m) {
      // The dialog asks for E, then the thermal expansion, then (grids, space frames) G.
      const bool shear = example.MaterialColumns() == 3;
      Item texts{Num(example.Materials(m, 1)), Num(example.Materials(m, shear ? 3 : 2))};
      if (shear) texts.push_back(Num(example.Materials(m, 2)));
      materials.push_back({texts, {}});
    }
    for (int s = 1; s <= example.SectionCount; ++s) {
      Item texts;
      for (int c = 1; c <= example.SectionColumns; ++c)
        texts.push_back(Num(example.Sections(s, c)));
      sections.push_back({texts, {}});
    }
    for (int m = 1; m <= example.MemberCount; ++m) {
      Item texts;
      for (int c = 1; c <= 4; ++c) texts.push_back(std::to_string(example.MemberProps(m, c)));
      if (type == "SFrame") texts.push_back(Num(example.RollAngles(m)));
      members.push_back({texts, {}});
    }

    ModelStore model;
    ScriptedMessages messages;
    const QString saved = QDir::temp().filePath(name + "-by-editor.str");
    ScriptedFileDialogs dialogs({saved.toStdString()});
    MainWindow window(model, &messages, &dialogs);
    window.show();
    ModalScript script;
    script.On("ProjName", [&](QWidget* dialog) {
      auto* title = static_cast<ProjectTitleDialog*>(dialog);
      title->TitleBox()->setText(QString::fromStdString(example.ProjectTitle));
      title->Option(options.at(type))->setChecked(true);
      title->findChild<QPushButton*>("OK")->click();
    });
    window.Action(M::MnuProjNew)->trigger();
    const std::pair<M, std::pair<const char*, const char*>> menus[] = {
        {M::MnuJoint, {"JointA", "JointB"}},
        {M::MnuMatProp, {"MatA", "MatB"}},
        {M::MnuCrossProp, {"CrossA", "CrossB"}},
        {M::MnuMemb, {"MemberA", "MemberB"}}};
    const std::vector<Entry>* data[] = {&joints, &materials, &sections, &members};
    for (std::size_t k = 0; k < 4; ++k) {
      QVERIFY2(window.Action(menus[k].first)->isVisible(), menus[k].second.first);
      EnterAll(script, menus[k].second.first, menus[k].second.second, *data[k],
               name + "-" + menus[k].second.first);
      window.Action(menus[k].first)->trigger();
      QVERIFY2(script.Done(), menus[k].second.first);
    }
    Snap(&window, name + "-main");
    QCOMPARE(window.Label(7)->text(), QString(" Members: %1").arg(example.MemberCount));

    QVERIFY(window.Commands().SaveProjectAs());
    ModelStore reopened;
    reopened.Reset();
    reopened.ProjectFile = model.ProjectFile;  // the name as the save rule made it
    const RunResult read = ReadProjectFile(reopened);
    QVERIFY2(!read, read ? read->Description.c_str() : "");
    QFile::remove(QString::fromStdString(model.ProjectFile));
    // The editors of this part enter everything but the loads.
    example.JointLoadCount = example.MemberLoadCount = example.SettlementCount = 0;
    example.TempChangeCount = example.FabErrorCount = 0;
    std::string difference;
    QVERIFY2(testing::SameModelData(model, example, difference), difference.c_str());
    QVERIFY2(testing::SameModelData(reopened, example, difference), difference.c_str());
  }
};

QTEST_MAIN(ExamplesByEditorTest)
#include "ExamplesByEditorTest.moc"
