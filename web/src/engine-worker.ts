// The engine's own thread: loads the WebAssembly module and keeps the one page session, so that
// a long analysis never holds up the page (the page ends this worker to cancel one).
import { answerDrawing, isDrawRequest, type PageDrawingBinding } from './draw/protocol';
import { answerEditing, isEditRequest, type PageEditingBinding } from './editing/protocol';
import type { Envelope, Reply, Request } from './protocol';

interface PageSession {
  open(name: string, text: string): string;
  analyze(double: boolean): string;
  chooseShown(choice: number): string;
  enterMultiplier(text: string): string;
  diagramPicture(name: string): string;
  pickText(kind: string, number: number): string;
  methodStep(step: number, marked: number): string;
  memberDiagrams(member: number): string;
}
interface EngineModule {
  PageSession: { new (): PageSession; captions(): string };
  PageEditing: { new (session: PageSession): PageEditingBinding; titleForm(): string };
  PageDrawing: new (session: PageSession, editing: PageEditingBinding) => PageDrawingBinding;
  helpMenu(): string;
  helpContents(folder: string): string;
  helpSearch(folder: string, query: string): string;
  helpPageOfView(view: string): string;
  about(examples: string, help: string): string;
  FS: { mkdir(path: string): void; writeFile(path: string, text: string): void };
}
declare const StavelornEngine: () => Promise<EngineModule>;
declare function importScripts(...urls: string[]): void;

importScripts('stavelorn-engine.js');
const ready = StavelornEngine().then((engine) => {
  const session = new engine.PageSession();
  const editing = new engine.PageEditing(session);
  return { engine, session, editing, drawing: new engine.PageDrawing(session, editing) };
});

// The help pages, put once into the module's file system, where the help window's code reads them.
const helpFolder = '/help';
let helpWritten: Promise<void> | null = null;
function writeHelp(engine: EngineModule): Promise<void> {
  helpWritten ??= fetch('help/pages.json')
    .then((response) => response.json() as Promise<Record<string, string>>)
    .then((pages) => {
      engine.FS.mkdir(helpFolder);
      for (const [id, text] of Object.entries(pages)) engine.FS.writeFile(`${helpFolder}/${id}.md`, text);
    })
    .catch((error) => {
      helpWritten = null;
      throw error;
    });
  return helpWritten;
}

async function answer(request: Request): Promise<string> {
  const { engine, session, editing, drawing } = await ready;
  if (isEditRequest(request)) return answerEditing(editing, () => engine.PageEditing.titleForm(), request);
  if (isDrawRequest(request)) return answerDrawing(drawing, request);
  switch (request.op) {
    case 'captions':
      return engine.PageSession.captions();
    case 'open':
      return session.open(request.name, request.text);
    case 'analyze':
      return session.analyze(request.double);
    case 'show':
      return session.chooseShown(request.choice) || 'null';
    case 'multiplier':
      return session.enterMultiplier(request.text);
    case 'diagram':
      return JSON.stringify(session.diagramPicture(request.name));
    case 'pick':
      return JSON.stringify(session.pickText(request.kind, request.number));
    case 'step':
      return session.methodStep(request.step, request.marked) || 'null';
    case 'member':
      return session.memberDiagrams(request.member) || 'null';
    case 'helpMenu':
      return engine.helpMenu();
    case 'helpContents':
      await writeHelp(engine);
      return engine.helpContents(helpFolder);
    case 'helpSearch':
      await writeHelp(engine);
      return engine.helpSearch(helpFolder, request.query);
    case 'helpOfView':
      return JSON.stringify(engine.helpPageOfView(request.view));
    case 'about':
      return engine.about(request.examples, request.help);
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
