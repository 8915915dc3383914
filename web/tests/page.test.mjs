// The page in headless Chromium, served as a web host would serve it: every example opens with
// its joints and members drawn, analyses, and shows in its three results tables the numbers of
// the native batch tool's JSON; a broken file shows the reader's message; the page fits 400 px.
// Needs STAVELORN_REPORT (the native stavelorn-report) and STAVELORN_EXAMPLES.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readdirSync } from 'node:fs';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../serve.mjs';

const site = process.env.STAVELORN_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;
const examples = process.env.STAVELORN_EXAMPLES;
const report = process.env.STAVELORN_REPORT;
let server;
let browser;
let address;

before(async () => {
  server = await serveSite(site);
  address = `http://127.0.0.1:${server.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless=new'],
  });
});
after(async () => {
  await browser?.close();
  server?.close();
});

function nativeJson(name) {
  try {
    return JSON.parse(execFileSync(report, ['--json', join(examples, `${name}.str`)], { encoding: 'utf8' }));
  } catch (failed) {
    return JSON.parse(failed.stdout);
  }
}

async function openPage(query, width = 1000) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.setViewport({ width, height: 900 });
  await page.goto(address + query);
  return { page, errors };
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
    await page.click('#show-report');
    const text = await page.$eval('#report', (pre) => pre.textContent);
    assert.equal(text, execFileSync(report, [join(examples, `${name}.str`)], { encoding: 'utf8' }));
    await pointAt(page, '#drawing svg g.joint[data-joint="1"]');
    await page.waitForFunction(() => !document.getElementById('tip').hidden);
    assert.match(await page.$eval('#tip', (t) => t.textContent), /Joint 1/);
    assert.deepEqual(errors, []);
    await page.close();
  });
}

test('a broken file gets the reader\'s message and the page stays usable', async () => {
  const { page, errors } = await openPage('');
  await page.waitForSelector('#example option[value="portal-frame"]');
  const input = await page.$('#open-file');
  await input.uploadFile(join(examples, '..', 'README.md'));
  await page.waitForSelector('.message[role="alert"]');
  assert.equal(await page.$eval('.message h2', (h) => h.textContent), 'File_Reading Error');
  assert.match(await page.$eval('.message div', (d) => d.textContent), /line \d+/i);
  assert.deepEqual(errors, []);
  await page.close();
});

test('at 400 px every control is named and nothing overflows the page', async () => {
  const { page, errors } = await openPage('?example=portal-frame', 400);
  await page.waitForSelector('#drawing svg');
  await page.click('#analyze');
  await page.waitForSelector('#view table');
  const widest = await page.evaluate(() => document.documentElement.scrollWidth);
  assert.ok(widest <= 400, `the page is ${widest} px wide`);
  const unnamed = await page.$$eval('button, select, input', (controls) =>
    controls.filter((c) => !c.hidden && !(c.getAttribute('aria-label') || c.labels?.[0]?.textContent || c.textContent).trim()).map((c) => c.outerHTML),
  );
  assert.deepEqual(unnamed, []);
  assert.deepEqual(errors, []);
  await page.close();
});
