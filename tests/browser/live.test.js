// The page served live: a compile that meets an anomaly shows it on the open
// page within a second, a fix takes it away, and the author's zoom and
// position stay. Driven against a stand-in server that swaps the page as a
// compile would and, with COMPILA_PROGRAM set, against `watch` itself, where
// the author's train description is edited on disk.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { createServer, get } from 'node:http';
import { haveChromium, openPage, startBrowser } from './browser.js';
import {
  centreOf, compileResult, offGridStation, pageSource, program, readPage, skipWithoutPage, sleep, withData,
} from './scenario_page.js';
import { startWatch } from './watch.js';

// Serves `/` and `/events` as `watch` does, and 404 for anything else. Each
// `publish` replaces the page and tells the open pages.
function standIn(page) {
  let current = page;
  let generation = 1;
  const streams = new Set();
  const server = createServer((req, res) => {
    if (req.method === 'GET' && req.url === '/') {
      res.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-store' });
      res.end(current);
    } else if (req.method === 'GET' && req.url === '/events') {
      res.writeHead(200, { 'Content-Type': 'text/event-stream', 'Cache-Control': 'no-store' });
      res.write(`event: compiled\ndata: {"generation":${generation}}\n\n`);
      streams.add(res);
      req.on('close', () => streams.delete(res));
    } else {
      res.writeHead(404).end();
    }
  });
  const publish = (edit) => {
    generation += 1;
    current = withData(page, (d) => ({ ...d, compile: compileResult(generation, edit) }));
    for (const s of streams) s.write(`event: compiled\ndata: {"generation":${generation}}\n\n`);
  };
  return {
    start: () => new Promise((ok) => server.listen(0, '127.0.0.1', () => {
      current = withData(page, (d) => ({ ...d, compile: compileResult(1) }));
      ok(`http://127.0.0.1:${server.address().port}/`);
    })),
    breakStation: () => publish({ anomalies: [offGridStation] }),
    fixStation: () => publish({}),
    failCompile: () => publish({ ok: false, errors: ['Verona _Firenze  _linea.txt: No such file or directory'] }),
    stop: () => {
      for (const s of streams) s.end();
      server.closeAllConnections?.();
      return new Promise((ok) => server.close(ok));
    },
  };
}

const anomalyShown = 'document.querySelector("#anomaly-list li") !== null && !document.querySelector("#anomalies").hidden';
const anomalyGone = 'document.querySelector("#anomalies").hidden';

function liveTests(name, makeServer, skip, real = false) {
  describe(name, { skip, timeout: 60000 }, () => {
    let chromium, server, url;
    before(async () => {
      server = await makeServer();
      url = await server.start();
      chromium = await startBrowser();
    });
    after(async () => {
      await chromium?.close();
      await server?.stop();
    });

    it('shows an anomaly within a second of the save, keeps the view, and drops it once fixed', async (t) => {
      const { page, errors } = await openPage(chromium.browser, url);
      const station = await centreOf(page, '.mk-station[data-key="s1"]');
      await page.mouse.move(station.x, station.y);
      await page.mouse.wheel({ deltaY: -400 });
      await sleep(200);
      // Where the station lies in the plan: the anomalies above may move the plan down the page.
      const inPlan = async () => {
        const [mark, plan] = [await centreOf(page, '.mk-station[data-key="s1"]'), await centreOf(page, '#plan')];
        return { x: mark.x - plan.x, y: mark.y - plan.y };
      };
      const before = await inPlan();
      const scale = await page.$eval('.p-scale-text', (e) => e.textContent);

      const saved = Date.now();
      await server.breakStation();
      await page.waitForFunction(anomalyShown, { timeout: 1000, polling: 'mutation' });
      t.diagnostic(`save to page: ${Date.now() - saved} ms`);
      const line = await page.$eval('#anomaly-list li', (e) => e.textContent);
      assert.match(line, /Verona _Firenze {2}_ EC 85-\.txt:17 anomaly 8 at 6030 m: station position 6030 is not a multiple of 50/);
      const kept = await inPlan();
      assert.ok(Math.hypot(kept.x - before.x, kept.y - before.y) < 1, 'the plan did not move');
      assert.equal(await page.$eval('.p-scale-text', (e) => e.textContent), scale);

      // A click on the anomaly centres the plan on its place.
      await page.click('#anomaly-list li button');
      await sleep(200);
      const plan = await centreOf(page, '#plan');
      const mark = await centreOf(page, '#plan .mk-anomaly');
      assert.ok(Math.hypot(mark.x - plan.x, mark.y - plan.y) < 2, 'the anomaly at the plan centre');

      await server.fixStation();
      await page.waitForFunction(anomalyGone, { timeout: 1000 });
      assert.deepEqual(errors, []);
      await page.close();
    });

    it('keeps the last good view under a compile that fails', async () => {
      const { page } = await openPage(chromium.browser, url);
      const stations = await page.$$eval('#stations-table tbody tr', (r) => r.length);
      await server.failCompile();
      await page.waitForSelector('#anomalies.failed:not([hidden])', { timeout: 1000 });
      assert.match(await page.$eval('#anomalies', (e) => e.textContent), /last good[^]*_linea\.txt/);
      assert.equal(await page.$$eval('#stations-table tbody tr', (r) => r.length), stations);
      await server.fixStation();
      await page.waitForFunction(anomalyGone, { timeout: 1000 });
      await page.close();
    });

    it('answers 404 to anything but the page and its event stream', { skip: !real && 'watch only' }, async () => {
      const paths = ['/index.html', '/favicon.ico', '/out/', '/' + encodeURIComponent('Verona _Firenze  _linea.txt'),
        '/..%2f..%2fetc%2fpasswd', '/events/x'];
      for (const path of paths) {
        const status = await new Promise((ok, fail) => {
          get(url + path.slice(1), (res) => { res.resume(); ok(res.statusCode); }).on('error', fail);
        });
        assert.equal(status, 404, path);
      }
    });
  });
}

const noBrowser = !haveChromium() ? 'no chromium' : false;

let source;
liveTests('the page under a stand-in server', () => {
  source = pageSource();
  return standIn(readPage(source.path));
}, noBrowser || skipWithoutPage);
after(() => source?.done());

liveTests('the page under watch', () => startWatch(program), noBrowser || (program ? false : 'set COMPILA_PROGRAM'), true);
