// A text field edits from a tap, takes only printable text from the keyboard,
// and ends editing at Return unless its delegate says no.
#include "UIKitFixture.h"

#include "dispatch/RunLoop.h"

namespace {

struct ReturnAnswer : NSObject {
    bool answer = true;
    int asked = 0;
};

bool shouldReturn(id self, SEL, id)
{
    auto* delegate = static_cast<ReturnAnswer*>(self);
    ++delegate->asked;
    return delegate->answer;
}

Class returnAnswerClass()
{
    static Class cls = nullptr;
    if (!cls) {
        cls = runtime::defineClass("TextFieldTestDelegate", foundation::NSObjectClass(), runtime::makeInstance<ReturnAnswer>);
        addMethod(cls, "textFieldShouldReturn:"_sel, shouldReturn);
    }
    return cls;
}

std::string textOf(id field)
{
    return send<NSString*>(field, "text"_sel)->value;
}

}

TEST_F(UIKitTest, ATextFieldEditsFromATapTakesPrintableTextAndEndsAtReturn)
{
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    auto window = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(0, 0, 320, 568));
    send(static_cast<id>(window.get()), "setHidden:"_sel, false);
    auto field = make<UITextField>(uikit::UITextFieldClass(), CGRectMake(16, 74, 288, 36));
    send(static_cast<id>(window.get()), "addSubview:"_sel, static_cast<id>(field.get()));
    auto delegate = adopt(static_cast<ReturnAnswer*>(send<id>(send<id>(returnAnswerClass(), "alloc"_sel), "init"_sel)));
    send(static_cast<id>(field.get()), "setDelegate:"_sel, static_cast<id>(delegate.get()));
    auto& keyboard = uikit::ApplicationKeyboard::shared();

    keyboard.typed("lost");
    EXPECT_EQ(textOf(field.get()), "") << "nothing edits yet";

    auto& input = uikit::TouchInput::shared();
    input.touchBegan({ 100, 90 }, 0);
    input.touchEnded({ 100, 90 }, 0.05);
    ASSERT_TRUE(send<bool>(static_cast<id>(field.get()), "isFirstResponder"_sel));

    // Control characters and bytes that are not UTF-8 are dropped; delete
    // takes a whole character away.
    keyboard.typed("Caf\xC3\xA9\t\x01\xFF\xC0\xAF! \xE2\x82\xAC\b?");
    EXPECT_EQ(textOf(field.get()), "Caf\xC3\xA9! ?");

    delegate->answer = false;
    keyboard.typed("\n");
    EXPECT_TRUE(send<bool>(static_cast<id>(field.get()), "isFirstResponder"_sel)) << "the delegate said no";
    delegate->answer = true;
    keyboard.typed("\nafter");
    EXPECT_EQ(delegate->asked, 2);
    EXPECT_FALSE(send<bool>(static_cast<id>(field.get()), "isFirstResponder"_sel));
    EXPECT_EQ(textOf(field.get()), "Caf\xC3\xA9! ?") << "what follows Return has no field to go to";
    dispatch::RunLoop::main().reset();
}
