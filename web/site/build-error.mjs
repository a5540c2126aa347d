// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A fault in the sources, the catalogue or the tools, told in one line rather than with a stack.
export class BuildError extends Error {}
