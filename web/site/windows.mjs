// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows' markup from the catalogue: the main window, the ten converter windows and the
// message box, all in the page before the engine has loaded.
import { BuildError } from "./build-error.mjs";
import { place, ptToPx, px } from "./geometry.mjs";
import { element, escapeHtml, open } from "./html.mjs";
import { catalogueText } from "./texts.mjs";

// Every id of the page goes through here: a duplicate would break labels and the API.
function idRegistry() {
    const seen = new Set();
    return (id) => {
        if (seen.has(id)) throw new BuildError(`duplicate id in the page: ${id}`);
        seen.add(id);
        return id;
    };
}

// The ids of a window's own controls: names such as txt_conv repeat in every window.
const idsIn = (id, windowName) => (name) => id(`${windowName}-${name}`);

const titleBar = (heading, close = "") => element("div", { class: "bar" }, heading + close);

function mainWindowHtml(catalogue, id) {
    const main = catalogue.main;
    const titleId = idsIn(id, main.name)("title");
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
        "aria-labelledby": titleId, style: `--cw:${px(main.width)}px;--ch:${px(main.height)}px` },
    titleBar(element("h1", { class: "title", id: titleId }, escapeHtml(catalogue.title))) +
        element("nav", { class: "client", "aria-labelledby": titleId }, buttons.join("") + links.join("")));
}

function superscriptHtml(sup, labelName, idOf) {
    if (!sup) return "";
    return element("span", { class: "sup", "data-name": labelName, id: idOf(labelName),
        "aria-hidden": "true", style: `--pt:${ptToPx(sup.points)}px` }, escapeHtml(sup.text)) +
        element("span", { class: "spoken" }, escapeHtml(sup.spoken));
}

// One radio per unit, inside its label: the label is the row, so that a press anywhere on it picks
// the unit, and the caption is the text right after the radio. Two elements a row rather than a
// wrapper and spans keep the document small: the page has some three hundred rows. On the desktop
// the row has the radio's rectangle and a longer caption runs on past it; the row's left edge and
// usual height come from its frame (--ux, --uh). Unit names repeat across windows (m2 is square
// metres and metres as target), so the id has the window.
function unitHtml(win, side, unit, rowHeight, idOf) {
    const name = unit[side];
    const height = px(unit.height) === rowHeight ? "" : `;--uh:${px(unit.height)}px`;
    const radio = open("input", { type: "radio", name: side, "data-name": name, id: idOf(name),
        "data-layout": side === "source" && win.inputLayouts.length ? unit.inputLayout : undefined });
    // One inline run, so that the accessible name is "m²" with no blank before the superscript.
    return element("label", { class: "unit", style: `--y:${px(unit.top)}px;--w:${px(unit[`${side}Width`])}px${height}` },
        radio + escapeHtml(unit[`${side}Caption`]) +
        superscriptHtml(unit.superscript, unit.superscript?.[`${side}Label`], idOf));
}

function boxHtml(box, idOf) {
    const boxId = idOf(box.name);
    return element("div", { class: "field", hidden: box.extra, "data-extra": box.extra },
        element("label", { class: "boxlabel", for: boxId }, escapeHtml(box.label)) +
        open("input", { type: "text", inputmode: "decimal", autocomplete: "off", spellcheck: "false",
            class: "box pos", "data-name": box.name, id: boxId, value: box.text, style: place(box.rect) }));
}

function labelHtml(label, idOf) {
    return element("span", { class: "text pos", "data-name": label.name, id: idOf(label.name),
        hidden: label.extra, "data-extra": label.extra, "aria-hidden": "true",
        style: `${place(label.rect)};--pt:${ptToPx(label.points)}px` }, escapeHtml(label.text));
}

// The source frame's boxes in the desktop's tab chain, each text label after the box to its left.
function inputsHtml(win, idOf) {
    const order = (name) => win.tabOrder.indexOf(name);
    const boxes = [...win.boxes].sort((a, b) => order(a.name) - order(b.name));
    return boxes.map((box, i) => {
        const next = boxes[i + 1];
        const labels = win.labels.filter((l) => l.rect[0] >= box.rect[0] && (!next || l.rect[0] < next.rect[0]));
        return boxHtml(box, idOf) + labels.map((l) => labelHtml(l, idOf)).join("");
    }).join("");
}

// The height most unit rows have: a row of another height says so itself.
function usualHeight(win) {
    const counts = new Map();
    for (const unit of win.units) counts.set(px(unit.height), (counts.get(px(unit.height)) ?? 0) + 1);
    return [...counts].sort((a, b) => b[1] - a[1])[0]?.[0] ?? 0;
}

function frameHtml(catalogue, win, frame, idOf) {
    const rowHeight = usualHeight(win);
    const units = win.units.map((u) => unitHtml(win, frame.side, u, rowHeight, idOf)).join("");
    return element("fieldset", { class: "frame pos", "data-name": frame.name, "data-side": frame.side,
        id: idOf(frame.name), style: `${place(frame.rect)};--ux:${px(win.unitLeft)}px;--uh:${rowHeight}px` },
    element("legend", {}, escapeHtml(catalogueText(catalogue, `${frame.side}Frame`))) + units +
        (frame.side === "source" ? inputsHtml(win, idOf) : ""));
}

// A result box in the target frame is placed from that frame's corner; in the markup it follows
// "Calcola", as in the desktop's tab chain.
function resultHtml(win, idOf) {
    const result = win.result;
    const target = win.frames.find((f) => f.side === "target");
    const [dx, dy] = result.onWindow ? [0, 0] : target.rect;
    const outId = idOf(result.name);
    return element("div", { class: "field result" },
        element("label", { class: "boxlabel", for: outId }, escapeHtml(result.label)) +
        element("output", { class: "box pos", "data-name": result.name, id: outId, tabindex: "0",
            "aria-live": "polite", style: place(result.rect, dx, dy) }));
}

function converterHtml(catalogue, win, id) {
    const idOf = idsIn(id, win.name);
    const layouts = win.inputLayouts.map((l) => [px(l.inputWidth), l.extrasVisible]);
    const closeName = catalogueText(catalogue, "closeWindow").replace("%1", () => win.caption);
    const bar = titleBar(element("h2", { class: "title", id: idOf("title") }, escapeHtml(win.caption)),
        element("button", { type: "button", class: "close", "data-name": "btn_Chiudi", id: idOf("btn_Chiudi"),
            "aria-label": closeName },
        '<svg viewBox="0 0 10 10" aria-hidden="true" focusable="false"><path d="M1.5 1.5l7 7m0-7l-7 7"/></svg>'));
    const form = element("form", { class: "client", novalidate: true, autocomplete: "off",
        "data-layouts": layouts.length ? JSON.stringify(layouts) : undefined },
    win.frames.map((f) => frameHtml(catalogue, win, f, idOf)).join("") +
        element("button", { type: "submit", class: "calcola pos", "data-name": win.calcola.name,
            id: idOf(win.calcola.name), style: place(win.calcola.rect) }, escapeHtml(win.calcola.caption)) +
        resultHtml(win, idOf));
    return element("section", { class: "win conv", id: id(win.name), "data-id": win.id, "data-caption": win.caption,
        hidden: true, "aria-labelledby": `${win.name}-title`,
        style: `--cw:${px(win.width)}px;--ch:${px(win.height)}px` }, bar + form);
}

function dialogHtml(catalogue, id) {
    const name = "messaggio";
    const idOf = idsIn(id, name);
    return element("dialog", { "data-name": name, id: id(name), "aria-labelledby": `${name}-title`,
        "aria-describedby": `${name}-text` },
    element("h2", { id: idOf("title"), class: "title" }) +
        element("p", { "data-name": "qt_msgbox_label", id: idOf("text") }) +
        element("form", { method: "dialog" },
            element("button", { "data-name": "btn_OK", id: idOf("btn_OK") }, escapeHtml(catalogueText(catalogue, "ok")))));
}

// The windows, main window first, and the message box, with ids unique in the document.
export function windowsHtml(catalogue) {
    const id = idRegistry();
    return {
        windows: [mainWindowHtml(catalogue, id), ...catalogue.windows.map((w) => converterHtml(catalogue, w, id))],
        dialog: dialogHtml(catalogue, id),
    };
}
