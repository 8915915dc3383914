// The Help menu and F1 in the windows: the page of the window the key is pressed in (a modal
// dialog's too), finding across the pages, each page's kept place, Back, About, and the Getting
// Started window following the project as it is opened, analysed and read.
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

bool Listed(const HelpWindow& help, const std::string& id) {
  const std::vector<std::string> ids = help.ListedPages();
  return std::find(ids.begin(), ids.end(), id) != ids.end();
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
    QVERIFY(Listed(*help, "joints") && !Listed(*help, "reactions"));
    QCOMPARE(help->CurrentPage(), std::string("joints"));
    help->ShowPage("sign-conventions");
    QCOMPARE(scroll->value(), 200);
    help->findChild<QPushButton*>("BackB")->click();
    QCOMPARE(help->CurrentPage(), std::string("joints"));
    help->Find("");
    QVERIFY(Listed(*help, "reactions"));
    s.window.Action(M::MnuHelpWindow)->trigger();
    QCOMPARE(help->CurrentPage(), std::string("main-window"));
    s.messages.Answer(kAnswerOk);
    s.window.Action(M::MnuHelpAbout)->trigger();
    QVERIFY(s.messages.Log().back().Text.find("Help pages: /") != std::string::npos);
    help->close();
  }

  void gettingStartedFollowsTheProject() {
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    window.show();
    window.Action(M::MnuHelpStart)->trigger();
    QVERIFY(window.Tour() && window.Tour()->isVisible());
    QLabel* heading = window.Tour()->findChild<QLabel*>("StepHeading");
    QVERIFY(heading->text().startsWith("Step 1 of 12"));
    // The example holds every step's data: the tour waits at Analyze.
    window.Commands().OpenProjectFile(Example("portal-frame"));
    window.Refresh();
    QVERIFY2(heading->text().startsWith("Step 9 of 12"), qPrintable(heading->text()));
    messages.Answer(kAnswerNo);
    messages.Answer(kAnswerNo);
    window.Action(M::MnuAna)->trigger();
    QVERIFY(heading->text().startsWith("Step 10 of 12"));
    QVERIFY(Opened<ResultsWindow>([&] { window.Action(M::MnuJtDispl)->trigger(); },
                                  [](ResultsWindow*) {}));
    QVERIFY(heading->text().startsWith("Step 11 of 12"));
    window.Tour()->close();
    if (HelpWindow* help = ShownHelp()) help->close();
  }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
