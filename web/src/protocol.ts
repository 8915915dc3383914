// What the page and its engine worker say to each other. Every answer is the JSON the engine's
// page session wrote (src/web/PageSession.h), passed through as it is.
import type { EditRequest } from './editing/protocol';
import type { ToolRequest } from './tools/protocol';
import type { MovingRequest } from './moving/protocol';
import type { StabilityRequest } from './stability/protocol';

export type Request =
  | { op: 'captions' }
  | { op: 'open'; name: string; text: string }
  | { op: 'analyze'; double: boolean }
  | { op: 'show'; choice: number }
  | { op: 'multiplier'; text: string }
  | { op: 'diagram'; name: string }
  | { op: 'pick'; kind: string; number: number }
  | { op: 'step'; step: number; marked: number }
  | { op: 'member'; member: number }
  | { op: 'helpMenu' }
  | { op: 'helpContents' }
  | { op: 'helpSearch'; query: string }
  | { op: 'helpOfView'; view: string }
  | { op: 'about'; examples: string; help: string }
  | { op: 'printOptions'; remembered: string }
  | { op: 'printChoose'; ticked: string }
  | { op: 'printPages'; ticked: string }
  | { op: 'loadCases' }
  | { op: 'loadCaseCommand'; button: string; row: number; name: string; confirmed: boolean }
  | EditRequest
  | ToolRequest
  | StabilityRequest
  | MovingRequest;

export interface Envelope {
  id: number;
  request: Request;
}

export type Reply = { id: number; ok: true; value: string } | { id: number; ok: false; error: string };

export interface Message {
  title: string;
  text: string;
  style: 'stop' | 'information' | 'question';
}

export interface Captions {
  open: string;
  analyze: string;
  jointDisplacements: string;
  memberForces: string;
  supportReactions: string;
  diagrams: string;
  print: string;
  help: string;
  multiplier: string;
  steps: string;
}

export interface Opened {
  opened: boolean;
  title: string;
  messages: Message[];
  svg: string;
}

export interface ResultTable {
  caption: string;
  label1: string;
  label2: string;
  cells: string[][];
  places: Array<Array<'left' | 'centre' | 'right'>>;
  copy: string;
}

export interface Analysed {
  complete: boolean;
  messages: Message[];
  svg?: string;
  multiplier?: string;
  choices?: string[];
  tables?: ResultTable[];
  diagrams?: Array<{ name: string; caption: string }>;
  report?: string;
  forceRowMembers?: number[];
  // A project with load cases: what "Show:" offers and the one shown.
  shown?: string[];
  shownIndex?: number;
}

// "Show:" took a case, a combination or the envelope: its tables and drawing.
export interface ShownChoice {
  shownIndex: number;
  noSteps: string;
  tables: ResultTable[];
  svg: string;
}

export interface MultiplierEntered {
  messages: Message[];
  multiplier: string;
  svg: string;
}

// One labelled matrix or vector of the method's steps, each cell's text and tooltip as the
// desktop shows them; `marked` lists the [row, column] of the cells that stand out.
export interface StepTable {
  title: string;
  rows: string[];
  columns: string[];
  cells: string[][];
  tips: string[][];
  marked: Array<[number, number]>;
  copy: string;
}

export interface MethodStep {
  title: string;
  steps: string[];
  step: number;
  back: boolean;
  next: boolean;
  precisionNote: string;
  heading: string;
  notes: string[];
  notesTip: string;
  tables: StepTable[];
  lines: string[];
  shade: 'restrained' | 'member';
  marking: boolean;
  members: string[];
  marked: number;
}

export interface MemberWindow {
  member: number;
  caption: string;
  table: ResultTable;
  svg: string;
}

export interface HelpMenu {
  items: Array<{ caption: string; page: string }>;
  window: { caption: string; key: string };
  about: string;
}

export interface About {
  title: string;
  text: string;
}

export interface HelpEntry {
  id: string;
  title: string;
}
