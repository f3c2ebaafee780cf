#include "BenchSupport.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

extern char** environ;

namespace bench {

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::vector<std::string> Environment(const std::string& platform, const std::string& display) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (!text.starts_with("QT_QPA_PLATFORM=") && !text.starts_with("DISPLAY=") &&
        !text.starts_with("WAYLAND_DISPLAY=") && !text.starts_with("XDG_RUNTIME_DIR=")) {
      result.push_back(text);
    }
  }
  // A runtime folder of the benchmark's own holds the tool's single-instance
  // socket, so a tool running elsewhere for this user cannot take a start.
  static const std::string runtime = [] {
    char pattern[] = "/tmp/qv_bench_run_XXXXXX";
    return mkdtemp(pattern) != nullptr ? std::string(pattern) : std::string();
  }();
  if (!runtime.empty()) {
    result.push_back("XDG_RUNTIME_DIR=" + runtime);
  }
  result.push_back("QT_QPA_PLATFORM=" + platform);
  if (!display.empty()) {
    result.push_back("DISPLAY=" + display);
  }
  return result;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::optional<Xvfb> StartXvfb() {
  int pipe_ends[2];
  if (pipe2(pipe_ends, 0) != 0) {
    return std::nullopt;
  }
  const std::string fd_text = std::to_string(pipe_ends[1]);
  // -noreset: the server would otherwise reset after each run's last
  // client and refuse the next run's connection while doing so.
  std::vector<std::string> words = {"Xvfb",        "-displayfd", fd_text, "-screen", "0",
                                    "1024x768x24", "-nolisten",  "tcp",   "-noreset"};
  std::vector<char*> arguments;
  for (std::string& word : words) {
    arguments.push_back(word.data());
  }
  arguments.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Xvfb server;
  const int error = posix_spawnp(&server.pid, "Xvfb", &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  std::string number;
  char c = 0;
  while (error == 0 && read(pipe_ends[0], &c, 1) == 1 && c != '\n') {
    number += c;
  }
  close(pipe_ends[0]);
  if (error != 0 || number.empty()) {
    if (error == 0) {
      kill(server.pid, SIGTERM);
      waitpid(server.pid, nullptr, 0);
    }
    return std::nullopt;
  }
  server.display = ":" + number;
  return server;
}

std::optional<ChildOutput> RunChild(std::vector<std::string> arguments,
                                    const std::vector<std::string>& environment,
                                    const std::string& folder, double timeout_ms,
                                    const std::function<bool(const std::string&)>& done) {
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (!folder.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  }
  std::vector<char*> env;
  for (const std::string& entry : environment) {
    env.push_back(const_cast<char*>(entry.c_str()));
  }
  env.push_back(nullptr);
  std::vector<char*> argv;
  for (std::string& word : arguments) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);

  const double start = NowMs();
  pid_t child = 0;
  const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  if (error != 0) {
    close(pipe_ends[0]);
    return std::nullopt;
  }
  ChildOutput output;
  while (!done(output.text)) {
    const double left = timeout_ms - (NowMs() - start);
    pollfd entry{pipe_ends[0], POLLIN, 0};
    if (left <= 0 || poll(&entry, 1, static_cast<int>(left)) <= 0) {
      break;
    }
    char buffer[64];
    const ssize_t count = read(pipe_ends[0], buffer, sizeof buffer);
    if (count <= 0) {
      break;
    }
    output.text.append(buffer, static_cast<size_t>(count));
    output.elapsed_ms = NowMs() - start;
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(pipe_ends[0]);
  return output;
}

void StopXvfb(const Xvfb& server) {
  kill(server.pid, SIGTERM);
  waitpid(server.pid, nullptr, 0);
}

}  // namespace bench
