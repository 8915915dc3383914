// A data list window and its entry form, drawn from what the engine's list editor answers: the
// grid with its headings and rows, the desktop's buttons, the preview, and one generic form whose
// fields, check boxes and choice are the editor's. Every click and keystroke goes to the engine;
// nothing here decides whether a value is taken.
import { button, headedTable, heading } from '../elements';
import type { Message } from '../protocol';
import { caseBox } from './case-box';
import { afterClick, afterKey, isSelected, type Selection, shownSelection } from './list-selection';
import { confirmBox } from './modal';
import type { EditRequest, EditState, EntryAnswer, EntryForm, ListWindow } from './protocol';

export interface ListHost {
  ask<T>(request: EditRequest): Promise<T>;
  // An answer that may change the project: the host shows it (drawing, menus, messages, storage).
  changed(state: EditState): void;
  showMessages(messages: Message[]): void;
}

export class ListView {
  private selection: Selection = { first: 1, last: 1 };
  private readonly dialog = document.createElement('dialog');
  private shownForm = '';

  constructor(
    private readonly panel: HTMLElement,
    private readonly host: ListHost,
  ) {
    this.dialog.id = 'entry-form';
    this.dialog.addEventListener('cancel', (e) => {
      e.preventDefault();
      void this.entry('cancel');
    });
    document.body.append(this.dialog);
  }

  // Shows the list and form of `state` (or hides them when it has none); returns whether its
  // messages were shown too, inside the open form, which alone takes clicks while it is open.
  show(state: EditState): boolean {
    // A command of the list, its form or its keys had the focus (or the focus went with a control
    // that is gone): it comes back to the list's current row, as in the desktop's list window.
    const active = document.activeElement;
    const refocus = !active || active === document.body || this.panel.contains(active) || this.dialog.contains(active);
    this.showList(state.list, state.loadCase);
    this.showEntry(state.entry);
    if (!state.entry && state.list && refocus) this.focusRow();
    if (!state.entry) return false;
    this.showEntryMessages(state.messages);
    return true;
  }

  private showEntryMessages(messages: Message[]): void {
    const host = this.dialog.querySelector<HTMLElement>('#entry-messages');
    if (!host) return;
    host.replaceChildren(
      ...messages.map((m) => {
        const box = document.createElement('div');
        box.className = `message ${m.style}`;
        box.append(heading(m.title, 'h3'), m.text);
        return box;
      }),
    );
  }

  private async command(command: string, confirmed = false): Promise<void> {
    const state = await this.host.ask<EditState>({
      op: 'edit.list',
      command,
      first: this.selection.first,
      last: this.selection.last,
      confirmed,
    });
    this.host.changed(state);
    if (state.question && (await confirmBox(state.question.title, state.question.text)))
      await this.command(command, true);
  }

  private async showCase(c: number): Promise<void> {
    this.host.changed(await this.host.ask<EditState>({ op: 'edit.showCase', c }));
  }

  private async entry(command: 'next' | 'ok' | 'cancel'): Promise<void> {
    this.host.changed(await this.host.ask<EditState>({ op: 'edit.entry', command }));
  }

  private showList(list: ListWindow | null, loadCase: EditState['loadCase']): void {
    this.panel.hidden = !list;
    if (!list) {
      this.panel.replaceChildren();
      return;
    }
    this.selection = shownSelection(list.current, list.count);
    const { table: grid, body } = headedTable(list.caption, list.headings);
    grid.id = 'list-grid';
    grid.tabIndex = 0;
    list.rows.forEach((row, r) => {
      const line = body.insertRow();
      line.tabIndex = -1;
      line.setAttribute('aria-selected', 'false');
      for (const text of row) line.insertCell().textContent = text;
      line.addEventListener('click', (e) =>
        this.select(grid, afterClick(this.selection, r + 1, e.shiftKey), e.shiftKey ? this.selection.first : r + 1),
      );
    });
    grid.addEventListener('keydown', (e) => {
      const selection = afterKey(this.selection, e.key, e.shiftKey, list.rows.length);
      if (!selection) return;
      e.preventDefault();
      // The row moved to: the end of the new selection away from where it was anchored.
      this.select(grid, selection, selection.first === this.selection.first ? selection.last : selection.first);
    });
    this.select(grid, this.selection, this.selection.last);
    const buttons = document.createElement('div');
    buttons.className = 'choices';
    for (const b of list.buttons) {
      const command = button(b.caption, () => void this.command(b.command).catch(this.failed));
      command.dataset.command = b.command;
      command.hidden = !b.shown;
      buttons.append(command);
    }
    const close = button(list.closeCaption, () => {
      void this.host.ask<EditState>({ op: 'edit.closeList' }).then((s) => this.host.changed(s), this.failed);
    });
    close.dataset.command = 'close';
    buttons.append(close);
    const parts: HTMLElement[] = [heading(list.caption, 'h2'), heading(list.label1, 'p'), buttons, grid];
    if (loadCase) parts.splice(2, 0, caseBox(loadCase, (c) => void this.showCase(c).catch(this.failed)));
    if (list.preview) {
      const preview = document.createElement('img');
      preview.className = 'preview';
      preview.alt = `Preview of ${list.caption}`;
      preview.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(list.preview)}`;
      parts.push(preview);
    }
    this.panel.replaceChildren(...parts);
    this.panel.setAttribute('aria-label', list.caption);
  }

  private select(grid: HTMLTableElement, selection: Selection, focus: number): void {
    this.selection = selection;
    [...grid.tBodies[0].rows].forEach((row, r) => row.setAttribute('aria-selected', String(isSelected(selection, r + 1))));
    if (grid.contains(document.activeElement)) this.focusRow(focus);
  }

  // The focus on row `row` of the list (its current row unless said), or the list itself when it
  // has no rows.
  private focusRow(row = this.selection.last): void {
    const grid = this.panel.querySelector<HTMLTableElement>('#list-grid');
    const line = grid?.tBodies[0].rows[row - 1];
    (line ?? grid)?.focus();
  }

  private readonly failed = (error: unknown) =>
    this.host.showMessages([{ title: 'STAVELORN', text: String(error), style: 'stop' }]);

  // The entry form: built once for each opening of the editor's form, then updated in place, so
  // that the field being typed in keeps its caret.
  private showEntry(entry: EntryForm | null): void {
    if (!entry) {
      this.shownForm = '';
      if (this.dialog.open) this.dialog.close();
      return;
    }
    const key = `${entry.form}|${entry.caption}`;
    if (key !== this.shownForm || !this.dialog.open) this.buildEntry(entry);
    this.shownForm = key;
    this.updateEntry(entry);
    if (!this.dialog.open) this.dialog.showModal();
    const focus = this.dialog.querySelector<HTMLInputElement>(
      entry.focusSpring > 0 ? `#entry-stiffness-${entry.focusSpring}` : `#entry-field-${entry.focus}`,
    );
    if (focus && !focus.hidden && document.activeElement !== focus) {
      focus.focus();
      focus.select();
    }
  }

  private buildEntry(entry: EntryForm): void {
    const title = heading(entry.caption, 'h2');
    title.id = 'entry-caption';
    this.dialog.setAttribute('aria-labelledby', title.id);
    const choice = document.createElement('select');
    choice.id = 'entry-choice';
    choice.addEventListener('change', () => void this.typed({ op: 'edit.choose', option: choice.selectedIndex }));
    const choiceLabel = document.createElement('label');
    choiceLabel.htmlFor = choice.id;
    const fields = entry.fields.map((f) => {
      const input = document.createElement('input');
      input.id = `entry-field-${f.field}`;
      input.autocomplete = 'off';
      input.addEventListener('input', () => void this.typed({ op: 'edit.type', field: f.field, text: input.value }));
      const label = document.createElement('label');
      label.htmlFor = input.id;
      const row = document.createElement('div');
      row.className = 'entry-row';
      row.append(label, input);
      return row;
    });
    const group = document.createElement('fieldset');
    const legend = document.createElement('legend');
    group.append(legend);
    for (const c of entry.checks) {
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.id = `entry-check-${c.check}`;
      box.addEventListener('change', () => void this.typed({ op: 'edit.check', check: c.check, checked: box.checked }));
      const label = document.createElement('label');
      label.append(box, ' ', document.createElement('span'));
      const spring = document.createElement('input');
      spring.type = 'checkbox';
      spring.id = `entry-spring-${c.check}`;
      spring.addEventListener('change', () => void this.typed({ op: 'edit.spring', check: c.check, spring: spring.checked }));
      const springLabel = document.createElement('label');
      springLabel.append(spring, ' ', c.spring.caption);
      const stiffness = document.createElement('input');
      stiffness.id = `entry-stiffness-${c.check}`;
      stiffness.autocomplete = 'off';
      stiffness.inputMode = 'decimal';
      stiffness.addEventListener('input', () => void this.typed({ op: 'edit.stiffness', check: c.check, text: stiffness.value }));
      const stiffnessLabel = document.createElement('label');
      stiffnessLabel.htmlFor = stiffness.id;
      const row = document.createElement('div');
      row.className = 'entry-check';
      row.append(label, springLabel, stiffnessLabel, stiffness);
      group.append(row);
    }
    const note = document.createElement('p');
    note.id = 'entry-note';
    const buttons = document.createElement('div');
    buttons.className = 'choices';
    const ok = button('OK', () => void this.entry('ok').catch(this.failed));
    const next = button(entry.nextCaption, () => void this.entry('next').catch(this.failed));
    const cancel = button('Cancel', () => void this.entry('cancel').catch(this.failed));
    ok.id = 'entry-ok';
    next.id = 'entry-next';
    cancel.id = 'entry-cancel';
    buttons.append(ok, next, cancel);
    const form = document.createElement('form');
    form.method = 'dialog';
    form.addEventListener('submit', (e) => {
      e.preventDefault();
      ok.click();
    });
    const messages = document.createElement('div');
    messages.id = 'entry-messages';
    messages.setAttribute('role', 'alert');
    form.append(title, messages, choiceLabel, choice, ...fields, group, note, buttons);
    const submit = document.createElement('button');
    submit.type = 'submit';
    submit.hidden = true;
    form.append(submit);
    this.dialog.replaceChildren(form);
  }

  private updateEntry(entry: EntryForm): void {
    const d = this.dialog;
    const choice = d.querySelector<HTMLSelectElement>('#entry-choice')!;
    const choiceLabel = choice.previousElementSibling as HTMLLabelElement;
    choice.hidden = choiceLabel.hidden = !entry.choice.shown;
    choiceLabel.textContent = entry.choice.label;
    if ([...choice.options].map((o) => o.text).join('\n') !== entry.choice.options.join('\n'))
      choice.replaceChildren(...entry.choice.options.map((o) => new Option(o)));
    choice.selectedIndex = entry.choice.selected;
    for (const f of entry.fields) {
      const input = d.querySelector<HTMLInputElement>(`#entry-field-${f.field}`)!;
      const row = input.parentElement!;
      row.hidden = !f.shown;
      (row.firstElementChild as HTMLLabelElement).textContent = f.label;
      input.readOnly = f.readOnly;
      input.required = f.rule.required;
      input.inputMode = f.rule.kind === 'whole' ? 'numeric' : f.rule.kind === 'any' || f.rule.kind === 'text' ? 'text' : 'decimal';
      if (input.value !== f.text && document.activeElement !== input) input.value = f.text;
      input.setAttribute('aria-describedby', f.field === entry.noteField && entry.note ? 'entry-note' : '');
    }
    const group = d.querySelector('fieldset')!;
    group.firstElementChild!.textContent = entry.checkGroup;
    group.hidden = !entry.checks.some((c) => c.shown);
    for (const c of entry.checks) {
      const box = d.querySelector<HTMLInputElement>(`#entry-check-${c.check}`)!;
      box.checked = c.checked;
      box.parentElement!.parentElement!.hidden = !c.shown;
      box.parentElement!.querySelector('span')!.textContent = c.caption;
      const spring = d.querySelector<HTMLInputElement>(`#entry-spring-${c.check}`)!;
      spring.checked = c.spring.checked;
      spring.parentElement!.hidden = !c.spring.shown;
      spring.setAttribute('aria-label', c.spring.name);
      const stiffness = d.querySelector<HTMLInputElement>(`#entry-stiffness-${c.check}`)!;
      const stiffnessLabel = stiffness.previousElementSibling as HTMLLabelElement;
      stiffness.hidden = stiffnessLabel.hidden = !c.spring.stiffnessShown;
      stiffnessLabel.textContent = c.spring.label;
      if (stiffness.value !== c.spring.text && document.activeElement !== stiffness) stiffness.value = c.spring.text;
    }
    d.querySelector('#entry-note')!.textContent = entry.note;
    d.querySelector('#entry-next')!.textContent = entry.nextCaption;
  }

  private async typed(request: EditRequest): Promise<void> {
    try {
      const answer = await this.host.ask<EntryAnswer>(request);
      this.showEntryMessages(answer.messages);
      if (answer.entry) this.updateEntry(answer.entry);
    } catch (error) {
      this.failed(error);
    }
  }
}
