// A menu bar whose construction fails part-way leaves no instance behind, and the next
// call builds a whole bar. The failure is an allocation that fails: every allocation of
// the build is made to fail in turn.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "framework/Runtime.h"
#include "menus/MainMenuBar.h"

namespace {

std::atomic<long> allocations{0};
// The allocation number that fails; -1 for none.
std::atomic<long> failAt{-1};

void* Allocate(std::size_t size) {
    const long number = allocations.fetch_add(1);
    if (number == failAt.load()) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

}  // namespace

// Every plain form goes through malloc and free, so that the sanitizer sees matching
// pairs; the aligned forms stay the runtime's own.
void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

void FreshRun() {
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
}

TEST(MenuBarRebuildTest, EveryFailedBuildLeavesNoInstanceAndTheNextBuildIsWhole) {
    ::unsetenv("LANGUAGE");
    ::setenv("LANG", "C", 1);
    FreshRun();
    const long before = allocations.load();
    ASSERT_NE(MainMenuBar(), nullptr);
    const long perBuild = allocations.load() - before;
    ASSERT_GT(perBuild, 22);

    int failures = 0;
    for (long n = 0; n < perBuild; ++n) {
        FreshRun();
        bool threw = false;
        failAt = allocations.load() + n;
        try {
            static_cast<void>(MainMenuBar());
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        failAt = -1;
        if (!threw) {
            continue;  // an allocation of the first build only (a cache filled once)
        }
        ++failures;
        ASSERT_EQ(MainMenuBar::_implicitInstance, nullptr) << "after failing allocation " << n;

        fw::Ref<class MainMenuBar> bar = MainMenuBar();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->Count(), 4) << "after failing allocation " << n;
        EXPECT_EQ(bar->Child("FileMenu")->Count(), 4);
        EXPECT_EQ(bar->Child("EditMenu")->Count(), 10);
        EXPECT_EQ(bar->Child("WindowMenu")->Count(), 4);
        EXPECT_EQ(bar->Child("HelpMenu")->Count(), 0);
        EXPECT_EQ(MainMenuBar(), bar);
    }
    // Nearly every allocation of a build is one that can fail it.
    EXPECT_GT(failures, perBuild / 2);
}

}  // namespace
