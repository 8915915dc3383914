// The engine client whose long requests show the working indicator with the time they have taken.
import { EngineClient } from './engine-client';

// The indicator shows once a request has lasted a moment, so that quick answers do not make the
// page move twice.
const busyDelayMs = 200;

export function engineShowingBusy(busy: HTMLElement, busyText: HTMLElement): EngineClient {
  let busyDelay = 0;
  let busyTimer = 0;
  return new EngineClient((working) => {
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
}
