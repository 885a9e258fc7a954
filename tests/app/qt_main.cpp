// GoogleTest with a QApplication for the offscreen window tests.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // This machine's libusb must not decide the tests: "missing" unless a test
  // installs the stand-in.
  qputenv("TESMAR_LIBUSB", "/nonexistent/libusb.so");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
