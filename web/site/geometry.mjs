// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's geometry in CSS px: the catalogue's twips as the desktop rounds them, and the
// viewports wide and tall enough for its windows.

// The window chrome around a client area; page.css draws it with the same numbers.
const BORDER = 3;
const BAR = 22;
const MARGIN = 8;

export const px = (twips) => Math.floor((twips + 7) / 15);
export const ptToPx = (points) => Math.round((points * 96) / 72);

// A rectangle as the custom properties that only the desktop layout reads.
export function place([left, top, width, height], dx = 0, dy = 0) {
    return `--x:${px(left + dx)}px;--y:${px(top + dy)}px;--w:${px(width)}px;--h:${px(height)}px`;
}

// The desktop layout applies where the main window and the widest converter window fit side by
// side, and the tallest converter window fits; elsewhere one window at a time fills the width.
// A scale above 1 draws the desktop look larger, as a desktop does at more than 96 dpi. The page
// is drawn at 1.5 (144 dpi): unit rows 240 twips apart are then 24 px apart, the least room a
// pointer target needs (WCAG 2.5.8).
export function desktopQuery(catalogue, scale) {
    const frameWidth = (w) => Math.ceil(scale * (px(w) + 2 * BORDER));
    const frameHeight = (h) => Math.ceil(scale * (px(h) + 2 * BORDER + BAR));
    const width = 3 * MARGIN + frameWidth(catalogue.main.width) + Math.max(...catalogue.windows.map((w) => frameWidth(w.width)));
    const height = 2 * MARGIN + Math.max(frameHeight(catalogue.main.height), ...catalogue.windows.map((w) => frameHeight(w.height)));
    return `(min-width: ${width}px) and (min-height: ${height}px)`;
}
