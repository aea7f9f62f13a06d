// Resource identifiers shared by the resource script and the program.
#pragma once

// String table
#define IDS_BUTTON_QUIT          1
#define IDS_BUTTON_FINISH        2
#define IDS_CONFIRM_QUIT         3
#define IDS_BIT_TEXT             4
#define IDS_INVALID_TARGET       5
#define IDS_TARGET_LABEL         6
#define IDS_INSTALL_FAILED       7
#define IDS_BROWSE_TITLE         8
#define IDS_CONFIRM_ASSOC        9
#define IDS_VIEWER_RUNNING      10
#define IDS_CANNOT_CREATE_TARGET 11

// Payload archive and release notes
#define IDR_PAYLOAD_ZIP       1974
#define IDR_RELEASE_NOTES      217

// Pictures
#define IDI_SETUP              111
#define IDB_LOGO               113

// Page dialogs
#define IDD_WELCOME            101
#define IDD_ASSOCIATIONS       104
#define IDD_RELEASE_NOTES      108
#define IDD_READY              109
#define IDD_FINISHED           110
