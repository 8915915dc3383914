// A moving load in the page, opened from a member's window: the train (a preset or the student's
// own loads and offsets), the lane load and the direction, as the desktop's Moving Load panel
// takes them; the engine answers with the train at its worst place over the influence line of
// the chosen internal force at a section, and on request the envelope along the member.
import { button, copyButton, headedTable, heading, resultGrid } from '../elements';
import { labelled, labelledChoice, svgPicture } from '../stability/stability-view';
import type { MovingEnvelope, MovingForm, MovingRequest, TrainEntry, TrainPlaced, TrainPreset } from './protocol';

export interface MovingHost {
  ask<T>(request: MovingRequest): Promise<T>;
  view: HTMLElement;
  showsInView(name: string): void;
  showFailure(error: unknown): void;
}

// The train's table: a row of two inputs for each load, named by row and column.
function trainTable(form: MovingForm): { table: HTMLTableElement; inputs: HTMLInputElement[][] } {
  const { table, body } = headedTable(form.train.replace(':', ''), form.columns);
  table.id = 'train-table';
  const inputs = Array.from({ length: form.rows }, (_, r) => {
    const row = body.insertRow();
    return form.columns.map((column) => {
      const input = document.createElement('input');
      input.size = 8;
      input.setAttribute('aria-label', `${column} ${r + 1}`);
      row.insertCell().append(input);
      return input;
    });
  });
  return { table, inputs };
}

// Adds to `where` the button that opens the panel for member `member` in the host's view;
// nothing before a complete analysis.
export async function addMovingLoadButton(host: MovingHost, member: number, where: HTMLElement): Promise<void> {
  const form = await host.ask<MovingForm | null>({ op: 'moving.form', member });
  if (!form) return;
  const open = button(form.title, () => showMovingLoad(host, form));
  open.id = 'moving-load-button';
  where.append(open);
}

function showMovingLoad(host: MovingHost, form: MovingForm): void {
  const { member } = form;
  const { table, inputs } = trainTable(form);
  const lane = document.createElement('input');
  lane.size = 8;
  const section = document.createElement('input');
  section.size = 8;
  section.value = form.x;
  let quantity = form.quantities[form.quantities.length - 1]?.name ?? '';
  let direction = 0;
  const entry = (): TrainEntry => ({
    cells: inputs.flatMap((row) => row.map((input) => input.value)),
    lane: lane.value,
    direction,
  });
  const result = document.createElement('div');
  result.id = 'moving-result';
  result.setAttribute('aria-live', 'polite');
  const envelope = document.createElement('div');
  envelope.id = 'moving-envelope';

  const place = async () => {
    const placed = await host.ask<TrainPlaced | null>({ op: 'moving.place', member, quantity, x: section.value, ...entry() });
    if (!placed) return;
    envelope.replaceChildren();
    if (placed.problem || !placed.svg) {
      result.replaceChildren(heading(placed.problem, 'p'));
      return;
    }
    result.replaceChildren(
      heading(placed.name ?? '', 'h3'),
      ...(placed.lines ?? []).map((line) => heading(line, 'p')),
      svgPicture(placed.svg, 'moving-picture', placed.name ?? ''),
    );
  };
  const replace = () => void place().catch(host.showFailure);
  const trains = labelledChoice('train-choice', form.train, form.trains, (index) => {
    void host.ask<TrainPreset | null>({ op: 'moving.preset', index }).then((preset) => {
      if (!preset) return;
      inputs.forEach((row, r) => row.forEach((input, c) => (input.value = preset.rows[r]?.[c] ?? '')));
      lane.value = preset.lane;
      replace();
    }, host.showFailure);
  });
  const trainChoice = trains.querySelector('select') as HTMLSelectElement;
  // Typing makes the train the student's own.
  const typed = () => {
    trainChoice.value = '0';
    replace();
  };
  for (const input of [...inputs.flat(), lane]) input.addEventListener('change', typed);
  section.addEventListener('change', replace);
  const directions = labelledChoice('train-direction', form.direction, form.directions, (index) => {
    direction = index;
    replace();
  });
  const quantities = labelledChoice(
    'moving-quantity',
    form.quantity,
    form.quantities.map((q) => `${q.name}   ${q.caption}`),
    (index) => {
      quantity = form.quantities[index].name;
      replace();
    },
  );
  (quantities.querySelector('select') as HTMLSelectElement).value = String(form.quantities.length - 1);
  const envelopeButton = button(form.envelope, () => {
    host.ask<MovingEnvelope | null>({ op: 'moving.envelope', member, quantity, ...entry() }).then((shown) => {
      if (!shown) return;
      if (shown.problem || !shown.table || !shown.svg) {
        envelope.replaceChildren(heading(shown.problem, 'p'));
        return;
      }
      envelope.replaceChildren(
        heading(shown.title ?? '', 'h3'),
        svgPicture(shown.svg, 'envelope-picture', shown.title ?? ''),
        copyButton(shown.table.caption, shown.table.copy),
        resultGrid(shown.table),
      );
    }, host.showFailure);
  });
  envelopeButton.id = 'moving-envelope-button';
  const panel = document.createElement('div');
  panel.className = 'moving-panel';
  panel.append(
    quantities,
    labelled(section, 'moving-section', form.section),
    trains,
    table,
    labelled(lane, 'lane-load', form.lane),
    directions,
    envelopeButton,
  );
  host.view.replaceChildren(heading(`${form.title}: member ${member}`, 'h2'), panel, result, envelope);
  host.showsInView('movingLoad');
  replace();
}
