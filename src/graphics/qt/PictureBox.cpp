#include "graphics/qt/PictureBox.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "graphics/SvgPicture.h"

namespace stavelorn {

namespace {

QColor ToQColor(int colour) {
  const Rgb rgb = PaletteRgb(colour);
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

constexpr int kMinimumSavedWidth = 800;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setObjectName("Pic1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(20, 20);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintStrokes(painter, *this, size());
  painter.setPen(QColor(96, 96, 96));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

QImage PictureBox::Render(QSize size) const {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintStrokes(painter, *this, size);
  return image;
}

bool PictureBox::SavePicture(const QString& path) const {
  const int width = std::max(this->width(), kMinimumSavedWidth);
  const int height = std::max(1, width * this->height() / std::max(this->width(), 1));
  if (path.endsWith(".svg", Qt::CaseInsensitive)) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray svg = QByteArray::fromStdString(SvgPicture(*this, width, height));
    return file.write(svg) == svg.size() && file.flush();
  }
  return Render(QSize(width, height)).save(path, "PNG");
}

void PaintStrokes(QPainter& painter, const RecordingCanvas& canvas, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  const PictureMapping map(canvas.ScaleRect(), size.width(), size.height());
  // Pens grow with large pictures so that saved images keep the weight of the window's lines.
  const double penScale = std::max(1.0, size.width() / 600);
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(map.FontPixels()));
  for (const Stroke& s : canvas.Strokes()) {
    if (!map.Paintable(s)) continue;
    const QColor colour = ToQColor(s.Colour);
    // Flat ends keep a curve of many short strokes as thin as a single line.
    painter.setPen(QPen(colour, s.Width * penScale, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    switch (s.Shape) {
      case Stroke::Kind::Line:
        painter.drawLine(QPointF(map.X(s.X1), map.Y(s.Y1)), QPointF(map.X(s.X2), map.Y(s.Y2)));
        break;
      case Stroke::Kind::Box:
        painter.fillRect(
            QRectF(QPointF(map.X(s.X1), map.Y(s.Y1)), QPointF(map.X(s.X2), map.Y(s.Y2)))
                .normalized(),
            colour);
        break;
      case Stroke::Kind::Circle: {
        const double r = map.Length(s.Radius);
        painter.drawEllipse(QPointF(map.X(s.X1), map.Y(s.Y1)), r, r);
        break;
      }
      case Stroke::Kind::Arc: {
        QPainterPath path;
        const auto points = map.ArcPixels(s);
        path.moveTo(points.front().first, points.front().second);
        for (const auto& [x, y] : points) path.lineTo(x, y);
        painter.drawPath(path);
        break;
      }
      case Stroke::Kind::Text:
        font.setItalic(s.Italic);
        painter.setFont(font);
        painter.drawText(QRectF(map.X(s.X1), map.Y(s.Y1), size.width(), size.height()),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(s.Text));
        break;
    }
  }
}

}  // namespace stavelorn
