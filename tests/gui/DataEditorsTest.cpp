// The data editors' windows: each list window and entry dialog as the user meets it from the
// main window's data menus, typing that reaches the grid at once, and the modal round trips that
// change the model and the main window's counts. Scripted messages answer the confirmations.
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "app/qt/MainWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "editors/qt/DataEditors.h"
#include "editors/qt/ModalScript.h"
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
QString Heading(QWidget* list, int col) {
  return list->findChild<QTableView*>("Grid1")->model()->headerData(col, Qt::Horizontal).toString();
}

// A click on data row `row` (1..), column `col` of the list window's grid.
void ClickCell(QWidget* list, int row, int col) {
  auto* view = list->findChild<QTableView*>("Grid1");
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualRect(view->model()->index(row - 1, col)).center());
}

void Type(QWidget* dialog, int field, const QString& text) {
  Field(dialog, field)->clear();
  QTest::keyClicks(Field(dialog, field), text);
}

}  // namespace

class DataEditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachListWindowOpensFromItsMenuAsTheUserSeesIt() {
    struct Case {
      M menu;
      const char* name;
      const char* caption;
      const char* add;
      const char* close;
      QStringList headings;
    };
    const Case cases[] = {
        {M::MnuJoint,
         "JointA",
         "Joint Coordinates & Supports",
         "Add Joints",
         "End Of Joints Input. Close",
         {"Joint", "X-Coordinate", "Y-Coordinate", "Restraints"}},
        {M::MnuMatProp,
         "MatA",
         "Material Properties",
         "Add Materials",
         "End Of Materials Input. Close",
         {"Material No. ", "Modulus of Elasticity - (E)", "Co-eff. of Thermal Expansion"}},
        {M::MnuCrossProp,
         "CrossA",
         "Cross-Sectional Properties",
         "Add Cross-Sections",
         "End Of Cross-Sections Input. Close",
         {"Cross- Section No. ", "Area (A)", "Moment of Inertia (I)"}},
        {M::MnuMemb,
         "MemberA",
         "Member Data",
         "Add Members",
         "End Of Members Input. Close",
         {"Member No.", "Beginning Joint", " End Joint", "Material No.", "Cross- Section No.",
          "Hinge @"}},
    };
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
    window.Refresh();
    const ModelStore before = model;
    for (const Case& c : cases) {
      ModalScript script;
      script.On(c.name, [&c, &model](QWidget* list) {
        QCOMPARE(list->windowTitle(), QString(c.caption));
        QCOMPARE(list->findChild<QLabel*>("Label1")->text(),
                 QString::fromStdString(model.ProjectTitle));
        QCOMPARE(list->findChild<QLabel*>("Label2")->text(), QString(c.caption));
        QCOMPARE(Button(list, "AddB")->text(), QString(c.add));
        QCOMPARE(Button(list, "CloseB")->text(), QString(c.close));
        QCOMPARE(Button(list, "CancelB")->text(), QString("Cancel"));
        QCOMPARE(Button(list, "EditB")->text(), QString("Edit"));
        QVERIFY(Button(list, "EditB")->isVisible());
        // Members and loads refer to every item of the portal frame by number.
        QVERIFY(!Button(list, "InsertB")->isVisible());
        QVERIFY(!Button(list, "DeleteB")->isVisible());
        for (int col = 0; col < c.headings.size(); ++col)
          QCOMPARE(Heading(list, col), c.headings[col]);
        QCOMPARE(list->findChild<QTableView*>("Grid1")->model()->columnCount(), c.headings.size());
        QCOMPARE(Cell(list, 1, 0), QString("1"));
        Button(list, "CancelB")->click();
      });
      window.Action(c.menu)->trigger();
      QVERIFY2(script.Done(), c.name);
    }
    QCOMPARE(model.JointCount, before.JointCount);
    QVERIFY(model.Supports == before.Supports && model.Materials == before.Materials);
    QVERIFY(model.MemberProps == before.MemberProps && model.Releases == before.Releases);
    QVERIFY(!window.Commands().HasUnsavedChanges());
  }

  void theJointDialogShowsWhatTheTypeUsesAndTypingReachesTheGrid() {
    struct Case {
      const char* type;
      QList<int> fields;
      QStringList checks;  // captions of Check1..Check6, "" where hidden
      const char* text3Label;
      const char* restraint;  // of Check1 alone
    };
    const Case cases[] = {
        {"PTruss", {2, 3}, {"X-Restr. :", "Y-Restr. :", "", "", "", ""}, "Y-Coordinate :", "X"},
        {"Beam", {2}, {"Y-Restr.:", "", "", "Rot. Restr.:", "", ""}, "Y-Coordinate :", "Y"},
        {"PFrame",
         {2, 3},
         {"X-Restr. :", "Y-Restr. :", "", "Rot. Restr.:", "", ""},
         "Y-Coordinate :",
         "X"},
        {"STruss",
         {2, 3, 4},
         {"X-Restr. :", "Y-Restr. :", "Z-Restr. :", "", "", ""},
         "Y-Coordinate :",
         "X"},
        {"Grid",
         {2, 3},
         {"Y-Restr.:", "", "", "X-Rot. Restr.:", "Z-Rot. Restr.:", ""},
         "  Z-Coordinate :",
         "Y"},
        {"SFrame",
         {2, 3, 4},
         {"X-Restr. :", "Y-Restr. :", "Z-Restr. :", "X-Rot. Restr.:", "Y-Rot. Restr.:",
          "Z-Rot. Restr.:"},
         "Y-Coordinate :",
         "X"},
    };
    for (const Case& c : cases) {
      ModelStore model;
      model.Reset();
      model.SetStructType(c.type);
      ScriptedMessages messages;
      ModalScript script;
      // An empty list opens straight into the dialog for joint 1.
      script.On("JointB", [&c](QWidget* dialog) {
        QWidget* list = dialog->parentWidget();
        QCOMPARE(dialog->windowTitle(), QString("Input & Edit: Joint & Support Data"));
        QCOMPARE(Button(dialog, "Next")->text(), QString("Next Joint"));
        QCOMPARE(Field(dialog, 1)->text(), QString("1"));
        QVERIFY(Field(dialog, 1)->isReadOnly());
        for (int n = 2; n <= 7; ++n) QCOMPARE(Field(dialog, n)->isVisible(), c.fields.contains(n));
        for (int n = 1; n <= 6; ++n) {
          QCOMPARE(Check(dialog, n)->isVisible(), !c.checks[n - 1].isEmpty());
          if (Check(dialog, n)->isVisible()) QCOMPARE(Check(dialog, n)->text(), c.checks[n - 1]);
        }
        QCOMPARE(dialog->findChild<QLabel*>("Label3")->text(), QString(c.text3Label));
        QTest::keyClicks(Field(dialog, 2), "2.5");
        QCOMPARE(Cell(list, 1, 1), QString("2.5"));
        QTest::keyClicks(Field(dialog, 2), "e3");
        QCOMPARE(Cell(list, 1, 1), QString("2.5e3"));
        Check(dialog, 1)->click();
        QCOMPARE(Cell(list, 1, list->findChild<QTableView*>("Grid1")->model()->columnCount() - 1),
                 QString(c.restraint));
        QVERIFY(Button(dialog, "Cancel")->isVisible());
        Button(dialog, "Cancel")->click();
      });
      script.On("JointA", [](QWidget* list) {
        QCOMPARE(Cell(list, 1, 0), QString("1"));
        QCOMPARE(Cell(list, 1, 1), QString());
        Button(list, "CancelB")->click();
      });
      QVERIFY(!ShowListWindow(FormId::JointA, model, messages, nullptr));
      QVERIFY2(script.Done(), c.type);
    }
  }

  void addNextOkCloseChangesTheModelAndTheCounts() {
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    window.show();
    ModalScript script;
    script.On("ProjName", [](QWidget* dialog) {
      auto* title = static_cast<ProjectTitleDialog*>(dialog);
      title->TitleBox()->setText("Round trip");
      title->Option("PF")->setChecked(true);
      Button(dialog, "OK")->click();
    });
    window.Action(M::MnuProjNew)->trigger();
    QVERIFY(script.Done());

    script.On("MatB", [](QWidget* dialog) {
      Type(dialog, 2, "2e8");
      Button(dialog, "Next")->click();
      QCOMPARE(Field(dialog, 1)->text(), QString("2"));
      Type(dialog, 2, "7e7");
      Type(dialog, 3, "1e-5");
      Button(dialog, "OK")->click();
    });
    QStringList shown;
    script.On("MatA", [&shown](QWidget* list) {
      for (int row = 1; row <= 2; ++row)
        for (int col = 0; col <= 2; ++col) shown << Cell(list, row, col);
      Button(list, "CloseB")->click();
    });
    window.Action(M::MnuMatProp)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(shown, QStringList({"1", "2e8", "0", "2", "7e7", "1e-5"}));
    QCOMPARE(model.MaterialCount, std::int16_t(2));
    QCOMPARE(model.Materials(2, 2), 1e-5f);
    QCOMPARE(window.Label(5)->text(), QString(" Materials: 2"));
    QVERIFY(window.Commands().HasUnsavedChanges());

    // The window's own close button is Cancel: the model keeps its two materials.
    script.On("MatA", [&messages](QWidget* list) {
      messages.Answer(kAnswerOk);
      Button(list, "EditB")->click();
    });
    script.On("MatB", [](QWidget* dialog) {
      QVERIFY(!Button(dialog, "Cancel")->isVisible());
      Type(dialog, 2, "5");
      dialog->close();  // kept, as OK, while editing
    });
    QString edited;
    script.On("MatA", [&edited](QWidget* list) {
      edited = Cell(list, 1, 1);
      list->close();
    });
    window.Action(M::MnuMatProp)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(model.MaterialCount, std::int16_t(2));
    QCOMPARE(edited, QString("5"));
    QCOMPARE(model.Materials(1, 1), 2e8f);
  }

  void aClickOnARowsNumberOrAnyOfItsCellsSelectsIt() {
    ModelStore model;
    ScriptedMessages messages({kAnswerOk, kAnswerOk});
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
    ModalScript script;
    QStringList edited;
    auto editRow = [](int row, int col) {
      return [row, col](QWidget* list) {
        ClickCell(list, row, col);
        Button(list, "EditB")->click();
      };
    };
    auto noteJoint = [&edited](QWidget* dialog) {
      edited << Field(dialog, 1)->text();
      Button(dialog, "OK")->click();
    };
    script.On("JointA", editRow(4, 0)).On("JointB", noteJoint);
    script.On("JointA", editRow(2, 2)).On("JointB", noteJoint);
    script.On("JointA", [](QWidget* list) { Button(list, "CancelB")->click(); });
    ShowListWindow(FormId::JointA, model, messages, &window);
    QVERIFY(script.Done());
    QCOMPARE(edited, QStringList({"4", "2"}));
    QCOMPARE(messages.Log().at(0).Text, std::string("Edit coordinates of Joint 4 ?"));
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
    QString stored;
    script.On("MatA", [&stored](QWidget* list) {
      stored = Cell(list, 1, 1);
      Button(list, "CloseB")->click();
    });
    QVERIFY(ShowListWindow(FormId::MatA, model, messages, nullptr));
    QVERIFY(script.Done());
    QCOMPARE(stored, QString("2e8"));
    QCOMPARE(model.Materials(1, 1), 2e8f);
  }
};

QTEST_MAIN(DataEditorsTest)
#include "DataEditorsTest.moc"
