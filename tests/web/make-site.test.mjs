// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's generator refuses a catalogue it cannot make a sound page of, with one line that
// says why, and writes no page; from the engine's own catalogue it makes the page that is served.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath } from "node:url";
import { SITE } from "./support/index.mjs";

const MAKE_SITE = fileURLToPath(new URL("../../web/make-site.mjs", import.meta.url));
let catalogue;
let work;

before(async () => {
    const factory = createRequire(import.meta.url)(path.join(SITE, "unitavo-engine.js"));
    const engine = await factory({ wasmBinary: fs.readFileSync(path.join(SITE, "unitavo-engine.wasm")) });
    catalogue = JSON.parse(engine.catalogue());
    work = fs.mkdtempSync(path.join(os.tmpdir(), "unitavo-make-site-"));
});

after(() => fs.rmSync(work, { recursive: true, force: true }));

function makeSite(name, change) {
    const edited = structuredClone(catalogue);
    change(edited);
    const file = path.join(work, `${name}.json`);
    fs.writeFileSync(file, JSON.stringify(edited));
    const out = path.join(work, name);
    const run = spawnSync(process.execPath, [MAKE_SITE, "--catalogue", file, "--out", out],
        { encoding: "utf8" });
    return { status: run.status, stderr: run.stderr, page: path.join(out, "index.html") };
}

const refusals = [
    ["a unit twice in one window", (c) => c.windows[3].units.push(c.windows[3].units[0]),
        (c) => `make-site: duplicate id in the page: ${c.windows[3].name}-${c.windows[3].units[0].source}`],
    ["no name for the close control", (c) => delete c.texts.closeWindow,
        () => "make-site: the catalogue has no text closeWindow"],
    ["no frame title", (c) => delete c.texts.targetFrame,
        () => "make-site: the catalogue has no text targetFrame"],
];

for (const [name, change, expected] of refusals) {
    test(`refused: ${name}`, () => {
        const run = makeSite(name.replaceAll(" ", "-"), change);
        assert.equal(run.status, 1);
        const lines = run.stderr.trimEnd().split("\n");
        assert.deepEqual(lines, [expected(catalogue)]);
        assert.equal(fs.existsSync(run.page), false);
    });
}

test("refused: an engine folder without the engine", () => {
    const run = spawnSync(process.execPath, [MAKE_SITE, "--engine", work, "--out", path.join(work, "none")],
        { encoding: "utf8" });
    assert.equal(run.status, 1);
    assert.equal(run.stderr, `make-site: ${path.join(work, "unitavo-engine.js")} is missing\n`);
});

test("the engine's catalogue, given as a file, makes the page that is served", () => {
    const run = makeSite("as-served", () => {});
    assert.equal(run.status, 0, run.stderr);
    assert.equal(fs.readFileSync(run.page, "utf8"), fs.readFileSync(path.join(SITE, "index.html"), "utf8"));
});
