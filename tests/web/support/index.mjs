// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's tests share: the site served on loopback, Debian's Chromium driven by
// puppeteer-core, pages in a given language, and the desktop's command line as the reference.
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { after, before } from "node:test";
import zlib from "node:zlib";
import puppeteer from "puppeteer-core";

export const SITE = path.resolve(process.env.UNITAVO_SITE ?? "build-web/site");
export const CONVERTI = path.resolve(process.env.UNITAVO_CONVERTI ?? "build/cli/unitavo-converti");
export const CHROMIUM = process.env.CHROMIUM ?? "/usr/bin/chromium";
export const LOCALES = { "it-IT": "it_IT.UTF-8", "en-US": "en_US.UTF-8" };
export const FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync"];
export const PHONE = { width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
export const TABLET = { width: 768, height: 1024, isMobile: true, hasTouch: true };
export const DESKTOP = { width: 1280, height: 800 };

const TYPES = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8", ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
    ".json": "application/json", ".svg": "image/svg+xml", ".png": "image/png",
    ".ico": "image/x-icon", ".woff2": "font/woff2", ".txt": "text/plain; charset=utf-8",
};

// A static server on 127.0.0.1; with compress, what it sends is packed as a real server would.
// Its log has every response: the path, the file's size and the bytes of the body sent.
export async function serve(root, { compress = false } = {}) {
    root = path.resolve(root);
    const packed = new Map();
    const log = [];
    const server = http.createServer((request, response) => {
        const address = new URL(request.url, "http://127.0.0.1");
        let file = path.join(root, path.normalize(decodeURIComponent(address.pathname)));
        if (address.pathname.endsWith("/")) file = path.join(file, "index.html");
        let data;
        try {
            if (!file.startsWith(root + path.sep)) throw new Error("outside");
            data = fs.readFileSync(file);
        } catch {
            response.writeHead(404, { "Content-Type": "text/plain" }).end("not found");
            return;
        }
        // Revalidated each time, as a plain static server does: the service worker sees new builds.
        const stat = fs.statSync(file);
        const tag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
        const headers = { "Content-Type": TYPES[path.extname(file)] ?? "application/octet-stream",
            "Cache-Control": "no-cache", ETag: tag };
        if (request.headers["if-none-match"] === tag) {
            log.push({ path: address.pathname, raw: 0, sent: 0 });
            response.writeHead(304, headers).end();
            return;
        }
        const raw = data.length;
        if (compress && /\bbr\b/.test(request.headers["accept-encoding"] ?? "")) {
            const key = `${file}:${tag}`;
            if (!packed.has(key)) packed.set(key, brotli(data));
            data = packed.get(key);
            Object.assign(headers, { "Content-Encoding": "br", Vary: "Accept-Encoding" });
        }
        log.push({ path: address.pathname, raw, sent: data.length });
        response.writeHead(200, headers).end(data);
    });
    server.keepAliveTimeout = 1000;
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    server.unref();
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        log,
        close() {
            server.closeAllConnections();
            return new Promise((resolve) => server.close(resolve));
        },
    };
}

export const brotli = (data) => zlib.brotliCompressSync(data, { params: {
    [zlib.constants.BROTLI_PARAM_QUALITY]: 11, [zlib.constants.BROTLI_PARAM_SIZE_HINT]: data.length } });

export async function launch(lang = "it-IT") {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "unitavo-chromium-"));
    // A page that hangs fails its test within a minute rather than stalling the run.
    const browser = await puppeteer.launch({ executablePath: CHROMIUM, headless: true, userDataDir: profile, protocolTimeout: 60000,
        args: [...FLAGS.filter((f) => f !== "--headless"), `--lang=${lang}`] });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    };
    return browser;
}

// A page in its own browser context, in the language given; page.errors collects console errors.
// The site served and a browser started before the tests of one file, both ended after them.
export function servedSite(lang = "it-IT") {
    const site = {};
    before(async () => {
        site.server = await serve(SITE);
        site.browser = await launch(lang);
    });
    after(async () => {
        await site.browser?.close();
        await site.server?.close();
    });
    return site;
}

// servedSite with one page on it, in the same language, loaded before the suite's first case.
export function servedPage(lang = "it-IT") {
    const site = servedSite(lang);
    before(async () => {
        site.page = await open(site.browser, { lang });
        await load(site.page, site.server.url);
    });
    return site;
}

export async function open(browser, { lang = "it-IT", ...viewport } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ ...DESKTOP, ...viewport });
    await page.setExtraHTTPHeaders({ "Accept-Language": `${lang},${lang.split("-")[0]};q=0.9` });
    await page.evaluateOnNewDocument((lang) => {
        Object.defineProperty(Navigator.prototype, "language", { get: () => lang });
        Object.defineProperty(Navigator.prototype, "languages", { get: () => [lang] });
    }, lang);
    page.errors = [];
    page.on("console", (message) => message.type() === "error" && page.errors.push(message.text()));
    page.on("pageerror", (error) => page.errors.push(String(error)));
    return page;
}

export async function load(page, url) {
    await page.goto(url, { waitUntil: "load" });
    await page.waitForFunction(() => Boolean(window.unitavo), { timeout: 20000 });
    await page.evaluate(() => window.unitavo.ready.then(() => true));
}

// What unitavo-converti prints under the language's regional settings.
export function converti(lang, ...args) {
    const done = spawnSync(CONVERTI, args, { encoding: "utf8",
        env: { ...process.env, LC_ALL: LOCALES[lang], LANG: LOCALES[lang] } });
    return { text: (done.stdout || done.stderr).replace(/\n+$/, ""), ok: done.status === 0 };
}

// unitavo-converti --list: quantity, symbol, source radio, target radio, caption, names.
export function units() {
    return converti("en-US", "--list").text.split("\n").map((line) => {
        const [quantity, symbol, source, target, caption] = line.split("\t");
        return { quantity, symbol, source, target, caption, window: `frm_${quantity}` };
    });
}

export const byQuantity = (rows) =>
    rows.reduce((m, u) => m.set(u.quantity, [...(m.get(u.quantity) ?? []), u]), new Map());

export const windows = (page) => page.evaluate(() => window.unitavo.windows());
export const shown = async (page, name) => (await windows(page)).find((w) => w.name === name);

// Asks get() until it answers expected, or an answer that expected (a function) accepts, for 3 s
// at most, and gives its last answer.
export async function settle(get, expected) {
    let value;
    for (const end = Date.now() + 3000; Date.now() < end; await new Promise((r) => setTimeout(r, 40))) {
        value = await get();
        if (typeof expected === "function" ? expected(value) : JSON.stringify(value) === JSON.stringify(expected)) break;
    }
    return value;
}

// A named control of a window (by its data-name), clicked or tapped where a user would: a radio
// by its label.
export async function press(page, win, name, how = "click") {
    const element = (await page.evaluateHandle((win, name) => {
        const found = document.getElementById(win)?.querySelector(`[data-name="${CSS.escape(name)}"]`);
        return (found?.type === "radio" ? found.labels[0] : found) ?? null;
    }, win, name)).asElement();
    if (!element) throw new Error(`${win} has no control ${name}`);
    return (how === "tap" ? element.tap() : element.click()).catch((error) => {
        throw new Error(`${win} ${name}: ${error.message}`);
    });
}

export async function typeInto(page, win, name, text, how = "click") {
    await press(page, win, name, how);
    await page.keyboard.down("Control");
    await page.keyboard.press("KeyA");
    await page.keyboard.up("Control");
    await page.keyboard.press("Backspace");
    await page.keyboard.type(text);
}

// The main-window button of a window, clicked or tapped, and the window shown in front.
export async function openWindow(page, win, how = "click") {
    const button = await page.$(`button[data-window="${win}"]`);
    await (how === "tap" ? button.tap() : button.click());
    await page.waitForFunction((win) => window.unitavo.windows().some((w) => w.name === win && w.active),
        { timeout: 5000 }, win);
}

export const result = (page, win) => page.evaluate((win) =>
    document.getElementById(win).querySelector('[data-name="txt_sol"]').value, win);

// The message dialog: open or not, its title, its text.
export const message = (page) => page.evaluate(() => {
    const dialog = document.querySelector('dialog[data-name="messaggio"]');
    return { open: dialog.open, title: dialog.querySelector("h1, h2, h3, [role=heading]")?.textContent.trim(),
        text: window.unitavo.read("messaggio", "qt_msgbox_label") };
});
