#include "hardware/SpeedPreload.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/Installed.h"
#include "support/FakeSpeedSource.h"
#include "support/GatedSpeedSource.h"

// The measurement begins at construction, unasked, on a thread other than the
// caller's; the first answer is that figure, later ones measure again on the
// caller's thread. The preload answers for the seam while it lives, and puts
// back what was installed before.
TEST(SpeedPreload, MeasuresAheadOnAThreadOfItsOwn) {
  FakeSpeedSource before(100.0f);
  platform::Installed<SpeedSource> installed(before, &SetSpeedSource);
  GatedSpeedSource measured(1234.5f);
  {
    SpeedPreload preload(measured);
    EXPECT_EQ(&GetSpeedSource(), &preload);
    EXPECT_TRUE(measured.WaitForBegun());
    measured.Open();
    EXPECT_EQ(GetSpeedSource().FirstProcessorSpeed(), 1234.5f);
    EXPECT_EQ(measured.ended, 1);
    EXPECT_NE(measured.last_thread.load(), std::this_thread::get_id());

    measured.speed = 987.0f;
    EXPECT_EQ(GetSpeedSource().FirstProcessorSpeed(), 987.0f);
    EXPECT_EQ(measured.ended, 2);
    EXPECT_EQ(measured.last_thread.load(), std::this_thread::get_id());
  }
  EXPECT_EQ(&GetSpeedSource(), &before);
  EXPECT_EQ(before.measurements, 0);
}

// A process that ends without asking (a second start handing over to the
// first) still waits for the measurement, whose thread uses process-wide
// objects that the end destroys.
TEST(SpeedPreload, EndWaitsForAMeasurementNoOneAskedFor) {
  GatedSpeedSource measured(800.0f);
  std::thread opener;
  {
    SpeedPreload preload(measured);
    EXPECT_TRUE(measured.WaitForBegun());
    opener = std::thread([&measured] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      measured.Open();
    });
  }
  EXPECT_EQ(measured.ended, 1);
  opener.join();
}
