// The message area: the engine's messages as boxes with their buttons, the first one focused.
import { Cancelled } from './engine-client';
import type { Message } from './protocol';

export class MessageArea {
  // `answerYes` is what a question's Yes does (after an analysis: show the report).
  constructor(
    private readonly host: HTMLElement,
    private readonly answerYes: () => void,
  ) {}

  show(messages: Message[]): void {
    this.host.replaceChildren();
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
          ? [['Yes', () => this.answerYes()], ['No', () => undefined]]
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
      this.host.append(box);
    }
    this.host.querySelector<HTMLButtonElement>('button')?.focus();
  }

  // A request that failed; one the user cancelled says nothing.
  failure(error: unknown): void {
    if (error instanceof Cancelled) return;
    this.show([{ title: 'STAVELORN', text: String(error), style: 'stop' }]);
  }
}
