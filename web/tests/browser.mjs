// What every browser test shares: the built site served as a web host would serve it, one
// headless Chromium, and pages each in a browser context (storage included) of its own, so that
// no project kept by an earlier test comes back into a page while it works.
import { before, after } from 'node:test';
import { readFileSync, readdirSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../serve.mjs';

const site = process.env.STAVELORN_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;
let server;
let browser;
// The site's address, "http://127.0.0.1:PORT/", once the tests have started.
export let address;

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

// The page at `query` (a search or fragment), `width` by `height` pixels; with `downloads`, what it
// downloads is saved in that folder; without `pickers`, the browser's file pickers are hidden from
// it. Its uncaught errors are collected in `errors`.
export async function openPage(query = '', { width = 1000, height = 900, downloads, pickers = true } = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.setViewport({ width, height });
  if (downloads) {
    const cdp = await page.createCDPSession();
    await cdp.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  }
  if (!pickers)
    await page.evaluateOnNewDocument(() => {
      for (const name of ['showOpenFilePicker', 'showSaveFilePicker']) Object.defineProperty(window, name, { value: undefined });
    });
  await page.goto(address + query);
  return { page, errors, context };
}

// Waits until the page's engine has answered what it was asked.
export const idle = (page) => page.waitForFunction(() => document.body.getAttribute('aria-busy') !== 'true');

// Clicks the element and waits until the page's engine has answered.
export async function click(page, selector) {
  await page.click(selector);
  await idle(page);
}

// The file Save downloads into `downloads` (the page opened with it, and without file pickers).
export async function savedFile(page, downloads) {
  for (const f of readdirSync(downloads)) rmSync(join(downloads, f));
  await click(page, '#save');
  for (let tries = 0; tries < 100; ++tries) {
    const done = readdirSync(downloads).filter((f) => !f.endsWith('.crdownload'));
    if (done.length) return readFileSync(join(downloads, done[0]), 'utf8');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error('nothing was downloaded');
}
