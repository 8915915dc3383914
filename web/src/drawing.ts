// The drawing pane: shows the engine's SVG picture, zooms about the pointer with the wheel, pans
// by dragging, fits on request, and asks for the text of the joint or member under the pointer
// (the picture's groups carry data-joint and data-member); a click on a member chooses it.

import { type Box, dragged, isClick, viewAfterKey, wheelFactor, wholePicture, zoomedAbout } from './view-box';

export type PickAsker = (kind: 'joint' | 'member', number: number) => Promise<string>;

export class DrawingPane {
  private svg: SVGSVGElement | null = null;
  private whole: Box = { x: 0, y: 0, w: 1, h: 1 };
  private view: Box = { x: 0, y: 0, w: 1, h: 1 };
  private drag: { x: number; y: number; view: Box } | null = null;
  private hovered = '';

  constructor(
    private readonly host: HTMLElement,
    private readonly tip: HTMLElement,
    private readonly ask: PickAsker,
    private readonly choose: (member: number) => void,
  ) {
    host.addEventListener('wheel', (e) => this.zoom(e), { passive: false });
    host.addEventListener('pointerdown', (e) => this.startDrag(e));
    host.addEventListener('pointermove', (e) => this.move(e));
    host.addEventListener('pointerup', (e) => this.endDrag(e));
    host.addEventListener('pointerleave', () => this.hideTip());
    host.addEventListener('keydown', (e) => this.key(e));
  }

  // Shows a new picture; the view is kept when `keepView` and the picture is the same size.
  show(svgText: string, keepView: boolean): void {
    const doc = new DOMParser().parseFromString(svgText, 'image/svg+xml');
    const svg = doc.documentElement;
    if (!(svg instanceof SVGSVGElement) || doc.getElementsByTagName('parsererror').length) return;
    const box = svg.viewBox.baseVal;
    const whole = wholePicture(box.x, box.y, box.width, box.height);
    const same = keepView && this.svg && whole.w === this.whole.w && whole.h === this.whole.h;
    svg.removeAttribute('width');
    svg.removeAttribute('height');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', svg.querySelector('title')?.textContent ?? 'Structure');
    // Taken over from the parsed document rather than copied: the picture may hold thousands of
    // elements.
    this.host.replaceChildren(document.adoptNode(svg));
    this.svg = svg;
    this.whole = whole;
    if (!same) this.view = { ...whole };
    this.apply();
  }

  clear(): void {
    this.host.replaceChildren();
    this.svg = null;
    this.hideTip();
  }

  fit(): void {
    this.view = { ...this.whole };
    this.apply();
  }

  // Zooms by `factor` (above 1: nearer) about the point (px, py) of the picture.
  zoomAbout(factor: number, px: number, py: number): void {
    this.view = zoomedAbout(this.view, this.whole, factor, px, py);
    this.apply();
  }

  private apply(): void {
    const v = this.view;
    this.svg?.setAttribute('viewBox', `${v.x} ${v.y} ${v.w} ${v.h}`);
  }

  // The picture's point under the client point (cx, cy).
  private pictureAt(cx: number, cy: number): { x: number; y: number } {
    const ctm = this.svg?.getScreenCTM();
    if (!this.svg || !ctm) return { x: this.view.x, y: this.view.y };
    const p = new DOMPoint(cx, cy).matrixTransform(ctm.inverse());
    return { x: p.x, y: p.y };
  }

  private zoom(e: WheelEvent): void {
    if (!this.svg) return;
    e.preventDefault();
    const p = this.pictureAt(e.clientX, e.clientY);
    this.zoomAbout(wheelFactor(e.deltaY), p.x, p.y);
  }

  private startDrag(e: PointerEvent): void {
    if (!this.svg || e.button !== 0) return;
    this.drag = { x: e.clientX, y: e.clientY, view: { ...this.view } };
    this.host.setPointerCapture(e.pointerId);
  }

  // A press and release without moving is a click: on a member it opens the member's window.
  private endDrag(e: PointerEvent): void {
    const drag = this.drag;
    this.drag = null;
    if (!drag || !isClick(e.clientX - drag.x, e.clientY - drag.y)) return;
    const under = document.elementFromPoint(e.clientX, e.clientY)?.closest('[data-member]');
    if (under && !under.hasAttribute('data-joint')) this.choose(Number(under.getAttribute('data-member')));
  }

  private move(e: PointerEvent): void {
    if (this.drag && this.svg) {
      const ctm = this.svg.getScreenCTM();
      const scale = ctm ? ctm.a : 1;
      this.view = dragged(this.drag.view, e.clientX - this.drag.x, e.clientY - this.drag.y, scale);
      this.apply();
      return;
    }
    const group = (e.target as Element | null)?.closest?.('[data-joint], [data-member]');
    if (!group) return this.hideTip();
    const joint = group.getAttribute('data-joint');
    const kind = joint ? 'joint' : 'member';
    const number = Number(joint ?? group.getAttribute('data-member'));
    this.showTip(kind, number, e.clientX, e.clientY);
  }

  private key(e: KeyboardEvent): void {
    const view = this.svg && viewAfterKey(e.key, this.view, this.whole);
    if (!view) return;
    e.preventDefault();
    this.view = view;
    this.apply();
  }

  private async showTip(kind: 'joint' | 'member', number: number, cx: number, cy: number) {
    const key = `${kind} ${number}`;
    const place = () => {
      const host = this.host.getBoundingClientRect();
      const left = Math.min(cx - host.left + 12, host.width - this.tip.offsetWidth - 4);
      this.tip.style.left = `${Math.max(left, 4)}px`;
      this.tip.style.top = `${cy - host.top + 12}px`;
    };
    if (key === this.hovered) return place();
    this.hovered = key;
    const text = await this.ask(kind, number);
    if (this.hovered !== key) return;
    this.tip.textContent = text;
    this.tip.hidden = text === '';
    place();
  }

  hideTip(): void {
    this.hovered = '';
    this.tip.hidden = true;
  }
}
