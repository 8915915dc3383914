// Opening a project: an example, a picked or dropped file, a shared link, or the one the
// browser's storage kept; and the editing bar, whose edits show the project as they leave it.
import type { DrawingPane } from './drawing';
import { EditingBar } from './editing/editing-bar';
import type { EditState } from './editing/protocol';
import { readLink } from './editing/share-link';
import { byId } from './elements';
import type { EngineClient } from './engine-client';
import type { MessageArea } from './messages';
import type { Opened } from './protocol';
import type { ResultsView } from './results-view';

export class ProjectOpening {
  readonly editing: EditingBar;
  private readonly exampleTexts = new Map<string, string>();
  private readonly examples = byId<HTMLSelectElement>('example');
  // Whether a project has been asked for since the page loaded (the kept one then stays kept).
  private projectChosen = false;

  constructor(
    private readonly engine: EngineClient,
    private readonly drawing: DrawingPane,
    private readonly results: ResultsView,
    private readonly messages: MessageArea,
  ) {
    this.editing = new EditingBar(byId('editing-bar'), byId('list-panel'), {
      ask: (request) => engine.ask(request),
      showMessages: (shown) => messages.show(shown),
      showProject: (state) => this.showProject(state),
      keepForRestart: (request) => engine.keepForRestart(request),
    });
    this.examples.addEventListener('change', () => {
      if (this.examples.value) void this.openExample(this.examples.value);
    });
    // Where the browser has its file pickers, Open goes through them, so that Save can write back.
    byId('open-label').addEventListener('click', (e) => {
      if (!this.editing.files.picks) return;
      e.preventDefault();
      void this.pickToOpen();
    });
  }

  private async pickToOpen(): Promise<void> {
    try {
      const picked = await this.editing.files.pickToOpen();
      if (picked && (await this.openFile(picked.file))) picked.keep();
    } catch (error) {
      this.messages.failure(error);
    }
  }

  // Every example's text comes with their list, so that choosing one waits for no download.
  async listExamples(): Promise<void> {
    const examples = (await (await fetch('examples/index.json')).json()) as Record<string, string>;
    for (const [name, text] of Object.entries(examples)) {
      this.exampleTexts.set(name, text);
      this.examples.append(new Option(name, name));
    }
  }

  // The project kept from the last visit, unless another has been opened meanwhile.
  restoreKept(): Promise<boolean> {
    return this.editing.restoreKept(() => !this.projectChosen);
  }

  // A project carried by the address's fragment: a copy to edit, or (embedded in a course page)
  // its drawing and results only. False when the address carries none.
  async openLink(): Promise<boolean> {
    const link = await readLink(location.hash);
    if (!link) return false;
    if (link.kind === 'embed') document.body.classList.add('embed');
    if ('damaged' in link) this.messages.show([{ title: 'Share Link', text: link.damaged, style: 'stop' }]);
    else if (link.kind === 'project') await this.editing.openCopy(link.text);
    else {
      await this.openProject('shared.str', link.text);
      await this.results.analyze();
    }
    return true;
  }

  async openExample(name: string): Promise<void> {
    try {
      const text = this.exampleTexts.get(name);
      if (text === undefined) throw new Error(`There is no example "${name}".`);
      await this.openProject(`${name}.str`, text);
      this.examples.value = name;
    } catch (error) {
      this.messages.failure(error);
    }
  }

  // Opens a file picked or dropped; false when it could not be read.
  async openFile(file: File): Promise<boolean> {
    this.examples.value = '';
    return this.openProject(file.name, new TextDecoder('utf-8').decode(await file.arrayBuffer()));
  }

  private async openProject(name: string, text: string): Promise<boolean> {
    this.projectChosen = true;
    try {
      const opened = await this.engine.ask<Opened>({ op: 'open', name, text });
      if (!opened.opened) {
        this.messages.show(opened.messages);
        return false;
      }
      this.editing.files.forget();
      this.results.projectName = name.replace(/\.[^.]*$/, '') || 'project';
      this.results.forget();
      this.results.analyzeButton.disabled = false;
      this.showTitle(opened.title);
      this.drawing.show(opened.svg, false);
      this.messages.show(opened.messages);
      this.results.offerCheckWork();
      if (!document.body.classList.contains('embed')) await this.editing.opened();
      return true;
    } catch (error) {
      this.messages.failure(error);
      return false;
    }
  }

  // The project as an edit left it; results it no longer has are hidden.
  private showProject(state: EditState): void {
    this.showTitle(state.title);
    this.results.analyzeButton.disabled = !state.analyze;
    if (!state.analysed) this.results.forget();
    this.drawing.show(state.svg, true);
    this.results.offerCheckWork();
  }

  private showTitle(title: string): void {
    byId('project-title').textContent = title;
    document.title = `${title} – STAVELORN`;
    byId('drop-hint').hidden = true;
  }
}
