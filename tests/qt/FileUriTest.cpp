#include "qt/FileUri.h"

#include <gtest/gtest.h>

namespace fw::qt {
namespace {

TEST(FileUri, ListKeepsEveryByteOfTheNames) {
    const std::string list =
        "file:///tmp/a%20b%0A%22c%22%C3%A9.otf\r\n"
        "# a comment line\r\n"
        "file:///tmp/bad%FF%FEname.ttf\r\n"
        "file://localhost/tmp/x%25y\n"
        "FILE:///tmp/upper\n";
    const std::vector<std::string> expected{"/tmp/a b\n\"c\"\xC3\xA9.otf",
                                            "/tmp/bad\xFF\xFEname.ttf", "/tmp/x%y", "/tmp/upper"};
    EXPECT_EQ(LocalPathsFromUriList(list), expected);
}

TEST(FileUri, ListSkipsWhatIsNoLocalFile) {
    const std::string list =
        "http://example.org/font.otf\r\n"
        "file://otherhost/tmp/font.otf\r\n"
        "file:relative.otf\r\n"
        "file://\r\n"
        "\r\n"
        "file:/tmp/single-slash.otf";
    const std::vector<std::string> expected{"/tmp/single-slash.otf"};
    EXPECT_EQ(LocalPathsFromUriList(list), expected);
    EXPECT_TRUE(LocalPathsFromUriList("").empty());
}

TEST(FileUri, ListDropsNamesWithAnEncodedNul) {
    // The system calls would see "/tmp/a.ttf" while the model holds the longer name.
    const std::string list =
        "file:///tmp/a.ttf%00.otf\r\n"
        "file:///tmp/kept%01.otf\r\n"
        "file:///tmp/%00\r\n"
        "file:///tmp/tail.ttf%00\n";
    EXPECT_EQ(LocalPathsFromUriList(list), std::vector<std::string>{"/tmp/kept\x01.otf"});
}

TEST(FileUri, PercentDecodeLeavesBrokenEscapesAlone) {
    EXPECT_EQ(PercentDecode("100%"), "100%");
    EXPECT_EQ(PercentDecode("%4"), "%4");
    EXPECT_EQ(PercentDecode("%zz%41"), "%zzA");
    EXPECT_EQ(PercentDecode("%00"), std::string(1, '\0'));
}

TEST(FileUri, EveryByteRoundTrips) {
    std::string path = "/";
    for (int byte = 1; byte < 256; ++byte) {
        path.push_back(static_cast<char>(byte));
    }
    const std::string uri = FileUriFromPath(path);
    EXPECT_EQ(uri.find_first_of(" \n\r\"#?"), std::string::npos);
    for (const char c : uri) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
    }
    EXPECT_EQ(LocalPathsFromUriList(uri + "\r\n"), std::vector<std::string>{path});
    EXPECT_EQ(FileUriFromPath("/tmp/a b"), "file:///tmp/a%20b");
}

}  // namespace
}  // namespace fw::qt
