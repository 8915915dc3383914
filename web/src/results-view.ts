// What an analysis shows: the Analyze command, "Show:" and the deflection multiplier, the three
// results tables, the report, the diagrams, a member's window and the method Step by Step, each
// in the view as the engine answers it.
import type { DrawingPane } from './drawing';
import { button, byId, copyButton, heading, resultGrid } from './elements';
import type { EngineClient } from './engine-client';
import type { MessageArea } from './messages';
import type { ReportPrinting } from './print/report-printing';
import { showMemberWindow } from './member-view';
import { addMovingLoadButton, type MovingHost } from './moving/moving-view';
import type { Analysed, MemberWindow, MethodStep, MultiplierEntered, ResultTable, ShownChoice } from './protocol';
import { StabilityMenuView } from './stability/stability-view';
import { showMethodStep } from './steps-view';
import { openCheckWork, showCheckCommand } from './tools/check-work';
import { showInfluence, showInfluenceCommand } from './tools/influence';
import { PrecisionCommand } from './tools/precision';
import type { ToolRequest } from './tools/protocol';

const forms = ['Disp', 'MbForce', 'Reac'];

export class ResultsView {
  readonly view = byId<HTMLElement>('view');
  readonly analyzeButton = byId<HTMLButtonElement>('analyze');
  readonly buttons = [
    'show-Disp',
    'show-MbForce',
    'show-Reac',
    'show-report',
    'show-diagrams',
    'show-steps',
    'show-influence',
  ].map(
    (id) => byId<HTMLButtonElement>(id),
  );
  // The file name the report is saved under, without its extension.
  projectName = 'project';
  private analysed: Analysed | null = null;
  private readonly multiplierBar = byId<HTMLElement>('multiplier-bar');
  private readonly multiplierBox = byId<HTMLInputElement>('multiplier');
  private readonly shownBox = byId<HTMLSelectElement>('shown');
  private noSteps = '';
  private readonly askTool = <T>(request: ToolRequest) => this.engine.ask<T>(request);
  private readonly checkWorkButton = byId<HTMLButtonElement>('check-work');
  readonly precision: PrecisionCommand;
  private readonly stability: StabilityMenuView;

  constructor(
    private readonly engine: EngineClient,
    private readonly drawing: DrawingPane,
    private readonly messages: MessageArea,
    private readonly printing: ReportPrinting,
  ) {
    this.analyzeButton.addEventListener('click', () => void this.analyze());
    this.buttons.slice(0, 3).forEach((b, i) => b.addEventListener('click', () => this.showTable(i)));
    this.buttons[3].addEventListener('click', () => this.showReport());
    this.buttons[4].addEventListener('click', () => void this.showDiagram(this.analysed?.diagrams?.[0]?.name ?? ''));
    this.buttons[5].addEventListener('click', () => this.showSteps());
    this.buttons[6].addEventListener('click', () =>
      showInfluence(this.view, this.askTool)
        .then((shown) => shown && this.showsInView('influence'))
        .catch((error) => this.messages.failure(error)),
    );
    this.checkWorkButton.addEventListener('click', () =>
      openCheckWork(this.askTool, (shown) => this.messages.show(shown)).catch((error) => this.messages.failure(error)),
    );
    this.precision = new PrecisionCommand(this.askTool, byId('precision'));
    this.stability = new StabilityMenuView(this.analyzeButton, {
      ask: (request) => this.engine.ask(request),
      view: this.view,
      showMessages: (shown) => this.messages.show(shown),
      showsInView: (name) => this.showsInView(name),
      showFailure: (error) => this.messages.failure(error),
    });
    this.multiplierBox.addEventListener('change', () => void this.enterMultiplier());
    this.shownBox.addEventListener('change', () => void this.chooseShown());
  }

  // The captions of the commands the tools add: Precision…, Influence Lines.
  async showToolCommands(): Promise<void> {
    await this.precision.restore();
    await showInfluenceCommand(this.askTool, this.buttons[6]);
  }

  // Check My Work is offered as the desktop's Exercise menu offers it, for the project as it stands.
  offerCheckWork(): void {
    showCheckCommand(this.askTool, this.checkWorkButton).catch((error) => this.messages.failure(error));
  }

  // The project changed or another was opened: its results, if any, are gone.
  forget(): void {
    this.analysed = null;
    this.setResultsShown(false);
    this.multiplierBar.hidden = true;
    this.printing.forget();
  }

  async analyze(): Promise<void> {
    try {
      const double = await this.precision.restore();
      const result = await this.engine.ask<Analysed>({ op: 'analyze', double });
      this.analysed = result;
      if (result.svg) this.drawing.show(result.svg, true);
      this.setResultsShown(result.complete);
      this.multiplierBar.hidden = result.multiplier === undefined;
      this.multiplierBox.value = (result.multiplier ?? '').trim();
      const choices = byId<HTMLDataListElement>('multiplier-choices');
      choices.replaceChildren(
        ...(result.choices ?? []).map((c) => Object.assign(document.createElement('option'), { value: c.trim() })),
      );
      this.showChoices(result.shown ?? [], result.shownIndex ?? 0);
      if (result.complete) this.showTable(0);
      this.messages.show(result.messages);
      if (result.complete) await this.printing.prepare();
      this.offerCheckWork();
      await this.precision.offer();
    } catch (error) {
      this.messages.failure(error);
    }
  }

  showReport(): void {
    const report = this.analysed?.report;
    if (!report) return;
    const text = document.createElement('pre');
    text.id = 'report';
    text.tabIndex = 0;
    text.setAttribute('aria-label', 'Report');
    text.textContent = report;
    const save = button('Save as .txt', () => {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([report], { type: 'text/plain' }));
      link.download = `${this.projectName}.txt`;
      link.click();
      URL.revokeObjectURL(link.href);
    });
    // Print Options, then the browser's Print of the pages the desktop would print.
    const print = button(`${this.buttons[3].textContent}…`, () => {
      this.printing.choose().catch((error) => this.messages.failure(error));
    });
    print.id = 'print-report';
    this.view.replaceChildren(heading('Report', 'h2'), save, ' ', print, text);
    this.showsInView('report');
  }

  // The member's own window after a complete analysis; the engine answers nothing before one.
  async showMember(member: number): Promise<void> {
    try {
      const shown = await this.engine.ask<MemberWindow | null>({ op: 'member', member });
      if (!shown) return;
      showMemberWindow(this.view, shown);
      this.showsInView('member');
      const host: MovingHost = {
        ask: (request) => this.engine.ask(request),
        view: this.view,
        showsInView: (name) => this.showsInView(name),
        showFailure: (error) => this.messages.failure(error),
      };
      await addMovingLoadButton(host, member, this.view);
    } catch (error) {
      this.messages.failure(error);
    }
  }

  private setResultsShown(shown: boolean): void {
    for (const b of this.buttons) b.disabled = !shown;
    this.stability.refresh().catch((error) => this.messages.failure(error));
    if (shown) return;
    this.view.replaceChildren();
    this.showsInView('');
  }

  // Names what the view shows, as Help on This Window asks the engine about it.
  private showsInView(name: string): void {
    this.view.dataset.shows = name;
  }

  // "Show:" beside the multiplier, for a project with load cases: a case, a combination or the
  // envelope, whose numbers the tables, drawing, diagrams and steps then show.
  private showChoices(captions: string[], index: number): void {
    this.shownBox.replaceChildren(...captions.map((caption, i) => new Option(caption, String(i))));
    this.shownBox.value = String(index);
    this.shownBox.hidden = byId('shown-caption').hidden = captions.length === 0;
    this.noSteps = '';
  }

  private async chooseShown(): Promise<void> {
    try {
      const chosen = await this.engine.ask<ShownChoice | null>({ op: 'show', choice: Number(this.shownBox.value) });
      if (!chosen || !this.analysed) return;
      this.analysed.tables = chosen.tables;
      this.noSteps = chosen.noSteps;
      this.drawing.show(chosen.svg, true);
      const form = this.view.querySelector<HTMLElement>('[data-form]')?.dataset.form;
      this.showTable(Math.max(0, forms.indexOf(form ?? 'Disp')));
      await this.printing.prepare();
    } catch (error) {
      this.messages.failure(error);
    }
  }

  private async enterMultiplier(): Promise<void> {
    try {
      const entered = await this.engine.ask<MultiplierEntered>({ op: 'multiplier', text: this.multiplierBox.value });
      this.messages.show(entered.messages);
      this.multiplierBox.value = entered.multiplier.trim();
      if (entered.svg) this.drawing.show(entered.svg, true);
    } catch (error) {
      this.messages.failure(error);
    }
  }

  private showTable(index: number): void {
    const table: ResultTable | undefined = this.analysed?.tables?.[index];
    if (!table) return;
    const grid = resultGrid(table);
    grid.dataset.form = forms[index];
    // A double-click on a row of Member Forces opens the window of the member the engine names.
    const members = index === 1 ? this.analysed?.forceRowMembers : undefined;
    if (members)
      grid.addEventListener('dblclick', (e) => {
        const row = (e.target as Element).closest('tr');
        const member = row && row.rowIndex > 0 ? members[row.rowIndex - 1] : undefined;
        if (member) void this.showMember(member);
      });
    const copy = copyButton(table.caption, table.copy);
    this.view.replaceChildren(
      heading(table.caption, 'h2'),
      heading(table.label1, 'p'),
      heading(table.label2, 'p'),
      copy,
      grid,
    );
    // Turned supports: their reactions in their own axes follow the global ones.
    const local = index === 2 ? this.analysed?.tables?.[3] : undefined;
    if (local) this.view.append(heading(local.caption, 'h3'), copyButton(local.caption, local.copy), resultGrid(local));
    this.showsInView(grid.dataset.form);
  }

  // The structure with one quantity's diagram, and a button for each quantity of the type.
  private async showDiagram(name: string): Promise<void> {
    try {
      const svg = await this.engine.ask<string>({ op: 'diagram', name });
      const chosen = this.analysed?.diagrams?.find((d) => d.name === name);
      if (!svg || !chosen) return;
      const choices = document.createElement('div');
      choices.className = 'choices';
      for (const d of this.analysed?.diagrams ?? []) {
        const choice = button(d.caption, () => void this.showDiagram(d.name));
        choice.setAttribute('aria-pressed', String(d.name === name));
        choices.append(choice);
      }
      const picture = document.createElement('img');
      picture.id = 'diagram';
      picture.src = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
      picture.alt = chosen.caption;
      picture.addEventListener('load', () => URL.revokeObjectURL(picture.src));
      this.view.replaceChildren(heading(chosen.caption, 'h2'), choices, this.memberChooser(), picture);
      this.showsInView('diagrams');
    } catch (error) {
      this.messages.failure(error);
    }
  }

  // "Member number:" and Member Diagrams, as the desktop's Diagrams menu asks for a member.
  private memberChooser(): HTMLElement {
    const number = document.createElement('input');
    number.type = 'number';
    number.min = '1';
    number.value = '1';
    number.id = 'member-number';
    const label = document.createElement('label');
    label.htmlFor = number.id;
    label.textContent = 'Member number:';
    const open = button('Member Diagrams', () => void this.showMember(Number(number.value)));
    number.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') open.click();
    });
    const bar = document.createElement('div');
    bar.className = 'choices';
    bar.append(label, number, open);
    return bar;
  }

  private showSteps(): void {
    if (this.noSteps) {
      this.messages.show([{ title: this.buttons[5].textContent ?? '', text: this.noSteps, style: 'information' }]);
      return;
    }
    const ask = (step: number, marked: number) => this.engine.ask<MethodStep | null>({ op: 'step', step, marked });
    showMethodStep(this.view, ask, 0)
      .then(() => this.showsInView('steps'))
      .catch((error) => this.messages.failure(error));
  }
}
