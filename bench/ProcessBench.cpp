// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole processes as a user meets them: each iteration starts the built program,
// reads what it writes and waits for it, so loading, start-up and output all
// count. The peak memory is the child's own maximum resident set (wait4).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct ChildRun {
    double seconds = 0;
    double peakMb = 0;
    std::size_t outputBytes = 0;
    bool ok = false;
};

// A folder of its own for the settings, so that no remembered file is reopened;
// removed when the benchmarks end.
struct SettingsFolderOwner {
    std::string path;
    SettingsFolderOwner() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corbelwright-bench-XXXXXX").string();
        if (const char* made = mkdtemp(pattern.data())) {
            path = made;
        }
    }
    ~SettingsFolderOwner() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

std::string SettingsFolder() {
    static const SettingsFolderOwner folder;
    return folder.path;
}

// Runs `argv` with `env` added to the environment. The clock stops when the
// child ends or, with a `marker`, at the first line of its standard error that
// holds it (the child is then stopped). Standard output is read and counted.
ChildRun Run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
             const std::string& marker = {}) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        return {};
    }
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(marker.empty() ? open("/dev/null", O_WRONLY) : err[1], STDERR_FILENO);
        for (int fd : {out[0], out[1], err[0], err[1]}) {
            close(fd);
        }
        for (const std::string& pair : env) {
            putenv(const_cast<char*>(pair.c_str()));
        }
        std::vector<char*> args;
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    ChildRun run;
    char buffer[1 << 16];
    if (!marker.empty()) {
        std::string seen;
        for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) {
            seen.append(buffer, static_cast<std::size_t>(n));
            if (seen.find(marker) != std::string::npos) {
                run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
                run.ok = true;
                kill(pid, SIGTERM);
                break;
            }
            // Keep only a tail long enough to hold a marker cut between reads.
            if (seen.size() > marker.size()) {
                seen.erase(0, seen.size() - marker.size());
            }
        }
    }
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        run.outputBytes += static_cast<std::size_t>(n);
    }
    close(out[0]);
    close(err[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (marker.empty()) {
        run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024;
    return run;
}

void Measure(benchmark::State& state, const std::vector<std::string>& argv,
             const std::vector<std::string>& env, const std::string& marker = {}) {
    double peak = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ChildRun run = Run(argv, env, marker);
        if (!run.ok) {
            state.SkipWithError("the program did not finish as expected");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMb);
        bytes = run.outputBytes;
    }
    state.counters["peak_MB"] = peak;
    state.counters["out_bytes"] = static_cast<double>(bytes);
}

// The longest loan: 50 years and 365 daily part-year periods, 18,615 rows.
std::vector<std::string> LongestSchedule(bool json) {
    std::vector<std::string> argv{CW_CALC_PROGRAM, "schedule", "--amount",    "250000",
                                  "--rate",        "7.5",      "--years",     "50",
                                  "--parts",       "365",      "--repayment", "Daily",
                                  "--compounding", "Daily",    "--by",        "period"};
    if (json) {
        argv.emplace_back("--json");
    }
    return argv;
}

void BM_CalcScheduleLongestJson(benchmark::State& state) {
    Measure(state, LongestSchedule(true), {"LANG=C.UTF-8"});
}
BENCHMARK(BM_CalcScheduleLongestJson)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CalcScheduleLongestText(benchmark::State& state) {
    Measure(state, LongestSchedule(false), {"LANG=C.UTF-8"});
}
BENCHMARK(BM_CalcScheduleLongestText)->UseManualTime()->Unit(benchmark::kMillisecond);

// What every run of corbelwright-calc pays before its work: loading the program
// and its shared libraries, and starting.
void BM_CalcVersion(benchmark::State& state) {
    Measure(state, {CW_CALC_PROGRAM, "--version"}, {"LANG=C.UTF-8"});
}
BENCHMARK(BM_CalcVersion)->UseManualTime()->Unit(benchmark::kMillisecond);

// corbelwright from exec to its main window drawn and flushed to the (offscreen)
// screen: Qt's painting log names the window at its first flush.
void BM_AppStartup(benchmark::State& state) {
    Measure(state, {CW_APP_PROGRAM},
            {"QT_QPA_PLATFORM=offscreen", "LANG=C.UTF-8", "XDG_CONFIG_HOME=" + SettingsFolder(),
             "XDG_RUNTIME_DIR=" + SettingsFolder(), "QT_LOGGING_RULES=qt.widgets.painting=true"},
            "Flushing QRegion(0,0");
}
BENCHMARK(BM_AppStartup)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
