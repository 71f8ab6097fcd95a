// The driver loaded once per test suite, as the 16-bit side loads it, and a
// look at what VelkoUI's page procedures were given, through VelkoUI's
// inspection export.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>

#include "host/driver.h"
#include "ui/pages/page_contract.h"

namespace velko::testing {

class BridgeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    driver_ = host::Driver::Load();
    ui_ = dlopen("libVelkoUI.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(ui_, nullptr) << "VelkoUI did not come with Velkot2";
    inspect_ = reinterpret_cast<void (*)(ui::PageCallState*)>(dlsym(ui_, "VelkoUIInspectPageCall"));
    ASSERT_NE(inspect_, nullptr);
  }
  static void TearDownTestSuite() {
    if (ui_) dlclose(ui_);
    ui_ = nullptr;
    driver_.reset();
  }

  static ui::PageCallState PageState() {
    ui::PageCallState state{};
    inspect_(&state);
    return state;
  }

  static host::Driver& driver() { return *driver_; }

 private:
  static inline std::unique_ptr<host::Driver> driver_;
  static inline void* ui_ = nullptr;
  static inline void (*inspect_)(ui::PageCallState*) = nullptr;
};

}  // namespace velko::testing
