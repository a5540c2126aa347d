// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the page from the engine's catalogue: every window is in the markup, so the page paints
// before the engine has loaded. The work is in site/.
//   node web/make-site.mjs --engine DIR --out SITE [--catalogue FILE.json] [--scale 1..3, default 1.5]
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { parseArgs } from "node:util";
import { makeFont, makeIcons } from "./site/assets.mjs";
import { BuildError } from "./site/build-error.mjs";
import { writeManifest, writeServiceWorker } from "./site/offline.mjs";
import { pageHtml } from "./site/page.mjs";

// The page's scripts, copied as they are, and the engine's two files.
const SCRIPTS = ["unitavo-page.js", "unitavo-compile.js"];
const ENGINE_SCRIPT = "unitavo-engine.js";
const ENGINE_MODULE = "unitavo-engine.wasm";

function engineFile(dir, name) {
    const file = path.resolve(dir, name);
    if (!fs.existsSync(file)) throw new BuildError(`${path.join(dir, name)} is missing`);
    return file;
}

async function loadCatalogue(args) {
    if (args.catalogue) return JSON.parse(fs.readFileSync(args.catalogue, "utf8"));
    const factory = createRequire(import.meta.url)(engineFile(args.engine, ENGINE_SCRIPT));
    const engine = await factory({ wasmBinary: fs.readFileSync(engineFile(args.engine, ENGINE_MODULE)) });
    return JSON.parse(engine.catalogue());
}

async function main() {
    const { values: args } = parseArgs({ options: { engine: { type: "string" }, out: { type: "string" },
        catalogue: { type: "string" }, scale: { type: "string", default: "1.5" } } });
    const scale = Number(args.scale);
    if (!args.out || (!args.engine && !args.catalogue) || !(scale >= 1 && scale <= 3)) {
        throw new BuildError("usage: node web/make-site.mjs --engine DIR --out SITE [--catalogue FILE.json] [--scale 1..3]");
    }
    const catalogue = await loadCatalogue(args);
    const html = pageHtml(catalogue, scale);
    fs.mkdirSync(args.out, { recursive: true });
    const temp = fs.mkdtempSync(path.join(os.tmpdir(), "unitavo-site-"));
    try {
        fs.writeFileSync(path.join(args.out, "index.html"), html);
        for (const file of SCRIPTS) fs.copyFileSync(new URL(file, import.meta.url), path.join(args.out, file));
        for (const file of args.engine ? [ENGINE_SCRIPT, ENGINE_MODULE] : []) {
            fs.copyFileSync(engineFile(args.engine, file), path.join(args.out, file));
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
