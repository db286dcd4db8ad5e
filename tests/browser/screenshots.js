// The README's pictures of the page, taken in headless chromium:
//   node screenshots.js PAGE ANOMALY_PAGE DIR
// PAGE is the built-in scenario's page, ANOMALY_PAGE one made by a compile
// that met an anomaly; DIR receives page_line.png, page_detail.png and
// page_anomaly.png. Look at them before committing them.
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { openPage, startBrowser } from './browser.js';
import { centreOf, sleep } from './scenario_page.js';

const [page, anomalyPage, dir] = process.argv.slice(2);
if (!page || !anomalyPage || !dir) {
  console.error('usage: node screenshots.js PAGE ANOMALY_PAGE DIR');
  process.exit(2);
}

const size = { width: 1600, height: 1000 };
// The header, the plan and the side, without the profile below them.
const top = async (p) => ({ x: 0, y: 0, width: size.width,
  height: await p.$eval('#side', (e) => e.getBoundingClientRect().bottom + 12) });

const chromium = await startBrowser();
try {
  // The whole page, in a window tall enough for it.
  let { page: p } = await openPage(chromium.browser, pathToFileURL(page).href, { width: 1600, height: 1500 });
  await sleep(200);
  const whole = { x: 0, y: 0, width: 1600, height: await p.evaluate(() => document.documentElement.scrollHeight) };
  await p.screenshot({ path: join(dir, 'page_line.png'), clip: whole, captureBeyondViewport: false });

  // Zoomed on the tunnels past Pianoro, a signal's values beside it.
  ({ page: p } = await openPage(chromium.browser, pathToFileURL(page).href, size));
  await p.click('#tab-features');
  await (await p.waitForSelector('#features-table tr[data-key="f2651"]')).click();
  const plan = await centreOf(p, '#plan');
  await p.mouse.move(plan.x, plan.y);
  await p.mouse.wheel({ deltaY: -300 });
  await sleep(200);
  const signal = await centreOf(p, '#plan .mk[data-key="f2677"]');
  await p.mouse.move(signal.x, signal.y);
  await sleep(200);
  await p.screenshot({ path: join(dir, 'page_detail.png'), clip: await top(p), captureBeyondViewport: false });

  ({ page: p } = await openPage(chromium.browser, pathToFileURL(anomalyPage).href, size));
  await p.click('#anomaly-list li button');
  await sleep(200);
  await p.screenshot({ path: join(dir, 'page_anomaly.png'), clip: await top(p), captureBeyondViewport: false });
} finally {
  await chromium.close();
}
