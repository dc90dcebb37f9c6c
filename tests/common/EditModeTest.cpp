// The program-wide edit mode: every listener hears each lasting change, and a
// fill that has the flag off for a while never undoes a lasting change made
// meanwhile.
#include "common/EditMode.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class EditModeTest : public ::testing::Test {
protected:
    void SetUp() override { o::ResetGlobals(); }
    void TearDown() override { o::ResetGlobals(); }
};

TEST_F(EditModeTest, EveryListenerHearsEachChangeOnce)
{
    std::vector<bool> first, second;
    o::EditModeListener a([&](bool on) { first.push_back(on); });
    {
        o::EditModeListener b([&](bool on) { second.push_back(on); });
        o::SetEditMode(o::EditModeOn);
        o::SetEditMode(o::EditModeOn);  // no change, nothing told
        o::SetEditMode(o::EditModeOff);
    }
    o::SetEditMode(o::EditModeOn);
    EXPECT_EQ(first, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(second, (std::vector<bool>{true, false}));
    EXPECT_EQ(o::EditMode, o::EditModeOn);
}

TEST_F(EditModeTest, ASuspensionSetsBackWhatItFoundAndTellsNobody)
{
    std::vector<bool> heard;
    o::EditModeListener listener([&](bool on) { heard.push_back(on); });
    o::SetEditMode(o::EditModeOn);
    {
        const o::EditModeSuspended fill;
        EXPECT_EQ(o::EditMode, o::EditModeOff);
        {
            const o::EditModeSuspended inner;
            EXPECT_EQ(o::EditMode, o::EditModeOff);
        }
        EXPECT_EQ(o::EditMode, o::EditModeOff);
    }
    EXPECT_EQ(o::EditMode, o::EditModeOn);
    EXPECT_EQ(heard, (std::vector<bool>{true}));
}

// Before: the end of the fill set the flag back to "on" while every window
// had been told "off".
TEST_F(EditModeTest, ALastingChangeDuringASuspensionOutlivesIt)
{
    std::vector<bool> heard;
    o::EditModeListener listener([&](bool on) { heard.push_back(on); });
    o::SetEditMode(o::EditModeOn);
    {
        const o::EditModeSuspended fill;
        {
            const o::EditModeSuspended inner;
            o::SetEditMode(o::EditModeOff);
            EXPECT_EQ(o::EditMode, o::EditModeOff);
        }
        EXPECT_EQ(o::EditMode, o::EditModeOff);
    }
    EXPECT_EQ(o::EditMode, o::EditModeOff);
    EXPECT_EQ(heard, (std::vector<bool>{true, false}));

    {
        const o::EditModeSuspended fill;
        o::SetEditMode(o::EditModeOn);
        EXPECT_EQ(o::EditMode, o::EditModeOff) << "the fill goes on with the flag off";
    }
    EXPECT_EQ(o::EditMode, o::EditModeOn);
    EXPECT_EQ(heard, (std::vector<bool>{true, false, true}));
}

}  // namespace
