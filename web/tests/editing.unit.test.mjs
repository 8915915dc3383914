// The page's own decisions about a shared link and the kept project, in Node: each example's text
// goes through a link and back unchanged, a damaged or foreign fragment is told apart, a project
// too large for a link is refused, the browser's storage keeps what fits of the project, and Save
// writes back, asks or downloads as the browser allows.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { deflateRawSync } from 'node:zlib';
import { load } from './bundle.mjs';

const examples = process.env.STAVELORN_EXAMPLES ?? new URL('../../examples', import.meta.url).pathname;
const link = await load('editing/share-link.ts');
const storage = await load('editing/storage.ts');
const page = 'http://127.0.0.1:8000/';

test('every example goes through a link and back byte for byte, in both forms', async () => {
  for (const file of readdirSync(examples).filter((f) => f.endsWith('.str'))) {
    const text = readFileSync(join(examples, file), 'utf8');
    for (const kind of ['project', 'embed']) {
      const made = await link.makeLink(page, text, kind);
      assert.ok(made?.startsWith(`${page}#${kind}=`), file);
      assert.match(made.slice(page.length), /^#[a-z]+=[A-Za-z0-9_-]+$/, file);
      assert.deepEqual(await link.readLink(new URL(made).hash), { kind, text }, file);
    }
  }
});

test('a damaged link says so, and an address without a project is no link', async () => {
  const good = new URL(await link.makeLink(page, readFileSync(join(examples, 'portal-frame.str'), 'utf8'), 'project')).hash;
  const notText = `#project=${deflateRawSync(Buffer.from([0x22, 0xff, 0x22])).toString('base64url')}`;
  for (const damaged of [good.slice(0, good.length / 2), `${good.slice(0, 20)}!!${good.slice(22)}`, `${good}=`, '#project=', '#embed=AAAA', notText]) {
    const read = await link.readLink(damaged);
    assert.ok(read && 'damaged' in read, damaged);
    assert.match(read.damaged, /^The link is damaged/);
  }
  for (const other of ['', '#', '#top', '#projects=abc', ` ${good}`]) assert.equal(await link.readLink(other), null, other);
});

test('a link is made up to its longest length and refused one character beyond', async () => {
  // Text that compresses poorly: each line a different number.
  let text = '"Big"\r\n"PTruss"\r\n';
  for (let i = 0; text.length < 20000; ++i) text += `${Math.sin(i) * 1e6},${Math.cos(i * 7) * 1e5}\r\n`;
  assert.equal(await link.makeLink(page, text, 'project'), null);
  const short = await link.makeLink('', text.slice(0, 600), 'project');
  const longest = 'p'.repeat(link.kLongestLink - short.length);
  assert.equal((await link.makeLink(longest, text.slice(0, 600), 'project')).length, link.kLongestLink);
  assert.equal(await link.makeLink(`${longest}p`, text.slice(0, 600), 'project'), null);
});

test('a full storage keeps the project as it stands, with its saved mark', () => {
  const steps = ['a', 'b', 'c'].map((text, i) => ({ change: i ? 'Joints' : '', text }));
  for (const [position, saved, keptSaved] of [[1, 1, 0], [2, 1, null], [0, null, null]]) {
    const trimmed = JSON.parse(storage.currentStepOnly(JSON.stringify({ file: 'f.str', position, saved, steps })));
    assert.deepEqual(trimmed, { file: 'f.str', position: 0, saved: keptSaved, steps: [{ change: '', text: steps[position].text }] });
  }
});

// The browser's database as far as the page uses it: a store made when it is first opened,
// values longer than `room` refused (the transaction ending by `failure`), connections counted.
function fakeDatabases({ room = Infinity, failure = 'onabort', opens = true, reads = true, kept = {} } = {}) {
  const nested = (object) => new Map(Object.entries(object).map(([k, v]) => [k, typeof v === 'object' ? nested(v) : v]));
  const world = { databases: nested(kept), open: 0 };
  const later = (act) => setTimeout(act, 0);
  const request = (act) => {
    const made = {};
    later(() => act(made));
    return made;
  };
  globalThis.indexedDB = {
    open: (name) => request((opening) => {
      if (!opens) return opening.onerror();
      const fresh = !world.databases.has(name);
      const stores = world.databases.get(name) ?? world.databases.set(name, new Map()).get(name);
      ++world.open;
      opening.result = {
        createObjectStore: (store) => stores.set(store, new Map()),
        close: () => --world.open,
        transaction(store, mode = 'readonly') {
          const values = stores.get(store);
          if (!values || !['readonly', 'readwrite'].includes(mode)) throw new TypeError(`no store ${store} to ${mode}`);
          const transaction = {};
          const change = (act) => {
            assert.equal(mode, 'readwrite', 'a change in a read-only transaction');
            act();
            later(() => transaction.oncomplete());
          };
          transaction.objectStore = () => ({
            put: (value, key) => (value.length > room ? later(() => transaction[failure]()) : change(() => values.set(key, value))),
            delete: (key) => change(() => values.delete(key)),
            get: (key) => request((got) => (reads ? ((got.result = values.get(key)), got.onsuccess()) : got.onerror())),
          });
          return transaction;
        },
      };
      if (fresh) opening.onupgradeneeded();
      opening.onsuccess();
    }),
  };
  return world;
}

test('the storage keeps the project with its history, without it, or not at all, as room allows', async () => {
  const snapshot = JSON.stringify({ file: 'f.str', position: 1, saved: null, steps: [{ change: '', text: 'a' }, { change: 'J', text: 'b' }] });
  const trimmed = storage.currentStepOnly(snapshot);
  for (const [room, failure, result, stored] of [
    [Infinity, 'onabort', 'whole', snapshot],
    [trimmed.length, 'onabort', 'project only', trimmed],
    [trimmed.length, 'onerror', 'project only', trimmed],
    [0, 'onerror', 'nothing', undefined],
  ]) {
    const world = fakeDatabases({ room, failure });
    assert.equal(await storage.keep(snapshot), result, `${room} ${failure}`);
    assert.equal(world.databases.get('stavelorn').get('open-project').get('current'), stored);
    assert.equal(await storage.kept(), stored ?? null);
    await storage.forget();
    assert.equal(await storage.kept(), null);
    assert.equal(world.open, 0, 'every connection closed');
  }
});

test('a project kept by an earlier visit comes back; anything else kept there, or no storage, gives none', async () => {
  const earlier = (current) => ({ stavelorn: { 'open-project': { current } } });
  for (const [kept, opens, reads, found] of [
    [earlier('snapshot'), true, true, 'snapshot'],
    [earlier(12), true, true, null],
    [earlier('snapshot'), true, false, null],
    [{}, false, true, null],
  ]) {
    const world = fakeDatabases({ kept, opens, reads });
    assert.equal(await storage.kept(), found);
    assert.equal(await storage.keep('x'), opens ? 'whole' : 'nothing');
    await storage.forget();
    assert.equal(world.open, 0);
  }
});

test('Save writes back to the opened file, else asks where, else downloads', async () => {
  const saving = await load('editing/save-target.ts');
  const ways = (opened, pickers) => saving.saveSteps(opened, pickers, 'untitled.str').map((s) => `${s.way}: ${s.name}`);
  assert.deepEqual(ways('frame.str', true), ['write back: frame.str', 'save as: frame.str']);
  assert.deepEqual(ways(null, true), ['save as: untitled.str']);
  assert.deepEqual(ways(null, false), ['download: untitled.str']);
});
