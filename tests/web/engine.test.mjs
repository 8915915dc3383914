// The browser edition's engine module against the native batch tool: for every example, the
// same arguments give the same exit status and the same bytes (the JSON with the trail and the
// diagrams, the text report).
// Usage: node --test tests/web/  with STAVELORN_ENGINE (build-web/stavelorn-engine.js),
// STAVELORN_REPORT (the native stavelorn-report) and STAVELORN_EXAMPLES set.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { test } from 'node:test';

const engineFactory = createRequire(import.meta.url)(process.env.STAVELORN_ENGINE);
const nativeTool = process.env.STAVELORN_REPORT;
const examples = process.env.STAVELORN_EXAMPLES;
// Node's fetch cannot load the wasm beside the loader by its path: it is handed over read.
const engine = await engineFactory({ wasmBinary: readFileSync(process.env.STAVELORN_ENGINE.replace(/\.js$/, '.wasm')) });

// What the module writes for `args`, the project put in its memory under `name`.
function runInEngine(name, projectBytes, args) {
  engine.FS.writeFile(name, projectBytes);
  const list = new engine.StringList();
  for (const arg of args) list.push_back(arg);
  try {
    return engine.runTool(list);
  } finally {
    list.delete();
  }
}

// What the native tool writes for the same arguments, run in the examples' folder so that the
// file names it prints are the same.
function runNative(folder, args) {
  const run = spawnSync(nativeTool, args, { cwd: folder, encoding: 'utf8' });
  return { status: run.status, out: run.stdout, err: run.stderr };
}

const projects = readdirSync(examples).filter((file) => file.endsWith('.str'));
test('there are examples to compare', () => assert.ok(projects.length >= 6));

const requests = [
  ['--json', '--trail', '--diagrams'],
  ['--json', '--precision', 'double'],
  ['--trail', '--diagrams'],
];
for (const project of projects) {
  const bytes = readFileSync(join(examples, project));
  for (const args of requests) {
    test(`${project} ${args.join(' ')}: the module writes the native bytes`, () => {
      const native = runNative(examples, [...args, project]);
      const web = runInEngine(project, bytes, [...args, project]);
      assert.equal(web.status, native.status);
      assert.equal(web.err, native.err);
      assert.ok(web.out.length > 200, 'a whole report or JSON');
      assert.equal(web.out, native.out);
    });
  }
}

