// Editing in the page, in headless Chromium: the portal frame typed in from New Project through
// the entry forms is the example's file; undo takes it back to nothing and redo to the end;
// a reload in the middle finds the project and its history; a form refuses a typo and an
// overflow with the desktop's message and Cancel leaves the list;
// the portal frame goes through the page's share link into a fresh browser as its own file text
// (every example's text through a link and back is editing.unit.test.mjs's), and a damaged link
// says so; a member dragged with the mouse joins the joints it was dragged between. What to type
// is read from the engine itself (STAVELORN_ENGINE), as its Edit forms show the example's items.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { address, click, idle, openPage, savedFile } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES ?? new URL('../../examples', import.meta.url).pathname;
const enginePath = process.env.STAVELORN_ENGINE ?? new URL('../../build-web/stavelorn-engine.js', import.meta.url).pathname;
const downloads = mkdtempSync(join(tmpdir(), 'stavelorn-downloads-'));
let engine;

before(async () => {
  engine = await createRequire(import.meta.url)(enginePath)({ wasmBinary: readFileSync(enginePath.replace(/\.js$/, '.wasm')) });
});
after(() => {
  rmSync(downloads, { recursive: true, force: true });
});

const exampleText = (name) => readFileSync(join(examples, `${name}.str`), 'utf8');
const sortedLines = (text) => text.split('\n').sort().join('\n');

// Every list of the example and the Edit form of each of its items, as the engine shows them.
function formsOf(name) {
  const session = new engine.PageSession();
  session.open(`${name}.str`, exampleText(name));
  const editing = new engine.PageEditing(session);
  const lists = JSON.parse(editing.state()).menu.map(({ item }) => {
    const count = JSON.parse(editing.openList(item)).list.count;
    const forms = [];
    for (let row = 1; row <= count; ++row) {
      forms.push(JSON.parse(editing.listCommand('edit', row, row, true)).entry);
      editing.entryCommand('cancel');
    }
    return { item, forms };
  });
  editing.delete();
  session.delete();
  return lists;
}

// A page in a browser profile of its own (storage included), saving downloads to `downloads`.
// Its browser has no file pickers, which nothing headless could answer: Save downloads.
async function freshPage(query = '', width = 1000) {
  const opened = await openPage(query, { width, downloads, pickers: false });
  await opened.page.waitForSelector('#new-project');
  return opened;
}

async function openList(page, item) {
  await page.click('#data-menu summary');
  await click(page, `#data-items button[data-item="${item}"]`);
}

// Types one item into the open entry form as `form` shows it: choice, check boxes, fields.
async function typeItem(page, form) {
  await page.$eval('#entry-choice', (c, i) => {
    if (c.selectedIndex === i) return;
    c.selectedIndex = i;
    c.dispatchEvent(new Event('change'));
  }, form.choice.selected);
  await idle(page);
  for (const check of form.checks.filter((c) => c.shown))
    if ((await page.$eval(`#entry-check-${check.check}`, (b) => b.checked)) !== check.checked)
      await click(page, `#entry-check-${check.check}`);
  for (const field of form.fields.filter((f) => f.shown)) {
    const selector = `#entry-field-${field.field}`;
    if (await page.$eval(selector, (input) => input.readOnly)) continue;
    await page.$eval(selector, (input) => input.select());
    await page.type(selector, field.text);
  }
}

async function typeProject(page, lists, until = Infinity) {
  for (const { item, forms } of lists.slice(0, until)) {
    if (!forms.length) continue;
    await openList(page, item);
    if (!(await page.$('#entry-form[open]'))) await click(page, '#list-panel button[data-command="add"]');
    for (const [i, form] of forms.entries()) {
      await typeItem(page, form);
      await click(page, i + 1 < forms.length ? '#entry-next' : '#entry-ok');
    }
    assert.equal(await page.$$eval('#list-grid tbody tr', (rows) => rows.length), forms.length, item);
  }
}

const saved = (page) => savedFile(page, downloads);

const jointsDrawn = (page) => page.$$eval('#drawing svg g[data-joint]', (g) => new Set(g.map((x) => x.dataset.joint)).size);

test('the portal frame typed in from New Project is the example; undo all, redo all, and a reload keeps it', async () => {
  const lists = formsOf('portal-frame');
  const title = exampleText('portal-frame').split('\r\n')[0].slice(1, -1);
  const { page, errors, context } = await freshPage();
  await page.click('#new-project');
  await page.waitForSelector('#new-title');
  await page.type('#new-title', title);
  await page.click('input[name="type"][value="PFrame"]');
  await click(page, '#new-ok');
  await typeProject(page, lists, 4);
  assert.equal(await page.$eval('#undo', (b) => b.textContent), 'Undo Members');
  // Kept after the last edit: a reload brings the project and its history back.
  await page.waitForFunction(() => new Promise((resolve) => {
    const open = indexedDB.open('stavelorn');
    open.onsuccess = () => {
      const get = open.result.transaction('open-project').objectStore('open-project').get('current');
      get.onsuccess = () => resolve(String(get.result).includes('"change": "Members"'));
    };
  }));
  page.on('dialog', (dialog) => dialog.accept());
  await page.reload();
  await page.waitForSelector('.message.information');
  assert.match(await page.$eval('#messages', (m) => m.textContent), /brought back/);
  assert.equal(await page.$eval('#undo', (b) => b.textContent), 'Undo Members');
  await typeProject(page, lists.slice(4));

  let steps = 0;
  while (!(await page.$eval('#undo', (b) => b.disabled))) {
    await click(page, '#undo');
    ++steps;
  }
  assert.equal(steps, 6);
  assert.equal(await jointsDrawn(page), 0);
  assert.equal(await page.$eval('#analyze', (b) => b.disabled), true);
  while (!(await page.$eval('#redo', (b) => b.disabled))) await click(page, '#redo');
  assert.equal(await jointsDrawn(page), 4);
  assert.equal(sortedLines(await saved(page)), sortedLines(exampleText('portal-frame')));
  assert.deepEqual(errors, []);
  await context.close();
});

test('an entry form refuses a typo and 1e39 naming the field, and Cancel leaves the list', async () => {
  const { page, errors, context } = await freshPage('?example=portal-frame');
  await page.waitForSelector('#drawing svg [data-joint]');
  await openList(page, 'MnuJoint');
  const rows = await page.$eval('#list-grid tbody', (b) => b.textContent);
  await page.click('#list-panel button[data-command="edit"]');
  await page.waitForSelector('#question-ok');
  await click(page, '#question-ok');
  await page.waitForSelector('#entry-form[open]');
  const label = await page.$eval('label[for="entry-field-2"]', (l) => l.textContent.replace(/[\s:]+$/, ''));
  for (const typo of ['2OO', '1e39']) {
    await page.$eval('#entry-field-2', (input) => input.select());
    await page.type('#entry-field-2', typo);
    await click(page, '#entry-ok');
    const message = await page.$eval('#entry-messages', (m) => m.textContent);
    assert.match(message, /^Invalid Entry/);
    assert.ok(message.includes(label) && message.includes(typo), message);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'entry-field-2');
  }
  await click(page, '#entry-cancel');
  assert.equal(await page.$('#entry-form[open]'), null);
  assert.equal(await page.$eval('#list-grid tbody', (b) => b.textContent), rows);
  assert.equal(await page.$eval('#undo', (b) => b.disabled), true);
  assert.deepEqual(errors, []);
  await context.close();
});

test('the portal frame goes through the page\'s share link and opens from it in a fresh browser as its own file text; a damaged link says so', async () => {
  const { page: maker, context: third } = await freshPage('?example=portal-frame');
  await maker.waitForSelector('#drawing svg [data-joint]');
  await maker.waitForFunction(() => !document.getElementById('share-link').disabled);
  await maker.click('#share-link');
  const link = await (await maker.waitForSelector('#link-text')).evaluate((t) => t.value);
  await third.close();
  // Opened in a browser that has never seen the project.
  const { page: shared, errors, context: other } = await freshPage(new URL(link).hash);
  await shared.waitForSelector('#drawing svg [data-joint]');
  assert.equal(await shared.$eval('#undo', (b) => b.disabled), true);
  assert.equal(await saved(shared), exampleText('portal-frame'));
  const damaged = await other.newPage();
  await damaged.goto(`${address}#project=${new URL(link).hash.slice(9, 60)}`);
  await damaged.waitForSelector('.message[role="alert"]');
  assert.match(await damaged.$eval('#messages', (m) => m.textContent), /damaged/);
  const embedded = await other.newPage();
  await embedded.goto(link.replace('#project=', '#embed='));
  await embedded.waitForSelector('#view table');
  assert.equal(await embedded.$eval('#editing-bar', (b) => getComputedStyle(b).display), 'none');
  assert.deepEqual(errors, []);
  await other.close();
});

// Drawing by the mouse: Ctrl+Shift+D turns the mode on and M picks members; a drag from joint 2
// (0, 5) to joint 4 (8, 0) draws a member between those joints and makes none; Undo takes it away.
// The mode's sheet is 14 m square about (5, 3) while the portal fills its first ten by six grid
// cells, on 1000 picture units.
test('a member dragged with the mouse between two joints of the portal joins them, and Undo takes it away', async () => {
  const { page, errors, context } = await openPage('?example=portal-frame', { width: 1200, height: 1000 });
  await page.waitForSelector('#drawing svg');
  // Waits until the drawing shows `count` members (each answer redraws it when it comes).
  const members = (count) => page.waitForFunction((count) => new Set([...document.querySelectorAll('#drawing svg g[data-member]:not([data-joint])')].map((g) => g.dataset.member)).size === count, {}, count);
  const screenAt = async ([x, y]) => (await page.waitForFunction((x, y) => {
    const ctm = document.querySelector('#drawing svg[data-drawing-mode]')?.getScreenCTM();
    const p = ctm && new DOMPoint(((x + 2) * 1000) / 14, ((10 - y) * 1000) / 14).matrixTransform(ctm);
    return p && [p.x, p.y];
  }, {}, x, y)).jsonValue();
  await page.focus('#drawing');
  for (const key of ['Control', 'Shift']) await page.keyboard.down(key);
  await page.keyboard.press('D');
  for (const key of ['Shift', 'Control']) await page.keyboard.up(key);
  await page.waitForSelector('#drawing svg[data-drawing-mode]');
  await page.keyboard.press('M');
  await page.waitForSelector('#DrawMember[aria-pressed="true"]');
  const [from, to] = [await screenAt([0, 5]), await screenAt([8, 0])];
  await page.mouse.move(...from);
  await page.mouse.down();
  await page.mouse.move(...to, { steps: 4 });
  await page.mouse.up();
  await members(4);
  assert.equal(await jointsDrawn(page), 4);
  await page.click('#undo');
  await members(3);
  assert.deepEqual(errors, []);
  await context.close();
});
