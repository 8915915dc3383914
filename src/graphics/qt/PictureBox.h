// The picture box a window draws the structure on. It is a recording canvas: the drawings put
// their strokes into it, and every paint event replays the strokes of the last drawing with the
// user scale mapped onto the whole widget, so a resized or uncovered window keeps its picture.
// The same strokes can be saved as a PNG or SVG file.
#pragma once

#include <QImage>
#include <QWidget>

#include "graphics/RecordingCanvas.h"

class QPainter;

namespace stavelorn {

class PictureBox : public QWidget, public RecordingCanvas {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // The picture at `size` pixels, as the widget would show it at that size.
  QImage Render(QSize size) const;
  // Writes the picture to `path`: an SVG document when the name ends in ".svg" (in any letter
  // case), a PNG image otherwise, at least 800 pixels wide. False when the file cannot be
  // written.
  bool SavePicture(const QString& path) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void Changed() override { update(); }
};

// Paints recorded strokes on a black picture of `size` pixels.
void PaintStrokes(QPainter& painter, const RecordingCanvas& canvas, QSizeF size);

}  // namespace stavelorn
