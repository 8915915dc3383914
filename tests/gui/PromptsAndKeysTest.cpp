// The message boxes as the user answers them, and the keys of the main window's hidden items.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "gui/WindowDriver.h"
#include "ui/qt/QtMessages.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

class PromptsAndKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings of this run live in a folder of their own, never in the user's.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
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
        {"No on Yes/No", kStyleYesNoQuestion,
         [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, kAnswerNo},
        {"Yes on Yes/No", kStyleYesNo,
         [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, kAnswerYes},
        {"Escape on Yes/No/Cancel", kStyleYesNoCancelQuestion,
         [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, kAnswerCancel},
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
                         : row.style == kStyleYesNoCancelQuestion
                             ? messages.AskYesNoCancel("T", row.how)
                             : messages.AskQuestion("T", row.how);
      QVERIFY2(answer == row.expected, row.how);
    }
  }

  // F5 while the results are shown says why on the status line; Ctrl+O with a project open
  // closes it and opens the file chosen.
  void theKeyOfAHiddenItemIsForwarded() {
    Session s("portal-frame");
    QApplication::setActiveWindow(&s.window);
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QVERIFY(!s.window.Action(M::MnuAna)->isVisible());
    QTest::keyClick(&s.window, Qt::Key_F5);
    QVERIFY(s.window.statusBar()->currentMessage().startsWith("Analyze: the results are shown"));
    QVERIFY(s.window.Commands().Session().ResultsShown());

    s.dialogs.Answer(Example("roof-truss"));
    QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(s.window.ProjectFileLabel()->text(), QString::fromStdString(Example("roof-truss")));
    QVERIFY(s.window.windowTitle().startsWith("roof-truss.str \u2014 "));
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(PromptsAndKeysTest)
#include "PromptsAndKeysTest.moc"
