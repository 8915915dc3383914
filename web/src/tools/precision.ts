// Project > Precision…: the desktop's two choices with the sentences that explain them, kept in
// the browser's storage as the desktop keeps the choice in its settings, and the offer of double
// precision after a slow analysis of a large structure. The engine reads the kept setting and
// decides what it means, what Analyze solves in and when the offer is made.
import { button } from '../elements';
import { modalBox, questionBox } from '../editing/modal';
import { withKey } from './check-work';
import type { PrecisionForm, ToolRequest } from './protocol';

type Ask = <T>(request: ToolRequest) => Promise<T>;

const storageKey = 'stavelorn.precision';

function kept(): string {
  try {
    return localStorage.getItem(storageKey) ?? '';
  } catch {
    return '';
  }
}

export class PrecisionCommand {
  private form: PrecisionForm | null = null;

  constructor(
    private readonly ask: Ask,
    private readonly command: HTMLButtonElement,
  ) {
    command.addEventListener('click', () => void this.choose());
  }

  // The command's caption, and the kept choice read back; also before each analysis, so that an
  // engine started afresh (after Cancel) solves as chosen. Whether Analyze solves in double
  // precision alone.
  async restore(): Promise<boolean> {
    const form = await this.ask<PrecisionForm>({ op: 'tools.precisionRestore', setting: kept() });
    this.keep(form);
    return form.double;
  }

  // After an analysis: the engine's offer of double precision, when it makes one. Yes and No
  // answer it; Escape leaves it unanswered, to come again.
  async offer(): Promise<void> {
    const offer = await this.ask<{ title: string; text: string } | null>({ op: 'tools.precisionOffer' });
    if (!offer) return;
    const answer = await questionBox(offer.title, offer.text, ['Yes', 'No', 'Cancel']);
    if (answer !== 'Cancel') this.keep(await this.ask<PrecisionForm>({ op: 'tools.precisionAnswer', yes: answer === 'Yes' }));
  }

  private keep(form: PrecisionForm): void {
    this.form = form;
    this.command.textContent = form.command.caption;
    withKey(this.command, form.command);
    try {
      localStorage.setItem(storageKey, form.chosen);
    } catch {
      // A browser that keeps nothing still solves as chosen until the page closes.
    }
  }

  private async choose(): Promise<void> {
    const form = this.form ?? (await this.restore(), this.form);
    if (!form) return;
    const { box, close } = modalBox('precision-dialog', form.title);
    box.addEventListener('close', close);
    const group = document.createElement('fieldset');
    group.setAttribute('aria-labelledby', 'precision-dialog-caption');
    const radios = form.options.map((option) => {
      const radio = document.createElement('input');
      radio.type = 'radio';
      radio.name = 'precision';
      radio.id = `precision-${option.setting}`;
      radio.value = option.setting;
      radio.checked = option.setting === form.chosen;
      const label = withKey(document.createElement('label'), option.label);
      label.htmlFor = radio.id;
      label.textContent = option.label.caption;
      const explained = document.createElement('p');
      explained.className = 'explanation';
      explained.id = `${radio.id}-explained`;
      explained.textContent = option.explanation;
      radio.setAttribute('aria-describedby', explained.id);
      group.append(radio, label, explained);
      return radio;
    });
    const ok = button('OK', () => {
      const chosen = radios.find((r) => r.checked)?.value ?? form.chosen;
      close();
      void this.ask<PrecisionForm>({ op: 'tools.precisionChoose', setting: chosen }).then((f) => this.keep(f));
    });
    ok.id = 'precision-ok';
    const cancel = button('Cancel', close);
    const buttons = document.createElement('div');
    buttons.className = 'dialog-buttons';
    buttons.append(ok, cancel);
    box.append(group, buttons);
    document.body.append(box);
    box.showModal();
    radios.find((r) => r.checked)?.focus();
  }
}
