#include "app/qt/ProjectTitleDialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editors/FieldRules.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

ProjectTitleDialog::ProjectTitleDialog(ModelStore& model, Messages& messages, QWidget* parent)
    : QDialog(parent), model_(model), messages_(messages), form_(ProjectTitleForm::Load(model)) {
  setObjectName("ProjName");
  setWindowTitle("Project Title & Structure Type");

  auto* heading = new QLabel("Project Title & Structure Type");
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
  heading->setFont(headingFont);
  heading->setAlignment(Qt::AlignCenter);

  titleBox_ = new QLineEdit(QString::fromStdString(form_.Title));
  titleBox_->setObjectName("PrTitle");
  titleBox_->setMinimumWidth(360);
  titleBox_->installEventFilter(this);
  const char* titleCaption = " Project Title : ";
  titleBox_->setAccessibleName(QString::fromStdString(SpokenCaption(titleCaption)));
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(new QLabel(titleCaption));
  titleRow->addWidget(titleBox_, 1);

  auto* typeFrame = new QGroupBox("Structure Type :");
  auto* typeGrid = new QGridLayout(typeFrame);
  auto* group = new QButtonGroup(this);
  int index = 0;
  for (const TypeOption& option : TypeOptions()) {
    auto* button = new QRadioButton(option.Caption);
    button->setObjectName(option.Name);
    group->addButton(button);
    button->setChecked(form_.SelectedType == option.Code);
    button->setVisible(form_.OptionVisible(option));
    typeGrid->addWidget(button, index / 2, index % 2);
    options_[option.Name] = button;
    ++index;
  }

  auto* ok = new QPushButton("OK");
  ok->setObjectName("OK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("Cancel");
  connect(ok, &QPushButton::clicked, this, &ProjectTitleDialog::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(titleRow);
  layout->addWidget(typeFrame);
  layout->addLayout(buttons);
}

bool ProjectTitleDialog::eventFilter(QObject* watched, QEvent* event) {
  // The whole title is selected on entry, so typing replaces it; deferred because the focus
  // change itself places the cursor after this event.
  if (watched == titleBox_ && event->type() == QEvent::FocusIn)
    QTimer::singleShot(0, titleBox_, &QLineEdit::selectAll);
  return QDialog::eventFilter(watched, event);
}

void ProjectTitleDialog::Accept() {
  form_.Title = titleBox_->text().toStdString();
  for (const TypeOption& option : TypeOptions())
    if (options_.at(option.Name)->isChecked()) form_.SelectedType = option.Code;
  const ProjectTitleForm::Refusal refusal = form_.Check();
  if (!refusal.Text.empty()) {
    messages_.ShowStop(kFieldErrorTitle, refusal.Text);
    if (refusal.AboutTitle) {
      titleBox_->setFocus();
      titleBox_->selectAll();
    } else {
      options_.at(TypeOptions()[0].Name)->setFocus();
    }
    return;
  }
  form_.Apply(model_);
  accept();
}

}  // namespace stavelorn
