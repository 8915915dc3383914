// Bundles the page into build-web/site/: index.html, its style, the page and the engine worker,
// the engine module and the examples (with their list), static files a web host can serve.
import { build } from 'esbuild';
import { copyFileSync, mkdirSync, readdirSync, writeFileSync } from 'node:fs';
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
copyFileSync(join(root, 'build-web', 'stavelorn-engine.js'), join(site, 'stavelorn-engine.js'));
const examples = readdirSync(join(root, 'examples'))
  .filter((f) => f.endsWith('.str'))
  .sort();
for (const f of examples) copyFileSync(join(root, 'examples', f), join(site, 'examples', f));
writeFileSync(join(site, 'examples', 'index.json'), JSON.stringify(examples.map((f) => f.replace(/\.str$/, ''))));
