// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// index.html: web/index.html.in filled in with the style, the windows and the catalogue's texts.
import fs from "node:fs";
import { BuildError } from "./build-error.mjs";
import { desktopQuery } from "./geometry.mjs";
import { escapeHtml } from "./html.mjs";
import { inlineStyle, pageColours } from "./style.mjs";
import { catalogueText } from "./texts.mjs";
import { windowsHtml } from "./windows.mjs";

function fill(template, values) {
    return template.replace(/@([A-Z_]+)@/g, (all, key) => {
        if (!(key in values)) throw new BuildError(`web/index.html.in: unknown placeholder ${all}`);
        return values[key];
    });
}

export function pageHtml(catalogue, scale) {
    const query = desktopQuery(catalogue, scale);
    const { windows, dialog } = windowsHtml(catalogue);
    const text = (key) => escapeHtml(catalogueText(catalogue, key));
    return fill(fs.readFileSync(new URL("../index.html.in", import.meta.url), "utf8"), {
        TITLE: escapeHtml(catalogue.title),
        THEME_COLOR: pageColours().active,
        STYLE: inlineStyle(query, scale),
        DESKTOP: escapeHtml(query),
        WINDOWS: windows.join("\n"),
        DIALOG: dialog,
        LOADING: text("loading"),
        NO_ENGINE: text("noEngine"),
        NO_SCRIPT: text("noScript"),
    });
}
