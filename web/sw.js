// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

// Keeps this build of the page for use offline. make-site.mjs writes the version (a hash of the
// files) and the list of files.
const VERSION = "dev";
const FILES = [];
const CACHE = `unitavo-${VERSION}`;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

// Only this build's cache stays: the files of older builds would not match each other.
self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys().then((names) => Promise.all(
        names.filter((name) => name.startsWith("unitavo-") && name !== CACHE).map((name) => caches.delete(name)))));
});

// Any address of the page (a window's #hash, ?open=..., index.html) is the same page, cached as "./".
async function answer(request) {
    const cache = await caches.open(CACHE);
    const cached = request.mode === "navigate"
        ? await cache.match("./")
        : await cache.match(request, { ignoreSearch: true });
    return cached || fetch(request);
}

self.addEventListener("fetch", (event) => {
    const url = new URL(event.request.url);
    if (event.request.method !== "GET" || url.origin !== self.location.origin) return;
    event.respondWith(answer(event.request));
});
