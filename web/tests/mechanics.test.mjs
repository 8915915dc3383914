// The page's Stability menu and moving loads in headless Chromium against the native batch tool:
// the critical load factors are --buckling's, cell by cell, and each mode is drawn.
// Needs STAVELORN_REPORT (the native stavelorn-report) and STAVELORN_EXAMPLES.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../serve.mjs';

const site = process.env.STAVELORN_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;
const examples = process.env.STAVELORN_EXAMPLES;
const report = process.env.STAVELORN_REPORT;
// Where the pictures for a reader to look at go, when asked for.
const shots = process.env.STAVELORN_SHOTS;
let server;
let browser;

before(async () => {
  server = await serveSite(site);
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless=new'],
  });
});
after(async () => {
  await browser?.close();
  server?.close();
});

function nativeJson(name, ...options) {
  return JSON.parse(execFileSync(report, ['--json', ...options, join(examples, `${name}.str`)], { encoding: 'utf8' }));
}

async function analysedExample(name) {
  const page = await (await browser.createBrowserContext()).newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.setViewport({ width: 1200, height: 1000 });
  await page.goto(`http://127.0.0.1:${server.address().port}/?example=${name}`);
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
