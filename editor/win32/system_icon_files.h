#pragma once
// Icon counts of files as the system's icon extraction numbers them, for the drop helpers and the
// icon refresh.

#include "editor/icon_files.h"

namespace torva::editor {

class SystemIconFiles : public IconFiles {
  public:
    int IconCount(const std::string& path) const override;
};

}  // namespace torva::editor
