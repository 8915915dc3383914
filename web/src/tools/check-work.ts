// Check My Work: the grid the student fills for a member or the structure, as the engine lays it
// out; cells typed or pasted from a spreadsheet, Check's green and red cells with their verdicts
// (spoken too, not only coloured), the count and the slips found, and Show Answer. The judge is
// the engine's; this only draws its answers and forwards what the student does.
import { button, heading, stepGrid } from '../elements';
import { modalBox } from '../editing/modal';
import type { Message } from '../protocol';
import type { Caption, CheckCommand, CheckWorkState, ToolRequest } from './protocol';

type Ask = <T>(request: ToolRequest) => Promise<T>;

// A control's caption with the access key the desktop gives it.
export function withKey<T extends HTMLElement>(element: T, caption: Caption): T {
  if (caption.key) {
    element.accessKey = caption.key.toLowerCase();
    element.setAttribute('aria-keyshortcuts', `Alt+${caption.key}`);
  }
  return element;
}

function labelled(caption: Caption, control: HTMLSelectElement | HTMLInputElement, id: string): HTMLLabelElement {
  control.id = id;
  const label = withKey(document.createElement('label'), caption);
  label.htmlFor = id;
  label.textContent = caption.caption;
  return label;
}

// The command's button, named and offered as the desktop's Exercise menu names and offers it.
export async function showCheckCommand(ask: Ask, command: HTMLButtonElement): Promise<void> {
  const shown = await ask<CheckCommand>({ op: 'tools.checkCommand' });
  command.textContent = shown.command.caption;
  withKey(command, shown.command);
  command.disabled = !shown.offered;
}

export async function openCheckWork(ask: Ask, showMessages: (messages: Message[]) => void): Promise<void> {
  const opened = await ask<CheckWorkState | { refusal: Message } | null>({ op: 'tools.checkOpen' });
  if (!opened) return;
  if ('refusal' in opened) showMessages([opened.refusal]);
  else new CheckWorkWindow(ask, opened);
}

class CheckWorkWindow {
  private readonly box: HTMLDialogElement;
  private readonly quantity = document.createElement('select');
  private readonly member = document.createElement('select');
  private readonly note = document.createElement('p');
  private readonly gridTitle = heading('', 'h3');
  private entries = document.createElement('table');
  private answer = document.createElement('table');
  private readonly answerPane = document.createElement('div');
  private readonly summary = document.createElement('p');
  private readonly findings = document.createElement('ul');
  private inputs: HTMLInputElement[][] = [];

  constructor(
    private readonly ask: Ask,
    state: CheckWorkState,
  ) {
    const { box, close } = modalBox('check-work', state.title);
    // Escape closes it too: the engine forgets the grid either way.
    box.addEventListener('close', () => {
      close();
      void ask({ op: 'tools.checkClose' });
    });
    this.box = box;
    const { labels } = state;
    this.quantity.append(...state.quantities.map((title, i) => new Option(title, String(i))));
    for (let m = 1; m <= state.members; ++m) this.member.append(new Option(String(m), String(m)));
    const choose = () =>
      void this.send({ op: 'tools.checkChoose', quantity: Number(this.quantity.value), member: Number(this.member.value) }, true);
    this.quantity.addEventListener('change', choose);
    this.member.addEventListener('change', choose);
    const pick = document.createElement('div');
    pick.className = 'choices';
    pick.append(
      labelled(labels.quantity, this.quantity, 'check-quantity'),
      this.quantity,
      labelled(labels.member, this.member, 'check-member'),
      this.member,
    );
    this.note.className = 'check-note';
    this.note.textContent = state.note;
    this.note.hidden = !state.note;
    const pane = (caption: Caption, table: HTMLTableElement) => {
      const part = document.createElement('div');
      part.className = 'check-pane';
      part.append(heading(caption.caption, 'p'), table);
      return part;
    };
    const grids = document.createElement('div');
    grids.className = 'check-grids';
    const answerPart = pane(labels.answer, this.answer);
    answerPart.id = 'check-answer';
    this.answerPane.append(answerPart);
    grids.append(pane(labels.entries, this.entries), this.answerPane);
    this.summary.id = 'check-summary';
    this.summary.setAttribute('role', 'status');
    this.findings.id = 'check-findings';
    this.findings.setAttribute('aria-label', 'Findings');
    const checkButton = withKey(
      button(labels.check.caption, () => void this.send({ op: 'tools.check' })),
      labels.check,
    );
    checkButton.id = 'check-check';
    const showButton = withKey(
      button(labels.showAnswer.caption, () => void this.send({ op: 'tools.checkAnswer' })),
      labels.showAnswer,
    );
    showButton.id = 'check-show-answer';
    const closeButton = button('Close', () => box.close());
    closeButton.id = 'check-close';
    const buttons = document.createElement('div');
    buttons.className = 'dialog-buttons';
    buttons.append(checkButton, showButton, closeButton);
    box.append(pick, this.note, this.gridTitle, grids, this.summary, this.findings, buttons);
    box.classList.add('check-work');
    document.body.append(box);
    this.show(state, true);
    box.showModal();
    this.quantity.focus();
  }

  private async send(request: ToolRequest, rebuild = false): Promise<void> {
    const state = await this.ask<CheckWorkState | null>(request);
    if (state) this.show(state, rebuild);
  }

  // The grid anew for another quantity or member; otherwise each cell's text, mark and verdict.
  private show(state: CheckWorkState, rebuild: boolean): void {
    this.quantity.value = String(state.quantity);
    this.member.disabled = state.member === 0;
    if (state.member) this.member.value = String(state.member);
    this.gridTitle.textContent = state.grid;
    if (rebuild) this.build(state);
    state.cells.forEach((row, r) =>
      row.forEach((cell, c) => {
        const input = this.inputs[r][c];
        if (input.value !== cell.text) input.value = cell.text;
        input.className = `mark-${cell.mark}`;
        input.title = cell.verdict;
        // Colour alone says nothing to a screen reader.
        input.setAttribute('aria-description', cell.verdict);
        input.setAttribute('aria-invalid', String(cell.mark === 'wrong' || cell.mark === 'notNumber'));
        this.answer.rows[r + 1].cells[c + 1].textContent = cell.answer;
      }),
    );
    this.answerPane.hidden = !state.answerShown;
    this.summary.textContent = state.summary;
    this.findings.replaceChildren(...state.findings.map((line) => Object.assign(document.createElement('li'), { textContent: line })));
  }

  // The entries' grid and the answer's, labelled as the method labels the quantity.
  private build(state: CheckWorkState): void {
    const blank = state.rows.map(() => state.columns.map(() => ''));
    const grid = (old: HTMLTableElement, caption: Caption) => {
      const table = stepGrid({ title: caption.caption, rows: state.rows, columns: state.columns, cells: blank, tips: blank, marked: [], copy: '' }, 'member');
      table.classList.add('check-grid');
      old.replaceWith(table);
      return table;
    };
    this.entries = grid(this.entries, state.labels.entries);
    this.answer = grid(this.answer, state.labels.answer);
    this.inputs = state.rows.map((rowLabel, r) =>
      state.columns.map((column, c) => {
        const input = document.createElement('input');
        input.setAttribute('aria-label', `${rowLabel}, ${column}`);
        input.dataset.row = String(r);
        input.dataset.col = String(c);
        input.addEventListener('change', () => void this.send({ op: 'tools.checkType', row: r, col: c, text: input.value }));
        input.addEventListener('paste', (e) => {
          const text = e.clipboardData?.getData('text/plain') ?? '';
          e.preventDefault();
          const from = input.selectionStart ?? input.value.length;
          const to = input.selectionEnd ?? from;
          const typed = input.value.slice(0, from) + text + input.value.slice(to);
          void this.send({ op: 'tools.checkPaste', row: r, col: c, text, typed });
        });
        input.addEventListener('keydown', (e) => this.move(e, r, c));
        this.entries.rows[r + 1].cells[c + 1].append(input);
        return input;
      }),
    );
  }

  // Up and down (and Enter) move between rows as in a spreadsheet; Tab moves along a row.
  private move(e: KeyboardEvent, row: number, col: number): void {
    const step = e.key === 'ArrowUp' ? -1 : e.key === 'ArrowDown' || e.key === 'Enter' ? 1 : 0;
    const next = this.inputs[row + step]?.[col];
    if (!step || !next) return;
    e.preventDefault();
    next.focus();
    next.select();
  }
}
