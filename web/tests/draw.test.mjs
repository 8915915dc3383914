// Drawing with the mouse in the page, in headless Chromium: from New Project, with the materials
// and sections typed into their lists, the portal frame is drawn by recorded drags and clicks
// (members, supports, a joint load and two member loads typed into the forms the drawing opens),
// an undo takes the last drawn member away and a redo brings it back, and the file saved is the
// example's.
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openPage, savedFile } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES ?? new URL('../../examples', import.meta.url).pathname;
const downloads = mkdtempSync(join(tmpdir(), 'stavelorn-drawn-'));
after(() => rmSync(downloads, { recursive: true, force: true }));

const example = readFileSync(join(examples, 'portal-frame.str'), 'utf8');
const sortedLines = (text) => text.split('\n').sort().join('\n');
const settle = async (page) => {
  for (let i = 0; i < 2; ++i) {
    await page.waitForFunction(() => ![document.body, document.getElementById('drawing')].some((e) => e.getAttribute('aria-busy') === 'true'));
    await new Promise((resolve) => setTimeout(resolve, 30));
  }
};
const membersDrawn = (page) => page.$$eval('#drawing svg g[data-member]:not([data-joint])', (g) => new Set(g.map((x) => x.dataset.member)).size);

// The screen point of the model point (x, y) on the mode's sheet: 14 m square about (5, 3) while
// the portal lies within its first ten by six grid cells, on 1000 picture units.
const screenAt = async (page, [x, y]) =>
  (await page.waitForFunction((x, y) => {
    const ctm = document.querySelector('#drawing svg[data-drawing-mode]')?.getScreenCTM();
    const p = ctm && new DOMPoint(((x + 2) * 1000) / 14, ((10 - y) * 1000) / 14).matrixTransform(ctm);
    return p && [p.x, p.y];
  }, {}, x, y)).jsonValue();

// Both ends are found before the press, whose answer draws the picture anew under the pointer.
async function drag(page, from, to) {
  const [start, end] = [await screenAt(page, from), await screenAt(page, to)];
  await page.mouse.move(...start);
  await page.mouse.down();
  await page.mouse.move(...end, { steps: 4 });
  await page.mouse.up();
  await settle(page);
}

async function choose(page, selector, value) {
  await page.$eval(selector, (box, value) => {
    if (box.tagName === 'SELECT') box.selectedIndex = [...box.options].findIndex((o) => o.text === value);
    else box.value = value;
    box.dispatchEvent(new Event('change'));
  }, value);
  await settle(page);
}

// Types `values` into the entry form open, a form after each but the last by Next, then OK.
async function typeForms(page, ...forms) {
  for (const [i, values] of forms.entries()) {
    await page.waitForSelector('#entry-form[open]');
    for (const [field, text] of Object.entries(values)) {
      await page.$eval(`#entry-field-${field}`, (input) => input.select());
      await page.type(`#entry-field-${field}`, text);
    }
    await page.click(i + 1 < forms.length ? '#entry-next' : '#entry-ok');
    await settle(page);
  }
}

test('the portal frame drawn with the mouse from New Project is the example; undo takes the last member away', async () => {
  // Save downloads, as where the browser has no file pickers.
  const { page, errors, context } = await openPage('', { width: 1200, height: 1000, downloads, pickers: false });
  await page.waitForSelector('#new-project');
  await page.click('#new-project');
  await page.waitForSelector('#new-title');
  await page.type('#new-title', example.split('\r\n')[0].slice(1, -1));
  await page.click('input[name="type"][value="PFrame"]');
  await page.click('#new-ok');
  await settle(page);
  for (const [item, forms] of [
    ['MnuMatProp', [{ 2: '2E+08', 3: '1.2E-05' }]],
    ['MnuCrossProp', [{ 2: '0.0078', 3: '0.000115' }, { 2: '0.0098', 3: '0.00023' }]],
  ]) {
    await page.click('#data-menu summary');
    await page.click(`#data-items button[data-item="${item}"]`);
    await typeForms(page, ...forms);
  }

  await page.focus('#drawing');
  await page.keyboard.down('Control');
  await page.keyboard.down('Shift');
  await page.keyboard.press('D');
  await page.keyboard.up('Shift');
  await page.keyboard.up('Control');
  await page.waitForSelector('#drawing svg[data-drawing-mode]');
  assert.equal(await page.$eval('#draw-toggle', (b) => b.getAttribute('aria-pressed')), 'true');
  await page.keyboard.press('M');
  await settle(page);
  assert.equal(await page.$eval('#DrawMember', (b) => b.getAttribute('aria-pressed')), 'true');
  await drag(page, [0, 0], [0, 5]);
  await choose(page, '#DrawSection', '2');
  await drag(page, [0, 5], [8, 5]);
  await choose(page, '#DrawSection', '1');
  await drag(page, [8, 0], [8, 5]);
  assert.equal(await page.$eval('#undo', (b) => b.textContent), 'Undo Members');
  await page.click('#undo');
  await settle(page);
  assert.equal(await membersDrawn(page), 2);
  await page.click('#redo');
  await settle(page);
  assert.equal(await membersDrawn(page), 3);

  await page.click('#DrawSupport');
  for (const [kind, at] of [['Fixed', [0, 0]], ['Pinned', [8, 0]]]) {
    await choose(page, '#DrawSupportKind', kind);
    await drag(page, at, at);
  }
  await page.click('#DrawJointLoad');
  await drag(page, [0, 5], [0, 5]);
  await typeForms(page, { 2: '12' });
  await page.click('#DrawMemberLoad');
  for (const [kind, at, value] of [['Concentrated force', [2.2, 5], '40'], ['Uniform load', [4, 5], '25']]) {
    await choose(page, '#DrawLoadKind', kind);
    await drag(page, at, at);
    await typeForms(page, { 2: value });
  }

  assert.equal(sortedLines(await savedFile(page, downloads)), sortedLines(example));

  assert.deepEqual(errors, []);
  await context.close();
});
