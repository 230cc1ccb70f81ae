#include "localparams/LocalParameter.h"
#include "localparams/ObservableFlag.h"
#include "tests/support/ListenerCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalParameterTest, StoresOnlyOnOwnValueOrUserActionButNotifiesAlways)
{
    LocalParameter learn(0, 127, 5);
    ListenerCounter listener;
    learn.addListener(&listener);

    learn.setValue(flagsConstruct, 9);
    EXPECT_EQ(learn.getValue(), 9);

    learn.setValue(SetValueFlag::notify, 20);
    EXPECT_EQ(learn.getValue(), 9);
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].parameter, &learn);

    learn.setValue(SetValueFlag::userAction, 30);
    EXPECT_EQ(learn.getValue(), 30);

    // "No value" stores nothing but still tells the listeners.
    learn.setValue(flagsUserEdit, Parameter::noValue);
    EXPECT_EQ(learn.getValue(), 30);
    EXPECT_EQ(listener.heard.size(), 2u);
}

TEST(ObservableFlagTest, NotifiesOnlyWhenTheStateChanges)
{
    ObservableFlag shown(true);
    ListenerCounter listener;
    shown.listeners().add(&listener);

    EXPECT_FALSE(shown.setState(true));
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_TRUE(shown.setState(false));
    EXPECT_FALSE(shown.getState());
    ASSERT_EQ(listener.heard.size(), 1u);
    // A layout state is no parameter.
    EXPECT_EQ(listener.heard[0].parameter, nullptr);
    EXPECT_NE(listener.heard[0].flags & SetValueFlag::notify, 0u);
}

} // namespace
