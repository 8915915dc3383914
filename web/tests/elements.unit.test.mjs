// The page's grids and buttons, in Node over a small stand-in for the document: a results grid
// heads its first row and places each cell as the engine says; a step grid heads its rows and
// columns, breaks a heading before its unit, gives each cell its tip and shades the marked cells;
// Copy says whether the clipboard took the text.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './bundle.mjs';

// Just enough of the document for the page's small building blocks.
class Element {
  constructor(tag) {
    Object.assign(this, { tag, children: [], attributes: {}, listeners: {}, textContent: '', className: '' });
    this.classList = { add: (name) => (this.className = `${this.className} ${name}`.trim()) };
  }
  setAttribute(name, value) {
    this.attributes[name] = String(value);
  }
  append(...children) {
    this.children.push(...children);
  }
  addEventListener(type, act) {
    this.listeners[type] = act;
  }
  insertRow() {
    return this.add('tr');
  }
  insertCell() {
    return this.add('td');
  }
  createTHead() {
    return this.add('thead');
  }
  createTBody() {
    return this.add('tbody');
  }
  add(tag) {
    const child = new Element(tag);
    this.append(child);
    return child;
  }
  get rows() {
    return this.children.filter((child) => child.tag === 'tr');
  }
  get cells() {
    return this.children;
  }
}
globalThis.document = { createElement: (tag) => new Element(tag) };
const elements = await load('elements.ts');

// An element as [tag, what it says of itself, its text or its children].
function shown(element) {
  const own = { ...element.attributes };
  for (const key of ['className', 'scope', 'title', 'type']) if (element[key]) own[key] = element[key];
  return [element.tag, own, element.children.length ? element.children.map(shown) : element.textContent];
}

test('a results grid heads its first row and places every cell as the engine says', () => {
  const grid = elements.resultGrid({
    caption: 'Joint Displacements',
    cells: [['Joint', 'X'], ['1', '0.5']],
    places: [['left', 'centre'], ['centre', 'right']],
  });
  assert.deepEqual(shown(grid), ['table', { 'aria-label': 'Joint Displacements' }, [
    ['tr', {}, [['th', { scope: 'col', className: 'left' }, 'Joint'], ['th', { scope: 'col', className: 'centre' }, 'X']]],
    ['tr', {}, [['td', { className: 'centre' }, '1'], ['td', { className: 'right' }, '0.5']]],
  ]]);
});

test('a step grid heads rows and columns, keeps each tip, and shades only the marked cells', () => {
  const grid = elements.stepGrid({
    title: '[K]',
    rows: ['1', '2'],
    columns: ['Force (kN)', 'Moment (kN m) (at end)'],
    cells: [['a', 'b'], ['c', 'd']],
    tips: [['0.1', ''], ['', '0.4']],
    marked: [[1, 0], [0, 1]],
  }, 'member');
  assert.deepEqual(shown(grid), ['table', { 'aria-label': '[K]', className: 'step' }, [
    ['thead', {}, [['tr', {}, [['td', {}, ''], ['th', { scope: 'col' }, 'Force\n(kN)'], ['th', { scope: 'col' }, 'Moment\n(kN m) (at end)']]]]],
    ['tbody', {}, [
      ['tr', {}, [['th', { scope: 'row' }, '1'], ['td', { title: '0.1' }, 'a'], ['td', { className: 'member' }, 'b']]],
      ['tr', {}, [['th', { scope: 'row' }, '2'], ['td', { className: 'member' }, 'c'], ['td', { title: '0.4' }, 'd']]],
    ]],
  ]]);
});

test('a button acts on a click, and Copy tells whether the clipboard took the text', async () => {
  let pressed = 0;
  const press = elements.button('Go', () => ++pressed);
  press.listeners.click();
  assert.deepEqual([shown(press), pressed], [['button', { type: 'button' }, 'Go'], 1]);
  assert.deepEqual(shown(elements.heading('Results', 'h3')), ['h3', {}, 'Results']);
  for (const [clipboard, caption] of [[{ writeText: async (text) => assert.equal(text, 'a\tb') }, 'Copied'], [{ writeText: () => Promise.reject(new Error('denied')) }, 'Copy failed'], [undefined, 'Copy']]) {
    Object.defineProperty(globalThis, 'navigator', { value: { clipboard }, configurable: true });
    const copy = elements.copyButton('the forces', 'a\tb');
    assert.equal(copy.attributes['aria-label'], 'Copy the forces as tab-separated text');
    copy.listeners.click();
    await new Promise((resolve) => setTimeout(resolve, 0));
    assert.equal(copy.textContent, caption);
  }
});
