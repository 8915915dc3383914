// The Stability menu's windows, driven with Qt Test on the offscreen platform: the options
// dialog refuses a field out of its limits and keeps what OK takes, the Critical Load window
// lists the modes sought and draws the one chosen, and the second-order window shows both runs.
#include "app/qt/BucklingModesWindow.h"
#include "app/qt/SecondOrderWindow.h"
#include "app/qt/StabilityOptionsDialog.h"
#include "graphics/BucklingModeDrawing.h"
#include "gui/WindowDriver.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

class StabilityWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void theOptionsHoldAndTheChosenModeIsDrawn() {
    Session s("portal-frame");
    QVERIFY(s.window.Action(M::MnuStabilityOptions)->isVisible());
    ModalScript script;
    script.On("StabilityOptions", [](QWidget* dialog) {
      auto* pieces = dialog->findChild<QLineEdit*>("Pieces per member");
      auto* modes = dialog->findChild<QLineEdit*>("Buckling modes");
      QCOMPARE(pieces->text(), QString("4"));
      pieces->setText("0");
      modes->setText("2");
      Button(dialog, "OK")->click();  // refused: the dialog stays open
      QVERIFY(dialog->isVisible());
      pieces->setText("8");
      Button(dialog, "OK")->click();
    });
    s.window.Action(M::MnuStabilityOptions)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(s.messages.Log().back().Text,
             std::string("Pieces per member: \"0\" is out of range. Enter a whole number from 1 "
                         "to 64."));
    QCOMPARE(s.window.Commands().Session().Stability().Segments, 8);

    QVERIFY(Opened<BucklingModesWindow>(
        [&] { s.window.Action(M::MnuCriticalLoad)->trigger(); },
        [](BucklingModesWindow* window) {
          QCOMPARE(window->Chooser()->count(), 2);
          window->Chooser()->setCurrentIndex(1);
          const std::string caption = window->Chooser()->currentText().toStdString();
          QVERIFY(caption.rfind("Mode 2: load factor λ = ", 0) == 0);
          bool drawn = false;
          for (const Stroke& stroke : window->Picture()->Strokes())
            drawn = drawn || (stroke.Shape == Stroke::Kind::Text && stroke.Text == caption);
          QVERIFY(drawn);
        }));
  }

  // The second-order window draws both runs side by side and tabulates their amplification.
  void theSecondOrderWindowShowsBothRuns() {
    Session s("portal-frame");
    QVERIFY(Opened<SecondOrderWindow>(
        [&] { s.window.Action(M::MnuSecondOrder)->trigger(); },
        [](SecondOrderWindow* window) {
          QCOMPARE(window->Grid()->horizontalHeaderItem(4)->text(), QString("Amplification"));
          QCOMPARE(window->Grid()->item(0, 4)->text(), QString("1.0328"));
          window->Shown()->setCurrentIndex(window->Shown()->count() - 1);
          for (PictureBox* picture : {window->FirstOrderPicture(), window->SecondOrderPicture()})
            QVERIFY(!picture->Strokes().empty());
          window->TableChooser()->setCurrentIndex(1);
          QCOMPARE(window->Grid()->rowCount(), 3 * 2 * 3);
        }));
  }
};

QTEST_MAIN(StabilityWindowsTest)
#include "StabilityWindowsTest.moc"
