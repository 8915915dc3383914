// What the page asks the engine worker about Check My Work, the influence lines and the
// precision, and what the engine answers: the JSON of PageCheckWork, PageInfluence and
// PagePrecision (src/web), passed through as it is.
import type { ResultTable } from '../protocol';

export type ToolRequest =
  | { op: 'tools.checkCommand' }
  | { op: 'tools.checkOpen' }
  | { op: 'tools.checkChoose'; quantity: number; member: number }
  | { op: 'tools.checkType'; row: number; col: number; text: string }
  | { op: 'tools.checkPaste'; row: number; col: number; text: string; typed: string }
  | { op: 'tools.check' }
  | { op: 'tools.checkAnswer' }
  | { op: 'tools.checkClose' }
  | { op: 'tools.influenceCommand' }
  | { op: 'tools.influenceOpen' }
  | { op: 'tools.influenceKind'; kind: number }
  | { op: 'tools.influenceControls'; item: number; component: number; section: string }
  | { op: 'tools.influencePickPath'; on: boolean }
  | { op: 'tools.influenceDefaultPath' }
  | { op: 'tools.influenceJoint'; joint: number }
  | { op: 'tools.influenceMember'; member: number; fraction: number }
  | { op: 'tools.precisionRestore'; setting: string }
  | { op: 'tools.precisionChoose'; setting: string }
  | { op: 'tools.precisionOffer' }
  | { op: 'tools.precisionAnswer'; yes: boolean };

// A caption as spoken, and the access key the desktop marks in it ('' for none).
export interface Caption {
  caption: string;
  key: string;
}

export interface CheckCommand {
  command: Caption;
  offered: boolean;
}

export interface CheckCell {
  text: string;
  mark: 'empty' | 'entered' | 'right' | 'wrong' | 'notNumber';
  verdict: string;
  answer: string;
}

export interface CheckWorkState {
  title: string;
  labels: Record<'quantity' | 'member' | 'entries' | 'answer' | 'check' | 'showAnswer', Caption>;
  note: string;
  quantities: string[];
  quantity: number;
  members: number;
  member: number;
  grid: string;
  rows: string[];
  columns: string[];
  cells: CheckCell[][];
  checked: boolean;
  summary: string;
  findings: string[];
  answerShown: boolean;
}

export interface InfluenceState {
  title: string;
  labels: Record<'quantity' | 'section' | 'path' | 'pickPath' | 'defaultPath', Caption>;
  kinds: string[];
  kind: number;
  itemLabel: string;
  items: number;
  item: number;
  components: string[];
  component: number;
  sectionShown: boolean;
  section: string;
  path: string;
  pickingPath: boolean;
  problem: string;
  principle: string;
  svg: string;
  table: ResultTable | null;
}

export interface PrecisionForm {
  command: Caption;
  title: string;
  options: Array<{ setting: string; label: Caption; explanation: string }>;
  chosen: string;
  double: boolean;
}

interface CheckWorkBinding {
  command(): string;
  open(): string;
  choose(quantity: number, member: number): string;
  type(row: number, col: number, text: string): string;
  paste(row: number, col: number, text: string, typed: string): string;
  check(): string;
  showAnswer(): string;
  close(): void;
}

interface InfluenceBinding {
  open(): string;
  chooseKind(kind: number): string;
  chooseControls(item: number, component: number, section: string): string;
  pickPath(on: boolean): string;
  defaultPath(): string;
  clickJoint(joint: number): string;
  clickMember(member: number, fraction: number): string;
}

interface PrecisionBinding {
  form(): string;
  restore(setting: string): string;
  choose(setting: string): string;
  offer(): string;
  answerOffer(yes: boolean): string;
}

// The engine's classes, each made on the worker's one page session.
export interface ToolClasses<Session> {
  PageCheckWork: new (session: Session) => CheckWorkBinding;
  PageInfluence: { new (session: Session): InfluenceBinding; command(): string };
  PagePrecision: new (session: Session) => PrecisionBinding;
}

export interface Tools {
  influenceCommand: () => string;
  check: CheckWorkBinding;
  influence: InfluenceBinding;
  precision: PrecisionBinding;
}

export function makeTools<Session>(engine: ToolClasses<Session>, session: Session): Tools {
  return {
    influenceCommand: () => engine.PageInfluence.command(),
    check: new engine.PageCheckWork(session),
    influence: new engine.PageInfluence(session),
    precision: new engine.PagePrecision(session),
  };
}

export function isToolRequest(request: { op: string }): request is ToolRequest {
  return request.op.startsWith('tools.');
}

// The worker's answer to a tool's request, as JSON text; null while its window has nothing open.
export function answerTool(tools: Tools, request: ToolRequest): string {
  const { check, influence, precision } = tools;
  const answer = (json: string) => json || 'null';
  switch (request.op) {
    case 'tools.checkCommand':
      return check.command();
    case 'tools.checkOpen':
      return answer(check.open());
    case 'tools.checkChoose':
      return answer(check.choose(request.quantity, request.member));
    case 'tools.checkType':
      return answer(check.type(request.row, request.col, request.text));
    case 'tools.checkPaste':
      return answer(check.paste(request.row, request.col, request.text, request.typed));
    case 'tools.check':
      return answer(check.check());
    case 'tools.checkAnswer':
      return answer(check.showAnswer());
    case 'tools.checkClose':
      check.close();
      return 'null';
    case 'tools.influenceCommand':
      return tools.influenceCommand();
    case 'tools.influenceOpen':
      return answer(influence.open());
    case 'tools.influenceKind':
      return answer(influence.chooseKind(request.kind));
    case 'tools.influenceControls':
      return answer(influence.chooseControls(request.item, request.component, request.section));
    case 'tools.influencePickPath':
      return answer(influence.pickPath(request.on));
    case 'tools.influenceDefaultPath':
      return answer(influence.defaultPath());
    case 'tools.influenceJoint':
      return answer(influence.clickJoint(request.joint));
    case 'tools.influenceMember':
      return answer(influence.clickMember(request.member, request.fraction));
    case 'tools.precisionRestore':
      return precision.restore(request.setting);
    case 'tools.precisionChoose':
      return precision.choose(request.setting);
    case 'tools.precisionOffer':
      return precision.offer();
    case 'tools.precisionAnswer':
      return precision.answerOffer(request.yes);
  }
}
