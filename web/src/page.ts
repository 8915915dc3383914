// The page: forwards the user's commands to the engine worker and shows what it answers. Every
// caption, message, number and table comes from the engine; nothing here decides a rule.
import { DrawMode } from './draw/draw-mode';
import { DrawingPane } from './drawing';
import { button, copyButton, heading, resultGrid } from './elements';
import { EditingBar } from './editing/editing-bar';
import type { EditState } from './editing/protocol';
import { readLink } from './editing/share-link';
import { Cancelled, EngineClient } from './engine-client';
import { HelpPanel } from './help-view';
import { showMemberWindow } from './member-view';
import type {
  About,
  Analysed,
  Captions,
  HelpEntry,
  HelpMenu,
  MemberWindow,
  Message,
  MethodStep,
  MultiplierEntered,
  Opened,
  ResultTable,
  ShownChoice,
} from './protocol';
import { showMethodStep } from './steps-view';

const byId = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;

const busy = byId<HTMLElement>('busy');
const busyText = byId<HTMLElement>('busy-text');
// The working indicator shows once a request has lasted a moment, so that quick answers do not
// make the page move twice.
const busyDelayMs = 200;
let busyDelay = 0;
let busyTimer = 0;
const engine = new EngineClient((working) => {
  window.clearTimeout(busyDelay);
  window.clearInterval(busyTimer);
  document.body.setAttribute('aria-busy', String(working));
  if (!working) {
    busy.hidden = true;
    return;
  }
  const started = performance.now();
  const tick = () => {
    busyText.textContent = `Working… ${((performance.now() - started) / 1000).toFixed(1)} s`;
  };
  busyDelay = window.setTimeout(() => {
    tick();
    busy.hidden = false;
    busyTimer = window.setInterval(tick, 100);
  }, busyDelayMs);
});

const drawing = new DrawingPane(
  byId('drawing'),
  byId('tip'),
  (kind, number) => engine.ask<string>({ op: 'pick', kind, number }).catch(() => ''),
  (member) => void showMember(member),
);
const view = byId<HTMLElement>('view');
const help = new HelpPanel(byId('help-panel'), {
  contents: () => engine.ask<HelpEntry[]>({ op: 'helpContents' }),
  search: (query) => engine.ask<string[]>({ op: 'helpSearch', query }),
});
const analyzeButton = byId<HTMLButtonElement>('analyze');
const resultButtons = ['show-Disp', 'show-MbForce', 'show-Reac', 'show-report', 'show-diagrams', 'show-steps'].map(
  (id) => byId<HTMLButtonElement>(id),
);
const multiplierBar = byId<HTMLElement>('multiplier-bar');
const multiplierBox = byId<HTMLInputElement>('multiplier');
let analysed: Analysed | null = null;
let projectName = 'project';
const exampleTexts = new Map<string, string>();
// Whether a project has been asked for since the page loaded (the kept one then stays kept).
let projectChosen = false;

function showMessages(messages: Message[]): void {
  const host = byId<HTMLElement>('messages');
  host.replaceChildren();
  for (const message of messages) {
    const box = document.createElement('div');
    box.className = `message ${message.style}`;
    box.setAttribute('role', message.style === 'stop' ? 'alert' : 'status');
    const title = document.createElement('h2');
    title.textContent = message.title;
    const text = document.createElement('div');
    text.textContent = message.text;
    box.append(title, text);
    const answers: Array<[string, () => void]> =
      message.style === 'question'
        ? [['Yes', () => showReport()], ['No', () => undefined]]
        : [['OK', () => undefined]];
    for (const [caption, act] of answers) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption;
      button.addEventListener('click', () => {
        box.remove();
        act();
      });
      box.append(' ', button);
    }
    host.append(box);
  }
  host.querySelector<HTMLButtonElement>('button')?.focus();
}

const editing = new EditingBar(byId('editing-bar'), byId('list-panel'), {
  ask: (request) => engine.ask(request),
  showMessages,
  showProject,
  keepForRestart: (request) => engine.keepForRestart(request),
});

const drawMode = new DrawMode(byId('drawing'), document.querySelector<HTMLElement>('#drawing-pane .toolbar')!, {
  ask: (request) => engine.ask(request),
  showPicture: (svg) => drawing.show(svg, true),
  showMessages,
  // The editing asks the engine for the project's state and shows it.
  projectChanged: () => editing.opened(),
});

// The project as an edit left it; results it no longer has are hidden.
function showProject(state: EditState): void {
  byId('project-title').textContent = state.title;
  document.title = `${state.title} – STAVELORN`;
  byId('drop-hint').hidden = true;
  analyzeButton.disabled = !state.analyze;
  if (!state.analysed) {
    analysed = null;
    setResultsShown(false);
    multiplierBar.hidden = true;
  }
  if (!drawMode.follow()) drawing.show(state.svg, true);
}

// A project carried by the address's fragment: a copy to edit, or (embedded in a course page)
// its drawing and results only. False when the address carries none.
async function openLink(): Promise<boolean> {
  const link = await readLink(location.hash);
  if (!link) return false;
  if (link.kind === 'embed') document.body.classList.add('embed');
  if ('damaged' in link) showMessages([{ title: 'Share Link', text: link.damaged, style: 'stop' }]);
  else if (link.kind === 'project') await editing.openCopy(link.text);
  else {
    await openProject('shared.str', link.text);
    await analyze();
  }
  return true;
}

function showFailure(error: unknown): void {
  if (error instanceof Cancelled) return;
  showMessages([{ title: 'STAVELORN', text: String(error), style: 'stop' }]);
}

function setResultsShown(shown: boolean): void {
  for (const button of resultButtons) button.disabled = !shown;
  if (shown) return;
  view.replaceChildren();
  showsInView('');
}

// Names what the view shows, as Help on This Window asks the engine about it.
function showsInView(name: string): void {
  view.dataset.shows = name;
}

async function openProject(name: string, text: string): Promise<void> {
  projectChosen = true;
  try {
    const opened = await engine.ask<Opened>({ op: 'open', name, text });
    if (!opened.opened) return showMessages(opened.messages);
    projectName = name.replace(/\.[^.]*$/, '') || 'project';
    analysed = null;
    setResultsShown(false);
    multiplierBar.hidden = true;
    analyzeButton.disabled = false;
    byId('project-title').textContent = opened.title;
    document.title = `${opened.title} – STAVELORN`;
    byId('drop-hint').hidden = true;
    drawing.show(opened.svg, false);
    showMessages(opened.messages);
    if (!document.body.classList.contains('embed')) await editing.opened();
  } catch (error) {
    showFailure(error);
  }
}

async function openExample(name: string): Promise<void> {
  try {
    const text = exampleTexts.get(name);
    if (text === undefined) throw new Error(`There is no example "${name}".`);
    await openProject(`${name}.str`, text);
    byId<HTMLSelectElement>('example').value = name;
  } catch (error) {
    showFailure(error);
  }
}

async function openFile(file: File): Promise<void> {
  byId<HTMLSelectElement>('example').value = '';
  await openProject(file.name, new TextDecoder('utf-8').decode(await file.arrayBuffer()));
}

async function analyze(): Promise<void> {
  try {
    const double = byId<HTMLSelectElement>('precision').value === 'double';
    const result = await engine.ask<Analysed>({ op: 'analyze', double });
    analysed = result;
    if (result.svg) drawing.show(result.svg, true);
    setResultsShown(result.complete);
    multiplierBar.hidden = result.multiplier === undefined;
    multiplierBox.value = (result.multiplier ?? '').trim();
    const choices = byId<HTMLDataListElement>('multiplier-choices');
    choices.replaceChildren(
      ...(result.choices ?? []).map((c) => Object.assign(document.createElement('option'), { value: c.trim() })),
    );
    showChoices(result.shown ?? [], result.shownIndex ?? 0);
    if (result.complete) showTable(0);
    showMessages(result.messages);
  } catch (error) {
    showFailure(error);
  }
}

// "Show:" beside the multiplier, for a project with load cases: a case, a combination or the
// envelope, whose numbers the tables, drawing, diagrams and steps then show.
const shownBox = byId<HTMLSelectElement>('shown');
let noSteps = '';
function showChoices(captions: string[], index: number): void {
  shownBox.replaceChildren(...captions.map((caption, i) => new Option(caption, String(i))));
  shownBox.value = String(index);
  shownBox.hidden = byId('shown-caption').hidden = captions.length === 0;
  noSteps = '';
}

async function chooseShown(): Promise<void> {
  try {
    const chosen = await engine.ask<ShownChoice | null>({ op: 'show', choice: Number(shownBox.value) });
    if (!chosen || !analysed) return;
    analysed.tables = chosen.tables;
    noSteps = chosen.noSteps;
    drawing.show(chosen.svg, true);
    const form = view.querySelector<HTMLElement>('[data-form]')?.dataset.form;
    showTable(Math.max(0, ['Disp', 'MbForce', 'Reac'].indexOf(form ?? 'Disp')));
  } catch (error) {
    showFailure(error);
  }
}

async function enterMultiplier(): Promise<void> {
  try {
    const entered = await engine.ask<MultiplierEntered>({ op: 'multiplier', text: multiplierBox.value });
    showMessages(entered.messages);
    multiplierBox.value = entered.multiplier.trim();
    if (entered.svg) drawing.show(entered.svg, true);
  } catch (error) {
    showFailure(error);
  }
}

function showTable(index: number): void {
  const table: ResultTable | undefined = analysed?.tables?.[index];
  if (!table) return;
  const grid = resultGrid(table);
  grid.dataset.form = ['Disp', 'MbForce', 'Reac'][index];
  // A double-click on a row of Member Forces opens the window of the member the engine names.
  const members = index === 1 ? analysed?.forceRowMembers : undefined;
  if (members)
    grid.addEventListener('dblclick', (e) => {
      const row = (e.target as Element).closest('tr');
      const member = row && row.rowIndex > 0 ? members[row.rowIndex - 1] : undefined;
      if (member) void showMember(member);
    });
  const copy = copyButton(table.caption, table.copy);
  view.replaceChildren(heading(table.caption, 'h2'), heading(table.label1, 'p'), heading(table.label2, 'p'), copy, grid);
  // Turned supports: their reactions in their own axes follow the global ones.
  const local = index === 2 ? analysed?.tables?.[3] : undefined;
  if (local) view.append(heading(local.caption, 'h3'), copyButton(local.caption, local.copy), resultGrid(local));
  showsInView(grid.dataset.form);
}

function showReport(): void {
  const report = analysed?.report;
  if (!report) return;
  const text = document.createElement('pre');
  text.id = 'report';
  text.tabIndex = 0;
  text.setAttribute('aria-label', 'Report');
  text.textContent = report;
  const save = button('Save as .txt', () => {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([report], { type: 'text/plain' }));
    link.download = `${projectName}.txt`;
    link.click();
    URL.revokeObjectURL(link.href);
  });
  view.replaceChildren(heading('Report', 'h2'), save, text);
  showsInView('report');
}

// The structure with one quantity's diagram, and a button for each quantity of the type.
async function showDiagram(name: string): Promise<void> {
  try {
    const svg = await engine.ask<string>({ op: 'diagram', name });
    const chosen = analysed?.diagrams?.find((d) => d.name === name);
    if (!svg || !chosen) return;
    const choices = document.createElement('div');
    choices.className = 'choices';
    for (const d of analysed?.diagrams ?? []) {
      const choice = button(d.caption, () => void showDiagram(d.name));
      choice.setAttribute('aria-pressed', String(d.name === name));
      choices.append(choice);
    }
    const picture = document.createElement('img');
    picture.id = 'diagram';
    picture.src = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
    picture.alt = chosen.caption;
    picture.addEventListener('load', () => URL.revokeObjectURL(picture.src));
    view.replaceChildren(heading(chosen.caption, 'h2'), choices, memberChooser(), picture);
    showsInView('diagrams');
  } catch (error) {
    showFailure(error);
  }
}

// The member's own window after a complete analysis; the engine answers nothing before one.
async function showMember(member: number): Promise<void> {
  try {
    const shown = await engine.ask<MemberWindow | null>({ op: 'member', member });
    if (!shown) return;
    showMemberWindow(view, shown);
    showsInView('member');
  } catch (error) {
    showFailure(error);
  }
}

// "Member number:" and Member Diagrams, as the desktop's Diagrams menu asks for a member.
function memberChooser(): HTMLElement {
  const number = document.createElement('input');
  number.type = 'number';
  number.min = '1';
  number.value = '1';
  number.id = 'member-number';
  const label = document.createElement('label');
  label.htmlFor = number.id;
  label.textContent = 'Member number:';
  const open = button('Member Diagrams', () => void showMember(Number(number.value)));
  number.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') open.click();
  });
  const bar = document.createElement('div');
  bar.className = 'choices';
  bar.append(label, number, open);
  return bar;
}

function showSteps(): void {
  if (noSteps) {
    showMessages([{ title: resultButtons[5].textContent ?? '', text: noSteps, style: 'information' }]);
    return;
  }
  const ask = (step: number, marked: number) => engine.ask<MethodStep | null>({ op: 'step', step, marked });
  showMethodStep(view, ask, 0)
    .then(() => showsInView('steps'))
    .catch(showFailure);
}

// The help page of what is in view (the help panel's own when it has the focus), as F1 opens it.
async function helpOnView(): Promise<void> {
  const panel = byId<HTMLElement>('help-panel');
  const inHelp = !panel.hidden && panel.contains(document.activeElement);
  const page = await engine.ask<string>({ op: 'helpOfView', view: inHelp ? 'help' : (view.dataset.shows ?? '') });
  await help.open(page);
}

async function showAbout(): Promise<void> {
  const address = (folder: string) => new URL(folder, location.href).href;
  const about = await engine.ask<About>({ op: 'about', examples: address('examples/'), help: address('help/') });
  showMessages([{ title: about.title, text: about.text, style: 'information' }]);
}

async function fillHelpMenu(): Promise<void> {
  const menu = await engine.ask<HelpMenu>({ op: 'helpMenu' });
  const item = (caption: string, act: () => Promise<void>) => {
    const choice = button(caption, () => {
      byId<HTMLDetailsElement>('help-menu').open = false;
      act().catch(showFailure);
    });
    choice.setAttribute('role', 'menuitem');
    return choice;
  };
  const onView = item(menu.window.caption, helpOnView);
  onView.setAttribute('aria-keyshortcuts', menu.window.key);
  onView.setAttribute('aria-label', menu.window.caption);
  onView.append(Object.assign(document.createElement('kbd'), { textContent: menu.window.key }));
  byId<HTMLElement>('help-items').replaceChildren(
    ...menu.items.map((entry) => item(entry.caption, () => help.open(entry.page))),
    onView,
    item(menu.about, showAbout),
  );
}

async function start(): Promise<void> {
  const captions = await engine.ask<Captions>({ op: 'captions' });
  byId('open-caption').textContent = captions.open;
  analyzeButton.textContent = captions.analyze;
  const names: Array<[string, string]> = [
    ['show-Disp', captions.jointDisplacements],
    ['show-MbForce', captions.memberForces],
    ['show-Reac', captions.supportReactions],
    ['show-report', captions.print],
    ['show-diagrams', captions.diagrams],
    ['show-steps', captions.steps],
  ];
  for (const [id, caption] of names) byId(id).textContent = caption;
  byId('multiplier-caption').textContent = captions.multiplier;
  byId('precision-caption').textContent = captions.precision;
  for (const name of captions.precisions) byId('precision').append(new Option(name, name));
  byId('help-caption').textContent = captions.help;
  await fillHelpMenu();
  await drawMode.start();

  const select = byId<HTMLSelectElement>('example');
  // Every example's text comes with their list, so that choosing one waits for no download.
  const examples = (await (await fetch('examples/index.json')).json()) as Record<string, string>;
  for (const [name, text] of Object.entries(examples)) {
    exampleTexts.set(name, text);
    select.append(new Option(name, name));
  }
  const asked = new URLSearchParams(location.search).get('example');
  // The project kept from the last visit comes back, unless the address asks for an example
  // (a course page's link) and this is no reload.
  const navigation = performance.getEntriesByType('navigation')[0] as PerformanceNavigationTiming | undefined;
  const keptFirst = !asked || navigation?.type === 'reload';
  if ((await openLink()) || (keptFirst && (await editing.restoreKept(() => !projectChosen)))) return;
  if (asked) await openExample(asked);
}

window.addEventListener('hashchange', () => void openLink().catch(showFailure));
byId<HTMLSelectElement>('example').addEventListener('change', (e) => {
  const name = (e.target as HTMLSelectElement).value;
  if (name) void openExample(name);
});
byId<HTMLInputElement>('open-file').addEventListener('change', (e) => {
  const file = (e.target as HTMLInputElement).files?.[0];
  if (file) void openFile(file);
  (e.target as HTMLInputElement).value = '';
});
analyzeButton.addEventListener('click', () => void analyze());
resultButtons.slice(0, 3).forEach((b, i) => b.addEventListener('click', () => showTable(i)));
resultButtons[3].addEventListener('click', showReport);
resultButtons[4].addEventListener('click', () => void showDiagram(analysed?.diagrams?.[0]?.name ?? ''));
resultButtons[5].addEventListener('click', showSteps);
multiplierBox.addEventListener('change', () => void enterMultiplier());
shownBox.addEventListener('change', () => void chooseShown());
byId('cancel').addEventListener('click', () => engine.cancel());
byId('fit').addEventListener('click', () => drawing.fit());
const zoomCentre = (factor: number) => {
  const svg = document.querySelector<SVGSVGElement>('#drawing svg');
  const box = svg?.viewBox.baseVal;
  if (box) drawing.zoomAbout(factor, box.x + box.width / 2, box.y + box.height / 2);
};
byId('zoom-in').addEventListener('click', () => zoomCentre(1.25));
byId('zoom-out').addEventListener('click', () => zoomCentre(0.8));
document.addEventListener('dragover', (e) => {
  e.preventDefault();
  document.body.classList.add('dropping');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
document.addEventListener('drop', (e) => {
  e.preventDefault();
  document.body.classList.remove('dropping');
  const file = e.dataTransfer?.files[0];
  if (file) void openFile(file);
});
document.addEventListener('keydown', (e) => {
  if (e.key === 'F5' && !analyzeButton.disabled) {
    e.preventDefault();
    void analyze();
  }
  if (e.key === 'F1') {
    e.preventDefault();
    helpOnView().catch(showFailure);
  }
});
start().catch(showFailure);
