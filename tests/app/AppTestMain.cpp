// main() of the widget test programs: GoogleTest inside the program's application object, so widgets, timers
// and events work. ctest runs them with the offscreen platform.

#include <gtest/gtest.h>
#include "app/mainwindow/SafeApplication.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  SafeApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
