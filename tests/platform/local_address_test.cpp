#include <arpa/inet.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/local_address.h"

TEST(GetLocalAddress, IsEmptyOrADottedIpv4Address) {
  const std::string address = GetLocalAddress();
  in_addr parsed{};
  EXPECT_TRUE(address.empty() || ::inet_pton(AF_INET, address.c_str(), &parsed) == 1) << address;
}
