// A member's own window in the page: its diagrams one above another with its loads, beside the
// table of its internal forces, as the desktop's member window shows them.
import { copyButton, heading, resultGrid } from './elements';
import type { MemberWindow } from './protocol';

export function showMemberWindow(view: HTMLElement, shown: MemberWindow): void {
  const picture = document.createElement('img');
  picture.id = 'member-picture';
  picture.src = URL.createObjectURL(new Blob([shown.svg], { type: 'image/svg+xml' }));
  picture.alt = `Diagrams of member ${shown.member}`;
  picture.addEventListener('load', () => URL.revokeObjectURL(picture.src));
  const table = document.createElement('div');
  table.className = 'member-table';
  table.append(
    heading(shown.table.label1, 'h3'),
    heading(shown.table.label2, 'p'),
    copyButton(shown.caption, shown.table.copy),
    resultGrid(shown.table),
  );
  const body = document.createElement('div');
  body.className = 'member-window';
  body.append(picture, table);
  view.replaceChildren(heading(shown.caption, 'h2'), body);
  view.dataset.member = String(shown.member);
}
