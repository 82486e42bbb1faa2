// main() of the widget test programs: GoogleTest inside a QApplication, so widgets, timers
// and events work. ctest runs them with the offscreen platform.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
