// Check My Work and the precision in headless Chromium: the portal frame's member 1 pasted in
// from a spreadsheet with three planted slips has each slip named at its cell; the precision
// chosen is kept across a reload. (The influence lines' ordinates are checked against their
// closed forms in tests/web/PageToolsTest.cpp.)
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { openPage } from './browser.mjs';

const shots = process.env.STAVELORN_SHOTS;
test('Check My Work names three slips planted in member 1 of the portal frame at their cells', async () => {
  const { page, errors } = await openPage('?example=portal-frame');
  await page.waitForSelector('#check-work:not([disabled])');
  await page.click('#check-work');
  await page.waitForSelector('#check-work-caption');
  const global = await page.$eval('#check-quantity', (s) => [...s.options].findIndex((o) => o.text.startsWith('[K]')));
  await page.select('#check-quantity', String(global));
  await page.waitForFunction(() => document.querySelector('#check-work h3').textContent.includes('[K]'));
  await page.click('#check-show-answer');
  await page.waitForSelector('#check-answer:not([hidden]) td:not(:empty)');
  const answer = await page.$$eval('#check-answer tr', (rows) => rows.slice(1).map((r) => [...r.cells].slice(1).map((c) => Number(c.textContent))));
  const planted = [
    { row: 0, col: 0, value: -answer[0][0], slip: 'sign' },
    { row: 1, col: 1, value: answer[1][1] * 1000, slip: 'units' },
    { row: 0, col: 2, value: answer[0][0], slip: 'swapped-coordinates' },
  ];
  const typed = answer.map((row) => row.map(String));
  for (const p of planted) typed[p.row][p.col] = String(p.value);
  // The whole grid as a spreadsheet copies it, pasted into the first cell.
  await page.$eval(
    '#check-work input[data-row="0"][data-col="0"]',
    (input, text) => {
      const data = new DataTransfer();
      data.setData('text/plain', text);
      input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    },
    typed.map((row) => row.join('\t')).join('\r\n') + '\r\n',
  );
  await page.waitForFunction(() => document.querySelector('#check-work input[data-row="5"][data-col="5"]').value !== '');
  await page.click('#check-check');
  await page.waitForFunction(() => document.querySelector('#check-summary').textContent !== '');
  assert.equal(await page.$eval('#check-summary', (e) => e.textContent), '36 entries checked: 33 right, 3 wrong.');
  for (const p of planted) {
    const cell = await page.$eval(`#check-work input[data-row="${p.row}"][data-col="${p.col}"]`, (input) => ({
      mark: input.className,
      spoken: input.getAttribute('aria-description'),
      invalid: input.getAttribute('aria-invalid'),
    }));
    assert.equal(cell.mark, 'mark-wrong', `${p.slip} at ${p.row}, ${p.col}`);
    assert.equal(cell.invalid, 'true');
    assert.ok(cell.spoken.startsWith(`Wrong: ${p.slip} — `), cell.spoken);
  }
  assert.equal(await page.$$eval('#check-work input.mark-right', (cells) => cells.length), 33);
  assert.equal(await page.$$eval('#check-findings li', (items) => items.length), 3);
  if (shots) await page.screenshot({ path: join(shots, 'i47-checkwork.png'), fullPage: true });
  // The dialog is removed by its close event, which comes in a task of its own after the click.
  await page.click('#check-close');
  await page.waitForSelector('#check-work-caption', { hidden: true });
  assert.deepEqual(errors, []);
});

test('Precision… offers the desktop\'s two choices and keeps the one chosen across a reload', async () => {
  const { page, errors } = await openPage('?example=portal-frame');
  await page.waitForFunction(() => document.querySelector('#precision').textContent === 'Precision…');
  const chosen = async () => {
    await page.click('#precision');
    await page.waitForSelector('#precision-dialog');
    const radios = await page.$$eval('#precision-dialog input[type=radio]', (inputs) =>
      inputs.map((r) => ({ value: r.value, checked: r.checked, label: r.labels[0].textContent })),
    );
    return radios;
  };
  assert.deepEqual(await chosen(), [
    { value: 'single', checked: true, label: 'Single precision' },
    { value: 'double', checked: false, label: 'Double precision only' },
  ]);
  await page.click('#precision-double');
  await page.click('#precision-ok');
  await page.waitForFunction(() => localStorage.getItem('stavelorn.precision') === 'double');
  await page.reload();
  await page.waitForFunction(() => document.querySelector('#precision').textContent === 'Precision…');
  assert.equal((await chosen()).find((r) => r.checked).value, 'double');
  assert.deepEqual(errors, []);
});
