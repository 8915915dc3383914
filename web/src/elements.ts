// The page's small building blocks: headings, buttons, and the grids of results and of the
// method's steps drawn from the engine's JSON as they come.
import type { ResultTable, StepTable } from './protocol';

export const byId = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;

export function heading(text: string, level: 'h2' | 'h3' | 'p'): HTMLElement {
  const element = document.createElement(level);
  element.textContent = text;
  return element;
}

export function button(caption: string, act: () => void): HTMLButtonElement {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = caption;
  element.addEventListener('click', act);
  return element;
}

// A button that puts `text` on the clipboard and says whether it could.
export function copyButton(what: string, text: string): HTMLButtonElement {
  const copy = button('Copy', () => {
    void navigator.clipboard?.writeText(text).then(
      () => (copy.textContent = 'Copied'),
      () => (copy.textContent = 'Copy failed'),
    );
  });
  copy.setAttribute('aria-label', `Copy ${what} as tab-separated text`);
  return copy;
}

// A table named `label` for screen readers, its head one row of column headings; rows go into
// the returned body.
export function headedTable(label: string, headings: string[]): { table: HTMLTableElement; body: HTMLTableSectionElement } {
  const table = document.createElement('table');
  table.setAttribute('aria-label', label);
  const head = table.createTHead().insertRow();
  for (const text of headings) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = text;
    head.append(cell);
  }
  return { table, body: table.createTBody() };
}

// A results grid: its first row the headings, each cell placed as the engine says.
export function resultGrid(table: ResultTable): HTMLTableElement {
  const grid = document.createElement('table');
  grid.setAttribute('aria-label', table.caption);
  table.cells.forEach((row, r) => {
    const line = grid.insertRow();
    row.forEach((cell, c) => {
      const element = document.createElement(r === 0 ? 'th' : 'td');
      if (r === 0) element.setAttribute('scope', 'col');
      element.className = table.places[r][c];
      element.textContent = cell;
      line.append(element);
    });
  });
  return grid;
}

// A labelled matrix of the method: row and column labels as headings, each cell's stored value
// as its tooltip, the marked cells shaded (`shade` names how).
export function stepGrid(table: StepTable, shade: 'member' | 'restrained'): HTMLTableElement {
  const grid = document.createElement('table');
  grid.className = 'step';
  grid.setAttribute('aria-label', table.title);
  const head = grid.createTHead().insertRow();
  head.append(document.createElement('td'));
  for (const label of table.columns) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    // A heading takes two lines, what over where, so that the columns stay narrow.
    cell.textContent = label.replace(' (', '\n(');
    head.append(cell);
  }
  const body = grid.createTBody();
  table.cells.forEach((row, r) => {
    const line = body.insertRow();
    const label = document.createElement('th');
    label.scope = 'row';
    label.textContent = table.rows[r];
    line.append(label);
    row.forEach((text, c) => {
      const cell = line.insertCell();
      cell.textContent = text;
      if (table.tips[r][c]) cell.title = table.tips[r][c];
    });
  });
  for (const [r, c] of table.marked) body.rows[r].cells[c + 1].classList.add(shade);
  return grid;
}
