// Runs a detection page's script in Node's JavaScript engine, as a browser of the day would run
// it: the script element is cut out the way an HTML parser cuts it, run in a fresh context with a
// fake `navigator`, `open` and `alert`, and then the body's OnLoad handler is called.

import assert from 'node:assert/strict';
import vm from 'node:vm';

// The script element's text ends at the first "</script", whatever the script means by it.
export function scriptText(page) {
    const startTag = '<script language="JavaScript">';
    const start = page.indexOf(startTag);
    assert.notEqual(start, -1, 'no script element');
    const end = page.toLowerCase().indexOf('</script', start);
    assert.notEqual(end, -1, 'the script element never ends');
    return page.slice(start + startTag.length, end);
}

export function onLoadHandler(page) {
    const body = page.match(/<body OnLoad='([^']*)'>/);
    assert.ok(body, 'no body start tag with OnLoad');
    return body[1];
}

// Compiles the page's script and its OnLoad handler once, and throws when either does not
// compile. The function it returns plays one visitor in a fresh context and gives back the calls
// of `open` and `alert`, in the order the page made them.
export function loadPage(page, filename = 'nvoutput.htm') {
    const script = new vm.Script(scriptText(page), { filename });
    const handler = new vm.Script(onLoadHandler(page), { filename: 'OnLoad' });
    return (appName, appVersion) => {
        const calls = [];
        const context = vm.createContext({
            navigator: { appName, appVersion },
            open: (address, target) => { calls.push({ call: 'open', address, target }); },
            alert: (message) => { calls.push({ call: 'alert', message }); },
        });
        script.runInContext(context);
        handler.runInContext(context);
        return calls;
    };
}
