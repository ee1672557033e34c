#include "chat/chat_room_locator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/fake_window_tree.h"

namespace lumivane {
namespace {

const std::vector<std::string> kMarkingClasses = {"RICHCNTL", "_AOL_Listbox", "_AOL_Icon",
                                                  "_AOL_Static"};

// A document window with one child of each class given.
WindowHandle AddDocument(FakeWindowTree& tree, WindowHandle area,
                         const std::vector<std::string>& childClasses) {
    const WindowHandle document = tree.Add(area, "AOL Child");
    for (const std::string& name : childClasses) tree.Add(document, name);
    return document;
}

WindowHandle AddRoom(FakeWindowTree& tree, WindowHandle area) {
    return AddDocument(tree, area, kMarkingClasses);
}

// The client's frame and its document area.
WindowHandle AddClient(FakeWindowTree& tree) {
    const WindowHandle frame = tree.Add(0, "AOL Frame25");
    return tree.Add(frame, "MDIClient");
}

struct Scenario {
    const char* what;
    // Builds the tree; returns the room expected to be found, or 0.
    std::function<WindowHandle(FakeWindowTree&)> build;
};

TEST(FindChatRoom, FindsTheFirstDocumentWindowWithAllFourMarkings) {
    const Scenario scenarios[] = {
        {"one room", [](FakeWindowTree& t) { return AddRoom(t, AddClient(t)); }},
        {"two rooms: the first in the area's order wins",
         [](FakeWindowTree& t) {
             const WindowHandle area = AddClient(t);
             const WindowHandle first = AddRoom(t, area);
             AddRoom(t, area);
             return first;
         }},
        {"other document windows before the room are passed over",
         [](FakeWindowTree& t) {
             const WindowHandle area = AddClient(t);
             AddDocument(t, area, {});
             AddDocument(t, area, {"RICHCNTL", "_AOL_Listbox", "_AOL_Static"});
             return AddRoom(t, area);
         }},
        {"other windows between the room and its siblings do not matter",
         [](FakeWindowTree& t) {
             const WindowHandle area = AddClient(t);
             t.Add(area, "AOL Toolbar");
             AddDocument(t, area, {"_AOL_Icon"});
             t.Add(area, "Something Else");
             return AddRoom(t, area);
         }},
        {"the markings may come in any order and among other controls",
         [](FakeWindowTree& t) {
             return AddDocument(t, AddClient(t),
                                {"_AOL_Static", "_AOL_Button", "_AOL_Icon", "RICHCNTL", "RICHCNTL",
                                 "_AOL_Listbox"});
         }},
        {"class names differing only in letter case are found",
         [](FakeWindowTree& t) {
             const WindowHandle frame = t.Add(0, "aol frame25");
             const WindowHandle area = t.Add(frame, "mdiclient");
             const WindowHandle room = t.Add(area, "AOL CHILD");
             for (const char* name : {"RichCntl", "_aol_listbox", "_AOL_ICON", "_Aol_Static"})
                 t.Add(room, name);
             return room;
         }},
        {"other top-level windows before the frame do not matter",
         [](FakeWindowTree& t) {
             t.Add(0, "Shell_TrayWnd");
             t.Add(0, "MDIClient");
             return AddRoom(t, AddClient(t));
         }},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.what);
        FakeWindowTree tree;
        const WindowHandle expected = s.build(tree);
        ASSERT_NE(expected, 0u);
        EXPECT_EQ(FindChatRoom(tree), expected);
    }
}

TEST(FindChatRoom, AnswersNullWhenNoWindowCountsAsAChatRoom) {
    const Scenario scenarios[] = {
        {"no client running", [](FakeWindowTree&) { return WindowHandle{0}; }},
        {"unrelated top-level windows only",
         [](FakeWindowTree& t) {
             t.Add(0, "Notepad");
             t.Add(0, "AOL Child");
             return WindowHandle{0};
         }},
        {"a frame without a document area",
         [](FakeWindowTree& t) {
             const WindowHandle frame = t.Add(0, "AOL Frame25");
             AddRoom(t, frame);  // a room straight in the frame is not in the area
             return WindowHandle{0};
         }},
        {"a document area without document windows",
         [](FakeWindowTree& t) {
             AddClient(t);
             return WindowHandle{0};
         }},
        {"a room with its marking controls one level too deep",
         [](FakeWindowTree& t) {
             const WindowHandle document = t.Add(AddClient(t), "AOL Child");
             const WindowHandle panel = t.Add(document, "_AOL_View");
             for (const std::string& name : kMarkingClasses) t.Add(panel, name);
             return WindowHandle{0};
         }},
        {"rooms split over two frames: only the first frame is searched",
         [](FakeWindowTree& t) {
             AddDocument(t, AddClient(t), {"RICHCNTL"});
             AddRoom(t, AddClient(t));
             return WindowHandle{0};
         }},
        {"a room in a second document area of the frame is not searched",
         [](FakeWindowTree& t) {
             const WindowHandle frame = t.Add(0, "AOL Frame25");
             t.Add(frame, "MDIClient");
             AddRoom(t, t.Add(frame, "MDIClient"));
             return WindowHandle{0};
         }},
        {"a room in a document window nested in another document window",
         [](FakeWindowTree& t) {
             const WindowHandle outer = t.Add(AddClient(t), "AOL Child");
             AddRoom(t, outer);
             return WindowHandle{0};
         }},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.what);
        FakeWindowTree tree;
        s.build(tree);
        EXPECT_EQ(FindChatRoom(tree), 0u);
    }
}

TEST(FindChatRoom, ADocumentWindowLackingAnyOneMarkingIsNoRoom) {
    for (std::size_t missing = 0; missing < kMarkingClasses.size(); ++missing) {
        SCOPED_TRACE("without " + kMarkingClasses[missing]);
        std::vector<std::string> present = kMarkingClasses;
        present.erase(present.begin() + static_cast<std::ptrdiff_t>(missing));
        FakeWindowTree tree;
        const WindowHandle area = AddClient(tree);
        AddDocument(tree, area, present);
        EXPECT_EQ(FindChatRoom(tree), 0u);
        // The same document window with the missing control added now counts.
        const WindowHandle later = AddDocument(tree, area, kMarkingClasses);
        EXPECT_EQ(FindChatRoom(tree), later);
    }
}

TEST(FindChatRoom, EveryMarkingIsLookedUpInEveryCandidate) {
    // Each candidate is tested with all four lookups, even after the first one
    // already failed, and nothing else is looked up in it.
    FakeWindowTree tree;
    const WindowHandle area = AddClient(tree);
    const WindowHandle empty = AddDocument(tree, area, {});
    const WindowHandle partial = AddDocument(tree, area, {"_AOL_Static"});
    const WindowHandle room = AddRoom(tree, area);
    ASSERT_EQ(FindChatRoom(tree), room);
    for (const WindowHandle candidate : {empty, partial, room}) {
        std::vector<std::string> looked;
        for (const auto& lookup : tree.Lookups()) {
            if (lookup.parent == candidate) {
                EXPECT_EQ(lookup.after, 0u);
                looked.push_back(lookup.className);
            }
        }
        EXPECT_EQ(looked, kMarkingClasses);
    }
    // Two lookups reach the area, then five for each of the three candidates.
    EXPECT_EQ(tree.Lookups().size(), 2u + 5u * 3u);
}

TEST(FindChatRoom, KeepsNothingBetweenCalls) {
    FakeWindowTree tree;
    const WindowHandle area = AddClient(tree);
    const WindowHandle first = AddRoom(tree, area);
    const WindowHandle second = AddRoom(tree, area);
    EXPECT_EQ(FindChatRoom(tree), first);
    tree.Remove(first);
    EXPECT_EQ(FindChatRoom(tree), second);
    tree.Remove(second);
    EXPECT_EQ(FindChatRoom(tree), 0u);
    const WindowHandle reopened = AddRoom(tree, area);
    EXPECT_EQ(FindChatRoom(tree), reopened);
}

TEST(FindChatRoom, WithNoFrameTheLookupsGoOnWithANullParent) {
    // The null handles are passed on as they are: the system then searches the
    // top-level windows, where the client's inner classes are not found.
    FakeWindowTree tree;
    tree.Add(0, "Notepad");
    EXPECT_EQ(FindChatRoom(tree), 0u);
    const auto& lookups = tree.Lookups();
    ASSERT_GE(lookups.size(), 3u);
    EXPECT_EQ(lookups[1].parent, 0u);
    EXPECT_EQ(lookups[1].className, "MDIClient");
    EXPECT_EQ(lookups[2].parent, 0u);
    EXPECT_EQ(lookups[2].className, "AOL Child");
    // The walk ends: the null candidate has no next sibling.
    EXPECT_LT(lookups.size(), 20u);
}

}  // namespace
}  // namespace lumivane
