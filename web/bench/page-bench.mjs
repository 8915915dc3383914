// The browser edition's speed in headless Chromium, against the native batch tool in one run (a
// benchmark, not a test): `node web/bench/page-bench.mjs` after scripts/build-web, with
// STAVELORN_REPORT naming the native stavelorn-report (default build/stavelorn-report).
// Prints, as medians of several runs:
//  - the engine worker's start: loading, compiling and instantiating the module, first answer;
//  - the portal frame (single precision) through the page itself: choosing the example until
//    its drawing is in the page, Analyze until the results table is, each also until the frame
//    showing it is drawn, and the engine's, the JSON's and the drawing's shares of that;
//  - the 3,000-unknown lattice in double precision: the batch tool's run in the module against
//    the native tool with the same arguments, as a ratio, and the page's whole Analyze.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../serve.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
const site = process.env.STAVELORN_SITE ?? join(root, 'build-web', 'site');
const nativeTool = process.env.STAVELORN_REPORT ?? join(root, 'build', 'stavelorn-report');
const lattice = join(root, 'bench', 'lattice-3000.str');
const runs = Number(process.env.RUNS ?? 7);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

function nativeMs(args) {
  const times = [];
  for (let i = 0; i < 3; ++i) {
    const started = process.hrtime.bigint();
    execFileSync(nativeTool, args, { maxBuffer: 1 << 30 });
    times.push(Number(process.hrtime.bigint() - started) / 1e6);
  }
  return median(times);
}

const server = await serveSite(site);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--headless=new'],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 900 });
  await page.goto(address);
  await page.waitForSelector('#example option[value="portal-frame"]');

  // A worker of its own, timed request by request, beside the page's.
  const worker = await page.evaluate(async (count) => {
    const ask = (w, request) =>
      new Promise((done) => {
        w.onmessage = (e) => done(e.data.value);
        w.postMessage({ id: 1, request });
      });
    const text = await (await fetch('examples/portal-frame.str')).text();
    const start = [], open = [], analyze = [], parse = [], draw = [];
    for (let i = 0; i < count; ++i) {
      let t = performance.now();
      const w = new Worker('engine-worker.js');
      await ask(w, { op: 'captions' });
      start.push(performance.now() - t);
      t = performance.now();
      await ask(w, { op: 'open', name: 'portal-frame.str', text });
      open.push(performance.now() - t);
      t = performance.now();
      const reply = await ask(w, { op: 'analyze', double: false });
      analyze.push(performance.now() - t);
      t = performance.now();
      const svg = JSON.parse(reply).svg;
      parse.push(performance.now() - t);
      t = performance.now();
      const host = document.createElement('div');
      host.append(document.adoptNode(new DOMParser().parseFromString(svg, 'image/svg+xml').documentElement));
      document.body.append(host);
      host.getBoundingClientRect();
      host.remove();
      draw.push(performance.now() - t);
      w.terminate();
    }
    return { start, open, analyze, parse, draw };
  }, runs);

  // The page itself: choose the example, then Analyze, each until what it shows is in the page
  // (seen by a mutation observer, so that no frame's wait is counted) and then until the next
  // frame has been drawn with it.
  const whole = [];
  for (let i = 0; i < runs; ++i) {
    whole.push(
      await page.evaluate(async () => {
        const until = (test) =>
          new Promise((done) => {
            const watch = new MutationObserver(() => test() && (watch.disconnect(), done()));
            watch.observe(document.body, { subtree: true, childList: true, attributes: true });
            if (test()) watch.disconnect(), done();
          });
        const painted = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
        document.getElementById('view').replaceChildren();
        document.getElementById('drawing').replaceChildren();
        await painted();
        const select = document.getElementById('example');
        const t = performance.now();
        select.value = 'portal-frame';
        select.dispatchEvent(new Event('change'));
        await until(() => document.querySelector('#drawing svg') && !document.getElementById('analyze').disabled);
        const opened = performance.now() - t;
        await painted();
        const openedPainted = performance.now() - t;
        document.getElementById('analyze').click();
        await until(() => document.querySelector('#view table'));
        const total = performance.now() - t;
        await painted();
        return { opened, openedPainted, total, totalPainted: performance.now() - t };
      }),
    );
  }

  // The lattice in the module on the page's thread, as the batch tool and as the page analyses it.
  await page.addScriptTag({ url: 'stavelorn-engine.js' });
  const latticeText = readFileSync(lattice, 'utf8');
  const inPage = await page.evaluate(async (text) => {
    const engine = await StavelornEngine();
    engine.FS.writeFile('/lattice-3000.str', text);
    const args = new engine.StringList();
    for (const a of ['--precision', 'double', '--json', '/lattice-3000.str']) args.push_back(a);
    let t = performance.now();
    const reply = engine.runTool(args);
    const tool = performance.now() - t;
    const session = new engine.PageSession();
    session.open('lattice-3000.str', text);
    t = performance.now();
    const analysed = session.analyze(true);
    const analyze = performance.now() - t;
    t = performance.now();
    JSON.parse(analysed);
    return { status: reply.status, tool, analyze, parse: performance.now() - t, bytes: analysed.length };
  }, latticeText);
  const native = nativeMs(['--precision', 'double', '--json', lattice]);

  const row = (name, values) => console.log(`${name.padEnd(52)} ${ms(median(values))}`);
  console.log(`Portal frame, single precision (median of ${runs}):`);
  row('  engine worker start (load, compile, first answer)', worker.start);
  row('  Open in the engine (message round trip)', worker.open);
  row('  Analyze in the engine (message round trip)', worker.analyze);
  row('  the answer\'s JSON read', worker.parse);
  row('  the drawing put in the page', worker.draw);
  row('  the page: example chosen until drawn', whole.map((w) => w.opened));
  row('  the page: ... and that drawing painted', whole.map((w) => w.openedPainted));
  row('  the page: example chosen until analysed and shown', whole.map((w) => w.total));
  row('  the page: ... and painted (Analyze clicked after a paint)', whole.map((w) => w.totalPainted));
  console.log('Lattice of 3,000 unknowns, double precision:');
  console.log(`  native batch tool --json                           ${ms(native)}`);
  console.log(`  the module, same run (status ${inPage.status})                  ${ms(inPage.tool)}  (${(inPage.tool / native).toFixed(2)}x native)`);
  console.log(`  the page's Analyze (trail, tables, report, drawing) ${ms(inPage.analyze)}, ${(inPage.bytes / 1e6).toFixed(1)} MB of JSON read in ${ms(inPage.parse)}`);
} finally {
  await browser.close();
  server.close();
}
