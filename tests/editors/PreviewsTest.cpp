// The previews beside the lists, drawn on a recording canvas from grids filled through the
// editors before anything reaches the model: joints with their support symbols, members, joint
// loads in magenta with their magnitudes and member loads in green with their signed values. The
// whole pictures are held in golden files read over by hand.
#include <gtest/gtest.h>

#include <iomanip>
#include <vector>

#include "editors/EditorSession.h"
#include "editors/RestraintText.h"
#include "graphics/RecordingCanvas.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

// Three joints typed into a new project's joints list, the second and the third (at the picture's
// top right) with the restraint boxes `checks` (" #1 #2"), drawn as its preview.
RecordingCanvas JointsPreview(const std::string& type, const std::string& checks) {
  ModelStore model = Structure(type, 0);
  Session e(FormId::JointA, model);
  const auto joint = [&model](const std::string& xyz) {
    return xyz.substr(0, 2 * static_cast<std::size_t>(model.CoordColumns) - 1);
  };
  e.windows.Then(
      Script(joint("0 0 0") + " / " + joint("5 2 1") + checks + " / " + joint("9 4 2") + checks));
  e.editor.Shown();
  EXPECT_EQ(model.JointCount, 0);  // drawn from the grid alone
  RecordingCanvas canvas;
  e.window.DrawPreview(canvas);
  return canvas;
}

// Every stroke in `colour` (every stroke for -1), one a line, in user units.
std::string Strokes(const RecordingCanvas& canvas, int colour = -1) {
  static const char* const shapes[] = {"line", "box", "circle", "arc", "text"};
  std::ostringstream out;
  out << std::fixed << std::setprecision(3);
  for (const Stroke& s : canvas.Strokes()) {
    if (colour >= 0 && s.Colour != colour) continue;
    out << " " << shapes[static_cast<int>(s.Shape)] << " " << s.Colour << " " << s.X1 << " "
        << s.Y1;
    if (s.Shape == Stroke::Kind::Line || s.Shape == Stroke::Kind::Box)
      out << " " << s.X2 << " " << s.Y2;
    if (s.Shape == Stroke::Kind::Circle || s.Shape == Stroke::Kind::Arc) out << " r " << s.Radius;
    if (s.Shape == Stroke::Kind::Arc) out << " " << s.Start << " " << s.End;
    out << (s.Shape == Stroke::Kind::Text ? " \"" + s.Text + "\"\n" : "\n");
  }
  return out.str();
}

// Joints 2 and 3 carry the support, joint 3 at the edges of the picture. A roller's wheel is a red
// circle beside the joint (X roller) or under it (Y roller); hinges and walls are red lines only;
// each joint is numbered and marked by a box, or a cyan circle for a plane truss.
TEST(Previews, EachRestraintTextGetsItsSymbolOrNone) {
  const std::pair<std::string, std::string> cases[] = {
      {"PTruss", " #1"},    {"PTruss", " #2"},    {"PTruss", " #1 #2"}, {"PTruss", ""},
      {"Beam", " #1"},      {"Beam", " #1 #4"},   {"Beam", " #4"},      {"PFrame", " #1 #2 #4"},
      {"PFrame", " #2 #4"}, {"STruss", " #1 #3"}, {"Grid", " #1"},      {"Grid", " #4"},
      {"SFrame", " #2"},
  };
  std::string out;
  for (const auto& [type, checks] : cases)
    out += type + checks + "\n" + Strokes(JointsPreview(type, checks));
  ExpectGolden(out, "previews-joints.txt");
}

// Every combination of restraints of every type reads back from the text the grid shows; a list
// of flags short of the type's last coordinate leaves that coordinate free.
TEST(RestraintText, EveryCombinationReadsBackFromItsText) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    const std::size_t n = RestraintNames(type.Code).size();
    ASSERT_EQ(n, static_cast<std::size_t>(type.CoordsPerJoint));
    for (unsigned bits = 0; bits < (1u << n); ++bits) {
      std::vector<int> flags(n);
      for (std::size_t k = 0; k < n; ++k) flags[k] = (bits >> k) & 1;
      const std::string text = RestraintText(type.Code, flags);
      EXPECT_EQ(RestraintFlags(type.Code, text), flags) << type.Code << " \"" << text << "\"";
      flags.back() = 0;
      EXPECT_EQ(RestraintText(type.Code, {flags.begin(), flags.end() - 1}),
                RestraintText(type.Code, flags));
    }
  }
}

// For each type, over joints (0, 0), (5, 4) and (10, 0) (with z 0, 0, 6 in space): the members,
// the second hinged at both ends, in yellow, with a third being typed and a fourth, drawn again
// once it names an end joint that does not exist, which is not drawn either time; joint loads on
// joints 1 and 3, the first and the last, in magenta (every component 12 on joint 1; 1, -7.5 and 0
// on joint 3, where a zero draws nothing); a uniform load over part of member 1 and a point force
// on member 2 in green.
TEST(Previews, MembersAndLoadsAreDrawnInTheirColours) {
  std::string out;
  for (const char* type : {"PTruss", "Beam", "PFrame", "STruss", "Grid", "SFrame"}) {
    ModelStore model = FullModel(type);
    for (int j = 1; j <= 3; ++j)
      for (int col = 1; col <= model.CoordColumns; ++col)
        model.JointCoords(j, col) = col == 1 ? 5.0f * (j - 1) : j == col ? 2.0f * col : 0.0f;
    model.JointLoadJoints(1) = 1;
    for (int k = 1; k <= model.CoordsPerJoint; ++k)
      model.JointLoadValues(1, k) = 12, model.JointLoadValues(2, k) = k == 1   ? 1
                                                                      : k == 3 ? 0
                                                                               : -7.5f;
    const float loads[2][4] = {{-4, 0, 1, 2}, {40, 0, 2, 0}};
    for (int i = 1; i <= 2; ++i)
      for (int k = 1; k <= 4; ++k) model.MemberLoadValues(i, k) = loads[i - 1][k - 1];
    for (const auto& [form, colour] :
         {std::pair(FormId::MemberA, kYellow), std::pair(FormId::JLoadA, kLightMagenta),
          std::pair(FormId::MemLoadA, kLightGreen)}) {
      Session e(form, model);
      RecordingCanvas canvas;
      e.windows.Then([&](ListEditor& ed) {  // drawn while members 3 and 4 are being typed
        Play(ed, "1 3 1 1");
        ed.Next();
        Play(ed, "3");
        e.window.DrawPreview(canvas);
        ed.TypeField(3, "9");
        e.window.DrawPreview(canvas);
        ed.CancelEntry();
      });
      form == FormId::MemberA ? e.editor.Add() : e.window.DrawPreview(canvas);
      out += std::string(type) + " " + EditorFormName(form) + "\n" + Strokes(canvas, colour);
    }
  }
  ExpectGolden(out, "previews-data.txt");
}

}  // namespace
