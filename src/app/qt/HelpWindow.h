// The help window: the list of pages on the left, the page on the right, a find box over both,
// and Back. Links between pages and the pages' pictures are followed inside it; each page opens
// where the reader left it. Which page a window's F1 opens is HelpPageOfWindow's to say.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "app/HelpPages.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace stavelorn {

// Where the help pages are: installed beside the program's share folder, or made by the build
// next to the program (or one folder up, for the test programs); "" when none is found.
std::string HelpFolder();
// Where the examples are: installed beside the program's share folder, or, when the program runs
// from its build folder, in the source tree next to it; "" when none is found.
std::string ExamplesFolder();

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(const std::string& folder, QWidget* parent = nullptr);

  // Shows page `id` where it was left (from the top the first time); a page that does not exist
  // leaves the window as it is.
  void ShowPage(const std::string& id);
  const std::string& CurrentPage() const { return current_; }
  // Keeps only the pages that hold every word of `query`, and marks its first word's next
  // match in the page shown (opening the first page found when the shown page has none).
  void Find(const QString& query);
  // The ids the list shows, in order.
  std::vector<std::string> ListedPages() const;

 private:
  // Shows page `id`, keeping the page left in the history when `remember`.
  void Open(const std::string& id, bool remember);
  // Shows the page's pictures at one width that fits the window.
  void FitPictures();
  void Back();
  void FollowLink(const QUrl& url);
  void MarkNext(const QString& word);

  std::string folder_;
  std::vector<HelpPage> pages_;
  std::map<std::string, int> scroll_;  // each page's place, by id
  std::vector<std::string> history_;   // pages shown before the current one
  std::string current_;
  QLineEdit* find_ = nullptr;
  QListWidget* list_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
};

// Opens the one help window of the program at page `id`, over every other window. Shown while a
// dialog is open it is modal too, so that it can be read and closed while the dialog waits.
HelpWindow& ShowHelpPage(const std::string& id, QWidget* owner);

// Answers F1 in every window and dialog of the program with the page of the window the key was
// pressed in; the main window's own F1 comes through its menu item. Install it once on the
// application.
class HelpKeyFilter : public QObject {
 public:
  explicit HelpKeyFilter(QWidget* owner) : QObject(owner), owner_(owner) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* owner_;
};

}  // namespace stavelorn
