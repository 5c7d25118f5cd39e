// Gives a test the global system state to change and an empty settings table,
// and puts both back afterwards.
#pragma once

#include "core/script_object.h"
#include "core/system.h"

namespace tftest {

class SettingsGuard {
 public:
  SettingsGuard() : saved_(tf::gameSys) { tf::scriptSys.clear(); }
  ~SettingsGuard() {
    tf::gameSys = saved_;
    tf::scriptSys.clear();
  }
  SettingsGuard(const SettingsGuard&) = delete;
  SettingsGuard& operator=(const SettingsGuard&) = delete;

 private:
  tf::System saved_;
};

}  // namespace tftest
