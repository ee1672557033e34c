#include "chat/chat_line_sender.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fade/chat_line.h"
#include "tests/support/fake_window_tree.h"
#include "tests/support/narrow.h"

namespace lumivane {
namespace {

using Kind = FakeWindowTree::MessageKind;

struct Client {
    WindowHandle area;
};

Client AddClient(FakeWindowTree& tree) {
    const WindowHandle frame = tree.Add(0, "AOL Frame25");
    return {tree.Add(frame, "MDIClient")};
}

// A room whose first control of the input class is returned; a second one (the
// client's transcript, say) follows it.
WindowHandle AddRoom(FakeWindowTree& tree, WindowHandle area, const char* inputClass = "RICHCNTL") {
    const WindowHandle room = tree.Add(area, "AOL Child");
    tree.Add(room, "_AOL_Static");
    const WindowHandle input = tree.Add(room, inputClass);
    tree.Add(room, "RICHCNTL");
    tree.Add(room, "_AOL_Listbox");
    tree.Add(room, "_AOL_Icon");
    return input;
}

void ExpectLineThenEnter(const FakeWindowTree& tree, WindowHandle input,
                         const std::u16string& line) {
    const auto& sent = tree.Delivered();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].window, input);
    EXPECT_EQ(sent[0].kind, Kind::SetText);
    EXPECT_EQ(sent[0].text, line);
    EXPECT_EQ(sent[1].window, input);
    EXPECT_EQ(sent[1].kind, Kind::Char);
    EXPECT_EQ(sent[1].code, 13u);
}

TEST(SendChatLine, PutsTheLineUnchangedIntoTheFirstInputControlThenTypesEnter) {
    const std::u16string lines[] = {
        ComposeChatLine(255, 65280, 16711680, u"Arial", u"hello"),
        ComposeChatLine(255, 65280, 16711680, u"Arial", u""),  // just the face tag
        u"<b>\"quoted\" & 'single' </font> <<>>",
        ComposeChatLine(0, 0xFFFFFF, 0x123456, u"Arial",
                        std::u16string(4761, u'w')),  // 100 000 characters
        u"",
    };
    for (const std::u16string& line : lines) {
        SCOPED_TRACE(Narrow(line.substr(0, 60)));
        FakeWindowTree tree;
        const WindowHandle input = AddRoom(tree, AddClient(tree).area);
        SendChatLine(tree, line);
        ExpectLineThenEnter(tree, input, line);
    }
}

TEST(SendChatLine, InputControlClassMatchesWithoutRegardToCase) {
    for (const char* inputClass : {"RICHCNTL", "richcntl", "RichCntl"}) {
        SCOPED_TRACE(inputClass);
        FakeWindowTree tree;
        const WindowHandle input = AddRoom(tree, AddClient(tree).area, inputClass);
        SendChatLine(tree, u"x");
        ExpectLineThenEnter(tree, input, u"x");
    }
}

TEST(SendChatLine, GoesToTheRoomTheLocatorFinds) {
    FakeWindowTree tree;
    const WindowHandle area = AddClient(tree).area;
    const WindowHandle notRoom = tree.Add(area, "AOL Child");
    tree.Add(notRoom, "RICHCNTL");  // an input control, but no room around it
    const WindowHandle first = AddRoom(tree, area);
    AddRoom(tree, area);
    SendChatLine(tree, u"line");
    ExpectLineThenEnter(tree, first, u"line");
}

TEST(SendChatLine, DeliversNothingWithoutARoom) {
    struct Row {
        const char* what;
        void (*build)(FakeWindowTree&);
    };
    const Row rows[] = {
        {"no client", [](FakeWindowTree&) {}},
        {"a client with no document window", [](FakeWindowTree& t) { AddClient(t); }},
        {"a document window that is no room",
         [](FakeWindowTree& t) {
             const WindowHandle doc = t.Add(AddClient(t).area, "AOL Child");
             t.Add(doc, "RICHCNTL");
             t.Add(doc, "_AOL_Listbox");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeWindowTree tree;
        row.build(tree);
        SendChatLine(tree, u"line");
        EXPECT_TRUE(tree.Delivered().empty());
    }
}

struct OutcomeRow {
    const char* what;
    // Builds the windows; returns the window the line should reach, or 0.
    WindowHandle (*build)(FakeWindowTree&);
    Delivery delivery;
    bool refusedTwice;  // both messages were tried and refused
};

// The sender tells the window what became of the line, so a refused line is not
// taken for a sent one; with no room open the line goes nowhere, as it always did.
const OutcomeRow kOutcomes[] = {
    {"a room takes the line", [](FakeWindowTree& t) { return AddRoom(t, AddClient(t).area); },
     Delivery::Handled, false},
    {"no client", [](FakeWindowTree&) -> WindowHandle { return 0; }, Delivery::NoWindow, false},
    {"a client with no room",
     [](FakeWindowTree& t) -> WindowHandle {
         AddClient(t);
         return 0;
     },
     Delivery::NoWindow, false},
    {"a client of higher rights",
     [](FakeWindowTree& t) -> WindowHandle {
         t.Shield(AddRoom(t, AddClient(t).area));
         return 0;
     },
     Delivery::Refused, true},
    // The control is looked up with a null parent when no room is open, which
    // searches the top-level windows: one of the input class takes the line.
    {"no room, a top-level window of the input class",
     [](FakeWindowTree& t) { return t.Add(0, "RichCntl"); }, Delivery::Handled, false},
};

TEST(SendChatLine, TellsWhatBecameOfTheLine) {
    for (const OutcomeRow& row : kOutcomes) {
        SCOPED_TRACE(row.what);
        FakeWindowTree tree;
        const WindowHandle target = row.build(tree);
        EXPECT_EQ(SendChatLine(tree, u"line"), row.delivery);
        if (target != 0) {
            ExpectLineThenEnter(tree, target, u"line");
        } else {
            EXPECT_TRUE(tree.Delivered().empty());
        }
        if (row.refusedTwice) {
            const auto& refused = tree.Refused();
            ASSERT_EQ(refused.size(), 2u);
            EXPECT_EQ(refused[0].kind, Kind::SetText);
            EXPECT_EQ(refused[0].text, u"line");
            EXPECT_EQ(refused[1].kind, Kind::Char);
        } else {
            EXPECT_TRUE(tree.Refused().empty());
        }
    }
}

struct UntakenRow {
    const char* what;
    void (*spoil)(FakeWindowTree&, WindowHandle input);
    Delivery delivery;
};

// A client that does not answer, or a control that does not take the text: the
// line is reported as not sent, and no Enter follows, which would send whatever
// the control held before.
TEST(SendChatLine, NoEnterFollowsATextTheClientDidNotTake) {
    const UntakenRow rows[] = {
        {"the client hangs", [](FakeWindowTree& t, WindowHandle input) { t.Hang(input); },
         Delivery::NotResponding},
        {"the control answers FALSE",
         [](FakeWindowTree& t, WindowHandle input) { t.RefuseText(input); }, Delivery::NotTaken},
    };
    for (const UntakenRow& row : rows) {
        SCOPED_TRACE(row.what);
        FakeWindowTree tree;
        const WindowHandle input = AddRoom(tree, AddClient(tree).area);
        row.spoil(tree, input);
        EXPECT_EQ(SendChatLine(tree, u"line"), row.delivery);
        EXPECT_TRUE(tree.Delivered().empty());
        const auto& tried =
            row.delivery == Delivery::NotResponding ? tree.Unanswered() : tree.NotTaken();
        ASSERT_EQ(tried.size(), 1u);
        EXPECT_EQ(tried[0].window, input);
        EXPECT_EQ(tried[0].kind, Kind::SetText);
        EXPECT_EQ(tried[0].text, u"line");
        EXPECT_TRUE(tree.Refused().empty());
    }
}

TEST(SendChatLine, LocatesTheRoomAfreshForEveryLine) {
    FakeWindowTree tree;
    const WindowHandle area = AddClient(tree).area;
    const WindowHandle firstInput = AddRoom(tree, area);
    const WindowHandle firstRoom = tree.FindWindowExA(area, 0, "AOL Child");
    const WindowHandle secondInput = AddRoom(tree, area);

    SendChatLine(tree, u"one");
    ExpectLineThenEnter(tree, firstInput, u"one");

    tree.ClearRecords();
    tree.Remove(firstRoom);
    SendChatLine(tree, u"two");
    ExpectLineThenEnter(tree, secondInput, u"two");

    tree.ClearRecords();
    tree.Remove(tree.FindWindowExA(area, 0, "AOL Child"));
    SendChatLine(tree, u"three");
    EXPECT_TRUE(tree.Delivered().empty());
}

}  // namespace
}  // namespace lumivane
