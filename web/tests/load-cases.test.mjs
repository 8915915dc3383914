// Load cases in the page's editing, in headless Chromium: Load Cases… adds a second case, the
// joint-load list's case box turns to it and takes one load, and after Analyze "Show:" offers and
// shows the case (its numbers against --case are tests/web/PageSessionTest.cpp's). On
// the way, the focus comes back to the list's changed row (or the empty list) after each command
// of the list, its form's OK and Ctrl+Z, as in the desktop's list window.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { click, idle, openPage } from './browser.mjs';

// Where the focus is: "row N" of the list, "list", or the element's id.
const focused = (page) =>
  page.evaluate(() => {
    const active = document.activeElement;
    const row = active?.closest('#list-grid tbody tr');
    if (row) return `row ${row.sectionRowIndex + 1}`;
    return active?.id === 'list-grid' ? 'list' : (active?.id ?? '');
  });

test('a second case takes a load in its list and "Show:" offers it after Analyze', async () => {
  const { page, errors, context } = await openPage('?example=portal-frame', { pickers: false });
  await page.waitForSelector('#data-menu:not([hidden])');
  await page.click('#data-menu summary');
  await click(page, '#data-items button[data-item="MnuLoadCases"]');
  await page.$eval('#case-name', (name) => (name.value = ''));
  await page.type('#case-name', 'Wind');
  await click(page, '#case-AddB');
  assert.deepEqual(await page.$$eval('#cases-grid tbody tr', (rows) => rows.map((r) => r.cells[1].textContent)), ['Case 1', 'Wind']);
  await page.click('#case-CloseB');

  await page.click('#data-menu summary');
  await click(page, '#data-items button[data-item="MnuLoadJt"]');
  await page.select('#list-case', '2');
  await idle(page);
  assert.equal(await page.$$eval('#list-grid tbody tr', (rows) => rows.length), 0);
  await click(page, '#list-panel button[data-command="add"]');
  const fields = await page.$$eval('#entry-form input[id^="entry-field-"]', (inputs) =>
    inputs.filter((i) => !i.closest('[hidden]') && !i.readOnly).map((i) => `#${i.id}`),
  );
  for (const [i, field] of fields.entries()) await page.type(field, ['2', '10'][i] ?? '0');
  await click(page, '#entry-ok');
  assert.equal(await focused(page), 'row 1');

  await click(page, '#list-panel button[data-command="delete"]');
  await click(page, '#question-ok');
  assert.equal(await focused(page), 'list');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  await idle(page);
  assert.equal(await focused(page), 'row 1');

  await click(page, '#analyze');
  await page.waitForSelector('#shown:not([hidden])');
  const offered = await page.$$eval('#shown option', (options) => options.map((o) => o.textContent));
  assert.ok(offered.some((o) => o.includes('Wind')), offered.join(', '));
  // It shows the case the lists last edited, Wind.
  assert.equal(await page.$eval('#shown', (box) => box.value), String(offered.findIndex((o) => o.includes('Wind'))));
  assert.deepEqual(errors, []);
  await context.close();
});
