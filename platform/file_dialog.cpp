#include "platform/file_dialog.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL.h>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/quit_signals.h"

extern char** environ;

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
  if (path.empty() || extension.empty()) return path;
  if (std::filesystem::path(path).has_extension()) return path;
  return path + "." + std::string(extension);
}

std::string FindProgram(std::string_view name, std::string_view searchPath) {
  while (!searchPath.empty()) {
    const std::size_t colon = searchPath.find(':');
    const std::string_view folder = searchPath.substr(0, colon);
    if (!folder.empty()) {
      const std::string candidate = std::string(folder) + "/" + std::string(name);
      if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    if (colon == std::string_view::npos) break;
    searchPath.remove_prefix(colon + 1);
  }
  return {};
}

namespace {

// The folder with a trailing slash, so that the dialogs open inside it.
std::string FolderArgument(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

}  // namespace

std::vector<std::string> ZenityArguments(const TFileDialogRequest& request) {
  std::vector<std::string> arguments{"zenity", "--file-selection", "--title=" + request.Title,
                                     "--filename=" + FolderArgument(request.Folder),
                                     "--file-filter=" + request.FilterName + " | *." + request.Extension};
  if (request.Save) {
    arguments.push_back("--save");
    arguments.push_back("--confirm-overwrite");
  }
  return arguments;
}

std::vector<std::string> KDialogArguments(const TFileDialogRequest& request) {
  // kdialog asks before overwriting on its own.
  return {"kdialog", "--title", request.Title, request.Save ? "--getsavefilename" : "--getopenfilename",
          FolderArgument(request.Folder), "*." + request.Extension + "|" + request.FilterName};
}

std::vector<std::string> ZenityQuestion(const std::string& title, const std::string& text) {
  return {"zenity", "--question", "--title=" + title, "--text=" + text};
}

std::vector<std::string> KDialogQuestion(const std::string& title, const std::string& text) {
  return {"kdialog", "--title", title, "--warningyesno", text};
}

TChildResult RunChildProcess(const std::vector<std::string>& arguments, const std::function<void()>& whileWaiting) {
  TChildResult result;
  if (arguments.empty()) return result;
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return result;
  }
  fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
  char buffer[4096];
  int status = 0;
  bool ended = false;
  while (!ended) {
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) result.Output.append(buffer, static_cast<std::size_t>(got));
    const pid_t waited = waitpid(child, &status, WNOHANG);
    if (waited == child || (waited < 0 && errno != EINTR)) {
      ended = true;
      break;
    }
    // The program is asked to end: the dialog goes with it, as if cancelled.
    if (QuitSignalled()) kill(child, SIGTERM);
    if (whileWaiting) whileWaiting();
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
  }
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) result.Output.append(buffer, static_cast<std::size_t>(got));
  close(pipeEnds[0]);
  result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

TChildResult TChildProcessFileDialog::RunProgram(std::vector<std::string> arguments,
                                                 const TKeepPainted& keepPainted) const {
  arguments.front() = FProgram;
  BeforeLongWait();
  return RunChildProcess(arguments, [&keepPainted] {
    // The desktop dialog is modal: the game window's input meanwhile is dropped; a request
    // to close waits in the queue until the dialog is gone.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MULTIGESTURE);
    if (keepPainted) keepPainted({});
  });
}

std::optional<std::string> TChildProcessFileDialog::Run(const TFileDialogRequest& request,
                                                        const TKeepPainted& keepPainted) {
  TChildResult result = RunProgram(FArguments(request), keepPainted);
  if (result.Status != 0) return std::nullopt;
  while (!result.Output.empty() && (result.Output.back() == '\n' || result.Output.back() == '\r'))
    result.Output.pop_back();
  if (result.Output.empty()) return std::nullopt;
  if (!request.Save) return result.Output;
  // zenity adds no extension; a save without one gets the filter's.
  const std::string path = WithDefaultExtension(result.Output, request.Extension);
  std::error_code error;
  if (path != result.Output && std::filesystem::exists(path, error)) {
    const std::string text = "Файл " + std::filesystem::path(path).filename().string() + " уже существует. Заменить?";
    if (RunProgram(FQuestion(request.Title, text), keepPainted).Status != 0) return std::nullopt;
  }
  return path;
}
