#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>

#include "integration/FileTypeCatalogue.h"

TEST(FileTypeCatalogue, CountsAndKinds)
{
    int pairs = 0;
    std::set<std::wstring> classes;
    for (int i = 0; i < kGroupCount; ++i) {
        const FileTypeGroup& g = GetFileTypeGroup(i);
        EXPECT_EQ(g.index, i);
        EXPECT_EQ(g.kind == FileTypeKind::Image, i < kImageGroupCount) << i;
        ASSERT_GT(g.extensionCount, 0);
        pairs += g.extensionCount;
        for (int e = 0; e < g.extensionCount; ++e) classes.insert(g.extensions[e].classExtension);
    }
    EXPECT_EQ(pairs, kExtensionPairCount);
    EXPECT_EQ(classes.size(), 67u);
}

// The list text names exactly the group's extensions, in order, in upper case.
TEST(FileTypeCatalogue, ListTextNamesTheExtensions)
{
    for (int i = 0; i < kGroupCount; ++i) {
        const FileTypeGroup& g = GetFileTypeGroup(i);
        std::wstring joined;
        for (int e = 0; e < g.extensionCount; ++e) {
            if (e) joined += L'/';
            for (const wchar_t* p = g.extensions[e].extension; *p; ++p) joined += towupper(*p);
        }
        EXPECT_EQ(joined, g.listText) << i;
    }
}

TEST(FileTypeCatalogue, ClassExtensionsAndIcons)
{
    struct Case { int group; int ext; const wchar_t* extension; const wchar_t* cls; };
    const Case cases[] = {
        {23, 0, L"jpg", L"jpg"}, {23, 1, L"jpeg", L"jpg"}, {23, 2, L"jpe", L"jpg"},
        {51, 0, L"mpg", L"mpg"}, {51, 1, L"mpe", L"mpe"}, {51, 2, L"mpeg", L"mpg"},
        {25, 0, L"mng", L"mng"}, {25, 1, L"jng", L"jng"}, {2, 1, L"dib", L"bmp"},
        {58, 1, L"snd", L"au"},  {55, 1, L"rmi", L"rmi"}, {4, 2, L"cr3", L"cr3"},
    };
    for (const Case& c : cases) {
        const ExtensionPair& p = GetFileTypeGroup(c.group).extensions[c.ext];
        EXPECT_STREQ(p.extension, c.extension);
        EXPECT_STREQ(p.classExtension, c.cls);
    }
    for (int i = 0; i < kGroupCount; ++i) {
        int expected = (i == 0 || i == 5 || i == 19) ? kIconOwnFile : (i >= 49 && i <= 53) ? 9 : (i >= 54) ? 8 : 0;
        EXPECT_EQ(GetFileTypeGroup(i).iconIndex, expected) << i;
    }
}

TEST(AssociationSelection, SelectingOperations)
{
    AssociationSelection s;
    for (int i = 0; i < kGroupCount; ++i) EXPECT_FALSE(s.IsSelected(i));
    s.SelectImages();
    for (int i = 0; i < kGroupCount; ++i) EXPECT_EQ(s.IsSelected(i), i <= 46) << i;
    s.SelectAll();
    for (int i = 0; i < kGroupCount; ++i) EXPECT_TRUE(s.IsSelected(i));
    s.SelectNone();
    for (int i = 0; i < kGroupCount; ++i) EXPECT_FALSE(s.IsSelected(i));
}
