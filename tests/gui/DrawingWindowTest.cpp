// The drawing mode of the main window with the mouse, offscreen: View > Draw Structure shows the
// toolbar, a scripted sequence of drags adds a second bay (3 m) to the portal frame, the status
// line follows the pointer, Live analyses as a joint is dragged, and Undo takes every step back.
#include "app/qt/DrawingBar.h"
#include "graphics/DrawingData.h"
#include "gui/WindowDriver.h"
#include "model/ProjectFile.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

QPoint Pixel(PictureBox* canvas, Point p) {
  const PictureMapping map(canvas->View().Visible(), canvas->width(), canvas->height());
  return QPointF(map.X(p.X), map.Y(p.Y)).toPoint();
}

void Drag(PictureBox* canvas, Point from, Point to) {
  QTest::mousePress(canvas, Qt::LeftButton, {}, Pixel(canvas, from));
  QTest::mouseMove(canvas, Pixel(canvas, {(from.X + to.X) / 2, (from.Y + to.Y) / 2}));
  QTest::mouseMove(canvas, Pixel(canvas, to));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, Pixel(canvas, to));
}

std::string FileText(const ModelStore& model) {
  std::string text;
  ProjectFileText(model, text);
  return text;
}

}  // namespace

class DrawingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondBayIsDrawnAndUndoneStepByStep() {
    OwnSettings settings;
    Session s("portal-frame", false);
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    const std::string portal = FileText(s.model);
    DrawingBar* bar = s.window.Drawing();
    QVERIFY(bar->isHidden());
    s.window.DrawAction()->trigger();
    QVERIFY(bar->isVisible() && bar->Active());
    QCOMPARE(bar->findChild<QDoubleSpinBox*>("DrawGridSpacing")->value(), 1.0);
    PictureBox* canvas = s.window.Canvas();

    bar->findChild<QAction*>("DrawMember")->trigger();
    Drag(canvas, {8, 5}, {11, 5});
    Drag(canvas, {11, 0}, {11, 5});
    bar->findChild<QAction*>("DrawSupport")->trigger();
    bar->findChild<QComboBox*>("DrawSupportKind")->setCurrentIndex(0);  // fixed
    QTest::mouseClick(canvas, Qt::LeftButton, {}, Pixel(canvas, {11, 0}));
    QCOMPARE(s.model.JointCount, 6);
    QCOMPARE(s.model.MemberCount, 5);
    QCOMPARE(s.model.MemberProps(4, 1), 3);
    QCOMPARE(s.model.MemberProps(4, 2), 5);
    QCOMPARE(s.model.MemberProps(5, 1), 6);
    QCOMPARE(s.model.MemberProps(5, 2), 5);
    QCOMPARE(s.model.SupportCount, 3);
    QCOMPARE(s.model.Supports(3, 1), 6);

    // The pointer's coordinates, snapped, on the status line.
    QTest::mouseMove(canvas, Pixel(canvas, {4.1, 1.9}));
    auto* status = s.window.findChild<QLabel*>("DrawStatus");
    QVERIFY2(status->text().startsWith("X = 4, Y = 2, grid point"), qPrintable(status->text()));

    // Live: a drag of joint 5 is analysed as it moves and is one more step.
    bar->findChild<QCheckBox*>("DrawLive")->setChecked(true);
    QVERIFY(status->text().contains("live, double precision"));
    bar->findChild<QAction*>("DrawSelect")->trigger();
    Drag(canvas, {11, 5}, {11, 7});
    QCOMPARE(s.model.JointCoords(5, 2), 7.0f);
    QCOMPARE(bar->Mode().LiveResults().AnalysisStatus, kAnalysisComplete);
    QVERIFY(!s.window.Commands().Session().ResultsShown());  // the menus stay as they were

    for (const char* step : {"&Undo Joints", "&Undo Joints", "&Undo Members", "&Undo Members"}) {
      QCOMPARE(s.window.Action(MenuItem::MnuEditUndo)->text(), QString(step));
      s.window.Action(MenuItem::MnuEditUndo)->trigger();
    }
    QCOMPARE(FileText(s.model), portal);
    QVERIFY(!s.window.Commands().HasUnsavedChanges());
    s.window.DrawAction()->trigger();
    QVERIFY(bar->isHidden() && !bar->Active());
  }
};

QTEST_MAIN(DrawingWindowTest)
#include "DrawingWindowTest.moc"
