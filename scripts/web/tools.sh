# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the commands that drive the page (test, screenshots, bench) after common.sh: builds
# the page, then makes ready what drives it, Debian's Chromium and the pinned Node packages, and
# the desktop's command line to compare with; and says where each is in the environment.
scripts/web/build
scripts/deps chromium >&2
npm ci --no-audit --no-fund >&2
UNITAVO_SITE=$(realpath -m "${WEB_DIR:-build-web}")/site
UNITAVO_CONVERTI=$(linux_converter)
export UNITAVO_SITE UNITAVO_CONVERTI CHROMIUM=/usr/bin/chromium
