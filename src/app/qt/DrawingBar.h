// The drawing mode's toolbar over the main window's picture: the tools (select, joint, member,
// support with its kind, hinge, joint load, member load with its kind), the material and section
// of new members, the grid spacing and the Live switch. While the mode is on the picture's mouse
// goes to the core's DrawingMode; a load placed opens the load list's entry form for its values.
#pragma once

#include <QToolBar>
#include <functional>
#include <memory>

#include "app/DrawingMode.h"
#include "app/ProjectCommands.h"
#include "graphics/qt/PictureBox.h"

class QActionGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace stavelorn {

class DrawingBar : public QToolBar {
  Q_OBJECT
 public:
  DrawingBar(ModelStore& model, Messages& messages, ProjectCommands& commands, PictureBox& canvas,
             QWidget* parent);

  // Turns the mode on or off: the bar shows and the mouse draws, or both are given back.
  void SetActive(bool active);
  bool Active() const { return active_; }
  DrawingMode& Mode() { return mode_; }
  // Puts the grid and the mode's marks over the structure just drawn on `canvas`.
  void DrawMarks(Canvas& canvas);
  // The project, its type or its data changed from elsewhere (open, undo): the palette follows.
  void Follow();
  // What the mode can draw for the project's type, and how.
  QString Hint() const;
  // What the status line says: the pointer's coordinates and the live analysis.
  QString StatusText() const;

 signals:
  // The picture and the status line are to be shown anew.
  void Redrawn();
  // Only the status line is: the pointer moved over the picture.
  void PointerMoved();

 private:
  void Build();
  void Pointer(PictureBox::Pointer phase, QPointF at);
  PointerPicture Picture() const;

  ModelStore& model_;
  ProjectCommands& commands_;
  PictureBox& canvas_;
  DrawingMode mode_;
  UserScale sheet_;
  bool active_ = false;
  QActionGroup* tools_ = nullptr;
  QComboBox* supports_ = nullptr;
  QComboBox* loads_ = nullptr;
  QSpinBox* material_ = nullptr;
  QSpinBox* section_ = nullptr;
  QDoubleSpinBox* spacing_ = nullptr;
  QCheckBox* live_ = nullptr;
};

}  // namespace stavelorn
