// The load-case box above a load list of a project with load cases: which case's loads the list
// shows and edits, as the engine names the cases.
import type { EditState } from './protocol';

export function caseBox(box: NonNullable<EditState['loadCase']>, chosen: (c: number) => void): HTMLElement {
  const select = document.createElement('select');
  select.id = 'list-case';
  select.append(...box.choices.map((choice, i) => new Option(choice, String(i + 1))));
  select.selectedIndex = box.current;
  select.addEventListener('change', () => chosen(select.selectedIndex + 1));
  const label = Object.assign(document.createElement('label'), { htmlFor: select.id, textContent: `${box.label}:` });
  const row = document.createElement('div');
  row.className = 'entry-row';
  row.append(label, select);
  return row;
}
