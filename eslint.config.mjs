// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lint for the page's JavaScript, its build script, and the browser tests and benchmark.
import js from "@eslint/js";
import globals from "globals";

export default [
    { ignores: ["build*/", "**/node_modules/", "obj-*/", "debian/"] },
    js.configs.recommended,
    { files: ["web/*.js"], languageOptions: { sourceType: "script", globals: globals.browser } },
    { files: ["web/sw.js"], languageOptions: { globals: globals.serviceworker } },
    { files: ["**/*.mjs"], languageOptions: { sourceType: "module" } },
    { files: ["web/make-site.mjs", "web/site/*.mjs", "eslint.config.mjs"], languageOptions: { globals: globals.node } },
    // The tests and the benchmark run in Node and hand functions to the page.
    { files: ["tests/web/**", "benchmarks/web/**"],
        languageOptions: { globals: { ...globals.node, ...globals.browser } } },
];
