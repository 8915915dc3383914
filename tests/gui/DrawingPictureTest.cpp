// The picture box and the main window's drawing: every example drawn before and after its
// analysis and saved as PNG under the build folder (tests/drawings/) for anyone to look at,
// the picture surviving a resize, and the Save Picture command.
#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/Analysis.h"
#include "app/qt/MainWindow.h"
#include "graphics/Drawing.h"
#include "graphics/qt/PictureBox.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;

namespace {

const char* const kExamples[] = {"continuous-beam",   "roof-truss", "portal-frame",
                                 "space-truss-tower", "grid-floor", "space-frame"};

ModelStore Example(const char* name) {
  std::string problem;
  ModelStore model = testing::ExampleModel(name, problem);
  if (!problem.empty()) model.JointCount = 0;
  return model;
}

// How many pixels of the image show the given palette colour, smoothed edges included.
int PixelsOf(const QImage& image, int colour) {
  const Rgb rgb = PaletteRgb(colour);
  auto near = [](int channel, int wanted) { return wanted ? channel > 155 : channel < 100; };
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      count += near(qRed(p), rgb.Red) && near(qGreen(p), rgb.Green) && near(qBlue(p), rgb.Blue);
    }
  return count;
}

}  // namespace

class DrawingPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void examplesDrawnBeforeAndAfterAnalysis() {
    QDir().mkpath("drawings");
    for (const char* name : kExamples) {
      ModelStore model = Example(name);
      QVERIFY2(model.JointCount > 0, name);
      PictureBox picture;
      picture.resize(600, 600);
      ScriptedMessages messages;
      PlotStructure(model, picture, FormId::mcas, messages);
      QImage before = picture.Render(QSize(600, 600));
      QVERIFY(before.save(QString("drawings/%1-input.png").arg(name)));
      // Unanalysed supports are red; the structure is cyan.
      QVERIFY2(PixelsOf(before, kLightRed) > 0, name);
      QVERIFY2(PixelsOf(before, kLightCyan) > 0, name);
      // The previews of the joint-load and member-load editors, with their numbers.
      for (auto [form, suffix] :
           {std::pair{FormId::JLoadA, "JLoadA"}, std::pair{FormId::MemLoadA, "MemLoadA"}}) {
        PlotStructure(model, picture, form, messages);
        QVERIFY(
            picture.Render(QSize(600, 600)).save(QString("drawings/%1-%2.png").arg(name, suffix)));
      }

      Analyze(model);
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      for (int multiplier : {5, 100}) {
        model.DeflectionMultiplier = static_cast<std::int16_t>(multiplier);
        PlotStructure(model, picture, FormId::mcas, messages);
        QVERIFY(picture.Render(QSize(600, 600))
                    .save(QString("drawings/%1-analysed-x%2.png").arg(name).arg(multiplier)));
      }
      QVERIFY2(messages.Log().empty(), name);
    }
  }

  void pictureIsRepaintedFromItsStrokesAtAnySize() {
    ModelStore model = Example("portal-frame");
    PictureBox picture;
    picture.resize(200, 200);
    ScriptedMessages messages;
    PlotStructure(model, picture, FormId::mcas, messages);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    picture.resize(450, 450);
    const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(450, 450));
    QVERIFY(PixelsOf(shown, kLightCyan) > 0);
    QVERIFY(PixelsOf(shown, kLightMagenta) > 0);
  }

  void mainWindowDrawsTheModelAndSavesThePicture() {
    ModelStore model;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    MainWindow window(model, &messages, &dialogs);
    model = Example("roof-truss");
    window.findChild<QPushButton*>("ReDraw")->click();
    QVERIFY(!window.Canvas()->Strokes().empty());
    QCOMPARE(window.Canvas()->objectName(), QString("Pic1"));

    QTemporaryDir folder;
    QAction* save = window.findChild<QAction*>("MnuProjPicture");
    QVERIFY(save);
    dialogs.Answer(folder.filePath("truss.svg").toStdString());
    save->trigger();
    QFile svg(folder.filePath("truss.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));
    dialogs.Answer(folder.filePath("truss.png").toStdString());
    save->trigger();
    QCOMPARE(QImage(folder.filePath("truss.png")).width(), 800);
    QVERIFY(messages.Log().empty());

    dialogs.Answer(folder.filePath("no/such/folder/truss.png").toStdString());
    save->trigger();
    QCOMPARE(messages.Log().size(), std::size_t(1));
    QCOMPARE(messages.Log()[0].Title, std::string("Picture Save Error"));

    // With the project closed the model is empty and so is the picture.
    model.Reset();
    window.Redraw();
    QVERIFY(window.Canvas()->Strokes().empty());
  }
};

QTEST_MAIN(DrawingPictureTest)
#include "DrawingPictureTest.moc"
