// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files the page draws with, made by Debian's tools: the icons and the font.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { BuildError } from "./build-error.mjs";

const icon = (name) => fileURLToPath(new URL(`../../data/icons/${name}`, import.meta.url));
const ICON = icon("unitavo.svg");
const FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

// False when the command is not installed; a command that fails stops the build.
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
// Returns them as the manifest lists them.
export function makeIcons(out, temp) {
    const svg = fs.readFileSync(ICON, "utf8");
    const inner = svg.slice(svg.indexOf(">", svg.indexOf("<svg")) + 1, svg.lastIndexOf("</svg>"));
    const viewBox = /viewBox="([^"]+)"/.exec(svg)[1];
    const tile = /fill="(#[0-9a-fA-F]{6})"/.exec(inner)[1];
    const maskable = path.join(temp, "maskable.svg");
    fs.writeFileSync(maskable, `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">` +
        `<rect width="100" height="100" fill="${tile}"/><svg x="21" y="21" width="58" height="58" viewBox="${viewBox}">` +
        `${inner}</svg></svg>`);
    const icons = [];
    for (const size of [192, 512]) {
        for (const [purpose, source] of [["any", ICON], ["maskable", maskable]]) {
            const name = `icon-${purpose}-${size}.png`;
            if (!run("rsvg-convert", ["-w", String(size), "-h", String(size), "-o", path.join(out, name), source])) {
                throw new BuildError("rsvg-convert is missing: install Debian's librsvg2-bin");
            }
            icons.push({ src: name, sizes: `${size}x${size}`, type: "image/png", purpose });
        }
    }
    fs.copyFileSync(ICON, path.join(out, "unitavo.svg"));
    fs.copyFileSync(icon("unitavo-32.png"), path.join(out, "unitavo-32.png"));
    return icons;
}

function strings(value) {
    if (typeof value === "string") return [value];
    if (value && typeof value === "object") return Object.values(value).flatMap(strings);
    return [];
}

// Liberation Sans cut down to Latin-1 and whatever else the catalogue shows.
export function makeFont(catalogue, out, temp) {
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
