#include "app/qt/DrawingBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

#include "app/DrawingOverlay.h"
#include "editors/qt/EntryDialog.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

struct ToolButton {
  DrawTool Tool;
  const char* Caption;
  const char* Name;
  Qt::Key Key;
  const char* Tip;
};

const ToolButton kTools[] = {
    {DrawTool::Select, "Select", "DrawSelect", Qt::Key_S,
     "Select: click a joint or member, drag a joint to move it"},
    {DrawTool::Joint, "Joint", "DrawJoint", Qt::Key_J, "Joint: click to place a joint"},
    {DrawTool::Member, "Member", "DrawMember", Qt::Key_M,
     "Member: drag from a joint or point to another"},
    {DrawTool::Support, "Support", "DrawSupport", Qt::Key_U,
     "Support: click a joint to give it the support chosen beside"},
    {DrawTool::Hinge, "Hinge", "DrawHinge", Qt::Key_H,
     "Hinge: click a member near one end to put a hinge there or take it away"},
    {DrawTool::JointLoad, "Joint Load", "DrawJointLoad", Qt::Key_L,
     "Joint load: click a joint and type its forces and moment"},
    {DrawTool::MemberLoad, "Member Load", "DrawMemberLoad", Qt::Key_D,
     "Member load: click a member where the load goes and type its values"},
};

QSpinBox* NumberBox(const char* name, const char* accessible, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setAccessibleName(accessible);
  box->setMinimum(1);
  return box;
}

}  // namespace

DrawingBar::DrawingBar(ModelStore& model, Messages& messages, ProjectCommands& commands,
                       PictureBox& canvas, QWidget* parent)
    : QToolBar("Draw Structure", parent),
      model_(model),
      commands_(commands),
      canvas_(canvas),
      mode_(model, messages, [this](Change change) { commands_.DataDrawn(change); }) {
  setObjectName("DrawingBar");
  setAccessibleName("Draw Structure");
  mode_.LoadValues = [this](ListEditor& editor) {
    EntryDialog dialog(editor, this);
    dialog.exec();
  };
  Build();
  // The button that shows the tools a narrow window has no room for.
  if (auto* more = findChild<QWidget*>("qt_toolbar_ext_button"))
    more->setAccessibleName("More drawing tools");
  hide();
}

void DrawingBar::Build() {
  tools_ = new QActionGroup(this);
  for (const ToolButton& button : kTools) {
    QAction* action = addAction(button.Caption);
    action->setObjectName(button.Name);
    action->setCheckable(true);
    action->setShortcut(QKeySequence(button.Key));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(QString("%1 (%2)").arg(button.Tip, QKeySequence(button.Key).toString()));
    action->setData(static_cast<int>(button.Tool));
    action->setChecked(button.Tool == mode_.Palette.Tool);
    tools_->addAction(action);
    if (button.Tool == DrawTool::Support) {
      supports_ = new QComboBox(this);
      supports_->setObjectName("DrawSupportKind");
      supports_->setAccessibleName("Support kind");
      addWidget(supports_);
    } else if (button.Tool == DrawTool::MemberLoad) {
      loads_ = new QComboBox(this);
      loads_->setObjectName("DrawLoadKind");
      loads_->setAccessibleName("Member load kind");
      addWidget(loads_);
    }
  }
  connect(tools_, &QActionGroup::triggered, this, [this](QAction* action) {
    mode_.Palette.Tool = static_cast<DrawTool>(action->data().toInt());
  });
  connect(supports_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { mode_.Palette.Support = index; });
  connect(loads_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
    if (index >= 0)
      mode_.Palette.Load = static_cast<MemberLoadKind>(loads_->itemData(index).toInt());
  });
  addSeparator();
  addWidget(new QLabel(" Material ", this));
  material_ = NumberBox("DrawMaterial", "Material of new members", this);
  addWidget(material_);
  addWidget(new QLabel(" Section ", this));
  section_ = NumberBox("DrawSection", "Cross-section of new members", this);
  addWidget(section_);
  connect(material_, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { mode_.Palette.Material = value; });
  connect(section_, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { mode_.Palette.Section = value; });
  addWidget(new QLabel(" Grid ", this));
  spacing_ = new QDoubleSpinBox(this);
  spacing_->setObjectName("DrawGridSpacing");
  spacing_->setAccessibleName("Grid spacing");
  spacing_->setRange(0, 1e6);
  spacing_->setDecimals(3);
  spacing_->setValue(mode_.Palette.Spacing);
  spacing_->setToolTip("The grid's spacing in the project's length unit; 0 for no grid");
  addWidget(spacing_);
  connect(spacing_, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double value) {
    mode_.Palette.Spacing = value;
    emit Redrawn();
  });
  live_ = new QCheckBox("&Live", this);
  live_->setObjectName("DrawLive");
  live_->setAccessibleName("Live analysis");
  live_->setToolTip("Analyse again at every change and every move of a dragged joint");
  addWidget(live_);
  connect(live_, &QCheckBox::toggled, this, [this](bool on) {
    mode_.Palette.Live = on;
    mode_.Reanalyse();
    emit Redrawn();
  });

  auto* remove = new QAction("Delete", this);
  remove->setObjectName("DrawDelete");
  remove->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::Key_Backspace)});
  connect(remove, &QAction::triggered, this, [this] {
    mode_.DeleteSelection();
    emit Redrawn();
  });
  auto* callOff = new QAction("Call Off", this);
  callOff->setObjectName("DrawCallOff");
  callOff->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(callOff, &QAction::triggered, this, [this] {
    mode_.CallOff();
    emit Redrawn();
  });
  for (QAction* key : {remove, callOff}) {
    key->setShortcutContext(Qt::WindowShortcut);
    addAction(key);
  }
}

void DrawingBar::Follow() {
  const StructKind kind = model_.Kind();
  setToolTip(Hint());
  for (QAction* action : tools_->actions()) {
    const auto tool = static_cast<DrawTool>(action->data().toInt());
    action->setEnabled(ToolApplies(tool, kind));
    if (tool == mode_.Palette.Tool && !action->isEnabled()) {
      mode_.Palette.Tool = DrawTool::Select;
      tools_->actions().front()->setChecked(true);
    }
  }
  loads_->setEnabled(ToolApplies(DrawTool::MemberLoad, kind));
  supports_->blockSignals(true);
  supports_->clear();
  for (const SupportKind& support : SupportKinds(kind))
    supports_->addItem(QString::fromStdString(support.Name));
  // A project without supports to offer (none open) leaves no choice; the next one starts at
  // its first kind rather than at none.
  supports_->setCurrentIndex(std::max(0, std::min(mode_.Palette.Support, supports_->count() - 1)));
  mode_.Palette.Support = supports_->currentIndex();
  supports_->blockSignals(false);
  loads_->blockSignals(true);
  loads_->clear();
  for (const MemberLoadKindInfo* load : AcceptedLoadKinds(kind))
    loads_->addItem(load->LongName, static_cast<int>(load->Kind));
  const int chosen = loads_->findData(static_cast<int>(mode_.Palette.Load));
  loads_->setCurrentIndex(chosen >= 0 ? chosen : 0);
  if (loads_->count() > 0)
    mode_.Palette.Load = static_cast<MemberLoadKind>(loads_->currentData().toInt());
  loads_->blockSignals(false);
  material_->setMaximum(std::max<int>(1, model_.MaterialCount));
  section_->setMaximum(std::max<int>(1, model_.SectionCount));
  const std::string unit = UnitText(model_.Units, Quantity::Length);
  spacing_->setSuffix(unit.empty() ? QString() : QString::fromStdString(" " + unit));
}

void DrawingBar::SetActive(bool active) {
  active_ = active && DrawableType(model_.Kind());
  setVisible(active);
  Follow();
  if (active_) {
    canvas_.SetPointerHandler(
        [this](PictureBox::Pointer phase, QPointF at) { Pointer(phase, at); });
    mode_.Reanalyse();
  } else {
    canvas_.SetPointerHandler({});
  }
  emit Redrawn();
}

PointerPicture DrawingBar::Picture() const {
  return {&canvas_.Strokes(), canvas_.View().Visible(), static_cast<double>(canvas_.width()),
          static_cast<double>(canvas_.height())};
}

void DrawingBar::Pointer(PictureBox::Pointer phase, QPointF at) {
  const PointerPicture picture = Picture();
  switch (phase) {
    case PictureBox::Pointer::Press: mode_.Press(picture, at.x(), at.y()); break;
    case PictureBox::Pointer::Move:
      mode_.Move(picture, at.x(), at.y());
      if (!mode_.Dragging() && !mode_.MemberBeingDrawn()) return emit PointerMoved();
      break;
    case PictureBox::Pointer::Release: mode_.Release(picture, at.x(), at.y()); break;
  }
  emit Redrawn();
}

void DrawingBar::DrawMarks(Canvas& canvas) {
  if (!mode_.Dragging()) sheet_ = DrawingSheet(model_, mode_);
  DrawDrawingMarks(canvas, sheet_, model_, mode_);
}

QString DrawingBar::Hint() const {
  return QString::fromStdString(DrawingHint(model_.Kind()));
}

QString DrawingBar::StatusText() const {
  std::string text = mode_.PointerText();
  if (const std::string live = mode_.LiveStatus(); !live.empty()) text += "   " + live;
  return QString::fromStdString(text);
}

}  // namespace stavelorn
