// The welcome page's rules for its texts and its folder field, apart from the
// window code so they can be checked on their own.
#pragma once
#include <initializer_list>
#include <string>

// Release numbers of the product this setup installs.
constexpr int kReleaseMajor = 4;
constexpr int kReleaseMinor = 58;

// A dialog template's text used as a format: each "%s" takes the next
// argument in turn, "%%" stands for "%"; any other character stays as it is.
std::wstring FormatTemplateText(const wchar_t* format, std::initializer_list<const wchar_t*> args);

// Next on the welcome page accepts only a folder text with a drive part:
// a second character that is a colon.
bool HasDrivePart(const wchar_t* folder);

// The folder chosen in the picker, as the field receives it: a trailing
// backslash, and "Pictomaze\" appended unless the last part already is the
// product folder (any case) or, without a parent folder, unless it is a drive
// root. `folder` holds 260 characters; false and `folder` unchanged when the
// result would not fit.
bool AppendProductFolder(wchar_t* folder);

// The folder the picker opens at: the field's text without its trailing
// backslash, except for a drive root such as C:\.
std::wstring PickerPreselection(const wchar_t* folder);
