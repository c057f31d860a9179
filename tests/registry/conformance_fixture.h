// Every conformance case works below one scratch key of its own, HKEY_CLASSES_ROOT\VexorConformance, so
// that the same cases can run against the real registry: there the key is deleted again afterwards; on
// Linux each case also gets its own empty store file.
#pragma once

#include "tests/registry/registry_test_support.h"

#ifndef _WIN32
#include "tests/common/TempStore.h"
#endif

class Conformance : public ::testing::Test {
  protected:
    static constexpr const char* kScratch = "VexorConformance";

    void SetUp() override {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, kScratch);
        m_scratch = createKey(HKEY_CLASSES_ROOT, kScratch).release();
        ASSERT_NE(m_scratch, nullptr);
    }
    void TearDown() override {
        RegCloseKey(m_scratch);
        SHDeleteKeyA(HKEY_CLASSES_ROOT, kScratch);
    }
    HKEY scratch() const { return m_scratch; }

  private:
#ifndef _WIN32
    TempStore m_store; // made before SetUp and removed after TearDown
#endif
    HKEY m_scratch = nullptr;
};
