// The drawing's view and a list's selection, in Node: zooming keeps the point under the pointer
// where it was and stays within its limits, a drag moves the picture with the pointer, the keys
// move the view as the help page tells; clicks, Shift and the arrows select rows within the list.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './bundle.mjs';

const view = await load('view-box.ts');
const rows = await load('editing/list-selection.ts');
const near = (a, b, what) => assert.ok(Math.abs(a - b) < 1e-9 * Math.max(1, Math.abs(b)), `${what}: ${a} is not ${b}`);

test('a zoom keeps the point zoomed about in place, within a fiftieth and ten times the picture', () => {
  const whole = view.wholePicture(-10, 5, 200, 100);
  for (const [from, factor, px, py, width] of [
    [whole, 2, 30, 40, 100],
    [whole, 0.5, -10, 5, 400],
    [{ x: 0, y: 0, w: 8, h: 4 }, 4, 2, 3, 4],
    [{ x: 0, y: 0, w: 8, h: 4 }, 0.5, 8, 4, 16],
    [whole, 1e3, 0, 0, 4],
    [whole, 1e-3, 0, 0, 2000],
  ]) {
    const to = view.zoomedAbout(from, whole, factor, px, py);
    near(to.w, width, 'width');
    near(to.h / to.w, from.h / from.w, 'shape');
    near((px - to.x) / to.w, (px - from.x) / from.w, 'across');
    near((py - to.y) / to.h, (py - from.y) / from.h, 'down');
  }
  assert.deepEqual(view.wholePicture(1, 2, 0, 0), { x: 1, y: 2, w: 1, h: 1 });
  for (const [deltaY, factor] of [[0, 1], [500, Math.exp(-1)], [-250, Math.exp(0.5)]]) near(view.wheelFactor(deltaY), factor, `wheel ${deltaY}`);
});

test('a drag moves the picture with the pointer, and a press that barely moves is a click', () => {
  const start = { x: 10, y: 20, w: 50, h: 40 };
  assert.deepEqual(view.dragged(start, 30, -20, 2), { x: -5, y: 30, w: 50, h: 40 });
  for (const [dx, dy, click] of [[0, 0, true], [4, 0, true], [0, -4, true], [3, 3, false], [-4.01, 0, false]])
    assert.equal(view.isClick(dx, dy), click, `${dx},${dy}`);
});

test('the keys zoom about the middle of the view, fit the whole picture, and pan by a tenth', () => {
  const whole = { x: 0, y: 0, w: 100, h: 50 };
  const from = { x: 10, y: 10, w: 40, h: 20 };
  for (const [key, to] of [
    ['+', { x: 14, y: 12, w: 32, h: 16 }],
    ['=', { x: 14, y: 12, w: 32, h: 16 }],
    ['-', { x: 5, y: 7.5, w: 50, h: 25 }],
    ['0', whole],
    ['ArrowLeft', { x: 6, y: 10, w: 40, h: 20 }],
    ['ArrowRight', { x: 14, y: 10, w: 40, h: 20 }],
    ['ArrowUp', { x: 10, y: 6, w: 40, h: 20 }],
    ['ArrowDown', { x: 10, y: 14, w: 40, h: 20 }],
    ['a', null],
    ['Enter', null],
  ]) {
    const moved = view.viewAfterKey(key, from, whole);
    if (!to) assert.equal(moved, null, key);
    else for (const side of ['x', 'y', 'w', 'h']) near(moved[side], to[side], `${key} ${side}`);
  }
});

test('a list selects its current row, and clicks and arrows select rows within it', () => {
  for (const [current, count, row] of [[3, 5, 3], [0, 5, 1], [9, 5, 5], [0, 0, 1], [2, 0, 1]])
    assert.deepEqual(rows.shownSelection(current, count), { first: row, last: row }, `${current} of ${count}`);
  const two = { first: 2, last: 2 };
  const span = { first: 2, last: 4 };
  for (const [from, act, to] of [
    [two, ['click', 5, false], { first: 5, last: 5 }],
    [two, ['click', 5, true], { first: 2, last: 5 }],
    [span, ['click', 1, true], { first: 1, last: 2 }],
    [two, ['ArrowDown', false], { first: 3, last: 3 }],
    [two, ['ArrowUp', false], { first: 1, last: 1 }],
    [{ first: 1, last: 1 }, ['ArrowUp', false], { first: 1, last: 1 }],
    [{ first: 5, last: 5 }, ['ArrowDown', false], { first: 5, last: 5 }],
    [span, ['ArrowDown', true], { first: 2, last: 5 }],
    [two, ['ArrowUp', true], { first: 1, last: 2 }],
    [span, ['ArrowUp', false], { first: 3, last: 3 }],
    [two, ['Home', false], null],
  ]) {
    const [key, ...rest] = act;
    const to_ = key === 'click' ? rows.afterClick(from, rest[0], rest[1]) : rows.afterKey(from, key, rest[0], 5);
    assert.deepEqual(to_, to, `${JSON.stringify(from)} ${act}`);
  }
  assert.deepEqual([0, 1, 2, 3, 4, 5].map((row) => rows.isSelected(span, row)), [false, false, true, true, true, false]);
});
