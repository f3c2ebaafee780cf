#include "platform/RemovedSpelling.h"

#include <utility>

#include "platform/EqualIgnoringCase.h"

namespace platform {

void RemovedSpelling::Remember(std::optional<std::string> folder, std::string name_on_disk) {
  const std::lock_guard lock(m_mutex);
  m_removed.reset();
  if (folder) m_removed = Removed{std::move(*folder), std::move(name_on_disk)};
}

std::string RemovedSpelling::Take(const std::optional<std::string>& folder, std::string name) {
  std::optional<Removed> removed;
  {
    const std::lock_guard lock(m_mutex);
    removed = std::exchange(m_removed, std::nullopt);
  }
  if (removed && folder && EqualIgnoringCase(removed->folder, *folder) &&
      EqualIgnoringCase(removed->name, name)) {
    return removed->name;
  }
  return name;
}

}  // namespace platform
