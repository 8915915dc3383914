// The drawing pane's view: the part of the picture shown, as an SVG viewBox, and how the wheel,
// a drag and the keys move it. Pure arithmetic on boxes, apart from the pane's events.

export interface Box {
  x: number;
  y: number;
  w: number;
  h: number;
}

// A press and release no farther apart than this (in screen pixels) is a click, not a drag.
const kClickSlack = 4;

// The whole picture from its viewBox; a picture with no size is given a unit one.
export function wholePicture(x: number, y: number, width: number, height: number): Box {
  return { x, y, w: width || 1, h: height || 1 };
}

// `view` zoomed by `factor` (above 1: nearer) about the picture's point (px, py), which stays
// where it is; never nearer than a fiftieth of the whole picture nor farther than ten times it.
export function zoomedAbout(view: Box, whole: Box, factor: number, px: number, py: number): Box {
  const w = Math.min(Math.max(view.w / factor, whole.w / 50), whole.w * 10);
  const scale = w / view.w;
  return { x: px - (px - view.x) * scale, y: py - (py - view.y) * scale, w, h: view.h * scale };
}

// The zoom factor of one turn of the wheel by `deltaY`: down is farther, up nearer.
export function wheelFactor(deltaY: number): number {
  return Math.exp(-deltaY / 500);
}

// The view a drag that started at `start` has reached after the pointer moved (dx, dy) screen
// pixels, at `scale` screen pixels to the picture's unit: the picture follows the pointer.
export function dragged(start: Box, dx: number, dy: number, scale: number): Box {
  return { ...start, x: start.x - dx / scale, y: start.y - dy / scale };
}

export function isClick(dx: number, dy: number): boolean {
  return Math.hypot(dx, dy) <= kClickSlack;
}

// The view after the key `key`: + or = nearer, - farther, 0 the whole picture, the arrows a
// tenth of the view's width; null for any other key.
export function viewAfterKey(key: string, view: Box, whole: Box): Box | null {
  const cx = view.x + view.w / 2;
  const cy = view.y + view.h / 2;
  const step = view.w / 10;
  const pan = (dx: number, dy: number) => ({ ...view, x: view.x + dx, y: view.y + dy });
  switch (key) {
    case '+':
    case '=':
      return zoomedAbout(view, whole, 1.25, cx, cy);
    case '-':
      return zoomedAbout(view, whole, 0.8, cx, cy);
    case '0':
      return { ...whole };
    case 'ArrowLeft':
      return pan(-step, 0);
    case 'ArrowRight':
      return pan(step, 0);
    case 'ArrowUp':
      return pan(0, -step);
    case 'ArrowDown':
      return pan(0, step);
    default:
      return null;
  }
}
