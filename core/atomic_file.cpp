// Temporary file, then rename over the old one.
#include "core/atomic_file.h"

#include <cstdio>
#include <fstream>

namespace tf {

bool writeFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write) {
  const std::string temporary = path + ".saving";
  {
    std::ofstream out(temporary, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out.is_open()) return false;
    write(out);
    out.flush();
    if (!out) {
      out.close();
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace tf
