// The commands the root sends its host, in their exact texts and order.
#include <gtest/gtest.h>

#include "platform/toolslib/cvMessaging.h"
#include "support/ErrorAssert.h"
#include "support/RootFixture.h"

namespace {

using HostCallBack = RootFixture;

TEST_F(HostCallBack, SingleMembersSendOneCommandEach) {
    MakeRoot();
    root->SetStatusMessage("Loading!x=y");
    root->SetProgressMessage("Working");
    root->SetProgressMax(200);
    root->SetProgressValue(-5);
    EXPECT_EQ(callBack->commands, (std::vector<std::string>{
                                      "CMD=STATUS_MESSAGE!DEST=A.CV!MSG=Loading!x=y",
                                      "CMD=PROGRESS_BAR_MESSAGE!DEST=A.CV!MSG=Working",
                                      "CMD=PROGRESS_BAR_MAX!DEST=A.CV!VALUE=200",
                                      "CMD=PROGRESS_BAR_VALUE!DEST=A.CV!VALUE=-5",
                                  }));
    EXPECT_EQ(callBack->lastSender, dynamic_cast<const Object*>(root.get())) << "the root sends as itself";
}

TEST_F(HostCallBack, VisibilityAndProgressSendFromDataOnOppositeEnds) {
    MakeRoot();
    root->SetProgressVisible(true);
    EXPECT_EQ(callBack->commands,
              (std::vector<std::string>{"CMD=FROM_DATA!DEST=A.CV!VALUE=True",
                                        "CMD=PROGRESS_BAR_VISIBLE!DEST=A.CV!VISIBLE=True"}));
    callBack->commands.clear();
    root->Progress("Step", 10, 3, false);
    EXPECT_EQ(callBack->commands, (std::vector<std::string>{
                                      "DEST=A.CV!CMD=PROGRESS_BAR_MESSAGE!MSG=Step",
                                      "DEST=A.CV!CMD=PROGRESS_BAR_MAX!VALUE=10",
                                      "DEST=A.CV!CMD=PROGRESS_BAR_VALUE!VALUE=3",
                                      "DEST=A.CV!CMD=PROGRESS_BAR_VISIBLE!VISIBLE=False",
                                      "CMD=FROM_DATA!DEST=A.CV!VALUE=False",
                                  }));
}

TEST_F(HostCallBack, ProgressCancelAlwaysClearsTheCancelFlag) {
    MakeRoot();
    root->SetCancelled(true);
    EXPECT_TRUE(root->Cancelled());
    root->SetProgressCancel(false);
    EXPECT_FALSE(root->Cancelled());
    root->SetCancelled(true);
    root->SetProgressCancel(true);
    EXPECT_FALSE(root->Cancelled());
    EXPECT_EQ(callBack->commands,
              (std::vector<std::string>{"CMD=PROGRESS_BAR_CANCEL!DEST=A.CV!CANCEL=False",
                                        "CMD=PROGRESS_BAR_CANCEL!DEST=A.CV!CANCEL=True"}));
}

TEST_F(HostCallBack, WithoutACallbackEveryMessageFailsAndNothingIsQueued) {
    MakeRoot();
    root->UnRegisterCallBack();
    EXPECT_EQ(ErrorNumberOf([&] { root->SetStatusMessage("lost"); }), rt::kObjectNotSet);
    EXPECT_EQ(ErrorNumberOf([&] { root->Progress("lost", 1, 1, true); }), rt::kObjectNotSet);
    EXPECT_EQ(ErrorNumberOf([&] { root->Call(Variant("x")); }), rt::kObjectNotSet);
    root->RegisterCallBack(callBack);
    root->SetStatusMessage("back");
    EXPECT_EQ(callBack->commands, (std::vector<std::string>{"CMD=STATUS_MESSAGE!DEST=A.CV!MSG=back"}));
}

TEST_F(HostCallBack, CallRelaysToTheHost) {
    MakeRoot();
    auto command = gTools()->msg();
    EXPECT_EQ(root->Call(Variant(command->BuildCommand("CMD=%1", Variant("PING")))), 0);
    EXPECT_EQ(callBack->commands, (std::vector<std::string>{"CMD=PING"}));
}

}  // namespace
