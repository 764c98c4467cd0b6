// Pages written by Tessel's generator, served from 127.0.0.1 and loaded in Debian's Chromium and
// Firefox ESR through one library: the pictures show and swap under the mouse, and each button
// opens its link where its frame says, whatever characters the names hold.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, mkdirSync, readFileSync, writeFileSync, existsSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import puppeteer from 'puppeteer-core';

const site = mkdtempSync(join(tmpdir(), 'tessel-browser-'));
const engines = {
    chromium: { browser: 'chrome', executablePath: '/usr/bin/chromium', ignoreDefaultArgs: ['--disable-popup-blocking'],
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'] },
    firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', extraPrefsFirefox: { 'dom.disable_open_during_load': true } },
};
let server, base;

function put(name, text) {
    const path = join(site, name.replace(/\\/g, '/')); // a browser reads a backslash as a slash
    mkdirSync(dirname(path), { recursive: true });
    text === undefined ? copyFileSync(join(process.env.TESSEL_TEST_DATA, 'green.gif'), path) : writeFileSync(path, text);
}

// Writes a page with the generator itself; buttons: [{normal, over, link, frame}].
function menuPage(name, buttons, type = 1) {
    buttons.forEach((b) => { put(b.normal); put(b.over); put(b.link, `<p>${b.link.replace(/[<&"]/g, '')}</p>`); });
    writeFileSync(join(site, `${name}.json`), JSON.stringify({ type, buttons }));
    execFileSync(process.env.TESSEL_PAGEGEN, [join(site, `${name}.json`), join(site, name)]);
    assert.ok(readFileSync(join(site, name)).every((byte) => byte < 0x80), 'the page is pure ASCII');
}

const attr = (text) => text.replace(/&/g, '&amp;').replace(/"/g, '&quot;');
const frames = (names, inner = '') => `<html><head><meta charset="utf-8"></head><body>${inner}` +
    names.map((f) => `<iframe name="${attr(f)}" src="blank.html"></iframe>`).join('') + '</body></html>';

// Where every window of the page stands: the top one, then each frame by its path of names.
const where = (page) => page.evaluate(() => {
    const out = { '(window)': decodeURIComponent(location.pathname) };
    const walk = (doc, prefix) => {
        for (const f of doc.querySelectorAll('iframe')) {
            out[prefix + f.name] = decodeURIComponent(f.contentWindow.location.pathname);
            walk(f.contentDocument, `${prefix}${f.name}/`);
        }
    };
    walk(document, '');
    return out;
});

async function settle(check) {
    for (let tries = 0; tries < 100 && !(await check().catch(() => false)); ++tries)
        await new Promise((resolve) => setTimeout(resolve, 20));
}

// What image But<i> of a frame shows, and whether it has really loaded.
const shown = (frame, i) => frame.evaluate((n) => {
    const img = document.images[`But${n}`];
    return `${decodeURIComponent(new URL(img.src).pathname)}${img.complete && img.naturalWidth > 0 ? '' : ' (not loaded)'}`;
}, i);

before(() => new Promise((resolve) => {
    put('blank.html', '<p>blank</p>');
    server = createServer((request, response) => {
        const path = join(site, decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (!path.startsWith(site) || !existsSync(path)) return response.writeHead(404).end();
        response.writeHead(200, { 'Content-Type': path.endsWith('.gif') ? 'image/gif' : 'text/html' }).end(readFileSync(path));
    });
    server.listen(0, '127.0.0.1', () => { base = `http://127.0.0.1:${server.address().port}/`; resolve(); });
}));
after(() => { server.close(); rmSync(site, { recursive: true, force: true }); });

// Each frame kind: the frame typed, the link, the page holding the menu (flat: the menu beside
// the named frames; deep: the menu two frames down) and the window expected to show the link.
const kinds = [
    ['', 'say"hi".html', 'flat', '(window)'], ['main', 'café.html', 'flat', 'main'],
    ['main-frame', 'a&b.html', 'flat', 'main-frame'], ['my frame', 'dir\\page.html', 'flat', 'my frame'],
    ['日本', '日本.html', 'flat', '日本'], ['a&b"c\\d', 'q.html', 'flat', 'a&b"c\\d'],
    ['top', 'r1.html', 'flat', 'top'], ['self', 'r2.html', 'flat', 'self'], ['_self', 'r3.html', 'flat', 'menu'],
    ['_top', 'r4.html', 'deep', '(window)'], ['_parent', 'r5.html', 'deep', 'outer'], ['_blank', 'r6.html', 'flat', 'popup'],
];

for (const [engine, options] of Object.entries(engines)) {
    describe(engine, () => {
        let browser;
        before(async () => { browser = await puppeteer.launch({ headless: true, ...options }); });
        after(() => browser?.close());

        async function open(url) {
            const page = await browser.newPage();
            const errors = [];
            page.on('pageerror', (error) => errors.push(error.message));
            await page.goto(base + url);
            return { page, errors };
        }

        for (const type of [1, 2]) {
            test(`${type === 1 ? 'vertical' : 'horizontal'}: pictures show and swap for one button alone`, async () => {
                const buttons = [['é.gif', '日本.gif'], ['a&b.gif', 'img\\c.gif'], ['x"y.gif', 'q"uote.gif']]
                    .map(([normal, over]) => ({ normal: `${type}${normal}`, over: `${type}${over}`, link: 'blank.html', frame: '' }));
                menuPage(`menu${type}.html`, buttons, type);
                const { page, errors } = await open(`menu${type}.html`);
                const normals = buttons.map((b) => `/${b.normal}`);
                const [one, two] = [await page.$eval('img[name=But1]', (e) => e.getBoundingClientRect().toJSON()),
                    await page.$eval('img[name=But2]', (e) => e.getBoundingClientRect().toJSON())];
                assert.ok(type === 1 ? two.y > one.y : two.x > one.x, `${engine}: buttons run the chosen way`);
                for (const i of [1, 2, 3]) {
                    await page.hover(`img[name=But${i}]`);
                    const want = normals.map((n, k) => (k === i - 1 ? `/${buttons[k].over.replace(/\\/g, '/')}` : n));
                    await settle(async () => (await Promise.all([1, 2, 3].map((k) => shown(page, k)))).join() === want.join());
                    assert.deepEqual(await Promise.all([1, 2, 3].map((k) => shown(page, k))), want, `${engine}: over button ${i}`);
                }
                await page.mouse.move(700, 500);
                await settle(async () => (await shown(page, 3)) === normals[2]);
                assert.equal(await shown(page, 3), normals[2], `${engine}: the mouse left`);
                assert.deepEqual(errors, []);
                await page.close();
            });
        }

        test('every frame kind lands where it should', async () => {
            menuPage('fmenu.html', kinds.map(([frame, link], i) => ({ normal: `f${i}.gif`, over: `g${i}.gif`, link, frame })));
            put('flat.html', frames(['main', 'main-frame', 'my frame', '日本', 'a&b"c\\d', 'top', 'self'], '<iframe name="menu" src="fmenu.html" height="300"></iframe>'));
            put('middle.html', frames([], '<iframe name="menu" src="fmenu.html" height="300"></iframe>'));
            put('deep.html', frames([], '<iframe name="outer" src="middle.html" height="350"></iframe>'));
            for (const [i, [frame, link, layout, target]] of kinds.entries()) {
                const { page, errors } = await open(`${layout}.html`);
                const menuFrame = await (layout === 'deep'
                    ? (await (await page.$('iframe')).contentFrame()).$('iframe') : page.$('iframe[name=menu]'));
                const menu = await menuFrame.contentFrame();
                await settle(async () => (await shown(menu, i + 1)).endsWith('.gif'));
                                await menu.click(`img[name=But${i + 1}]`);
                const want = `/${link.replace(/\\/g, '/')}`;
                // A new window is a page of the browser's beside the first blank one and this.
                const landed = async () => ({ ...(await where(page)),
                    popup: (await browser.pages()).slice(2).map((p) => decodeURIComponent(new URL(p.url()).pathname)).join() });
                const key = target;
                await settle(async () => (await landed())[key] === want);
                const now = await landed();
                assert.equal(now[key], want, `${engine}, frame "${frame}": expected ${want} in ${key}; the click landed: ${JSON.stringify(now)}`);
                if (target === 'popup') assert.equal(now['(window)'], '/flat.html', `${engine}: _blank leaves the window alone`);
                assert.deepEqual(errors, []);
                for (const p of (await browser.pages()).slice(1)) await p.close();
            }
        });
    });
}
