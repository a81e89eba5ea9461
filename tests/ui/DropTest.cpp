// Drops: the paths survive byte for byte, and a window accepts exactly the registered
// types it names.

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "framework/DragItem.h"
#include "framework/FileType.h"

namespace uitest {
namespace {

class DropWindow : public fw::Window {
public:
    std::vector<std::vector<std::string>> drops;

    void Event_DropObject(fw::Ref<fw::DragItem> item, int action) override {
        (void)action;
        std::vector<std::string> paths;
        do {
            if (item->FolderItemAvailable()) {
                paths.push_back(item->FolderItem()->NativePath());
            }
        } while (item->NextItem());
        drops.push_back(paths);
    }
};

class DropTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("fw-ui-drop-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        StartFramework();
        window = fw::New<DropWindow>();
        window->Constructor();
        window->OpenNow_();
    }
    void TearDown() override {
        std::filesystem::remove_all(dir);
        UiTest::TearDown();
    }

    std::string MakeFile(const std::string& name) {
        std::string path = dir.string() + "/" + name;
        std::ofstream(path) << "x";
        return path;
    }
    std::string MakeFolder(const std::string& name) {
        std::string path = dir.string() + "/" + name;
        std::filesystem::create_directory(path);
        return path;
    }
    static void RegisterTypes() {
        auto any = fw::New<fw::FileType>();
        any->Name = "special/any";
        any->Extensions = ".*";
        EXPECT_EQ(static_cast<std::string>(*any), "special/any");
        auto folder = fw::New<fw::FileType>();
        folder->Name = "special/folder";
        EXPECT_EQ(folder->Register(), "special/folder");
    }

    std::filesystem::path dir;
    fw::Ref<DropWindow> window;
};

TEST_F(DropTest, DragItemWalksEveryPathByteForByte) {
    RegisterTypes();
    window->AcceptFileDrop("special/any;special/folder");
    std::vector<std::string> paths = {MakeFile("new\nline.otf"), MakeFile("bad\xff\xfe.ttf"),
                                      MakeFile("blank 'quote\".otf"), MakeFolder("Fonts")};
    EXPECT_TRUE(Backend().DropPaths(window->Id(), paths));
    ASSERT_EQ(window->drops.size(), 1u);
    EXPECT_EQ(window->drops[0], paths);
}

TEST_F(DropTest, ADragItemAtItsEndCarriesNothing) {
    auto item = fw::New<fw::DragItem>(std::vector<std::string>{"/tmp/a"});
    EXPECT_TRUE(item->FolderItemAvailable());
    EXPECT_FALSE(item->NextItem());
    EXPECT_FALSE(item->FolderItemAvailable());
    EXPECT_EQ(item->FolderItem(), nullptr);
    EXPECT_FALSE(item->NextItem());
}

TEST_F(DropTest, FoldersOnlyWhenSpecialFolderIsAccepted) {
    RegisterTypes();
    window->AcceptFileDrop("special/any");
    auto file = MakeFile("a.otf");
    auto folder = MakeFolder("b.ttf");

    EXPECT_FALSE(Backend().DropPaths(window->Id(), {folder}));
    EXPECT_TRUE(window->drops.empty());
    // A mixed drop delivers the accepted items only.
    EXPECT_TRUE(Backend().DropPaths(window->Id(), {folder, file}));
    ASSERT_EQ(window->drops.size(), 1u);
    EXPECT_EQ(window->drops[0], (std::vector<std::string>{file}));
}

TEST_F(DropTest, FilesOnlyWhenAFileTypeIsAccepted) {
    RegisterTypes();
    window->AcceptFileDrop("special/folder");
    auto file = MakeFile("a.otf");
    auto folder = MakeFolder("sub");
    EXPECT_FALSE(Backend().DropPaths(window->Id(), {file}));
    EXPECT_TRUE(Backend().DropPaths(window->Id(), {file, folder}));
    ASSERT_EQ(window->drops.size(), 1u);
    EXPECT_EQ(window->drops[0], (std::vector<std::string>{folder}));
}

TEST_F(DropTest, UnregisteredTypeNamesAcceptNothing) {
    window->AcceptFileDrop("special/any;special/folder");  // nothing registered yet
    EXPECT_FALSE(Backend().Window(window->Id()).AcceptsDrops);
    EXPECT_FALSE(Backend().DropPaths(window->Id(), {MakeFile("a.otf")}));
    EXPECT_TRUE(window->drops.empty());
}

TEST_F(DropTest, ATypeByExtensionAcceptsItsFilesOnly) {
    auto fonts = fw::New<fw::FileType>();
    fonts->Name = "font/opentype";
    fonts->Extensions = "otf;.TTF";
    fonts->Register();
    window->AcceptFileDrop(" font/opentype ");
    EXPECT_TRUE(window->AcceptsPath(MakeFile("x.otf")));
    EXPECT_TRUE(window->AcceptsPath(MakeFile("y.ttf")));
    EXPECT_FALSE(window->AcceptsPath(MakeFile("z.txt")));
    EXPECT_FALSE(window->AcceptsPath(MakeFile(".otf-not")));
    EXPECT_FALSE(window->AcceptsPath(MakeFolder("dir.otf")));
}

}  // namespace
}  // namespace uitest
