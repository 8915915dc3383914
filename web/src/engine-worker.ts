// The engine's own thread: loads the WebAssembly module and keeps the one page session, so that
// a long analysis never holds up the page (the page ends this worker to cancel one).
import type { Envelope, Reply, Request } from './protocol';

interface PageSession {
  open(name: string, text: string): string;
  analyze(double: boolean): string;
  enterMultiplier(text: string): string;
  diagramPicture(name: string): string;
  pickText(kind: string, number: number): string;
}
interface EngineModule {
  PageSession: { new (): PageSession; captions(): string };
}
declare const StavelornEngine: () => Promise<EngineModule>;
declare function importScripts(...urls: string[]): void;

importScripts('stavelorn-engine.js');
const ready = StavelornEngine().then((engine) => ({ engine, session: new engine.PageSession() }));

async function answer(request: Request): Promise<string> {
  const { engine, session } = await ready;
  switch (request.op) {
    case 'captions':
      return engine.PageSession.captions();
    case 'open':
      return session.open(request.name, request.text);
    case 'analyze':
      return session.analyze(request.double);
    case 'multiplier':
      return session.enterMultiplier(request.text);
    case 'diagram':
      return JSON.stringify(session.diagramPicture(request.name));
    case 'pick':
      return JSON.stringify(session.pickText(request.kind, request.number));
  }
}

self.onmessage = async (event: MessageEvent<Envelope>) => {
  const { id, request } = event.data;
  let reply: Reply;
  try {
    reply = { id, ok: true, value: await answer(request) };
  } catch (error) {
    reply = { id, ok: false, error: String(error) };
  }
  self.postMessage(reply);
};
