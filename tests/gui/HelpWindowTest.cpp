// The Help menu and F1 in the windows: the page of the window the key is pressed in (a modal
// dialog's too), each page's kept place, Back, and the Getting Started window following the
// project as its results are read.
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>

#include "app/qt/HelpWindow.h"
#include "app/qt/ResultsWindows.h"
#include "app/qt/TourWindow.h"
#include "gui/WindowDriver.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

namespace {

HelpWindow* ShownHelp() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible()) return help;
  return nullptr;
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
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

  void theMenuFindsAndKeepsEachPagesPlace() {
    Session s("portal-frame", false);
    s.window.Action(M::MnuHelpSigns)->trigger();
    HelpWindow* help = ShownHelp();
    QVERIFY(help);
    QCOMPARE(help->CurrentPage(), std::string("sign-conventions"));
    QScrollBar* scroll = help->findChild<QTextBrowser*>("HelpPage")->verticalScrollBar();
    QVERIFY(scroll->maximum() > 200);  // six types of pictures
    scroll->setValue(200);
    help->Find("restrain rotation");
    QCOMPARE(help->CurrentPage(), std::string("joints"));
    help->ShowPage("sign-conventions");
    QCOMPARE(scroll->value(), 200);
    help->findChild<QPushButton*>("BackB")->click();
    QCOMPARE(help->CurrentPage(), std::string("joints"));
    s.window.Action(M::MnuHelpWindow)->trigger();
    QCOMPARE(help->CurrentPage(), std::string("main-window"));
    help->close();
  }

  // Which step comes when is the Qt-free tour's test; here the window follows the project.
  void gettingStartedFollowsTheProject() {
    Session s("portal-frame");
    s.window.Action(M::MnuHelpStart)->trigger();
    QVERIFY(s.window.Tour() && s.window.Tour()->isVisible());
    QLabel* heading = s.window.Tour()->findChild<QLabel*>("StepHeading");
    QVERIFY(heading->text().startsWith("Step 10 of 12"));
    QVERIFY(Opened<ResultsWindow>([&] { s.window.Action(M::MnuJtDispl)->trigger(); },
                                  [](ResultsWindow*) {}));
    QVERIFY(heading->text().startsWith("Step 11 of 12"));
    s.window.Tour()->close();
    if (HelpWindow* help = ShownHelp()) help->close();
  }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
