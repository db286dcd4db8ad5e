// The page of the built-in scenario that the tests drive: COMPILA_PAGE names
// one made already; otherwise COMPILA_PROGRAM, the built program, makes one in
// a scratch directory (the built-in run, then `inspect --html`).
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const program = process.env.COMPILA_PROGRAM || '';

export function pageSource() {
  if (process.env.COMPILA_PAGE) return { path: process.env.COMPILA_PAGE, done() {} };
  if (!program) return null;
  const dir = mkdtempSync(join(tmpdir(), 'compila-page-'));
  execFileSync(program, ['--output-dir', dir], { stdio: 'ignore' });
  const path = join(dir, 'page.html');
  execFileSync(program, ['inspect', dir, '--html', path], { stdio: 'ignore' });
  return { path, done: () => rmSync(dir, { recursive: true, force: true }) };
}

export const skipWithoutPage =
  !process.env.COMPILA_PAGE && !program ? 'set COMPILA_PAGE or COMPILA_PROGRAM' : false;

export function readPage(path) {
  return readFileSync(path, 'utf8');
}

const DATA = /(<script type="application\/json" id="scenario-data">)([^]*?)(<\/script>)/;

// The page with its scenario data changed by `edit`, as a new compile would.
export function withData(html, edit) {
  const m = DATA.exec(html);
  if (!m) throw new Error('no scenario-data block in the page');
  const data = edit(JSON.parse(m[2]));
  const json = JSON.stringify(data).replace(/</g, '\\u003c');
  return html.slice(0, m.index) + m[1] + json + m[3] + html.slice(m.index + m[0].length);
}

// The anomaly of a station moved 30 m off the 50 m grid.
export const offGridStation = {
  file: 'Verona _Firenze  _ EC 85-.txt',
  line: 17,
  code: 8,
  position: 6030,
  source: 'train',
  message: 'station position 6030 is not a multiple of 50',
};

export function compileResult(generation, { ok = true, anomalies = [], errors = [] } = {}) {
  return {
    generation,
    time: '10:00:0' + (generation % 10),
    line_file: 'Verona _Firenze  _linea.txt',
    train_file: 'Verona _Firenze  _ EC 85-.txt',
    ok,
    fatal: null,
    errors,
    anomalies,
  };
}

// Where an element lies on the screen: its centre.
export async function centreOf(page, selector) {
  const box = await (await page.waitForSelector(selector)).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

export const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
