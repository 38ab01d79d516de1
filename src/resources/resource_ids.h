// Ids shared by the resource scripts and the C++ code. Keep it free of
// anything windres cannot read (plain #defines only).
#pragma once

// Templates, menus, icons, accelerators
#define IDD_VERSION            100
#define IDD_MAIN               102
#define IDI_TARVELO            128
#define IDR_MAIN_MENU          129
#define IDR_ACCELERATORS       130
#define IDR_LIST_CONTEXT_MENU  131
#define IDR_DROP_MENU          132
#define IDR_POPUP_MENU         161

// Strings
#define IDS_VERSION_MENU       101
#define IDS_LANGUAGE_MARKER    102
#define IDS_THEME_MENU         103   // "Color Thema", the theme submenu's title
#define IDS_MENU_BAR_ITEM      104   // system menu item 32870 "Menu Bar(&B)"
// Every command id is also a string id holding the command's plain name
// (no "&", no shown key, no "..."), for tool tips and titles. The theme
// commands' rows are the theme names.
#define IDS_THEME_FIRST        32901
#define IDS_THEME_LAST         32908

// Main window controls
#define IDC_LIST               1000
#define IDC_LIST_SCROLL        1002
#define IDC_DRIVE_BAR          1026
#define IDC_SIDE_BAR           1029
#define IDC_VERSION_FRAME      1031
// Version dialog (template 100)
#define IDC_VERSION_ICON       1050
#define IDC_VERSION_TITLE      1051
#define IDC_VERSION_LINK       1052
#define IDC_VERSION_NOTE       1053
#define IDC_SIDE_SCROLL        1039
#define IDC_SPLIT_BAR          1043
// Media player (template 175): the window the player control fills
#define IDD_MEDIA_PLAYER       175
#define IDC_MEDIA_PLAYER_CONTROL 1045
#define IDC_THEMED_LIST_SCROLL 27001
#define IDC_THEMED_SIDE_SCROLL 27002

// System menu
#define IDM_SYS_VERSION        16
#define IDM_SYS_MENU_BAR       32870
#define IDM_SYS_CLOSE_VIEWER   32872
#define IDM_SYS_SAVE_SETTINGS  32874

// Commands
#define IDM_EXIT               32771
#define IDM_SELECT_FOLDER      32772
#define IDM_VERSION            32773
#define IDM_TOP_MOST           32775
#define IDM_RELOAD             32776
#define IDM_PROPERTY           32778
#define IDM_SELECT_ALL         32786
#define IDM_SELECT_REVERSE     32787
#define IDM_VIEW_MODE          32788
#define IDM_PARENT_FOLDER      32789
#define IDM_CHANGE_DRIVE       32790
#define IDM_DROP_COPY          32791
#define IDM_DROP_MOVE          32792
#define IDM_DROP_CANCEL        32793
#define IDM_DROP_OPEN          32794
#define IDM_COPY_FILENAME      32795
#define IDM_PASTE              32796
#define IDM_COPY_FULLPATH      32797
#define IDM_DELETE             32798
#define IDM_MAKE_FOLDER        32799
#define IDM_RENAME             32800
#define IDM_FONT_SETTING       32801
#define IDM_NEW_PROCESS        32802
#define IDM_TIMESTAMP          32804
#define IDM_ATTRIBUTE          32805
#define IDM_LOWERCASE_RENAME   32806
#define IDM_UPPERCASE_RENAME   32807
#define IDM_REPLACE_RENAME     32808
#define IDM_APPEND_RENAME      32809
#define IDM_NUMBER_RENAME      32810
#define IDM_CLEAR_ALL          32811
#define IDM_TRANSLUCENT        32812
#define IDM_EXIT_CONFIRM       32819
#define IDM_OPEN               32821
#define IDM_EDIT_FILE          32822
#define IDM_FILE_COPY          32823
#define IDM_FILE_MOVE          32824
#define IDM_SOUND_ON_COMPLETE  32825
#define IDM_COMMAND_EXECUTION  32826
#define IDM_STRIPED_ROW        32827
#define IDM_SEARCH_SELECT      32828
#define IDM_COMPRESS           32829
#define IDM_EXPAND             32830
#define IDM_ICON               32831
#define IDM_GRID_LINE          32835
#define IDM_DRIVE_BAR          32836
#define IDM_SIDE_BAR           32837
#define IDM_MAP_NETWORK        32838
#define IDM_DISCONNECT_NETWORK 32839
#define IDM_DEEMPHASIZE        32840
#define IDM_COPY_CREATE_TO_MODIFIED   32841
#define IDM_COPY_MODIFIED_TO_CREATE   32842
#define IDM_COPY_CREATE_TO_ACCESS     32843
#define IDM_COPY_MODIFIED_TO_ACCESS   32844
#define IDM_ASSOCIATED_EXECUTION      32845
#define IDM_FILTERING          32846
#define IDM_DESKTOP_SHORTCUT   32847
#define IDM_VOLUME_LABEL       32849
#define IDM_ASSOCIATION_SETTING 32850
#define IDM_BETWEEN_RENAME     32851
#define IDM_TOOLTIP            32900
#define IDM_THEME_FIRST        32901
#define IDM_THEME_LAST         32908

// Dynamic command ids
#define IDM_SHORTCUT_FOLDER    34100
#define IDM_DRIVE_FIRST        34101
#define IDM_DRIVE_LAST         34126
#define IDM_SIDEBAR_FIRST      34500
#define IDM_SIDEBAR_LAST       34599
#define IDM_ASSOC_FIRST        34700
#define IDM_ASSOC_LAST         34730
#define IDM_ARCHIVER_7ZIP_INFO 34900
#define IDM_ARCHIVER_UNRAR_INFO 34901

// Menu bitmaps (light and dark sets are made from these at start). 16 x 16,
// 24-bit, magenta transparent. Load order and command assignment live in
// shell/menu_icons.h.
#define IDB_MENU_FIRST         140
#define IDB_MENU_OPEN          140
#define IDB_MENU_SELECT_FOLDER 141
#define IDB_MENU_PARENT_FOLDER 142
#define IDB_MENU_INFO          143
#define IDB_MENU_EDIT          144
#define IDB_MENU_PROPERTY      145
#define IDB_MENU_SHORTCUT      146
#define IDB_MENU_VOLUME_LABEL  147
#define IDB_MENU_COMMAND       148
#define IDB_MENU_ASSOCIATED    149
#define IDB_MENU_EXIT          150
#define IDB_MENU_COPY_NAME     152
#define IDB_MENU_PASTE         153
#define IDB_MENU_COPY_PATH     154
#define IDB_MENU_SELECT_ALL    155
#define IDB_MENU_SEARCH        156
#define IDB_MENU_DELETE        157
#define IDB_MENU_FILE_COPY     158
#define IDB_MENU_FILE_MOVE     159
#define IDB_MENU_MAKE_FOLDER   160
#define IDB_MENU_RENAME        162
#define IDB_MENU_TIMESTAMP     163
#define IDB_MENU_ATTRIBUTE     164
#define IDB_MENU_REPLACE_RENAME 165
#define IDB_MENU_COMPRESS      166
#define IDB_MENU_EXPAND        167
#define IDB_MENU_RELOAD        168
#define IDB_MENU_FILTER        169
#define IDB_MENU_FONT          170
#define IDB_MENU_NEW_PROCESS   171

// Timers of the main window
#define TIMER_LOAD_PROGRESS    10001
#define TIMER_WATCH_AND_DRIVES 10002
#define TIMER_REPAINT          10003
#define TIMER_INDICATORS       10004
#define TIMER_RELAYOUT         10005
#define TIMER_OPERATION        10006
#define TIMER_START_FOLDER     10007

// Keyboard help (Help > Keyboard Shortcuts): its command, dialog and list.
#define IDM_KEYBOARD_SHORTCUTS 32890
#define IDD_KEYBOARD_HELP      190
#define IDC_KEYHELP_LIST       1060
// Rename, make folder/file and batch renames: templates and their controls.
#define IDD_NAME               133
#define IDD_REPLACE_NAME       136
#define IDC_RN_NAME_EDIT       1003
#define IDC_RN_SKIP            1004
#define IDC_RN_SEARCH_COMBO    1015
#define IDC_RN_WITH_COMBO      1016
#define IDC_RN_SEARCH_DROP     1004
#define IDC_RN_WITH_DROP       1014
#define IDC_RN_PREVIEW         1049
#define IDD_ATTRIBUTE          135
#define IDC_ATTR_READONLY      1007
#define IDC_ATTR_HIDDEN        1008
#define IDC_ATTR_SYSTEM        1009
#define IDC_ATTR_ARCHIVE       1010
// Append (137), serial number (138) and between (180) renames; each also
// shows IDC_RN_PREVIEW (old -> new names and how many are taken).
#define IDD_APPEND_NAME        137
#define IDC_APPEND_PART        1015
#define IDC_APPEND_POSITION    1016
#define IDC_APPEND_COMBO       1027
#define IDC_APPEND_DROP        1004
#define IDD_SERIAL_NAME        138
#define IDC_SERIAL_PREFIX      1003
#define IDC_SERIAL_NUMBER      1017
#define IDC_SERIAL_SUFFIX      1044
#define IDD_BETWEEN_NAME       180
#define IDC_BETWEEN_START      1003
#define IDC_BETWEEN_END        1017
#define IDC_BETWEEN_WITH       1044
#define IDC_BETWEEN_INDEX      1015
#define IDC_BETWEEN_OLD        1047
#define IDC_BETWEEN_NEW        1048
// Timestamp (134): a date and a time picker per kind, the keep modes and
// the six field boxes (year ... second, 1020-1025).
#define IDD_TIMESTAMP          134
#define IDC_TS_NOW_DATE        1004
#define IDC_TS_CREATE_DATE     1005
#define IDC_TS_CREATE_TIME     1006
#define IDC_TS_KEEP_DATE       1007
#define IDC_TS_KEEP_TIME       1008
#define IDC_TS_USE_CREATE      1009
#define IDC_TS_USE_MODIFIED    1010
#define IDC_TS_USE_ACCESS      1011
#define IDC_TS_DATE_HEADING    1012
#define IDC_TS_TIME_HEADING    1013
#define IDC_TS_NOW_TIME        1014
#define IDC_TS_NOTE            1018
#define IDC_TS_MIDNIGHT        1019
#define IDC_TS_FIELD_FIRST     1020
#define IDC_TS_MODIFIED_DATE   1032
#define IDC_TS_MODIFIED_TIME   1034
#define IDC_TS_ACCESS_DATE     1035
#define IDC_TS_ACCESS_TIME     1036
#define TIMER_TS_FOCUS         1001
// Volume label (178).
#define IDD_VOLUME_LABEL       178
#define IDC_VOL_LABEL          1003
#define IDC_VOL_HEADING        1012
#define IDC_VOL_LABEL_HEADING  1013
#define IDC_VOL_DRIVES         1015
#define IDC_VOL_NOTE           1018

// File operation dialogs: destination folder (151) and overwrite question (174)
#define IDD_FOLDER_SPEC            151
#define IDD_OVERWRITE              174
#define IDC_FOLDER_SPEC_LABEL      1016
#define IDC_FOLDER_SPEC_COMBO      1015
#define IDC_FOLDER_SPEC_REFERENCE  1004
#define IDC_OVERWRITE_TEXT         1042
#define IDC_OVERWRITE_SKIP         1004
#define IDC_OVERWRITE_ALL          1014

// Compress (172) and Expand (173) dialogs. The group frames are hidden and
// drawn as plain rectangles by the dialogs themselves.
#define IDD_COMPRESS               172
#define IDD_EXPAND                 173
#define IDC_ARC_FRAME_MODE         1000
#define IDC_ARC_FRAME_OPTIONS      1026
#define IDC_ARC_FRAME_NAME         1029
#define IDC_ARC_FRAME_MESSAGE      1043
#define IDC_ARC_INDIVIDUAL         1040
#define IDC_ARC_TOGETHER           1041
#define IDC_ARC_NAME               1003
#define IDC_ARC_LEVEL              1015
#define IDC_ARC_TYPE               1016
#define IDC_ARC_MESSAGE            1042
#define IDC_ARC_INTO_FOLDER        1007
// Search-select and filtering by strings: the string dialog and its controls.
#define IDD_STRING_HISTORY         177
#define IDC_STRING_COMBO           1015
#define IDC_STRING_DROP            1004
// Association editor (Setting of Associated Execution) and its controls.
#define IDD_EXT_APP_EDITOR     179
#define IDC_EXTAPP_LIST        1046
#define IDC_EXTAPP_EXTENSIONS  1003
#define IDC_EXTAPP_PROGRAM     1017
#define IDC_EXTAPP_REGIST      1004
#define IDC_EXTAPP_REFER       1014
#define IDC_EXTAPP_EXT_GROUP   1018
#define IDC_EXTAPP_PROG_GROUP  1019
// Its list's right-click menu (built in code).
#define IDM_EXTAPP_MOVE_UP     34750
#define IDM_EXTAPP_MOVE_DOWN   34751
#define IDM_EXTAPP_REMOVE      34752
