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

// A key as the shared table writes it (the browser's names for Escape and Delete).
QKeySequence KeyOf(const std::string& key) {
  if (key == "Escape") return QKeySequence(Qt::Key_Escape);
  if (key == "Delete") return QKeySequence(QKeySequence::Delete);
  return QKeySequence(QString::fromStdString(key), QKeySequence::PortableText);
}

const DrawingControlInfo& Info(DrawingControl control) {
  return DrawingControlOf(control);
}

// A control of the palette named and spoken as the shared table says.
template <typename W>
W* Named(W* widget, DrawingControl control) {
  widget->setObjectName(Info(control).Name);
  widget->setAccessibleName(Info(control).Spoken);
  if (*Info(control).Tip) widget->setToolTip(Info(control).Tip);
  return widget;
}

QSpinBox* NumberBox(DrawingControl control, QWidget* parent) {
  auto* box = Named(new QSpinBox(parent), control);
  box->setMinimum(1);
  return box;
}

}  // namespace

DrawingBar::DrawingBar(ModelStore& model, Messages& messages, ProjectCommands& commands,
                       PictureBox& canvas, QWidget* parent)
    : QToolBar(Info(DrawingControl::Mode).Spoken, parent),
      model_(model),
      commands_(commands),
      canvas_(canvas),
      mode_(model, messages, [this](Change change) { commands_.DataDrawn(change); }) {
  setObjectName("DrawingBar");
  setAccessibleName(Info(DrawingControl::Mode).Spoken);
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
  for (const DrawingToolInfo& tool : DrawingTools()) {
    QAction* action = addAction(tool.Caption);
    action->setObjectName(tool.Name);
    action->setCheckable(true);
    action->setShortcut(KeyOf(tool.Key));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(QString("%1 (%2)").arg(tool.Tip, tool.Key));
    action->setData(static_cast<int>(tool.Tool));
    action->setChecked(tool.Tool == mode_.Palette.Tool);
    tools_->addAction(action);
    if (tool.Tool == DrawTool::Support) {
      supports_ = Named(new QComboBox(this), DrawingControl::SupportKind);
      addWidget(supports_);
    } else if (tool.Tool == DrawTool::MemberLoad) {
      loads_ = Named(new QComboBox(this), DrawingControl::LoadKind);
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
  const auto label = [this](DrawingControl control) {
    addWidget(new QLabel(QString(" %1 ").arg(Info(control).Caption), this));
  };
  label(DrawingControl::Material);
  material_ = NumberBox(DrawingControl::Material, this);
  addWidget(material_);
  label(DrawingControl::Section);
  section_ = NumberBox(DrawingControl::Section, this);
  addWidget(section_);
  connect(material_, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { mode_.Palette.Material = value; });
  connect(section_, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { mode_.Palette.Section = value; });
  label(DrawingControl::Grid);
  spacing_ = Named(new QDoubleSpinBox(this), DrawingControl::Grid);
  spacing_->setRange(0, kMostGridSpacing);
  spacing_->setDecimals(3);
  spacing_->setValue(mode_.Palette.Spacing);
  addWidget(spacing_);
  connect(spacing_, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double value) {
    mode_.Palette.Spacing = value;
    emit Redrawn();
  });
  live_ = Named(new QCheckBox(Info(DrawingControl::Live).Caption, this), DrawingControl::Live);
  addWidget(live_);
  connect(live_, &QCheckBox::toggled, this, [this](bool on) {
    mode_.Palette.Live = on;
    mode_.Reanalyse();
    emit Redrawn();
  });

  const auto keyAction = [this](DrawingControl control) {
    auto* action = new QAction(Info(control).Caption, this);
    action->setObjectName(Info(control).Name);
    action->setShortcut(KeyOf(Info(control).Key));
    return action;
  };
  QAction* remove = keyAction(DrawingControl::Delete);
  remove->setShortcuts({KeyOf(Info(DrawingControl::Delete).Key), QKeySequence(Qt::Key_Backspace)});
  connect(remove, &QAction::triggered, this, [this] {
    mode_.DeleteSelection();
    emit Redrawn();
  });
  QAction* callOff = keyAction(DrawingControl::CallOff);
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
  return QString::fromStdString(mode_.StatusText());
}

}  // namespace stavelorn
