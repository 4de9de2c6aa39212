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

function visitAll(pageFile, predictions) {
    const page = decode8Bit(fs.readFileSync(pageFile));
    const script = new vm.Script(scriptOf(page), { filename: pageFile });
    const onLoad = new vm.Script(onLoadOf(page), { filename: 'OnLoad' });
    return predictions.map(({ appName, appVersion }) => {
        const calls = [];
        const context = vm.createContext({
            navigator: { appName, appVersion },
            open: (address, target) => { calls.push({ call: 'open', address, target }); },
            alert: (message) => { calls.push({ call: 'alert', message }); },
        });
        script.runInContext(context);
        onLoad.runInContext(context);
        return calls;
    });
}

const failures = await checkEverySet(process.argv[2], visitAll);
if (failures > 0) {
    console.error(`${failures} disagreement(s) between the preview and the page`);
    process.exit(1);
}
