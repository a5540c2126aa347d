// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// page.css, the one home of the page's look, as the page and the manifest take it.
import fs from "node:fs";
import { BuildError } from "./build-error.mjs";

const sheet = () => fs.readFileSync(new URL("../page.css", import.meta.url), "utf8");

// The sheet with the desktop layout's query and scale written in, its comments and indentation
// left out. It goes inside index.html: a style sheet of its own would hold the first paint back
// by one more request.
export function inlineStyle(query, scale) {
    const css = sheet();
    if (!css.includes("(--desktop)")) throw new BuildError("web/page.css: no @media (--desktop)");
    if (!css.includes("--scale: 1;")) throw new BuildError("web/page.css: no --scale: 1;");
    return css.replaceAll("(--desktop)", query).replace("--scale: 1;", `--scale: ${scale};`)
        .replace(/\/\*[^]*?\*\//g, "").replace(/\n\s*/g, "\n").trim();
}

// The windows' face and the active title bar's colour, for what the browser draws around the
// page: its theme colour, and an installed app's splash screen.
export function pageColours() {
    const css = sheet();
    const colour = (property) => {
        const found = new RegExp(`${property}: (#[0-9a-fA-F]{6});`).exec(css);
        if (!found) throw new BuildError(`web/page.css: no ${property}: #rrggbb;`);
        return found[1];
    };
    return { face: colour("--face"), active: colour("--active") };
}
