// Pages written by Tessel's generator, loaded in Debian's Chromium from a server on 127.0.0.1:
// the pictures show and swap under the mouse, and each button opens its link where its frame
// says, whatever characters the names hold.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, writeFileSync, existsSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { chromium } from 'playwright-core';

const pagegen = process.env.TESSEL_PAGEGEN;
const site = mkdtempSync(join(tmpdir(), 'tessel-browser-'));
const widths = new Map(); // picture file -> its width, so the picture shown can be told apart
let server;
let base;
let browser;

// A solid GIF of the given size. Codes stay 3 bits wide by clearing the table every two
// pixels, which keeps the encoder trivial; the pictures are tiny.
function gif(width, height, [r, g, b]) {
    const codes = [];
    for (let i = 0; i < width * height; i += 2) codes.push(4, 0, ...(i + 1 < width * height ? [0] : []));
    codes.push(5);
    const bytes = [];
    let acc = 0, bits = 0;
    for (const code of codes) {
        acc |= code << bits; bits += 3;
        while (bits >= 8) { bytes.push(acc & 0xff); acc >>= 8; bits -= 8; }
    }
    if (bits > 0) bytes.push(acc & 0xff);
    const blocks = [];
    for (let i = 0; i < bytes.length; i += 255) {
        const part = bytes.slice(i, i + 255);
        blocks.push(part.length, ...part);
    }
    const le = (n) => [n & 0xff, n >> 8];
    return Buffer.from([
        ...Buffer.from('GIF89a'), ...le(width), ...le(height), 0x80, 0, 0, r, g, b, 0, 0, 0,
        0x2c, 0, 0, 0, 0, ...le(width), ...le(height), 0, 2, ...blocks, 0, 0x3b,
    ]);
}

function picture(name) {
    if (!widths.has(name)) {
        const width = 30 + widths.size * 3;
        widths.set(name, width);
        const path = join(site, name);
        mkdirSync(dirname(path), { recursive: true });
        writeFileSync(path, gif(width, 20, [40 * widths.size % 256, 128, 200]));
    }
    return name;
}

function htmlFile(name, body = name) {
    const path = join(site, name);
    mkdirSync(dirname(path), { recursive: true });
    writeFileSync(path, `<html><body><p>${body.replace(/[<&"]/g, '')}</p></body></html>`);
}

// Writes a page with the generator itself; buttons: [{normal, over, link, frame}].
function menuPage(name, buttons, type = 1) {
    for (const b of buttons) {
        if (b.normal) picture(b.normal.replace(/\\/g, '/'));
        if (b.over) picture(b.over.replace(/\\/g, '/'));
    }
    const description = join(site, `${name}.json`);
    writeFileSync(description, JSON.stringify({ type, buttons }));
    execFileSync(pagegen, [description, join(site, name)]);
    const page = readFileSync(join(site, name));
    assert.ok(page.every((byte) => byte < 0x80), 'the page is pure ASCII');
    return name;
}

const attr = (text) => text.replace(/&/g, '&amp;').replace(/"/g, '&quot;');
function frameset(name, menu, frames) {
    const named = frames.map((f) => `<iframe name="${attr(f)}" src="blank.html" width="120" height="60"></iframe>`);
    writeFileSync(join(site, name),
        `<html><head><meta charset="utf-8"></head><body><iframe name="menu" src="${menu}" width="400" height="300"></iframe>${named.join('')}</body></html>`);
    return name;
}

// A window that has not started loading yet has no address at all.
const pathOf = (url) => (URL.canParse(url) ? decodeURIComponent(new URL(url).pathname) : '');

async function open(url) {
    const context = await browser.newContext();
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    await page.goto(base + url);
    return { context, page, errors };
}

// What image But<i> shows: its file and whether it has really loaded.
async function shown(frame, i) {
    return frame.evaluate((n) => {
        const img = document.images[`But${n}`];
        return { file: decodeURIComponent(new URL(img.src).pathname), width: img.complete ? img.naturalWidth : 0 };
    }, i);
}

async function expectShown(frame, i, file) {
    const want = { file: `/${file.replace(/\\/g, '/')}`, width: widths.get(file.replace(/\\/g, '/')) };
    for (let tries = 0; tries < 50; ++tries) {
        const now = await shown(frame, i);
        if (now.file === want.file && now.width === want.width) return;
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
    assert.deepEqual(await shown(frame, i), want, `button ${i}`);
}

async function waitForPath(frameOrPage, path) {
    for (let tries = 0; tries < 100; ++tries) {
        if (pathOf(frameOrPage.url()) === path) return;
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
    assert.equal(pathOf(frameOrPage.url()), path);
}

before(async () => {
    assert.ok(pagegen && existsSync(pagegen), 'TESSEL_PAGEGEN names the page generator');
    htmlFile('blank.html', '');
    server = createServer((request, response) => {
        const path = join(site, decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (request.url === '/favicon.ico') {
            response.writeHead(204).end(); // asked for by the browser, not by the page
            return;
        }
        if (!path.startsWith(site) || !existsSync(path)) {
            response.writeHead(404).end();
            return;
        }
        const type = path.endsWith('.gif') ? 'image/gif' : 'text/html';
        response.writeHead(200, { 'Content-Type': type }).end(readFileSync(path));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    base = `http://127.0.0.1:${server.address().port}/`;
    browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
});

after(async () => {
    await browser?.close();
    server?.close();
    rmSync(site, { recursive: true, force: true });
});

for (const type of [1, 2]) {
    test(`${type === 1 ? 'vertical' : 'horizontal'} menu: pictures show and swap for one button alone`, async () => {
        const buttons = [1, 2, 3].map((i) => ({ normal: `t${type}n${i}.gif`, over: `t${type}o${i}.gif`, link: `t${type}p${i}.html`, frame: '' }));
        const { context, page, errors } = await open(menuPage(`menu${type}.html`, buttons, type));
        for (const i of [1, 2, 3]) await expectShown(page, i, buttons[i - 1].normal);
        const [one, two] = [await page.locator('img[name=But1]').boundingBox(), await page.locator('img[name=But2]').boundingBox()];
        assert.ok(type === 1 ? two.y > one.y : two.x > one.x, 'buttons run the chosen way');

        await page.locator('img[name=But2]').hover();
        await expectShown(page, 2, 't' + type + 'o2.gif');
        await expectShown(page, 1, buttons[0].normal);
        await expectShown(page, 3, buttons[2].normal);
        await page.mouse.move(600, 500);
        await expectShown(page, 2, buttons[1].normal);
        assert.deepEqual(errors, []);
        await context.close();
    });
}

test('a button without a frame navigates the window', async () => {
    htmlFile('target.html');
    const { context, page, errors } = await open(menuPage('plain.html', [{ normal: 'pn.gif', over: 'po.gif', link: 'target.html', frame: '' }]));
    await page.locator('img[name=But1]').click();
    await waitForPath(page, '/target.html');
    assert.deepEqual(errors, []);
    await context.close();
});

test('frames: main, the named ones, _top two frames deep and _blank', async () => {
    const frames = ['main', 'main-frame', 'my frame', '1', 'top'];
    const buttons = frames.map((frame, i) => ({ normal: `fn${i}.gif`, over: `fo${i}.gif`, link: `f${i}.html`, frame }));
    buttons.forEach((b) => htmlFile(b.link));
    const { context, page, errors } = await open(frameset('frames.html', menuPage('fmenu.html', buttons), frames));
    const menu = page.frame({ name: 'menu' });
    for (const [i, frame] of frames.entries()) {
        await page.frameLocator('iframe[name=menu]').locator(`img[name=But${i + 1}]`).click();
        await waitForPath(page.frame({ name: frame }), `/f${i}.html`);
    }
    assert.equal(pathOf(menu.url()), '/fmenu.html', 'the menu stays');
    assert.equal(pathOf(page.url()), '/frames.html');
    assert.deepEqual(errors, []);
    await context.close();

    htmlFile('top.html');
    htmlFile('new.html');
    menuPage('deep.html', [{ normal: 'dn.gif', over: 'do.gif', link: 'top.html', frame: '_top' },
        { normal: 'bn.gif', over: 'bo.gif', link: 'new.html', frame: '_blank' }]);
    writeFileSync(join(site, 'middle.html'), '<html><body><iframe name="inner" src="deep.html" width="300" height="200"></iframe></body></html>');
    writeFileSync(join(site, 'outer.html'), '<html><body><iframe name="outer" src="middle.html" width="400" height="300"></iframe></body></html>');
    const deep = await open('outer.html');
    const inner = deep.page.frameLocator('iframe[name=outer]').frameLocator('iframe[name=inner]');
    const [popup] = await Promise.all([deep.context.waitForEvent('page'), inner.locator('img[name=But2]').click()]);
    await waitForPath(popup, '/new.html');
    assert.equal(pathOf(deep.page.url()), '/outer.html', '_blank leaves the window alone');
    await inner.locator('img[name=But1]').click();
    await waitForPath(deep.page, '/top.html');
    assert.deepEqual(deep.errors, []);
    await deep.context.close();
});

test('names with accents, CJK, ampersands, backslashes and quotes', async () => {
    const buttons = [
        { normal: 'é.gif', over: '日本.gif', link: 'café.html', frame: 'café', file: '/café.html' },
        { normal: 'a&b.gif', over: 'q"uote.gif', link: '日本.html', frame: '日本', file: '/日本.html' },
        { normal: 'img\\b.gif', over: 'c&copy.gif', link: 'a&b.html', frame: 'a&b', file: '/a&b.html' },
        { normal: 'x"y.gif', over: 'img\\c.gif', link: 'dir\\page.html', frame: 'back\\slash', file: '/dir/page.html' },
        { normal: 'n5.gif', over: 'o5.gif', link: 'say"hi".html', frame: 'say"hi"', file: '/say"hi".html' },
    ];
    buttons.forEach((b) => htmlFile(b.file.slice(1)));
    const { context, page, errors } = await open(frameset('names.html', menuPage('nmenu.html', buttons), buttons.map((b) => b.frame)));
    const menu = page.frame({ name: 'menu' });
    const images = page.frameLocator('iframe[name=menu]');
    for (const [i, b] of buttons.entries()) {
        await expectShown(menu, i + 1, b.normal);
        await images.locator(`img[name=But${i + 1}]`).hover();
        await expectShown(menu, i + 1, b.over);
        await images.locator(`img[name=But${i + 1}]`).click();
        await waitForPath(page.frame({ name: b.frame }), b.file);
    }
    assert.equal(pathOf(menu.url()), '/nmenu.html');
    assert.deepEqual(errors, []);
    await context.close();
});
