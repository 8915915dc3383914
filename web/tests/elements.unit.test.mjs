// The page's grids, in Node over a small stand-in for the document: a results grid heads its
// first row and places each cell as the engine says; a step grid heads its rows and columns,
// breaks a heading before its unit, gives each cell its tip and shades the marked cells.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './bundle.mjs';

// Just enough of the document for the grids: elements that keep their children and attributes.
class Element {
  constructor(tag) {
    Object.assign(this, { tag, children: [], attributes: {}, textContent: '', className: '' });
    this.classList = { add: (name) => (this.className = `${this.className} ${name}`.trim()) };
  }
  setAttribute = (name, value) => (this.attributes[name] = value);
  append = (...children) => this.children.push(...children);
  add = (tag) => (this.append(new Element(tag)), this.children.at(-1));
  insertRow = () => this.add('tr');
  insertCell = () => this.add('td');
  createTHead = () => this.add('thead');
  createTBody = () => this.add('tbody');
  get rows() {
    return this.children;
  }
  get cells() {
    return this.children;
  }
}
globalThis.document = { createElement: (tag) => new Element(tag) };
const { resultGrid, stepGrid } = await load('elements.ts');

// An element as [tag, what it says of itself, its text or its children].
function shown(element) {
  const own = { ...element.attributes };
  for (const key of ['className', 'scope', 'title']) if (element[key]) own[key] = element[key];
  return [element.tag, own, element.children.length ? element.children.map(shown) : element.textContent];
}

test('a results grid places every cell as the engine says; a step grid keeps each tip and shades the marked cells', () => {
  const places = [['left', 'centre'], ['centre', 'right']];
  assert.deepEqual(shown(resultGrid({ caption: 'Joint Displacements', cells: [['Joint', 'X'], ['1', '0.5']], places })), ['table', { 'aria-label': 'Joint Displacements' }, [
    ['tr', {}, [['th', { scope: 'col', className: 'left' }, 'Joint'], ['th', { scope: 'col', className: 'centre' }, 'X']]],
    ['tr', {}, [['td', { className: 'centre' }, '1'], ['td', { className: 'right' }, '0.5']]],
  ]]);
  const table = { title: '[K]', rows: ['1', '2'], columns: ['F (kN)', 'M (kN m) (end)'], cells: [['a', 'b'], ['c', 'd']] };
  assert.deepEqual(shown(stepGrid({ ...table, tips: [['0.1', ''], ['', '0.4']], marked: [[1, 0], [0, 1]] }, 'member')), ['table', { 'aria-label': '[K]', className: 'step' }, [
    ['thead', {}, [['tr', {}, [['td', {}, ''], ['th', { scope: 'col' }, 'F\n(kN)'], ['th', { scope: 'col' }, 'M\n(kN m) (end)']]]]],
    ['tbody', {}, [
      ['tr', {}, [['th', { scope: 'row' }, '1'], ['td', { title: '0.1' }, 'a'], ['td', { className: 'member' }, 'b']]],
      ['tr', {}, [['th', { scope: 'row' }, '2'], ['td', { className: 'member' }, 'c'], ['td', { title: '0.4' }, 'd']]],
    ]],
  ]]);
});
