// The page's modal boxes: a dialog titled for screen readers, closed and removed as one, and the
// questions the engine asks, with the buttons it names.
import { button, heading } from '../elements';

// An empty modal box `id` under the heading `caption`, and what closes it; shown once filled.
export function modalBox(id: string, caption: string): { box: HTMLDialogElement; close: () => void } {
  const box = document.createElement('dialog');
  box.id = id;
  const title = heading(caption, 'h2');
  title.id = `${id}-caption`;
  box.setAttribute('aria-labelledby', title.id);
  box.append(title);
  const close = () => {
    box.close();
    box.remove();
  };
  return { box, close };
}

// A question with OK and Cancel, in a modal box; resolves to whether OK was chosen.
export async function confirmBox(title: string, text: string): Promise<boolean> {
  return (await questionBox(title, text, ['OK', 'Cancel'])) === 'OK';
}

// A question in a modal box with the buttons `answers`, the last of them the one Escape chooses;
// resolves to the caption of the button chosen.
export function questionBox(title: string, text: string, answers: string[]): Promise<string> {
  const { box, close } = modalBox('question', title);
  const body = document.createElement('p');
  body.textContent = text;
  body.className = 'question-text';
  box.append(body);
  return new Promise((resolve) => {
    const answer = (chosen: string) => {
      close();
      resolve(chosen);
    };
    const buttons = answers.map((a) => {
      const b = button(a, () => answer(a));
      b.id = `question-${a.toLowerCase()}`;
      return b;
    });
    box.addEventListener('cancel', (e) => {
      e.preventDefault();
      answer(answers[answers.length - 1]);
    });
    box.append(...buttons);
    document.body.append(box);
    box.showModal();
    buttons[0].focus();
  });
}
