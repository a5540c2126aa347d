// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

import { BuildError } from "./build-error.mjs";

// Every sentence the page shows or speaks is the catalogue's, from the program's messages: the
// page has none of its own to fall back on.
export function catalogueText(catalogue, key) {
    const text = catalogue.texts?.[key];
    if (typeof text !== "string") throw new BuildError(`the catalogue has no text ${key}`);
    return text;
}
