// The built-in scenario's page opened from disk in headless chromium.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { haveChromium, openPage, startBrowser } from './browser.js';
import { centreOf, pageSource, skipWithoutPage, sleep } from './scenario_page.js';

const skip = !haveChromium() ? 'no chromium' : skipWithoutPage;

describe('the page opened from disk', { skip, timeout: 60000 }, () => {
  let chromium, source, url;
  before(async () => {
    source = pageSource();
    url = pathToFileURL(source.path).href;
    chromium = await startBrowser();
  });
  after(async () => {
    await chromium?.close();
    source?.done();
  });

  it('loads with no request but the file itself and no script error', async () => {
    const { page, requests, errors } = await openPage(chromium.browser, url);
    await sleep(300);
    assert.deepEqual(requests, [url]);
    assert.deepEqual(errors, []);
    assert.match(await page.$eval('#title', (e) => e.textContent), /Verona _Firenze/);
    assert.equal(await page.$$eval('#stations-table tbody tr', (r) => r.length), 35);
    assert.equal(await page.$$eval('#features-table tbody tr', (r) => r.length), 138);
    assert.equal(await page.$eval('#anomalies', (e) => e.hidden), true);
    await page.close();
  });

  it('shows a station\'s values where it is pointed at, on the plan and on the profile', async () => {
    const { page } = await openPage(chromium.browser, url);
    const station = await centreOf(page, '.mk-station[data-key="s2"]');
    await page.mouse.move(station.x, station.y);
    const tip = await page.waitForSelector('#tip:not([hidden])');
    const text = await tip.evaluate((e) => e.textContent);
    for (const part of ['VERONA  CADIDAVID', 'position6000 m', 'km6.000', 'cell120', 'stop_cell122'])
      assert.ok(text.includes(part), `"${part}" in "${text}"`);

    // The same metre on the profile: the station's values, and the plan's
    // cursor on the station.
    const x = await page.$eval('#profile-svg', (svg) => {
      const [x0, x1, m1] = ['data-x0', 'data-x1', 'data-route-m'].map((a) => +svg.getAttribute(a));
      return new DOMPoint(x0 + (6000 / m1) * (x1 - x0), 0).matrixTransform(svg.getScreenCTM()).x;
    });
    const y = (await centreOf(page, '#profile-svg')).y;
    await page.mouse.move(x, y);
    await page.waitForFunction(() => document.querySelector('#tip').getAttribute('data-key') === 's2');
    const cursor = await centreOf(page, '.p-cursor');
    assert.ok(Math.hypot(cursor.x - station.x, cursor.y - station.y) < 2, 'plan cursor on the station');
    await page.close();
  });

  it('zooms the plan with the wheel about the pointer', async () => {
    const { page } = await openPage(chromium.browser, url);
    const a0 = await centreOf(page, '.mk-station[data-key="s20"]');
    const b0 = await centreOf(page, '.mk-station[data-key="s21"]');
    await page.mouse.move(a0.x, a0.y);
    await page.mouse.wheel({ deltaY: -500 });
    await sleep(200);
    const a1 = await centreOf(page, '.mk-station[data-key="s20"]');
    const b1 = await centreOf(page, '.mk-station[data-key="s21"]');
    const grown = Math.hypot(b1.x - a1.x, b1.y - a1.y) / Math.hypot(b0.x - a0.x, b0.y - a0.y);
    assert.ok(grown > 2, `marks spread by ${grown}`);
    assert.ok(Math.hypot(a1.x - a0.x, a1.y - a0.y) < 2, 'the point under the pointer stays');
    await page.close();
  });

  it('centres the plan on a row clicked in a table, and shows its values', async () => {
    const { page } = await openPage(chromium.browser, url);
    await page.click('#tab-features');
    const row = await page.waitForSelector('#features-table tr[data-key="f2243"]');
    await row.click();
    const plan = await centreOf(page, '#plan');
    await sleep(200);
    const mark = await centreOf(page, '.mk[data-key="f2243"]');
    assert.ok(Math.hypot(mark.x - plan.x, mark.y - plan.y) < 2, 'the feature at the plan centre');
    const shown = await page.$eval('#selection', (e) => e.textContent);
    for (const part of ['Signal', 'position112100 m', 'cell2243', 'tempo180'])
      assert.ok(shown.includes(part), `"${part}" in "${shown}"`);
    assert.equal(await row.evaluate((r) => r.classList.contains('selected')), true);
    await page.close();
  });

  it('sorts a table by the column clicked, either way', async () => {
    const { page } = await openPage(chromium.browser, url);
    const names = () => page.$$eval('#stations-table tbody tr td:nth-child(2)', (c) => c.map((e) => e.textContent));
    const times = () => page.$$eval('#stations-table tbody tr td:nth-child(5)', (c) => c.map((e) => e.textContent));
    const byName = [...(await names())].sort((a, b) => a.localeCompare(b));
    await page.click('#stations-table th[data-col="name"]');
    assert.deepEqual(await names(), byName);
    assert.equal(await page.$eval('th[data-col="name"]', (e) => e.getAttribute('aria-sort')), 'ascending');
    await page.click('#stations-table th[data-col="name"]');
    assert.deepEqual(await names(), [...byName].reverse());
    await page.click('#stations-table th[data-col="time"]');
    const t = await times();
    assert.deepEqual(t, [...t].sort());
    await page.close();
  });
});
