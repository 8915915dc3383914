// The engine worker and the page's client of it, in Node with a recording engine and a fake
// Worker: each request reaches the binding it names with its arguments and comes back as the
// JSON text the page parses, a failure as a refusal; the help pages are written once; the client
// matches answers to requests, shows when it works, and Cancel starts a fresh worker.
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
const bindings = (names) => Object.fromEntries(names.split(' ').map((name) => [name, binding(name)]));
const session = bindings('open analyze chooseShown enterMultiplier diagramPicture pickText methodStep memberDiagrams');
const editing = bindings('newProject state openList closeList listCommand typeField clickCheck clickSpring typeStiffness choose entryCommand undo redo unitsForm changeUnits projectText openCopy snapshot restore');
const cases = bindings('window command');
const print = { options: binding('print.options'), choose: binding('print.choose'), pages: binding('print.pages') };
const engine = {
  PageSession: Object.assign(function () { return session; }, { captions: binding('captions') }),
  PageEditing: Object.assign(function (given) { return given === session ? editing : null; }, { titleForm: binding('titleForm') }),
  PageLoadCases: function (given, edits) { return given === session && edits === editing ? cases : null; },
  PagePrint: function () { return print; },
  ...Object.fromEntries('PageStability PageMovingLoad PageCheckWork PageInfluence PagePrecision PageDrawing'.split(' ').map((name) => [name, function () { return {}; }])),
  ...bindings('helpMenu helpContents helpSearch helpPageOfView about'),
  FS: bindings('mkdir writeFile'),
};
let helpPages = null;
const posted = [];
Object.assign(globalThis, {
  self: globalThis,
  importScripts: binding('importScripts'),
  StavelornEngine: async () => engine,
  postMessage: (reply) => posted.push(reply),
  fetch: async (address) => (calls.push(['fetch', address]), helpPages ? { json: async () => helpPages } : Promise.reject(new Error('offline'))),
});
await load('engine-worker.ts');
const loading = calls.splice(0);

async function ask(id, request) {
  calls.length = 0;
  await globalThis.onmessage({ data: { id, request } });
  return posted.pop();
}

test('the worker answers each request from the binding it names, and a binding that throws with a refusal', async () => {
  assert.deepEqual(loading, [['importScripts', 'stavelorn-engine.js']]);
  // Each request, the binding it reaches (given the request's values in order), and the answer
  // when it is not the binding's own.
  const quoted = (name) => JSON.stringify(name);
  const rows = [
    [{ op: 'captions' }, 'captions'], [{ op: 'open', name: 'a.str', text: 'T' }, 'open'], [{ op: 'analyze', double: true }, 'analyze'],
    [{ op: 'show', choice: 2 }, 'chooseShown', 'null'], [{ op: 'multiplier', text: '2' }, 'enterMultiplier'],
    [{ op: 'diagram', name: 'M' }, 'diagramPicture', quoted('diagramPicture')], [{ op: 'pick', kind: 'joint', number: 3 }, 'pickText', quoted('pickText')],
    [{ op: 'step', step: 4, marked: 1 }, 'methodStep', 'null'], [{ op: 'member', member: 5 }, 'memberDiagrams', 'null'],
    [{ op: 'helpMenu' }, 'helpMenu'], [{ op: 'helpOfView', view: 'steps' }, 'helpPageOfView', quoted('helpPageOfView')],
    [{ op: 'about', examples: 'e', help: 'h' }, 'about'], [{ op: 'edit.titleForm' }, 'titleForm'],
    [{ op: 'edit.new', title: 'T', type: 'PFrame' }, 'newProject'], [{ op: 'edit.state' }, 'state'], [{ op: 'edit.openList', item: 'joints' }, 'openList'],
    [{ op: 'edit.list', command: 'insert', first: 2, last: 3, confirmed: true }, 'listCommand'], [{ op: 'edit.type', field: 1, text: '5' }, 'typeField'],
    [{ op: 'edit.check', check: 2, checked: false }, 'clickCheck'], [{ op: 'edit.spring', check: 1, spring: true }, 'clickSpring'],
    [{ op: 'edit.stiffness', check: 3, text: '9' }, 'typeStiffness'], [{ op: 'edit.choose', option: 1 }, 'choose'],
    [{ op: 'edit.entry', command: 'next' }, 'entryCommand'], [{ op: 'edit.undo' }, 'undo'], [{ op: 'edit.redo' }, 'redo'], [{ op: 'edit.unitsForm' }, 'unitsForm'],
    [{ op: 'edit.text', save: true }, 'projectText'], [{ op: 'edit.openCopy', text: 'T' }, 'openCopy'],
    [{ op: 'printOptions', remembered: 'a' }, 'print.options'], [{ op: 'printChoose', ticked: [1] }, 'print.choose'], [{ op: 'printPages', ticked: [2] }, 'print.pages'],
    [{ op: 'loadCases' }, 'window'], [{ op: 'loadCaseCommand', button: 'add', row: 2, name: 'Wind', confirmed: false }, 'command'],
    [{ op: 'edit.snapshot' }, 'snapshot', quoted('kept')], [{ op: 'edit.restore', snapshot: 's' }, 'restore', quoted('restore')],
  ];
  for (const [[request, name, value = name], id] of rows.map((row, i) => [row, i + 1])) {
    assert.deepEqual(await ask(id, request), { id, ok: true, value }, request.op);
    assert.deepEqual(calls, [[name, ...Object.values(request).slice(1)]], request.op);
  }
  for (const [request, made] of [
    [{ op: 'edit.closeList' }, [['closeList'], ['state']]],
    [{ op: 'edit.units', named: true, units: [1, 2, 0], answer: 'convert' }, [['changeUnits', true, 1, 2, 0, 'convert']]],
  ]) {
    assert.equal((await ask(1, request)).value, made.at(-1)[0]);
    assert.deepEqual(calls, made);
  }
  answers.analyze = new Error('out of memory');
  assert.deepEqual(await ask(7, { op: 'analyze', double: false }), { id: 7, ok: false, error: 'Error: out of memory' });
});

test('the help pages are written into the module once, and fetched again after a failure', async () => {
  assert.deepEqual(await ask(1, { op: 'helpContents' }), { id: 1, ok: false, error: 'Error: offline' });
  helpPages = { intro: 'I', steps: 'S' };
  const written = [['fetch', 'help/pages.json'], ['mkdir', '/help'], ['writeFile', '/help/intro.md', 'I'], ['writeFile', '/help/steps.md', 'S']];
  for (const [request, made] of [
    [{ op: 'helpContents' }, [...written, ['helpContents', '/help']]],
    [{ op: 'helpSearch', query: 'beam' }, [['helpSearch', '/help', 'beam']]],
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
  postMessage = (envelope) => this.sent.push(envelope);
  terminate = () => (this.ended = true);
};
const { EngineClient, Cancelled } = await load('engine-client.ts');
const answer = (worker, reply) => worker.onmessage({ data: reply });

test('the client matches each answer to its request, and shows it works except for quick asks', async () => {
  const busy = [];
  const client = new EngineClient((b) => busy.push(b));
  const worker = workers.at(-1);
  assert.equal(worker.script, 'engine-worker.js');
  const tip = client.ask({ op: 'pick', kind: 'joint', number: 1 });
  answer(worker, { id: 1, ok: true, value: '"tip"' });
  assert.deepEqual([await tip, busy], ['tip', []], 'a tip alone is not work shown');
  const asked = ['analyze', 'captions', 'edit.type'].map((op) => client.ask({ op }));
  assert.deepEqual(worker.sent.map((e) => [e.id, e.request.op]), [[1, 'pick'], [2, 'analyze'], [3, 'captions'], [4, 'edit.type']]);
  for (const [id, ok, value] of [[9, true, '0'], [4, false, 'no field'], [2, true, '{"complete":true}']])
    answer(worker, { id, ok, ...(ok ? { value } : { error: value }) });
  await assert.rejects(asked[2], { message: 'no field' });
  assert.deepEqual([await asked[0], busy], [{ complete: true }, [true]], 'still working on the captions');
  answer(worker, { id: 3, ok: true, value: '{}' });
  await asked[1];
  assert.deepEqual(busy, [true, false]);
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
    const fresh = workers.at(-1);
    assert.deepEqual([old.ended, fresh.ended, fresh.sent.map((e) => e.request), busy.at(-1)], [true, false, given, false]);
    answer(old, { id: 2, ok: true, value: '1' });
    for (const { id } of fresh.sent) answer(fresh, { id, ok: false, error: 'gone' });
    await new Promise((resolve) => setTimeout(resolve, 0));
  }
});
