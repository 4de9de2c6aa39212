// What the browser checks share: answer sets, pages written by navisift-page, its predictions for
// every browser of its built-in list, and the comparison of a prediction with what a page did.

import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const fieldNames = [
    'siteAddress', 'baseDirectory', 'targetFrame', 'pageNetscape2', 'pageNetscape3',
    'pageNetscape4', 'pageNetscape45', 'pageExplorer3', 'pageExplorer4', 'pageExplorer5',
    'pageAol3', 'pageAol4', 'pageWebTv',
];
const limits = [40, 60, 20, ...fieldNames.slice(3).map(() => 30)];

function namedAnswers() {
    const answers = { siteAddress: 'www.example.org', baseDirectory: '/authors/jane/', targetFrame: 'content' };
    for (const field of fieldNames.slice(3)) {
        answers[field] = `${field}.html`;
    }
    return answers;
}

// The answer sets every check runs. Each text stands for its bytes, one character a byte.
export const answerSets = {
    ordinary: namedAnswers(),
    // Texts a script literal cannot hold as they stand; the page must still hand them to `open`
    // byte for byte. The CR is what a line end of CR LF leaves in a field.
    hostile: {
        siteAddress: 'www.example.org/"a\'b"',
        baseDirectory: '/dir with spaces\\net\t\\new\\<',
        targetFrame: 'my "frame" \\ it\'s',
        pageNetscape2: '/script>alert("x").html',
        pageNetscape3: '</script><b>"x"</script>',
        pageNetscape4: '<!-- hidden --> page.html\r',
        pageNetscape45: '\\',
        pageExplorer3: '"',
        pageExplorer4: 'it\'s "quoted".html',
        pageExplorer5: '</SCRIPT>.html',
        pageAol3: '\\"',
        pageAol4: 'a\\nb\\tc\\x41\\u0041.html',
        pageWebTv: '<\\/ </ <!- \' "',
    },
    // Letters of the author's 8-bit code page, as the bytes the wizard stores.
    'eight-bit': {
        ...namedAnswers(),
        siteAddress: 'www.caf\xe9.example',
        baseDirectory: '/\xfcber/',
        targetFrame: 'r\xe9sum\xe9',
        pageNetscape4: '\x80uro \x93quoted\x94.html',
        pageExplorer4: 'na\xefve\xff.html',
    },
};

// Answers, pages and the preview are 8-bit text, and the visitors' browsers read it as
// Windows-1252. That differs from Latin-1 in 0x80 to 0x9F only; Node's own decoder of that name
// may not know the difference, so the 32 characters are spelt out.
const windows1252From0x80 = [
    0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178,
];
export const decode8Bit = (bytes) =>
    String.fromCharCode(...[...bytes].map((byte) => windows1252From0x80[byte - 0x80] ?? byte));

function run(tool, args) {
    const result = spawnSync(tool, args);
    assert.equal(result.status, 0, `navisift-page ${args.join(' ')} failed: ${result.stderr}`);
    return decode8Bit(result.stdout);
}

// A scratch folder holding the answers file and the detection page of one answer set.
export function writeAnswerSet(tool, answers) {
    fieldNames.forEach((name, at) =>
        assert.ok(answers[name].length <= limits[at], `the test's ${name} is longer than the wizard allows`));
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'navisift-routing-'));
    const answersFile = path.join(folder, 'questions.txt');
    const pageFile = path.join(folder, 'nvoutput.htm');
    fs.writeFileSync(answersFile, Buffer.from(fieldNames.map((name) => `${answers[name]}\n`).join(''), 'latin1'));
    run(tool, ['--answers', answersFile, '--output', pageFile]);
    return { folder, answersFile, pageFile, remove: () => fs.rmSync(folder, { recursive: true, force: true }) };
}

const unescapeField = (field) =>
    field.replace(/\\(.)/g, (_, c) => ({ t: '\t', r: '\r', n: '\n', '\\': '\\' })[c] ?? assert.fail(`bad escape \\${c}`));

function readTsv(text) {
    const [header, ...lines] = text.split('\n').filter((line) => line !== '');
    const columns = header.split('\t');
    return lines.map((line) => {
        const fields = line.split('\t');
        assert.equal(fields.length, columns.length, `a line of ${fields.length} fields: ${line}`);
        return Object.fromEntries(columns.map((column, at) => [column, unescapeField(fields[at])]));
    });
}

// navisift-page --report for these answers: one prediction per listed browser.
export function report(tool, answersFile) {
    const predictions = readTsv(run(tool, ['--answers', answersFile, '--report', '--format', 'tsv']));
    assert.ok(predictions.length > 0, 'the report lists no browser');
    return predictions;
}

// navisift-page --explain for one visitor, given as its user agent and its appName.
export function explain(tool, answersFile, userAgent, appName) {
    const predictions = readTsv(run(tool,
        ['--answers', answersFile, '--explain', userAgent, '--app-name', appName, '--format', 'tsv']));
    assert.equal(predictions.length, 1);
    return predictions[0];
}

// The user agent a listed browser sent: its appVersion is what followed the first "/".
export const userAgentOf = (prediction) => `Mozilla/${prediction.appVersion}`;

// The calls of `open` and `alert` the page should make for a prediction.
export function expectedCalls(prediction) {
    switch (prediction.outcome) {
        case 'open':
            return [{ call: 'open', address: prediction.address, target: prediction.target }];
        case 'nothing':
            return [];
        case 'alert':
            return [{ call: 'alert', message: prediction.message }];
        default:
            return assert.fail(`unknown outcome ${prediction.outcome}`);
    }
}

// A visit: one browser of the report at the page of one answer set, with its prediction.
// `visitAll(visits)` returns, for each visit in order, the calls the page made.
//
// Checks that every prediction agrees with --explain and with the answers, and that every visit
// saw the page do what was predicted. Returns the number of disagreements.
export async function checkEverySet(tool, visitAll) {
    let failures = 0;
    const check = (name, body) => {
        try {
            body();
        } catch (error) {
            failures += 1;
            console.error(`FAIL ${name}\n  ${error.message.split('\n').join('\n  ')}`);
        }
    };
    const as8Bit = (text) => decode8Bit(Buffer.from(text, 'latin1'));
    const sets = Object.entries(answerSets).map(([setName, answers]) =>
        ({ setName, answers, files: writeAnswerSet(tool, answers) }));
    try {
        const visits = [];
        for (const { setName, answers, files } of sets) {
            for (const prediction of report(tool, files.answersFile)) {
                const name = `${setName} answers, ${prediction.browser}`;
                check(`${name}: --explain agrees with --report`, () => {
                    const single = explain(tool, files.answersFile, userAgentOf(prediction), prediction.appName);
                    assert.deepEqual({ ...single, browser: prediction.browser, source: prediction.source }, prediction);
                    if (prediction.outcome === 'open') {
                        assert.ok(prediction.address.startsWith(as8Bit(`http://${answers.siteAddress}${answers.baseDirectory}`)));
                        assert.equal(prediction.target, as8Bit(answers.targetFrame));
                    }
                });
                visits.push({ name, pageFile: files.pageFile, prediction });
            }
        }
        const observed = await visitAll(visits);
        visits.forEach((visit, at) => check(visit.name, () => {
            assert.deepEqual(observed[at], expectedCalls(visit.prediction));
        }));
        console.log(`${visits.length} visits: ${sets.length} answer sets, ${visits.length / sets.length} browsers`);
    } finally {
        sets.forEach(({ files }) => files.remove());
    }
    return failures;
}
