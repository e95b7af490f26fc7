#pragma once

namespace quillox::web {

// While it lives, the process's error output goes nowhere, so that a program
// started meanwhile inherits none: what it prints (an address it was given,
// say) reaches no log. The output is restored when it ends.
class ErrorOutputSilenced {
  public:
    ErrorOutputSilenced();
    ~ErrorOutputSilenced();
    ErrorOutputSilenced(const ErrorOutputSilenced&) = delete;
    ErrorOutputSilenced& operator=(const ErrorOutputSilenced&) = delete;

  private:
    int saved_ = -1;
};

}  // namespace quillox::web
