// Control identifiers of the wizard's page dialogs, shared by wizard.rc and the program.
#pragma once

// Welcome page (101)
#define IDC_TARGET_FOLDER      1000
#define IDC_BROWSE             1009
#define IDC_DESKTOP_SHORTCUT   1011
#define IDC_PROGRAM_GROUP      1012
#define IDC_WELCOME_HEADING    1013
#define IDC_CURRENT_USER       1016
#define IDC_ALL_USERS          1017
#define IDC_NO_SHORTCUTS       1019
#define IDC_THUMBS_SHORTCUT    1021
#define IDC_EULA_LINK          1045
#define IDC_VERSION_LINE       1056

// Release notes page (108)
#define IDC_RELEASE_NOTES      1000

// Association page (104)
#define IDC_ASSOC_ALL_USERS    1037
#define IDC_ASSOC_ALL          1080
#define IDC_ASSOC_NONE         1081
#define IDC_ASSOC_IMAGES       1091
#define IDC_ASSOC_LIST         1579
#define IDC_ASSOC_WRITE        3311

// Ready page (109)
#define IDC_READY_HEADING      1014
#define IDC_TARGET_LINE        1010
#define IDC_INI_PROGRAM_FOLDER 1038
#define IDC_INI_APPDATA        1039
#define IDC_INSTALLING         1044

// Finish page (110)
#define IDC_FINISH_HEADING     1015
#define IDC_START_VIEWER       1020
#define IDC_SHOW_FAQ           1022

// Buttons of the wizard frame
#define IDC_WIZARD_BACK        12323
#define IDC_WIZARD_NEXT        12324
