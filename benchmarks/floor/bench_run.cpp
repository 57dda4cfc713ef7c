// Runs a command several times as a whole process and prints the median and
// worst real time and the median peak memory (the child's maximum resident
// set, as VmHWM counts it):
//
//   bench_run RUNS [--copy FROM TO] [--stdout FILE] -- PROGRAM ARGUMENTS...
//
// --copy puts a fresh copy of FROM at TO before each run (a restore starts
// from the same database every time); --stdout sends the output to FILE.
// Prints "ms MEDIAN", "worst_ms WORST", "peak_mb MEDIAN"; fails when a run does.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    const char *copyFrom = nullptr, *copyTo = nullptr, *output = "/dev/null";
    int i = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--copy") == 0 && i + 2 < argc) {
            copyFrom = argv[++i];
            copyTo = argv[++i];
        } else if (std::strcmp(argv[i], "--stdout") == 0 && i + 1 < argc) {
            output = argv[++i];
        }
    }
    if (runs < 1 || i + 1 >= argc) {
        std::fprintf(stderr, "usage: bench_run RUNS [--copy FROM TO] [--stdout FILE] -- PROGRAM ARGUMENTS...\n");
        return 2;
    }
    char **command = argv + i + 1;
    std::vector<double> ms, peakKb;
    for (int run = 0; run < runs; ++run) {
        if (copyFrom)
            std::filesystem::copy_file(copyFrom, copyTo, std::filesystem::copy_options::overwrite_existing);
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int out = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, STDOUT_FILENO);
            execvp(command[0], command);
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        peakKb.push_back(double(usage.ru_maxrss));
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "bench_run: %s failed (status %d)\n", command[0], status);
            return 1;
        }
    }
    std::printf("ms %.1f\nworst_ms %.1f\npeak_mb %.1f\n", median(ms), *std::max_element(ms.begin(), ms.end()),
                median(peakKb) / 1024.0);
    return 0;
}
