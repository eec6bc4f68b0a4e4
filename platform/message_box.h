#pragma once

#include <string>

// Modal message boxes. Texts are Windows-1251 byte strings; the desktop implementation
// converts them for display. The core reports file failures through the installed box.
class IMessageBox {
public:
  virtual ~IMessageBox() = default;
  virtual void Show(const std::string& text) = 0;
};

// The box that reports go to. Until one is installed, reports are dropped.
IMessageBox& MessageBox();

// Installs a box for the lifetime of this object and restores the previous one after.
class TMessageBoxScope {
public:
  explicit TMessageBoxScope(IMessageBox& box);
  ~TMessageBoxScope();
  TMessageBoxScope(const TMessageBoxScope&) = delete;
  TMessageBoxScope& operator=(const TMessageBoxScope&) = delete;

private:
  IMessageBox* FPrevious;
};
