// Message dialogs and the message box through the backend.

#include "UiTestSupport.h"
#include "framework/MessageDialog.h"
#include "framework/MsgBox.h"

namespace uitest {
namespace {

using DialogTest = UiTest;

TEST_F(DialogTest, AnApplicationModalAlertIsRecordedWithItsButtons) {
    StartFramework();
    auto d = fw::New<fw::MessageDialog>();
    d->Icon = fw::MessageDialog::kIconCaution;
    d->Message = "Completed.";
    d->ActionButton->Caption = "Quit";
    d->CancelButton->Visible = false;
    d->AlternateActionButton->Visible = false;
    auto pressed = d->ShowModal();

    EXPECT_EQ(pressed, d->ActionButton);
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    const auto& shown = Backend().Dialogs()[0].Request;
    EXPECT_EQ(shown.Icon, 1);
    EXPECT_EQ(shown.Message, "Completed.");
    EXPECT_EQ(shown.Explanation, "");
    EXPECT_EQ(shown.ActionButton.Caption, "Quit");
    EXPECT_TRUE(shown.ActionButton.Visible);
    EXPECT_FALSE(shown.CancelButton.Visible);
    EXPECT_FALSE(shown.AlternateActionButton.Visible);
    EXPECT_EQ(shown.Parent, 0u);
    EXPECT_FALSE(shown.IsMsgBox);
}

TEST_F(DialogTest, WithinAWindowTheAlertIsAttachedAndAnswersMapToButtons) {
    StartFramework();
    std::vector<std::string> log;
    auto w = MakeWindow(&log, "W");
    w->OpenNow_();
    Backend().QueueDialogAnswer(fw::DialogResult::Cancel);
    Backend().QueueDialogAnswer(fw::DialogResult::Alternate);
    auto d = fw::New<fw::MessageDialog>();
    d->CancelButton->Visible = true;
    d->AlternateActionButton->Visible = true;

    EXPECT_EQ(d->ShowModalWithin(w), d->CancelButton);
    EXPECT_EQ(d->ShowModalWithin(nullptr), d->AlternateActionButton);
    EXPECT_EQ(d->ShowModal(), d->ActionButton);  // no answers left
    ASSERT_EQ(Backend().Dialogs().size(), 3u);
    EXPECT_EQ(Backend().Dialogs()[0].Request.Parent, w->Id());
    EXPECT_EQ(Backend().Dialogs()[1].Request.Parent, 0u);
}

TEST_F(DialogTest, MsgBoxShowsAModalDialogOnceTheFrameworkIsInitialised) {
    StartFramework();
    fw::MsgBox("RegEx error: \nbad pattern");
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    EXPECT_TRUE(Backend().Dialogs()[0].Request.IsMsgBox);
    EXPECT_EQ(Backend().Dialogs()[0].Request.Message, "RegEx error: \nbad pattern");
}

}  // namespace
}  // namespace uitest
