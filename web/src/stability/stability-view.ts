// The Stability menu in the page: Critical Load, Second-Order Analysis and Options, shown beside
// Analyze while the engine offers them. The critical load's view lists the load factors and draws
// the chosen mode; the second-order view draws both runs side by side over the table of either's
// values with their amplification; the options come in a modal form the engine checks.
import { button, copyButton, heading, resultGrid } from '../elements';
import { modalBox } from '../editing/modal';
import type { Message } from '../protocol';
import type {
  CriticalLoad,
  OptionsChosen,
  OptionsForm,
  SecondOrder,
  SecondOrderPictures,
  StabilityMenu,
  StabilityRequest,
} from './protocol';

export interface StabilityHost {
  ask<T>(request: StabilityRequest): Promise<T>;
  view: HTMLElement;
  showMessages(messages: Message[]): void;
  showsInView(name: string): void;
  showFailure(error: unknown): void;
}

// An SVG the engine drew, as a picture named for screen readers.
export function svgPicture(svg: string, id: string, alt: string): HTMLImageElement {
  const picture = document.createElement('img');
  picture.id = id;
  picture.className = 'stability-picture';
  picture.src = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  picture.alt = alt;
  picture.addEventListener('load', () => URL.revokeObjectURL(picture.src));
  return picture;
}

// `control` named `id` beside its label `caption`.
export function labelled(control: HTMLInputElement | HTMLSelectElement, id: string, caption: string): HTMLElement {
  control.id = id;
  const label = document.createElement('label');
  label.htmlFor = id;
  label.textContent = caption;
  const bar = document.createElement('div');
  bar.className = 'choices';
  bar.append(label, control);
  return bar;
}

// A labelled choice whose options are `captions`; `chosen` gets the index picked.
export function labelledChoice(id: string, caption: string, captions: string[], chosen: (index: number) => void): HTMLElement {
  const select = document.createElement('select');
  select.append(...captions.map((c, i) => new Option(c, String(i))));
  select.addEventListener('change', () => chosen(Number(select.value)));
  return labelled(select, id, caption);
}

export class StabilityMenuView {
  private readonly menu = document.createElement('details');
  private readonly summary = document.createElement('summary');
  private readonly items = document.createElement('div');

  constructor(
    after: HTMLElement,
    private readonly host: StabilityHost,
  ) {
    this.menu.id = 'stability-menu';
    this.menu.className = 'menu';
    this.menu.hidden = true;
    this.items.setAttribute('role', 'menu');
    this.menu.append(this.summary, this.items);
    after.after(this.menu);
  }

  // Shows the menu, with the desktop's captions, when the engine offers it.
  async refresh(): Promise<void> {
    const menu = await this.host.ask<StabilityMenu>({ op: 'stability.menu' });
    this.summary.textContent = menu.menu;
    this.items.setAttribute('aria-label', menu.menu);
    const item = (caption: string, act: () => Promise<void>) => {
      const choice = button(caption, () => {
        this.menu.open = false;
        act().catch((error) => this.host.showFailure(error));
      });
      choice.setAttribute('role', 'menuitem');
      return choice;
    };
    this.items.replaceChildren(
      item(menu.criticalLoad, () => this.showCriticalLoad()),
      item(menu.secondOrder, () => this.showSecondOrder()),
      item(menu.options, () => this.chooseOptions()),
    );
    this.menu.hidden = !menu.offered;
    if (!menu.offered) this.menu.open = false;
  }

  private async showCriticalLoad(): Promise<void> {
    const found = await this.host.ask<CriticalLoad | null>({ op: 'stability.criticalLoad' });
    if (!found) return;
    this.host.showMessages(found.messages);
    if (!found.table || !found.modes || !found.svg) return;
    const { view } = this.host;
    let picture = svgPicture(found.svg, 'buckling-mode', found.modes[0]);
    const chooser = labelledChoice('buckling-mode-choice', 'Mode:', found.modes, (index) => {
      void this.host.ask<string>({ op: 'stability.mode', mode: index + 1 }).then((svg) => {
        const next = svgPicture(svg, 'buckling-mode', found.modes?.[index] ?? '');
        picture.replaceWith(next);
        picture = next;
      }, this.host.showFailure);
    });
    const note = heading(found.note ?? '', 'p');
    note.hidden = !found.note;
    view.replaceChildren(
      heading(found.title ?? '', 'h2'),
      heading(found.pieces ?? '', 'p'),
      note,
      copyButton(found.table.caption, found.table.copy),
      resultGrid(found.table),
      chooser,
      picture,
    );
    this.host.showsInView('criticalLoad');
  }

  private async showSecondOrder(): Promise<void> {
    const run = await this.host.ask<SecondOrder | null>({ op: 'stability.secondOrder' });
    if (!run) return;
    this.host.showMessages(run.messages);
    if (!run.tables || !run.drawings || !run.first || !run.second) return;
    const { view } = this.host;
    const headings = run.tables[0].table.cells[0];
    const pictures = document.createElement('div');
    pictures.className = 'second-order-pictures';
    const showPictures = (shown: SecondOrderPictures, caption: string) => {
      const figure = (svg: string, title: string, id: string) => {
        const box = document.createElement('figure');
        const name = document.createElement('figcaption');
        name.textContent = title;
        box.append(name, svgPicture(svg, id, `${title}: ${caption}`));
        return box;
      };
      pictures.replaceChildren(
        figure(shown.first, headings[2], 'first-order-picture'),
        figure(shown.second, headings[3], 'second-order-picture'),
      );
    };
    showPictures(run as SecondOrderPictures, run.drawings[0]);
    const drawings = labelledChoice('second-order-shown', 'Show:', run.drawings, (index) => {
      void this.host
        .ask<SecondOrderPictures | null>({ op: 'stability.secondOrderPictures', choice: index })
        .then((shown) => shown && showPictures(shown, run.drawings?.[index] ?? ''), this.host.showFailure);
    });
    const table = document.createElement('div');
    const showTable = (index: number) => {
      const chosen = run.tables?.[index]?.table;
      if (chosen) table.replaceChildren(copyButton(chosen.caption, chosen.copy), resultGrid(chosen));
    };
    const tables = labelledChoice(
      'second-order-table',
      'Table:',
      run.tables.map((t) => t.name),
      showTable,
    );
    showTable(0);
    view.replaceChildren(heading(run.title ?? '', 'h2'), heading(run.how ?? '', 'p'), drawings, pictures, tables, table);
    this.host.showsInView('secondOrder');
  }

  private async chooseOptions(): Promise<void> {
    const form = await this.host.ask<OptionsForm>({ op: 'stability.optionsForm' });
    const { box, close } = modalBox('stability-options', form.title);
    const inputs = form.fields.map((field, i) => {
      const input = document.createElement('input');
      input.id = `stability-field-${i}`;
      input.value = field.text;
      input.inputMode = 'numeric';
      input.title = `A whole number from ${field.low} to ${field.high}`;
      const label = document.createElement('label');
      label.htmlFor = input.id;
      label.textContent = `${field.label}:`;
      const row = document.createElement('p');
      row.append(label, ' ', input);
      box.append(row);
      return input;
    });
    box.append(heading(form.note, 'p'));
    // A refusal shows in the form, which stays open over the page's messages.
    const refusal = document.createElement('p');
    refusal.id = 'stability-options-refusal';
    refusal.setAttribute('role', 'alert');
    box.append(refusal);
    const ok = button('OK', () => {
      const texts = inputs.map((input) => input.value);
      this.host.ask<OptionsChosen>({ op: 'stability.chooseOptions', texts }).then((chosen) => {
        refusal.textContent = chosen.messages.map((m) => `${m.title}: ${m.text}`).join('\n');
        if (chosen.field < 0) {
          close();
          return;
        }
        inputs[chosen.field].focus();
        inputs[chosen.field].select();
      }, this.host.showFailure);
    });
    ok.id = 'stability-options-ok';
    const cancel = button('Cancel', close);
    box.addEventListener('cancel', (e) => {
      e.preventDefault();
      close();
    });
    box.append(ok, cancel);
    document.body.append(box);
    box.showModal();
    inputs[0]?.focus();
  }
}
