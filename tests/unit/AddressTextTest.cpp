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

}  // namespace
}  // namespace netvik
