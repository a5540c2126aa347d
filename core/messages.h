// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fallible.h"

#include <QString>

namespace unitavo {

// The Italian sentence the user reads for a failure, wherever it is reported.
QString failureMessage(Failure failure);

// Standard output could not be written, for the cause in errno `error`.
QString writeFailureMessage(int error);

} // namespace unitavo
