// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// HTML as text: every text and attribute value escaped here, so that nothing from the catalogue is
// ever read as markup.
export function escapeHtml(text) {
    return String(text).replace(/[&<>"']/g, (c) => `&#${c.charCodeAt(0)};`);
}

// Attributes in the order given; true writes a bare attribute, false, null and undefined none.
function attrs(map) {
    return Object.entries(map)
        .filter(([, value]) => value !== undefined && value !== false && value !== null)
        .map(([key, value]) => (value === true ? ` ${key}` : ` ${key}="${escapeHtml(value)}"`))
        .join("");
}

export const open = (tag, map) => `<${tag}${attrs(map)}>`;
export const element = (tag, map, content = "") => `${open(tag, map)}${content}</${tag}>`;
