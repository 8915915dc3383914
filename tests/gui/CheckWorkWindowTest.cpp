// The "Check My Work" window's wiring: opened from E&xercise before any analysis (leaving the
// program's results alone), Ctrl+V of a spreadsheet's cells into the empty grid or into a cell
// being edited, Check colouring the cells and listing the slips, Show Answer beside the entries.
#include "app/qt/CheckWorkWindow.h"
#include "gui/WindowDriver.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using M = MenuItem;

class CheckWorkWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFromTheExerciseMenuBeforeAnyAnalysis() {
    Session s("portal-frame", false);
    QVERIFY(Opened<CheckWorkWindow>([&s] { s.window.Action(M::MnuCheckWork)->trigger(); },
                                    [](CheckWorkWindow* check) {
                                      QCOMPARE(check->windowTitle(), QString("Check My Work"));
                                      Button(check, "CloseButton")->click();
                                    }));
    QCOMPARE(int(s.model.AnalysisStatus), int(kNoResults));
  }

  void pasteCheckAndShowTheAnswer() {
    const ModelStore model = ModelFromText(ReadWholeFile(Example("portal-frame")));
    std::string problem;
    CheckWorkWindow window(CheckWork(*KeyForExercise(model, nullptr, problem)));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* quantity = window.findChild<QComboBox*>("Quantity");
    quantity->setCurrentIndex(quantity->findText(InfoOf(AnswerQuantity::k).Title));
    QVERIFY(window.findChild<QComboBox*>("Member")->isEnabled());
    QTableWidget* entries = window.Entries();
    QCOMPARE(entries->rowCount(), 6);
    QCOMPARE(entries->verticalHeaderItem(0)->text(), QString("u1 (axial, joint 1)"));
    QVERIFY(!window.Answer()->isVisible());
    entries->setCurrentCell(1, 0);
    QApplication::clipboard()->setText("0\t2208\t-5520\t\t-2208\t5.52\n");
    QTest::keyClick(entries, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entries->item(1, 2)->text(), QString("-5520"));
    QCOMPARE(entries->item(1, 3)->text(), QString(""));

    Button(&window, "CheckButton")->click();
    QCOMPARE(window.findChild<QLabel*>("Summary")->text(),
             QString("5 entries checked: 3 right, 2 wrong."));
    QCOMPARE(entries->item(1, 1)->background().color(), entries->item(1, 0)->background().color());
    QVERIFY(entries->item(1, 2)->background().color() != entries->item(1, 1)->background().color());
    QVERIFY(entries->item(1, 2)->toolTip().startsWith("Wrong: sign"));
    auto* findings = window.findChild<QListWidget*>("Findings");
    QCOMPARE(findings->count(), 2);
    QVERIFY(findings->item(0)->text().startsWith("row 2, column 3: sign"));

    Button(&window, "ShowAnswerButton")->click();
    QVERIFY(window.Answer()->isVisible());
    QCOMPARE(window.Answer()->item(1, 2)->text(), QString("5520"));
    QCOMPARE(entries->item(1, 2)->text(), QString("-5520"));

    // A block pasted into a cell being edited fills the grid from that cell, and the columns are
    // wide enough for their headings.
    window.Choose(int(AnswerQuantity::K), 1);  // every quantity is offered after a solution
    const QString heading = entries->horizontalHeaderItem(0)->text();
    QVERIFY(entries->columnWidth(0) >
            entries->fontMetrics().boundingRect(QRect(), 0, heading).width());
    entries->setCurrentCell(0, 0);
    entries->editItem(entries->item(0, 0));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != entries);
    QTest::keyClicks(editor, "22");
    QApplication::clipboard()->setText("1\t2\n3\n");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    entries->setFocus();  // leaves the editor, were it still open
    QCOMPARE(entries->item(0, 1)->text(), QString("2"));
    QCOMPARE(entries->item(1, 0)->text(), QString("3"));
    QCOMPARE(window.Work().Entry(0, 0), std::string("1"));
  }
};

QTEST_MAIN(CheckWorkWindowTest)
#include "CheckWorkWindowTest.moc"
