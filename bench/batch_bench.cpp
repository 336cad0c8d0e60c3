// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// `ostrel --batch` over generated designs: a small run and a large one, each repeated, with the
// program's processor time (user and system: steadier than wall time on a shared machine), its
// wall time and its peak resident memory, as the kernel reports them for the child process.
//
//   ostrel_bench_batch [--rows N] [--repeat R] [--keep] [OSTREL ARGUMENT...]
//
// N designs in the large run (1,000,000), R runs of each size (3); arguments after the options
// go to ostrel after --batch (for instance --format json or --units Inches,bars,kN). The inputs
// are written once to the temporary folder and removed afterwards unless --keep is given; the
// output goes to /dev/null.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "ostrel_bench_batch: %s\n", what.c_str());
  std::exit(1);
}

// Designs of every section, all computable: a deterministic sequence, the same on every run.
std::string WriteDesigns(long long rows) {
  const char* tmp = std::getenv("TMPDIR");
  const std::string path =
      std::string(tmp != nullptr ? tmp : "/tmp") + "/ostrel-batch-" + std::to_string(rows) + ".csv";
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (f == nullptr) Fail("cannot write " + path);
  std::fputs(
      "OEL,TEL,GasketWidth,HoleDiameter,TCCentralDepth,TCEdgePosition,CubeSize,TapeThickness,"
      "RamDiameter,OilPressure\n",
      f);
  static const int kOel[] = {10, 14, 18, 25};
  static const int kTel[] = {3, 4, 5, 6, 8};
  static const char* const kCube[] = {"25.4", "32"};
  static const char* const kRam[] = {"431.8", "508", "660.4"};
  std::uint64_t x = 88172645463325252ULL;
  const auto next = [&x](unsigned n) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return static_cast<unsigned>(x % n);
  };
  for (long long i = 0; i < rows; ++i) {
    std::fprintf(f, "%d,%d,%u.%02u,%u.%u,0.%u,%u.%u,%s,0.%02u,%s,%u.%03u\n", kOel[next(4)],
                 kTel[next(5)], 3 + next(4), next(100), 2 + next(5), next(10), 3 + next(7),
                 1 + next(2), next(10), kCube[next(2)], next(20), kRam[next(3)], 1 + next(40),
                 next(1000));
  }
  if (std::fclose(f) != 0) Fail("cannot write " + path);
  return path;
}

struct Run {
  double cpu_s;
  double wall_s;
  double rss_mib;
  int status;
};

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
}

Run RunOnce(const std::string& ostrel, const std::string& input,
            const std::vector<std::string>& extra) {
  std::vector<std::string> args = {ostrel, "--batch"};
  args.insert(args.end(), extra.begin(), extra.end());
  args.push_back(input);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  pid_t pid = 0;
  if (posix_spawn(&pid, ostrel.c_str(), &actions, nullptr, argv.data(), environ) != 0)
    Fail("cannot start " + ostrel);
  posix_spawn_file_actions_destroy(&actions);
  int wstatus = 0;
  rusage usage{};
  if (wait4(pid, &wstatus, 0, &usage) != pid) Fail("wait4 failed");
  timespec end{};
  clock_gettime(CLOCK_MONOTONIC, &end);
  Run run;
  run.cpu_s = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  run.wall_s = static_cast<double>(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
  run.rss_mib = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  long long rows = 1000000;
  int repeat = 3;
  bool keep = false;
  std::vector<std::string> extra;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--rows" && i + 1 < argc) {
      rows = std::atoll(argv[++i]);
    } else if (a == "--repeat" && i + 1 < argc) {
      repeat = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--keep") {
      keep = true;
    } else {
      extra.push_back(a);
    }
  }
  if (rows < 10) Fail("--rows must be at least 10");

  std::printf("%10s %9s %9s %16s %17s %14s\n", "designs", "cpu s", "wall s", "designs/s (cpu)",
              "designs/s (wall)", "peak RSS MiB");
  for (const long long n : {10LL, rows}) {
    const std::string input = WriteDesigns(n);
    std::vector<double> cpu, wall, rss;
    for (int r = 0; r < repeat; ++r) {
      const Run run = RunOnce(OSTREL_PROGRAM, input, extra);
      if (run.status != 0) Fail("ostrel --batch ended with status " + std::to_string(run.status));
      cpu.push_back(run.cpu_s);
      wall.push_back(run.wall_s);
      rss.push_back(run.rss_mib);
    }
    const double c = Median(cpu), w = Median(wall);
    std::printf("%10lld %9.3f %9.3f %16.0f %17.0f %14.1f\n", n, c, w, n / c, n / w,
                *std::max_element(rss.begin(), rss.end()));
    if (keep) {
      std::printf("%10s %s\n", "input", input.c_str());
    } else {
      std::remove(input.c_str());
    }
  }
  return 0;
}
