// The behaviour suite on the Qt backend: a QApplication on the offscreen platform around
// GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "kivdock/kivdock.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  kiv::resetSharedServices();
  kiv::setPlatform(nullptr);
  return result;
}
