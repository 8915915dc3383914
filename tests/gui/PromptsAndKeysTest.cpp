// The message boxes as the user answers them, the keys of the main window's hidden items and the
// keyboard over the drawing.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "app/PickInfo.h"
#include "app/qt/HelpWindow.h"
#include "app/qt/PreferencesDialog.h"
#include "app/qt/ResultsWindows.h"
#include "app/qt/TourWindow.h"
#include "gui/WindowDriver.h"
#include "ui/RoutineQuestions.h"
#include "ui/qt/QtMessages.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

class PromptsAndKeysTest : public QObject {
  Q_OBJECT

 private slots:
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

  // Tab moves the keyboard focus over the joints, then the members, highlighted and explained as
  // under the mouse, and put in the drawing's description with the item's results (the platform
  // tells a screen reader of the change; offscreen there is none to tell); Enter is a click;
  // Shift+Tab before the first item goes on to the window's other controls.
  void theKeyboardFocusWalksTheDrawing() {
    Session s("portal-frame", false);
    QApplication::setActiveWindow(&s.window);
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    PictureBox* canvas = s.window.Canvas();
    canvas->setFocus();
    const QImage plain = canvas->grab().toImage();
    using K = PickedItem::Kind;
    for (const PickedItem item :
         {PickedItem{K::Joint, 1}, PickedItem{K::Joint, 2}, PickedItem{K::Joint, 3},
          PickedItem{K::Joint, 4}, PickedItem{K::Member, 1}}) {
      QTest::keyClick(canvas, Qt::Key_Tab);
      QVERIFY(canvas->Focused() == item);
      QCOMPARE(QToolTip::text().toStdString(),
               PickedItemText(s.model, s.window.Commands().Results(), item));
    }
    QVERIFY(canvas->grab().toImage() != plain);
    QTest::keyClick(canvas, Qt::Key_Return);
    QCOMPARE(s.messages.Log().back().Title, std::string("Member 1"));

    s.messages.Answer(kAnswerNo);  // the results not printed
    s.window.Action(M::MnuAna)->trigger();
    const QString description = canvas->accessibleDescription();
    QVERIFY(description.contains(QString::fromStdString(
        "Keyboard focus: " +
        PickedItemText(s.model, s.window.Commands().Results(), {K::Member, 1}))));

    for (int back = 0; back < 4; ++back) QTest::keyClick(canvas, Qt::Key_Backtab);
    QVERIFY(canvas->Focused() == (PickedItem{K::Joint, 1}));
    QTest::keyClick(canvas, Qt::Key_Backtab);
    QVERIFY(canvas->Focused() == PickedItem{});
    QVERIFY(!canvas->hasFocus());
    QVERIFY(!canvas->accessibleDescription().contains("Keyboard focus"));
  }

  // F5 while the results are shown (and Analyze hidden) says why on the status line; what each
  // key does in each phase is the Qt-free key table's test.
  void theKeyOfAHiddenItemIsForwarded() {
    Session s("portal-frame");
    QApplication::setActiveWindow(&s.window);
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QVERIFY(!s.window.Action(M::MnuAna)->isVisible());
    QTest::keyClick(&s.window, Qt::Key_F5);
    QVERIFY(s.window.statusBar()->currentMessage().startsWith("Analyze: the results are shown"));
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

QTEST_MAIN(PromptsAndKeysTest)
#include "PromptsAndKeysTest.moc"
