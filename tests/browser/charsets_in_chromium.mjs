// The page declares no character set, so a browser may read it in any: its own guess, the one a
// web server announces, or the one the visitor picks. Headless Chromium loads the pages of hostile
// answers served with no charset and with each of the encodings below, and every time the page
// must hold its one script element and nothing injected, raise no alert or script error, and hand
// `open` exactly the address and the frame the answers spell, read as Windows-1252.
//
// Usage: node charsets_in_chromium.mjs PATH/TO/navisift-page [PATH/TO/chromium]

import assert from 'node:assert/strict';
import fs from 'node:fs';

import { disguise, launchHeadlessChromium } from './headless_chromium.mjs';
import { decode8Bit, writeAnswerSet } from './routing_check.mjs';

const tool = process.argv[2];

// null: served as text/html alone, and Chromium guesses.
const charsets = [null, 'windows-1252', 'UTF-8', 'Shift_JIS', 'EUC-JP', 'GBK', 'Big5', 'EUC-KR'];

// Visitors whose tests open different page fields, with both spellings of the open call.
const visitors = [
    { field: 'pageNetscape2', appName: 'Netscape', appVersion: '2.0 (Win95; I)' },
    { field: 'pageNetscape4', appName: 'Netscape', appVersion: '4.08 [en] (Win95; I)' },
    { field: 'pageExplorer4', appName: 'Microsoft Internet Explorer', appVersion: '4.0 (compatible; MSIE 4.01; Windows 98)' },
    { field: 'pageWebTv', appName: 'WebTV Plus Receiver', appVersion: '3.0 (WebTV/2.10)' },
];

const ordinary = {
    siteAddress: 'www.example.org', baseDirectory: '/', targetFrame: 'content',
    pageNetscape2: 'n2.html', pageNetscape3: 'n3.html', pageNetscape4: 'n4.html', pageNetscape45: 'n45.html',
    pageExplorer3: 'e3.html', pageExplorer4: 'e4.html', pageExplorer5: 'e5.html',
    pageAol3: 'a3.html', pageAol4: 'a4.html', pageWebTv: 'tv.html',
};

// Each text stands for its bytes, one character a byte. 0x95 0x5C is a Shift_JIS letter, 0x83 0x5C
// another; 0xB3 0x5C and 0xA5 0x5C are Big5 letters, 0x81 0x5C a GBK one: in each, the byte of a
// backslash is the letter's second byte.
const answerSets = {
    'ASCII that ends literals and elements': {
        ...ordinary,
        siteAddress: 'www.example.org/"a\'b"&amp;',
        baseDirectory: '/dir\\"x\\<!--y-->\\',
        targetFrame: 'my "frame" \\ it\'s',
        pageNetscape2: '</script><script>alert(1)//',
        pageNetscape4: '");alert(2);//\\',
        pageExplorer4: '<!--<script>alert(3)//',
        pageWebTv: '\\\\"+alert(4)+"\r',
    },
    'Windows-1252 letters and every kind of byte above 0x7F': {
        ...ordinary,
        siteAddress: 'www.caf\xe9.example',
        baseDirectory: '/\xfcber/\x80\x93\x94/',
        targetFrame: 'r\xe9sum\xe9\x81\x8d\x8f\x90\x9d',
        pageNetscape2: '\x80\x85\x99\x9f\xa0\xbf\xff.html',
        pageNetscape4: 'na\xefve\x01\x1b\x7f.html',
        pageExplorer4: '\xe0\xe1\xe2\xe3\xe4\xe5\xe6.html',
        pageWebTv: '\xfd\xfe\xff\xf0\xf1.html',
    },
    'Shift_JIS letters ending in a backslash, the frame name one of them': {
        ...ordinary,
        siteAddress: 'www.\x95\\.example',
        baseDirectory: '/\x83\\\x83\x74\x83\x67/',
        targetFrame: '\x95\\',
        pageExplorer4: '\x83\\</script><b>3</b>',
        pageWebTv: '\x95\\\x95\\\\',
    },
    'Shift_JIS lead bytes before quotes and backslashes': {
        ...ordinary,
        pageNetscape2: '\x95");alert(1);//',
        pageNetscape4: '\x95\\");alert(2);//',
        pageExplorer4: '\x95"+alert(3));//',
        pageWebTv: '\x83",alert(4));//',
    },
    'Text of other Asian encodings with lead bytes before quotes': {
        ...ordinary,
        siteAddress: 'www.\xb3\\\xa5\\\xbb\\.example',
        baseDirectory: '/\xc6\xfc\xcb\xdc\xb8\xec/\xc7\xd1\xb1\xb9/',
        targetFrame: '\x81\\\xd6\xd0\xce\xc4',
        pageNetscape2: '\xb3\\");alert(1);//',
        pageNetscape4: '\x81\\");alert(2);//',
        pageExplorer4: '\xa5\\<!--\xd6"',
        pageWebTv: '\xc7"+alert(4)+"\xb1',
    },
};

// The elements of the page as the parser builds them: the script is moved into the head.
const elementsOfThePage = ['HTML', 'HEAD', 'TITLE', 'SCRIPT', 'BODY', 'A', 'P', 'A'];

const browser = await launchHeadlessChromium(process.argv[3]);

let failures = 0;
let loads = 0;
const pages = Object.entries(answerSets).map(([setName, answers]) => {
    const files = writeAnswerSet(tool, answers);
    try {
        return { setName, answers, bytes: fs.readFileSync(files.pageFile) };
    } finally {
        files.remove();
    }
});
try {
    for (const { setName, bytes } of pages) {
        const outside = [...bytes].findIndex((byte) => !(byte >= 0x20 && byte <= 0x7e) && byte !== 0x0d && byte !== 0x0a);
        if (outside >= 0) {
            failures += 1;
            console.error(`FAIL ${setName}: byte 0x${bytes[outside].toString(16)} at ${outside} is not printable ASCII`);
        }
    }
    for (const visitor of visitors) {
        const context = await browser.newContext({ userAgent: `Mozilla/${visitor.appVersion}` });
        try {
            let served;
            await context.route('http://navisift.test/**', (route) => route.fulfill({
                status: 200,
                headers: { 'Content-Type': served.charset ? `text/html; charset=${served.charset}` : 'text/html' },
                body: served.bytes,
            }));
            const tab = await context.newPage();
            await tab.addInitScript(disguise, { appName: visitor.appName, appVersion: visitor.appVersion });
            let errors = [];
            tab.on('pageerror', (error) => errors.push(error.message));
            for (const { setName, answers, bytes } of pages) {
                for (const charset of charsets) {
                    served = { bytes, charset };
                    errors = [];
                    loads += 1;
                    await tab.goto(`http://navisift.test/nvoutput.htm?load=${loads}`, { waitUntil: 'load' });
                    const seen = await tab.evaluate(() => ({
                        characterSet: document.characterSet,
                        elements: [...document.querySelectorAll('*')].map((element) => element.tagName),
                        calls: window.recordedCalls,
                        links: [...document.querySelectorAll('a')].map((link) =>
                            ({ href: link.getAttribute('href'), target: link.getAttribute('target') })),
                    }));
                    const spelt = (text) => decode8Bit(Buffer.from(text, 'latin1'));
                    const linkTo = (field) => ({
                        href: spelt(`http://${answers.siteAddress}${answers.baseDirectory}${answers[field]}`),
                        target: spelt(answers.targetFrame),
                    });
                    try {
                        if (charset) {
                            assert.equal(seen.characterSet.toLowerCase(), charset.toLowerCase(), 'the served charset was not used');
                        }
                        assert.deepEqual(errors, [], 'script errors');
                        assert.deepEqual(seen.elements, elementsOfThePage, 'the elements of the page');
                        const { href, target } = linkTo(visitor.field);
                        assert.deepEqual(seen.calls, [{ call: 'open', address: href, target }], 'the calls the page made');
                        assert.deepEqual(seen.links, [linkTo('pageNetscape3'), linkTo('pageExplorer3')], 'the links');
                    } catch (error) {
                        failures += 1;
                        console.error(`FAIL ${setName}, ${charset ?? `no charset (read as ${seen.characterSet})`}, ` +
                            `${visitor.field}\n  ${error.message.split('\n').join('\n  ')}`);
                    }
                }
            }
        } finally {
            await context.close();
        }
    }
} finally {
    await browser.close();
}
if (failures > 0) {
    console.error(`${failures} failure(s) in ${loads} page loads`);
    process.exit(1);
}
console.log(`${loads} page loads: ${pages.length} answer sets, ${charsets.length} ways to serve them, ${visitors.length} visitors`);
