#include <gtest/gtest.h>

#include "app/StartUp.h"
#include "install/PathOperations.h"
#include "resources/resource.h"

TEST(StartUp, DllSearchPathIsRestrictedThroughTheSystemKernel)
{
    EXPECT_TRUE(RestrictDllSearchPath(0x800));
    EnableVisualStyles();  // twice: the library stays loaded, the call repeats
    EnableVisualStyles();
}

// The German texts survive the resource compiler with their umlauts and line feeds.
TEST(StringTable, GermanMessages)
{
    struct Case { UINT id; const wchar_t* text; };
    const Case cases[] = {
        {IDS_BUTTON_QUIT, L"&Beenden"},
        {IDS_CONFIRM_QUIT, L"Installation beenden?"},
        {IDS_INVALID_TARGET, L"Ungültiges Zielverzeichnis!"},
        {IDS_VIEWER_RUNNING,
         L"Warnung: Pictomaze läuft!\nBeenden Sie bitte Pictomaze bevor Sie mit der Installation fortsetzen!"},
        {IDS_CONFIRM_ASSOC, L"Sie möchten die aktuellen Verknüpfungen ändern und einen oder mehrere Dateitypen mit "
                            L"Pictomaze verknüpfen!\n\nSind Sie sicher!?"},
    };
    for (const Case& c : cases) {
        wchar_t buffer[1024];
        LoadMessage(c.id, buffer, 1024);
        EXPECT_STREQ(buffer, c.text);
    }
    for (UINT id = 1; id <= 11; ++id) {
        wchar_t buffer[1024];
        LoadMessage(id, buffer, 1024);
        EXPECT_NE(buffer[0], L'\0') << id;
    }
}
