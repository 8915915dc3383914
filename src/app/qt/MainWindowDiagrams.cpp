// The main window's Diagrams menu: no diagram or one quantity drawn on the picture beside the
// structure, and the member window of a member the user names.
#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>

#include "app/InfluenceChoice.h"
#include "app/ShownViews.h"
#include "app/qt/InfluenceWindow.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MemberDiagramWindow.h"
#include "graphics/DiagramDrawing.h"

namespace stavelorn {

void MainWindow::FillDiagramsMenu() {
  diagramsMenu_->clear();
  diagramsMenuType_ = model_.StructType;
  auto* group = new QActionGroup(diagramsMenu_);
  // Each caption gets an access key of its own: "N" names both None and the axial force, and a
  // space frame's My, Mz and Member Diagrams all begin with M. The quantities choose first, so
  // each is reached by its own symbol where it can be.
  std::vector<std::string> captions;
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model_.StructType);
  for (DiagramQuantity q : quantities)
    captions.push_back(QuantityName(model_.StructType, q) + "   " + QuantityCaption(q));
  captions.push_back("None");
  captions.push_back("Member Diagrams...");
  captions = WithAccessKeys(captions);
  auto caption = [&captions](std::size_t i) { return QString::fromStdString(captions.at(i)); };
  auto add = [this, group](const QString& text, const QString& name,
                           std::optional<DiagramQuantity> quantity) {
    QAction* action = diagramsMenu_->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(quantity == shownDiagram_);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, quantity] { ShowDiagram(quantity); });
  };
  add(caption(quantities.size()), "MnuDiagNone", std::nullopt);
  for (std::size_t i = 0; i < quantities.size(); ++i)
    add(caption(i),
        "MnuDiag" + QString::fromStdString(QuantityName(model_.StructType, quantities[i])),
        quantities[i]);
  diagramsMenu_->addSeparator();
  QAction* member = diagramsMenu_->addAction(caption(captions.size() - 1));
  member->setObjectName("MnuDiagMember");
  connect(member, &QAction::triggered, this, [this] {
    bool ok = false;
    const int m = QInputDialog::getInt(this, "Member Diagrams", "Member number:", 1, 1,
                                       std::max<int>(model_.MemberCount, 1), 1, &ok);
    if (ok) OpenMemberDiagrams(m);
  });
  QAction* influence = diagramsMenu_->addAction(kInfluenceMenuCaption);
  influence->setObjectName("MnuDiagInfluence");
  connect(influence, &QAction::triggered, this, [this] {
    std::optional<LoadTrain> train;
    if (std::optional<InfluenceLine> line =
            ShowInfluenceLines(model_, commands_.Results(), commands_, this, &train))
      commands_.KeepInfluenceLine(std::move(*line), std::move(train));
  });
}

void MainWindow::ShowDiagram(std::optional<DiagramQuantity> quantity) {
  shownDiagram_ = quantity;
  if (quantity) sawDiagram_ = true;
  diagramCanvas_->setVisible(quantity.has_value());
  for (QAction* action : diagramsMenu_->actions())
    if (action->isCheckable())
      action->setChecked(
          action->objectName() ==
          (quantity ? "MnuDiag" + QString::fromStdString(QuantityName(model_.StructType, *quantity))
                    : QString("MnuDiagNone")));
  ArrangeLayout();
  if (quantity) DrawDiagram();
  UpdateTour();
}

void MainWindow::DrawDiagram() {
  RunDrawing("Error in Diagrams", messages_,
             [this] { DrawShownDiagrams(commands_.Session(), *shownDiagram_, *diagramCanvas_); });
}

void MainWindow::OpenMemberDiagrams(int member) {
  sawDiagram_ = true;
  UpdateTour();
  ShowMemberDiagrams(member, commands_, this);
}

}  // namespace stavelorn
