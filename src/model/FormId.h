// The program's windows, by name. Shared drawing, layout and grid routines serve one window at a
// time and are told which one.
#pragma once

namespace stavelorn {

enum class FormId {
  mcas,      // main window
  ProjName,  // project title dialog
  Disp,
  MbForce,
  Reac,  // result windows
  JointA,
  JointB,
  MatA,
  MatB,
  CrossA,
  CrossB,
  MemberA,
  MemberB,
  JLoadA,
  JLoadB,
  MemLoadA,
  MemLoadB,
  JSettleA,
  JSettleB,
  MemTempA,
  MemTempB,
  MemErrA,
  MemErrB,
};

}  // namespace stavelorn
