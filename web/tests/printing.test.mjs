// Printing from the page, in headless Chromium: after Analyze the browser's print to PDF holds the
// report's pages, each line as the native batch tool prints it; Print Options with the diagrams
// ticked adds a page with a picture for each diagram. Needs STAVELORN_REPORT and
// STAVELORN_EXAMPLES; reads the PDF back with pdftotext.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { idle, openPage } from './browser.mjs';

const examples = process.env.STAVELORN_EXAMPLES;
const report = process.env.STAVELORN_REPORT;
const shots = process.env.STAVELORN_SHOTS;

// The words of each line with text, as a PDF's text reads back whatever its spacing.
const wordLines = (text) =>
  text
    .split(/[\n\f]/)
    .map((line) => line.trim().split(/\s+/).join(' '))
    .filter((line) => line);

async function printedText(page, folder, name) {
  const pdf = join(folder, `${name}.pdf`);
  writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
  if (shots) execFileSync('pdftoppm', ['-png', '-r', '60', '-f', '1', '-l', '1', '-singlefile', pdf, join(shots, name)]);
  return execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
}

test('the printed PDF holds the report pages and, when ticked, the diagrams', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'stavelorn-print-'));
  const { page, errors, context } = await openPage('?example=portal-frame');
  await page.waitForSelector('#drawing svg');
  await page.click('#analyze');
  await page.waitForSelector('body.printable');

  const printed = await printedText(page, folder, 'i47-printed');
  const native = execFileSync(report, [join(examples, 'portal-frame.str')], { encoding: 'utf8' });
  assert.deepEqual(wordLines(printed), wordLines(native));
  const sheets = await page.$$eval('.print-page', (pages) => pages.length);
  assert.equal(printed.split('\f').filter((p) => p.trim()).length, sheets);

  await page.click('#show-report');
  await page.click('#print-report');
  await page.waitForSelector('#print-options');
  await page.evaluate(() => (window.print = () => document.body.setAttribute('data-printed', 'yes')));
  await page.click('#print-Results');
  await page.click('#print-InputData');
  await idle(page);
  assert.ok(await page.$eval('#print-ok', (ok) => ok.disabled), 'OK with nothing ticked');
  await page.click('#print-Diagrams');
  await idle(page);
  await page.click('#print-ok');
  await page.waitForSelector('body[data-printed]');
  const captions = await page.$$eval('.print-page img', (pictures) => pictures.map((p) => p.alt));
  // A plane frame's three: axial force, shear and bending moment.
  assert.equal(captions.length, 3, captions.join(', '));
  const pictured = wordLines(await printedText(page, folder, 'i47-printed-diagrams'));
  for (const caption of captions) assert.ok(pictured.includes(caption.split(/\s+/).join(' ')), caption);
  assert.deepEqual(errors, []);
  await context.close();
  rmSync(folder, { recursive: true, force: true });
});
