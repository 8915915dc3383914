// The page in headless Chromium, served as a web host would serve it: every example opens with
// its joints and members drawn, analyses, and shows in its three results tables the numbers of
// the native batch tool's JSON; a click on a member opens its window; at 400 px every control is
// named and nothing overflows; a broken file gets the reader's message.
// Needs STAVELORN_REPORT (the native stavelorn-report) and STAVELORN_EXAMPLES.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readdirSync } from 'node:fs';
import { join } from 'node:path';
import { openPage } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES;
const report = process.env.STAVELORN_REPORT;

function nativeJson(name) {
  try {
    return JSON.parse(execFileSync(report, ['--json', join(examples, `${name}.str`)], { encoding: 'utf8' }));
  } catch (failed) {
    return JSON.parse(failed.stdout);
  }
}

// The table's cells below the heading row.
async function tableRows(page, button) {
  await page.click(button);
  return page.$$eval('#view table tr', (rows) => rows.slice(1).map((r) => [...r.cells].map((c) => c.textContent)));
}

// The pointer moving over the element's first stroke, wherever other strokes cover it.
async function pointAt(page, selector) {
  await page.$eval(selector, (group) => {
    const r = group.getBoundingClientRect();
    const init = { bubbles: true, clientX: r.x + r.width / 2, clientY: r.y + r.height / 2 };
    group.firstElementChild.dispatchEvent(new PointerEvent('pointermove', init));
  });
}

function near(cell, value, where) {
  const shown = Number(cell);
  assert.ok(Number.isFinite(shown), `${where}: "${cell}" is not a number`);
  assert.ok(Math.abs(shown - value) <= 5.001e-5 * Math.abs(value) + 1e-37, `${where}: ${cell} against ${value}`);
}

// Every value of rows keyed by their first cells against the JSON's entries, in order.
function compareRows(rows, entries, key, where) {
  assert.equal(rows.length, entries.length, `${where}: rows`);
  entries.forEach((entry, i) => {
    assert.equal(rows[i][0], String(entry[key]), `${where} row ${i + 1}`);
    entry.values.forEach((v, k) => near(rows[i][k + 1], v, `${where} ${key} ${entry[key]} value ${k + 1}`));
  });
}

function compareForces(rows, forces, where) {
  const truss = rows.length === forces.length && rows[0].length === 2;
  forces.forEach((entry, m) => {
    if (truss) {
      const [size, sense] = rows[m][1].trim().split(/\s+/);
      const q = entry.values[0];
      near(size, Math.abs(q), `${where} member ${entry.member}`);
      assert.equal(sense, q > 0 ? '(C)' : q < 0 ? '(T)' : undefined, `${where} member ${entry.member} sense`);
      return;
    }
    const half = entry.values.length / 2;
    const [begin, end] = [rows[2 * m], rows[2 * m + 1]];
    assert.equal(begin[0], String(entry.member), `${where} member row`);
    entry.values.forEach((v, k) =>
      near((k < half ? begin : end)[2 + (k % half)], v, `${where} member ${entry.member} force ${k + 1}`),
    );
  });
}

const names = readdirSync(examples ?? '.').filter((f) => f.endsWith('.str')).map((f) => f.replace(/\.str$/, ''));

for (const name of names) {
  test(`${name}: drawn, analysed, and every table cell is the batch tool's`, async () => {
    const expected = nativeJson(name);
    const { page, errors } = await openPage(`?example=${name}`);
    await page.waitForSelector('#drawing svg [data-member]');
    const drawn = await page.$$eval('#drawing svg g', (groups) => ({
      joints: new Set(groups.map((g) => g.dataset.joint).filter(Boolean)).size,
      members: new Set(groups.map((g) => g.dataset.member).filter(Boolean)).size,
    }));
    assert.deepEqual(drawn, { joints: expected.jointDisplacements.length, members: expected.memberEndForces.length });
    await page.click('#analyze');
    await page.waitForSelector('#view table');
    compareRows(await tableRows(page, '#show-Disp'), expected.jointDisplacements, 'joint', 'displacements');
    compareForces(await tableRows(page, '#show-MbForce'), expected.memberEndForces, 'forces');
    compareRows(await tableRows(page, '#show-Reac'), expected.supportReactions, 'joint', 'reactions');
    await page.click('#show-diagrams');
    await page.waitForSelector('#diagram');
    assert.ok((await page.$$('#view .choices button')).length >= 1);
    await pointAt(page, '#drawing svg g.joint[data-joint="1"]');
    await page.waitForFunction(() => !document.getElementById('tip').hidden);
    assert.match(await page.$eval('#tip', (t) => t.textContent), /Joint 1/);
    assert.deepEqual(errors, []);
    await page.close();
  });
}

// The example opened and analysed, its first results table shown.
async function openAnalysed(name, width) {
  const opened = await openPage(`?example=${name}`, { width });
  await opened.page.waitForSelector('#drawing svg');
  await opened.page.click('#analyze');
  await opened.page.waitForSelector('#view table');
  return opened;
}

function nativeRun(name, ...options) {
  return JSON.parse(execFileSync(report, ['--json', ...options, join(examples, `${name}.str`)], { encoding: 'utf8' }));
}

test('a click on a member opens its diagrams, the batch tool\'s values at its ends, as does a double-click on its Member Forces row; F1 opens the page of what is in view', async () => {
  const { diagrams } = nativeRun('portal-frame', '--diagrams');
  const { page, errors } = await openAnalysed('portal-frame');
  const box = await page.$eval('#drawing svg g.member[data-member="2"]', (g) => {
    const r = g.getBoundingClientRect();
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
  });
  await page.mouse.click(box.x, box.y);
  await page.waitForSelector('#view[data-member="2"] #member-picture');
  assert.equal(await page.$eval('#view h2', (h) => h.textContent), 'Member 2 Internal Forces');
  const rows = await page.$$eval('#view table tr', (r) => r.map((row) => [...row.cells].map((c) => c.textContent)));
  const start = diagrams[1].stations[0];
  const quantities = Object.keys(start).filter((k) => k !== 'x');
  quantities.forEach((q) => near(rows[1][rows[0].findIndex((h) => h.trim().startsWith(q))], start[q], `member 2 ${q} at 0`));
  await page.keyboard.press('F1');
  await page.waitForSelector('#help-page[data-page="member-diagrams"]');
  await page.click('#show-MbForce');
  // The third row below the headings is the beginning of member 2.
  await page.click('#view table tr:nth-child(4) td', { count: 2 });
  await page.waitForSelector('#view[data-member="2"] #member-picture');
  await page.click('#show-Reac');
  await page.keyboard.press('F1');
  await page.waitForSelector('#help-page[data-page="reactions"]');
  assert.deepEqual(errors, []);
  await page.close();
});

test('at 400 px every control is named and nothing overflows the page; a broken file gets the reader\'s message', async () => {
  const { page, errors } = await openAnalysed('portal-frame', 400);
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 400));
  const unnamed = (controls) => controls.filter((c) => !c.hidden && !(c.getAttribute('aria-label') || c.labels?.[0]?.textContent || c.textContent).trim()).map((c) => c.outerHTML);
  assert.deepEqual(await page.$$eval('button, select, input', unnamed), []);
  await (await page.$('#open-file')).uploadFile(join(examples, '..', 'README.md'));
  await page.waitForSelector('.message[role="alert"]');
  assert.equal(await page.$eval('.message h2', (h) => h.textContent), 'File_Reading Error');
  assert.match(await page.$eval('.message div', (d) => d.textContent), /line \d+/i);
  assert.deepEqual(errors, []);
  await page.close();
});
