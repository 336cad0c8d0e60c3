// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Starts programs built with first_frame.cpp, one run of each in turn so that drifts of the
// machine touch all of them alike, and prints the medians of the time to the first painted
// frame, the time to exit, the processor time to exit (user and system, steadier than wall
// time on a shared machine) and the peak resident memory, with their ratios to a baseline.
//
//   measure_startup [--runs N] [--warmup N] [--baseline NAME] NAME=PROGRAM...
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Program {
  std::string name;
  std::string path;
  std::vector<double> frame_ms;
  std::vector<double> exit_ms;
  std::vector<double> cpu_ms;
  std::vector<double> rss_mib;
};

struct Run {
  double frame_ms = 0;
  double exit_ms = 0;
  double cpu_ms = 0;
  double rss_mib = 0;
};

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double Ms(const timeval& t) {
  return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "measure_startup: %s\n", what.c_str());
  std::exit(1);
}

// One start of the program, from the spawn to the exit, with its stdout read for the frame
// time and its stderr discarded (the toolkit's warnings about the bare environment).
Run RunOnce(const Program& p) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) Fail("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(p.path.c_str()), nullptr};

  const long long start = MonotonicNs();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, p.path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) Fail("cannot start " + p.path + ": " + std::strerror(spawned));

  std::string text;
  char buf[256];
  ssize_t n = 0;
  while ((n = read(out[0], buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(n));
  close(out[0]);

  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) Fail("wait4 failed");
  const long long end = MonotonicNs();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail(p.name + " did not exit cleanly");

  const std::string key = "first-frame-ns ";
  const size_t at = text.find(key);
  if (at == std::string::npos) Fail(p.name + " reported no painted frame");
  const long long frame = std::atoll(text.c_str() + at + key.size());

  Run r;
  r.frame_ms = static_cast<double>(frame - start) / 1e6;
  r.exit_ms = static_cast<double>(end - start) / 1e6;
  r.cpu_ms = Ms(usage.ru_utime) + Ms(usage.ru_stime);
  r.rss_mib = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  return r;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 15;
  int warmup = 2;
  std::string baseline;
  std::vector<Program> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (arg == "--warmup" && i + 1 < argc) {
      warmup = std::atoi(argv[++i]);
    } else if (arg == "--baseline" && i + 1 < argc) {
      baseline = argv[++i];
    } else if (const size_t eq = arg.find('='); eq != std::string::npos && eq > 0) {
      programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}, {}});
    } else {
      Fail("usage: measure_startup [--runs N] [--warmup N] [--baseline NAME] NAME=PROGRAM...");
    }
  }
  if (programs.empty() || runs < 1 || warmup < 0) Fail("nothing to measure");
  if (baseline.empty()) baseline = programs.front().name;
  const auto base = std::find_if(programs.begin(), programs.end(),
                                 [&](const Program& p) { return p.name == baseline; });
  if (base == programs.end()) Fail("no program named " + baseline);

  // Warm-up runs fill the page cache and the font cache and are not counted.
  for (int i = 0; i < warmup; ++i) {
    for (Program& p : programs) RunOnce(p);
  }
  for (int i = 0; i < runs; ++i) {
    for (Program& p : programs) {
      const Run r = RunOnce(p);
      p.frame_ms.push_back(r.frame_ms);
      p.exit_ms.push_back(r.exit_ms);
      p.cpu_ms.push_back(r.cpu_ms);
      p.rss_mib.push_back(r.rss_mib);
    }
  }

  const double base_frame = Median(base->frame_ms);
  const double base_cpu = Median(base->cpu_ms);
  const double base_rss = Median(base->rss_mib);
  std::printf(
      "| program | runs | first frame (ms) | to exit (ms) | CPU to exit (ms) | "
      "peak RSS (MiB) | frame / %s | CPU / %s | RSS / %s |\n",
      baseline.c_str(), baseline.c_str(), baseline.c_str());
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const Program& p : programs) {
    const double frame = Median(p.frame_ms);
    const double cpu = Median(p.cpu_ms);
    const double rss = Median(p.rss_mib);
    std::printf("| %s | %d | %.1f | %.1f | %.1f | %.1f | %.3f | %.3f | %.3f |\n", p.name.c_str(),
                runs, frame, Median(p.exit_ms), cpu, rss, frame / base_frame, cpu / base_cpu,
                rss / base_rss);
  }
  return 0;
}
