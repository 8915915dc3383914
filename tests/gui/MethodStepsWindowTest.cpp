// The step-by-step window as the user reaches it: each example analysed in the main window, the
// window opened from its menu item, Previous/Next walking through the members with the marked
// cells of [S] following, and Ctrl+C copying a matrix. Each window (member tab and structure tab)
// is saved as PNG under the build folder (tests/method-steps/) to be looked at.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <set>

#include "app/qt/MainWindow.h"
#include "app/qt/MethodStepsWindow.h"
#include "reports/qt/PrintOptionsDialog.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using M = MenuItem;

namespace {

const char* const kExamples[] = {"continuous-beam",   "roof-truss", "portal-frame",
                                 "space-truss-tower", "grid-floor", "space-frame"};

void WhenStepsWindowOpens(std::function<void(MethodStepsWindow*)> inspect) {
  QTimer::singleShot(0, [inspect] {
    auto* window = qobject_cast<MethodStepsWindow*>(QApplication::activeModalWidget());
    QVERIFY(window);
    inspect(window);
    window->findChild<QPushButton*>("CloseB")->click();
  });
}

// The shaded cells of [S] must be those of the member's free code numbers.
void ExpectMarksOf(MethodStepsWindow* window, const MethodTrail& trail, int index) {
  std::set<int> free;
  for (int code : trail.Members[static_cast<std::size_t>(index)].CodeNumbers)
    if (code <= trail.DofCount) free.insert(code);
  StepTableView* s = window->View("S");
  QCOMPARE(s->model()->rowCount(), trail.DofCount);
  for (int r = 0; r < trail.DofCount; ++r)
    for (int c = 0; c < trail.DofCount; ++c)
      QCOMPARE(s->IsShaded(r, c), free.count(r + 1) > 0 && free.count(c + 1) > 0);
}

}  // namespace

class MethodStepsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFromTheMenuAndWalksThroughTheMembers() {
    QDir().mkpath("method-steps");
    for (const char* name : kExamples) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
      MainWindow main(model, &messages);
      QVERIFY(main.Commands().OpenProjectFile(
          testing::SourcePath(std::string("examples/") + name + ".str")));
      main.Refresh();
      QVERIFY(!main.Action(M::MnuSteps)->isVisible());
      main.Action(M::MnuAna)->trigger();
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      QVERIFY(main.Action(M::MnuSteps)->isVisible());
      const MethodTrail* trail = main.Commands().Trail();
      QVERIFY(trail);

      bool opened = false;
      WhenStepsWindowOpens([&](MethodStepsWindow* window) {
        opened = true;
        QCOMPARE(window->windowTitle(), QString("The Method, Step by Step"));
        auto* picker = window->findChild<QComboBox*>("MemberPicker");
        auto* next = window->findChild<QPushButton*>("NextMember");
        auto* previous = window->findChild<QPushButton*>("PreviousMember");
        QCOMPARE(picker->count(), model.MemberCount);
        QCOMPARE(window->CurrentMember(), 0);
        QVERIFY(!previous->isEnabled());
        window->resize(1100, 800);
        QVERIFY(window->grab().save(QString("method-steps/%1-member.png").arg(name)));
        QVERIFY(window->findChild<QScrollArea*>()->widget()->grab().save(
            QString("method-steps/%1-member-all.png").arg(name)));
        ExpectMarksOf(window, *trail, 0);
        next->click();
        QCOMPARE(window->CurrentMember(), 1);
        QCOMPARE(picker->currentIndex(), 1);
        ExpectMarksOf(window, *trail, 1);
        QCOMPARE(window->View("k")->model()->rowCount(),
                 static_cast<int>(trail->Members[1].CodeNumbers.size()));
        previous->click();
        QCOMPARE(window->CurrentMember(), 0);
        ExpectMarksOf(window, *trail, 0);
        for (int i = 1; i < model.MemberCount; ++i) next->click();
        QVERIFY(!next->isEnabled());
        QCOMPARE(window->CurrentMember(), model.MemberCount - 1);

        // Ctrl+C copies the whole matrix as tab-separated text.
        StepTableView* k = window->View("k");
        k->setFocus();
        QTest::keyClick(k, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied.count('\n'), k->model()->rowCount());
        QCOMPARE(copied.section('\n', 0, 0).count('\t'), k->model()->columnCount() - 1);

        window->findChild<QTabWidget*>("StepTabs")->setCurrentIndex(2);
        QVERIFY(window->grab().save(QString("method-steps/%1-structure.png").arg(name)));
        window->findChild<QTabWidget*>("StepTabs")->setCurrentIndex(0);
        QVERIFY(window->grab().save(QString("method-steps/%1-numbering.png").arg(name)));
        window->findChild<QTabWidget*>("StepTabs")->setCurrentIndex(3);
        QVERIFY(window->grab().save(QString("method-steps/%1-checks.png").arg(name)));
      });
      main.Action(M::MnuSteps)->trigger();
      QVERIFY2(opened, name);

      main.Action(M::MnuEditData)->trigger();
      QVERIFY(!main.Action(M::MnuSteps)->isVisible());
      QVERIFY(!main.Commands().Trail());
    }
  }

  // "Print Options" offers the method trail only once an analysis has completed.
  void printOptionsOfferTheTrailOnlyWithResults() {
    for (bool hasResults : {false, true}) {
      ModelStore model;
      model.AnalysisStatus = hasResults ? kAnalysisComplete : kNoResults;
      PrintOptions options(model);
      PrintOptionsDialog dialog(options);
      QCheckBox* trail = dialog.Box(ReportSection::MethodTrail);
      QCOMPARE(trail->isEnabled(), hasResults);
      trail->setChecked(true);
      QCOMPARE(options.Chosen(ReportSection::MethodTrail), hasResults);
      if (hasResults) QVERIFY(dialog.grab().save("method-steps/print-options.png"));
    }
  }
};

QTEST_MAIN(MethodStepsWindowTest)
#include "MethodStepsWindowTest.moc"
