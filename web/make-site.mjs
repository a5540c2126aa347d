// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the page from the engine's catalogue: every window is in the markup, so the page paints
// before the engine has loaded.
//   node web/make-site.mjs --engine DIR --out SITE [--catalogue FILE.json] [--scale 1..3, default 1.5]
import { execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { parseArgs } from "node:util";

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.dirname(here);

// The window chrome around a client area, in CSS px; page.css draws it with the same numbers.
const BORDER = 3;
const BAR = 22;
const MARGIN = 8;
const FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

class BuildError extends Error {}

// The desktop's rounding of twips to pixels.
const px = (twips) => Math.floor((twips + 7) / 15);
const ptToPx = (points) => Math.round((points * 96) / 72);

function escapeHtml(text) {
    return String(text).replace(/[&<>"']/g, (c) => `&#${c.charCodeAt(0)};`);
}

function attrs(map) {
    return Object.entries(map)
        .filter(([, value]) => value !== undefined && value !== false && value !== null)
        .map(([key, value]) => (value === true ? ` ${key}` : ` ${key}="${escapeHtml(value)}"`))
        .join("");
}

// Geometry goes into custom properties that only the desktop layout reads.
function place([left, top, width, height], dx = 0, dy = 0) {
    return `--x:${px(left + dx)}px;--y:${px(top + dy)}px;--w:${px(width)}px;--h:${px(height)}px`;
}

const open = (tag, map) => `<${tag}${attrs(map)}>`;
const element = (tag, map, content = "") => `${open(tag, map)}${content}</${tag}>`;

// Every id of the page goes through here: a duplicate would break labels and the API.
function idRegistry() {
    const seen = new Set();
    return (id) => {
        if (seen.has(id)) throw new BuildError(`duplicate id in the page: ${id}`);
        seen.add(id);
        return id;
    };
}

function mainWindowHtml(catalogue, id) {
    const main = catalogue.main;
    const buttons = main.buttons.map((b) =>
        element("button", { type: "button", class: "pos", id: id(b.name), "data-window": b.window,
            style: place(b.rect) }, escapeHtml(b.caption)));
    const links = main.links.map((link) => {
        const web = !link.href.startsWith("mailto:");
        return element("a", { class: "pos link", id: id(link.name), href: link.href.replaceAll(" ", "%20"),
            target: web && "_blank", rel: web && "noopener",
            style: `${place(link.rect)};--pt:${ptToPx(link.points)}px` }, escapeHtml(link.text));
    });
    return element("section", { class: "win main", id: id(main.name), "data-caption": catalogue.title,
        "aria-labelledby": id(`${main.name}-title`),
        style: `--cw:${px(main.width)}px;--ch:${px(main.height)}px` },
    `<div class="bar">${element("h1", { class: "title", id: `${main.name}-title` }, escapeHtml(catalogue.title))}</div>` +
    `<nav class="client" aria-labelledby="${main.name}-title">${buttons.join("")}${links.join("")}</nav>`);
}

function superscriptHtml(win, sup, labelName, id) {
    if (!sup) return "";
    return element("span", { class: "sup", "data-name": labelName, id: id(`${win.name}-${labelName}`),
        "aria-hidden": "true", style: `--pt:${ptToPx(sup.points)}px` }, escapeHtml(sup.text)) +
        element("span", { class: "spoken" }, escapeHtml(sup.spoken));
}

// One radio per unit, inside its label: the label is the row, so that a press anywhere on it picks
// the unit, and the caption is the text right after the radio. Two elements a row rather than a
// wrapper and spans keep the document small: the page has some three hundred rows. On the desktop
// the row has the radio's rectangle and a longer caption runs on past it; the row's left edge and
// usual height come from its frame (--ux, --uh). Unit names repeat across windows (m2 is square
// metres and metres as target), so the id has the window.
function unitHtml(win, frame, unit, rowHeight, id) {
    const side = frame.side;
    const name = unit[side];
    const height = px(unit.height) === rowHeight ? "" : `;--uh:${px(unit.height)}px`;
    const radio = open("input", { type: "radio", name: side, "data-name": name, id: id(`${win.name}-${name}`),
        "data-layout": side === "source" && win.inputLayouts.length ? unit.inputLayout : undefined });
    // One inline run, so that the accessible name is "m²" with no blank before the superscript.
    return element("label", { class: "unit", style: `--y:${px(unit.top)}px;--w:${px(unit[`${side}Width`])}px${height}` },
        radio + escapeHtml(unit[`${side}Caption`]) +
        superscriptHtml(win, unit.superscript, unit.superscript?.[`${side}Label`], id));
}

function boxHtml(win, box, id) {
    const boxId = id(`${win.name}-${box.name}`);
    return element("div", { class: "field", hidden: box.extra, "data-extra": box.extra },
        element("label", { class: "boxlabel", for: boxId }, escapeHtml(box.label)) +
        open("input", { type: "text", inputmode: "decimal", autocomplete: "off", spellcheck: "false",
            class: "box pos", "data-name": box.name, id: boxId, value: box.text, style: place(box.rect) }));
}

function labelHtml(win, label, id) {
    return element("span", { class: "text pos", "data-name": label.name, id: id(`${win.name}-${label.name}`),
        hidden: label.extra, "data-extra": label.extra, "aria-hidden": "true",
        style: `${place(label.rect)};--pt:${ptToPx(label.points)}px` }, escapeHtml(label.text));
}

// The source frame's boxes in the desktop's tab chain, each text label after the box to its left.
function inputsHtml(win, id) {
    const order = (name) => win.tabOrder.indexOf(name);
    const boxes = [...win.boxes].sort((a, b) => order(a.name) - order(b.name));
    return boxes.map((box, i) => {
        const next = boxes[i + 1];
        const labels = win.labels.filter((l) => l.rect[0] >= box.rect[0] && (!next || l.rect[0] < next.rect[0]));
        return boxHtml(win, box, id) + labels.map((l) => labelHtml(win, l, id)).join("");
    }).join("");
}

// The height most unit rows have: a row of another height says so itself.
function usualHeight(win) {
    const counts = new Map();
    for (const unit of win.units) counts.set(px(unit.height), (counts.get(px(unit.height)) ?? 0) + 1);
    return [...counts].sort((a, b) => b[1] - a[1])[0]?.[0] ?? 0;
}

function frameHtml(win, frame, texts, id) {
    const rowHeight = usualHeight(win);
    const units = win.units.map((u) => unitHtml(win, frame, u, rowHeight, id)).join("");
    const legend = frame.legend ?? texts[`${frame.side}Frame`];
    return element("fieldset", { class: "frame pos", "data-name": frame.name, "data-side": frame.side,
        id: id(`${win.name}-${frame.name}`), style: `${place(frame.rect)};--ux:${px(win.unitLeft)}px;--uh:${rowHeight}px` },
    element("legend", {}, escapeHtml(legend)) + units + (frame.side === "source" ? inputsHtml(win, id) : ""));
}

// A result box in the target frame is placed from that frame's corner; in the markup it follows
// "Calcola", as in the desktop's tab chain.
function resultHtml(win, id) {
    const result = win.result;
    const target = win.frames.find((f) => f.side === "target");
    const [dx, dy] = result.onWindow ? [0, 0] : target.rect;
    const outId = id(`${win.name}-${result.name}`);
    return element("div", { class: "field result" },
        element("label", { class: "boxlabel", for: outId }, escapeHtml(result.label)) +
        element("output", { class: "box pos", "data-name": result.name, id: outId, tabindex: "0",
            "aria-live": "polite", style: place(result.rect, dx, dy) }));
}

function converterHtml(win, texts, id) {
    const layouts = win.inputLayouts.map((l) => [px(l.inputWidth), l.extrasVisible]);
    const bar = `<div class="bar">` +
        element("h2", { class: "title", id: id(`${win.name}-title`) }, escapeHtml(win.caption)) +
        element("button", { type: "button", class: "close", "data-name": "btn_Chiudi", id: id(`${win.name}-btn_Chiudi`),
            "aria-label": texts.closeWindow ? texts.closeWindow.replace("%1", win.caption) : `${texts.close} ${win.caption}` },
        '<svg viewBox="0 0 10 10" aria-hidden="true" focusable="false"><path d="M1.5 1.5l7 7m0-7l-7 7"/></svg>') +
        "</div>";
    const form = element("form", { class: "client", novalidate: true, autocomplete: "off",
        "data-layouts": layouts.length ? JSON.stringify(layouts) : undefined },
    win.frames.map((f) => frameHtml(win, f, texts, id)).join("") +
        element("button", { type: "submit", class: "calcola pos", "data-name": win.calcola.name,
            id: id(`${win.name}-${win.calcola.name}`), style: place(win.calcola.rect) }, escapeHtml(win.calcola.caption)) +
        resultHtml(win, id));
    return element("section", { class: "win conv", id: id(win.name), "data-id": win.id, "data-caption": win.caption,
        hidden: true, "aria-labelledby": `${win.name}-title`,
        style: `--cw:${px(win.width)}px;--ch:${px(win.height)}px` }, bar + form);
}

function dialogHtml(texts, id) {
    return element("dialog", { "data-name": "messaggio", id: id("messaggio"), "aria-labelledby": id("messaggio-title"),
        "aria-describedby": id("messaggio-text") },
    element("h2", { id: "messaggio-title", class: "title" }) +
        element("p", { "data-name": "qt_msgbox_label", id: "messaggio-text" }) +
        element("form", { method: "dialog" },
            element("button", { "data-name": "btn_OK", id: id("messaggio-btn_OK") }, escapeHtml(texts.ok))));
}

// The desktop layout applies where the main window and the widest converter window fit side by
// side, and the tallest converter window fits; elsewhere one window at a time fills the width.
// A scale above 1 draws the desktop look larger, as a desktop does at more than 96 dpi. The page
// is drawn at 1.5 (144 dpi): unit rows 240 twips apart are then 24 px apart, the least room a
// pointer target needs (WCAG 2.5.8).
function desktopQuery(catalogue, scale) {
    const frameWidth = (w) => Math.ceil(scale * (px(w) + 2 * BORDER));
    const frameHeight = (h) => Math.ceil(scale * (px(h) + 2 * BORDER + BAR));
    const width = 3 * MARGIN + frameWidth(catalogue.main.width) + Math.max(...catalogue.windows.map((w) => frameWidth(w.width)));
    const height = 2 * MARGIN + Math.max(frameHeight(catalogue.main.height), ...catalogue.windows.map((w) => frameHeight(w.height)));
    return `(min-width: ${width}px) and (min-height: ${height}px)`;
}

function fill(template, values) {
    return template.replace(/@([A-Z_]+)@/g, (all, key) => {
        if (!(key in values)) throw new BuildError(`web/index.html.in: unknown placeholder ${all}`);
        return values[key];
    });
}

// page.css with the desktop layout's query and scale written in, its comments and indentation
// left out. It goes inside index.html: a style sheet of its own would hold the first paint back
// by one more request.
function pageStyle(query, scale) {
    const css = fs.readFileSync(path.join(here, "page.css"), "utf8");
    if (!css.includes("(--desktop)")) throw new BuildError("web/page.css: no @media (--desktop)");
    if (!css.includes("--scale: 1;")) throw new BuildError("web/page.css: no --scale: 1;");
    return css.replaceAll("(--desktop)", query).replace("--scale: 1;", `--scale: ${scale};`)
        .replace(/\/\*[^]*?\*\//g, "").replace(/\n\s*/g, "\n").trim();
}

function pageHtml(catalogue, query, scale) {
    const id = idRegistry();
    const texts = catalogue.texts;
    const windows = [mainWindowHtml(catalogue, id), ...catalogue.windows.map((w) => converterHtml(w, texts, id))];
    return fill(fs.readFileSync(path.join(here, "index.html.in"), "utf8"), {
        TITLE: escapeHtml(catalogue.title),
        STYLE: pageStyle(query, scale),
        DESKTOP: escapeHtml(query),
        WINDOWS: windows.join("\n"),
        DIALOG: dialogHtml(texts, id),
        LOADING: escapeHtml(texts.loading),
        NO_ENGINE: escapeHtml(texts.noEngine),
        NO_SCRIPT: escapeHtml(texts.noScript),
    });
}

async function loadCatalogue(args) {
    if (args.catalogue) return JSON.parse(fs.readFileSync(args.catalogue, "utf8"));
    const file = path.resolve(args.engine, "unitavo-engine.js");
    const factory = createRequire(import.meta.url)(file);
    const engine = await factory({ wasmBinary: fs.readFileSync(path.resolve(args.engine, "unitavo-engine.wasm")) });
    return JSON.parse(engine.catalogue());
}

function run(command, argv) {
    try {
        execFileSync(command, argv, { stdio: ["ignore", "ignore", "pipe"] });
        return true;
    } catch (error) {
        if (error.code === "ENOENT") return false;
        throw new BuildError(`${command} failed: ${error.stderr?.toString().trim() || error.message}`);
    }
}

// The icons from the SVG: "any" as drawn, "maskable" on a full bleed inside the safe circle.
function makeIcons(out, temp) {
    const svg = fs.readFileSync(path.join(root, "data/icons/unitavo.svg"), "utf8");
    const inner = svg.slice(svg.indexOf(">", svg.indexOf("<svg")) + 1, svg.lastIndexOf("</svg>"));
    const viewBox = /viewBox="([^"]+)"/.exec(svg)[1];
    const tile = /fill="(#[0-9a-fA-F]{6})"/.exec(inner)[1];
    const maskable = path.join(temp, "maskable.svg");
    fs.writeFileSync(maskable, `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">` +
        `<rect width="100" height="100" fill="${tile}"/><svg x="21" y="21" width="58" height="58" viewBox="${viewBox}">` +
        `${inner}</svg></svg>`);
    const icons = [];
    for (const size of [192, 512]) {
        for (const [purpose, source] of [["any", path.join(root, "data/icons/unitavo.svg")], ["maskable", maskable]]) {
            const name = `icon-${purpose}-${size}.png`;
            if (!run("rsvg-convert", ["-w", String(size), "-h", String(size), "-o", path.join(out, name), source])) {
                throw new BuildError("rsvg-convert is missing: install Debian's librsvg2-bin");
            }
            icons.push({ src: name, sizes: `${size}x${size}`, type: "image/png", purpose });
        }
    }
    fs.copyFileSync(path.join(root, "data/icons/unitavo.svg"), path.join(out, "unitavo.svg"));
    fs.copyFileSync(path.join(root, "data/icons/unitavo-32.png"), path.join(out, "unitavo-32.png"));
    return icons;
}

function strings(value) {
    if (typeof value === "string") return [value];
    if (value && typeof value === "object") return Object.values(value).flatMap(strings);
    return [];
}

// Liberation Sans cut down to Latin-1 and whatever else the catalogue shows.
function makeFont(catalogue, out, temp) {
    const textFile = path.join(temp, "characters.txt");
    fs.writeFileSync(textFile, strings(catalogue).join(""));
    const options = [FONT, `--text-file=${textFile}`, "--unicodes=U+0020-007E,U+00A0-00FF", "--flavor=woff2",
        "--no-hinting", "--desubroutinize", "--name-IDs=0,1,2,3,4,5,6,13,14", `--output-file=${path.join(out, "unitavo-sans.woff2")}`];
    const ways = [["pyftsubset", options], ["/usr/bin/python3", ["-m", "fontTools.subset", ...options]],
        ["python3", ["-m", "fontTools.subset", ...options]]];
    if (!fs.existsSync(FONT)) throw new BuildError(`${FONT} is missing: install Debian's fonts-liberation`);
    if (!ways.some(([command, argv]) => run(command, argv))) {
        throw new BuildError("pyftsubset is missing: install Debian's python3-fonttools and python3-brotli");
    }
}

function writeManifest(catalogue, icons, out) {
    const manifest = { name: "Unitavo", short_name: "Unitavo", lang: "it", dir: "ltr", start_url: "./", scope: "./",
        display: "standalone", background_color: "#d4d0c8", theme_color: "#0a246a", icons };
    fs.writeFileSync(path.join(out, "manifest.webmanifest"), `${JSON.stringify(manifest, null, 2)}\n`);
}

// The service worker caches this build's files under a name made from their contents, so that a
// new build replaces the old cache whole.
function writeServiceWorker(out) {
    const files = fs.readdirSync(out).filter((f) => f !== "sw.js").sort();
    const hash = createHash("sha256");
    for (const file of files) hash.update(`${file}\0`).update(fs.readFileSync(path.join(out, file)));
    let source = fs.readFileSync(path.join(here, "sw.js"), "utf8");
    const swap = (line, replacement) => {
        if (!source.includes(line)) throw new BuildError(`web/sw.js: no line ${line}`);
        source = source.replace(line, replacement);
    };
    swap('const VERSION = "dev";', `const VERSION = "${hash.digest("hex").slice(0, 16)}";`);
    // index.html is cached as "./", the address the page is opened at: a second copy under its
    // own name would be a second download of it.
    swap("const FILES = [];", `const FILES = ${JSON.stringify(["./", ...files.filter((f) => f !== "index.html")])};`);
    fs.writeFileSync(path.join(out, "sw.js"), source);
}

async function main() {
    const { values: args } = parseArgs({ options: { engine: { type: "string" }, out: { type: "string" },
        catalogue: { type: "string" }, scale: { type: "string", default: "1.5" } } });
    const scale = Number(args.scale);
    if (!args.out || (!args.engine && !args.catalogue) || !(scale >= 1 && scale <= 3)) {
        throw new BuildError("usage: node web/make-site.mjs --engine DIR --out SITE [--catalogue FILE.json] [--scale 1..3]");
    }
    const catalogue = await loadCatalogue(args);
    const query = desktopQuery(catalogue, scale);
    const html = pageHtml(catalogue, query, scale);
    fs.mkdirSync(args.out, { recursive: true });
    const temp = fs.mkdtempSync(path.join(os.tmpdir(), "unitavo-site-"));
    try {
        fs.writeFileSync(path.join(args.out, "index.html"), html);
        for (const file of ["unitavo-page.js", "unitavo-compile.js"]) {
            fs.copyFileSync(path.join(here, file), path.join(args.out, file));
        }
        for (const file of ["unitavo-engine.js", "unitavo-engine.wasm"]) {
            if (args.engine && fs.existsSync(path.join(args.engine, file))) {
                fs.copyFileSync(path.join(args.engine, file), path.join(args.out, file));
            } else if (args.engine) {
                throw new BuildError(`${path.join(args.engine, file)} is missing`);
            }
        }
        writeManifest(catalogue, makeIcons(args.out, temp), args.out);
        makeFont(catalogue, args.out, temp);
        writeServiceWorker(args.out);
    } finally {
        fs.rmSync(temp, { recursive: true, force: true });
    }
}

main().catch((error) => {
    console.error(`make-site: ${error instanceof BuildError ? error.message : error.stack}`);
    process.exit(1);
});
