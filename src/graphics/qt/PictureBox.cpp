#include "graphics/qt/PictureBox.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "graphics/SvgPicture.h"

namespace stavelorn {

namespace {

QColor ToQColor(int colour, Background background = Background::Black) {
  const Rgb rgb = PaletteRgb(colour, background);
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

constexpr int kMinimumSavedWidth = 800;
// One notch of the wheel or one Ctrl+= zooms by this factor; an arrow key pans a tenth of the
// picture; a press that moves less than this many pixels is a click, not a drag.
constexpr double kZoomStep = 1.25;
constexpr double kPanStep = 0.1;
constexpr int kClickSlack = 3;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setObjectName("Pic1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(20, 20);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Labels are placed for the size text has on this picture.
  SetPictureWidth(std::max(width(), 1));
}

void PictureBox::Changed() {
  // A new drawing of another extent is fitted; the same structure drawn again keeps the view.
  if (followScale_) view_.Follow(ScaleRect());
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintStrokes(painter, *this, size(), view_.Visible(),
               hovered_.What != PickedItem::Kind::None ? hovered_ : focused_);
  painter.setPen(QColor(96, 96, 96));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

QImage PictureBox::Render(QSize size, Background background) const {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintStrokes(painter, *this, size, view_.Visible(), {}, background);
  return image;
}

bool PictureBox::SavePicture(const QString& path) const {
  const int width = std::max(this->width(), kMinimumSavedWidth);
  const int height = std::max(1, width * this->height() / std::max(this->width(), 1));
  if (path.endsWith(".svg", Qt::CaseInsensitive)) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray svg =
        QByteArray::fromStdString(SvgPicture(*this, view_.Visible(), width, height));
    return file.write(svg) == svg.size() && file.flush();
  }
  return Render(QSize(width, height), Background::White).save(path, "PNG");
}

void PictureBox::ZoomIn() {
  view_.ZoomAbout(kZoomStep, width() / 2.0, height() / 2.0, width(), height());
  update();
}

void PictureBox::ZoomOut() {
  view_.ZoomAbout(1 / kZoomStep, width() / 2.0, height() / 2.0, width(), height());
  update();
}

void PictureBox::FitView() {
  view_.Fit(ScaleRect());
  update();
}

void PictureBox::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  const QPointF at = event->position();
  view_.ZoomAbout(std::pow(kZoomStep, notches), at.x(), at.y(), width(), height());
  update();
  event->accept();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  if (pointer_) return pointer_(Pointer::Press, event->position());
  pressed_ = true;
  dragging_ = false;
  pressedAt_ = lastDragAt_ = event->position().toPoint();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (pointer_) {
    Hover(at);
    return pointer_(Pointer::Move, event->position());
  }
  if (pressed_ && (event->buttons() & Qt::LeftButton)) {
    if (!dragging_ && (at - pressedAt_).manhattanLength() > kClickSlack) dragging_ = true;
    if (dragging_) {
      view_.Pan(at.x() - lastDragAt_.x(), at.y() - lastDragAt_.y(), width(), height());
      lastDragAt_ = at;
      update();
    }
    return;
  }
  Hover(at);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (pointer_ && event->button() == Qt::LeftButton)
    return pointer_(Pointer::Release, event->position());
  if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
  pressed_ = false;
  if (dragging_) {
    dragging_ = false;
    return;
  }
  const QPoint at = event->position().toPoint();
  Hover(at);
  Click(hovered_, at);
}

void PictureBox::Click(const PickedItem& item, QPoint at) {
  if (item.What == PickedItem::Kind::Member) {
    const UserScale& v = view_.Visible();
    emit MemberClickedAt(item.Number, v.Left + at.x() * (v.Right - v.Left) / width(),
                         v.Top + at.y() * (v.Bottom - v.Top) / height());
    emit MemberClicked(item.Number);
  }
  if (item.What == PickedItem::Kind::Joint) emit JointClicked(item.Number);
}

void PictureBox::leaveEvent(QEvent* event) {
  if (hovered_.What != PickedItem::Kind::None) {
    hovered_ = {};
    QToolTip::hideText();
    update();
  }
  QWidget::leaveEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  const double stepX = kPanStep * width(), stepY = kPanStep * height();
  switch (event->key()) {
    case Qt::Key_Left: view_.Pan(stepX, 0, width(), height()); break;
    case Qt::Key_Right: view_.Pan(-stepX, 0, width(), height()); break;
    case Qt::Key_Up: view_.Pan(0, stepY, width(), height()); break;
    case Qt::Key_Down: view_.Pan(0, -stepY, width(), height()); break;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      if (!control) return QWidget::keyPressEvent(event);
      return ZoomIn();
    case Qt::Key_Minus:
      if (!control) return QWidget::keyPressEvent(event);
      return ZoomOut();
    case Qt::Key_0:
      if (!control) return QWidget::keyPressEvent(event);
      return FitView();
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      if (focused_.What == PickedItem::Kind::None) return QWidget::keyPressEvent(event);
      const PictureMapping map(view_.Visible(), width(), height());
      const std::optional<Point> at = ItemAnchor(Strokes(), map, focused_);
      return Click(focused_, at ? QPoint(int(at->X), int(at->Y)) : rect().center());
    }
    default: return QWidget::keyPressEvent(event);
  }
  update();
}

void PictureBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Reached with Tab (Shift+Tab), the focus lands at once on the first (last) item.
  const bool tab = event->reason() == Qt::TabFocusReason;
  if (tab || event->reason() == Qt::BacktabFocusReason)
    Focus(StepThrough(DrawnItems(Strokes(), PictureMapping(view_.Visible(), width(), height())), {},
                      !tab));
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
  Focus({});
  QWidget::focusOutEvent(event);
}

bool PictureBox::focusNextPrevChild(bool next) {
  const PictureMapping map(view_.Visible(), width(), height());
  const PickedItem item = StepThrough(DrawnItems(Strokes(), map), focused_, !next);
  // Past the last item (or before the first) Tab goes on to the window's next control.
  if (item.What == PickedItem::Kind::None) {
    Focus({});
    return QWidget::focusNextPrevChild(next);
  }
  Focus(item);
  return true;
}

void PictureBox::Focus(const PickedItem& item) {
  if (item == focused_) return;
  focused_ = item;
  update();
  const std::optional<Point> at =
      ItemAnchor(Strokes(), PictureMapping(view_.Visible(), width(), height()), item);
  ShowTooltip(at ? item : PickedItem{}, at ? QPoint(int(at->X), int(at->Y)) : QPoint());
  emit FocusedItemChanged();
}

void PictureBox::Hover(QPoint at) {
  const PictureMapping map(view_.Visible(), width(), height());
  const PickedItem item = PickAt(Strokes(), map, at.x(), at.y());
  if (item == hovered_) return;
  hovered_ = item;
  update();
  ShowTooltip(item, at);
}

void PictureBox::ShowTooltip(const PickedItem& item, QPoint at) {
  const std::string text =
      item.What != PickedItem::Kind::None && tooltipSource_ ? tooltipSource_(item) : "";
  if (text.empty())
    QToolTip::hideText();
  else
    QToolTip::showText(mapToGlobal(at), QString::fromStdString(text), this);
}

void PaintStrokes(QPainter& painter, const RecordingCanvas& canvas, QSizeF size,
                  const UserScale& visible, const PickedItem& highlight, Background background) {
  painter.fillRect(QRectF(QPointF(0, 0), size),
                   background == Background::White ? Qt::white : Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  const PictureMapping map(visible, size.width(), size.height());
  // Pens grow with large pictures so that saved images keep the weight of the window's lines;
  // zooming changes only where strokes go, never their width or the size of the text.
  // A pen of one unit is one device pixel, also on screens with several pixels to the point.
  const double penScale =
      std::max(1.0, size.width() / 600) / std::max(1.0, painter.device()->devicePixelRatioF());
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(map.FontPixels()));
  auto paint = [&](const Stroke& s, const QColor& colour, double widthScale) {
    if (!map.Paintable(s)) return;
    // Flat ends keep a curve of many short strokes as thin as a single line.
    painter.setPen(QPen(colour, s.Width * penScale * widthScale, Qt::SolidLine, Qt::FlatCap));
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
  };
  for (const Stroke& s : canvas.Strokes()) paint(s, ToQColor(s.Colour, background), 1);
  // The item under the mouse, once more over everything in white and a little heavier.
  if (highlight.What != PickedItem::Kind::None)
    for (const Stroke& s : canvas.Strokes())
      if (BelongsTo(s, highlight)) paint(s, ToQColor(kBrightWhite), 2);
}

}  // namespace stavelorn
