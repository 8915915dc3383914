// Drawing the structure with the mouse: the mode's switch beside the drawing's zoom buttons, its
// palette, and while it is on the pointer over the drawing and the mode's keys, handed to the
// engine, whose answers (the picture, what follows the pointer, the status line) are shown here.
// Every caption, key, tip, limit and rule is the engine's; this only shows and forwards them.
import { button } from '../elements';
import type { Message } from '../protocol';
import { confirmBox } from '../editing/modal';
import type { Control, DrawAnswer, DrawRequest, Overlay, Palette } from './protocol';
import { drawOverlay } from './overlay';

export interface DrawHost {
  ask<T>(request: DrawRequest): Promise<T>;
  // Shows the mode's picture in the drawing pane, keeping its zoom.
  showPicture(svg: string): void;
  showMessages(messages: Message[]): void;
  // The project changed (or a load's entry form opened): the editing shows its state anew.
  projectChanged(): Promise<void>;
}

type Phase = 'press' | 'move' | 'release';
type PointerRequest = Extract<DrawRequest, { op: 'draw.pointer' }>;

// Whether the key event is the key a table names ("Ctrl+Shift+D", "M", "Escape").
function isKey(e: KeyboardEvent, key: string): boolean {
  if (!key) return false;
  const parts = key.split('+');
  const main = parts.pop() ?? '';
  const ctrl = parts.includes('Ctrl');
  return (
    e.key.toUpperCase() === main.toUpperCase() &&
    (e.ctrlKey || e.metaKey) === ctrl &&
    (main.length > 1 || e.shiftKey === parts.includes('Shift')) &&
    !e.altKey
  );
}

const shortcut = (key: string) => key.replace('Ctrl', 'Control');

function labelled(control: Control, input: HTMLElement): HTMLLabelElement {
  input.id = control.name;
  input.setAttribute('aria-label', control.spoken);
  if (control.tip) input.title = control.tip;
  return Object.assign(document.createElement('label'), { htmlFor: control.name, textContent: control.caption });
}

export class DrawMode {
  private active = false;
  private palette: Palette | null = null;
  private overlay: Overlay | null = null;
  private busy = 0;
  private waitingMove: PointerRequest | null = null;
  private readonly toggle = button('Draw', () => void this.setActive(!this.active));
  private readonly bar = document.createElement('div');
  private readonly status = document.createElement('p');

  constructor(
    private readonly host: HTMLElement,
    toolbar: HTMLElement,
    private readonly page: DrawHost,
  ) {
    this.toggle.id = 'draw-toggle';
    this.toggle.setAttribute('aria-pressed', 'false');
    toolbar.append(this.toggle);
    this.bar.id = 'draw-palette';
    this.bar.setAttribute('role', 'toolbar');
    this.bar.hidden = true;
    toolbar.after(this.bar);
    this.status.id = 'draw-status';
    for (const type of ['pointerdown', 'pointermove', 'pointerup'])
      host.addEventListener(type, (e) => this.pointer(e as PointerEvent), { capture: true });
    document.addEventListener('keydown', (e) => this.key(e));
  }

  // The mode's switch and palette named from the engine's table once it has answered.
  async start(): Promise<void> {
    this.show(await this.page.ask<DrawAnswer>({ op: 'draw.active', active: false }));
  }

  // The project changed elsewhere (opened, edited, undone): while drawing, the mode's picture
  // follows it and true is returned; otherwise the page shows its own picture.
  follow(): boolean {
    if (!this.active) return false;
    void this.request({ op: 'draw.picture' });
    return true;
  }

  private async setActive(active: boolean): Promise<void> {
    this.active = active;
    this.toggle.setAttribute('aria-pressed', String(active));
    this.bar.hidden = !active;
    document.body.classList.toggle('drawing-mode', active);
    await this.request({ op: 'draw.active', active });
    if (!active) await this.page.projectChanged();
  }

  private async request(request: DrawRequest): Promise<void> {
    try {
      this.show(await this.page.ask<DrawAnswer | null>(request));
    } catch (error) {
      this.page.showMessages([{ title: 'STAVELORN', text: String(error), style: 'stop' }]);
    }
  }

  private show(answer: DrawAnswer | null): void {
    if (!answer) return;
    if (answer.palette) this.showPalette(answer.palette);
    if (!this.active) return;
    if (answer.svg) {
      this.page.showPicture(answer.svg);
      this.picture()?.setAttribute('data-drawing-mode', '');
    }
    if (answer.overlay) this.overlay = answer.overlay;
    this.drawOverlay();
    this.status.textContent = answer.status ?? '';
    if (answer.messages?.length) this.page.showMessages(answer.messages);
    if (answer.question) void this.ask(answer.question);
    if (answer.changed) void this.page.projectChanged();
  }

  private async ask(question: { title: string; text: string }): Promise<void> {
    if (await confirmBox(question.title, question.text)) await this.request({ op: 'draw.key', key: 'delete', confirmed: true });
  }

  private picture(): SVGSVGElement | null {
    return this.host.querySelector('svg');
  }

  private drawOverlay(): void {
    const svg = this.picture();
    if (svg && this.overlay) drawOverlay(svg, this.overlay, svg.getScreenCTM()?.a ?? 1);
  }

  private showPalette(p: Palette): void {
    this.palette = p;
    this.toggle.textContent = p.mode.caption;
    this.toggle.title = `${p.mode.tip} (${p.mode.key})`;
    this.toggle.setAttribute('aria-keyshortcuts', shortcut(p.mode.key));
    this.bar.setAttribute('aria-label', p.mode.spoken);
    const choose = (control: string, value: number) => void this.request({ op: 'draw.choose', control, value });
    const tools = p.tools.map((t) => {
      const tool = button(t.caption, () => choose('tool', t.tool));
      tool.id = t.name;
      tool.title = `${t.tip} (${t.key})`;
      tool.disabled = !t.enabled;
      tool.setAttribute('aria-pressed', String(t.chosen));
      tool.setAttribute('aria-keyshortcuts', t.key);
      return tool;
    });
    const select = (control: Palette['supports'], name: string) => {
      const box = document.createElement('select');
      labelled(control, box);
      box.append(...control.options.map((o) => new Option(o)));
      box.selectedIndex = control.selected;
      box.disabled = !control.enabled;
      box.addEventListener('change', () => choose(name, box.selectedIndex));
      return box;
    };
    const number = (control: Control & { value: number; most?: number }, name: string, unit = '') => {
      const input = Object.assign(document.createElement('input'), { type: 'number', value: String(control.value) });
      const label = labelled(control, input);
      input.min = name === 'grid' ? '0' : '1';
      if (control.most) input.max = String(control.most);
      input.step = name === 'grid' ? 'any' : '1';
      input.addEventListener('change', () => choose(name, Number(input.value)));
      const group = document.createElement('span');
      group.append(label, input, unit ? ` ${unit}` : '');
      return group;
    };
    const live = Object.assign(document.createElement('input'), { type: 'checkbox', checked: p.live.on });
    const liveLabel = labelled(p.live, live);
    liveLabel.prepend(live);
    live.addEventListener('change', () => choose('live', live.checked ? 1 : 0));
    const remove = button(p.delete.caption, () => void this.request({ op: 'draw.key', key: 'delete', confirmed: false }));
    remove.id = p.delete.name;
    remove.setAttribute('aria-keyshortcuts', p.delete.key);
    this.status.setAttribute('aria-label', p.status.spoken);
    const hint = Object.assign(document.createElement('p'), { id: 'draw-hint', textContent: p.hint });
    // The control that had the focus keeps it in the palette built anew.
    const focused = this.bar.contains(document.activeElement) ? document.activeElement?.id : '';
    this.bar.replaceChildren(
      ...tools.slice(0, 4),
      select(p.supports, 'support'),
      ...tools.slice(4),
      select(p.loads, 'load'),
      number(p.material, 'material'),
      number(p.section, 'section'),
      number(p.grid, 'grid', p.grid.unit),
      liveLabel,
      remove,
      this.status,
      hint,
    );
    if (focused) document.getElementById(focused)?.focus();
  }

  private pointer(e: PointerEvent): void {
    if (!this.active) return;
    e.stopImmediatePropagation();
    const phase: Phase = e.type === 'pointerdown' ? 'press' : e.type === 'pointerup' ? 'release' : 'move';
    if (phase !== 'move' && e.button !== 0) return;
    const svg = this.picture();
    const ctm = svg?.getScreenCTM();
    if (!svg || !ctm) return;
    // A picture the page showed in the meantime (an analysis) gives way to the mode's first.
    if (!svg.hasAttribute('data-drawing-mode')) {
      if (phase === 'press') void this.request({ op: 'draw.picture' });
      return;
    }
    if (phase === 'press') this.host.setPointerCapture(e.pointerId);
    e.preventDefault();
    const at = new DOMPoint(e.clientX, e.clientY).matrixTransform(ctm.inverse());
    this.send({ op: 'draw.pointer', phase, x: at.x, y: at.y, zoom: ctm.a });
  }

  // Moves are sent one at a time, the latest waiting while one is answered; a press or a
  // release goes after the move waiting, so that the engine sees the pointer where it was.
  private send(request: PointerRequest): void {
    if (request.phase === 'move' && this.busy > 0) {
      this.waitingMove = request;
      return;
    }
    if (request.phase !== 'move' && this.waitingMove) {
      const move = this.waitingMove;
      this.waitingMove = null;
      this.post(move);
    }
    this.post(request);
  }

  private post(request: PointerRequest): void {
    this.host.setAttribute('aria-busy', String(++this.busy > 0));
    void this.request(request).finally(() => {
      this.host.setAttribute('aria-busy', String(--this.busy > 0));
      const move = this.waitingMove;
      if (move && this.busy === 0) {
        this.waitingMove = null;
        this.send(move);
      }
    });
  }

  private key(e: KeyboardEvent): void {
    const p = this.palette;
    const target = e.target as HTMLElement;
    if (!p || document.querySelector('dialog[open]') || target.matches('input, textarea, select')) return;
    if (isKey(e, p.mode.key)) {
      e.preventDefault();
      void this.setActive(!this.active);
      return;
    }
    if (!this.active) return;
    const tool = p.tools.find((t) => t.enabled && isKey(e, t.key));
    const request: DrawRequest | null = tool
      ? { op: 'draw.choose', control: 'tool', value: tool.tool }
      : isKey(e, p.delete.key)
        ? { op: 'draw.key', key: 'delete', confirmed: false }
        : isKey(e, p.callOff.key)
          ? { op: 'draw.key', key: 'callOff', confirmed: false }
          : null;
    if (!request) return;
    e.preventDefault();
    void this.request(request);
  }
}
