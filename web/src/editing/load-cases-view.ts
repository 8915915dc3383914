// Loads > Load Cases… in a modal box, as the desktop's window: the table of cases, the name box,
// and Add, Rename, Delete, Up, Down, Undo and Close. Each button is the engine's command on the
// selected case; the engine refuses, asks or edits, and the box shows the cases as they then are.
import { button } from '../elements';
import { confirmBox, modalBox } from './modal';
import type { EditRequest, EditState, LoadCasesAnswer, LoadCasesWindow } from './protocol';
import type { Request } from '../protocol';

export interface LoadCasesHost {
  ask<T>(request: EditRequest | Request): Promise<T>;
  // An edit of the cases changed the project.
  changed(state: EditState): void;
}

export async function showLoadCases(host: LoadCasesHost): Promise<void> {
  const shown = await host.ask<LoadCasesWindow>({ op: 'loadCases' });
  const { box, close } = modalBox('load-cases', shown.caption);
  const grid = document.createElement('table');
  grid.id = 'cases-grid';
  grid.tabIndex = 0;
  grid.setAttribute('aria-label', shown.caption);
  const name = Object.assign(document.createElement('input'), { id: 'case-name', autocomplete: 'off' });
  const nameLabel = Object.assign(document.createElement('label'), { htmlFor: name.id, textContent: shown.nameLabel });
  const refusal = Object.assign(document.createElement('p'), { role: 'alert', className: 'refusal' });
  let selected = 1;
  let rows: string[][] = [];

  const select = (row: number) => {
    selected = Math.min(Math.max(row, 1), Math.max(rows.length, 1));
    [...grid.tBodies[0].rows].forEach((line, r) => line.setAttribute('aria-selected', String(r + 1 === selected)));
  };
  const fill = (window: LoadCasesWindow, row: number) => {
    rows = window.rows;
    grid.replaceChildren();
    const head = grid.createTHead().insertRow();
    for (const text of window.headings) head.append(Object.assign(document.createElement('th'), { scope: 'col', textContent: text }));
    const body = grid.createTBody();
    window.rows.forEach((cells, r) => {
      const line = body.insertRow();
      for (const text of cells) line.insertCell().textContent = text;
      line.addEventListener('click', () => {
        select(r + 1);
        name.value = cells[1];
      });
    });
    select(row);
    name.value = window.newName;
  };
  grid.addEventListener('keydown', (e) => {
    const step = e.key === 'ArrowDown' ? 1 : e.key === 'ArrowUp' ? -1 : 0;
    if (!step) return;
    e.preventDefault();
    select(selected + step);
    name.value = rows[selected - 1]?.[1] ?? name.value;
  });

  const command = async (which: string, confirmed = false): Promise<void> => {
    const answer = await host.ask<LoadCasesAnswer>({ op: 'loadCaseCommand', button: which, row: selected, name: name.value, confirmed });
    if (answer.question) {
      if (await confirmBox(answer.question.title, answer.question.text)) await command(which, true);
      return;
    }
    refusal.textContent = answer.refusal?.text ?? '';
    fill(answer.window, answer.row);
    host.changed(answer.state);
  };
  const undo = async (): Promise<void> => {
    host.changed(await host.ask<EditState>({ op: 'edit.undo' }));
    fill(await host.ask<LoadCasesWindow>({ op: 'loadCases' }), selected);
  };
  const buttons = document.createElement('div');
  buttons.className = 'choices';
  for (const b of shown.buttons) {
    const act = b.name === 'CloseB' ? close : b.name === 'UndoB' ? () => void undo() : () => void command(b.name);
    const control = button(b.caption, act);
    control.id = `case-${b.name}`;
    buttons.append(control);
  }
  fill(shown, 1);
  box.addEventListener('cancel', close);
  const nameRow = document.createElement('div');
  nameRow.className = 'entry-row';
  nameRow.append(nameLabel, name);
  box.append(grid, nameRow, refusal, buttons);
  document.body.append(box);
  box.showModal();
  grid.focus();
}
