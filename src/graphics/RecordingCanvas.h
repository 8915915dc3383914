// A canvas that keeps every primitive it is given, in user coordinates, with its colour and pen.
// Tests read the strokes back; the picture widget and the image writers replay them, so a
// picture can be repainted, resized or saved at any time without running the drawing again.
#pragma once

#include <utility>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/LabelPlacer.h"

namespace stavelorn {

struct Stroke {
  enum class Kind { Line, Box, Circle, Arc, Text };
  Kind Shape = Kind::Line;
  double X1 = 0, Y1 = 0;      // line start, first box corner, circle or arc centre, text top-left
  double X2 = 0, Y2 = 0;      // line end, opposite box corner
  double Radius = 0;          // circles and arcs, horizontal user units
  double Start = 0, End = 0;  // arc angles in radians, counter-clockwise from +x
  int Colour = kLightCyan;    // palette number
  int Width = 1;              // pen width in pixels
  bool Italic = false;        // text only
  std::string Text;           // text only, e.g. " 12"
  int Joint = 0;              // the joint the stroke belongs to, 0 for none
  int Member = 0;             // the member the stroke belongs to, 0 for none
  // The drawn symbol the stroke is part of: its class, joint and member, and a serial number
  // that tells two symbols apart (0 outside any symbol).
  SymbolClass Symbol = SymbolClass::None;
  int SymbolJoint = 0, SymbolMember = 0;
  int SymbolSerial = 0;
};

// The user coordinates of the picture's edges, as the last Scale set them.
struct UserScale {
  double Left = 0, Top = 0, Right = 1, Bottom = 1;
};

class RecordingCanvas : public Canvas {
 public:
  void Cls() override;
  void Scale(double left, double top, double right, double bottom) override;
  void Line(double x1, double y1, double x2, double y2, int colour) override;
  void FilledBox(double x1, double y1, double x2, double y2) override;
  void Circle(double x, double y, double radius, int colour) override;
  void Arc(double x, double y, double radius, int colour, double start, double end) override;
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }
  double CurrentY() const override { return currentY_; }
  void PrintNumber(double value) override;
  void PrintText(const std::string& text) override;
  // Prints the label at the text position or, when that would cover a text, marker, circle,
  // arc or short stroke drawn since the last Cls, or cross a member or load line, at the
  // nearest free spot around it (see LabelPlacer), inside the picture.
  void PrintLabel(const std::string& text) override;
  void Refresh() override { Changed(); }
  void SetForeColor(int colour) override { foreColor_ = colour; }
  void SetFontItalic(bool italic) override { italic_ = italic; }
  void SetDrawWidth(int width) override { drawWidth_ = width; }
  void SetPickTag(int joint, int member) override { joint_ = joint, member_ = member; }
  void BeginSymbol(SymbolClass symbol, int joint = 0, int member = 0) override;

  // The width in pixels of the picture the strokes will be shown on, which sets how large a text
  // is against the drawing (TextPixels); labels are placed for it.
  void SetPictureWidth(double pixels) { pictureWidth_ = pixels; }
  // A text's height and width in user units on that picture at the drawing's own scale.
  double TextHeight() const;
  double TextWidth(const std::string& text) const;

  bool FontItalic() const { return italic_; }
  int DrawWidth() const { return drawWidth_; }
  const std::vector<Stroke>& Strokes() const { return strokes_; }
  const UserScale& ScaleRect() const { return scale_; }

 protected:
  // Called after every change of the strokes or the scale, so a window can repaint.
  virtual void Changed() {}

 private:
  // Records a stroke; `keepClear` false for a placed label, whose box the placer already keeps.
  void Add(Stroke stroke, bool keepClear = true);
  // Keeps the stroke's extent from later labels when it is one that a label must not cover.
  void KeepClearOf(const Stroke& stroke);

  std::vector<Stroke> strokes_;
  UserScale scale_;
  double currentX_ = 0, currentY_ = 0;
  int foreColor_ = kLightCyan;
  bool italic_ = false;
  int drawWidth_ = 1;
  int joint_ = 0, member_ = 0;
  SymbolClass symbol_ = SymbolClass::None;
  int symbolJoint_ = 0, symbolMember_ = 0, symbolSerial_ = 0, symbolsBegun_ = 0;
  double pictureWidth_ = 600;
  LabelPlacer labels_;
};

// The pixel size of text on a picture `width` pixels wide: large pictures (saved images) get
// proportionally large text so that they look like the window, small ones stay readable.
double TextPixels(double width);

// Maps user coordinates onto a picture of width x height pixels whose y axis points down, the
// user rectangle filling the whole picture.
class PictureMapping {
 public:
  PictureMapping(const UserScale& scale, double width, double height);
  double X(double x) const { return (x - scale_.Left) * sx_; }
  double Y(double y) const { return (y - scale_.Top) * sy_; }
  // A horizontal user length (a radius) in pixels.
  double Length(double length) const { return length * (sx_ < 0 ? -sx_ : sx_); }
  // Whether every coordinate of the stroke lands on a finite pixel; others are not painted.
  bool Paintable(const Stroke& stroke) const;
  // Font size in pixels for text on this picture, so numbers keep their size relative to it.
  double FontPixels() const;
  // The points of an arc stroke in pixels, close enough together to be joined by straight lines.
  std::vector<std::pair<double, double>> ArcPixels(const Stroke& arc) const;

 private:
  UserScale scale_;
  double width_;
  double sx_, sy_;
};

}  // namespace stavelorn
