// The page's editing commands: New Project, the data menu with its list windows, Undo and Redo
// (Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y), Save as a download, Share Link and its embed form. After
// every edit the project and its history go into the browser's storage; a reload brings them
// back. The captions, lists, forms and rules are the engine's; this only shows them.
import { button } from '../elements';
import { ProjectFileAccess } from './file-access';
import { showLoadCases } from './load-cases-view';
import type { Message } from '../protocol';
import { ListView } from './list-view';
import { confirmBox, modalBox, questionBox } from './modal';
import type { EditRequest, EditState, ProjectText, TitleForm, UnitsForm } from './protocol';
import { kLongestLink, type LinkKind, makeLink } from './share-link';
import { keep, kept } from './storage';

export interface EditingHost {
  ask<T>(request: EditRequest): Promise<T>;
  showMessages(messages: Message[]): void;
  // The project as it now stands: its title, drawing and whether Analyze is offered; its results
  // are no longer shown.
  showProject(state: EditState): void;
  // A fresh engine worker is to be given this request to have the project back.
  keepForRestart(request: EditRequest): void;
}

export class EditingBar {
  private state: EditState | null = null;
  private readonly list: ListView;
  private readonly undo = button('Undo', () => void this.run({ op: 'edit.undo' }));
  private readonly redo = button('Redo', () => void this.run({ op: 'edit.redo' }));
  private readonly units = button('Units…', () => void this.chooseUnits());
  private readonly save = button('Save', () => void this.saveFile());
  private readonly share = button('Share Link', () => void this.shareLink('project'));
  private readonly embed = button('Embed Link', () => void this.shareLink('embed'));
  private readonly dataMenu = document.createElement('details');
  // The file Save writes back to, where the browser lets the page keep one.
  readonly files = new ProjectFileAccess();

  constructor(
    bar: HTMLElement,
    panel: HTMLElement,
    private readonly host: EditingHost,
  ) {
    this.list = new ListView(panel, { ask: (r) => host.ask(r), changed: (s) => this.show(s), showMessages: (m) => host.showMessages(m) });
    this.undo.id = 'undo';
    this.redo.id = 'redo';
    this.save.id = 'save';
    this.units.id = 'units';
    this.share.id = 'share-link';
    this.embed.id = 'embed-link';
    this.dataMenu.id = 'data-menu';
    const summary = document.createElement('summary');
    summary.textContent = 'Input Data';
    this.dataMenu.append(summary, Object.assign(document.createElement('div'), { id: 'data-items', role: 'menu' }));
    const create = button('New Project…', () => void this.newProject());
    create.id = 'new-project';
    bar.append(create, this.dataMenu, this.undo, this.redo, this.units, this.save, this.share, this.embed);
    this.showCommands();
    document.addEventListener('keydown', (e) => this.key(e));
    window.addEventListener('beforeunload', (e) => {
      if (!this.state?.unsaved) return;
      e.preventDefault();
      e.returnValue = '';
    });
  }

  // A project was opened from a file or an example: it is kept too, with its fresh history.
  async opened(): Promise<void> {
    await this.run({ op: 'edit.state' });
  }

  // The project a reload finds in the storage, put back with its history, unless `wanted` says
  // the user has opened another meanwhile; false when none is put back.
  async restoreKept(wanted: () => boolean): Promise<boolean> {
    const snapshot = await kept();
    if (!snapshot || !wanted() || !(await this.host.ask<boolean>({ op: 'edit.restore', snapshot }))) return false;
    this.files.forget();
    await this.run({ op: 'edit.state' });
    this.host.showMessages([
      {
        title: 'Project Kept',
        text: 'The project you were working on has been brought back from the browser’s storage, with its undo history.',
        style: 'information',
      },
    ]);
    return true;
  }

  // Opens project text from a link as a new untitled copy.
  async openCopy(text: string): Promise<boolean> {
    const opened = await this.host.ask<{ opened: boolean; messages: Message[] }>({ op: 'edit.openCopy', text });
    this.host.showMessages(opened.messages);
    if (opened.opened) this.files.forget();
    if (opened.opened) await this.run({ op: 'edit.state' });
    return opened.opened;
  }

  // Carries out an editing request and shows what it changed.
  private async run(request: EditRequest): Promise<void> {
    try {
      this.show(await this.host.ask<EditState>(request));
    } catch (error) {
      this.host.showMessages([{ title: 'STAVELORN', text: String(error), style: 'stop' }]);
    }
  }

  private show(state: EditState): void {
    this.state = state;
    const shownInForm = this.list.show(state);
    if (!shownInForm) this.host.showMessages(state.messages);
    if (state.open) this.host.showProject(state);
    this.showCommands();
    if (state.open) void this.keepProject();
  }

  private async keepProject(): Promise<void> {
    const snapshot = await this.host.ask<string>({ op: 'edit.snapshot' });
    if (!snapshot) return;
    this.host.keepForRestart({ op: 'edit.restore', snapshot });
    const stored = await keep(snapshot);
    if (stored === 'whole') return;
    this.host.showMessages([
      {
        title: 'Storage Full',
        text:
          stored === 'project only'
            ? 'The browser’s storage is full: the project is kept, but not its undo history. Save the project as a file.'
            : 'The browser’s storage is full: the project could not be kept. Save it as a file now.',
        style: 'stop',
      },
    ]);
  }

  private showCommands(): void {
    const s = this.state;
    const open = !!s?.open;
    const idle = open && !s?.entry;
    this.undo.textContent = s?.undo ?? 'Undo';
    this.redo.textContent = s?.redo ?? 'Redo';
    this.undo.disabled = !s?.canUndo;
    this.redo.disabled = !s?.canRedo;
    for (const b of [this.units, this.save, this.share, this.embed]) b.disabled = !idle;
    this.dataMenu.hidden = !open;
    const items = this.dataMenu.querySelector<HTMLElement>('#data-items')!;
    items.replaceChildren(
      ...(s?.menu ?? []).map((m) => {
        const item = button(m.caption, () => {
          this.dataMenu.open = false;
          void this.run({ op: 'edit.openList', item: m.item });
        });
        item.setAttribute('role', 'menuitem');
        item.dataset.item = m.item;
        return item;
      }),
    );
    if (s?.loadCases) {
      const cases = button(s.loadCases, () => {
        this.dataMenu.open = false;
        showLoadCases({ ask: (r) => this.host.ask(r as EditRequest), changed: (state) => this.show(state) }).catch(
          (error) => this.host.showMessages([{ title: 'STAVELORN', text: String(error), style: 'stop' }]),
        );
      });
      cases.setAttribute('role', 'menuitem');
      cases.dataset.item = 'MnuLoadCases';
      items.append(cases);
    }
  }

  private key(e: KeyboardEvent): void {
    if (!(e.ctrlKey || e.metaKey) || document.querySelector('dialog[open]')) return;
    const target = e.target as HTMLElement;
    if (target.matches('input, textarea, select')) return;
    const key = e.key.toLowerCase();
    const undo = key === 'z' && !e.shiftKey;
    const redo = (key === 'z' && e.shiftKey) || key === 'y';
    if (!undo && !redo) return;
    e.preventDefault();
    if (undo ? this.state?.canUndo : this.state?.canRedo) void this.run({ op: undo ? 'edit.undo' : 'edit.redo' });
  }

  private async newProject(): Promise<void> {
    const form = await this.host.ask<TitleForm>({ op: 'edit.titleForm' });
    const { box, close } = modalBox('new-project-form', form.caption);
    const name = document.createElement('input');
    name.id = 'new-title';
    const nameLabel = Object.assign(document.createElement('label'), { htmlFor: name.id, textContent: form.titleLabel });
    const types = document.createElement('fieldset');
    types.append(Object.assign(document.createElement('legend'), { textContent: form.typeLabel }));
    for (const type of form.types) {
      const option = Object.assign(document.createElement('input'), { type: 'radio', name: 'type', value: type.code });
      const label = document.createElement('label');
      label.append(option, ` ${type.caption}`);
      types.append(label);
    }
    const refusal = Object.assign(document.createElement('p'), { role: 'alert', className: 'refusal' });
    const ok = button('OK', () => {
      const type = box.querySelector<HTMLInputElement>('input[name="type"]:checked')?.value ?? '';
      void this.host.ask<EditState>({ op: 'edit.new', title: name.value, type }).then((state) => {
        refusal.textContent = state.refusal ?? '';
        if (state.refusal) return;
        this.files.forget();
        close();
        this.show(state);
      });
    });
    ok.id = 'new-ok';
    const cancel = button('Cancel', close);
    box.addEventListener('cancel', close);
    box.append(nameLabel, name, types, refusal, ok, ' ', cancel);
    document.body.append(box);
    box.showModal();
    name.focus();
  }

  // Project > Units…: named or not, and the three units; between two named systems the engine
  // asks whether to convert the values (Yes) or relabel them (No).
  private async chooseUnits(): Promise<void> {
    const form = await this.host.ask<UnitsForm>({ op: 'edit.unitsForm' });
    const { box, close } = modalBox('units-form', form.caption);
    const named = Object.assign(document.createElement('input'), { type: 'checkbox', id: 'units-named', checked: form.named });
    const namedLabel = Object.assign(document.createElement('label'), { htmlFor: named.id, textContent: ` ${form.namedCaption}` });
    box.append(named, namedLabel);
    const selects = form.units.map((unit, i) => {
      const select = document.createElement('select');
      select.id = `units-${i}`;
      select.append(...unit.options.map((o) => new Option(o)));
      select.selectedIndex = unit.selected;
      const row = document.createElement('div');
      row.className = 'entry-row';
      row.append(Object.assign(document.createElement('label'), { htmlFor: select.id, textContent: unit.label }), select);
      box.append(row);
      return select;
    });
    const ok = button('OK', () => {
      close();
      void this.changeUnits(named.checked, selects.map((s) => s.selectedIndex));
    });
    ok.id = 'units-ok';
    const cancel = button('Cancel', close);
    box.addEventListener('cancel', close);
    box.append(Object.assign(document.createElement('p'), { textContent: form.note, className: 'note' }), ok, ' ', cancel);
    document.body.append(box);
    box.showModal();
    named.focus();
  }

  private async changeUnits(named: boolean, units: number[]): Promise<void> {
    const state = await this.host.ask<EditState>({ op: 'edit.units', named, units, answer: '' });
    this.show(state);
    if (!state.question) return;
    const chosen = await questionBox(state.question.title, state.question.text, ['Yes', 'No', 'Cancel']);
    if (chosen !== 'Cancel')
      await this.run({ op: 'edit.units', named, units, answer: chosen === 'Yes' ? 'convert' : 'relabel' });
  }

  // The file as the desktop writes it, where `files` decides; the project counts as saved once
  // it is written.
  private async saveFile(): Promise<void> {
    try {
      const project = await this.host.ask<ProjectText>({ op: 'edit.text', save: false });
      if (project.text === undefined) return this.host.showMessages(project.messages);
      if (!(await this.files.save(project.name ?? 'untitled.str', project.text))) return;
      await this.host.ask<ProjectText>({ op: 'edit.text', save: true });
      await this.run({ op: 'edit.state' });
    } catch (error) {
      this.host.showMessages([{ title: 'File_Save Error', text: String(error), style: 'stop' }]);
    }
  }

  private async shareLink(kind: LinkKind): Promise<void> {
    const project = await this.host.ask<ProjectText>({ op: 'edit.text', save: false });
    if (project.text === undefined) {
      this.host.showMessages(project.messages);
      return;
    }
    const link = await makeLink(location.origin + location.pathname, project.text, kind);
    if (!link) {
      const tooLong = `This project is too large for a link of at most ${kLongestLink.toLocaleString('en')} characters. Save it as a file and share the file instead.`;
      if (await confirmBox('Share Link', `${tooLong}\n\nSave the file now?`)) await this.saveFile();
      return;
    }
    const { box, close } = modalBox('link-box', kind === 'project' ? 'Share Link' : 'Embed Link');
    const text = Object.assign(document.createElement('input'), { id: 'link-text', readOnly: true, value: link });
    text.setAttribute('aria-label', 'Link');
    const copy = button('Copy', () => void navigator.clipboard?.writeText(link).then(() => (copy.textContent = 'Copied')));
    box.append(text, copy, ' ', button('Close', close));
    document.body.append(box);
    box.showModal();
    text.select();
  }
}
