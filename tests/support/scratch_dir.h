#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

// A fresh empty folder for one test, removed with everything in it afterwards.
class TScratchDir {
public:
  TScratchDir() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "thousand-";
    if (test) name += std::string(test->test_suite_name()) + "-" + test->name() + "-";
    name += std::to_string(::getpid());
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    FPath = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~TScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TScratchDir(const TScratchDir&) = delete;
  TScratchDir& operator=(const TScratchDir&) = delete;

  std::string File(std::string_view name) const { return (FPath / name).string(); }
  const std::filesystem::path& Path() const { return FPath; }

  void Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(FPath / name, std::ios::binary) << bytes;
  }
  std::string Read(std::string_view name) const {
    std::ifstream file(FPath / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

private:
  std::filesystem::path FPath;
};
