// Printing the report: the desktop's "Print Options" in a modal box, and the report's pages as the
// engine lays them out (the desktop's A4 pages, each diagram's picture on a page of its own) set
// in #print-pages, which only the print stylesheet shows. After a complete analysis the pages of
// the sections ticked last are there already, so that the browser's own Print prints them too.
import { modalBox } from '../editing/modal';
import { button, byId } from '../elements';
import type { Request } from '../protocol';

export interface PrintForm {
  caption: string;
  group: string;
  sections: Array<{ name: string; caption: string; available: boolean; chosen: boolean }>;
  ok: boolean;
}

export type PrintedPage = { lines: string[] } | { caption: string; svg: string };

export class ReportPrinting {
  private readonly host = byId<HTMLElement>('print-pages');
  // The sections ticked at the last OK, as the desktop remembers them between prints.
  private remembered = '';

  constructor(private readonly ask: <T>(request: Request) => Promise<T>) {}

  // The pages of the sections ticked last, ready for the browser's Print.
  async prepare(): Promise<void> {
    const form = await this.ask<PrintForm>({ op: 'printOptions', remembered: this.remembered });
    await this.setPages(ticked(form));
  }

  // The results are gone: the browser prints the page as it is shown.
  forget(): void {
    this.host.replaceChildren();
    document.body.classList.remove('printable');
  }

  // Print Options, then the pages of the sections ticked through the browser's Print.
  async choose(): Promise<void> {
    let form = await this.ask<PrintForm>({ op: 'printOptions', remembered: this.remembered });
    const { box, close } = modalBox('print-options', form.caption);
    const group = document.createElement('fieldset');
    group.append(Object.assign(document.createElement('legend'), { textContent: form.group }));
    const ok = button('OK', () => {
      close();
      void this.printTicked(ticked(form));
    });
    ok.id = 'print-ok';
    const checks = form.sections.map((section) => {
      const check = Object.assign(document.createElement('input'), { type: 'checkbox', id: `print-${section.name}` });
      check.dataset.name = section.name;
      check.addEventListener('change', () => void this.retick(checks).then(show));
      const label = document.createElement('label');
      label.append(check, ` ${section.caption}`);
      group.append(label);
      return check;
    });
    const show = (shown: PrintForm) => {
      form = shown;
      shown.sections.forEach((section, i) => {
        checks[i].checked = section.chosen;
        checks[i].disabled = !section.available;
      });
      ok.disabled = !shown.ok;
    };
    show(form);
    box.addEventListener('cancel', close);
    box.append(group, ok, ' ', button('Cancel', close));
    document.body.append(box);
    box.showModal();
    checks.find((c) => !c.disabled)?.focus();
  }

  private retick(checks: HTMLInputElement[]): Promise<PrintForm> {
    const names = checks.filter((c) => c.checked).map((c) => c.dataset.name);
    return this.ask<PrintForm>({ op: 'printChoose', ticked: names.join(' ') });
  }

  private async printTicked(sections: string): Promise<void> {
    this.remembered = sections;
    if (await this.setPages(sections)) window.print();
  }

  // Sets the pages of `sections`; false when there are none.
  private async setPages(sections: string): Promise<boolean> {
    const { pages } = await this.ask<{ pages: PrintedPage[] }>({ op: 'printPages', ticked: sections });
    this.host.replaceChildren(...pages.map(pageElement));
    document.body.classList.toggle('printable', pages.length > 0);
    // The pictures are drawn before the browser's Print lays out the pages.
    await Promise.all([...this.host.querySelectorAll('img')].map((picture) => picture.decode().catch(() => undefined)));
    return pages.length > 0;
  }
}

// The names of the sections a form ticks, as the engine reads them.
function ticked(form: PrintForm): string {
  return form.sections
    .filter((s) => s.chosen)
    .map((s) => s.name)
    .join(' ');
}

function pageElement(page: PrintedPage): HTMLElement {
  const sheet = document.createElement('div');
  sheet.className = 'print-page';
  if ('lines' in page) {
    sheet.textContent = page.lines.join('\n');
    return sheet;
  }
  const picture = document.createElement('img');
  picture.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(page.svg)}`;
  picture.alt = page.caption;
  sheet.append(`${page.caption}\n\n`, picture);
  return sheet;
}
