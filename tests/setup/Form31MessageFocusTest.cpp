// The exit handlers of the setup window's fields whose message puts the focus
// back: the message comes once, however the message box moves the focus.
#include "setup/WindowFixture.h"

#include "support/CaseName.h"
#include "support/FocusMovingDialogs.h"

#include <functional>

namespace setuptest {
namespace {

struct MessageFocusCase {
    const char* name;
    std::function<QWidget*(setup::Form31&)> field;  // the field left, where the message moves the focus
    std::function<void(setup::Form31&)> fill;       // what the field is left with
};
void PrintTo(const MessageFocusCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form31MessageFocusTest : public SetupWindowTest, public ::testing::WithParamInterface<MessageFocusCase> {};

// Before: the message box giving the focus back to a list cell put the cell's
// completer ahead of the window's event filter, the toolkit then handed the
// same focus-out to the window once more, and the message came again.
TEST_P(Form31MessageFocusTest, TheFieldsMessageComesOnce)
{
    editModeOn();
    const MessageFocusCase& c = GetParam();
    QWidget* field = c.field(*form);
    auto moving = std::make_unique<testsupport::FocusMovingDialogs>(field);
    testsupport::FocusMovingDialogs* seen = moving.get();
    auto scripted = ui::setDialogs(std::move(moving));
    c.fill(*form);
    leave(field);
    EXPECT_EQ(seen->messages, 1);
    ui::setDialogs(std::move(scripted));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Form31MessageFocusTest,
    ::testing::Values(MessageFocusCase{"template debit account code not in use",
                                       [](setup::Form31& f) { return f.templates().grid().Combo1[3]; },
                                       [](setup::Form31& f) { f.templates().grid().Combo1[3]->setEditText("9999"); }},
                      MessageFocusCase{"template credit account code not in use",
                                       [](setup::Form31& f) { return f.templates().grid().Combo7[3]; },
                                       [](setup::Form31& f) { f.templates().grid().Combo7[3]->setEditText("9999"); }},
                      MessageFocusCase{"template amount beyond the range",
                                       [](setup::Form31& f) { return f.templates().grid().Text8[3]; },
                                       [](setup::Form31& f) { f.templates().grid().Text8[3]->setText("99999999999"); }},
                      MessageFocusCase{"corporate number of twelve digits",
                                       [](setup::Form31& f) { return f.company().Text11[0]; },
                                       [](setup::Form31& f) { f.company().Text11[0]->setText("123456789012"); }}),
    testsupport::kCaseName);

}  // namespace
}  // namespace setuptest
