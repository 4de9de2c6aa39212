// The proof in a real browser: for every browser of navisift-page --report and every answer set,
// headless Chromium loads the detection page from file:// with that browser's user agent, appName
// and appVersion, and the calls the page makes to `open` and `alert` must be the ones predicted.
//
// Usage: node page_in_chromium.mjs PATH/TO/navisift-page [PATH/TO/chromium]

import { pathToFileURL } from 'node:url';

import { disguise, launchHeadlessChromium } from './headless_chromium.mjs';
import { checkEverySet, userAgentOf } from './routing_check.mjs';

const browser = await launchHeadlessChromium(process.argv[3]);

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
