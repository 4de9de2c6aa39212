// What both real-browser checks share: Debian's Chromium, started headless, and the script that
// makes a tab look like a visitor of the time.

import { execFileSync } from 'node:child_process';

import { chromium } from 'playwright-core';

// Debian's Chromium, never a downloaded one: the path given, else the one on PATH. Playwright
// gives every launch a fresh temporary profile of its own (its --user-data-dir).
export function launchHeadlessChromium(givenPath) {
    const executablePath = givenPath ?? execFileSync('which', ['chromium'], { encoding: 'utf8' }).trim();
    return chromium.launch({
        executablePath,
        headless: true,
        args: [
            '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
        ],
    });
}

// Runs before the page's own script: the visitor's navigator values, and `open` and `alert`
// replaced by recorders, so that nothing navigates and no dialog waits.
export function disguise({ appName, appVersion }) {
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
