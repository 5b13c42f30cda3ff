#pragma once

#include "benchsupport.h"

#include <QCoreApplication>

#include <cstdio>

// Prints what the first page cost, then quits.
inline void reportPageShown(double openedAt)
{
    const long self = getpid();
    long engineKb = 0;
    const std::vector<long> helpers = bench::descendants(self);
    for (const long helper : helpers)
        engineKb += std::max(0L, bench::statusKb(helper, "VmRSS"));
    std::printf("metric shown_ms %.1f\n", bench::msSinceExec());
    std::printf("metric open_to_shown_ms %.1f\n", (bench::seconds() - openedAt) * 1000);
    std::printf("metric rss_kb %ld\n", bench::statusKb(self, "VmRSS"));
    std::printf("metric helpers_rss_kb %ld\n", engineKb);
    std::printf("metric helpers %zu\n", helpers.size());
    std::fflush(stdout);
    QCoreApplication::quit();
}
