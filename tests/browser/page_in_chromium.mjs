// The proof in a real browser: for every browser of navisift-page --report and every answer set,
// headless Chromium loads the detection page from file:// with that browser's user agent, appName
// and appVersion, and the calls the page makes to `open` and `alert` must be the ones predicted.
//
// Usage: node page_in_chromium.mjs PATH/TO/navisift-page [PATH/TO/chromium]

import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

import { checkEverySet, userAgentOf } from './routing_check.mjs';

// Debian's Chromium, never a downloaded one.
const executablePath = process.argv[3] ?? execFileSync('which', ['chromium'], { encoding: 'utf8' }).trim();

// Playwright gives every launch a fresh temporary profile of its own (its --user-data-dir).
const browser = await chromium.launch({
    executablePath,
    headless: true,
    args: [
        '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
});

// Runs before the page's own script: the visitor's navigator values, and `open` and `alert`
// replaced by recorders, so that nothing navigates and no dialog waits.
function disguise({ appName, appVersion }) {
    Object.defineProperty(Navigator.prototype, 'appName', { get: () => appName, configurable: true });
    Object.defineProperty(Navigator.prototype, 'appVersion', { get: () => appVersion, configurable: true });
    window.recordedCalls = [];
    window.open = (address, target) => {
        window.recordedCalls.push({ call: 'open', address, target });
        return null;
    };
    window.alert = (message) => {
        window.recordedCalls.push({ call: 'alert', message });
    };
}

// One browser context per listed browser, for its user agent; its one tab then loads the page of
// every answer set in turn.
async function visitAs(prediction, pageFiles) {
    const context = await browser.newContext({ userAgent: userAgentOf(prediction) });
    try {
        const tab = await context.newPage();
        let errors = [];
        tab.on('pageerror', (error) => errors.push(error.message));
        await tab.addInitScript(disguise, { appName: prediction.appName, appVersion: prediction.appVersion });
        const observed = [];
        for (const pageFile of pageFiles) {
            errors = [];
            await tab.goto(pathToFileURL(pageFile).href, { waitUntil: 'load' });
            const seen = await tab.evaluate(() => ({
                userAgent: navigator.userAgent,
                appName: navigator.appName,
                appVersion: navigator.appVersion,
                calls: window.recordedCalls,
            }));
            if (seen.userAgent !== userAgentOf(prediction) || seen.appName !== prediction.appName ||
                seen.appVersion !== prediction.appVersion) {
                throw new Error(`the page saw ${JSON.stringify(seen)}`);
            }
            observed.push(errors.length > 0 ? [{ scriptErrors: errors }, ...seen.calls] : seen.calls);
        }
        return observed;
    } finally {
        await context.close();
    }
}

let failures;
try {
    failures = await checkEverySet(process.argv[2], async (visits) => {
        // The visits of each listed browser, by their places in `visits`.
        const placesOf = new Map();
        visits.forEach(({ prediction }, at) => {
            const key = `${prediction.appName}\n${prediction.appVersion}`;
            placesOf.set(key, [...(placesOf.get(key) ?? []), at]);
        });
        const observed = [];
        for (const places of placesOf.values()) {
            const calls = await visitAs(visits[places[0]].prediction, places.map((at) => visits[at].pageFile));
            places.forEach((at, n) => {
                observed[at] = calls[n];
            });
        }
        return observed;
    });
} finally {
    await browser.close();
}
if (failures > 0) {
    console.error(`${failures} disagreement(s) between the preview and Chromium`);
    process.exit(1);
}
