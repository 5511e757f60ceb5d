#pragma once
// Tvtool render on Windows: the menu's own page renderer, drawing off-screen as the menu opens
// (the first button selected), written as PNG files.

#include "tools/page_rendering.h"

namespace torva::tools {

class Win32PageRendering : public PageRendering {
  public:
    explicit Win32PageRendering(bool tallCaption) : tallCaption_(tallCaption) {}
    bool Render(const RenderJob& job, std::vector<std::string>& written, std::string& problem) override;

  private:
    bool tallCaption_;
};

}  // namespace torva::tools
