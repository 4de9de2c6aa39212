// The fast check: every browser of navisift-page --report runs the detection page's script in
// Node's JavaScript engine, and the page must do what the report predicts.
//
// Usage: node page_in_vm.mjs PATH/TO/navisift-page

import assert from 'node:assert/strict';
import fs from 'node:fs';
import vm from 'node:vm';

import { checkEverySet, decode8Bit } from './routing_check.mjs';

// The script element's text ends at the first "</script", as an HTML parser ends it.
function scriptOf(page) {
    const startTag = '<script language="JavaScript">';
    const start = page.indexOf(startTag);
    assert.notEqual(start, -1, 'no script element');
    const end = page.toLowerCase().indexOf('</script', start);
    assert.notEqual(end, -1, 'the script element never ends');
    return page.slice(start + startTag.length, end);
}

function onLoadOf(page) {
    const body = page.match(/<body OnLoad='([^']*)'>/);
    assert.ok(body, 'no body start tag with OnLoad');
    return body[1];
}

// The page's script, compiled once, and a run of it for one visitor in a fresh context.
function loadPage(pageFile) {
    const page = decode8Bit(fs.readFileSync(pageFile));
    let script;
    let onLoad;
    try {
        script = new vm.Script(scriptOf(page), { filename: pageFile });
        onLoad = new vm.Script(onLoadOf(page), { filename: 'OnLoad' });
    } catch (error) {
        return () => [{ scriptErrors: [error.message] }];  // as a browser that cannot run it
    }
    return ({ appName, appVersion }) => {
        const calls = [];
        const context = vm.createContext({
            navigator: { appName, appVersion },
            open: (address, target) => { calls.push({ call: 'open', address, target }); },
            alert: (message) => { calls.push({ call: 'alert', message }); },
        });
        script.runInContext(context);
        onLoad.runInContext(context);
        return calls;
    };
}

function visitAll(visits) {
    const pages = new Map();
    return visits.map(({ pageFile, prediction }) => {
        if (!pages.has(pageFile)) {
            pages.set(pageFile, loadPage(pageFile));
        }
        return pages.get(pageFile)(prediction);
    });
}

const failures = await checkEverySet(process.argv[2], visitAll);
if (failures > 0) {
    console.error(`${failures} disagreement(s) between the preview and the page`);
    process.exit(1);
}
