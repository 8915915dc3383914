// The page's own decisions about a shared link, the kept project and Save, in Node: each
// example's text goes through a link and back unchanged, a damaged or foreign fragment is told
// apart, a project too large for a link is refused, a full storage keeps the project as it
// stands, and Save writes back, asks or downloads as the browser allows.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { build } from 'esbuild';

const here = new URL('.', import.meta.url).pathname;
const examples = join(here, '../../examples');

async function load(file) {
  const bundled = await build({ entryPoints: [join(here, '../src/editing', file)], bundle: true, format: 'esm', write: false });
  return import(`data:text/javascript;base64,${Buffer.from(bundled.outputFiles[0].text).toString('base64')}`);
}
const link = await load('share-link.ts');
const storage = await load('storage.ts');
const saving = await load('save-target.ts');
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
  for (const damaged of [good.slice(0, good.length / 2), `${good.slice(0, 20)}!!${good.slice(22)}`, '#project=', '#embed=AAAA']) {
    const read = await link.readLink(damaged);
    assert.ok(read && 'damaged' in read, damaged);
    assert.match(read.damaged, /damaged/);
  }
  for (const other of ['', '#', '#top', '#projects=abc']) assert.equal(await link.readLink(other), null, other);
});

test('a project too large for a link is refused', async () => {
  // Text that compresses poorly: each line a different number.
  let text = '"Big"\r\n"PTruss"\r\n';
  for (let i = 0; text.length < 20000; ++i) text += `${Math.sin(i) * 1e6},${Math.cos(i * 7) * 1e5}\r\n`;
  assert.equal(await link.makeLink(page, text, 'project'), null);
  assert.ok((await link.makeLink(page, text.slice(0, 600), 'project')).length <= link.kLongestLink);
});

test('a full storage keeps the project as it stands, with its saved mark', () => {
  const steps = ['a', 'b', 'c'].map((text, i) => ({ change: i ? 'Joints' : '', text }));
  for (const [position, saved, keptSaved] of [[1, 1, 0], [2, 1, null], [0, null, null]]) {
    const trimmed = JSON.parse(storage.currentStepOnly(JSON.stringify({ file: 'f.str', position, saved, steps })));
    assert.deepEqual(trimmed, { file: 'f.str', position: 0, saved: keptSaved, steps: [{ change: '', text: steps[position].text }] });
  }
});

test('Save writes back to the opened file, else asks where, else downloads', () => {
  const ways = (opened, pickers) => saving.saveSteps(opened, pickers, 'untitled.str').map((s) => `${s.way}: ${s.name}`);
  assert.deepEqual(ways('frame.str', true), ['write back: frame.str', 'save as: frame.str']);
  assert.deepEqual(ways(null, true), ['save as: untitled.str']);
  assert.deepEqual(ways(null, false), ['download: untitled.str']);
});
