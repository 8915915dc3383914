// The method step by step: the step the engine answers, with Back and Next, a list to jump to
// any step, and in the structure's step a choice of the member whose cells stand out.
import { button, copyButton, heading, stepGrid } from './elements';
import type { MethodStep } from './protocol';

export type StepAsker = (step: number, marked: number) => Promise<MethodStep | null>;

export async function showMethodStep(view: HTMLElement, ask: StepAsker, step: number, marked = -1) {
  const shown = await ask(step, marked);
  if (!shown) return;
  const go = (to: number, mark = -1) => void showMethodStep(view, ask, to, mark);
  const back = button('< Back', () => go(shown.step - 1));
  back.disabled = !shown.back;
  const next = button('Next >', () => go(shown.step + 1));
  next.disabled = !shown.next;
  const jump = document.createElement('select');
  jump.setAttribute('aria-label', 'Step');
  shown.steps.forEach((caption, i) => jump.append(new Option(caption, String(i), false, i === shown.step)));
  jump.addEventListener('change', () => go(Number(jump.value)));
  const bar = document.createElement('div');
  bar.className = 'choices';
  bar.append(back, jump, next);

  const parts: HTMLElement[] = [heading(shown.title, 'h2'), bar, heading(shown.precisionNote, 'p')];
  parts.push(heading(shown.heading, 'h3'));
  if (shown.notes.length) {
    const notes = heading(shown.notes.join('\n'), 'p');
    notes.className = 'notes';
    if (shown.notesTip) notes.title = shown.notesTip;
    parts.push(notes);
  }
  if (shown.marking) {
    const mark = document.createElement('select');
    mark.setAttribute('aria-label', 'Mark the cells of member');
    mark.append(new Option('No member marked', '-1'));
    shown.members.forEach((caption, i) => mark.append(new Option(caption, String(i), false, i === shown.marked)));
    mark.addEventListener('change', () => go(shown.step, Number(mark.value)));
    parts.push(mark);
  }
  for (const table of shown.tables) {
    const block = document.createElement('div');
    block.className = 'step-table';
    const title = document.createElement('div');
    title.className = 'step-title';
    title.append(heading(table.title, 'p'), copyButton(table.title, table.copy));
    block.append(title, stepGrid(table, shown.shade));
    parts.push(block);
  }
  if (shown.lines.length) {
    const checks = document.createElement('pre');
    checks.tabIndex = 0;
    checks.setAttribute('aria-label', 'Equilibrium checks');
    checks.textContent = shown.lines.join('\n');
    parts.push(checks);
  }
  view.replaceChildren(...parts);
  view.dataset.step = String(shown.step);
}
