// Editing in the page, in headless Chromium: a form refuses a typo and an overflow with the
// desktop's message and Cancel leaves the list; Units… converts the values; a reload in the middle
// finds the project and its history, and undoing them all saves the example's own file; the portal
// frame goes through the page's share link into a fresh browser, and a damaged link says so.
// (Typing whole projects in through the forms is tests/web/PageEditingTest.cpp's, drawing them
// draw.test.mjs's.)
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { address, click, openPage, savedFile } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES ?? new URL('../../examples', import.meta.url).pathname;
const downloads = mkdtempSync(join(tmpdir(), 'stavelorn-downloads-'));
after(() => {
  rmSync(downloads, { recursive: true, force: true });
});

const exampleText = (name) => readFileSync(join(examples, `${name}.str`), 'utf8');

// A page in a browser profile of its own (storage included), saving downloads to `downloads`.
// Its browser has no file pickers, which nothing headless could answer: Save downloads.
async function freshPage(query = '') {
  const opened = await openPage(query, { downloads, pickers: false });
  await opened.page.waitForSelector('#new-project');
  return opened;
}

async function openList(page, item) {
  await page.click('#data-menu summary');
  await click(page, `#data-items button[data-item="${item}"]`);
}

const saved = (page) => savedFile(page, downloads);

test('an entry form refuses a typo and 1e39 naming the field, Cancel leaves the list, Units… converts, and a reload keeps it', async () => {
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
  // Units…: named, then converted to N and mm when the question is answered Yes.
  const chooseUnits = async (force, length) => {
    await page.click('#units');
    await page.waitForSelector('#units-ok');
    if (!(await page.$eval('#units-named', (b) => b.checked))) await page.click('#units-named');
    await page.select('#units-0', force);
    await page.select('#units-1', length);
    await click(page, '#units-ok');
  };
  await chooseUnits('kN', 'm');
  assert.equal(await page.$eval('#undo', (b) => b.textContent), 'Undo Units');
  await chooseUnits('N', 'mm');
  await click(page, await page.waitForSelector('#question-yes').then(() => '#question-yes'));
  assert.match(await page.$eval('#list-grid tbody', (b) => b.textContent), /8000/);
  // Kept after the last edit: a reload, the address still asking for the example, brings the
  // project and its history back; undoing both changes saves the example's own file.
  await page.waitForFunction(() => new Promise((resolve) => {
    const open = indexedDB.open('stavelorn');
    open.onsuccess = () => {
      const get = open.result.transaction('open-project').objectStore('open-project').get('current');
      get.onsuccess = () => resolve(String(get.result).includes('8000,5000'));
    };
  }));
  page.on('dialog', (dialog) => dialog.accept());
  await page.reload();
  await page.waitForSelector('.message.information');
  assert.match(await page.$eval('#messages', (m) => m.textContent), /brought back/);
  assert.equal(await page.$eval('#undo', (b) => b.textContent), 'Undo Units');
  await click(page, '#undo');
  await click(page, '#undo');
  assert.equal(await page.$eval('#undo', (b) => b.disabled), true);
  assert.equal(await saved(page), exampleText('portal-frame'));
  assert.deepEqual(errors, []);
  await context.close();
});

test('the portal frame opens from the page\'s share link in a fresh browser as its own file text; a damaged link says so', async () => {
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
