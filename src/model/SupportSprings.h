// Elastic supports: a restrained coordinate of a support record held by a spring of a given
// stiffness (force per length, or moment per radian) rather than rigidly. The spring's joint
// coordinate is then an unknown of the structure; its support's reaction there is -k·(d - s),
// with s the settlement of the spring's base. This file finds a joint's springs and support
// record and says what is wrong with a spring or support-angle record, for the file reader and
// the model checks.
#pragma once

#include <optional>
#include <string>

#include "model/ModelStore.h"

namespace stavelorn {

// The support record of joint `joint` (the later of two, as the numbering keeps it), or 0.
int SupportRecordOf(const ModelStore& model, int joint);

// The spring record at coordinate k (1..CoordsPerJoint) of joint `joint`, or 0 (the first counts).
int SpringRecordAt(const ModelStore& model, int joint, int k);

// The stiffness of the spring at coordinate k of joint `joint`, or nothing.
std::optional<float> SpringAt(const ModelStore& model, int joint, int k);

// The settlement of the base of a spring at coordinate k of joint `joint`: the sum of the joint's
// support-displacement records at k (the model checks allow one), 0 without one.
float SpringBaseSettlement(const ModelStore& model, int joint, int k);

// A record's fault: the field (1-based) it lies in and what is wrong, in words that follow
// "field 2 of record 1 of section "Support Springs": ".
struct RecordProblem {
  int Field;
  std::string Text;
};

// The first fault of spring record `record`: a joint without a support record, a coordinate the
// type has not or the support leaves free, a second spring at one coordinate, a stiffness that is
// not above zero.
std::optional<RecordProblem> SpringRecordProblem(const ModelStore& model, int record);

// The first fault of support-angle record `record`: an angle on a type whose supports cannot be
// turned, a joint without a support record, a second angle for one joint.
std::optional<RecordProblem> SupportAngleProblem(const ModelStore& model, int record);

}  // namespace stavelorn
