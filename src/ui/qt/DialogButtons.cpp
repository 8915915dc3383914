#include "ui/qt/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace stavelorn {

QHBoxLayout* OkCancelButtons(QDialog* dialog) {
  auto* ok = new QPushButton("OK");
  ok->setObjectName("OK");
  ok->setAccessibleName("OK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("Cancel");
  cancel->setAccessibleName("Cancel");
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

QPushButton* WindowButton(QWidget* parent, const char* caption, const char* name,
                          const char* spoken) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(spoken);
  button->setAutoDefault(false);
  return button;
}

}  // namespace stavelorn
