// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

// The page's windows over the engine. Every window is already in the markup (make-site.mjs), so the
// main window shows and converter windows open before the engine has loaded; a press waits for it.
// window.unitavo is the JavaScript API that the README describes.
(function () {
    const GAP = 8;
    const BAR = 22;
    const desktop = matchMedia(document.body.dataset.desktop);
    const mainWindow = document.querySelector(".win.main");
    const converters = [...document.querySelectorAll(".win.conv")];
    const dialog = document.querySelector("dialog[data-name=messaggio]");
    const dialogTitle = dialog.querySelector(".title");
    const line = document.getElementById("line");
    const loadingText = line.textContent;

    // Shown windows, the one used last at the end; the main window never closes.
    const used = [mainWindow];
    const lastFocus = new WeakMap();
    let topZ = 1;

    // The engine loads once the main window is painted: its module (1.7 MB) would otherwise take
    // the network and the main thread from the first paint. The page is usable meanwhile; a press
    // waits for the engine.
    let engine = null;
    const nextTask = () => new Promise((resolve) => setTimeout(resolve));
    const engineReady = firstPaint().then(startEngine);

    // The browser's own first contentful paint, which can come frames after the first animation
    // frame; where it is not reported, the frame after the first. Looked for at each frame: an
    // observer of it hears of it later.
    function firstPaint() {
        const reported = globalThis.PerformanceObserver?.supportedEntryTypes?.includes("paint");
        return new Promise((resolve) => {
            const look = () => {
                if (!reported || performance.getEntriesByName("first-contentful-paint", "paint").length) nextTask().then(resolve);
                else requestAnimationFrame(look);
            };
            requestAnimationFrame(look);
        });
    }

    function loadScript(src) {
        return new Promise((resolve, reject) => {
            const script = document.createElement("script");
            script.src = src;
            script.onload = resolve;
            script.onerror = () => reject(new Error(`${src} did not load`));
            document.head.append(script);
        });
    }

    // The module compiles as it downloads, beside its script's download (compiling needs none of
    // the script's imports), in a worker (unitavo-compile.js) so that the main thread stays free.
    // Null where the worker cannot do it: the engine's own loader then fetches and compiles it here.
    function compileInWorker() {
        if (typeof Worker !== "function") return Promise.resolve(null);
        return new Promise((resolve) => {
            const worker = new Worker("unitavo-compile.js");
            const done = (module) => {
                worker.terminate();
                resolve(module ?? null);
            };
            worker.onmessage = (event) => done(event.data?.module);
            worker.onmessageerror = () => done(null);
            worker.onerror = (event) => {
                event.preventDefault();
                done(null);
            };
        });
    }

    // Instantiating the module, starting its runtime and reading the language are tasks of their
    // own, so that none keeps the main thread long from a user's input.
    async function startEngine() {
        const [compiled] = await Promise.all([compileInWorker(), loadScript("unitavo-engine.js")]);
        let failed;
        const failure = new Promise((resolve, reject) => (failed = reject));
        const instantiateWasm = (imports, receive) => {
            WebAssembly.instantiate(compiled, imports).then(async (instance) => {
                await nextTask();
                receive(instance, compiled);
            }).catch(failed);
            return {};
        };
        const module = await Promise.race([failure, window.createUnitavoEngine(compiled ? { instantiateWasm } : {})]);
        await nextTask();
        module.setLanguage(navigator.languages?.[0] || navigator.language || "it-IT");
        engine = module;
        return module;
    }

    function needEngine() {
        if (!engine) throw new Error(line.hidden ? loadingText : line.textContent);
        return engine;
    }

    const isShown = (win) => !win.hidden && win.getClientRects().length > 0;
    const converterNamed = (name) => converters.find((w) => w.id === name) ?? null;
    const windowForHash = (hash) => converters.find((w) => `#${w.dataset.id}` === hash) ?? null;
    const control = (win, name) => win.querySelector(`[data-name="${CSS.escape(name)}"]`);

    function forget(win) {
        const index = used.indexOf(win);
        if (index >= 0) used.splice(index, 1);
    }

    // ---- Stacking: the window used last is in front, and on a phone the only one shown.

    function raise(win) {
        forget(win);
        used.push(win);
        win.style.zIndex = String(++topZ);
        const front = used.findLast((w) => w !== mainWindow);
        for (const w of used) {
            w.classList.toggle("active", w === win);
            w.classList.toggle("front", w === front);
        }
        mainWindow.classList.toggle("covered", used.length > 1);
    }

    function focusWindow(win) {
        const remembered = lastFocus.get(win);
        const target = remembered && win.contains(remembered) && remembered.getClientRects().length
            ? remembered
            : win.querySelector(".client button, .client input:not([hidden])");
        target?.focus({ preventScroll: desktop.matches });
    }

    // A new converter window goes right of the windows shown, clamped into the viewport.
    function place(win) {
        if (!desktop.matches) return;
        const right = Math.max(...used.filter((w) => w !== win).map((w) => w.offsetLeft + w.offsetWidth));
        const others = used.length - 1;
        // Where it cannot go beside them, it goes over them, one title bar lower each.
        moveTo(win, right + GAP, GAP + (right + GAP + win.offsetWidth > innerWidth ? BAR * others : 0));
        win.dataset.placed = "";
    }

    function moveTo(win, left, top) {
        const maxLeft = document.documentElement.clientWidth - win.offsetWidth;
        const maxTop = Math.max(0, innerHeight - win.offsetHeight);
        win.style.left = `${Math.max(0, Math.min(left, maxLeft))}px`;
        win.style.top = `${Math.max(0, Math.min(top, maxTop))}px`;
    }

    // A title bar moves its window at desktop widths.
    function dragWith(win) {
        const bar = win.querySelector(".bar");
        bar.addEventListener("pointerdown", (event) => {
            if (!desktop.matches || event.button !== 0 || event.target.closest("button")) return;
            const start = { x: event.clientX, y: event.clientY, left: win.offsetLeft, top: win.offsetTop };
            const move = (e) => moveTo(win, start.left + e.clientX - start.x, start.top + e.clientY - start.y);
            bar.setPointerCapture(event.pointerId);
            bar.addEventListener("pointermove", move);
            bar.addEventListener("lostpointercapture", () => bar.removeEventListener("pointermove", move), { once: true });
        });
    }

    // ---- Opening and closing, with an entry in the browser's history for each opened window.

    let current = { window: null, depth: 0 };
    const openedAt = new Map();

    function openWindow(win, depth = null) {
        if (!win.hidden) {
            raise(win);
            focusWindow(win);
            return;
        }
        reset(win);
        win.hidden = false;
        place(win);
        raise(win);
        if (!desktop.matches) scrollTo(0, 0);
        if (depth === null) pushEntry(win);
        else openedAt.set(win, depth);
        focusWindow(win);
    }

    // history.back() lands later; an entry pushed before it lands would be the one it takes away.
    let backPending = false;
    const waitingEntries = [];

    function pushEntry(win) {
        if (backPending) {
            waitingEntries.push(win);
            return;
        }
        current = { window: win.id, depth: current.depth + 1 };
        history.pushState(current, "", `#${win.dataset.id}`);
        openedAt.set(win, current.depth);
    }

    function closeWindow(win) {
        if (win.hidden) return;
        const hadFocus = win.contains(document.activeElement);
        win.hidden = true;
        win.classList.remove("active", "front");
        openedAt.delete(win);
        forget(win);
        const back = used.at(-1);
        raise(back);
        if (hadFocus) focusWindow(back);
    }

    // Closed by its own control or Escape: its history entry goes too, when it is the current one.
    function closeByUser(win) {
        const entry = current.window === win.id;
        closeWindow(win);
        if (entry) {
            backPending = true;
            history.back();
        }
    }

    // Back closes what was opened after the entry returned to; Forward (or an edited #hash) opens.
    function followHistory(event) {
        if (backPending) {
            backPending = false;
            current = event.state ?? { window: null, depth: 0 };
            for (const win of waitingEntries.splice(0)) if (!win.hidden) pushEntry(win);
            return;
        }
        const from = current;
        current = event.state ?? { window: windowForHash(location.hash)?.id ?? null, depth: from.depth + 1 };
        if (!event.state) history.replaceState(current, "", location.href);
        if (current.depth < from.depth) {
            for (const [win, depth] of openedAt) if (depth > current.depth) closeWindow(win);
        } else if (current.window) {
            const win = converterNamed(current.window);
            if (win) openWindow(win, current.depth);
        }
    }

    // ---- A converter window's form.

    // The box the value is typed in; the fraction's boxes are the extras.
    const valueBox = (form) => form.querySelector(".field:not([data-extra]) input");

    function layoutsOf(form) {
        return form.dataset.layouts ? JSON.parse(form.dataset.layouts) : [];
    }

    // A source unit may change the input: the width of the value box and whether extra boxes show.
    function applyLayout(form, index) {
        const layouts = layoutsOf(form);
        if (!layouts.length) return;
        const value = valueBox(form);
        const [width, extras] = index === null ? [null, false] : layouts[index];
        value.style.setProperty("--w", width === null ? value.dataset.width : `${width}px`);
        for (const extra of form.querySelectorAll("[data-extra]")) extra.hidden = !extras;
    }

    // A window opened again starts as new, as on the desktop.
    function reset(win) {
        const form = win.querySelector("form");
        form.reset();
        applyLayout(form, null);
        lastFocus.delete(win);
    }

    function checkedUnit(form, side) {
        return form.querySelector(`fieldset[data-side="${side}"] input[type=radio]:checked`)?.dataset.name ?? "";
    }

    // One press of "Calcola" through the engine: the writes go into the boxes, the message comes back.
    function press(win) {
        const form = win.querySelector("form");
        const boxes = {};
        for (const box of form.querySelectorAll(".box")) boxes[box.dataset.name] = box.value;
        const answer = JSON.parse(needEngine().press(win.id, checkedUnit(form, "source"), checkedUnit(form, "target"),
            JSON.stringify(boxes)));
        for (const write of answer.writes ?? []) {
            const box = control(win, write.box);
            if (box) box.value = write.text;
        }
        return answer.message ?? null;
    }

    function report(win, message) {
        if (message) showMessage(win.dataset.caption, message);
    }

    // As the desktop's enter: open, pick the source unit, type, pick the target unit, press.
    function enter(win, conversion) {
        openWindow(win);
        control(win, conversion.source)?.click();
        for (const [name, text] of Object.entries(conversion.boxes ?? {})) {
            const box = control(win, name);
            if (box) box.value = text;
        }
        control(win, conversion.target)?.click();
        return press(win);
    }

    function setUpConverter(win) {
        const form = win.querySelector("form");
        const value = valueBox(form);
        value.dataset.width = value.style.getPropertyValue("--w");
        form.addEventListener("change", (event) => {
            if (event.target.dataset.layout !== undefined) applyLayout(form, Number(event.target.dataset.layout));
        });
        // A press before the engine is there waits for it.
        form.addEventListener("submit", (event) => {
            event.preventDefault();
            engineReady.then(() => report(win, press(win)), () => {});
        });
        // Enter presses "Calcola" from any control of the window but a button.
        form.addEventListener("keydown", (event) => {
            if (event.key !== "Enter" || event.isComposing || event.target.closest("button")) return;
            event.preventDefault();
            form.requestSubmit();
        });
        win.addEventListener("keydown", (event) => {
            if (event.key === "Escape" && !dialog.open) {
                event.preventDefault();
                closeByUser(win);
            }
        });
        control(win, "btn_Chiudi").addEventListener("click", () => closeByUser(win));
    }

    function setUpWindow(win) {
        win.addEventListener("pointerdown", () => raise(win), true);
        win.addEventListener("focusin", (event) => {
            lastFocus.set(win, event.target);
            if (used.at(-1) !== win) raise(win);
        });
        dragWith(win);
    }

    // ---- The message box.

    let returnFocus = null;

    function showMessage(caption, text) {
        dialogTitle.textContent = caption;
        control(dialog, "qt_msgbox_label").textContent = text;
        if (dialog.open) return;
        returnFocus = document.activeElement;
        dialog.showModal();
    }

    dialog.addEventListener("close", () => returnFocus?.focus());

    // ---- The API.

    const text = (value) => String(value ?? "");

    function windowNamed(windowName) {
        const name = text(windowName);
        if (name === "messaggio") return dialog.open ? dialog : null;
        const win = name === mainWindow.id ? mainWindow : converterNamed(name);
        return win && isShown(win) ? win : null;
    }

    function titleOf(win) {
        return win === dialog ? dialogTitle.textContent : win.dataset.caption;
    }

    // A window's named controls in the order they were made, by the names the desktop gives them.
    function namedControls(win) {
        const elements = win === mainWindow
            ? win.querySelectorAll(".client > [id]")
            : win.querySelectorAll("[data-name]");
        return [...elements].map((el) => [el.dataset.name ?? el.id, el]);
    }

    function textOf(el) {
        // A radio's caption is the text that follows it in its label, blanks kept.
        if (el.type === "radio") return el.nextSibling.data;
        if (el.matches("input, output")) return el.value;
        if (el.matches("fieldset")) return "";
        if (el.matches(".close")) return el.getAttribute("aria-label");
        return el.textContent;
    }

    function pageRect(el) {
        const r = el.getBoundingClientRect();
        return { x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height };
    }

    function clientRect(win) {
        if (win !== dialog) return pageRect(win.querySelector(".client"));
        const frame = pageRect(dialog);
        const title = pageRect(dialogTitle);
        const top = title.y + title.height;
        return { x: frame.x, y: top, width: frame.width, height: frame.y + frame.height - top };
    }

    function describeWindows() {
        const shown = used.filter(isShown);
        if (dialog.open) shown.push(dialog);
        const active = shown.at(-1);
        return shown.map((win) => ({ name: win === dialog ? "messaggio" : win.id, title: titleOf(win),
            active: win === active, ...clientRect(win), frame: pageRect(win) }));
    }

    function read(windowName, controlName) {
        const win = windowNamed(windowName);
        if (!win) return null;
        const wanted = text(controlName);
        if (wanted === "") return titleOf(win);
        const found = namedControls(win).find(([name]) => name === wanted);
        return found ? textOf(found[1]) : null;
    }

    function controls(windowName) {
        const win = windowNamed(windowName);
        if (!win) return null;
        return namedControls(win)
            .map(([name, el]) => [name, el, el.type === "radio" ? el.closest(".unit") : el])
            .filter(([, , box]) => box.getClientRects().length > 0)
            .map(([name, el, box]) => ({ name, text: textOf(el), ...pageRect(box) }));
    }

    function convert(value, from, to, quantity) {
        const answer = JSON.parse(needEngine().resolve(text(value), text(from), text(to), text(quantity)));
        if (!answer.window) return answer.message;
        const win = converterNamed(answer.window);
        return enter(win, answer) ?? win.querySelector("output").value;
    }

    // ?open=QUANTITY[&value=V&from=U&to=U], as the desktop's --open.
    function openFromAddress() {
        const query = new URLSearchParams(location.search);
        if (!query.has("open")) return;
        const parts = ["value", "from", "to"].filter((key) => query.has(key)).map((key) => query.get(key));
        const answer = JSON.parse(engine.request(query.get("open"), JSON.stringify(parts)));
        const win = answer.window ? converterNamed(answer.window) : null;
        if (!win) showMessage(mainWindow.dataset.caption, answer.message);
        else if (answer.source) report(win, enter(win, answer));
        else openWindow(win);
    }

    // ---- Start.

    for (const win of [mainWindow, ...converters]) setUpWindow(win);
    for (const win of converters) setUpConverter(win);
    for (const button of mainWindow.querySelectorAll("button[data-window]")) {
        button.addEventListener("click", () => openWindow(converterNamed(button.dataset.window)));
    }
    raise(mainWindow);
    desktop.addEventListener("change", () => {
        for (const win of used) if (win !== mainWindow && win.dataset.placed === undefined) place(win);
    });
    // A smaller viewport keeps every window within reach.
    window.addEventListener("resize", () => {
        if (desktop.matches) for (const win of used) moveTo(win, win.offsetLeft, win.offsetTop);
    });

    const opening = windowForHash(location.hash);
    history.replaceState(current, "", location.pathname + location.search);
    window.addEventListener("popstate", followHistory);
    if (opening) openWindow(opening);

    const ready = engineReady.then(() => {
        line.hidden = true;
        openFromAddress();
    });
    ready.catch(() => {
        line.textContent = line.dataset.failed;
        line.hidden = false;
    });

    window.unitavo = { ready, convert, read, windows: describeWindows, controls };

    // Offline use; without a server (file:) there is nothing to register. The worker fetches the
    // whole build when it installs: only once the page has loaded and the engine has started, so
    // that it takes nothing from them.
    if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
        const loaded = document.readyState === "complete" ? Promise.resolve()
            : new Promise((resolve) => window.addEventListener("load", resolve, { once: true }));
        Promise.allSettled([loaded, ready]).then(() => navigator.serviceWorker.register("sw.js").catch(() => {}));
    }
})();
