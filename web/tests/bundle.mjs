// Loads one of the page's TypeScript modules into a Node test: bundled by esbuild with what it
// imports, then imported afresh, so that each load runs the module's top level again.
import { build } from 'esbuild';
import { join } from 'node:path';

const source = new URL('../src/', import.meta.url).pathname;

export async function load(file) {
  const bundled = await build({ entryPoints: [join(source, file)], bundle: true, format: 'esm', write: false });
  return import(`data:text/javascript;base64,${Buffer.from(bundled.outputFiles[0].text).toString('base64')}`);
}
