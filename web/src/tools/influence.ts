// Influence Lines: the quantity and the path picked from the engine's lists or by clicking the
// drawing, the line drawn under the structure with its extremes, the principle that explains
// its shape, and the table of stations. The engine fills every list and draws every picture.
import { button, copyButton, heading, resultGrid } from '../elements';
import { withKey } from './check-work';
import type { Caption, InfluenceState, ToolRequest } from './protocol';

type Ask = <T>(request: ToolRequest) => Promise<T>;

// How far along the clicked member's first stroke (its line from joint to joint) a click lies.
function fractionAlong(group: SVGGElement, event: MouseEvent): number {
  const line = group.querySelector('line');
  const svg = group.ownerSVGElement;
  const matrix = svg?.getScreenCTM();
  if (!line || !svg || !matrix) return 0.5;
  const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(matrix.inverse());
  const [x1, y1, x2, y2] = ['x1', 'y1', 'x2', 'y2'].map((a) => Number(line.getAttribute(a)));
  const length2 = (x2 - x1) ** 2 + (y2 - y1) ** 2;
  return length2 ? ((point.x - x1) * (x2 - x1) + (point.y - y1) * (y2 - y1)) / length2 : 0;
}

// The command's button, named as the desktop's Diagrams menu names it.
export async function showInfluenceCommand(ask: Ask, command: HTMLButtonElement): Promise<void> {
  const caption = await ask<Caption>({ op: 'tools.influenceCommand' });
  withKey(command, caption).textContent = caption.caption;
}

// The window in `view`; false when the engine has no complete analysis to study.
export async function showInfluence(view: HTMLElement, ask: Ask): Promise<boolean> {
  const state = await ask<InfluenceState | null>({ op: 'tools.influenceOpen' });
  if (!state) return false;
  new InfluenceView(view, ask).show(state);
  return true;
}

class InfluenceView {
  private readonly kind = document.createElement('select');
  private readonly itemLabel = document.createElement('label');
  private readonly item = document.createElement('input');
  private readonly component = document.createElement('select');
  private readonly sectionLabel = document.createElement('label');
  private readonly section = document.createElement('input');
  private readonly path = document.createElement('output');
  private readonly pickPath: HTMLButtonElement;
  private readonly defaultPath: HTMLButtonElement;
  private readonly problem = document.createElement('p');
  private readonly principle = document.createElement('p');
  private readonly picture = document.createElement('div');
  private readonly table = document.createElement('div');
  private built = false;

  constructor(
    private readonly view: HTMLElement,
    private readonly ask: Ask,
  ) {
    this.kind.id = 'influence-kind';
    this.item.id = 'influence-item';
    this.item.type = 'number';
    this.item.min = '1';
    this.component.id = 'influence-component';
    this.component.setAttribute('aria-label', 'Component');
    this.section.id = 'influence-section';
    this.section.size = 8;
    this.path.id = 'influence-path';
    this.problem.id = 'influence-problem';
    this.problem.setAttribute('role', 'alert');
    this.principle.id = 'influence-principle';
    this.picture.id = 'influence-picture';
    this.picture.setAttribute('role', 'img');
    this.table.id = 'influence-table';
    this.pickPath = button('', () =>
      void this.send({ op: 'tools.influencePickPath', on: this.pickPath.getAttribute('aria-pressed') !== 'true' }),
    );
    this.pickPath.id = 'influence-pick-path';
    this.defaultPath = button('', () => void this.send({ op: 'tools.influenceDefaultPath' }));
    this.defaultPath.id = 'influence-default-path';
    this.kind.addEventListener('change', () => void this.send({ op: 'tools.influenceKind', kind: Number(this.kind.value) }));
    const controls = () =>
      void this.send({
        op: 'tools.influenceControls',
        item: Number(this.item.value),
        component: Number(this.component.value),
        section: this.section.value,
      });
    for (const control of [this.item, this.component, this.section]) control.addEventListener('change', controls);
    // A click on a joint picks its reaction or displacement; on a member, its section or (while
    // picking the path) the member itself.
    this.picture.addEventListener('click', (e) => {
      const group = (e.target as Element).closest<SVGGElement>('g[data-joint], g[data-member]');
      if (group?.dataset.joint) void this.send({ op: 'tools.influenceJoint', joint: Number(group.dataset.joint) });
      else if (group?.dataset.member)
        void this.send({ op: 'tools.influenceMember', member: Number(group.dataset.member), fraction: fractionAlong(group, e) });
    });
  }

  private async send(request: ToolRequest): Promise<void> {
    const state = await this.ask<InfluenceState | null>(request);
    if (state) this.show(state);
    else this.view.replaceChildren();
  }

  private label(element: HTMLLabelElement, caption: Caption, control: HTMLElement): HTMLLabelElement {
    element.textContent = caption.caption;
    element.htmlFor = control.id;
    return withKey(element, caption);
  }

  private build(state: InfluenceState): void {
    const { labels } = state;
    this.kind.replaceChildren(...state.kinds.map((caption, i) => new Option(caption, String(i))));
    this.label(this.sectionLabel, labels.section, this.section);
    withKey(this.pickPath, labels.pickPath).textContent = labels.pickPath.caption;
    withKey(this.defaultPath, labels.defaultPath).textContent = labels.defaultPath.caption;
    const row = (...parts: HTMLElement[]) => {
      const bar = document.createElement('div');
      bar.className = 'choices';
      bar.append(...parts);
      return bar;
    };
    const pathLabel = this.label(document.createElement('label'), labels.path, this.path);
    this.view.replaceChildren(
      heading(state.title, 'h2'),
      row(
        this.label(document.createElement('label'), labels.quantity, this.kind),
        this.kind,
        this.itemLabel,
        this.item,
        this.component,
        this.sectionLabel,
        this.section,
      ),
      row(pathLabel, this.path, this.pickPath, this.defaultPath),
      this.problem,
      this.principle,
      this.picture,
      this.table,
    );
    this.built = true;
  }

  show(state: InfluenceState): void {
    if (!this.built || !this.view.contains(this.kind)) this.build(state);
    this.kind.value = String(state.kind);
    this.label(this.itemLabel, { caption: state.itemLabel, key: '' }, this.item);
    this.item.max = String(state.items);
    this.item.value = String(state.item);
    this.component.replaceChildren(...state.components.map((name, i) => new Option(name, String(i))));
    this.component.value = String(state.component);
    this.section.hidden = this.sectionLabel.hidden = !state.sectionShown;
    this.section.value = state.section;
    this.path.textContent = state.path;
    this.pickPath.setAttribute('aria-pressed', String(state.pickingPath));
    this.problem.textContent = state.problem;
    this.problem.hidden = !state.problem;
    this.principle.textContent = state.principle;
    if (state.svg) {
      this.picture.innerHTML = state.svg;
      this.picture.setAttribute('aria-label', state.table?.label2 ?? state.title);
    }
    if (state.table)
      this.table.replaceChildren(copyButton(state.table.label2, state.table.copy), resultGrid(state.table));
  }
}
