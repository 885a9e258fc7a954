// The rates a serial port opens at, the same on every platform.
#include <gtest/gtest.h>

#include <string>

#include "link/serial_port.h"

using namespace tesmar::link;

TEST(SerialRates, everyListedRateIsTakenAndAnyOtherIsRefusedBeforeTheDevice) {
  for (int rate : {110, 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400,
                   460800, 921600}) {
    unsigned speed = 0;
    EXPECT_TRUE(BaudToSpeed(rate, speed)) << rate;
    EXPECT_NE(speed, 0u) << rate;
  }
  for (int rate : {0, -9600, 9601, 14400, 250000, 1000000}) {
    unsigned speed = 0;
    EXPECT_FALSE(BaudToSpeed(rate, speed)) << rate;
  }

  std::string error;
  EXPECT_EQ(SerialPort::Open("tesmar-no-such-port", 250000, &error), nullptr);
  EXPECT_EQ(error, "unsupported baud rate 250000");
  EXPECT_EQ(SerialPort::Open("tesmar-no-such-port", 250000, nullptr), nullptr);
  // A rate that is taken goes on to the device, which is not there.
  EXPECT_EQ(SerialPort::Open("tesmar-no-such-port", 9600, &error), nullptr);
  EXPECT_NE(error.find("tesmar-no-such-port: "), std::string::npos) << error;
}
