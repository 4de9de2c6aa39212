// The fast check: every browser of navisift-page --report runs the detection page's script in
// Node's JavaScript engine, and the page must do what the report predicts.
//
// Usage: node page_in_vm.mjs PATH/TO/navisift-page

import fs from 'node:fs';

import { loadPage } from '../support/page_sandbox.mjs';
import { checkEverySet, decode8Bit } from './routing_check.mjs';

// The page's script, compiled once, and a run of it for one visitor in a fresh context.
function loadPageFile(pageFile) {
    let visit;
    try {
        visit = loadPage(decode8Bit(fs.readFileSync(pageFile)), pageFile);
    } catch (error) {
        return () => [{ scriptErrors: [error.message] }];  // as a browser that cannot run it
    }
    return ({ appName, appVersion }) => visit(appName, appVersion);
}

function visitAll(visits) {
    const pages = new Map();
    return visits.map(({ pageFile, prediction }) => {
        if (!pages.has(pageFile)) {
            pages.set(pageFile, loadPageFile(pageFile));
        }
        return pages.get(pageFile)(prediction);
    });
}

const failures = await checkEverySet(process.argv[2], visitAll);
if (failures > 0) {
    console.error(`${failures} disagreement(s) between the preview and the page`);
    process.exit(1);
}
