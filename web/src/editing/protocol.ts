// What the page asks the engine worker about editing, and what the engine answers: the JSON of
// the engine's PageEditing (src/web/PageEditing.h), passed through as it is.
import type { Message } from '../protocol';

export type EditRequest =
  | { op: 'edit.titleForm' }
  | { op: 'edit.new'; title: string; type: string }
  | { op: 'edit.state' }
  | { op: 'edit.openList'; item: string }
  | { op: 'edit.showCase'; c: number }
  | { op: 'edit.closeList' }
  | { op: 'edit.list'; command: string; first: number; last: number; confirmed: boolean }
  | { op: 'edit.type'; field: number; text: string }
  | { op: 'edit.check'; check: number; checked: boolean }
  | { op: 'edit.spring'; check: number; spring: boolean }
  | { op: 'edit.stiffness'; check: number; text: string }
  | { op: 'edit.choose'; option: number }
  | { op: 'edit.entry'; command: 'next' | 'ok' | 'cancel' }
  | { op: 'edit.undo' }
  | { op: 'edit.redo' }
  | { op: 'edit.unitsForm' }
  | { op: 'edit.units'; named: boolean; units: number[]; answer: '' | 'convert' | 'relabel' }
  | { op: 'edit.text'; save: boolean }
  | { op: 'edit.openCopy'; text: string }
  | { op: 'edit.snapshot' }
  | { op: 'edit.restore'; snapshot: string };

export interface TitleForm {
  caption: string;
  titleLabel: string;
  typeLabel: string;
  types: Array<{ code: string; caption: string }>;
}

export interface FieldRule {
  kind: 'any' | 'text' | 'number' | 'positive' | 'whole';
  required: boolean;
  low: number;
  high: number;
}

export interface EntryForm {
  form: string;
  caption: string;
  nextCaption: string;
  checkGroup: string;
  note: string;
  noteField: number;
  focus: number;
  focusSpring: number;
  fields: Array<{ field: number; label: string; text: string; shown: boolean; readOnly: boolean; rule: FieldRule }>;
  checks: Array<{
    check: number;
    caption: string;
    checked: boolean;
    shown: boolean;
    // The spring that may hold the restrained coordinate instead, with its stiffness.
    spring: { caption: string; name: string; checked: boolean; shown: boolean; label: string; text: string; stiffnessShown: boolean };
  }>;
  choice: { label: string; options: string[]; selected: number; shown: boolean };
}

export interface ListWindow {
  form: string;
  caption: string;
  label1: string;
  label2: string;
  closeCaption: string;
  buttons: Array<{ command: string; caption: string; shown: boolean }>;
  headings: string[];
  rows: string[][];
  count: number;
  current: number;
  preview: string;
}

export interface EditState {
  open: boolean;
  title: string;
  svg: string;
  menu: Array<{ item: string; caption: string; menu: string }>;
  analyze: boolean;
  analysed: boolean;
  undo: string;
  redo: string;
  canUndo: boolean;
  canRedo: boolean;
  unsaved: boolean;
  list: ListWindow | null;
  entry: EntryForm | null;
  question: { title: string; text: string } | null;
  messages: Message[];
  refusal?: string;
  // The caption of Load Cases… when the project offers it, else "".
  loadCases: string;
  // The open load list's case box: which case's loads it shows (0-based), or null.
  loadCase: { label: string; choices: string[]; current: number } | null;
}

// The Load Cases window (src/web/PageLoadCases.h) and the answer to one of its buttons.
export interface LoadCasesWindow {
  caption: string;
  nameLabel: string;
  headings: string[];
  rows: string[][];
  newName: string;
  buttons: Array<{ name: string; caption: string }>;
}

export interface LoadCasesAnswer {
  window: LoadCasesWindow;
  row: number;
  question: { title: string; text: string } | null;
  refusal: { title: string; text: string } | null;
  state: EditState;
}

export interface UnitsForm {
  caption: string;
  namedCaption: string;
  note: string;
  named: boolean;
  units: Array<{ label: string; options: string[]; selected: number }>;
}

export interface EntryAnswer {
  entry: EntryForm | null;
  messages: Message[];
}

export interface ProjectText {
  name?: string;
  text?: string;
  messages: Message[];
}

// The engine's editing object, as its bindings offer it.
export interface PageEditingBinding {
  newProject(title: string, type: string): string;
  state(): string;
  openList(item: string): string;
  showCase(c: number): string;
  closeList(): void;
  listCommand(command: string, first: number, last: number, confirmed: boolean): string;
  typeField(field: number, text: string): string;
  clickCheck(check: number, checked: boolean): string;
  clickSpring(check: number, spring: boolean): string;
  typeStiffness(check: number, text: string): string;
  choose(option: number): string;
  entryCommand(command: string): string;
  undo(): string;
  redo(): string;
  unitsForm(): string;
  changeUnits(named: boolean, force: number, length: number, temperature: number, answer: string): string;
  projectText(save: boolean): string;
  openCopy(text: string): string;
  snapshot(): string;
  restore(snapshot: string): boolean;
}

export function isEditRequest(request: { op: string }): request is EditRequest {
  return request.op.startsWith('edit.');
}

// The worker's answer to an editing request, as JSON text.
export function answerEditing(editing: PageEditingBinding, titleForm: () => string, request: EditRequest): string {
  switch (request.op) {
    case 'edit.titleForm':
      return titleForm();
    case 'edit.new':
      return editing.newProject(request.title, request.type);
    case 'edit.state':
      return editing.state();
    case 'edit.openList':
      return editing.openList(request.item);
    case 'edit.showCase':
      return editing.showCase(request.c);
    case 'edit.closeList':
      editing.closeList();
      return editing.state();
    case 'edit.list':
      return editing.listCommand(request.command, request.first, request.last, request.confirmed);
    case 'edit.type':
      return editing.typeField(request.field, request.text);
    case 'edit.check':
      return editing.clickCheck(request.check, request.checked);
    case 'edit.spring':
      return editing.clickSpring(request.check, request.spring);
    case 'edit.stiffness':
      return editing.typeStiffness(request.check, request.text);
    case 'edit.choose':
      return editing.choose(request.option);
    case 'edit.entry':
      return editing.entryCommand(request.command);
    case 'edit.undo':
      return editing.undo();
    case 'edit.redo':
      return editing.redo();
    case 'edit.unitsForm':
      return editing.unitsForm();
    case 'edit.units': {
      const [force, length, temperature] = request.units;
      return editing.changeUnits(request.named, force, length, temperature, request.answer);
    }
    case 'edit.text':
      return editing.projectText(request.save);
    case 'edit.openCopy':
      return editing.openCopy(request.text);
    case 'edit.snapshot':
      return JSON.stringify(editing.snapshot());
    case 'edit.restore':
      return JSON.stringify(editing.restore(request.snapshot));
  }
}
