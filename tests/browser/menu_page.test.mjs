// Generated pages in Chromium and Firefox: pictures swap, and links open where frames say; the
// HTML5 form passes the accessibility rules (axe-core) and the W3C's checker (the Nu Html Checker).
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, writeFileSync, existsSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import puppeteer from 'puppeteer-core';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

const site = mkdtempSync(join(tmpdir(), 'tessel-browser-'));
const fixture = (name) => readFileSync(join(process.env.TESSEL_TEST_DATA, name));
const engines = JSON.parse(readFileSync(new URL('engines.json', import.meta.url)));
const server = createServer((request, response) => {
    const path = join(site, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (!path.startsWith(site) || !existsSync(path)) return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': path.endsWith('.gif') ? 'image/gif' : 'text/html' }).end(readFileSync(path));
});
before(() => new Promise((resolve) => server.listen(0, '127.0.0.1', resolve)));
after(() => { server.close(); rmSync(site, { recursive: true, force: true }); });
const url = (name) => `http://127.0.0.1:${server.address().port}/${name}`;
const slashed = (name) => `/${name.replace(/\\/g, '/')}`; // a browser reads a backslash as a slash

// Puts a page on the site, or else a copy of the green fixture picture.
function put(name, text) {
    mkdirSync(dirname(join(site, slashed(name))), { recursive: true });
    writeFileSync(join(site, slashed(name)), text ?? fixture('green.gif'));
}

// Writes a page with the generator itself; buttons: [{normal, over, link, frame, text}].
function menuPage(name, buttons, type = 1, html5 = false) {
    buttons.forEach((b) => { put(b.normal); put(b.over); put(b.link, '<p>linked</p>'); });
    const fields = (b) => [b.normal, b.over, b.link, b.frame, ...(html5 ? [b.text ?? ''] : [])];
    execFileSync(process.env.TESSEL_PAGEGEN, [...(html5 ? ['--html5'] : []), join(site, name), `${type}`, ...buttons.flatMap(fields)]);
    assert.ok(readFileSync(join(site, name)).every((byte) => byte < 0x80), 'the page is pure ASCII');
}

// A small site, s/, whose menu (s/menu.html) is put into three pages of its author's, one of
// them in a folder: Home, News and About.
const siteButtons = [
    { normal: 's/h1.gif', over: 's/h2.gif', link: 'index.html', text: 'Home' },
    { normal: 's/n1.gif', over: 's/n2.gif', link: 'news/index.html', text: 'News' },
    { normal: 's/a1.gif', over: 's/a2.gif', link: 'about.html', text: 'About' }];
function sitePages() {
    siteButtons.forEach((b) => { put(b.normal); put(b.over); });
    execFileSync(process.env.TESSEL_PAGEGEN, ['--html5', join(site, 's/menu.html'), '1',
        ...siteButtons.flatMap((b) => [b.normal.slice(2), b.over.slice(2), b.link, '', b.text])]);
    for (const page of ['index.html', 'news/index.html', 'about.html']) {
        put(`s/${page}`, `<!DOCTYPE html>\n<html lang="en">\n<head><meta charset="utf-8"><title>${page}</title></head>\n` +
            `<body>\n<!-- Tessel menu -->\n<p>Our ${page}</p>\n</body>\n</html>\n`);
        execFileSync(process.env.TESSEL_PAGEGEN, ['--into', join(site, 's', page), join(site, 's/menu.html')]);
    }
}

// Button i of a page: its picture in the classic form, its link in the HTML5 one.
const button = (html5, i) => (html5 ? `nav.tessel-menu a:nth-of-type(${i})` : `img[name=But${i}]`);

// An HTML5 menu with a named frame, the parent, a new window and a hostile link and text.
const html5Buttons = [
    { normal: 'h1.gif', over: 'h2.gif', link: 'blank.html', frame: '', text: 'Home' },
    { normal: 'n1.gif', over: 'n2.gif', link: 'blank.html?a=1&b=2', frame: 'main', text: 'News & views' },
    { normal: 'b1.gif', over: 'b2.gif', link: 'blank.html#new', frame: '_blank', text: 'Élan, "new"' },
    { normal: 'x1.gif', over: 'x2.gif', link: 'x"onfocus="alert(1)"><script>alert(2)</script>.html', frame: 'a"b', text: '<b>Bold</b> 😀' }];

// A page holding the menu (or another page) in a frame named `menu`, beside frames of `names`.
const frames = (names, inner = 'fmenu.html') => '<html><head><meta charset="utf-8"><script>document.title = "scripts run"</script></head><body>' +
    `<iframe name="menu" src="${inner}" height="350"></iframe>` +
    names.map((f) => `<iframe name="${f.replace(/&/g, '&amp;').replace(/"/g, '&quot;')}" src="blank.html"></iframe>`).join('') + '</body></html>';

// What `get` gives once it gives `want`, or after two seconds: the page changes after the event.
async function settled(get, want) {
    for (let tries = 0; tries < 100 && (await get().catch(() => null)) !== want; ++tries)
        await new Promise((resolve) => setTimeout(resolve, 20));
    return get();
}

// What picture button i of a frame shows, and whether it has really loaded: the image But<i>
// in the classic form, the one of the link's two pictures the style shows in the HTML5 form.
const shown = (frame, i, html5 = false) => frame.evaluate((n, html5) => {
    const img = html5 ? [...document.querySelectorAll('nav.tessel-menu a')[n - 1].querySelectorAll('img')]
        .find((picture) => getComputedStyle(picture).display !== 'none') : document.images[`But${n}`];
    return `${decodeURIComponent(new URL(img.src).pathname)}${img.complete && img.naturalWidth > 0 ? '' : ' (not loaded)'}`;
}, i, html5);

// The table's rows as objects, each cell named by the table's first row.
const [columns, ...rows] = fixture('frame-kinds.txt').toString().split('\n').filter((row) => row && !row.startsWith('#')).map((row) => row.split('\t'));
const kinds = rows.map((row) => Object.fromEntries(columns.map((name, i) => [name, row[i] ?? ''])));
const named = kinds.filter(({ layout, target }) => layout === 'flat' && !['', 'menu', 'new window'].includes(target)).map(({ target }) => target);

for (const [engine, options] of Object.entries(engines)) {
    describe(engine, () => {
        let shared;
        before(async () => { shared = await puppeteer.launch({ headless: true, ...options }); });
        after(() => shared?.close());

        const open = async (name) => { // a page that keeps its script errors
            const page = Object.assign(await shared.newPage(), { errors: [] });
            page.on('pageerror', (error) => page.errors.push(error.message));
            return page.goto(url(name)).then(() => page);
        };

        // A frame named like anything the window already carries (its own properties and its
        // prototype's, which hide a frame of that name from parent.NAME) is opened by name.
        test('a frame named like a property of the window is reached by its name', async () => {
            put('blank.html', '<p>blank</p>');
            const page = await open('blank.html');
            const names = await page.evaluate(() => {
                const all = new Set();
                for (let o = window; o && o !== EventTarget.prototype; o = Object.getPrototypeOf(o))
                    Object.getOwnPropertyNames(o).forEach((name) => all.add(name));
                return [...all].filter((name) => /^[A-Za-z_$][A-Za-z0-9_$]*$/.test(name));
            });
            await page.close();
            menuPage(`names-${engine}.html`, names.map((frame) => ({ normal: 'n.gif', over: 'o.gif', link: 'blank.html', frame })));
            const text = readFileSync(join(site, `names-${engine}.html`), 'latin1');
            assert.ok(names.length > 500, `${names.length} names`);
            assert.deepEqual(names.filter((name) => text.includes(`parent.${name}.location`)), []);
        });

        for (const type of [1, 2]) {
            test(`${type === 1 ? 'vertical' : 'horizontal'}: pictures show and swap for one button alone`, async () => {
                const buttons = [['é.gif', '日本.gif'], ['a&b.gif', 'img\\c.gif'], ['x"y.gif', 'q"uote.gif']]
                    .map(([normal, over]) => ({ normal: `${type}${normal}`, over: `${type}${over}`, link: 'blank.html', frame: '' }));
                menuPage(`menu${type}.html`, buttons, type);
                const page = await open(`menu${type}.html`);
                const all = () => Promise.all([1, 2, 3].map((k) => shown(page, k))).then((list) => list.join());
                for (const i of [1, 2, 3, 0]) { // 0: the mouse has left the menu
                    await (i ? page.hover(`img[name=But${i}]`) : page.mouse.move(700, 500));
                    const want = buttons.map((b, k) => slashed(k === i - 1 ? b.over : b.normal)).join();
                    assert.equal(await settled(all, want), want, `${engine}: over button ${i}`);
                }
                assert.deepEqual(page.errors, []);
                await page.close();
            });
        }

        test('a page its author built on, its last button moved to the front: each opens its own link', async () => {
            const path = join(site, 'order.html');
            menuPage('order.html', ['one', 'two', 'three'].map((n) => ({ normal: `${n}.gif`, over: `${n}2.gif`, link: `${n}.html`, frame: '' })));
            writeFileSync(path, readFileSync(path, 'latin1').replace('<!-- Button 2 -->', '<hr class="sep">\r\n<!-- Button 2 -->')
                .replace('Name="But3"', 'alt="Three" Name="But3"'), 'latin1');
            execFileSync(process.env.TESSEL_PAGEGEN, ['--reread', path, path, '--move', '3', '1']);
            for (const [i, link] of ['three.html', 'one.html', 'two.html'].entries()) {
                const page = await open('order.html');
                assert.equal(await settled(() => shown(page, i + 1), `/${link.replace('.html', '.gif')}`), `/${link.replace('.html', '.gif')}`);
                await page.click(`img[name=But${i + 1}]`);
                assert.equal(await settled(() => page.evaluate(() => location.pathname), `/${link}`), `/${link}`, `${engine}: button ${i + 1}`);
                assert.deepEqual(page.errors, []);
                await page.close();
            }
        });

        // The HTML5 form's links go where the classic form's script sends them, clicked with
        // scripts on, and with Enter with scripts off.
        for (const [form, html5, enter] of [['classic', false, false], ['HTML5, clicked', true, false], ['HTML5, Enter without scripts', true, true]])
        test(`${form}: every frame kind lands where it should`, async () => {
            menuPage('fmenu.html', kinds.map(({ frame, link }, i) => ({ normal: `f${i}.gif`, over: `g${i}.gif`, link, frame, text: `Go ${i}` })), 1, html5);
            put('blank.html', '<p>blank</p>');
            put('flat.html', frames(named));
            put('middle.html', frames([]));
            put('deep.html', frames([], 'middle.html'));
            // Scripts are switched off for a page where the engine's protocol can, else for
            // a browser of their own.
            const scriptless = enter && engine === 'firefox';
            const browser = scriptless ? await puppeteer.launch({ headless: true, ...options,
                extraPrefsFirefox: { ...options.extraPrefsFirefox, 'javascript.enabled': false } }) : shared;
            for (const [i, { frame, link, layout, target }] of kinds.entries()) {
                const page = Object.assign(await browser.newPage(), { errors: [] });
                page.on('pageerror', (error) => page.errors.push(error.message));
                if (enter && !scriptless) await page.setJavaScriptEnabled(false);
                await page.goto(url(`${layout}.html`));
                assert.equal(await page.title() === 'scripts run', !enter, `${engine}: scripts on or off`);
                let menu = await (await page.$('iframe[name=menu]')).contentFrame();
                if (layout === 'deep') menu = await (await menu.$('iframe')).contentFrame();
                await settled(() => shown(menu, i + 1, html5), `/f${i}.gif`);
                if (enter) {
                    await menu.focus(button(html5, i + 1));
                    await page.keyboard.press('Enter');
                } else {
                    await menu.click(button(html5, i + 1));
                }
                // Where the target stands: a new window is a page beside the first blank one and this.
                const landed = async () => (target === 'new window'
                    ? (await browser.pages()).slice(2).map((p) => decodeURIComponent(new URL(p.url()).pathname)).join()
                    : page.evaluate((name) => decodeURIComponent((name ? [...document.querySelectorAll('iframe')]
                        .find((f) => f.name === name).contentWindow : window).location.pathname), target));
                assert.equal(await settled(landed, slashed(link)), slashed(link),
                    `${engine}, ${form}: frame "${frame}" must open ${link} in ${target || 'the window'}`);
                if (target === 'new window') assert.equal(page.url(), url('flat.html'), `${engine}: _blank leaves the window alone`);
                assert.deepEqual(page.errors, []);
                for (const p of (await browser.pages()).slice(1)) await p.close();
            }
            if (scriptless) await browser.close();
        });

        // Each page of a site marks its own button, from a folder too, and every link reaches
        // its page from there.
        test('a site: each page marks its own button, and its links go where they should', async () => {
            sitePages();
            for (const [page, own] of [['news/index.html', 2], ['index.html', 1], ['about.html', 3]]) {
                for (const [i, { link }] of siteButtons.entries()) {
                    const tab = await open(`s/${page}`);
                    const all = () => Promise.all(siteButtons.map((b, k) => shown(tab, k + 1, true))).then((list) => list.join());
                    const want = siteButtons.map((b, k) => `/${k === own - 1 ? b.over : b.normal}`).join();
                    assert.equal(await settled(all, want), want, `${engine}: ${page} shows its own button`);
                    assert.deepEqual(await tab.evaluate(() => [...document.querySelectorAll('nav.tessel-menu a')].map((a) => a.getAttribute('aria-current'))),
                        siteButtons.map((b, k) => (k === own - 1 ? 'page' : null)), `${engine}: ${page}`);
                    await tab.click(button(true, i + 1));
                    assert.equal(await settled(() => tab.evaluate(() => location.pathname), `/s/${link}`), `/s/${link}`, `${engine}: from ${page}, button ${i + 1}`);
                    assert.deepEqual(tab.errors, []);
                    await tab.close();
                }
            }
        });

        test('HTML5: no WCAG 2 A or AA violation, links named by their texts, the rollover under the keyboard too', async () => {
            menuPage(`a11y-${engine}.html`, html5Buttons, 1, true);
            const page = await open(`a11y-${engine}.html`);
            page.on('dialog', (dialog) => { page.errors.push(`dialog: ${dialog.message()}`); dialog.dismiss(); });
            // Both pictures of every button are there before any hover: no flicker on the first.
            assert.ok(await page.evaluate(() => [...document.images].every((img) => img.complete && img.naturalWidth > 0)));
            await page.evaluate(axeSource);
            const violations = await page.evaluate(async () => (await axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }))
                .violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`));
            assert.deepEqual(violations, [], engine);
            const names = await page.evaluate(() => {
                axe.setup();
                const all = [...document.querySelectorAll('nav.tessel-menu a')].map((a) => axe.commons.text.accessibleText(a));
                axe.teardown();
                return all;
            });
            assert.deepEqual(names, html5Buttons.map((b) => b.text), engine);
            const all = () => Promise.all(html5Buttons.map((b, k) => shown(page, k + 1, true))).then((list) => list.join());
            for (const i of [1, 2, 3, 4, 0]) { // 0: the focus has left the menu
                await page.keyboard.press('Tab');
                const want = html5Buttons.map((b, k) => slashed(k === i - 1 ? b.over : b.normal)).join();
                assert.equal(await settled(all, want), want, `${engine}: Tab to button ${i}`);
            }
            assert.deepEqual(page.errors, []);
            await page.close();
        });
    });
}

// The W3C's validator finds no error in an HTML5 page, new or taken from a classic page its
// author built on.
test('HTML5 pages pass the Nu Html Checker', () => {
    menuPage('valid.html', html5Buttons.slice(0, 3), 2, true);
    sitePages(); // and a page of an author's that holds the site's menu
    execFileSync(process.env.TESSEL_PAGEGEN, ['--reread', join(process.env.TESSEL_TEST_DATA, 'authors-page.html'), join(site, 'taken.html'), '--html5']);
    const checked = spawnSync('java', ['-jar', require('vnu-jar'), '--errors-only', '--format', 'json', join(site, 'valid.html'), join(site, 'taken.html'), join(site, 's/news/index.html')], { encoding: 'utf8' });
    const errors = JSON.parse(checked.stderr).messages.map((m) => `${m.url.split('/').pop()}:${m.lastLine}: ${m.message}`);
    assert.deepEqual(errors, []);
});
