#include "app/qt/ShowControls.h"

#include <QComboBox>
#include <QLabel>
#include <utility>

namespace stavelorn {

ShowControls MakeShowControls(QWidget* parent, ProjectCommands& commands,
                              std::function<void()> shown) {
  const std::optional<ShownAnalysis>& analysis = commands.Session().Analysis();
  if (!analysis || analysis->Choices.empty()) return {};
  ShowControls show{new QLabel("Sho&w:", parent), new QComboBox(parent)};
  show.Box->setObjectName("ShowC");
  show.Box->setAccessibleName("Show");
  show.Label->setBuddy(show.Box);
  for (const ShownChoice& choice : analysis->Choices)
    show.Box->addItem(QString::fromStdString(choice.Caption));
  show.Box->setCurrentIndex(static_cast<int>(analysis->Shown));
  QObject::connect(show.Box, QOverload<int>::of(&QComboBox::currentIndexChanged), parent,
                   [&commands, shown = std::move(shown)](int index) {
                     commands.ChooseShown(static_cast<std::size_t>(index));
                     shown();
                   });
  return show;
}

}  // namespace stavelorn
