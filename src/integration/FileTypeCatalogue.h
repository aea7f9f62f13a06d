// The fixed, ordered list of file type groups the viewer can be associated with.
#pragma once

constexpr int kGroupCount = 61;
constexpr int kImageGroupCount = 47;
constexpr int kExtensionPairCount = 84;

// Icon of a group's class: the file's own content, or an icon of the viewer.
constexpr int kIconOwnFile = -1;

enum class FileTypeKind { Image, Other };

struct ExtensionPair {
    const wchar_t* extension;       // lower case, without the dot
    const wchar_t* classExtension;  // names the class the extension is bound to
};

struct FileTypeGroup {
    int index;
    const wchar_t* listText;
    const wchar_t* description;
    FileTypeKind kind;
    const ExtensionPair* extensions;
    int extensionCount;
    int iconIndex;  // kIconOwnFile or an icon index inside p_maze32.exe
};

const FileTypeGroup& GetFileTypeGroup(int index);

// One flag per catalogue group, in catalogue order.
struct AssociationSelection {
    int flags[kGroupCount] = {};

    void SelectNone();
    void SelectImages();
    void SelectAll();
    bool IsSelected(int index) const { return index >= 0 && index < kGroupCount && flags[index] != 0; }
};
