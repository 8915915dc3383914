// Bundles the page into build-web/site/: index.html, its style, the page and the engine worker,
// the engine module, the examples (with their list) and the help pages, static files a web host
// can serve.
import { build } from 'esbuild';
import { marked } from 'marked';
import { copyFileSync, existsSync, mkdirSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..');
const site = join(root, 'build-web', 'site');
mkdirSync(join(site, 'examples'), { recursive: true });

await build({
  entryPoints: { page: join(here, 'src/page.ts'), 'engine-worker': join(here, 'src/engine-worker.ts') },
  bundle: true,
  format: 'iife',
  target: 'es2020',
  minify: true,
  outdir: site,
  logLevel: 'warning',
});
for (const file of ['index.html', 'style.css']) copyFileSync(join(here, file), join(site, file));
for (const file of ['stavelorn-engine.js', 'stavelorn-engine.wasm'])
  copyFileSync(join(root, 'build-web', file), join(site, file));
const examples = readdirSync(join(root, 'examples'))
  .filter((f) => f.endsWith('.str'))
  .sort();
for (const f of examples) copyFileSync(join(root, 'examples', f), join(site, 'examples', f));
// The list of examples carries their texts: a few kilobytes, and no download when one is chosen.
const exampleTexts = Object.fromEntries(
  examples.map((f) => [f.replace(/\.str$/, ''), readFileSync(join(root, 'examples', f), 'utf8')]),
);
writeFileSync(join(site, 'examples', 'index.json'), JSON.stringify(exampleTexts));

// The help pages as the desktop ships them (made in build-web/help by the program itself) and the
// browser edition's own page: each drawn as HTML once here for the help panel, all of them in
// pages.json for the engine, which lists and searches them, and the pictures they show.
const help = join(site, 'help');
mkdirSync(join(help, 'pictures'), { recursive: true });
const pages = {};
for (const folder of [join(root, 'build-web', 'help'), join(here, 'help')])
  for (const file of readdirSync(folder).filter((f) => f.endsWith('.md')))
    pages[file.replace(/\.md$/, '')] = readFileSync(join(folder, file), 'utf8');
for (const [id, text] of Object.entries(pages)) writeFileSync(join(help, `${id}.html`), marked.parse(text));
writeFileSync(join(help, 'pages.json'), JSON.stringify(pages));
const pictures = join(root, 'build-web', 'help', 'pictures');
if (existsSync(pictures))
  for (const f of readdirSync(pictures)) copyFileSync(join(pictures, f), join(help, 'pictures', f));
