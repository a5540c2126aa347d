// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace unitavo::bench {

// Prints the process's peak and current resident memory, and what the resident pages are:
// anonymous (heap, pixel buffers) or file-backed (libraries, fonts, caches), from the kernel's
// view.
inline void printMemoryStatus()
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        for (const char *key : {"VmHWM:", "VmRSS:", "RssAnon:", "RssFile:", "RssShmem:"}) {
            if (std::strncmp(line, key, std::strlen(key)) == 0)
                std::fputs(line, stdout);
        }
    }
    std::fclose(status);
    std::fflush(stdout);
}

} // namespace unitavo::bench
