#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

inline double seconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Milliseconds since bench_proc started this process, or -1 when it did not.
inline double msSinceExec()
{
    const char *start = std::getenv("BENCH_START_NS");
    if (!start)
        return -1;
    using namespace std::chrono;
    const auto now = duration_cast<nanoseconds>(steady_clock::now().time_since_epoch());
    return (double(now.count()) - std::atof(start)) / 1e6;
}

// User plus system time of the whole process, every thread included.
inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A "Name:   1234 kB" line of /proc/<pid>/status, in kB; -1 when the process is gone.
inline long statusKb(long pid, const std::string &field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

// The fields of /proc/<pid>/stat after the command name, from the state (field 3) on.
inline std::vector<std::string> statFields(long pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::vector<std::string> fields;
    const size_t close = all.rfind(')');
    if (close == std::string::npos)
        return fields;
    std::istringstream rest(all.substr(close + 2));
    for (std::string field; rest >> field;)
        fields.push_back(field);
    return fields;
}

// utime + stime of /proc/<pid>/stat, in seconds.
inline double procCpuSeconds(long pid)
{
    const std::vector<std::string> fields = statFields(pid);
    if (fields.size() < 13)
        return -1;
    const double ticks = std::stod(fields[11]) + std::stod(fields[12]); // fields 14 and 15
    return ticks / double(sysconf(_SC_CLK_TCK));
}

inline long parentOf(long pid)
{
    const std::vector<std::string> fields = statFields(pid);
    return fields.size() < 2 ? -1 : std::stol(fields[1]); // field 4
}

// Every process below pid, at any depth.
inline std::vector<long> descendants(long pid)
{
    std::vector<std::pair<long, long>> all; // pid, parent
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (!name.empty() && std::all_of(name.begin(), name.end(), ::isdigit)) {
            const long p = std::stol(name);
            all.emplace_back(p, parentOf(p));
        }
    }
    std::vector<long> found{pid};
    for (size_t i = 0; i < found.size(); ++i) {
        for (const auto &[p, parent] : all) {
            if (parent == found[i])
                found.push_back(p);
        }
    }
    found.erase(found.begin());
    return found;
}

// True when the process has a library of that name mapped.
inline bool maps(long pid, const std::string &library)
{
    std::ifstream mapsFile("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(mapsFile, line)) {
        if (line.find(library) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace bench
