#pragma once

#include "ui/Dialog.h"

// The help window: one read-only, scrolling text and an OK button.
class HelpDialog : public Dialog {
 public:
  explicit HelpDialog(Dialog* parent = nullptr);

 protected:
  bool OnInitDialog() override;
};
