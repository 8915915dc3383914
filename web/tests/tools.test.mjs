// Check My Work and the influence lines in headless Chromium: the portal frame's member 1 pasted
// in from a spreadsheet with three planted slips has each slip named at its cell; the continuous
// beam's first influence line shows the native batch tool's ordinates. Needs STAVELORN_REPORT and
// STAVELORN_EXAMPLES.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { openPage } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES ?? new URL('../../examples', import.meta.url).pathname;
const report = process.env.STAVELORN_REPORT;
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

test('the first influence line of the continuous beam has the batch tool\'s ordinates', async () => {
  let expected;
  try {
    const args = ['--json', '--influence', 'reaction:1:1', join(examples, 'continuous-beam.str')];
    expected = JSON.parse(execFileSync(report, args, { encoding: 'utf8' })).influence;
  } catch (failed) {
    expected = JSON.parse(failed.stdout).influence;
  }
  const { page, errors } = await openPage('?example=continuous-beam');
  await page.waitForSelector('#analyze:not([disabled])');
  await page.click('#analyze');
  await page.waitForSelector('#show-influence:not([disabled])');
  await page.click('#show-influence');
  await page.waitForSelector('#influence-table table');
  const rows = await page.$$eval('#influence-table tr', (trs) => trs.slice(1).map((r) => [...r.cells].map((c) => c.textContent)));
  const stations = expected.path.flatMap((span) => span.stations.map((s) => ({ member: span.member, ...s })));
  const extremes = rows.filter((r) => r[2] === 'max' || r[2] === 'min');
  assert.equal(rows.length - extremes.length, stations.length);
  stations.forEach((s, i) => {
    const [member, x, , ordinate] = rows[i];
    assert.equal(Number(member), s.member, `station ${i + 1}`);
    assert.ok(Math.abs(Number(x) - s.x) <= 1e-6 * Math.max(1, Math.abs(s.x)), `station ${i + 1}: x ${x} against ${s.x}`);
    assert.ok(Math.abs(Number(ordinate) - s.value) <= 5.001e-5 * Math.abs(s.value) + 1e-9, `station ${i + 1}: ${ordinate} against ${s.value}`);
  });
  assert.deepEqual(extremes.map((r) => Number(r[3])).map((v) => v.toPrecision(4)), [expected.max.value, expected.min.value].map((v) => v.toPrecision(4)));
  assert.ok(await page.$('#influence-picture svg'));
  if (shots) await page.screenshot({ path: join(shots, 'i47-influence.png'), fullPage: true });
  assert.deepEqual(errors, []);
});
