// What a screen reader meets: every window and dialog of the program is walked through Qt's
// accessibility interface, and each control the user can operate must be announced by a name a
// person would say, never left unnamed or called by an internal identifier.

#include <QAccessible>
#include <QRegularExpression>

#include "app/HelpPages.h"
#include "app/MenuRoutes.h"
#include "app/qt/CheckWorkWindow.h"
#include "app/qt/HelpWindow.h"
#include "app/qt/LoadCaseDialogs.h"
#include "app/qt/MakeVariantsDialog.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "app/qt/TourWindow.h"
#include "editors/DataWindows.h"
#include "editors/EditorForms.h"
#include "gui/WindowDriver.h"
#include "reports/qt/PrintOptionsDialog.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

namespace {

bool Operable(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
    case QAccessible::Slider: return true;
    default: return false;
  }
}

// An empty name, or one shaped like a name in the code: a lower-case letter running into a
// capital ("ReDraw", "AddB"), an underscore, access-key marks or padding left in.
bool SaysNothing(const QString& name) {
  static const QRegularExpression identifier("[a-z][A-Z]|_|&|^\\s|\\s$");
  return name.isEmpty() || identifier.match(name).hasMatch();
}

void Walk(QAccessibleInterface* node, const QString& window, QStringList& faults, int depth = 0) {
  if (!node || !node->isValid() || depth > 40 || node->state().invisible) return;
  QString name = node->text(QAccessible::Name);
  // On Linux a box of choices is announced by its choice; what it chooses is its own name.
  if (node->role() == QAccessible::ComboBox)
    name = qobject_cast<QWidget*>(node->object())->accessibleName();
  if (Operable(node->role()) && SaysNothing(name))
    faults << QString("%1: role %2 named \"%3\"").arg(window).arg(int(node->role())).arg(name);
  for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), window, faults, depth + 1);
}

// Every window and dialog has a help page, which F1 opens (a row of WindowHelpTable).
bool HasHelpPage(const QString& window) {
  for (const WindowHelpRow& row : WindowHelpTable())
    if (window == row.Window) return true;
  return false;
}

QStringList Faults(QWidget* window) {
  QStringList faults;
  Walk(QAccessible::queryAccessibleInterface(window), window->objectName(), faults);
  if (!HasHelpPage(window->objectName()))
    faults << QString("%1: no help page in WindowHelpTable").arg(window->objectName());
  return faults;
}

}  // namespace

class AccessibleTreeTest : public QObject {
  Q_OBJECT

 private slots:
  void theMainWindowInEachPhase() {
    QStringList faults;
    ModelStore model;
    ScriptedMessages messages;
    MainWindow empty(model, &messages);
    empty.show();
    faults << Faults(&empty);
    // Opened, with the drawing mode's toolbar shown (it only adds to the window).
    Session open("portal-frame", false);
    open.window.DrawAction()->trigger();
    faults << Faults(&open.window);
    Session analysed("portal-frame");
    faults << Faults(&analysed.window);
    // The drawing is read as text, the structure with its results.
    QVERIFY(QAccessible::queryAccessibleInterface(analysed.window.Canvas())
                ->text(QAccessible::Description)
                .contains("Largest displacement"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  // Each data menu opens its own list window (on the first example where that list is not empty),
  // then its first item's dialog for Edit (that Cancel and Close leave the project as it was is the
  // editors' tests' business).
  void everyListWindowAndEntryDialog() {
    QStringList faults;
    int lists = 0;
    for (const MenuItemInfo& info : MenuItems()) {
      const FormId form = RouteOf(info.Item).Window;
      if (RouteOf(info.Item).Target != MenuTarget::DataWindow) continue;
      for (const char* example : {"continuous-beam", "roof-truss", "portal-frame"}) {
        Session s(example, false);
        DataWindow data = MakeDataWindow(form, s.model, s.messages);
        data.Editor->Open();
        if (data.Editor->ItemCount() == 0) continue;
        s.messages.Answer(kAnswerOk);
        ModalScript script;
        script.On(EditorFormName(form), [&faults, &data](QWidget* list) {
          faults << Faults(list);
          list->findChild<QTableView*>("Grid1")->selectRow(0);
          Button(list, "EditB")->click();
        });
        script.On(EditorFormName(FormId(int(form) + 1)), [&faults](QWidget* dialog) {
          faults << Faults(dialog);
          Button(dialog, "Cancel")->click();
        });
        script.On(EditorFormName(form), [](QWidget* list) { Button(list, "CloseB")->click(); });
        s.window.Action(info.Item)->trigger();
        QVERIFY2(script.Done(), info.Name);
        ++lists;
        break;
      }
    }
    QCOMPARE(lists, 9);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  // Every window a menu item opens as a modal window, then the windows opened otherwise.
  void theProjectAndResultsWindows() {
    QStringList faults;
    Session s("portal-frame");
    auto audit = [&faults](QWidget* window) { faults << Faults(window); };
    for (QAction* item :
         {s.window.Action(M::MnuProjUnits), s.window.Action(M::MnuProjPrecision),
          s.window.Action(M::MnuProjPreferences), s.window.Action(M::MnuJtDispl),
          s.window.Action(M::MnuMemForce), s.window.Action(M::MnuReact),
          s.window.Action(M::MnuSteps), s.window.findChild<QAction*>("MnuDiagInfluence"),
          s.window.Action(M::MnuStabilityOptions), s.window.Action(M::MnuCriticalLoad),
          s.window.Action(M::MnuSecondOrder)})
      QVERIFY2(Opened<QDialog>([item] { item->trigger(); }, audit), qPrintable(item->text()));
    MemberDiagramWindow member(s.window.Commands(), 1);
    const LoadTrain train{{{100, 0}, {100, 2}}, 5};
    member.ShowEnvelope(
        s.model,
        ComputeMovingLoadEnvelope(
            s.model, s.window.Commands().Results(), 1,
            BuildMemberDiagrams(s.model, s.window.Commands().Results()).front().Quantities.back(),
            {}, train)
            .Envelope);
    LoadCaseDialog cases(s.window.Commands(), false), combinations(s.window.Commands(), true);
    ProjectTitleDialog title(s.model, s.messages, &s.window);
    PrintOptions options(s.window.Commands().Results());
    PrintOptionsDialog print(options);
    MakeVariantsDialog variants(VariantsChoice{}, s.messages, &s.window);
    for (QWidget* window : std::initializer_list<QWidget*>{&member, &cases, &combinations, &title,
                                                           &print, &variants}) {
      window->show();
      audit(window);
    }
    Session exercise("portal-frame", false);
    QVERIFY(Opened<CheckWorkWindow>([&] { exercise.window.Action(M::MnuCheckWork)->trigger(); },
                                    audit));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  void theHelpAndGettingStartedWindows() {
    HelpWindow help(HelpFolder());
    help.ShowPage("index");
    help.show();
    TourWindow tour;
    tour.Update(TourState{});
    tour.show();
    const QStringList faults = Faults(&help) + Faults(&tour);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }
};

QTEST_MAIN(AccessibleTreeTest)
#include "AccessibleTreeTest.moc"
