// The project title dialog `ProjName`: a title text box and the six structure-type options.
// Shows a ProjectTitleForm and, on OK, applies it to the model.
#pragma once

#include <QDialog>
#include <map>

#include "app/ProjectTitleForm.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

class QLineEdit;
class QRadioButton;

namespace stavelorn {

class ProjectTitleDialog : public QDialog {
  Q_OBJECT
 public:
  // `messages` shows why an OK is refused.
  ProjectTitleDialog(ModelStore& model, Messages& messages, QWidget* parent);

  QLineEdit* TitleBox() const { return titleBox_; }
  QRadioButton* Option(const std::string& name) const { return options_.at(name); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Accept();

  ModelStore& model_;
  Messages& messages_;
  ProjectTitleForm form_;
  QLineEdit* titleBox_;
  std::map<std::string, QRadioButton*> options_;  // by control name (TypeOption::Name)
};

}  // namespace stavelorn
