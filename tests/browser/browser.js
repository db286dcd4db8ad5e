// Starts Debian's chromium headless for the page tests, with a profile of
// its own that is removed afterwards, and nothing that reaches the network
// on its own (no sync, no component updates, no QUIC).
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const chromiumPath = process.env.COMPILA_CHROMIUM || '/usr/bin/chromium';

export function haveChromium() {
  return existsSync(chromiumPath);
}

export async function startBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'compila-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      `--user-data-dir=${profile}`,
    ],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A page of the given size; every request it makes is recorded.
export async function openPage(browser, url, { width = 1600, height = 1400 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  const requests = [];
  page.on('request', (r) => requests.push(r.url()));
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(url, { waitUntil: 'load' });
  return { page, requests, errors };
}
