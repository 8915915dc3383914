// The windows as the user meets them, driven with Qt Test on the offscreen platform. Each example
// project is entered again from an empty project through the editors' windows alone, and the
// model they leave, saved and opened again, must hold the example's data: the example file is the
// oracle. Each example is then opened, analysed, and its results, diagrams and step-by-step
// windows opened from their menus; the results windows must show the printed report's numbers.
// Smaller cases check typing, clicks and Return in the editors, looking around the drawing, the
// recent projects, the report printed into a PDF, and Save Picture.
// Scripted messages and file dialogs stand in for the user.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>

#include "app/ProjectTitleForm.h"
#include "app/qt/InfluenceWindow.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/MethodStepsWindow.h"
#include "app/qt/ProjectTitleDialog.h"
#include "app/qt/ResultsWindows.h"
#include "app/qt/PrecisionDialog.h"
#include "app/qt/UnitsDialog.h"
#include "editors/RestraintText.h"
#include "editors/qt/DataEditors.h"
#include "graphics/DrawingData.h"
#include "graphics/qt/PictureBox.h"
#include "gui/ModalScript.h"
#include "model/MemberLoadKind.h"
#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportPrinter.h"
#include "reports/qt/PrintOptionsDialog.h"
#include "reports/qt/QtReportPrinter.h"
#include "reports/qt/ReportPreview.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::ModalScript;
using M = MenuItem;

namespace {

QPushButton* Button(QWidget* window, const char* name) {
  return window->findChild<QPushButton*>(name);
}
QLineEdit* Field(QWidget* dialog, int n) {
  return dialog->findChild<QLineEdit*>(QString("Text%1").arg(n));
}
QCheckBox* Check(QWidget* dialog, int n) {
  return dialog->findChild<QCheckBox*>(QString("Check%1").arg(n));
}
// The text the list window's grid shows in data row `row` (1..) and column `col`.
QString Cell(QWidget* list, int row, int col) {
  QAbstractItemModel* grid = list->findChild<QTableView*>("Grid1")->model();
  return grid->data(grid->index(row - 1, col)).toString();
}
void Type(QWidget* dialog, int field, const QString& text) {
  Field(dialog, field)->clear();
  QTest::keyClicks(Field(dialog, field), text);
}

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
      QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(item->text()));
      const QChar key = text[amp + 1].toUpper();
      QVERIFY2(!keys.contains(key), qPrintable(item->text()));
      keys.insert(key);
      for (const QKeySequence& shortcut : item->shortcuts()) {
        QVERIFY2(!shortcuts.contains(shortcut.toString()), qPrintable(shortcut.toString()));
        shortcuts.insert(shortcut.toString());
      }
    }
  }
}
std::string Num(float value) {
  return FormatShortest(value);
}

struct Editor {
  M menu;
  const char* list;
  const char* dialog;
  const char* caption;
  bool clickAdd;  // an empty list that does not open into Add by itself
};
const Editor kEditors[] = {
    {M::MnuJoint, "JointA", "JointB", "Joint Coordinates & Supports", false},
    {M::MnuMatProp, "MatA", "MatB", "Material Properties", false},
    {M::MnuCrossProp, "CrossA", "CrossB", "Cross-Sectional Properties", false},
    {M::MnuMemb, "MemberA", "MemberB", "Member Data", false},
    {M::MnuLoadJt, "JLoadA", "JLoadB", "Joint Loads", false},
    {M::MnuLoadMem, "MemLoadA", "MemLoadB", "Member Loads", false},
    {M::MnuLoadSett, "JSettleA", "JSettleB", "Support Displacements", false},
    {M::MnuLoadTemp, "MemTempA", "MemTempB", "Member Temperature Changes", true},
    {M::MnuLoadErr, "MemErrA", "MemErrB", "Member Fabrication Errors", true},
};

// One item of an entry dialog: the texts of its open fields in order, the restraint boxes to
// check and, for member loads, the kind to pick first.
struct Entry {
  std::vector<std::string> texts;
  std::vector<int> checks;
  std::string kind;
};

// Types every entry into the dialog, Next between them, OK after the last, checking the captions
// on the way; then closes the list window with its Close button.
void EnterAll(ModalScript& script, const Editor& e, const std::vector<Entry>& entries,
              const std::string& title) {
  if (e.clickAdd) script.On(e.list, [](QWidget* l) { Button(l, "AddB")->click(); });
  script.On(e.dialog, [entries](QWidget* d) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i > 0) Button(d, "Next")->click();
      if (!entries[i].kind.empty()) {
        auto* choice = d->findChild<QComboBox*>("Choice");
        choice->setCurrentIndex(choice->findText(QString::fromStdString(entries[i].kind)));
      }
      int n = 0;
      for (const std::string& text : entries[i].texts) {
        QLineEdit* field = nullptr;
        do field = Field(d, ++n);
        while (field->isHidden() || field->isReadOnly());
        Type(d, n, QString::fromStdString(text));
      }
      for (int check : entries[i].checks) Check(d, check)->click();
    }
    Button(d, "OK")->click();
  });
  script.On(e.list, [&e, title](QWidget* l) {
    QCOMPARE(l->windowTitle(), QString(e.caption));
    QCOMPARE(l->findChild<QLabel*>("Label1")->text(), QString::fromStdString(title));
    QCOMPARE(l->findChild<QLabel*>("Label2")->text(), QString(e.caption));
    Button(l, "CloseB")->click();
  });
}

// What each editor of kEditors must be given to rebuild the example.
std::vector<std::vector<Entry>> EntriesOf(const ModelStore& x) {
  std::vector<std::vector<Entry>> all(std::size(kEditors));
  const int coords = x.CoordsPerJoint;
  for (int j = 1; j <= x.JointCount; ++j) {
    Entry entry;
    for (int c = 1; c <= x.CoordColumns; ++c) entry.texts.push_back(Num(x.JointCoords(j, c)));
    for (int s = 1; s <= x.SupportCount; ++s)
      for (int k = 1; k <= coords && x.Supports(s, 1) == j; ++k)
        if (x.Supports(s, k + 1) == 1)
          entry.checks.push_back(RestraintNames(x.StructType)[std::size_t(k - 1)].Check);
    all[0].push_back(entry);
  }
  for (int m = 1; m <= x.MaterialCount; ++m) {
    // The dialog asks for E, then the thermal expansion, then (grids, space frames) G.
    const bool shear = x.MaterialColumns() == 3;
    all[1].push_back({{Num(x.Materials(m, 1)), Num(x.Materials(m, shear ? 3 : 2))}, {}, ""});
    if (shear) all[1].back().texts.push_back(Num(x.Materials(m, 2)));
  }
  for (int s = 1; s <= x.SectionCount; ++s) {
    all[2].emplace_back();
    for (int c = 1; c <= x.SectionColumns; ++c)
      all[2].back().texts.push_back(Num(x.Sections(s, c)));
  }
  for (int m = 1; m <= x.MemberCount; ++m) {
    all[3].emplace_back();
    for (int c = 1; c <= 4; ++c) all[3].back().texts.push_back(std::to_string(x.MemberProps(m, c)));
    if (x.StructType == "SFrame") all[3].back().texts.push_back(Num(x.RollAngles(m)));
  }
  for (int i = 1; i <= x.JointLoadCount; ++i) {
    all[4].push_back({{std::to_string(x.JointLoadJoints(i))}, {}, ""});
    for (int k = 1; k <= coords; ++k) all[4].back().texts.push_back(Num(x.JointLoadValues(i, k)));
  }
  // Newest first within a member: entered last to first, they come out in the file's order.
  for (int i = x.MemberLoadCount; i >= 1; --i) {
    const MemberLoadKindInfo* kind = FindMemberLoadKind(x.MemberLoadInfo(i, 2));
    all[5].push_back({{std::to_string(x.MemberLoadInfo(i, 1))}, {}, kind->LongName});
    for (int k = 1; k <= 4; ++k)
      if (kind->ValueLabels[std::size_t(k - 1)])
        all[5].back().texts.push_back(Num(x.MemberLoadValues(i, k)));
  }
  for (int i = 1; i <= x.SettlementCount; ++i) {
    all[6].push_back({{std::to_string(x.SettlementJoints(i))}, {}, ""});
    for (int k = 1; k <= coords; ++k) all[6].back().texts.push_back(Num(x.SettlementValues(i, k)));
  }
  for (int i = 1; i <= x.TempChangeCount; ++i)
    all[7].push_back(
        {{std::to_string(x.TempChangeMembers(i)), Num(x.TempChangeValues(i))}, {}, ""});
  for (int i = 1; i <= x.FabErrorCount; ++i)
    all[8].push_back({{std::to_string(x.FabErrorMembers(i)), Num(x.FabErrorValues(i))}, {}, ""});
  return all;
}

std::string Example(const char* name) {
  return testing::SourcePath(std::string("examples/") + name + ".str");
}
bool Shown(const MainWindow& window, M item) {
  return window.Action(item)->isVisible();
}

// Runs `act` on the modal window of type W that the next command opens, then closes it.
template <typename W>
void WhenOpens(std::function<void(W*)> act) {
  QTimer::singleShot(0, [act] {
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    QVERIFY(window);
    act(window);
    if (auto* close = window->template findChild<QPushButton*>("CloseB"))
      close->click();
    else
      window->close();
  });
}

// The numbers of a text, in reading order, without the tension and compression marks.
std::vector<double> Numbers(const QString& text) {
  static const QRegularExpression number(R"(-?\d+(\.\d+)?(E[-+]\d+)?)");
  std::vector<double> numbers;
  auto matches = number.globalMatch(text);
  while (matches.hasNext()) numbers.push_back(matches.next().captured().toDouble());
  return numbers;
}

// The shaded cells of [S] must be those of the member's free code numbers.
void ExpectMarksOf(MethodStepsWindow* window, const MethodTrail& trail, int index) {
  std::set<int> free;
  for (int code : trail.Members[std::size_t(index)].CodeNumbers)
    if (code <= trail.DofCount) free.insert(code);
  StepTableView* s = window->View("S");
  QCOMPARE(s->model()->rowCount(), trail.DofCount);
  for (int r = 0; r < trail.DofCount; ++r)
    for (int c = 0; c < trail.DofCount; ++c)
      QCOMPARE(s->IsShaded(r, c), free.count(r + 1) > 0 && free.count(c + 1) > 0);
}

void Wheel(QWidget* widget, QPointF at, int notches) {
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}
void MouseTo(QWidget* widget, QPointF at, QEvent::Type type = QEvent::MouseMove) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                    type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
void Click(QWidget* widget, QPointF at) {
  MouseTo(widget, at, QEvent::MouseButtonPress);
  MouseTo(widget, at, QEvent::MouseButtonRelease);
}
// Where a joint of the model is on the canvas as it is shown now.
QPointF JointPixel(const ModelStore& model, PictureBox* canvas, int joint) {
  const PictureMapping map(canvas->View().Visible(), canvas->width(), canvas->height());
  std::optional<Point> p = PlanePosition(model, joint);
  if (model.StructType != "Beam" && model.StructType != "PTruss" && model.StructType != "PFrame")
    p = ProjectOblique(model.StructType, *SpacePosition(model, joint));
  return {map.X(p->X), map.Y(p->Y)};
}
QImage Picture(PictureBox* canvas) {
  return canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window with a project open and, when asked, analysed.
struct Session {
  ModelStore model;
  ScriptedMessages messages;
  ScriptedFileDialogs dialogs;
  MainWindow window{model, &messages, &dialogs};

  explicit Session(const std::string& path, bool analyse = true) {
    window.show();
    window.Commands().OpenProjectFile(path);
    window.Refresh();
    if (!analyse) return;
    messages.Answer(kAnswerNo);  // do not save first
    messages.Answer(kAnswerNo);  // do not print
    window.Action(M::MnuAna)->trigger();
  }
};

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
  std::unique_ptr<QPrinter> printer = NewReportQPrinter();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  return printer;
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

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings of this run live in a folder of their own, never in the user's.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  }

  void enterEachExampleThroughTheWindows_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"})
      QTest::newRow(name) << name;
  }

  void enterEachExampleThroughTheWindows() {
    QFETCH(QString, name);
    std::string problem;
    const ModelStore example = testing::ExampleModel(name.toStdString(), problem);
    QVERIFY2(problem.empty(), problem.c_str());
    const std::vector<std::vector<Entry>> entries = EntriesOf(example);

    ModelStore model;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs({QDir::temp().filePath(name + "-by-editor.str").toStdString()});
    MainWindow window(model, &messages, &dialogs);
    window.show();
    ModalScript script;
    script.On("ProjName", [&](QWidget* dialog) {
      auto* title = static_cast<ProjectTitleDialog*>(dialog);
      title->TitleBox()->setText(QString::fromStdString(example.ProjectTitle));
      for (const TypeOption& option : TypeOptions())
        if (example.StructType == option.Code) title->Option(option.Name)->setChecked(true);
      Button(dialog, "OK")->click();
    });
    window.Action(M::MnuProjNew)->trigger();
    QCOMPARE(window.Label(2)->text(), QString(FindStructType(example.StructType)->Caption));
    QVERIFY(!Shown(window, M::MnuMemb) && !Shown(window, M::MnuLoad));
    QVERIFY(Shown(window, M::MnuProjSaveAs) && !Shown(window, M::MnuProjSave));
    for (std::size_t k = 0; k < std::size(kEditors); ++k) {
      const Editor& e = kEditors[k];
      if (entries[k].empty()) continue;
      QVERIFY2(window.Action(e.menu)->isVisible(), e.list);
      EnterAll(script, e, entries[k], example.ProjectTitle);
      window.Action(e.menu)->trigger();
      QVERIFY2(script.Done(), e.list);
    }
    QCOMPARE(window.Label(7)->text(), QString(" Members: %1").arg(example.MemberCount));
    QVERIFY(window.Action(M::MnuAna)->isVisible());

    QVERIFY(window.Commands().SaveProjectAs());
    ModelStore reopened;
    reopened.Reset();
    reopened.ProjectFile = model.ProjectFile;  // the name as the save rule made it
    const RunResult read = ReadProjectFile(reopened);
    QVERIFY2(!read, read ? read->Description.c_str() : "");
    QFile::remove(QString::fromStdString(model.ProjectFile));
    std::string difference;
    QVERIFY2(testing::SameModelData(model, example, difference), difference.c_str());
    QVERIFY2(testing::SameModelData(reopened, example, difference), difference.c_str());
  }

  void theJointDialogShowsWhatTheTypeUsesAndTypingReachesTheGrid() {
    struct Case {
      const char* type;
      QString fields, checks;  // the numbers of the Text and Check boxes shown
      QString check1;          // whose first letter the grid shows when it alone is checked
    };
    const Case cases[] = {
        {"PTruss", "23", "12", "X-Restr. :"},  {"Beam", "2", "14", "Y-Restr.:"},
        {"PFrame", "23", "124", "X-Restr. :"}, {"STruss", "234", "123", "X-Restr. :"},
        {"Grid", "23", "145", "Y-Restr.:"},    {"SFrame", "234", "123456", "X-Restr. :"}};
    for (const Case& c : cases) {
      ModelStore model;
      model.Reset();
      model.SetStructType(c.type);
      ScriptedMessages messages;
      ModalScript script;
      // An empty list opens straight into the dialog for joint 1.
      script.On("JointB", [&c](QWidget* dialog) {
        QWidget* list = dialog->parentWidget();
        QCOMPARE(Field(dialog, 1)->text(), QString("1"));
        for (int n = 2; n <= 7; ++n)
          QCOMPARE(Field(dialog, n)->isVisible(), c.fields.contains(QString::number(n)));
        for (int n = 1; n <= 6; ++n)
          QCOMPARE(Check(dialog, n)->isVisible(), c.checks.contains(QString::number(n)));
        QCOMPARE(Check(dialog, 1)->text(), c.check1);
        QTest::keyClicks(Field(dialog, 2), "2.5");
        QCOMPARE(Cell(list, 1, 1), QString("2.5"));
        QTest::keyClicks(Field(dialog, 2), "e3");
        QCOMPARE(Cell(list, 1, 1), QString("2.5e3"));
        Check(dialog, 1)->click();
        QCOMPARE(Cell(list, 1, list->findChild<QTableView*>("Grid1")->model()->columnCount() - 1),
                 c.check1.left(1));
        Button(dialog, "Cancel")->click();
      });
      script.On("JointA", [](QWidget* list) {
        QCOMPARE(Cell(list, 1, 1), QString());
        Button(list, "CancelB")->click();
      });
      QVERIFY(!ShowListWindow(FormId::JointA, model, messages, nullptr));
      QVERIFY2(script.Done(), c.type);
    }
  }

  // A click on a row's number or any of its cells selects it for Edit. The dialog's own close
  // button and Escape (even over a refused field) take its edit back; Ctrl+Z takes back an edit
  // OK confirmed and Ctrl+Y makes it again; the list's close button cancels every edit; Close
  // stores them and marks the project as changed.
  void aClickOnARowSelectsItAndOnlyCloseStoresTheEdits() {
    ModelStore model;
    ScriptedMessages messages({kAnswerOk, kAnswerOk, kAnswerOk, kAnswerOk});
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
    window.Refresh();
    const ModelStore before = model;
    ModalScript script;
    QStringList edited;
    auto editRow = [](int row, int col) {
      return [row, col](QWidget* list) {
        auto* view = list->findChild<QTableView*>("Grid1");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row - 1, col)).center());
        Button(list, "EditB")->click();
      };
    };
    auto typeInto = [&edited](const char* text, bool ok) {
      return [&edited, text, ok](QWidget* dialog) {
        edited << Field(dialog, 1)->text();
        QVERIFY(Button(dialog, "Cancel")->isVisible());
        Type(dialog, 2, text);
        if (ok)
          Button(dialog, "OK")->click();
        else
          dialog->close();
      };
    };
    QString x2, x3, x4;  // the X coordinates as listed before any edit
    script.On("JointA", [&](QWidget* list) {
      x2 = Cell(list, 2, 1);
      x3 = Cell(list, 3, 1);
      x4 = Cell(list, 4, 1);
      editRow(4, 0)(list);
    });
    script.On("JointB", typeInto("99", false));
    script.On("JointA", editRow(2, 2)).On("JointB", typeInto("7", true));
    script.On("JointA", [&](QWidget* list) {
      QCOMPARE(Cell(list, 4, 1), x4);
      QCOMPARE(Cell(list, 2, 1), QString("7"));
      list->activateWindow();  // the keys belong to the window that has the focus
      QVERIFY(QTest::qWaitForWindowActive(list));
      QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(Cell(list, 2, 1), x2);
      QVERIFY(!Button(list, "UndoB")->isEnabled() && Button(list, "RedoB")->isEnabled());
      QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
      QCOMPARE(Cell(list, 2, 1), QString("7"));
      list->activateWindow();  // the keys belong to the window that has the focus
      QVERIFY(QTest::qWaitForWindowActive(list));
      QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
      // The portal frame's members and loads refer to every joint by number.
      QVERIFY(!Button(list, "InsertB")->isVisible() && !Button(list, "DeleteB")->isVisible());
      editRow(3, 0)(list);
    });
    script.On("JointB", [&](QWidget* dialog) {
      Type(dialog, 2, "1e39");
      Button(dialog, "OK")->click();
      QVERIFY(dialog->isVisible());  // refused, and kept open for a correction
      QTest::keyClick(dialog, Qt::Key_Escape);
      QVERIFY(!dialog->isVisible());
    });
    script.On("JointA", [&](QWidget* list) {
      QCOMPARE(Cell(list, 2, 1), x2);
      QCOMPARE(Cell(list, 3, 1), x3);
      list->close();
    });
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(edited, QStringList({"4", "2"}));
    QCOMPARE(messages.Log().back().Text,
             std::string("X-Coordinate: 1e39 is larger than the largest value this program "
                         "stores, 3.4E+38."));
    QCOMPARE(messages.Log().at(0).Text, std::string("Edit coordinates of Joint 4 ?"));
    QVERIFY(model.JointCoords == before.JointCoords);
    QVERIFY(!window.Commands().HasUnsavedChanges());

    script.On("JointA", editRow(2, 0)).On("JointB", typeInto("7", true));
    script.On("JointA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    window.Action(M::MnuJoint)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(model.JointCoords(2, 1), 7.0f);
    QCOMPARE(window.Label(3)->text(), QString(" Joints: 4"));
    QVERIFY(window.Commands().HasUnsavedChanges());
  }

  void returnPressesOkAndARefusedFieldIsSelected() {
    ModelStore model;
    model.Reset();
    model.SetStructType("PFrame");
    ScriptedMessages messages;
    ModalScript script;
    script.On("MatB", [&messages](QWidget* dialog) {
      Type(dialog, 2, "2OOe6");
      QTest::keyClick(Field(dialog, 2), Qt::Key_Return);
      QVERIFY(dialog->isVisible());
      QCOMPARE(messages.Log().size(), std::size_t(1));
      QCOMPARE(Field(dialog, 2)->selectedText(), QString("2OOe6"));
      Type(dialog, 2, "2e8");
      QTest::keyClick(Field(dialog, 3), Qt::Key_Return);
    });
    script.On("MatA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    QVERIFY(ShowListWindow(FormId::MatA, model, messages, nullptr));
    QVERIFY(script.Done());
    QCOMPARE(model.Materials(1, 1), 2e8f);
  }

  void atStartOnlyTheProjectMenuAndEachItemHasItsOwnAccessKey() {
    ModelStore model;
    MainWindow window(model);
    int visibleTopLevel = 0;
    for (QAction* action : window.menuBar()->actions()) visibleTopLevel += action->isVisible();
    QCOMPARE(visibleTopLevel, 1);
    QVERIFY(Shown(window, M::MnuProjNew) && Shown(window, M::MnuProjOpen) &&
            Shown(window, M::MnuProjExit));
    for (M item :
         {M::MnuProjName, M::MnuProjSave, M::MnuProjSaveAs, M::MnuProjPrint, M::MnuProjClose})
      QVERIFY(!Shown(window, item));
    QVERIFY(!window.MultiplierBox()->isVisibleTo(&window));
    QCOMPARE(window.MultiplierBox()->currentText(), QString(" 5"));
    CheckMenuKeys(window);
    // The keys every desktop program has, each on its command and shown by it.
    const std::pair<M, const char*> keys[] = {{M::MnuProjNew, "Ctrl+N"},
                                              {M::MnuProjOpen, "Ctrl+O"},
                                              {M::MnuProjSave, "Ctrl+S"},
                                              {M::MnuProjSaveAs, "Ctrl+Shift+S"},
                                              {M::MnuProjPrint, "Ctrl+P"},
                                              {M::MnuProjExit, "Ctrl+Q"},
                                              {M::MnuEditUndo, "Ctrl+Z"},
                                              {M::MnuEditRedo, "Ctrl+Shift+Z"},
                                              {M::MnuAna, "F5"}};
    for (const auto& [item, key] : keys)
      QCOMPARE(window.Action(item)->shortcut().toString(), QString(key));
    QVERIFY(window.Action(M::MnuEditRedo)->shortcuts().contains(QKeySequence("Ctrl+Y")));
    QVERIFY(window.Action(M::MnuAna)->toolTip().contains("F5"));
  }

  // Every change a list window commits is a step of the Edit menu, named after the window;
  // undoing it puts the data back, redoing it makes the change again.
  void theEditMenuUndoesWhatAListWindowCommitted() {
    ModelStore model;
    ScriptedMessages messages({kAnswerOk});
    MainWindow window(model, &messages);
    QVERIFY(window.Commands().OpenProjectFile(testing::SourcePath("examples/roof-truss.str")));
    window.Refresh();
    QVERIFY(Shown(window, M::MnuEdit) && !window.Action(M::MnuEditUndo)->isEnabled());
    const float e = model.Materials(1, 1);
    ModalScript script;
    script.On("MatA", [](QWidget* list) {
      list->findChild<QTableView*>("Grid1")->selectRow(0);
      Button(list, "EditB")->click();
    });
    script.On("MatB", [](QWidget* dialog) {
      Type(dialog, 2, "123");
      Button(dialog, "OK")->click();
    });
    script.On("MatA", [](QWidget* list) { Button(list, "CloseB")->click(); });
    window.Action(M::MnuMatProp)->trigger();
    QVERIFY(script.Done());
    QCOMPARE(model.Materials(1, 1), 123.0f);
    QCOMPARE(window.Action(M::MnuEditUndo)->text(), QString("&Undo Materials"));
    window.Action(M::MnuEditUndo)->trigger();
    QCOMPARE(model.Materials(1, 1), e);
    QVERIFY(!window.Commands().HasUnsavedChanges());
    QCOMPARE(window.Action(M::MnuEditRedo)->text(), QString("&Redo Materials"));
    window.Action(M::MnuEditRedo)->trigger();
    QCOMPARE(model.Materials(1, 1), 123.0f);
    QVERIFY(window.Commands().HasUnsavedChanges());
  }

  // With no project the picture says how to begin; with one, the View menu's numbers toggle
  // shows and hides the joint and member numbers and nothing else.
  void theEmptyWindowGuidesAndTheNumbersFollowTheViewMenu() {
    auto texts = [](const PictureBox* canvas, int colour) {
      int count = 0;
      for (const Stroke& s : canvas->Strokes())
        count += s.Shape == Stroke::Kind::Text && s.Colour == colour;
      return count;
    };
    ModelStore model;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs({Example("portal-frame")});
    MainWindow window(model, &messages, &dialogs);
    QCOMPARE(texts(window.Canvas(), kLightGray), 2);
    QVERIFY(window.NumbersAction()->isCheckable() && window.NumbersAction()->isChecked());

    window.Action(M::MnuProjOpen)->trigger();
    QCOMPARE(texts(window.Canvas(), kLightGray), 4);  // joints 1 to 4
    QCOMPARE(texts(window.Canvas(), kBrown), 3);      // members 1 to 3
    const std::size_t shown = window.Canvas()->Strokes().size();
    window.NumbersAction()->setChecked(false);
    QCOMPARE(texts(window.Canvas(), kLightGray), 0);
    QCOMPARE(texts(window.Canvas(), kBrown), 0);
    QCOMPARE(window.Canvas()->Strokes().size(), shown - 7);
    window.NumbersAction()->setChecked(true);
    QCOMPARE(window.Canvas()->Strokes().size(), shown);

    window.Action(M::MnuProjClose)->trigger();
    QCOMPARE(texts(window.Canvas(), kLightGray), 2);
  }

  void theTitleDialogLocksTheTypeOnceJointsExist() {
    Session s(Example("grid-floor"), false);
    WhenOpens<ProjectTitleDialog>([](ProjectTitleDialog* dialog) {
      QVERIFY(dialog->Option("Grid")->isVisibleTo(dialog) && dialog->Option("Grid")->isChecked());
      for (const char* other : {"PT", "Beam", "PF", "ST", "SF"})
        QVERIFY(!dialog->Option(other)->isVisibleTo(dialog));
      dialog->TitleBox()->setText("Renamed");
      Button(dialog, "OK")->click();
    });
    s.window.Action(M::MnuProjName)->trigger();
    QCOMPARE(s.window.Label(1)->text(), QString("Renamed"));
  }

  // Project > Units: the dialog names the units; the type label and the list headings show them.
  void theUnitsDialogNamesTheUnitsShownEverywhere() {
    Session s(Example("portal-frame"), false);
    WhenOpens<UnitsDialog>([](UnitsDialog* dialog) {
      QVERIFY(!dialog->NamedBox()->isChecked() && !dialog->ForceBox()->isEnabled());
      dialog->NamedBox()->click();
      QVERIFY(dialog->ForceBox()->isEnabled());
      dialog->ForceBox()->setCurrentText("kip");
      dialog->LengthBox()->setCurrentText("in");
      Button(dialog, "OK")->click();
    });
    s.window.Action(M::MnuProjUnits)->trigger();
    QVERIFY(s.model.Units == NamedUnits(ForceUnit::kip, LengthUnit::in, TemperatureUnit::C));
    QCOMPARE(s.window.UnitsLabel()->text(), QString::fromUtf8("Units: kip, in, °C"));
    QCOMPARE(s.model.JointCoords(2, 2), 5.0f);  // named for the first time: nothing converted
  }

  // Each example opened, analysed, its results, diagrams and step-by-step windows opened from
  // their menus, and Edit Data going back. The results windows must show the numbers of the
  // printed report, the marked cells of [S] follow the member picked.
  void eachExampleThroughItsMenus() {
    // The diagrams each type offers besides None.
    const std::pair<const char*, QString> examples[] = {
        {"continuous-beam", "V M"}, {"roof-truss", "N"},     {"portal-frame", "N V M"},
        {"space-truss-tower", "N"}, {"grid-floor", "V T M"}, {"space-frame", "N Vy Vz T My Mz"}};
    for (const auto& [name, choices] : examples) {
      ModelStore model;
      ScriptedMessages messages({kAnswerNo, kAnswerNo, kAnswerNo});
      ScriptedFileDialogs dialogs({Example(name)});
      MainWindow window(model, &messages, &dialogs);
      window.resize(1300, 760);
      window.show();
      window.Action(M::MnuProjOpen)->trigger();
      QVERIFY2(messages.Log().empty(), name);
      QCOMPARE(window.Label(3)->text(), QString(" Joints: %1").arg(model.JointCount));
      QCOMPARE(window.Label(6)->text(), QString(" Cross-Sections: %1").arg(model.SectionCount));
      for (M item : {M::MnuProjSave, M::MnuMemb, M::MnuLoad, M::MnuAna})
        QVERIFY2(Shown(window, item), name);
      for (M item : {M::MnuJtDispl, M::MnuDiagrams, M::MnuSteps})
        QVERIFY2(!Shown(window, item), name);
      QCOMPARE(Shown(window, M::MnuLoadMem), !IsTruss(model.StructType));
      QCOMPARE(Shown(window, M::MnuLoadTemp),
               model.StructType != "Beam" && model.StructType != "Grid");
      PictureBox* canvas = window.Canvas();
      const std::size_t undeformed = canvas->Strokes().size();
      window.LocalAxesAction()->setChecked(true);
      QVERIFY2(canvas->Strokes().size() > undeformed, name);
      window.LocalAxesAction()->setChecked(false);

      window.Action(M::MnuAna)->trigger();
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      for (M item : {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuEditData, M::MnuDiagrams,
                     M::MnuSteps})
        QVERIFY(Shown(window, item));
      for (M item :
           {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
        QVERIFY(!Shown(window, item));
      // Every type shows its deformed shape, the box exactly the multiplier chosen for it.
      QVERIFY(window.MultiplierBox()->isVisibleTo(&window));
      QCOMPARE(window.MultiplierBox()->currentText(),
               QString::number(model.DeflectionMultiplier));
      QCOMPARE(window.MultiplierBox()->itemText(0), QString::number(model.DeflectionMultiplier));
      QVERIFY(canvas->Strokes().size() > undeformed);

      const bool truss = IsTruss(model.StructType);
      const std::tuple<M, FormId, const char*, int> results[] = {
          {M::MnuJtDispl, FormId::Disp, "Joint Displacements", model.JointCount},
          {M::MnuMemForce, FormId::MbForce, "Member End Forces in Local Coordinates",
           truss ? model.MemberCount : 2 * model.MemberCount},
          {M::MnuReact, FormId::Reac, "Support Reactions", model.SupportCount}};
      std::vector<double> shown;
      for (const auto& [menu, form, caption, rows] : results) {
        WhenOpens<ResultsWindow>(
            [&, form = form, caption = caption, rows = rows](ResultsWindow* w) {
              QCOMPARE(w->windowTitle(), QString(caption));
              QCOMPARE(w->findChild<QLabel*>("Label1")->text(),
                       QString::fromStdString(model.ProjectTitle));
              QCOMPARE(w->Grid()->model()->rowCount(), rows);
              QVERIFY(model.CurrentForm == form);
              const bool drawn = form == FormId::Disp && model.StructType != "SFrame";
              QCOMPARE(w->Canvas() && w->Canvas()->isVisible(), drawn);
              if (drawn) QVERIFY(!w->Canvas()->Strokes().empty());
              const QAbstractItemModel* cells = w->Grid()->model();
              for (int row = 0; row < cells->rowCount(); ++row)
                for (int col = 0; col < cells->columnCount(); ++col)
                  for (double x : Numbers(cells->index(row, col).data().toString()))
                    shown.push_back(x);
            });
        window.Action(menu)->trigger();
        QVERIFY(model.CurrentForm == FormId::mcas);
      }
      // Space frames print three decimals, the windows four.
      std::ostringstream out;
      TextReportPrinter printer(out);
      PrintOutput(model, printer);
      printer.EndDocument();
      const std::vector<double> printed = Numbers(QString::fromStdString(out.str()));
      const double tolerance = model.StructType == "SFrame" ? 6E-4 : 1E-6;
      QCOMPARE(shown.size(), printed.size());
      for (std::size_t i = 0; i < shown.size(); ++i)
        QVERIFY2(std::fabs(shown[i] - printed[i]) <= tolerance * std::fabs(printed[i]),
                 qPrintable(
                     QString("%1: %2 shown, %3 printed").arg(name).arg(shown[i]).arg(printed[i])));

      CheckMenuKeys(window);
      QStringList offered;
      for (QAction* action : window.DiagramsMenu()->actions())
        if (action->isCheckable()) offered << action->objectName();
      QCOMPARE(offered.join(" ").remove("MnuDiag"), "None " + choices);
      for (const QString& choice : offered) {
        window.DiagramsMenu()->findChild<QAction*>(choice)->trigger();
        QCOMPARE(window.DiagramCanvas()->isVisible(), choice != "MnuDiagNone");
        if (choice == "MnuDiagNone") continue;
        QVERIFY(!window.DiagramCanvas()->Strokes().empty());
        QVERIFY(window.DiagramCanvas()->geometry().left() > canvas->geometry().right());
      }

      const MethodTrail* trail = window.Commands().Trail();
      QVERIFY(trail);
      bool opened = false;
      WhenOpens<MethodStepsWindow>([&](MethodStepsWindow* w) {
        opened = true;
        auto* next = w->findChild<QPushButton*>("NextMember");
        auto* previous = w->findChild<QPushButton*>("PreviousMember");
        QCOMPARE(w->findChild<QComboBox*>("MemberPicker")->count(), model.MemberCount);
        QVERIFY(!previous->isEnabled());
        ExpectMarksOf(w, *trail, 0);
        next->click();
        QCOMPARE(w->findChild<QComboBox*>("MemberPicker")->currentIndex(), 1);
        ExpectMarksOf(w, *trail, 1);
        QCOMPARE(w->View("k")->model()->rowCount(), int(trail->Members[1].CodeNumbers.size()));
        previous->click();
        ExpectMarksOf(w, *trail, 0);
        for (int i = 1; i < model.MemberCount; ++i) next->click();
        QVERIFY(!next->isEnabled());
        QCOMPARE(w->CurrentMember(), model.MemberCount - 1);
        // Ctrl+C copies the whole matrix as tab-separated text.
        StepTableView* k = w->View("k");
        QTest::keyClick(k, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied.count('\n'), k->model()->rowCount());
        QCOMPARE(copied.section('\n', 0, 0).count('\t'), k->model()->columnCount() - 1);
      });
      window.Action(M::MnuSteps)->trigger();
      QVERIFY2(opened, name);

      window.Action(M::MnuEditData)->trigger();
      QCOMPARE(int(model.AnalysisStatus), int(kNoResults));
      QVERIFY(Shown(window, M::MnuAna) && !Shown(window, M::MnuJtDispl));
      QVERIFY(!Shown(window, M::MnuDiagrams) && !Shown(window, M::MnuSteps));
      QVERIFY(!window.MultiplierBox()->isVisibleTo(&window));
      QVERIFY(!window.DiagramCanvas()->isVisible() && !window.Commands().Trail());
      QCOMPARE(canvas->Strokes().size(), undeformed);  // no deformed shape left over
    }
  }

  void influenceLinesOpenAfterAnAnalysisFollowAClickAndCopyTheirTable() {
    Session s(Example("continuous-beam"));
    QAction* menuItem = nullptr;
    for (QAction* action : s.window.DiagramsMenu()->actions())
      if (action->objectName() == "MnuDiagInfluence") menuItem = action;
    QVERIFY(menuItem && menuItem->text() == "&Influence Lines...");
    InfluenceChoice clicked;
    QString copied, principle;
    WhenOpens<InfluenceWindow>([&](InfluenceWindow* window) {
      QCOMPARE(window->Choice().Quantity.Kind, InfluenceKind::Reaction);
      // The middle of member 2, from x = 8 to 18 of the beam, picks the moment at its middle.
      PictureBox* picture = window->Picture();
      const PictureMapping map(picture->View().Visible(), picture->width(), picture->height());
      Click(picture, QPointF(map.X(13), map.Y(0)));
      clicked = window->Choice();
      principle = window->Principle()->text();
      window->Grid()->selectAll();
      QTest::keySequence(window->Grid(), QKeySequence::Copy);
      copied = QApplication::clipboard()->text();
    });
    menuItem->trigger();
    QCOMPARE(clicked.Quantity.Kind, InfluenceKind::Internal);
    QCOMPARE(clicked.Quantity.Item, 2);
    QCOMPARE(clicked.Quantity.X, 5.0);
    QVERIFY(principle.startsWith("Müller-Breslau") && principle.contains("M (bending"));
    // Member 1 first, from joint 1; the extremes close the table.
    QVERIFY(copied.startsWith("1\t0\tjoint 1\t") && copied.contains("\tmax\t"));
  }

  void theMemberWindowOpensFromTheMemberForces() {
    Session s(Example("portal-frame"));
    ResultsWindow forces(FormId::MbForce, s.model, s.messages);
    forces.show();
    // The fourth row is the end joint of member 2, the loaded beam.
    forces.Grid()->setCurrentIndex(forces.Grid()->model()->index(3, 2));
    QString title, copied;
    bool drawn = false;
    WhenOpens<MemberDiagramWindow>([&](MemberDiagramWindow* member) {
      title = member->windowTitle();
      drawn = !member->Picture()->Strokes().empty() && member->Grid()->rowCount() > 11;
      member->Grid()->selectAll();
      QTest::keySequence(member->Grid(), QKeySequence::Copy);
      copied = QApplication::clipboard()->text();
    });
    forces.findChild<QPushButton*>("DiagramsB")->click();
    QVERIFY(title.startsWith("Member 2 ") && drawn);
    // Member 2 runs from joint 2; the copy starts at its first row and holds its extremes.
    QVERIFY(copied.startsWith("0\tjoint 2\t") && copied.contains("max M"));
  }

  void wheelZoomsArrowsPanAndCtrl0RestoresTheFirstView() {
    Session s(Example("portal-frame"));
    PictureBox* canvas = s.window.Canvas();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QCOMPARE(canvas->width(), canvas->height());  // square, below the title
    QVERIFY(canvas->y() > s.window.Label(1)->geometry().bottom());
    const QImage first = Picture(canvas);
    Wheel(canvas, JointPixel(s.model, canvas, 2), 3);
    const QImage zoomed = Picture(canvas);
    QVERIFY(zoomed != first && canvas->View().Zoom() > 1.9);
    // Save Picture saves what is in view.
    QTemporaryDir folder;
    QVERIFY(canvas->SavePicture(folder.filePath("zoomed.png")));
    const QImage saved =
        QImage(folder.filePath("zoomed.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved, canvas->Render(saved.size(), Background::White));
    QCOMPARE(saved.pixelColor(0, 0), QColor(Qt::white));  // on paper, not the window's black
    QTest::keyClick(canvas, Qt::Key_Right);
    QVERIFY(Picture(canvas) != zoomed);
    QTest::keyClick(canvas, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(Picture(canvas), first);
    QVERIFY(canvas->Render(saved.size(), Background::White) != saved);
  }

  void hoverNamesTheItemAndAClickOpensTheMember() {
    Session s(Example("portal-frame"));
    PictureBox* canvas = s.window.Canvas();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    MouseTo(canvas, JointPixel(s.model, canvas, 2));
    QCOMPARE(int(canvas->Hovered().What), int(PickedItem::Kind::Joint));
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().startsWith("Joint 2") && QToolTip::text().contains("Displacement"));
    const QPointF middle = (JointPixel(s.model, canvas, 2) + JointPixel(s.model, canvas, 3)) / 2;
    MouseTo(canvas, middle);
    QVERIFY(QToolTip::text().startsWith("Member 2"));
    QString opened;
    WhenOpens<MemberDiagramWindow>(
        [&opened](MemberDiagramWindow* w) { opened = w->windowTitle(); });
    Click(canvas, middle);
    QVERIFY(opened.contains("Member 2"));

    // The displacement window's drawing names what is under the mouse too.
    ResultsWindow window(FormId::Disp, s.model, s.messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QToolTip::hideText();
    MouseTo(window.Canvas(), JointPixel(s.model, window.Canvas(), 3));
    QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text().startsWith("Joint 3"));

    // Before an analysis a click shows the member's data in a message.
    Session before(Example("portal-frame"), false);
    QVERIFY(QTest::qWaitForWindowExposed(&before.window));
    PictureBox* plain = before.window.Canvas();
    Click(plain, (JointPixel(before.model, plain, 2) + JointPixel(before.model, plain, 3)) / 2);
    QCOMPARE(before.messages.Log().size(), std::size_t(1));
    QCOMPARE(before.messages.Log().back().Title, std::string("Member 2"));
  }

  void recentProjectsOpenAndForgetMissingFiles() {
    const QString missing = config_.filePath("gone.str");
    const QString portal = QString::fromStdString(Example("portal-frame"));
    QSettings().setValue("RecentProjects", QStringList{missing, portal});
    ModelStore model;
    ScriptedMessages messages;
    MainWindow window(model, &messages);
    emit window.RecentMenu()->aboutToShow();
    QList<QAction*> entries = window.RecentMenu()->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->text(), "&1 " + missing);
    entries[0]->trigger();
    QCOMPARE(messages.Log().at(0).Title, std::string("Open Recent"));
    QCOMPARE(QSettings().value("RecentProjects").toStringList(), QStringList{portal});
    emit window.RecentMenu()->aboutToShow();
    window.RecentMenu()->actions().at(0)->trigger();
    QCOMPARE(model.JointCount, 4);
    QCOMPARE(window.ProjectFileLabel()->text(), portal);
    QVERIFY2(!Shown(window, M::MnuProjRecent), "only offered with no project open");
  }

  // Print makes a PDF in the fixed pitch with the method trail after the results, a report longer
  // than a page broken onto further pages; the preview shows and prints the same pages.
  void printMakesAPdfOfSeveralPages() {
    Session s(Example("portal-frame"));
    PrintOptions options(s.model);
    options.Choose(ReportSection::MethodTrail, true);
    QTemporaryDir folder;
    const QString printed = folder.filePath("printed.pdf");
    QtReportPrinter report(PdfPrinter(printed));
    QCOMPARE(int(PrintReport(s.model, report, s.messages, options, s.window.Commands().Trail())),
             int(PrintOutcome::Printed));
    QVERIFY(report.PagesPrinted() >= 2);
    const QString text = Run("pdftotext", {"-layout", printed, "-"});
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) could not read the PDF");
    QCOMPARE(text.count(QChar('\f')), report.PagesPrinted());
    const int end = text.indexOf("End of Analysis"), trail = text.indexOf("Step by Step");
    QVERIFY(text.contains("End of Input Data") && end > 0 && trail > end);
    QVERIFY(text.contains("[S] structure stiffness matrix"));
    QVERIFY(Run("pdffonts", {printed}).contains(QRegularExpression("Mono|Courier")));

    // The preview shows the same pages and prints the same text.
    ReportPreview preview(s.model, options, s.messages, nullptr, s.window.Commands().Trail());
    preview.Dialog().show();
    auto* pages = preview.Dialog().findChild<QPrintPreviewWidget*>();
    pages->updatePreview();
    QCOMPARE(pages->pageCount(), report.PagesPrinted());
    preview.Printer().setOutputFormat(QPrinter::PdfFormat);
    preview.Printer().setOutputFileName(folder.filePath("preview.pdf"));
    pages->print();
    QCOMPARE(Run("pdftotext", {"-layout", folder.filePath("preview.pdf"), "-"}), text);

    // A document given up half-way leaves no file behind.
    QtReportPrinter abandoned(PdfPrinter(folder.filePath("abandoned.pdf")));
    abandoned.PrintLine("a line");
    abandoned.AbandonDocument();
    QVERIFY(!QFile::exists(folder.filePath("abandoned.pdf")));
  }

  // The options offer the results and the method trail only once an analysis has completed.
  void theOptionsDialogOffersWhatTheModelHas() {
    for (bool hasResults : {false, true}) {
      ModelStore model;
      model.Reset();
      model.AnalysisStatus = hasResults ? kAnalysisComplete : kNoResults;
      PrintOptions options(model);
      PrintOptionsDialog dialog(options);
      QCOMPARE(dialog.Box(ReportSection::Results)->isEnabled(), hasResults);
      dialog.Box(ReportSection::MethodTrail)->setChecked(true);
      QCOMPARE(options.Chosen(ReportSection::MethodTrail), hasResults);
      dialog.Box(ReportSection::InputData)->click();
      QVERIFY(!options.Chosen(ReportSection::InputData));
      QCOMPARE(dialog.OkButton()->isEnabled(), hasResults);
    }
  }

  // The picture is painted from its strokes at the size the window gives it, and Save Picture
  // writes what the main window draws as SVG or PNG, or says why it could not.
  void thePictureFollowsTheWindowAndIsSaved() {
    Session s(Example("portal-frame"), false);
    PictureBox* canvas = s.window.Canvas();
    s.window.resize(1000, 800);
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), canvas->size());
    // Unanalysed supports are red, the structure cyan, the loads magenta.
    QVERIFY(PixelsOf(shown, kLightRed) > 0 && PixelsOf(shown, kLightCyan) > 0 &&
            PixelsOf(shown, kLightMagenta) > 0);

    QTemporaryDir folder;
    QAction* save = s.window.findChild<QAction*>("MnuProjPicture");
    s.dialogs.Answer(folder.filePath("frame.svg").toStdString());
    save->trigger();
    QFile svg(folder.filePath("frame.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    s.dialogs.Answer(folder.filePath("frame.png").toStdString());
    save->trigger();
    QCOMPARE(QImage(folder.filePath("frame.png")).width(), 800);
    QVERIFY(s.messages.Log().empty());
    s.dialogs.Answer(folder.filePath("no/such/folder/frame.png").toStdString());
    save->trigger();
    QCOMPARE(s.messages.Log().at(0).Title, std::string("Picture Save Error"));

    // With the project closed the model is empty and so is the picture.
    s.model.Reset();
    s.window.Redraw();
    QVERIFY(canvas->Strokes().empty());
  }

  // Diagram pages print in dark ink on white, as Save Picture writes them, and a picture printed
  // first takes the first page instead of leaving it blank; no page of the PDF is empty.
  void diagramPagesPrintDarkOnWhiteFromTheFirstPage() {
    Session s(Example("portal-frame"));
    const std::vector<std::unique_ptr<PagePicture>> pictures = s.window.DiagramPictures();
    QVERIFY(!pictures.empty());
    QImage image(1600, 1600, QImage::Format_RGB32);
    QPainter painter(&image);
    dynamic_cast<const QtPagePicture&>(*pictures[0]).Paint(painter, QRectF(0, 0, 1600, 1600));
    painter.end();
    auto count = [&image](Rgb c) {
      int n = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          n += image.pixel(x, y) == qRgb(c.Red, c.Green, c.Blue);
      return n;
    };
    const Rgb screen = PaletteRgb(kLightCyan);
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    QVERIFY(count(PaletteRgb(kLightCyan, Background::White)) > 0);
    QCOMPARE(count(screen) + count({255 - screen.Red, 255 - screen.Green, 255 - screen.Blue}), 0);

    PrintOptions options(s.model);
    options.Choose(ReportSection::Diagrams, true);
    options.Choose(ReportSection::InputData, false);
    options.Choose(ReportSection::Results, false);
    QTemporaryDir folder;
    std::vector<const PagePicture*> pages;
    for (const auto& picture : pictures) pages.push_back(picture.get());
    QtReportPrinter report(PdfPrinter(folder.filePath("diagrams.pdf")));
    PrintReport(s.model, report, s.messages, options, nullptr, pages);
    const QStringList text =
        Run("pdftotext", {"-layout", folder.filePath("diagrams.pdf"), "-"}).split('\f');
    QCOMPARE(text.size() - 1, report.PagesPrinted());
    QVERIFY2(text[0].contains(QString::fromStdString(pictures[0]->Caption())), qPrintable(text[0]));
    for (int p = 0; p < report.PagesPrinted(); ++p) QVERIFY(!text[p].trimmed().isEmpty());
  }

  // Project > Precision…: the choice is kept in the settings, and an analysis in double
  // precision alone says so in the status line, with no accuracy box.
  void thePrecisionDialogChoosesTheArithmeticOfTheNextAnalysis() {
    Session s(Example("portal-frame"), false);
    WhenOpens<PrecisionDialog>([](PrecisionDialog* dialog) {
      QVERIFY(dialog->SingleButton()->isChecked());
      dialog->DoubleButton()->click();
      Button(dialog, "OK")->click();
    });
    s.window.Action(M::MnuProjPrecision)->trigger();
    QCOMPARE(QSettings().value("Analysis/Precision").toString(), QString("double"));
    s.messages.Answer(kAnswerNo);
    s.messages.Answer(kAnswerNo);
    s.window.Action(M::MnuAna)->trigger();
    QCOMPARE(s.messages.Log().size(), std::size_t(2));
    QCOMPARE(s.window.PrecisionLabel()->text(), QString("double precision"));
    ModelStore model;
    MainWindow next(model);
    QCOMPARE(next.Commands().Precision().Chosen(), AnalysisPrecision::Double);
    QSettings().remove("Analysis/Precision");
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
