// The page's Stability menu and moving loads in headless Chromium against the native batch tool:
// the critical load factors are --buckling's, cell by cell, and each mode is drawn; a truck's
// extremes over a section's influence line and its envelope along the span are --train's.
// Needs STAVELORN_REPORT (the native stavelorn-report) and STAVELORN_EXAMPLES.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { openPage } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES;
const report = process.env.STAVELORN_REPORT;
// Where the pictures for a reader to look at go, when asked for.
const shots = process.env.STAVELORN_SHOTS;
function nativeJson(name, ...options) {
  return JSON.parse(execFileSync(report, ['--json', ...options, join(examples, `${name}.str`)], { encoding: 'utf8' }));
}

async function analysedExample(name) {
  const { page, errors } = await openPage(`?example=${name}`, { width: 1200 });
  await page.waitForSelector('#drawing svg [data-member]');
  await page.click('#analyze');
  await page.waitForSelector('#view table');
  return { page, errors };
}

async function screenshot(page, name) {
  if (!shots) return;
  mkdirSync(shots, { recursive: true });
  await page.screenshot({ path: join(shots, name), fullPage: true });
}

test('the portal frame\'s load factors are the batch tool\'s, and each mode is drawn', async () => {
  const factors = nativeJson('portal-frame', '--buckling').buckling.loadFactors;
  const { page, errors } = await analysedExample('portal-frame');
  await page.waitForSelector('#stability-menu:not([hidden])');
  await page.click('#stability-menu summary');
  await page.click('#stability-menu [role="menuitem"]');
  await page.waitForSelector('#buckling-mode');
  const rows = await page.$$eval('#view table tr', (r) => r.slice(1).map((row) => [...row.cells].map((c) => c.textContent)));
  assert.deepEqual(
    rows,
    factors.map((f, i) => [String(i + 1), String(Number(f.toPrecision(5)))]),
  );
  await page.select('#buckling-mode-choice', '1');
  await page.waitForFunction(() => document.getElementById('buckling-mode').alt.startsWith('Mode 2'));
  await screenshot(page, 'i51-page-buckling.png');
  assert.deepEqual(errors, []);
  await page.close();
});

test('a truck over the continuous beam gives the batch tool\'s extremes and envelope', async () => {
  const { page, errors } = await analysedExample('continuous-beam');
  await page.click('#show-diagrams');
  await page.waitForSelector('#member-number');
  await page.$eval('#member-number', (input) => (input.value = '2'));
  await page.click('#member-number + button');
  await page.waitForSelector('#moving-load-button');
  await page.click('#moving-load-button');
  await page.waitForSelector('#train-choice');
  await page.select('#train-choice', '1');
  await page.waitForFunction(() => document.querySelector('#train-table input').value !== '');
  await page.waitForSelector('#moving-picture');
  const cells = await page.$$eval('#train-table tbody tr', (rows) =>
    rows.map((row) => [...row.querySelectorAll('input')].map((input) => input.value)).filter(([p]) => p),
  );
  const train = cells.map(([load, offset]) => `${load}@${offset}`).join(',');
  const x = await page.$eval('#moving-section', (input) => input.value);
  const tool = nativeJson('continuous-beam', '--influence', `internal:2:${x}:M`, '--train', train, '--envelope').influence;
  const lines = await page.$$eval('#moving-result p', (ps) => ps.map((p) => p.textContent));
  const after = (line, what) => Number(line.slice(line.indexOf(what) + what.length).split(/[ :]/)[0]);
  const close = (shown, value, where) => assert.ok(Math.abs(shown - value) <= 1e-6 * Math.abs(value) + 1e-9, `${where}: ${shown} against ${value}`);
  close(after(lines[1], 'Greatest '), tool.movingLoad.max.value, 'greatest');
  close(after(lines[2], 'Least '), tool.movingLoad.min.value, 'least');
  await page.click('#moving-envelope-button');
  await page.waitForSelector('#moving-envelope table');
  const rows = await page.$$eval('#moving-envelope table tr', (r) => r.slice(1).map((row) => [...row.cells].map((c) => c.textContent)));
  assert.equal(rows.length, tool.envelope.stations.length);
  tool.envelope.stations.forEach((s, i) => {
    close(Number(rows[i][0]), s.x, `x ${i}`);
    close(Number(rows[i][1]), s.max, `max ${i}`);
    close(Number(rows[i][3]), s.min, `min ${i}`);
  });
  await screenshot(page, 'i50-page-moving.png');
  assert.deepEqual(errors, []);
  await page.close();
});
