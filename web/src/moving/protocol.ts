// What the page asks the engine worker about a moving load, and what the engine answers: the JSON
// of the engine's PageMovingLoad (src/web/PageMovingLoad.h), passed through as it is.
import type { ResultTable } from '../protocol';
import type { EngineList } from '../stability/protocol';

// The train as the panel holds it: the table's cells row by row, the lane load, the direction.
export interface TrainEntry {
  cells: string[];
  lane: string;
  direction: number;
}

export type MovingRequest =
  | { op: 'moving.form'; member: number }
  | { op: 'moving.preset'; index: number }
  | ({ op: 'moving.place'; member: number; quantity: string; x: string } & TrainEntry)
  | ({ op: 'moving.envelope'; member: number; quantity: string } & TrainEntry);

export interface MovingForm {
  title: string;
  member: number;
  train: string;
  trains: string[];
  columns: [string, string];
  rows: number;
  lane: string;
  direction: string;
  directions: string[];
  quantity: string;
  quantities: Array<{ name: string; caption: string }>;
  section: string;
  x: string;
  envelope: string;
}

export interface TrainPreset {
  rows: Array<[string, string]>;
  lane: string;
}

export interface TrainPlaced {
  problem: string;
  name?: string;
  lines?: string[];
  svg?: string;
}

export interface MovingEnvelope {
  problem: string;
  title?: string;
  table?: ResultTable;
  svg?: string;
}

export interface PageMovingLoadBinding {
  form(member: number): string;
  preset(index: number): string;
  place(member: number, quantity: string, x: string, cells: EngineList, lane: string, direction: number): string;
  envelope(member: number, quantity: string, cells: EngineList, lane: string, direction: number): string;
}

export function isMovingRequest(request: { op: string }): request is MovingRequest {
  return request.op.startsWith('moving.');
}

// The engine's answer to `request`; `list` makes the engine's list of texts from an array.
export function answerMoving(
  moving: PageMovingLoadBinding,
  list: (texts: string[]) => EngineList,
  request: MovingRequest,
): string {
  if (request.op === 'moving.form') return moving.form(request.member) || 'null';
  if (request.op === 'moving.preset') return moving.preset(request.index) || 'null';
  const cells = list(request.cells);
  try {
    const answer =
      request.op === 'moving.place'
        ? moving.place(request.member, request.quantity, request.x, cells, request.lane, request.direction)
        : moving.envelope(request.member, request.quantity, cells, request.lane, request.direction);
    return answer || 'null';
  } finally {
    cells.delete();
  }
}
