#include "editors/qt/EntryDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/LoadCaseSelector.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

EntryDialog::EntryDialog(ListEditor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  const EntryForm& form = editor_.Dialog();
  setObjectName(EditorFormName(form.Id));
  setWindowTitle(QString::fromStdString(form.Caption));
  Build();
  Sync();
  FocusField();
}

void EntryDialog::Build() {
  const EntryForm& form = editor_.Dialog();
  auto* fieldGrid = new QGridLayout;
  choiceLabel_ = new QLabel(QString::fromStdString(form.Choice.Label), this);
  choiceLabel_->setObjectName("ChoiceLabel");
  choiceLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  choice_ = new QComboBox(this);
  choice_->setObjectName("Choice");
  choiceLabel_->setBuddy(choice_);
  fieldGrid->addWidget(choiceLabel_, 0, 0);
  fieldGrid->addWidget(choice_, 0, 1);
  connect(choice_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int option) {
    if (syncing_) return;
    editor_.Choose(option);
    Sync();
  });
  for (int n = 1; n <= EntryForm::kFields; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    labels_[i] = new QLabel(QString::fromStdString(form.Text[i].Label), this);
    labels_[i]->setObjectName(QString("Label%1").arg(n));
    labels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QString("Text%1").arg(n));
    fields_[i]->setReadOnly(form.Text[i].ReadOnly);
    if (form.Text[i].ReadOnly) fields_[i]->setFocusPolicy(Qt::NoFocus);
    labels_[i]->setBuddy(fields_[i]);
    fieldGrid->addWidget(labels_[i], n, 0);
    fieldGrid->addWidget(fields_[i], n, 1);
    connect(fields_[i], &QLineEdit::textChanged, this, [this, n](const QString& text) {
      if (!syncing_) editor_.TypeField(n, text.toStdString());
    });
  }
  note_ = new QLabel(QString::fromStdString(form.Note), this);
  note_->setObjectName("Note");
  // A note of a few words sits beside its field; a longer one is wrapped below the fields.
  const bool longNote = form.Note.size() > 40;
  note_->setWordWrap(longNote);
  // A long note is written for a label of about 44 characters: its runs of blanks end its lines.
  if (longNote) {
    note_->setFixedWidth(note_->fontMetrics().averageCharWidth() * 44);
    note_->setFixedHeight(note_->heightForWidth(note_->width()));
  }
  if (longNote)
    fieldGrid->addWidget(note_, EntryForm::kFields + 1, 0, 1, 3);
  else if (form.NoteField > 0)
    fieldGrid->addWidget(note_, form.NoteField, 2);
  note_->setVisible(form.NoteField > 0);

  checkGroup_ = new QLabel(QString::fromStdString(form.CheckGroup), this);
  checkGroup_->setObjectName("CheckLabel");
  auto* checkGrid = new QGridLayout;
  for (int n = 1; n <= EntryForm::kChecks; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    checks_[i] = new QCheckBox(QString::fromStdString(form.Check[i].Caption), this);
    checks_[i]->setObjectName(QString("Check%1").arg(n));
    // Translations in the first column, rotations in the second, as the coordinates are named;
    // each box with its spring and the spring's stiffness beside it.
    const int row = (n - 1) % 3, column = (n - 1) / 3 * 4;
    checkGrid->addWidget(checks_[i], row, column);
    connect(checks_[i], &QCheckBox::clicked, this, [this, n](bool checked) {
      editor_.ClickCheck(n, checked);
      Sync();
    });
    springs_[i] = new QCheckBox(kSpringCaption, this);
    springs_[i]->setObjectName(QString("Spring%1").arg(n));
    checkGrid->addWidget(springs_[i], row, column + 1);
    connect(springs_[i], &QCheckBox::clicked, this, [this, n](bool checked) {
      editor_.ClickSpring(n, checked);
      Sync();
    });
    stiffnessLabels_[i] = new QLabel(this);
    stiffnessLabels_[i]->setObjectName(QString("StiffnessLabel%1").arg(n));
    stiffnessLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stiffnesses_[i] = new QLineEdit(this);
    stiffnesses_[i]->setObjectName(QString("Stiffness%1").arg(n));
    stiffnessLabels_[i]->setBuddy(stiffnesses_[i]);
    checkGrid->addWidget(stiffnessLabels_[i], row, column + 2);
    checkGrid->addWidget(stiffnesses_[i], row, column + 3);
    connect(stiffnesses_[i], &QLineEdit::textChanged, this, [this, n](const QString& text) {
      if (!syncing_) editor_.TypeStiffness(n, text.toStdString());
    });
  }

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  next_ = new QPushButton(QString::fromStdString(form.NextCaption), this);
  next_->setObjectName("Next");
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("Cancel");
  // Return presses OK wherever the focus is; no other button takes it over.
  for (QPushButton* button : {ok, next_, cancel_}) {
    button->setAutoDefault(false);
    button->setAccessibleName(QString::fromStdString(SpokenCaption(button->text().toStdString())));
  }
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    editor_.Ok();
    Sync();
    if (editor_.Dialog().Open) FocusField();  // refused: the field to correct is selected
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    editor_.Next();
    Sync();
    FocusField();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    editor_.CancelEntry();
    Sync();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(next_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  // The load case the item goes into; the list window's selector switches it.
  const LoadCaseSelector selector = LoadCaseSelectorOf(editor_.Model(), editor_.Window().Id);
  if (selector.Shown) {
    auto* caseRow = new QHBoxLayout;
    auto* caseLabel = new QLabel("Load case:", this);
    auto* loadCase = new QComboBox(this);
    loadCase->setObjectName("CaseC");
    loadCase->setAccessibleName("Load case");
    for (const std::string& choice : selector.Choices)
      loadCase->addItem(QString::fromStdString(choice));
    loadCase->setCurrentIndex(selector.Current);
    loadCase->setEnabled(false);
    caseLabel->setBuddy(loadCase);
    caseRow->addWidget(caseLabel);
    caseRow->addWidget(loadCase, 1);
    layout->addLayout(caseRow);
  }
  layout->addLayout(fieldGrid);
  layout->addSpacing(8);
  layout->addWidget(checkGroup_);
  layout->addLayout(checkGrid);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EntryDialog::Sync() {
  const EntryForm& form = editor_.Dialog();
  syncing_ = true;
  bool anyCheck = false;
  for (int n = 1; n <= EntryForm::kFields; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    const QString text = QString::fromStdString(form.Text[i].Text);
    if (fields_[i]->text() != text) fields_[i]->setText(text);
    labels_[i]->setText(QString::fromStdString(form.Text[i].Label));
    fields_[i]->setAccessibleName(QString::fromStdString(SpokenCaption(form.Text[i].Label)));
    labels_[i]->setVisible(form.Text[i].Visible);
    fields_[i]->setVisible(form.Text[i].Visible);
    // A field may be locked for one item and open for the next.
    fields_[i]->setReadOnly(form.Text[i].ReadOnly);
    fields_[i]->setFocusPolicy(form.Text[i].ReadOnly ? Qt::NoFocus : Qt::StrongFocus);
  }
  for (int n = 1; n <= EntryForm::kChecks; ++n) {
    const std::size_t i = static_cast<std::size_t>(n);
    checks_[i]->setChecked(form.Check[i].Checked);
    checks_[i]->setText(QString::fromStdString(form.Check[i].Caption));
    checks_[i]->setVisible(form.Check[i].Visible);
    anyCheck = anyCheck || form.Check[i].Visible;
    const EntrySpring& spring = form.Spring[i];
    springs_[i]->setChecked(spring.Checked);
    springs_[i]->setVisible(form.Check[i].Visible && spring.Visible);
    springs_[i]->setAccessibleName(QString::fromStdString(SpringSpokenName(form.Check[i])));
    const QString stiffness = QString::fromStdString(spring.Stiffness.Text);
    if (stiffnesses_[i]->text() != stiffness) stiffnesses_[i]->setText(stiffness);
    stiffnessLabels_[i]->setText(QString::fromStdString(spring.Stiffness.Label));
    stiffnesses_[i]->setAccessibleName(
        QString::fromStdString(SpokenCaption(spring.Stiffness.Label)));
    const bool stiffnessShown = form.Check[i].Visible && spring.Visible && spring.Stiffness.Visible;
    stiffnessLabels_[i]->setVisible(stiffnessShown);
    stiffnesses_[i]->setVisible(stiffnessShown);
  }
  checkGroup_->setVisible(anyCheck);
  QStringList options;
  for (const std::string& option : form.Choice.Options) options << QString::fromStdString(option);
  QStringList shown;
  for (int i = 0; i < choice_->count(); ++i) shown << choice_->itemText(i);
  if (shown != options) {
    choice_->clear();
    choice_->addItems(options);
  }
  choice_->setCurrentIndex(form.Choice.Selected);
  choiceLabel_->setText(QString::fromStdString(form.Choice.Label));
  choice_->setAccessibleName(QString::fromStdString(SpokenCaption(form.Choice.Label)));
  choiceLabel_->setVisible(form.Choice.Visible);
  choice_->setVisible(form.Choice.Visible);
  if (note_->text() != QString::fromStdString(form.Note)) {
    note_->setText(QString::fromStdString(form.Note));
    // A wrapped note is as tall as its lines at its width, which the layout does not work out
    // for a label whose text changes.
    if (note_->wordWrap()) note_->setFixedHeight(note_->heightForWidth(note_->width()));
  }
  syncing_ = false;
  if (!form.Open) accept();
}

void EntryDialog::FocusField() {
  const EntryForm& form = editor_.Dialog();
  QLineEdit* field = form.FocusSpring > 0 ? Stiffness(form.FocusSpring) : Field(form.FocusField);
  field->setFocus();
  field->selectAll();
}

void EntryDialog::reject() {
  // A way out whatever was typed: the list goes back to what it was before this item.
  if (editor_.Dialog().Open) editor_.DialogClosed();
  QDialog::reject();
}

}  // namespace stavelorn
