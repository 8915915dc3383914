// The engine's own thread: loads the WebAssembly module and keeps the one page session, so that
// a long analysis never holds up the page (the page ends this worker to cancel one).
import { answerEditing, isEditRequest, type PageEditingBinding } from './editing/protocol';
import { answerMoving, isMovingRequest, type PageMovingLoadBinding } from './moving/protocol';
import type { Envelope, Reply, Request } from './protocol';
import { answerStability, isStabilityRequest, type EngineList, type PageStabilityBinding } from './stability/protocol';
import { answerTool, isToolRequest, makeTools, type ToolClasses } from './tools/protocol';

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
interface PagePrint {
  options(remembered: string): string;
  choose(ticked: string): string;
  pages(ticked: string): string;
}
interface PageLoadCases {
  window(): string;
  command(button: string, row: number, name: string, confirmed: boolean): string;
}
interface EngineModule extends ToolClasses<PageSession> {
  PageSession: { new (): PageSession; captions(): string };
  PagePrint: { new (session: PageSession): PagePrint };
  PageLoadCases: { new (session: PageSession, editing: PageEditingBinding): PageLoadCases };
  PageEditing: { new (session: PageSession): PageEditingBinding; titleForm(): string };
  PageStability: { new (session: PageSession): PageStabilityBinding };
  PageMovingLoad: { new (session: PageSession): PageMovingLoadBinding };
  StringList: { new (): EngineList & { push_back(text: string): void } };
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
  return {
    engine,
    session,
    editing,
    cases: new engine.PageLoadCases(session, editing),
    print: new engine.PagePrint(session),
    tools: makeTools(engine, session),
    stability: new engine.PageStability(session),
    moving: new engine.PageMovingLoad(session),
  };
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
  const { engine, session, editing, cases, print, tools, stability, moving } = await ready;
  if (isEditRequest(request)) return answerEditing(editing, () => engine.PageEditing.titleForm(), request);
  if (isToolRequest(request)) return answerTool(tools, request);
  const list = (texts: string[]) => {
    const made = new engine.StringList();
    for (const text of texts) made.push_back(text);
    return made;
  };
  if (isStabilityRequest(request)) return answerStability(stability, list, request);
  if (isMovingRequest(request)) return answerMoving(moving, list, request);
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
    case 'printOptions':
      return print.options(request.remembered);
    case 'printChoose':
      return print.choose(request.ticked);
    case 'printPages':
      return print.pages(request.ticked);
    case 'loadCases':
      return cases.window();
    case 'loadCaseCommand':
      return cases.command(request.button, request.row, request.name, request.confirmed);
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
