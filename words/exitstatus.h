// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How `unitavo` and `unitavo-converti` end, as their manual pages list it.

namespace unitavo {

enum ExitStatus : int {
    kExitDone = 0, // what was asked is done
    kExitFailed = 1, // it could not be done: a conversion failed or gave no result, a request
                     // was refused, the output could not be written
    kExitUsage = 2, // the command line was wrong
};

} // namespace unitavo
