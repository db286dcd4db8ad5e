// `watch` on a scratch copy of the built-in sources, edited as an author
// would: in place, or by writing a new file and renaming it over the old one.
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, readdirSync, renameSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const LINE = 'Verona _Firenze  _linea.txt';
const TRAIN = 'Verona _Firenze  _ EC 85-.txt';

export function startWatch(program) {
  const dir = mkdtempSync(join(tmpdir(), 'compila-watch-'));
  const out = join(dir, 'out');
  let child = null;
  let exited = null;
  let original = null;

  const saveByRename = (name, text) => {
    writeFileSync(join(dir, name + '.new'), text);
    renameSync(join(dir, name + '.new'), join(dir, name));
  };

  return {
    real: true,
    start() {
      execFileSync(program, ['export-sources', '--output-dir', dir], { stdio: 'ignore' });
      mkdirSync(out);
      original = readFileSync(join(dir, TRAIN), 'latin1');
      child = spawn(program, ['watch', LINE, TRAIN, '--output-dir', out], {
        cwd: dir,
        stdio: ['ignore', 'pipe', 'pipe'],
      });
      exited = new Promise((ok) => child.on('exit', (code, signal) => ok({ code, signal })));
      return new Promise((ok, fail) => {
        let said = '';
        const timer = setTimeout(() => fail(new Error(`watch printed no address: ${said}`)), 10000);
        child.stdout.on('data', (b) => {
          said += b;
          const m = /http:\/\/127\.0\.0\.1:\d+\//.exec(said);
          if (m) {
            clearTimeout(timer);
            ok(m[0]);
          }
        });
        child.stderr.on('data', () => {});
      });
    },
    breakStation() {
      const moved = original.replace(/^stazione,    6000,/m, 'stazione,    6030,');
      if (moved === original) throw new Error('the built-in train has no station at 6000 m');
      writeFileSync(join(dir, TRAIN), moved, 'latin1');
    },
    fixStation() {
      saveByRename(TRAIN, Buffer.from(original, 'latin1'));
      try {
        renameSync(join(dir, LINE + '.away'), join(dir, LINE));
      } catch {
        // the line description was never taken away
      }
    },
    failCompile() {
      renameSync(join(dir, LINE), join(dir, LINE + '.away'));
    },
    // Ctrl-C ends it with status 0 and no temporary left beside the outputs.
    async stop() {
      try {
        if (child && child.exitCode === null) {
          child.kill('SIGINT');
          const end = await exited;
          if (end.code !== 0) throw new Error(`watch ended with ${JSON.stringify(end)} on SIGINT`);
          const left = readdirSync(out).filter((f) => f.endsWith('.tmp'));
          if (left.length) throw new Error(`temporaries left: ${left.join(', ')}`);
        }
      } finally {
        rmSync(dir, { recursive: true, force: true });
      }
    },
  };
}
