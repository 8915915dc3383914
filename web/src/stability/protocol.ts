// What the page asks the engine worker about the Stability menu, and what the engine answers:
// the JSON of the engine's PageStability (src/web/PageStability.h), passed through as it is.
import type { Message, ResultTable } from '../protocol';

export type StabilityRequest =
  | { op: 'stability.menu' }
  | { op: 'stability.optionsForm' }
  | { op: 'stability.chooseOptions'; texts: string[] }
  | { op: 'stability.criticalLoad' }
  | { op: 'stability.mode'; mode: number }
  | { op: 'stability.secondOrder' }
  | { op: 'stability.secondOrderPictures'; choice: number };

export interface StabilityMenu {
  offered: boolean;
  menu: string;
  criticalLoad: string;
  secondOrder: string;
  options: string;
}

export interface OptionsForm {
  title: string;
  note: string;
  fields: Array<{ label: string; text: string; low: number; high: number }>;
}

export interface OptionsChosen {
  messages: Message[];
  field: number;
}

// A found critical load; with no mode found only `messages` is there.
export interface CriticalLoad {
  messages: Message[];
  title?: string;
  pieces?: string;
  note?: string;
  modes?: string[];
  table?: ResultTable;
  svg?: string;
}

export interface SecondOrderPictures {
  first: string;
  second: string;
}

// A settled second-order run; one that did not settle has only `messages`.
export interface SecondOrder extends Partial<SecondOrderPictures> {
  messages: Message[];
  title?: string;
  how?: string;
  drawings?: string[];
  tables?: Array<{ name: string; table: ResultTable }>;
}

export interface PageStabilityBinding {
  menu(): string;
  optionsForm(): string;
  chooseOptions(texts: EngineList): string;
  criticalLoad(): string;
  bucklingModePicture(mode: number): string;
  secondOrder(): string;
  secondOrderPictures(choice: number): string;
}

// The engine's list of texts, freed once used.
export interface EngineList {
  delete(): void;
}

export function isStabilityRequest(request: { op: string }): request is StabilityRequest {
  return request.op.startsWith('stability.');
}

// The engine's answer to `request`; `list` makes the engine's list of texts from an array.
export function answerStability(
  stability: PageStabilityBinding,
  list: (texts: string[]) => EngineList,
  request: StabilityRequest,
): string {
  switch (request.op) {
    case 'stability.menu':
      return stability.menu();
    case 'stability.optionsForm':
      return stability.optionsForm();
    case 'stability.chooseOptions': {
      const texts = list(request.texts);
      try {
        return stability.chooseOptions(texts);
      } finally {
        texts.delete();
      }
    }
    case 'stability.criticalLoad':
      return stability.criticalLoad() || 'null';
    case 'stability.mode':
      return JSON.stringify(stability.bucklingModePicture(request.mode));
    case 'stability.secondOrder':
      return stability.secondOrder() || 'null';
    case 'stability.secondOrderPictures':
      return stability.secondOrderPictures(request.choice) || 'null';
  }
}
