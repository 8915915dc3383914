// The page: forwards the user's commands to the engine worker and shows what it answers. Every
// caption, message, number and table comes from the engine; nothing here decides a rule. This
// file builds the parts and wires the page-wide events; each part lives in its own module.
import { engineShowingBusy } from './busy';
import { DrawingPane } from './drawing';
import { byId } from './elements';
import { HelpMenuBar } from './help-menu';
import { MessageArea } from './messages';
import { ProjectOpening } from './opening';
import { ReportPrinting } from './print/report-printing';
import type { Captions } from './protocol';
import { ResultsView } from './results-view';

const engine = engineShowingBusy(byId('busy'), byId('busy-text'));
const messages = new MessageArea(byId('messages'), () => results.showReport());
const drawing = new DrawingPane(
  byId('drawing'),
  byId('tip'),
  (kind, number) => engine.ask<string>({ op: 'pick', kind, number }).catch(() => ''),
  (member) => void results.showMember(member),
);
const results = new ResultsView(engine, drawing, messages, new ReportPrinting((request) => engine.ask(request)));
const help = new HelpMenuBar(engine, results.view, messages);
const opening = new ProjectOpening(engine, drawing, results, messages);

async function start(): Promise<void> {
  const captions = await engine.ask<Captions>({ op: 'captions' });
  byId('open-caption').textContent = captions.open;
  results.analyzeButton.textContent = captions.analyze;
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
  await results.showToolCommands();
  byId('help-caption').textContent = captions.help;
  await help.fill();
  await opening.listExamples();
  const asked = new URLSearchParams(location.search).get('example');
  // The project kept from the last visit comes back, unless the address asks for an example
  // (a course page's link) and this is no reload.
  const navigation = performance.getEntriesByType('navigation')[0] as PerformanceNavigationTiming | undefined;
  const keptFirst = !asked || navigation?.type === 'reload';
  if ((await opening.openLink()) || (keptFirst && (await opening.restoreKept()))) return;
  if (asked) await opening.openExample(asked);
}

window.addEventListener('hashchange', () => void opening.openLink().catch((error) => messages.failure(error)));
byId<HTMLInputElement>('open-file').addEventListener('change', (e) => {
  const file = (e.target as HTMLInputElement).files?.[0];
  if (file) void opening.openFile(file);
  (e.target as HTMLInputElement).value = '';
});
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
  if (file) void opening.openFile(file);
});
document.addEventListener('keydown', (e) => {
  if (e.key === 'F5' && !results.analyzeButton.disabled) {
    e.preventDefault();
    void results.analyze();
  }
  if (e.key === 'F1') {
    e.preventDefault();
    help.helpOnView().catch((error) => messages.failure(error));
  }
});
start().catch((error) => messages.failure(error));
