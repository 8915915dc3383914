// FileDialogs with the system's file dialogs.
#pragma once

#include "ui/FileDialogs.h"

class QWidget;

namespace stavelorn {

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::string OpenFile(const FileDialogRequest& request) override;
  std::string SaveFile(const FileDialogRequest& request) override;

 private:
  std::string Run(const FileDialogRequest& request, bool save);
  QWidget* parent_;
};

}  // namespace stavelorn
