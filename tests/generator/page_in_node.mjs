// Runs detection pages made by navisift-page in a real JavaScript engine (see
// ../support/page_sandbox.mjs), each for a table of browsers. Then we look at what it opened.
//
// Usage: node page_in_node.mjs PATH/TO/navisift-page

import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { loadPage, scriptText } from '../support/page_sandbox.mjs';

const tool = process.argv[2];
const fieldNames = [
    'siteAddress', 'baseDirectory', 'targetFrame', 'pageNetscape2', 'pageNetscape3',
    'pageNetscape4', 'pageNetscape45', 'pageExplorer3', 'pageExplorer4', 'pageExplorer5',
    'pageAol3', 'pageAol4', 'pageWebTv',
];
const pageFields = fieldNames.slice(3);
const limits = [40, 60, 20, ...pageFields.map(() => 30)];

let failures = 0;
function check(name, body) {
    try {
        body();
    } catch (error) {
        failures += 1;
        console.error(`FAIL ${name}\n  ${error.message.split('\n').join('\n  ')}`);
    }
}

// Writes an answers file with the given line end, runs navisift-page on it, returns the page.
function makePage(answers, lineEnd = '\n') {
    fieldNames.forEach((name, at) =>
        assert.ok(answers[name].length <= limits[at], `the test's ${name} is longer than the wizard allows`));
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'navisift-node-'));
    try {
        const answersFile = path.join(folder, 'questions.txt');
        const pageFile = path.join(folder, 'nvoutput.htm');
        const lines = fieldNames.map((name) => answers[name] + lineEnd).join('');
        fs.writeFileSync(answersFile, Buffer.from(lines, 'latin1'));
        const run = spawnSync(tool, ['--answers', answersFile, '--output', pageFile]);
        assert.equal(run.status, 0, `navisift-page failed: ${run.stderr}`);
        return fs.readFileSync(pageFile).toString('latin1');
    } finally {
        fs.rmSync(folder, { recursive: true, force: true });
    }
}

// Answers whose page fields name themselves, so that an opened address shows its field.
const ordinary = {
    siteAddress: 'www.example.org',
    baseDirectory: '/authors/jane/',
    targetFrame: 'content',
};
for (const field of pageFields) {
    ordinary[field] = `${field}.html`;
}
const addressOf = (answers, field) =>
    'http://' + answers.siteAddress + answers.baseDirectory + answers[field];

const alertMessage = 'You are Using a Unknown Browser';
const netscape = 'Netscape';
const explorer = 'Microsoft Internet Explorer';

// [appName, appVersion, the page field opened, or 'alert', or null for nothing at all]
const visitors = [
    // Netscape 2 and 3
    [netscape, '2.0 (Win95; I)', 'pageNetscape2'],
    [netscape, '2.02 (Win95; I)', 'pageNetscape2'],
    [netscape, '3.01 (Win95; I)', 'pageNetscape3'],
    [netscape, '3.02 (Win95; I)', 'pageNetscape3'],
    [netscape, '3.03 (Win95; I)', 'pageNetscape3'],
    [netscape, '3.04 (Win95; U)', 'pageNetscape3'],
    [netscape, '3.0 (Win95; I)', 'pageNetscape3'],
    [netscape, '3.0 (WebTV/2.10)', 'pageNetscape3'],
    [netscape, '3.1 (X11; I; Linux)', 'alert'],
    // Netscape 4: every 4.0 and 4.5 version, and the 4.x versions the family lets through
    ...['4.0b1', '4.0b2', '4.0b3', '4.0b4', '4.0b5', '4.01a', '4.01A', '4.01', '4.02', '4.03',
        '4.04', '4.05', '4.06', '4.07', '4.08', '4.0', '4.09']
        .map((version) => [netscape, `${version} [en] (Win95; I)`, 'pageNetscape4']),
    ...['4.5b1', '4.5b2', '4.5', '4.51']
        .map((version) => [netscape, `${version} [en] (WinNT; I)`, 'pageNetscape45']),
    [netscape, '4.1 [en] (Win95; I)', null],
    [netscape, '4.6 [en] (Win98; I)', null],
    [netscape, '4', null],
    [netscape, '5.0 (Windows; en-US)', 'alert'],
    [netscape, '5.0 (compatible; MSIE 3.02; Windows 95)', 'pageAol4'],
    // Internet Explorer 5 and 4
    [explorer, '4.0 (compatible; MSIE 5.0b1; Windows 98)', 'pageExplorer5'],
    [explorer, '4.0 (compatible; MSIE 5.0b2; Windows 98)', 'pageExplorer5'],
    [explorer, '4.0 (compatible; MSIE 5.0; Windows 98)', null],
    [explorer, '4.0 (compatible; MSIE 5.01; Windows NT)', null],
    [explorer, '4.0 (compatible; MSIE 4.01; Windows 98)', 'pageExplorer4'],
    [explorer, '4.0 (compatible; MSIE 4.0; Windows 95)', 'pageExplorer4'],
    [explorer, '4.0 (compatible; MSIE 4.0b2; Windows 95)', 'pageExplorer4'],
    [explorer, '4.0 (compatible; MSIE 4.5; Mac_PowerPC)', 'alert'],
    [explorer, '4.0 (compatible; MSIE 6.0; Windows NT 5.1)', 'alert'],
    // Internet Explorer 3, and AOL 3.0 built on it, which the family takes first
    [explorer, '2.0 (compatible; MSIE 3.01; Windows 95)', 'pageExplorer3'],
    [explorer, '2.0 (compatible; MSIE 3.02; Windows 95)', 'pageExplorer3'],
    [explorer, '2.0 (compatible; MSIE 3.03; Windows 95)', 'pageExplorer3'],
    [explorer, '2.0 (compatible; MSIE 3.0; Windows 95)', 'pageExplorer3'],
    [explorer, '2.0 (compatible; MSIE 3.0A; Windows 95)', 'pageExplorer3'],
    [explorer, '2.0 (compatible; MSIE 3.0; AOL 3.0; Windows 95)', 'pageExplorer3'],
    ['AOL', '2.0 (compatible; MSIE 3.0; AOL 3.0; Windows 95)', 'pageExplorer3'],
    [explorer, '2.0 (compatible; MSIE 3.1; Windows 95)', null],
    [explorer, '2.0 (compatible; MSIE 2.0; Windows 95)', 'alert'],
    // AOL 4.0 and WebTV
    [explorer, '3.0 (compatible; MSIE 3.02; AOL 4.0; Windows 95)', 'pageAol4'],
    ['AOL', '4.5 (compatible; MSIE 3.02; AOL 4.0; Windows 98)', 'pageAol4'],
    ['WebTV Plus Receiver', '3.0 (WebTV/2.10)', 'pageWebTv'],
    ['WebTV Plus Receiver', '3.0 (WebTV/2.00)', 'alert'],
    // Nobody the chain knows
    ['Lynx', '2.8.3rel.1 libwww-FM/2.14', 'alert'],
    ['', '', 'alert'],
];

const visitOrdinary = loadPage(makePage(ordinary));
for (const [appName, appVersion, expected] of visitors) {
    check(`${appName || '(no name)'} / ${appVersion || '(no version)'}`, () => {
        const calls = visitOrdinary(appName, appVersion);
        if (expected === null) {
            assert.deepEqual(calls, []);
        } else if (expected === 'alert') {
            assert.deepEqual(calls, [{ call: 'alert', message: alertMessage }]);
        } else {
            assert.deepEqual(calls, [
                { call: 'open', address: addressOf(ordinary, expected), target: ordinary.targetFrame },
            ]);
        }
    });
}

// One visitor per page field, for the answer sets below.
const visitorOf = {
    pageNetscape2: [netscape, '2.0 (Win95; I)'],
    pageNetscape3: [netscape, '3.0 (Win95; I)'],
    pageNetscape4: [netscape, '4.08 [en] (Win95; I)'],
    pageNetscape45: [netscape, '4.5 [en] (Win95; I)'],
    pageExplorer3: [explorer, '2.0 (compatible; MSIE 3.02; Windows 95)'],
    pageExplorer4: [explorer, '4.0 (compatible; MSIE 4.01; Windows 98)'],
    pageExplorer5: [explorer, '4.0 (compatible; MSIE 5.0b2; Windows 98)'],
    pageAol3: null,  // never reached: the Internet Explorer 3 family takes its visitors
    pageAol4: [explorer, '3.0 (compatible; MSIE 3.02; AOL 4.0; Windows 95)'],
    pageWebTv: ['WebTV Plus Receiver', '3.0 (WebTV/2.10)'],
};

// Fallback links: the address and target each opens, with attribute references decoded.
function fallbackLinks(page) {
    const named = { amp: '&', quot: '"' };
    const decode = (text) =>
        text.replace(/&(?:#(\d+)|(amp|quot));/g, (_, number, name) => name ? named[name] : String.fromCodePoint(number));
    return [...page.matchAll(/<a href="((?:[^"])*)" target="((?:[^"])*)">/g)].map((link) => ({
        address: decode(link[1]),
        target: decode(link[2]),
    }));
}

function checkAnswerSet(name, answers, lineEnd = '\n') {
    // An answers file with CR LF line ends hands every field a trailing CR.
    const spelt = Object.fromEntries(
        fieldNames.map((field) => [field, answers[field] + lineEnd.slice(0, -1)]));
    let visit;
    let page;
    check(`${name}: the page parses`, () => {
        page = makePage(answers, lineEnd);
        const script = scriptText(page);
        assert.ok(script.trimEnd().endsWith('}'), 'the script element ends before checkBrowser does');
        assert.ok(!script.includes('<!--'), 'an answer opens an HTML comment inside the script');
        visit = loadPage(page);
    });
    if (!visit) {
        return;
    }
    for (const [field, visitor] of Object.entries(visitorOf)) {
        if (!visitor) {
            continue;
        }
        check(`${name}: ${field}`, () => {
            assert.deepEqual(visit(...visitor), [
                { call: 'open', address: addressOf(spelt, field), target: spelt.targetFrame },
            ]);
        });
    }
    check(`${name}: fallback links`, () => {
        assert.deepEqual(fallbackLinks(page), [
            { address: addressOf(spelt, 'pageNetscape3'), target: spelt.targetFrame },
            { address: addressOf(spelt, 'pageExplorer3'), target: spelt.targetFrame },
        ]);
    });
}

checkAnswerSet('ordinary answers', ordinary);
checkAnswerSet('answers with CR LF line ends', ordinary, '\r\n');
checkAnswerSet('hostile answers', {
    siteAddress: 'www.example.org/"a\'b"&amp;',
    baseDirectory: '/dir with spaces\\net\\new\\<',
    targetFrame: 'my "frame" \\ it\'s',
    pageNetscape2: '/script>alert("x").html',
    pageNetscape3: '</script><b>"x"</script>',
    pageNetscape4: '<!-- hidden --> page.html',
    pageNetscape45: '\\',
    pageExplorer3: '"',
    pageExplorer4: 'it\'s "quoted".html',
    pageExplorer5: '</SCRIPT>.html',
    pageAol3: '\\"',
    pageAol4: 'a\\nb\\tc.html',
    pageWebTv: '<\\/ </ <!-',
});
const empty = Object.fromEntries(fieldNames.map((field) => [field, '']));
checkAnswerSet('empty answers', empty);

if (failures > 0) {
    console.error(`${failures} check(s) failed`);
    process.exit(1);
}
console.log(`all checks passed (${visitors.length} visitors)`);
