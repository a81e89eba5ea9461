// Drops on the main window: which items are listed, the label and run button, the
// row's contents and order, the list's stripes, the window's separator, and revealing
// a row's file.
#include <algorithm>
#include <filesystem>

#include "RunFixture.h"
#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "window/Window1.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using DropTest = RunFixture;

std::vector<std::string> Cells() {
    std::vector<std::string> cells;
    auto list = Window1()->ListBox1();
    for (std::int64_t row = 0; row < list->ListCount(); ++row) {
        cells.push_back(list->Cell(row, 0));
    }
    return cells;
}

TEST_F(DropTest, OnlyNamesEndingInOtfOrTtfAreListedWhateverTheirCase) {
    UseRealSpot();
    const std::vector<std::string> paths{
        MakeFont("ARIAL.TTF"), MakeFont("Font.Otf"),  MakeFont("font.woff"), MakeFont(".otf"),
        MakeFont("ttf"),       MakeFont("a.ttf.bak"), MakeFont("notttf"),
    };
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), paths));
        EXPECT_EQ(Cells(), (std::vector<std::string>{".otf", "ARIAL.TTF", "Font.Otf"}));
        EXPECT_EQ(Window1()->Label1()->Text(), "3 files");
        EXPECT_TRUE(Window1()->PushButtonRun()->Enabled());
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, FoldersAreListedByTheirOwnNameOnly) {
    UseRealSpot();
    const std::string named = FontFolder() + "/x.ttf";
    const std::string holder = FontFolder() + "/Holder";
    fs::create_directories(named);
    MakeFont("Holder/Inside.ttf");
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), {holder}));
        EXPECT_EQ(Window1()->ListBox1()->ListCount(), 0);
        EXPECT_FALSE(Window1()->PushButtonRun()->Enabled());
        EXPECT_EQ(Window1()->Label1()->Text(), "Drop the font file into the window.");
        EXPECT_EQ(Backend().Activations(), 0);

        ASSERT_TRUE(Backend().DropPaths(WindowId(), {holder, named}));
        EXPECT_EQ(Cells(), std::vector<std::string>{"x.ttf"});
        EXPECT_EQ(Window1()->Label1()->Text(), "1 file");
        EXPECT_EQ(Backend().Activations(), 1);
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, EachDropReplacesTheListAndAnEmptyOneKeepsTheLabel) {
    UseRealSpot();
    const std::vector<std::string> three{MakeFont("a.ttf"), MakeFont("b.otf"), MakeFont("c.ttf")};
    const std::string one = MakeFont("d.otf");
    const std::string other = MakeFont("e.txt");
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), three));
        EXPECT_EQ(Window1()->Label1()->Text(), "3 files");
        EXPECT_EQ(Backend().Activations(), 1);

        ASSERT_TRUE(Backend().DropPaths(WindowId(), {one, other}));
        EXPECT_EQ(Cells(), std::vector<std::string>{"d.otf"});
        EXPECT_EQ(Window1()->Label1()->Text(), "1 file");
        EXPECT_EQ(Backend().Activations(), 2);

        ASSERT_TRUE(Backend().DropPaths(WindowId(), three));
        ASSERT_TRUE(Backend().DropPaths(WindowId(), {other}));
        EXPECT_EQ(Window1()->ListBox1()->ListCount(), 0);
        EXPECT_TRUE(Backend().Control(ListId()).Rows.empty());
        EXPECT_FALSE(Window1()->PushButtonRun()->Enabled());
        EXPECT_FALSE(Backend().Control(RunButtonId()).State.Enabled);
        EXPECT_EQ(Window1()->Label1()->Text(), "3 files");
        EXPECT_EQ(Backend().Activations(), 3);
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, RowsAreSortedInTheFileManagersOrder) {
    UseRealSpot();
    const std::vector<std::string> paths{MakeFont("Font10.ttf"), MakeFont("font2.ttf"),
                                         MakeFont("Font1.otf"), MakeFont("b.ttf"),
                                         MakeFont("A.ttf")};
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), paths));
        const std::vector<std::string> expected{"A.ttf", "b.ttf", "Font1.otf", "font2.ttf",
                                                "Font10.ttf"};
        EXPECT_EQ(Cells(), expected);
        std::vector<std::string> shown;
        for (const auto& row : Backend().Control(ListId()).Rows) {
            shown.push_back(row.Cells.at(0));
        }
        EXPECT_EQ(shown, expected);
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, NamesEqualButForCaseOrWidthKeepOneOrderWhateverTheDrop) {
    UseRealSpot();
    // In byte order, so that the permutations below visit every drop order.
    std::vector<std::string> paths{MakeFont("A.otf"), MakeFont("a.otf"),
                                   MakeFont("\xEF\xBD\x81.otf")};
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), paths));
        const std::vector<std::string> first = Cells();
        ASSERT_EQ(first.size(), 3u);
        while (std::next_permutation(paths.begin(), paths.end())) {
            ASSERT_TRUE(Backend().DropPaths(WindowId(), paths));
            EXPECT_EQ(Cells(), first);
        }
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, RowHoldsTheFileAndItsIconInTwoResolutions) {
    UseRealSpot();
    const std::string path = MakeFont("Only.ttf");
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), {path}));
        auto list = Window1()->ListBox1();
        auto tag = list->RowTag(0).As<fw::FolderItem>();
        ASSERT_TRUE(tag);
        EXPECT_EQ(tag->NativePath(), path);
        auto picture = list->RowPicture(0);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), 16);
        EXPECT_EQ(picture->Height(), 16);
        ASSERT_EQ(picture->ImageCount(), 2);
        EXPECT_EQ(picture->IndexedImage(0)->Width(), 16);
        EXPECT_EQ(picture->IndexedImage(0)->Height(), 16);
        EXPECT_EQ(picture->IndexedImage(1)->Width(), 32);
        EXPECT_EQ(picture->IndexedImage(1)->Height(), 32);
        EXPECT_EQ(Backend().Control(ListId()).Rows.at(0).RowPicture, picture);
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

fw::Color Centre(const fw::headless::CellPaint& paint) {
    return paint.Background->Pixel(paint.Background->Width() / 2, paint.Background->Height() / 2);
}

TEST_F(DropTest, RowsAreStripedAndSelectedRowsKeepTheListsLook) {
    UseRealSpot();
    const std::vector<std::string> paths{MakeFont("a.ttf"), MakeFont("b.ttf"), MakeFont("c.ttf")};
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), paths));
        std::vector<fw::headless::CellPaint> light = Backend().PaintList(ListId());
        ASSERT_EQ(light.size(), 3u);
        EXPECT_EQ(Centre(light[0]).Value(), 0x00F1F2F2u);
        EXPECT_EQ(Centre(light[1]).Value(), 0xF3FFFFFFu);
        EXPECT_EQ(Centre(light[2]).Value(), 0x00F1F2F2u);
        for (const auto& paint : light) {
            EXPECT_FALSE(paint.Answer);
        }

        Backend().SetDarkMode(true);
        Backend().SelectRows(ListId(), {2});
        std::vector<fw::headless::CellPaint> dark = Backend().PaintList(ListId());
        ASSERT_EQ(dark.size(), 3u);
        EXPECT_EQ(Centre(dark[0]).Value(), 0x00161616u);
        EXPECT_EQ(Centre(dark[1]).Value(), 0xF3FFFFFFu);
        EXPECT_TRUE(dark[2].Answer);
        // Untouched: still the fresh picture's full transparency.
        EXPECT_EQ(Centre(dark[2]).Value() >> 24, 0xFFu);
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, SeparatorSpansTheWindowAtY47) {
    UseRealSpot();
    Step([this] {
        auto light = Backend().PaintWindow(WindowId());
        ASSERT_TRUE(light);
        for (int x : {0, 230, 459}) {
            EXPECT_EQ(light->Pixel(x, 47).Value(), 0x00C9C9C9u) << x;
            EXPECT_NE(light->Pixel(x, 46).Value(), 0x00C9C9C9u) << x;
            EXPECT_NE(light->Pixel(x, 48).Value(), 0x00C9C9C9u) << x;
        }

        Backend().SetDarkMode(true);
        auto frame = Backend().Window(WindowId()).State.Frame;
        frame.Width = 800;
        Backend().MoveWindow(WindowId(), frame);
        auto dark = Backend().PaintWindow(WindowId());
        ASSERT_TRUE(dark);
        ASSERT_EQ(dark->Width(), 800);
        for (int x : {0, 460, 799}) {
            EXPECT_EQ(dark->Pixel(x, 47).Value(), 0x00333333u) << x;
        }
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

TEST_F(DropTest, DoubleClickRevealsTheRowsFileWhileItExists) {
    UseRealSpot();
    const std::string a = MakeFont("a.ttf");
    const std::string b = MakeFont("b.ttf");
    Step([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), {a, b}));
        Backend().DoubleClickRow(ListId(), -1);
        EXPECT_TRUE(Backend().Reveals().empty());

        Backend().DoubleClickRow(ListId(), 1);
        EXPECT_EQ(Backend().Reveals(), std::vector<std::string>{b});

        fs::remove(a);
        Backend().DoubleClickRow(ListId(), 0);
        EXPECT_EQ(Backend().Reveals(), std::vector<std::string>{b});
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
}

}  // namespace
}  // namespace apptest
