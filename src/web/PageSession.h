// One project open in the browser page: the page sends what the user did (opened a file, asked
// for an analysis, typed a multiplier, rested on a joint or member) and gets back, as one JSON
// object each, everything it shows: the messages as the desktop words and titles them, the
// drawing as SVG, the results tables with their headings and number forms, the report text.
// The page decides nothing itself; every rule it shows is the desktop's, run here.
#pragma once

#include <string>

#include "app/ProjectSession.h"
#include "model/ModelStore.h"

namespace stavelorn {

class PageSession {
 public:
  // The captions of the page's commands, as the desktop's menus name them:
  // {"open": ..., "analyze": ..., "jointDisplacements": ..., "memberForces": ...,
  //  "supportReactions": ..., "diagrams": ..., "print": ..., "help": ..., "multiplier": ...,
  //  "steps": ...}.
  static std::string Captions();

  // Reads the project text `text` of the file `name` as the Open command reads a file:
  // {"opened": true or false, "title": ..., "messages": [...], "svg": ...}; a message is
  // {"title": ..., "text": ..., "style": "stop", "information" or "question"}. A file read only in
  // part still opens, with the reader's message; one that yields no structure type leaves the
  // project that was open before.
  std::string Open(const std::string& name, const std::string& text);

  // Checks and analyses the open project as the Analyze command does, in double precision only
  // when `doublePrecision`: {"complete": ..., "messages": [...], "svg": ..., "multiplier": ...,
  // "choices": [...], "tables": [...], "diagrams": [{"name": "M", "caption": "Bending moment"},
  // ...], "report": ...}. A table is {"caption", "label1", "label2", "cells": [[...]], "places":
  // [["left", "centre" or "right", ...]], "copy": tab-separated text}; "forceRowMembers" names
  // the member of each row of Member Forces below its headings, whose window a double-click on
  // the row opens. A model the check rejects gets its message and nothing else. A project with
  // load cases adds "shown": the captions of "Show:" (ShownCases.h), and "shownIndex": the one
  // shown, the case the load lists showed.
  std::string Analyze(bool doublePrecision);

  // "Show:" took choice `choice` (0-based, of "shown"): {"shownIndex": ..., "noSteps": why Step
  // by Step cannot show it or "", "tables": [...], "svg": ...}, the results tables and the
  // drawing of that case, combination or envelope; the diagrams, tooltips, member windows and
  // method steps follow it too. "" before a complete analysis of a project with load cases, or
  // for a choice it does not offer.
  std::string ChooseShown(int choice);

  // The multiplier box's entry completed with `text`: {"refusal": "" or why not, "multiplier":
  // the value in use, "svg": the drawing with the deformed shape at it}.
  std::string EnterMultiplier(const std::string& text);

  // The structure with the diagram of the quantity `name` (as "diagrams" names it) drawn below
  // it, after a complete analysis; "" for a quantity the project's type lacks.
  std::string DiagramPicture(const std::string& name) const;

  // The tooltip of joint or member `number` ("joint" or "member"), with its results after an
  // analysis; "" for anything else.
  std::string PickText(const std::string& kind, int number) const;

  // The method's step `step` of the analysis shown, the structure's step marking member
  // `marked` (0-based, -1 none), as MethodStepJson writes it; "" before a complete analysis.
  std::string MethodStep(int step, int marked) const;

  // Member `member`'s own diagrams and table (MemberDiagramsJson) after a complete analysis;
  // "" before one or for a member the project lacks.
  std::string MemberDiagrams(int member) const;

 private:
  // Builds and edits the project this session shows.
  friend class PageEditing;
  // Check the work on it, study its influence lines and keep its precision.
  friend class PageCheckWork;
  friend class PageInfluence;
  friend class PagePrecision;
  // The Stability menu's commands over the results shown.
  friend class PageStability;
  // A moving load over the results shown.
  friend class PageMovingLoad;
  friend class PageLoadCases;
  friend class PagePrint;
  // Draws in it with the mouse.
  friend class PageDrawing;

  std::string Drawing() const;

  ModelStore model_;
  // How long the last analysis took to check and solve, which the offer of double precision names.
  double analysisSeconds_ = 0;
  // The open project as the desktop keeps it: its multiplier and the analysis shown.
  ProjectSession session_{model_, true};
};

}  // namespace stavelorn
