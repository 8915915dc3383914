// The Help menu: its pages, Help on This Window (F1: the page of what is in view, the help
// panel's own when it has the focus) and About, as the engine lists them.
import { button, byId } from './elements';
import type { EngineClient } from './engine-client';
import { HelpPanel } from './help-view';
import type { MessageArea } from './messages';
import type { About, HelpEntry, HelpMenu } from './protocol';

export class HelpMenuBar {
  private readonly help: HelpPanel;

  constructor(
    private readonly engine: EngineClient,
    private readonly view: HTMLElement,
    private readonly messages: MessageArea,
  ) {
    this.help = new HelpPanel(byId('help-panel'), {
      contents: () => engine.ask<HelpEntry[]>({ op: 'helpContents' }),
      search: (query) => engine.ask<string[]>({ op: 'helpSearch', query }),
    });
  }

  async fill(): Promise<void> {
    const menu = await this.engine.ask<HelpMenu>({ op: 'helpMenu' });
    const item = (caption: string, act: () => Promise<void>) => {
      const choice = button(caption, () => {
        byId<HTMLDetailsElement>('help-menu').open = false;
        act().catch((error) => this.messages.failure(error));
      });
      choice.setAttribute('role', 'menuitem');
      return choice;
    };
    const onView = item(menu.window.caption, () => this.helpOnView());
    onView.setAttribute('aria-keyshortcuts', menu.window.key);
    onView.setAttribute('aria-label', menu.window.caption);
    onView.append(Object.assign(document.createElement('kbd'), { textContent: menu.window.key }));
    byId<HTMLElement>('help-items').replaceChildren(
      ...menu.items.map((entry) => item(entry.caption, () => this.help.open(entry.page))),
      onView,
      item(menu.about, () => this.showAbout()),
    );
  }

  async helpOnView(): Promise<void> {
    const panel = byId<HTMLElement>('help-panel');
    const inHelp = !panel.hidden && panel.contains(document.activeElement);
    const page = await this.engine.ask<string>({
      op: 'helpOfView',
      view: inHelp ? 'help' : (this.view.dataset.shows ?? ''),
    });
    await this.help.open(page);
  }

  private async showAbout(): Promise<void> {
    const address = (folder: string) => new URL(folder, location.href).href;
    const about = await this.engine.ask<About>({ op: 'about', examples: address('examples/'), help: address('help/') });
    this.messages.show([{ title: about.title, text: about.text, style: 'information' }]);
  }
}
