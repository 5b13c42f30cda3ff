// Runs programs and reads what the kernel knows of them.
//
//   bench_proc time RUNS DIR -- [@LABEL] PROG ARGS... [:: [@LABEL] PROG ARGS...]
//     runs each program RUNS times, taking turns (after one warm-up round each), in DIR, and
//     prints the median wall time from exec to exit, CPU time and peak resident memory.
//   bench_proc probe SETTLE IDLE COPIES DIR -- [@LABEL] PROG ARGS... [:: ...]
//     starts COPIES of each program at once, each in its own folder under DIR; after SETTLE
//     seconds reads their resident memory, then their CPU time over IDLE more seconds, then
//     ends them. Also tells whether the browser engine is mapped into them.
#include "benchsupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstring>
#include <map>
#include <thread>

namespace {

using Command = std::vector<std::string>;

std::vector<Command> commandsFrom(int argc, char **argv, int first)
{
    std::vector<Command> commands(1);
    for (int i = first; i < argc; ++i) {
        if (std::strcmp(argv[i], "::") == 0)
            commands.emplace_back();
        else
            commands.back().push_back(argv[i]);
    }
    return commands;
}

// A command may start with @LABEL, its name in the output.
std::string labelOf(const Command &command)
{
    if (command.front().front() == '@')
        return command.front().substr(1);
    std::string label = std::filesystem::path(command.front()).filename().string();
    for (size_t i = 1; i < command.size(); ++i)
        label += " " + command[i];
    return label;
}

// Starts the program in dir; with output >= 0 its standard output goes there.
pid_t start(const Command &command, const std::string &dir, int output = -1)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (output >= 0)
            dup2(output, STDOUT_FILENO);
        using namespace std::chrono;
        const auto now = duration_cast<nanoseconds>(steady_clock::now().time_since_epoch());
        setenv("BENCH_START_NS", std::to_string(now.count()).c_str(), 1);
        if (chdir(dir.c_str()) != 0)
            _exit(126);
        std::vector<char *> args;
        for (const std::string &arg : command) {
            if (args.empty() && arg.front() == '@')
                continue;
            args.push_back(const_cast<char *>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    return pid;
}

// "metric NAME VALUE" lines that a program printed.
void collectMetrics(int input, std::map<std::string, std::vector<double>> &metrics)
{
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(input, buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(got));
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string tag, name;
        double value = 0;
        if (words >> tag >> name >> value && tag == "metric")
            metrics[name].push_back(value);
    }
}

int timeRuns(int runs, const std::string &dir, const std::vector<Command> &commands)
{
    std::map<size_t, std::vector<double>> wall, cpu, rss;
    std::map<size_t, std::map<std::string, std::vector<double>>> metrics;
    for (int run = 0; run <= runs; ++run) {
        for (size_t turn = 0; turn < commands.size(); ++turn) {
            // Each round starts with the next program: the first of a round runs measurably
            // faster under Xvfb, and that must not favour one program.
            const size_t c = (turn + size_t(run)) % commands.size();
            int pipeEnds[2];
            if (pipe(pipeEnds) != 0)
                return 1;
            const double begin = bench::seconds();
            const pid_t pid = start(commands[c], dir, pipeEnds[1]);
            close(pipeEnds[1]);
            int status = 0;
            rusage usage{};
            wait4(pid, &status, 0, &usage);
            const double took = bench::seconds() - begin;
            // Helpers of the program may still hold the pipe: read only what is there.
            fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
            std::map<std::string, std::vector<double>> printed;
            collectMetrics(pipeEnds[0], printed);
            close(pipeEnds[0]);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                std::fprintf(stderr, "%s failed (status %d)\n", labelOf(commands[c]).c_str(),
                             status);
                return 1;
            }
            if (run == 0)
                continue; // warm-up: the disk cache and the font cache
            for (const auto &[name, values] : printed)
                metrics[c][name].insert(metrics[c][name].end(), values.begin(), values.end());
            wall[c].push_back(took * 1000);
            cpu[c].push_back((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
                             + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0);
            rss[c].push_back(double(usage.ru_maxrss));
        }
    }
    for (size_t c = 0; c < commands.size(); ++c) {
        std::printf("%-28s wall_ms %8.1f  cpu_ms %8.1f  maxrss_kb %8.0f",
                    labelOf(commands[c]).c_str(), bench::median(wall[c]),
                    bench::median(cpu[c]), bench::median(rss[c]));
        for (const auto &[name, values] : metrics[c])
            std::printf("  %s %.1f", name.c_str(), bench::median(values));
        std::printf("  (%d runs)\n", runs);
    }
    return 0;
}

struct Probe
{
    size_t command;
    pid_t pid;
    long rssKb = 0, hwmKb = 0;
    double cpuStart = 0, cpuEnd = 0;
    bool webEngine = false;
};

int probeRuns(double settle, double idle, int copies, const std::string &dir,
              const std::vector<Command> &commands)
{
    std::vector<Probe> probes;
    for (size_t c = 0; c < commands.size(); ++c) {
        for (int i = 0; i < copies; ++i) {
            const std::string own = dir + "/" + std::to_string(c) + "-" + std::to_string(i);
            std::filesystem::create_directories(own);
            probes.push_back({c, start(commands[c], own)});
        }
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(settle));
    for (Probe &p : probes) {
        p.rssKb = bench::statusKb(p.pid, "VmRSS");
        p.hwmKb = bench::statusKb(p.pid, "VmHWM");
        p.webEngine = bench::maps(p.pid, "libQt6WebEngine");
        p.cpuStart = bench::procCpuSeconds(p.pid);
    }
    if (idle > 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(idle));
        for (Probe &p : probes)
            p.cpuEnd = bench::procCpuSeconds(p.pid);
    }
    int failures = 0;
    for (Probe &p : probes) {
        if (p.rssKb < 0)
            ++failures; // it ended before it was read
        kill(p.pid, SIGTERM);
        int status = 0;
        waitpid(p.pid, &status, 0);
    }
    for (size_t c = 0; c < commands.size(); ++c) {
        std::vector<double> rss, hwm, load;
        int mapped = 0;
        for (const Probe &p : probes) {
            if (p.command != c)
                continue;
            rss.push_back(double(p.rssKb));
            hwm.push_back(double(p.hwmKb));
            load.push_back(idle > 0 ? (p.cpuEnd - p.cpuStart) / idle * 100 : 0);
            mapped += p.webEngine;
        }
        std::printf("%-28s rss_kb %8.0f  hwm_kb %8.0f  idle_cpu_pct %6.3f  webengine_mapped "
                    "%d/%d\n",
                    labelOf(commands[c]).c_str(), bench::median(rss), bench::median(hwm),
                    bench::median(load), mapped, copies);
    }
    return failures ? 1 : 0;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_proc time RUNS DIR -- PROG... [:: PROG...]\n"
                         "       bench_proc probe SETTLE IDLE COPIES DIR -- PROG... [:: ...]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 6 && std::strcmp(argv[1], "time") == 0 && std::strcmp(argv[4], "--") == 0)
        return timeRuns(std::atoi(argv[2]), argv[3], commandsFrom(argc, argv, 5));
    if (argc >= 8 && std::strcmp(argv[1], "probe") == 0 && std::strcmp(argv[6], "--") == 0) {
        return probeRuns(std::atof(argv[2]), std::atof(argv[3]), std::atoi(argv[4]), argv[5],
                         commandsFrom(argc, argv, 7));
    }
    return usage();
}
