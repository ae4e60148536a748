#pragma once
// GoogleTest fixtures shared by the test programs.

#include "platform/core/RecordingSink.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace testsupport {

// Message boxes and beeps of the test are recorded (and questions answered by script)
// instead of shown.
class RecordingSinkTest : public ::testing::Test {
protected:
    platform::RecordingSink sink_;
};

// A fresh temporary directory per test, with the recording sink installed.
class TempDirTest : public RecordingSinkTest {
protected:
    std::string Path(const std::string& name) const { return dir_.File(name); }

    TempDir dir_;
};

} // namespace testsupport
