// The help panel, above the drawing until closed: the pages the desktop's help window shows (rendered when the site was built),
// listed and searched by the engine as the help window lists and searches them, with Back and
// the links between pages followed inside the panel.
import { button, heading } from './elements';
import type { HelpEntry } from './protocol';

export interface HelpAsker {
  contents(): Promise<HelpEntry[]>;
  search(query: string): Promise<string[]>;
}

export class HelpPanel {
  private history: string[] = [];
  private readonly list = document.createElement('ul');
  private readonly page = document.createElement('article');
  private readonly back = button('Back', () => this.goBack());
  private readonly close = button('Close', () => (this.host.hidden = true));
  private readonly find = document.createElement('input');
  private entries: HelpEntry[] = [];

  constructor(
    private readonly host: HTMLElement,
    private readonly ask: HelpAsker,
  ) {
    this.list.className = 'help-pages';
    this.list.setAttribute('aria-label', 'Help pages');
    this.page.id = 'help-page';
    this.page.tabIndex = -1;
    this.page.setAttribute('aria-label', 'Help page');
    this.page.addEventListener('click', (e) => this.follow(e));
    this.find.type = 'search';
    this.find.placeholder = 'Find in the help pages';
    this.find.setAttribute('aria-label', 'Find in the help pages');
    this.find.addEventListener('change', () => void this.search(this.find.value));
  }

  // Shows the panel at the page `id`.
  async open(id: string): Promise<void> {
    if (!this.entries.length) {
      this.entries = await this.ask.contents();
      this.showList(this.entries.map((entry) => entry.id));
    }
    if (!this.host.contains(this.page)) {
      const bar = document.createElement('div');
      bar.className = 'choices';
      bar.append(heading('STAVELORN Help', 'h2'), this.back, this.find, this.close);
      const body = document.createElement('div');
      body.className = 'help';
      body.append(this.list, this.page);
      this.host.replaceChildren(bar, body);
    }
    this.host.hidden = false;
    await this.show(id, true);
    this.host.scrollIntoView({ block: 'start' });
  }

  private async show(id: string, remember: boolean): Promise<void> {
    const response = await fetch(`help/${encodeURIComponent(id)}.html`);
    if (!response.ok) return;
    if (remember && this.page.dataset.page) this.history.push(this.page.dataset.page);
    this.back.disabled = this.history.length === 0;
    this.page.innerHTML = await response.text();
    for (const picture of this.page.querySelectorAll<HTMLImageElement>('img[src^="pictures/"]'))
      picture.src = `help/${picture.getAttribute('src')}`;
    for (const link of this.page.querySelectorAll<HTMLAnchorElement>('a[href^="http"]')) link.target = '_blank';
    this.page.dataset.page = id;
    for (const item of this.list.querySelectorAll('button'))
      item.setAttribute('aria-current', String(item.dataset.page === id));
    this.page.scrollTop = 0;
  }

  private goBack(): void {
    const id = this.history.pop();
    if (id) void this.show(id, false);
  }

  private follow(e: MouseEvent): void {
    const link = (e.target as Element).closest('a');
    const target = link?.getAttribute('href') ?? '';
    const page = /^([\w-]+)\.md(#.*)?$/.exec(target);
    if (!page) return;
    e.preventDefault();
    void this.show(page[1], true);
  }

  private async search(query: string): Promise<void> {
    this.showList(await this.ask.search(query));
  }

  private showList(ids: string[]): void {
    const titles = new Map(this.entries.map((entry) => [entry.id, entry.title]));
    this.list.replaceChildren(
      ...ids.map((id) => {
        const item = document.createElement('li');
        const open = button(titles.get(id) ?? id, () => void this.show(id, true));
        open.dataset.page = id;
        open.setAttribute('aria-current', String(this.page.dataset.page === id));
        item.append(open);
        return item;
      }),
    );
  }
}
