// What follows the pointer over the drawing, drawn as the engine describes it in the picture's
// own units: the point the pointer snapped to, the member being drawn and the joint or member
// under the pointer. It lies over the picture in one group, which each answer draws anew.
import type { Overlay } from './protocol';

const svgNs = 'http://www.w3.org/2000/svg';

function shape(name: string, className: string, attributes: Record<string, number>): SVGElement {
  const element = document.createElementNS(svgNs, name);
  element.setAttribute('class', className);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  element.setAttribute('vector-effect', 'non-scaling-stroke');
  return element;
}

// Draws `overlay` on `svg`, shown `zoom` screen pixels to its unit, so that the marks keep their
// size on the screen at any zoom.
export function drawOverlay(svg: SVGSVGElement, overlay: Overlay, zoom: number): void {
  let group = svg.querySelector<SVGGElement>('#draw-overlay');
  if (!group) {
    group = document.createElementNS(svgNs, 'g');
    group.id = 'draw-overlay';
    group.setAttribute('pointer-events', 'none');
    group.setAttribute('aria-hidden', 'true');
    svg.append(group);
  }
  const pixels = (n: number) => n / zoom;
  const parts: SVGElement[] = [];
  const { hover, band, snap } = overlay;
  if (hover)
    parts.push(
      hover.kind === 'joint'
        ? shape('circle', 'draw-hover', { cx: hover.x1, cy: hover.y1, r: pixels(9) })
        : shape('line', 'draw-hover', { x1: hover.x1, y1: hover.y1, x2: hover.x2, y2: hover.y2 }),
    );
  if (band) parts.push(shape('line', 'draw-band', { x1: band.x1, y1: band.y1, x2: band.x2, y2: band.y2 }));
  if (snap && snap.kind !== 'free') parts.push(shape('circle', `draw-snap ${snap.kind}`, { cx: snap.x, cy: snap.y, r: pixels(5) }));
  group.replaceChildren(...parts);
}
