#include "cli/BatchOptionTable.h"

#include <algorithm>
#include <stdexcept>

namespace stavelorn {

namespace {

using O = BatchOption;

constexpr char kAbout[] =
    "\n"
    "Reads a STAVELORN project, checks and analyses it, and writes its report as the Print\n"
    "command prints it.\n"
    "\n"
    "options:\n";

constexpr char kExitStatuses[] =
    "\n"
    "exit status: 0 analysis complete, 3 not statically stable, 4 the equation solution\n"
    "failed, 2 the file cannot be read, the model is rejected or the answers are malformed,\n"
    "64 usage, 74 output failed.\n";

// The help's second column: an option's text starts there, after its name when that fits.
constexpr std::size_t kHelpColumn = 13;

std::string Named(const BatchOptionRow& row) {
  return std::string(row.name) + (*row.valueName ? std::string(" ") + row.valueName : "");
}

bool InForm(const BatchForm& form, BatchOption option) {
  return std::any_of(form.options.begin(), form.options.end(),
                     [&](const BatchFormOption& use) { return use.option == option; });
}

// An option of a form with the options that go with it, in brackets unless the form needs it.
std::string FormItem(const BatchForm& form, const BatchFormOption& use) {
  std::string text = Named(RowOf(use.option));
  for (const BatchFormOption& other : form.options)
    if (RowOf(other.option).goesWith == use.option) text += " " + FormItem(form, other);
  return use.required ? text : "[" + text + "]";
}

std::string FormLine(const BatchForm& form) {
  std::string line = kBatchProgramName;
  if (form.extends) line += " [...]";
  for (const BatchFormOption& use : form.options) {
    const std::optional<BatchOption> goesWith = RowOf(use.option).goesWith;
    if (!goesWith || !InForm(form, *goesWith)) line += " " + FormItem(form, use);
  }
  for (const char* argument : form.arguments) line += std::string(" ") + argument;
  return line;
}

// The options that shape an analysis's report, JSON or picture, which judging answers takes none
// of, and `more`.
std::vector<BatchOption> AnalysisOptions(std::vector<BatchOption> more = {}) {
  std::vector<BatchOption> options = {
      O::Json,    O::Trail,    O::Diagrams, O::Precision,   O::Influence, O::Path,
      O::Train,   O::Lane,     O::Envelope, O::Units,       O::Picture,   O::Deformed,
      O::Diagram, O::Buckling, O::Modes,    O::SecondOrder, O::Segments};
  options.insert(options.end(), more.begin(), more.end());
  return options;
}

}  // namespace

const std::vector<BatchOptionRow>& BatchOptionRows() {
  static const std::vector<BatchOptionRow> rows = {
      {O::Json,
       "--json",
       "",
       std::nullopt,
       {},
       "write the results as one JSON object instead of the report"},
      {O::Trail,
       "--trail",
       "",
       std::nullopt,
       {},
       "add the method step by step: every member's matrices, the assembly and the\n"
       "solution (or, with --json, a \"trail\" object)"},
      {O::Diagrams,
       "--diagrams",
       "",
       std::nullopt,
       {},
       "add each member's internal-force tables (or, with --json, a \"diagrams\" array)"},
      {O::Precision,
       "--precision",
       "single|double",
       std::nullopt,
       {},
       "single (the default): the method as taught, with a double-precision check\n"
       "that replaces inaccurate results; double: double precision only"},
      {O::Influence,
       "--influence",
       "WHAT",
       O::Json,
       {},
       "with --json, add the influence line of WHAT under a unit downward load\n"
       "(an \"influence\" object): reaction:J:C, end-force:M:K, internal:M:X:Q\n"
       "(Q one of N V M T Vy Vz My Mz) or displacement:J:C"},
      {O::Path,
       "--path",
       "M1,M2,...",
       O::Influence,
       {},
       "the members the load travels on; by default, on a truss whose two outermost\n"
       "supports stand at one level, the chord joining them through the joints at that\n"
       "level, otherwise every member not parallel to Y"},
      {O::Train,
       "--train",
       "P1[@0],P2@D2,...",
       O::Influence,
       {},
       "move loads P1, P2, ... downward (the first at 0, load i at offset Di behind it)\n"
       "along the path, both ways, and add their greatest and least effect with the\n"
       "first load's position (a \"movingLoad\" object in \"influence\"); project's units"},
      {O::Lane,
       "--lane",
       "W",
       O::Influence,
       {},
       "a uniform load W per length laid only where it worsens the effect, with the\n"
       "loads of --train or alone"},
      {O::Envelope,
       "--envelope",
       "",
       O::Influence,
       {},
       "with --influence internal:M:X:Q and --train or --lane: the greatest and least\n"
       "Q at the ends and tenth points of member M (an \"envelope\" object)"},
      {O::Units,
       "--units",
       "FORCE,LENGTH[,TEMP]",
       std::nullopt,
       {},
       "convert a project with named units to these units before analysing it and\n"
       "report in them (the file is not changed); FORCE is N, kN, MN, lb or kip,\n"
       "LENGTH mm, cm, m, in or ft, TEMP C or F (omitted: the file's)"},
      {O::Picture,
       "--picture",
       "OUT.svg",
       std::nullopt,
       {},
       "also write the drawing of the structure with its supports and loads to OUT.svg\n"
       "(white background, 1000 pixels wide), replacing only an earlier such picture"},
      {O::Deformed,
       "--deformed",
       "",
       O::Picture,
       {},
       "with --picture: add the deformed shape at the automatic multiplier (the\n"
       "mechanism of a structure that is not stable)"},
      {O::Diagram,
       "--diagram",
       "Q",
       O::Picture,
       {},
       "with --picture: add the diagram of Q, a quantity --diagrams names for the\n"
       "structure's type (N, V, M; Vy, Vz, T, My, Mz)"},
      {O::Buckling,
       "--buckling",
       "",
       O::Json,
       {O::SecondOrder},
       "with --json, add the elastic critical load factors of the project's loads and\n"
       "their buckling modes (a \"buckling\" object); plane and space frames only"},
      {O::Modes,
       "--modes",
       "N",
       O::Buckling,
       {},
       "how many of the smallest load factors --buckling gives (1 to 20, default 3)"},
      {O::SecondOrder,
       "--second-order",
       "",
       O::Json,
       {O::Buckling},
       "with --json, give the second-order (P-delta) results in the result keys and\n"
       "the first-order ones in a \"secondOrder\" object; plane and space frames only"},
      {O::Segments,
       "--segments",
       "n",
       std::nullopt,
       {},
       "with --buckling or --second-order: the pieces each member is divided into\n"
       "(1 to 64, default 4)"},
      {O::Case,
       "--case",
       "NAME",
       std::nullopt,
       {},
       "report the load case or combination NAME: its results fill the report, the\n"
       "top-level JSON keys, the picture, the trail and the check (default: the first case)"},
      {O::Check, "--check", "ANSWERS.json", std::nullopt, AnalysisOptions(),
       "judge a student's answers (a JSON \"answers\" list) against the analysis and\n"
       "write the verdicts as one JSON object; of the options above, only --case"},
      {O::ForStudent,
       "--for-student",
       "",
       O::Check,
       {},
       "with --check: leave out the given and the program's values, and give each\n"
       "wrong entry's hint, so the verdicts can be handed back as they are"},
      {O::Only,
       "--only",
       "ITEMS",
       std::nullopt,
       {},
       "with --check or --grade: judge these quantities whatever the file gives, each\n"
       "of one member or of all (k:1,K:1,S,d,reactions); an entry the file leaves out\n"
       "or null counts wrong, a quantity given twice is judged once"},
      {O::Grade, "--grade", "", std::nullopt, AnalysisOptions({O::Case, O::Check}),
       "grade every *.json answers file of ANSWERS_DIR against the project it names in\n"
       "VARIANTS_DIR (each quantity of its key.json, else what the file gives) and\n"
       "write the gradebook as CSV: student,project,checked,right,score,slip,reason"},
      {O::Feedback,
       "--feedback",
       "DIR",
       O::Grade,
       {},
       "with --grade: write each student's verdicts and hints, without the program's\n"
       "values, to DIR/<student>.json (DIR new or empty)"},
      {O::Summary,
       "--summary",
       "FILE.csv",
       O::Grade,
       {},
       "with --grade: write the class summary to FILE.csv (a new file): students per\n"
       "slip, the entries most often wrong, each quantity's share wholly right"},
      {O::Help, "--help", "", std::nullopt, {}, "show this help and exit"},
      {O::Version, "--version", "", std::nullopt, {}, "show the program's version and exit"},
  };
  return rows;
}

const BatchOptionRow& RowOf(BatchOption option) {
  for (const BatchOptionRow& row : BatchOptionRows())
    if (row.option == option) return row;
  throw std::logic_error("batch option without a row");
}

const BatchOptionRow* FindBatchOption(const std::string& name) {
  for (const BatchOptionRow& row : BatchOptionRows())
    if (name == row.name) return &row;
  return nullptr;
}

const std::vector<BatchForm>& BatchForms() {
  static const std::vector<BatchForm> forms = {
      {std::nullopt,
       {{O::Trail, false},
        {O::Diagrams, false},
        {O::Precision, false},
        {O::Json, false},
        {O::Influence, false},
        {O::Path, false},
        {O::Train, false},
        {O::Lane, false},
        {O::Envelope, false},
        {O::Units, false},
        {O::Buckling, false},
        {O::Modes, false},
        {O::SecondOrder, false},
        {O::Segments, false},
        {O::Case, false}},
       {"FILE.str"}},
      {0, {{O::Picture, true}, {O::Deformed, false}, {O::Diagram, false}}, {"FILE.str"}},
      {std::nullopt,
       {{O::Check, true}, {O::ForStudent, false}, {O::Case, false}, {O::Only, false}},
       {"FILE.str"}},
      {std::nullopt,
       {{O::Grade, true}, {O::Only, false}, {O::Feedback, false}, {O::Summary, false}},
       {"ANSWERS_DIR", "VARIANTS_DIR"}},
  };
  return forms;
}

BatchOption GoesWithRoot(BatchOption option) {
  while (const std::optional<BatchOption> next = RowOf(option).goesWith) option = *next;
  return option;
}

std::string GoesWithText(BatchOption root) {
  std::string text;
  for (const BatchOptionRow& row : BatchOptionRows()) {
    if (GoesWithRoot(row.option) != root) continue;
    std::vector<const char*> companions;
    for (const BatchOptionRow& other : BatchOptionRows())
      if (other.goesWith == row.option) companions.push_back(other.name);
    if (companions.empty()) continue;
    std::string names;
    for (std::size_t i = 0; i < companions.size(); ++i)
      names += (i == 0                       ? ""
                : i + 1 == companions.size() ? " and "
                                             : ", ") +
               std::string(companions[i]);
    const char* verb = !text.empty() ? "" : companions.size() == 1 ? " goes" : " go";
    text += (text.empty() ? "" : ", ") + names + verb + " with " + row.name;
  }
  return text;
}

std::string BatchUsageText() {
  std::string text;
  for (const BatchForm& form : BatchForms())
    text += (text.empty() ? "usage: " : "       ") + FormLine(form) + "\n";
  return text;
}

std::string BatchHelpText() {
  std::string text = kAbout;
  for (const BatchOptionRow& row : BatchOptionRows()) {
    const std::string named = "  " + Named(row);
    text += named.size() < kHelpColumn ? named + std::string(kHelpColumn - named.size(), ' ')
                                       : named + "\n" + std::string(kHelpColumn, ' ');
    for (const char& c : std::string(row.help))
      text += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
    text += "\n";
  }
  return text + kExitStatuses;
}

}  // namespace stavelorn
