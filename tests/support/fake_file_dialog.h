#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialog.h"

// Answers the dialogs from a queue (nothing left: cancel) and records what was asked.
class TFakeFileDialog final : public IFileDialog {
public:
  std::optional<std::string> Run(const TFileDialogRequest& request, const TKeepPainted&) override {
    Requests.push_back(request);
    if (Answers.empty()) return std::nullopt;
    std::optional<std::string> answer = Answers.front();
    Answers.erase(Answers.begin());
    return answer;
  }
  std::vector<std::optional<std::string>> Answers;
  std::vector<TFileDialogRequest> Requests;
};
