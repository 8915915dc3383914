// What the page asks the engine worker about drawing with the mouse, and what the engine
// answers: the JSON of the engine's PageDrawing (src/web/PageDrawing.h), passed through as it is.
import type { Message } from '../protocol';

export type DrawRequest =
  | { op: 'draw.active'; active: boolean }
  | { op: 'draw.choose'; control: string; value: number }
  | { op: 'draw.pointer'; phase: 'press' | 'move' | 'release'; x: number; y: number; zoom: number }
  | { op: 'draw.key'; key: 'delete' | 'callOff'; confirmed: boolean }
  | { op: 'draw.picture' };

export interface Control {
  caption: string;
  name: string;
  spoken: string;
  key: string;
  tip: string;
}

export interface Tool {
  tool: number;
  caption: string;
  name: string;
  key: string;
  tip: string;
  enabled: boolean;
  chosen: boolean;
}

export interface Palette {
  mode: Control;
  status: Control;
  delete: Control;
  callOff: Control;
  tools: Tool[];
  supports: Control & { enabled: boolean; options: string[]; selected: number };
  loads: Control & { enabled: boolean; options: string[]; selected: number };
  material: Control & { value: number; most: number };
  section: Control & { value: number; most: number };
  grid: Control & { value: number; unit: string };
  live: Control & { on: boolean };
  drawable: boolean;
  hint: string;
}

export interface Overlay {
  snap: { x: number; y: number; kind: 'joint' | 'grid' | 'free' } | null;
  band: { x1: number; y1: number; x2: number; y2: number } | null;
  hover: { kind: 'joint' | 'member'; number: number; x1: number; y1: number; x2: number; y2: number } | null;
}

export interface DrawAnswer {
  svg?: string;
  palette?: Palette;
  overlay?: Overlay;
  status?: string;
  changed?: boolean;
  question?: { title: string; text: string } | null;
  messages?: Message[];
}

// The engine's drawing object, as its bindings offer it.
export interface PageDrawingBinding {
  setActive(active: boolean): string;
  choose(control: string, value: number): string;
  pointer(phase: string, x: number, y: number, zoom: number): string;
  key(key: string, confirmed: boolean): string;
  picture(): string;
}

export function isDrawRequest(request: { op: string }): request is DrawRequest {
  return request.op.startsWith('draw.');
}

// The worker's answer to a drawing request, as JSON text ("null" when drawing is off).
export function answerDrawing(drawing: PageDrawingBinding, request: DrawRequest): string {
  const answer = (() => {
    switch (request.op) {
      case 'draw.active':
        return drawing.setActive(request.active);
      case 'draw.choose':
        return drawing.choose(request.control, request.value);
      case 'draw.pointer':
        return drawing.pointer(request.phase, request.x, request.y, request.zoom);
      case 'draw.key':
        return drawing.key(request.key, request.confirmed);
      case 'draw.picture':
        return drawing.picture();
    }
  })();
  return answer || 'null';
}
