#include "platform/message_box.h"

namespace {

class TSilentMessageBox final : public IMessageBox {
public:
  void Show(const std::string&) override {}
};

TSilentMessageBox SilentBox;
IMessageBox* Installed = &SilentBox;

}  // namespace

IMessageBox& MessageBox() { return *Installed; }

TMessageBoxScope::TMessageBoxScope(IMessageBox& box) : FPrevious(Installed) { Installed = &box; }

TMessageBoxScope::~TMessageBoxScope() { Installed = FPrevious; }
