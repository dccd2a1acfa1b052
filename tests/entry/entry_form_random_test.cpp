// Thousands of random keys, answered requests included, never crash the form or unbalance the books.

#include <initializer_list>
#include <random>

#include "entry_circle.h"

namespace tellmark::entry::testing {
namespace {

TEST_F(EntryCircles, RandomKeysKeepTheBooksBalanced) {
    OpenCircle circle = open(1);
    EntryFormModel form(*circle.doc);
    std::mt19937 random(20091215);
    const std::string characters = "0123456789..JJNN1284 abc.#-,";
    const Key keys[] = {Key::Tab,  Key::Tab,      Key::Tab,    Key::Enter,  Key::Escape, Key::Left,   Key::Right,
                        Key::Up,   Key::Down,     Key::Home,   Key::End,    Key::Backspace, Key::Delete, Key::PageUp,
                        Key::PageDown, Key::Insert, Key::Copy, Key::F4,     Key::F5,     Key::F6,     Key::F7,
                        Key::F8};
    auto answer = [&](FormRequest request) {
        if (request.kind == Request::ConfirmDelete) form.answerDelete(random() % 3 == 0);
        if (request.kind == Request::DiscountDialog) form.answerDiscount(random() % 2 == 0, "97", "3", "19");
    };
    auto pick = [&](std::initializer_list<const char*> choices) {
        return std::string(*(choices.begin() + random() % choices.size()));
    };
    for (int round = 0; round < 1500; ++round) {
        // A plausible line, field by field, with the odd kind key and either answer...
        type(form, format("%02u.%02u", 1 + random() % 31, 1 + random() % 13));
        for (std::string field : {pick({"", "R1", "77"}), pick({"1000", "12", "4930", "84", "10001", "3425", "BA"}),
                                  pick({"1000", "12", "4930", "84", "10001", "3425", "BA"}), pick({"", "Text", "a.#b"}),
                                  pick({"100", "119.00", "0", "-5", "99999999999", "12.345"})}) {
            answer(press(form, random() % 4 ? Key::Tab : Key::Enter));
            type(form, field);
        }
        if (random() % 4 == 0) answer(press(form, pick({"4", "5", "6"})[0] == '4' ? Key::F4 : Key::F5));
        answer(press(form, Key::Tab));
        type(form, pick({"", "7", "19", "120"}));
        answer(press(form, Key::Tab));
        type(form, random() % 4 ? "J" : "N");
        // ...then some wandering: browsing, deleting, overwriting booked lines.
        for (int k = 0, n = static_cast<int>(random() % 6); k < n; ++k) {
            const unsigned what = random() % 8;
            KeyPress key = what < 5 ? KeyPress::of(keys[random() % std::size(keys)], random() % 8 == 0 ? kShift : kNoModifier)
                           : what < 7 ? KeyPress::typed(characters[random() % characters.size()])
                                      : KeyPress::control('Y');
            answer(form.handleKey(key));
        }
        answer(press(form, Key::End, kCtrl));
        ASSERT_GE(form.cursorColumn(), 0);
        ASSERT_LT(form.cursorColumn(), 80);
    }

    // Every posting type splits into amounts that add up to nothing, so all slots together stay at zero.
    ledger::CSalden& cursor = circle.doc->reportCursor();
    double total = 0.0;
    for (int r = 0; r < cursor.count(); ++r) {
        ASSERT_GT(cursor.read(r), 0);
        total += cursor.balance();
    }
    EXPECT_NEAR(total, 0.0, 0.005);

    // The files open again as they were left, and the form counted every booking.
    long count = circle.doc->journal().count();
    EXPECT_GT(count, 100);  // the walk did book
    EXPECT_EQ(form.bookingCount(), count);
    circle.doc->closeCircle();
    ASSERT_EQ(circle.doc->openCircle(1), 1);
    EXPECT_EQ(circle.doc->journal().count(), count);
}

}  // namespace
}  // namespace tellmark::entry::testing
