// Which rows of a data list are selected, and how a click, a shift-click and the arrow keys
// change them. Rows count from 1; `first` is never after `last`.

export interface Selection {
  first: number;
  last: number;
}

function between(first: number, last: number): Selection {
  return { first: Math.min(first, last), last: Math.max(first, last) };
}

// The selection when a list is shown: the editor's current row, kept inside the list (row 1
// when the list is empty).
export function shownSelection(current: number, count: number): Selection {
  const row = Math.min(Math.max(current, 1), Math.max(count, 1));
  return { first: row, last: row };
}

// A click on `row` selects it; with Shift, every row from the first selected to it.
export function afterClick(selection: Selection, row: number, shift: boolean): Selection {
  return between(row, shift ? selection.first : row);
}

// Down and Up move the last selected row by one, within the `rows` of the list; with Shift the
// selection stretches from its first row. Null for any other key.
export function afterKey(selection: Selection, key: string, shift: boolean, rows: number): Selection | null {
  const step = key === 'ArrowDown' ? 1 : key === 'ArrowUp' ? -1 : 0;
  if (!step) return null;
  const row = Math.min(Math.max(selection.last + step, 1), rows);
  return between(shift ? selection.first : row, row);
}

export function isSelected(selection: Selection, row: number): boolean {
  return row >= selection.first && row <= selection.last;
}
