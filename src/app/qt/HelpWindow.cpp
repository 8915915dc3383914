#include "app/qt/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace stavelorn {

namespace {

// The width a page's pictures are shown at, whatever they were drawn at.
constexpr int kShownPictureWidth = 560;

}  // namespace

std::string HelpFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {program.filePath("../share/stavelorn/help"),
                                   program.filePath("help"), program.filePath("../help")})
    if (QFileInfo(candidate + "/index.md").exists())
      return QDir::cleanPath(candidate).toStdString();
  return "";
}

std::string ExamplesFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  for (const QString& candidate :
       {program.filePath("../share/stavelorn/examples"), program.filePath("../examples")})
    if (QDir(candidate).exists()) return QDir::cleanPath(candidate).toStdString();
  return "";
}

HelpWindow::HelpWindow(const std::string& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder) {
  setObjectName("Help");
  setWindowTitle("STAVELORN Help");
  std::vector<std::string> problems;
  if (!folder.empty()) pages_ = ReadHelpPages(folder, problems);

  find_ = new QLineEdit(this);
  find_->setObjectName("FindBox");
  find_->setPlaceholderText("Find in the help pages");
  find_->setAccessibleName("Find in the help pages");
  find_->setClearButtonEnabled(true);
  connect(find_, &QLineEdit::returnPressed, this, [this] { Find(find_->text()); });
  connect(find_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.isEmpty()) Find(text);
  });
  back_ = new QPushButton("&Back", this);
  back_->setObjectName("BackB");
  back_->setAccessibleName("Back");
  back_->setEnabled(false);
  connect(back_, &QPushButton::clicked, this, &HelpWindow::Back);
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CloseB");
  close->setAccessibleName("Close");
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  list_ = new QListWidget(this);
  list_->setObjectName("HelpPages");
  list_->setAccessibleName("Help pages");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpPage");
  browser_->setAccessibleName("Help page");
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  Find("");
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    ShowPage(item->data(Qt::UserRole).toString().toStdString());
  });
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    ShowPage(item->data(Qt::UserRole).toString().toStdString());
  });

  auto* top = new QHBoxLayout;
  auto* findLabel = new QLabel("&Find:", this);
  findLabel->setBuddy(find_);
  top->addWidget(back_);
  top->addWidget(findLabel);
  top->addWidget(find_, 1);
  top->addWidget(close);
  auto* split = new QSplitter(this);
  split->addWidget(list_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({220, 620});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(split, 1);
  resize(900, 640);
  if (pages_.empty())
    browser_->setPlainText(
        QString::fromStdString("The help pages were not found" +
                               (folder.empty() ? std::string(".") : " in " + folder + ".")));
}

void HelpWindow::ShowPage(const std::string& id) {
  Open(id, true);
}

void HelpWindow::Open(const std::string& id, bool remember) {
  const bool known = std::any_of(pages_.begin(), pages_.end(),
                                 [&id](const HelpPage& page) { return page.Id == id; });
  if (!known) return;
  if (!current_.empty()) scroll_[current_] = browser_->verticalScrollBar()->value();
  if (remember && !current_.empty() && current_ != id) history_.push_back(current_);
  current_ = id;
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(folder_ + "/" + id + ".md")),
                      QTextDocument::MarkdownResource);
  FitPictures();
  // The page is laid out to its end first, so that the scroll bar can reach the kept place.
  QTextDocument* document = browser_->document();
  document->documentLayout()->blockBoundingRect(document->lastBlock());
  browser_->verticalScrollBar()->setValue(scroll_[id]);
  for (int row = 0; row < list_->count(); ++row)
    if (list_->item(row)->data(Qt::UserRole).toString().toStdString() == id)
      list_->setCurrentRow(row);
  back_->setEnabled(!history_.empty());
}

void HelpWindow::FitPictures() {
  QTextDocument* document = browser_->document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (QTextBlock::iterator part = block.begin(); !part.atEnd(); ++part) {
      const QTextFragment fragment = part.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat picture = fragment.charFormat().toImageFormat();
      picture.setWidth(kShownPictureWidth);  // the height follows at the picture's own aspect
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(picture);
    }
  }
}

void HelpWindow::Back() {
  if (history_.empty()) return;
  const std::string previous = history_.back();
  history_.pop_back();
  Open(previous, false);
}

void HelpWindow::FollowLink(const QUrl& url) {
  if (!url.isLocalFile() && !url.scheme().isEmpty()) {
    QDesktopServices::openUrl(url);
    return;
  }
  const QString file = QFileInfo(url.path()).fileName();
  if (file.endsWith(".md")) ShowPage(file.chopped(3).toStdString());
  if (!url.fragment().isEmpty()) browser_->scrollToAnchor(url.fragment());
}

void HelpWindow::Find(const QString& query) {
  const std::vector<std::string> found = SearchHelpPages(pages_, query.toStdString());
  list_->clear();
  for (const HelpPage& page : pages_) {
    if (std::find(found.begin(), found.end(), page.Id) == found.end()) continue;
    auto* item = new QListWidgetItem(QString::fromStdString(page.Title), list_);
    item->setData(Qt::UserRole, QString::fromStdString(page.Id));
    if (page.Id == current_) list_->setCurrentItem(item);
  }
  const QString word = query.simplified().section(' ', 0, 0);
  if (word.isEmpty() || found.empty()) return;
  if (std::find(found.begin(), found.end(), current_) == found.end()) ShowPage(found.front());
  MarkNext(word);
}

void HelpWindow::MarkNext(const QString& word) {
  if (browser_->find(word)) return;
  browser_->moveCursor(QTextCursor::Start);  // from the top again
  browser_->find(word);
}

std::vector<std::string> HelpWindow::ListedPages() const {
  std::vector<std::string> ids;
  for (int row = 0; row < list_->count(); ++row)
    ids.push_back(list_->item(row)->data(Qt::UserRole).toString().toStdString());
  return ids;
}

HelpWindow& ShowHelpPage(const std::string& id, QWidget* owner) {
  static QPointer<HelpWindow> window;
  if (!window) window = new HelpWindow(HelpFolder(), owner);
  const bool overDialog =
      QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != window;
  const Qt::WindowModality modality = overDialog ? Qt::ApplicationModal : Qt::NonModal;
  if (window->windowModality() != modality) {
    window->hide();  // a shown window keeps its modality
    window->setWindowModality(modality);
  }
  window->ShowPage(id.empty() ? "index" : id);
  window->show();
  window->raise();
  window->activateWindow();
  return *window;
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      watched->isWidgetType()) {
    ShowHelpPage(
        HelpPageOfWindow(static_cast<QWidget*>(watched)->window()->objectName().toStdString()),
        owner_);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace stavelorn
