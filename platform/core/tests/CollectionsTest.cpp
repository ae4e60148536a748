#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"
#include "platform/core/CObList.h"
#include "platform/core/CPtrList.h"
#include "platform/core/MapEntries.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Item : public CObject {
    DECLARE_DYNCREATE(Item)

public:
    int value = 0;
};
IMPLEMENT_DYNCREATE(Item, CObject)

class SpecialItem : public Item {
    DECLARE_DYNAMIC(SpecialItem)
};
IMPLEMENT_DYNAMIC(SpecialItem, Item)

std::vector<int> Values(const CPtrList& list) {
    std::vector<int> out;
    POSITION pos = list.GetHeadPosition();
    while (pos) {
        out.push_back(*static_cast<int*>(list.GetNext(pos)));
    }
    return out;
}

} // namespace

TEST(RuntimeClass, KindOfFollowsTheBaseChain) {
    SpecialItem special;
    EXPECT_TRUE(special.IsKindOf(RUNTIME_CLASS(Item)));
    EXPECT_TRUE(special.IsKindOf(RUNTIME_CLASS(CObject)));
    Item item;
    EXPECT_FALSE(item.IsKindOf(RUNTIME_CLASS(SpecialItem)));
    EXPECT_STREQ(special.GetRuntimeClass()->m_lpszClassName, "SpecialItem");
}

TEST(RuntimeClass, DynamicCreationByClass) {
    CObject* made = RUNTIME_CLASS(Item)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(Item)));
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(SpecialItem)->CreateObject(), nullptr);
}

TEST(PointerLists, InsertRemoveAndIterateKeepOrder) {
    int v[5] = {0, 1, 2, 3, 4};
    CPtrList list;
    list.AddTail(&v[1]);
    list.AddTail(&v[3]);
    list.AddHead(&v[0]);
    POSITION three = list.Find(&v[3]);
    list.InsertBefore(three, &v[2]);
    list.InsertAfter(three, &v[4]);
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(list.GetCount(), 5);
    list.RemoveAt(list.FindIndex(2));
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(*static_cast<int*>(list.RemoveHead()), 0);
    EXPECT_EQ(*static_cast<int*>(list.RemoveTail()), 4);
    EXPECT_EQ(list.FindIndex(5), nullptr);
    POSITION back = list.GetTailPosition();
    EXPECT_EQ(*static_cast<int*>(list.GetPrev(back)), 3);
    EXPECT_EQ(*static_cast<int*>(list.GetAt(back)), 1);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
}

TEST(WordMaps, IterateInKeyOrderAndSurviveRemovalDuringIteration) {
    CMapWordToOb map;
    Item items[4];
    map.SetAt(30, &items[0]);
    map.SetAt(2, &items[1]);
    map[65535] = &items[2];
    map.SetAt(7, &items[3]);
    std::vector<WORD> keys;
    POSITION pos = map.GetStartPosition();
    WORD key = 0;
    CObject* value = nullptr;
    while (pos && map.FetchNext(pos, key, value)) {
        keys.push_back(key);
        if (key == 7) {
            map.RemoveKey(7);
            map.RemoveKey(30); // the entry that pos names
        }
    }
    EXPECT_EQ(keys, (std::vector<WORD>{2, 7, 65535}));
    EXPECT_EQ(map.GetCount(), 2);
    CObject* found = nullptr;
    EXPECT_TRUE(map.Lookup(2, found));
    EXPECT_EQ(found, &items[1]);
    EXPECT_FALSE(map.Lookup(30, found));

    CMapWordToPtr ptrs;
    EXPECT_EQ(ptrs.GetStartPosition(), nullptr);
    ptrs.SetAt(0, nullptr);
    EXPECT_EQ(ptrs.MaxKey(), 0);
}

// The typed loop sees what the position loop sees, removal of the next entry included,
// and a null value is an entry like any other.
TEST(WordMaps, TypedEntriesFollowTheKeyOrderAndSurviveRemoval) {
    CMapWordToOb map;
    Item items[3];
    map.SetAt(30, &items[0]);
    map.SetAt(2, &items[1]);
    map.SetAt(7, &items[2]);
    std::vector<std::pair<WORD, Item*>> seen;
    for (auto [key, item] : platform::MapEntries<Item>(map)) {
        seen.emplace_back(key, item);
        map.RemoveKey(30);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<WORD, Item*>>{{2, &items[1]}, {7, &items[2]}}));

    CMapWordToPtr ptrs;
    int value = 5;
    ptrs.SetAt(3, &value);
    ptrs.SetAt(9, nullptr);
    std::vector<std::pair<WORD, const int*>> values;
    for (auto [key, pointer] : platform::MapEntries<const int>(ptrs)) {
        values.emplace_back(key, pointer);
    }
    EXPECT_EQ(values, (std::vector<std::pair<WORD, const int*>>{{3, &value}, {9, nullptr}}));
}
