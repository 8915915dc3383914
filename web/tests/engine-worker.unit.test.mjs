// The engine worker and the page's client of it, in Node with a recording engine and a fake
// Worker: each request reaches the engine's binding it names with its arguments and comes back
// as the JSON text the page parses; a failure comes back as a refusal; the help pages are written
// once; the client matches answers to requests, shows when it works, and Cancel starts afresh.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './bundle.mjs';

// Every binding records its call and answers its own name, or what `answers` says.
const calls = [];
const answers = { chooseShown: '', methodStep: '', memberDiagrams: '', snapshot: 'kept' };
const binding = (name) => (...args) => {
  calls.push([name, ...args]);
  if (answers[name] instanceof Error) throw answers[name];
  return answers[name] ?? name;
};
const bindings = (names) => Object.fromEntries(names.map((name) => [name, binding(name)]));
const session = bindings(['open', 'analyze', 'chooseShown', 'enterMultiplier', 'diagramPicture', 'pickText', 'methodStep', 'memberDiagrams']);
const editing = bindings(['newProject', 'state', 'openList', 'closeList', 'listCommand', 'typeField', 'clickCheck', 'clickSpring', 'typeStiffness', 'choose', 'entryCommand', 'undo', 'redo', 'unitsForm', 'changeUnits', 'projectText', 'openCopy', 'snapshot', 'restore']);
const engine = {
  PageSession: Object.assign(function () { return session; }, { captions: binding('captions') }),
  PageEditing: Object.assign(function (given) { assert.equal(given, session); return editing; }, { titleForm: binding('titleForm') }),
  ...bindings(['helpMenu', 'helpContents', 'helpSearch', 'helpPageOfView', 'about']),
  FS: bindings(['mkdir', 'writeFile']),
};
let helpPages = null;
const posted = [];
Object.assign(globalThis, {
  self: globalThis,
  importScripts: binding('importScripts'),
  StavelornEngine: async () => engine,
  postMessage: (reply) => posted.push(reply),
  fetch: async (address) => {
    calls.push(['fetch', address]);
    if (!helpPages) throw new Error('offline');
    return { json: async () => helpPages };
  },
});
await load('engine-worker.ts');
const loading = [...calls];

async function ask(id, request) {
  calls.length = 0;
  await globalThis.onmessage({ data: { id, request } });
  return posted.pop();
}

test('the worker answers each request from the binding it names', async () => {
  assert.deepEqual(loading, [['importScripts', 'stavelorn-engine.js']]);
  const json = (name) => JSON.stringify(name);
  const rows = [
    [{ op: 'captions' }, [['captions']], 'captions'],
    [{ op: 'open', name: 'a.str', text: 'T' }, [['open', 'a.str', 'T']], 'open'],
    [{ op: 'analyze', double: true }, [['analyze', true]], 'analyze'],
    [{ op: 'show', choice: 2 }, [['chooseShown', 2]], 'null'],
    [{ op: 'multiplier', text: '2' }, [['enterMultiplier', '2']], 'enterMultiplier'],
    [{ op: 'diagram', name: 'M' }, [['diagramPicture', 'M']], json('diagramPicture')],
    [{ op: 'pick', kind: 'joint', number: 3 }, [['pickText', 'joint', 3]], json('pickText')],
    [{ op: 'step', step: 4, marked: 1 }, [['methodStep', 4, 1]], 'null'],
    [{ op: 'member', member: 5 }, [['memberDiagrams', 5]], 'null'],
    [{ op: 'helpMenu' }, [['helpMenu']], 'helpMenu'],
    [{ op: 'helpOfView', view: 'steps' }, [['helpPageOfView', 'steps']], json('helpPageOfView')],
    [{ op: 'about', examples: 'e', help: 'h' }, [['about', 'e', 'h']], 'about'],
    [{ op: 'edit.titleForm' }, [['titleForm']], 'titleForm'],
    [{ op: 'edit.new', title: 'T', type: 'PFrame' }, [['newProject', 'T', 'PFrame']], 'newProject'],
    [{ op: 'edit.state' }, [['state']], 'state'],
    [{ op: 'edit.openList', item: 'joints' }, [['openList', 'joints']], 'openList'],
    [{ op: 'edit.closeList' }, [['closeList'], ['state']], 'state'],
    [{ op: 'edit.list', command: 'insert', first: 2, last: 3, confirmed: true }, [['listCommand', 'insert', 2, 3, true]], 'listCommand'],
    [{ op: 'edit.type', field: 1, text: '5' }, [['typeField', 1, '5']], 'typeField'],
    [{ op: 'edit.check', check: 2, checked: false }, [['clickCheck', 2, false]], 'clickCheck'],
    [{ op: 'edit.spring', check: 1, spring: true }, [['clickSpring', 1, true]], 'clickSpring'],
    [{ op: 'edit.stiffness', check: 3, text: '9' }, [['typeStiffness', 3, '9']], 'typeStiffness'],
    [{ op: 'edit.choose', option: 1 }, [['choose', 1]], 'choose'],
    [{ op: 'edit.entry', command: 'next' }, [['entryCommand', 'next']], 'entryCommand'],
    [{ op: 'edit.undo' }, [['undo']], 'undo'],
    [{ op: 'edit.redo' }, [['redo']], 'redo'],
    [{ op: 'edit.unitsForm' }, [['unitsForm']], 'unitsForm'],
    [{ op: 'edit.units', named: true, units: [1, 2, 0], answer: 'convert' }, [['changeUnits', true, 1, 2, 0, 'convert']], 'changeUnits'],
    [{ op: 'edit.text', save: true }, [['projectText', true]], 'projectText'],
    [{ op: 'edit.openCopy', text: 'T' }, [['openCopy', 'T']], 'openCopy'],
    [{ op: 'edit.snapshot' }, [['snapshot']], json('kept')],
    [{ op: 'edit.restore', snapshot: 's' }, [['restore', 's']], json('restore')],
  ];
  for (const [[request, made, value], id] of rows.map((row, i) => [row, i + 1])) {
    assert.deepEqual(await ask(id, request), { id, ok: true, value }, request.op);
    assert.deepEqual(calls, made, request.op);
  }
});

test('a binding that throws gives a refusal with its message', async () => {
  answers.analyze = new Error('out of memory');
  assert.deepEqual(await ask(7, { op: 'analyze', double: false }), { id: 7, ok: false, error: 'Error: out of memory' });
  delete answers.analyze;
});

test('the help pages are written into the module once, and fetched again after a failure', async () => {
  assert.deepEqual(await ask(1, { op: 'helpContents' }), { id: 1, ok: false, error: 'Error: offline' });
  helpPages = { intro: 'I', steps: 'S' };
  const written = [['fetch', 'help/pages.json'], ['mkdir', '/help'], ['writeFile', '/help/intro.md', 'I'], ['writeFile', '/help/steps.md', 'S']];
  for (const [request, made] of [
    [{ op: 'helpContents' }, [...written, ['helpContents', '/help']]],
    [{ op: 'helpSearch', query: 'beam' }, [['helpSearch', '/help', 'beam']]],
    [{ op: 'helpContents' }, [['helpContents', '/help']]],
  ]) {
    assert.equal((await ask(2, request)).ok, true);
    assert.deepEqual(calls, made);
  }
});

// The page's side: a fake Worker keeps what it was sent; `answer` replies as the worker would.
const workers = [];
globalThis.Worker = class {
  constructor(script) {
    Object.assign(this, { script, sent: [], ended: false });
    workers.push(this);
  }
  postMessage(envelope) {
    this.sent.push(envelope);
  }
  terminate() {
    this.ended = true;
  }
};
const { EngineClient, Cancelled } = await load('engine-client.ts');
const settle = () => new Promise((resolve) => setTimeout(resolve, 0));
const answer = (worker, reply) => worker.onmessage({ data: reply });

test('the client matches each answer to its request, and shows it works except for quick asks', async () => {
  const busy = [];
  const client = new EngineClient((b) => busy.push(b));
  const worker = workers.at(-1);
  assert.equal(worker.script, 'engine-worker.js');
  const tip = client.ask({ op: 'pick', kind: 'joint', number: 1 });
  answer(worker, { id: 1, ok: true, value: '"tip"' });
  assert.equal(await tip, 'tip');
  assert.deepEqual(busy, [], 'a tip alone is not work shown');
  const first = client.ask({ op: 'analyze', double: false });
  const second = client.ask({ op: 'captions' });
  const third = client.ask({ op: 'edit.type', field: 1, text: '2' });
  assert.deepEqual(worker.sent.map((e) => [e.id, e.request.op]), [[1, 'pick'], [2, 'analyze'], [3, 'captions'], [4, 'edit.type']]);
  answer(worker, { id: 9, ok: true, value: '0' });
  answer(worker, { id: 4, ok: false, error: 'no field' });
  answer(worker, { id: 2, ok: true, value: '{"complete":true}' });
  await assert.rejects(third, { message: 'no field' });
  assert.deepEqual(await first, { complete: true });
  assert.deepEqual(busy, [true, true], 'still working on the captions');
  answer(worker, { id: 3, ok: true, value: '{}' });
  await second;
  assert.deepEqual(busy, [true, true, false]);
  const failing = client.ask({ op: 'captions' });
  let prevented = false;
  worker.onerror({ message: 'worker died', preventDefault: () => (prevented = true) });
  await assert.rejects(failing, { message: 'worker died' });
  assert.ok(prevented);
});

test('Cancel ends the worker, refuses what was asked, and gives a fresh worker the project back', async () => {
  const opened = { op: 'open', name: 'a.str', text: 'T' };
  const restore = { op: 'edit.restore', snapshot: 's' };
  for (const [open, kept, given] of [[false, null, []], [true, null, [opened]], [true, restore, [restore]]]) {
    const busy = [];
    const client = new EngineClient((b) => busy.push(b));
    const asked = open ? [client.ask(opened)] : [];
    if (kept) client.keepForRestart(kept);
    asked.push(client.ask({ op: 'analyze', double: true }));
    const old = workers.at(-1);
    client.cancel();
    for (const refused of asked) await assert.rejects(refused, Cancelled);
    await settle();
    assert.ok(old.ended);
    const fresh = workers.at(-1);
    assert.notEqual(fresh, old);
    assert.deepEqual(fresh.sent.map((e) => e.request), given);
    assert.equal(busy.at(-1), false);
    answer(old, { id: 2, ok: true, value: '1' });
    for (const { id } of fresh.sent) answer(fresh, { id, ok: false, error: 'gone' });
    await settle();
  }
});
