#include <gtest/gtest.h>

#include <string>

#include "net/AddressText.h"

namespace netvik {
namespace {

TEST(AddressPacking, WorkedValues) {
    EXPECT_EQ(AddressToLong("192.168.0.1"), 16820416);
    EXPECT_EQ(AddressToLong("1.2.3.4"), 67305985);
    EXPECT_EQ(AddressToLong("255.255.255.255"), -1);
    EXPECT_EQ(AddressToLong("127.0.0.1"), 0x0100007F);
    EXPECT_EQ(AddressToLong("010.001.000.001"), AddressToLong("10.1.0.1"));
    EXPECT_EQ(AddressToLong("0.0.0.1"), 0x01000000);
}

TEST(AddressPacking, EveryMalformedTextIsZero) {
    for (const char* text : {"",          "0.0.0.0",   "000.000.000.000", "1.2.3",      "1.2.3.4.5",  "256.1.1.1",
                             "1.2.3.256", "1.256.3.4", "1..2.3",          ".1.2.3",     "1.2.3.",     "1.2.3.4.",
                             " 1.2.3.4",  "1.2.3.4 ",  "1.2 .3.4",        "0010.1.1.1", "1.1.1.0010", "1.1.0010.1",
                             "a.b.c.d",   "1.2.3.-4",  "+1.2.3.4",        "1,2,3,4",    "1.2.3.4\n",  "....",
                             "1",         "1234",      "999.999.999.999", "1.2.3.4/24", "1.2.3.4:80", "0x7f.0.0.1"}) {
        EXPECT_EQ(AddressToLong(text), 0) << '"' << text << '"';
    }
    EXPECT_EQ(AddressToLong(std::string("1.2.3.4\0", 8)), 0);
}

TEST(GlobalAddress, OnlyWhatTheInternetReachesCountsAsThisPcsOwn) {
    for (const char* global : {"81.169.1.9", "1.1.1.1", "100.63.255.255", "100.128.0.0", "172.15.255.255", "172.32.0.0",
                               "192.167.255.255", "198.17.255.255", "198.20.0.0", "223.255.255.254"}) {
        EXPECT_TRUE(IsGlobalAddress(global)) << global;
    }
    for (const char* special : {"10.8.0.5",
                                "172.16.0.1",
                                "172.31.255.255",
                                "192.168.0.2",
                                "100.64.0.1",
                                "169.254.3.4",
                                "127.0.0.1",
                                "198.18.0.2",
                                "198.19.1.1",
                                "0.1.2.3",
                                "192.0.0.9",
                                "192.0.2.1",
                                "198.51.100.7",
                                "203.0.113.9",
                                "224.0.0.1",
                                "240.0.0.1",
                                "255.255.255.255",
                                "192.88.99.1",
                                "0.0.0.0",
                                "1",
                                ""}) {
        EXPECT_FALSE(IsGlobalAddress(special)) << special;
    }
}

}  // namespace
}  // namespace netvik
