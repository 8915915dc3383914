#include "app/qt/MakeVariantsDialog.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/qt/DialogButtons.h"

namespace stavelorn {

namespace {

template <typename Box>
Box* Named(Box* box, const char* name) {
  box->setObjectName(name);
  box->setAccessibleName(name);
  return box;
}

}  // namespace

MakeVariantsDialog::MakeVariantsDialog(const VariantsChoice& choice, Messages& messages,
                                       QWidget* parent)
    : QDialog(parent), messages_(messages), chosen_(choice) {
  setObjectName("MakeVariants");
  setWindowTitle("Make Variants");
  count_ = Named(new QSpinBox, "Variants");
  count_->setRange(1, kMostVariants);
  count_->setValue(choice.Count);
  seed_ = Named(new QLineEdit(QString::number(choice.Seed)), "Seed");
  seed_->setToolTip("The same seed draws the same variants again");
  folder_ = Named(new QLineEdit(QString::fromStdString(choice.Folder)), "Folder");
  folder_->setToolTip("A new or empty folder: nothing in it is ever written over");
  QPushButton* browse = WindowButton(this, "&Choose…", "ChooseFolder", "Choose folder");
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString picked =
        QFileDialog::getExistingDirectory(this, "Folder of the Variants", folder_->text());
    if (!picked.isEmpty()) folder_->setText(picked);
  });
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folder_, 1);
  folderRow->addWidget(browse);

  auto* fields = new QFormLayout;
  fields->addRow("&Variants:", count_);
  fields->addRow("&Seed:", seed_);
  fields->addRow("&Folder:", folderRow);
  auto* note = Named(new QLabel("Each variant is this project with every value its "
                                "\"Variations\" section names drawn from its range, all "
                                "different, each one that can be analysed; key.json beside "
                                "them holds the program's answers to each."),
                     "About the variants");
  note->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(note);
  layout->addLayout(OkCancelButtons(this));
  setMinimumWidth(440);
}

void MakeVariantsDialog::accept() {
  const std::variant<VariantsChoice, std::string> read = ReadVariantsForm(
      count_->value(), seed_->text().trimmed().toStdString(), folder_->text().toStdString());
  if (const std::string* problem = std::get_if<std::string>(&read)) {
    messages_.ShowStop("Make Variants", *problem);
    QWidget* field = problem->rfind("Seed", 0) == 0 ? static_cast<QWidget*>(seed_) : folder_;
    field->setFocus();
    return;
  }
  chosen_ = std::get<VariantsChoice>(read);
  QDialog::accept();
}

}  // namespace stavelorn
