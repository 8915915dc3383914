// The main window and the windows its menus open, driven with Qt Test on the offscreen platform.
// Each example is opened, analysed, and its results, diagrams and step-by-step windows opened
// from their menus: each window must show what the Qt-free code built for it, every number
// readable whole. A smaller case checks the menus and the recent projects; then the message boxes
// as the user answers them and F1 over a dialog. Scripted messages and file dialogs stand in for
// the user.
#include <QComboBox>
#include <functional>

#include "app/ResultTables.h"
#include "app/qt/HelpWindow.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/MethodStepsWindow.h"
#include "app/qt/ResultsWindows.h"
#include "editors/DataWindows.h"
#include "editors/qt/ListWindow.h"
#include "gui/WindowDriver.h"
#include "ui/qt/QtMessages.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

namespace {

// In every menu of the window (the menu bar, each drop-down and submenu, whatever is shown at
// the time) each item has an access key no other item of its menu has, and no two items of the
// window share a shortcut.
void CheckMenuKeys(QMainWindow& window) {
  QList<QList<QAction*>> menus{window.menuBar()->actions()};
  QSet<QString> shortcuts;
  for (qsizetype m = 0; m < menus.size(); ++m) {
    QSet<QChar> keys;
    for (QAction* item : menus[m]) {
      if (item->isSeparator()) continue;
      if (item->menu()) menus << item->menu()->actions();
      const QString text = QString(item->text()).replace("&&", "");
      const qsizetype amp = text.indexOf('&');
      QVERIFY2(amp >= 0 && amp + 1 < text.size() && !keys.contains(text[amp + 1].toUpper()),
               qPrintable(item->text()));
      keys.insert(text[amp + 1].toUpper());
      for (const QKeySequence& shortcut : item->shortcuts()) {
        QVERIFY2(!shortcuts.contains(shortcut.toString()), qPrintable(shortcut.toString()));
        shortcuts.insert(shortcut.toString());
      }
    }
  }
}

// The cells (and heading words, which may wrap) of `view` whose text is wider than the column,
// with the delegate's margin on both sides; with `whole`, also a table wider than its view.
QStringList Clipped(const QTableView* view, const QString& where, bool whole = false) {
  QStringList clipped;
  const QAbstractItemModel* cells = view->model();
  const QHeaderView* header = view->horizontalHeader();
  const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
  auto cut = [&](const QFontMetrics& metrics, int room, const QString& text, int c) {
    if (metrics.horizontalAdvance(text) + room > view->columnWidth(c))
      clipped << QString("%1 column %2: \"%3\"").arg(where).arg(c).arg(text);
  };
  for (int c = 0; c < cells->columnCount(); ++c) {
    for (const QString& word :
         cells->headerData(c, Qt::Horizontal).toString().split(QRegularExpression("\\s+")))
      cut(header->fontMetrics(), headerMargin, word, c);
    for (int r = 0; r < cells->rowCount(); ++r)
      cut(view->fontMetrics(), margin, cells->index(r, c).data().toString(), c);
  }
  if (whole && view->horizontalHeader()->length() > view->viewport()->width())
    clipped << where + " cut at its right edge";
  return clipped;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // At start only the Project and Help menus show, every item with an access key of its own, and
  // the picture says how to begin. Open Recent opens a project of the settings' list. The View
  // menu's numbers toggle shows and hides the joint and member numbers and nothing else.
  void theEmptyWindowGuidesRecentProjectsOpenAndTheNumbersFollowTheViewMenu() {
    const QString portal = QString::fromStdString(Example("portal-frame"));
    QSettings().setValue("RecentProjects", QStringList{portal});
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    int visibleTopLevel = 0;
    for (QAction* action : window.menuBar()->actions()) visibleTopLevel += action->isVisible();
    QCOMPARE(visibleTopLevel, 2);
    CheckMenuKeys(window);
    PictureBox* canvas = window.Canvas();
    const std::size_t guide = canvas->Strokes().size();
    QVERIFY(guide > 0);

    emit window.RecentMenu()->aboutToShow();
    window.RecentMenu()->actions().at(0)->trigger();
    QCOMPARE(window.ProjectFileLabel()->text(), portal);
    QVERIFY(!window.Action(M::MnuProjRecent)->isVisible());

    const std::size_t shown = canvas->Strokes().size();
    window.NumbersAction()->setChecked(false);
    QCOMPARE(canvas->Strokes().size(), shown - 7);  // joints 1 to 4, members 1 to 3
    window.NumbersAction()->setChecked(true);
    QCOMPARE(canvas->Strokes().size(), shown);
    window.Action(M::MnuProjClose)->trigger();
    QCOMPARE(canvas->Strokes().size(), guide);
    QSettings().remove("RecentProjects");
  }

  // Each example opened, analysed, its results, diagrams and step-by-step windows opened from
  // their menus, and Edit Data going back. Each window shows what the core built for it, every
  // number readable whole (in the list windows too, and step by step in a narrow window).
  void eachExampleThroughItsMenus() {
    for (const char* name : testing::kExampleNames) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo});  // results and Edit Data not printed
      ScriptedFileDialogs dialogs({Example(name)});
      MainWindow window(model, &messages, &dialogs);
      window.resize(1300, 760);
      window.show();
      window.Action(M::MnuProjOpen)->trigger();
      QStringList clipped;
      // The list windows, JointA to MemErrA, each followed by its dialog's form.
      for (int list = int(FormId::JointA); list <= int(FormId::MemErrA); list += 2) {
        DataWindow data = MakeDataWindow(static_cast<FormId>(list), model, messages);
        ListWindow view(*data.Editor, nullptr, nullptr, {});
        clipped << Clipped(view.findChild<QTableView*>("Grid1"), QString("list %1").arg(list));
      }
      PictureBox* canvas = window.Canvas();
      const std::size_t undeformed = canvas->Strokes().size();

      window.Action(M::MnuAna)->trigger();
      // The deformed shape is drawn, the box showing exactly the multiplier chosen for it.
      QCOMPARE(window.MultiplierBox()->currentText(),
               QString::number(window.Commands().Multiplier()));
      QVERIFY(canvas->Strokes().size() > undeformed);
      CheckMenuKeys(window);

      for (const std::pair<M, FormId>& results : {std::pair{M::MnuJtDispl, FormId::Disp},
                                                  {M::MnuMemForce, FormId::MbForce},
                                                  {M::MnuReact, FormId::Reac}}) {
        const ResultTable table =
            BuildResultTable(model, window.Commands().Results(), results.second);
        auto shows = [&](ResultsWindow* w) {
          QCOMPARE(w->windowTitle().toStdString(), table.Caption);
          const QAbstractItemModel* grid = w->Grid()->model();
          QCOMPARE(grid->rowCount(), table.Rows() - 1);  // the headings above the rows
          for (int r = 0; r < table.Rows(); ++r)
            for (int c = 0; c < table.Cols(); ++c)
              QCOMPARE((r ? grid->index(r - 1, c).data() : grid->headerData(c, Qt::Horizontal))
                           .toString()
                           .toStdString(),
                       table.Cells[std::size_t(r)][std::size_t(c)]);
          QCOMPARE(w->Canvas() && w->Canvas()->isVisible(), table.ShowsCanvas);
          clipped << Clipped(w->Grid(), w->objectName());
        };
        QVERIFY(Opened<ResultsWindow>([&] { window.Action(results.first)->trigger(); }, shows));
      }
      for (int m = 1; m <= model.MemberCount; ++m) {
        MemberDiagramWindow member(window.Commands(), m);
        member.show();
        clipped << Clipped(member.Grid(), QString("member %1").arg(m));
      }

      // None, then each quantity of the type, drawn beside the structure.
      std::size_t offered = 0;
      for (QAction* choice : window.DiagramsMenu()->actions()) {
        if (!choice->isCheckable()) continue;
        const bool none = offered++ == 0;
        choice->trigger();
        PictureBox* diagram = window.DiagramCanvas();
        QCOMPARE(diagram->isVisible(), !none);
        const bool besideTheStructure = diagram->geometry().left() > canvas->geometry().right();
        QVERIFY(none || (!diagram->Strokes().empty() && besideTheStructure));
      }
      QCOMPARE(offered, QuantitiesOfType(model.StructType).size() + 1);

      auto steps = [&](MethodStepsWindow* w) {
        w->resize(420, 700);
        auto* next = w->findChild<QPushButton*>("NextMember");
        QCOMPARE(w->findChild<QComboBox*>("MemberPicker")->count(), model.MemberCount);
        for (int m = 0; m < model.MemberCount; ++m) {
          if (m > 0) next->click();
          QApplication::processEvents();
          // A member's matrices and vectors show whole; only [S] and {P} may scroll.
          for (StepTableView* view : w->findChildren<StepTableView*>())
            clipped << Clipped(view, QString("steps %1 %2").arg(m + 1).arg(view->objectName()),
                               view->objectName() != "S" && view->objectName() != "P");
        }
        QVERIFY(!next->isEnabled() && w->CurrentMember() == model.MemberCount - 1);
        // Ctrl+C copies the whole matrix as tab-separated text.
        StepTableView* k = w->View("k");
        QTest::keyClick(k, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied.count('\n'), k->model()->rowCount());
        QCOMPARE(copied.section('\n', 0, 0).count('\t'), k->model()->columnCount() - 1);
      };
      QVERIFY(Opened<MethodStepsWindow>([&] { window.Action(M::MnuSteps)->trigger(); }, steps));
      QVERIFY2(clipped.isEmpty(), qPrintable(name + (": " + clipped.join('\n'))));

      window.Action(M::MnuEditData)->trigger();
      QVERIFY(!window.MultiplierBox()->isVisibleTo(&window));
      QVERIFY(!window.DiagramCanvas()->isVisible());
      QCOMPARE(canvas->Strokes().size(), undeformed);  // no deformed shape left over
    }
  }

  // Escape and the close button dismiss a question, which its caller reads as Cancel; a box
  // with OK alone has nothing to call off. The buttons answer as they are named.
  void aDismissedQuestionAnswersCancel() {
    const struct {
      const char* how;
      MessageStyle style;
      std::function<void(QMessageBox*)> answer;
      int expected;
    } cases[] = {
        {"Escape on Yes/No", kStyleYesNoQuestion,
         [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, kAnswerCancel},
        {"close button on Yes/No", kStyleYesNo, [](QMessageBox* box) { box->close(); },
         kAnswerCancel},
        {"Yes on Yes/No", kStyleYesNo,
         [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, kAnswerYes},
        {"Escape on OK", kStyleInformation,
         [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, kAnswerOk},
    };
    for (const auto& row : cases) {
      QtMessages messages;
      QObject context;
      QTimer::singleShot(0, &context, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
          row.answer(box);
      });
      const int answer = row.style == kStyleInformation ? messages.ShowInformation("T", row.how)
                         : row.style == kStyleYesNo     ? messages.AskYesNo("T", row.how)
                                                        : messages.AskQuestion("T", row.how);
      QVERIFY2(answer == row.expected, row.how);
    }
  }

  void f1InADialogOpensThatDialogsPageOverIt() {
    Session s("portal-frame", false);
    std::string page;
    ModalScript script;
    script.On("Units", [](QWidget* units) { QTest::keyClick(units, Qt::Key_F1); });
    script.On("Help", [&page](QWidget* help) {
      page = static_cast<HelpWindow*>(help)->CurrentPage();
      help->close();
    });
    script.On("Units", [](QWidget* units) { Button(units, "Cancel")->click(); });
    s.window.Action(M::MnuProjUnits)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(page, std::string("units"));
  }

 private:
  OwnSettings settings_;
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
