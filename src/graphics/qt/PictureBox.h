// The picture box a window draws the structure on. It is a recording canvas: the drawings put
// their strokes into it, and every paint event replays the strokes of the last drawing through
// the view (ViewTransform), so a resized or uncovered window keeps its picture. The mouse wheel
// zooms about the pointer, dragging pans, the arrow keys pan and Ctrl+=, Ctrl+- and Ctrl+0 zoom
// and fit. Hovering a joint or member highlights it and shows the tooltip its owner supplies; a
// click on one is signalled. Tab and Shift+Tab move a keyboard focus over the same items (see
// StepThrough), highlighted and explained alike, and Enter or Space on one is its click. The same
// strokes, as far as they are in view, can be saved as a PNG or SVG file.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>

#include "graphics/Picking.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/ViewTransform.h"

class QPainter;

namespace stavelorn {

class PictureBox : public QWidget, public RecordingCanvas {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // The picture at `size` pixels, as the widget would show it at that size, on `background`.
  QImage Render(QSize size, Background background = Background::Black) const;
  // Writes the picture in view to `path` on a white background, for paper: an SVG document when
  // the name ends in ".svg" (in any letter case), a PNG image otherwise, at least 800 pixels
  // wide. False when the file cannot be written.
  bool SavePicture(const QString& path) const;

  // The view over the drawing, and the commands that change it.
  const ViewTransform& View() const { return view_; }
  void ZoomIn();
  void ZoomOut();
  void FitView();

  // The text shown when the mouse rests on an item ("" shows none).
  void SetTooltipSource(std::function<std::string(const PickedItem&)> source) {
    tooltipSource_ = std::move(source);
  }
  const PickedItem& Hovered() const { return hovered_; }

  // While a drawing tool is in hand the mouse draws instead of panning and clicking: every press,
  // move (with the button held or not) and release of the left button goes to `handler` with its
  // pixel. An empty handler gives the mouse back to the view.
  enum class Pointer { Press, Move, Release };
  // Whether a drawing's new scale refits the view (see ViewTransform::Follow); off while a
  // drawing whose scale is then set again is made, so that the view follows only the last.
  void FollowScale(bool follow) { followScale_ = follow; }
  void SetPointerHandler(std::function<void(Pointer, QPointF)> handler) {
    pointer_ = std::move(handler);
  }
  // The item under the keyboard focus; none until Tab reaches one.
  const PickedItem& Focused() const { return focused_; }

 signals:
  void MemberClicked(int member);
  // The same click with the point of the drawing clicked, in user coordinates.
  void MemberClickedAt(int member, double x, double y);
  void JointClicked(int joint);
  // The keyboard focus moved to another item, or off every item.
  void FocusedItemChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void Changed() override;

 private:
  void Hover(QPoint at);
  void Focus(const PickedItem& item);
  // Signals a click on `item` at pixel `at`.
  void Click(const PickedItem& item, QPoint at);
  // The text the owner gives for `item`, shown at pixel `at` ("" hides any tooltip).
  void ShowTooltip(const PickedItem& item, QPoint at);

  ViewTransform view_;
  PickedItem hovered_, focused_;
  std::function<std::string(const PickedItem&)> tooltipSource_;
  std::function<void(Pointer, QPointF)> pointer_;
  bool followScale_ = true;
  QPoint pressedAt_, lastDragAt_;
  bool dragging_ = false, pressed_ = false;
};

// Paints recorded strokes on a picture of `size` pixels with the user rectangle `visible` mapped
// onto it, in the colours of `background`; the strokes of `highlight` are drawn once more, in
// white.
void PaintStrokes(QPainter& painter, const RecordingCanvas& canvas, QSizeF size,
                  const UserScale& visible, const PickedItem& highlight = {},
                  Background background = Background::Black);

}  // namespace stavelorn
