// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's weight and speed, each figure beside its target (scripts/web/bench):
//   node benchmarks/web/bench.mjs SITE        (RUNS=N cold loads, default 5)
// The site is served on 127.0.0.1 with brotli (quality 11), as a well-set server sends it. Cold
// loads are made in fresh browser contexts (no cache, no service worker). Lighthouse 11, pinned
// in this folder's package.json, is installed here with npm ci and run against Debian's Chromium.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { CHROMIUM, FLAGS, launch, open, serve } from "../../tests/web/support/index.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const site = process.argv[2];
if (!site || !fs.existsSync(path.join(site, "index.html"))) {
    console.error("usage: node benchmarks/web/bench.mjs SITE");
    process.exit(2);
}
const runs = Number(process.env.RUNS ?? 5);
const KB = 1000;
const results = [];

function report(what, value, target, met) {
    results.push(met);
    console.log(`${what.padEnd(58)}${value.padStart(14)}   target ${target.padEnd(10)} ${met ? "met" : "NOT met"}`);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A cold load: every response the server sent for it (the service worker's included), the time to
// the first contentful paint and the time until unitavo.ready resolved.
async function coldLoad(browser, server) {
    const page = await open(browser, { width: 1280, height: 800 });
    await page.evaluateOnNewDocument(() => {
        Object.defineProperty(window, "unitavo", { configurable: true, set(api) {
            Object.defineProperty(window, "unitavo", { value: api, writable: true, configurable: true });
            api.ready.then(() => (window.unitavoReadyAt = performance.now()));
        } });
    });
    const first = server.log.length;
    await page.goto(server.url, { waitUntil: "load" });
    await page.waitForFunction(() => window.unitavoReadyAt !== undefined, { timeout: 30000 });
    // The service worker caches the build once the page has loaded: its fetches count too.
    await page.evaluate(() => navigator.serviceWorker?.ready.then(() => true));
    await new Promise((resolve) => setTimeout(resolve, 300));
    const times = await page.evaluate(() => ({
        paint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime ?? NaN,
        ready: window.unitavoReadyAt,
    }));
    await page.browserContext().close();
    if (page.errors.length) throw new Error(`console errors: ${page.errors.join("\n")}`);
    return { ...times, responses: server.log.slice(first) };
}

async function lighthouse(url) {
    if (!fs.existsSync(path.join(here, "node_modules/lighthouse"))) {
        execFileSync("npm", ["ci", "--no-audit", "--no-fund"], { cwd: here, stdio: ["ignore", "ignore", "inherit"] });
    }
    const { default: run } = await import("lighthouse");
    const chromeLauncher = await import("chrome-launcher");
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "unitavo-lighthouse-"));
    const chrome = await chromeLauncher.launch({ chromePath: CHROMIUM, userDataDir: profile,
        chromeFlags: [...FLAGS, "--lang=it-IT"] });
    try {
        const result = await run(url, { port: chrome.port, output: "json", logLevel: "error",
            onlyCategories: ["performance", "accessibility", "best-practices", "pwa"] });
        return result.lhr;
    } finally {
        await chrome.kill();
        fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    }
}

const server = await serve(site, { compress: true });
// Packed once before anything is timed, as a server with precompressed files would.
for (const name of fs.readdirSync(site)) await fetch(new URL(name, server.url), { headers: { "Accept-Encoding": "br" } });
const browser = await launch("it-IT");
let loads;
try {
    loads = [];
    for (let i = 0; i < runs; i++) loads.push(await coldLoad(browser, server));
} finally {
    await browser.close();
}

// What the first cold load downloaded, per file: the body sent (brotli) and the file's size.
const files = new Map();
for (const r of loads[0].responses) {
    const file = files.get(r.path) ?? { responses: 0, raw: 0, sent: 0 };
    files.set(r.path, { responses: file.responses + 1, raw: file.raw + r.raw, sent: file.sent + r.sent });
}
console.log(`${"cold load, per file (kB)".padEnd(36)}${"responses".padStart(10)}${"raw".padStart(10)}${"brotli -q 11".padStart(14)}`);
for (const [name, f] of [...files].sort((a, b) => b[1].sent - a[1].sent)) {
    console.log(`${name.padEnd(36)}${String(f.responses).padStart(10)}${(f.raw / KB).toFixed(1).padStart(10)}${(f.sent / KB).toFixed(1).padStart(14)}`);
}
const sum = (key) => [...files.values()].reduce((total, f) => total + f[key], 0);
console.log();
report("whole transfer of a cold load, brotli -q 11", `${(sum("sent") / KB).toFixed(1)} kB`, "< 600 kB", sum("sent") < 600 * KB);
report("whole transfer of a cold load, uncompressed", `${(sum("raw") / KB).toFixed(1)} kB`, "< 2000 kB", sum("raw") < 2000 * KB);
const paint = median(loads.map((l) => l.paint));
const ready = median(loads.map((l) => l.ready));
report(`main window painted (first contentful paint), median of ${runs}`, `${paint.toFixed(0)} ms`, "≤ 200 ms", paint <= 200);
report(`first conversion possible (unitavo.ready), median of ${runs}`, `${ready.toFixed(0)} ms`, "≤ 500 ms", ready <= 500);

try {
    const lhr = await lighthouse(server.url);
    const score = (id) => lhr.categories[id]?.score ?? NaN;
    report("Lighthouse 11, mobile: performance", score("performance").toFixed(2), "≥ 0.95", score("performance") >= 0.95);
    report("Lighthouse 11, mobile: accessibility", score("accessibility").toFixed(2), "1.00", score("accessibility") === 1);
    report("Lighthouse 11, mobile: best practices", score("best-practices").toFixed(2), "1.00", score("best-practices") === 1);
    const installable = lhr.audits["installable-manifest"];
    report("Lighthouse 11: installable (installable-manifest)", installable.score === 1 ? "yes" : "no", "yes", installable.score === 1);
    for (const id of ["performance", "accessibility", "best-practices"]) {
        for (const ref of lhr.categories[id].auditRefs.filter((a) => a.weight > 0)) {
            const audit = lhr.audits[ref.id];
            if (audit.score !== null && audit.score < 1) console.log(`  ${id}: ${ref.id} ${audit.score} ${audit.displayValue ?? ""}`);
        }
    }
    if (installable.score !== 1) console.log(`  installable-manifest: ${JSON.stringify(installable.details?.items ?? [])}`);
} finally {
    await server.close();
}
const missed = results.filter((met) => !met).length;
console.log(missed ? `${missed} of ${results.length} targets NOT met` : `all ${results.length} targets met`);
