// Template and control ids of the settings windows, shared by the templates
// in win32/Dialogs.rc and the name-to-id tables of the windows' logic. Plain
// numbers only: the resource compiler reads this file too.
#pragma once

#define IDC_STATIC (-1)
// The dialog manager's own OK and Cancel: Enter and Esc press them.
#define IDC_BT_OK 1
#define IDC_BT_CANCEL 2

#define IDD_COMPATIBILITY 200
#define IDC_LB_SHIFT_DELAY 201
#define IDC_SPIN_SHIFT_DELAY 202
#define IDC_UD_SHIFT_DELAY 203
#define IDC_LB_PRESS_DELAY 204
#define IDC_SPIN_PRESS_DELAY 205
#define IDC_UD_PRESS_DELAY 206

#define IDD_PROG_SETTINGS 300
#define IDC_GRP_PLAY 301
#define IDC_LB_SOUND_SOURCE 302
#define IDC_COMBO_PLAY_DEV 303
#define IDC_GRP_REC 304
#define IDC_LB_REC_SOURCE 305
#define IDC_COMBO_REC_DEV 306
#define IDC_LB_REC_LINE 307
#define IDC_COMBO_REC_LINE 308
#define IDC_LB_MIC_VOLUME 309
#define IDC_SPIN_MIC_LEVEL 310
#define IDC_UD_MIC_LEVEL 311
#define IDC_GRP_BINDING 312
#define IDC_LB_JOYSTICK 313
#define IDC_ED_JOYSTICK 314
#define IDC_LB_BINDING_NOTE 315

#define IDD_ABOUT 400
#define IDC_LB_PROGRAM 401
#define IDC_LB_VERSION 402
#define IDC_LB_AUTHOR 403
#define IDC_LB_LINK 404

// One key frame, a child dialog embedded three times in each key window:
// its controls' ids repeat in every frame, each frame being a window of its own.
#define IDD_FR_PRESS_KEY 500
#define IDC_BT_KEY 501
#define IDC_BT_TECH 502
#define IDC_BT_DELETE 503
#define IDC_SPIN_REPEAT 504
#define IDC_UD_REPEAT 505

#define IDD_ASK_KEY 600
#define IDC_LB_CONTENT 601
#define IDC_LB_LEFT_KEYS 602
#define IDC_LB_RIGHT_KEYS 603
// The nine modifier toggles, in modifier bit order.
#define IDC_BT_SHIFT 610
#define IDC_BT_CTRL 611
#define IDC_BT_ALT 612
#define IDC_BT_WIN 613
#define IDC_BT_MENU 614
#define IDC_BT_RSHIFT 615
#define IDC_BT_RCTRL 616
#define IDC_BT_RALT 617
#define IDC_BT_RWIN 618

#define IDD_SYS_CMD 700
#define IDC_LIST_SYS_CMD 701
#define IDC_MEMO_SYS_CMD 702

#define IDD_HAT_POS_SETTINGS 800
#define IDD_BUTTON_SETTINGS 801
#define IDC_GRP_ASSIGNMENTS 802
#define IDC_LB_PRESS 803
#define IDC_LB_HOLD 804
#define IDC_LB_RELEASE 805
// Where the three frames go: empty statics the frames take the place of.
#define IDC_FR_PRESS 806
#define IDC_FR_HOLD 807
#define IDC_FR_RELEASE 808
#define IDC_LB_INITIAL_POS 809
#define IDC_COMBO_INITIAL_POS 810
#define IDD_POS_SETTINGS 811
#define IDC_LB_POS_INDEX 812
#define IDC_SPIN_INDEX 813
#define IDC_UD_INDEX 814
#define IDC_LB_GATE_HOLD 815
#define IDC_SPIN_GATE_HOLD 816
#define IDC_UD_GATE_HOLD 817

#define IDD_AXIS_SETTINGS 1200
#define IDC_GRP_KEYS 1201
#define IDC_LB_UP 1202
#define IDC_LB_DOWN 1203
#define IDC_FR_UP 1204
#define IDC_FR_DOWN 1205
#define IDC_GRP_POSITIONS 1206
#define IDC_LB_POS_COUNT 1207
#define IDC_SPIN_POS_LIMIT 1208
#define IDC_UD_POS_LIMIT 1209
#define IDC_SPIN_INITIAL_POS 1210
#define IDC_UD_INITIAL_POS 1211
#define IDC_GRP_AUTO_RESYNC 1212
#define IDC_LB_RESYNC_FIRST 1213
#define IDC_SPIN_RESYNC_FIRST 1214
#define IDC_UD_RESYNC_FIRST 1215
#define IDC_LB_RESYNC_LAST 1216
#define IDC_SPIN_RESYNC_LAST 1217
#define IDC_UD_RESYNC_LAST 1218
#define IDC_BT_LINKED 1219
#define IDC_CHK_REENUMERATE 1220
#define IDC_LB_STEP_HOLD 1221
#define IDC_SPIN_STEP_HOLD 1222
#define IDC_UD_STEP_HOLD 1223
#define IDC_LB_STEP_GAP 1224
#define IDC_SPIN_STEP_GAP 1225
#define IDC_UD_STEP_GAP 1226
#define IDC_BT_MEASURE 1227

// The measuring wizard of the axis window.
#define IDD_STEP_MEASURE 1300
#define IDC_LB_INSTRUCTION 1301
#define IDC_LB_STATUS 1302
#define IDC_BT_START 1303
#define IDC_BT_CONFIRM 1304
#define IDC_BT_USE 1305

// The joystick window and its pages, child dialogs of their own.
#define IDD_JOY_SETTINGS 1000
#define IDC_GRP_AXES 1001
#define IDC_COMBO_AXES 1002
#define IDC_LB_NAME 1003
#define IDC_ED_NAME 1004
#define IDC_PAN_VALUE 1005
#define IDC_METER 1006
#define IDC_PAGES_AXIS_TYPE 1007
#define IDC_LIST_POSITIONS 1008
#define IDC_BT_TAKE_SWITCH 1009
#define IDC_BT_DELETE_ALL 1010
#define IDC_CHK_ZERO_FROM_END 1011
#define IDC_LB_HANG_POS 1012
#define IDC_COMBO_HANG_POS 1013
#define IDC_LB_NEUTRAL 1014
#define IDC_SPIN_NEUTRAL 1015
#define IDC_UD_NEUTRAL 1016
#define IDC_BT_MIN 1017
#define IDC_BT_CEN 1018
#define IDC_BT_MAX 1019
#define IDC_BT_TAKE_CONT 1020
#define IDC_LB_THRESHOLD 1021
#define IDC_SPIN_THRESHOLD 1022
#define IDC_UD_THRESHOLD 1023
#define IDC_LB_PERCENT 1024
#define IDC_LB_NOISE 1025
#define IDC_SPIN_NOISE 1026
#define IDC_UD_NOISE 1027
#define IDD_PAGE_UNUSED 1030
#define IDD_PAGE_MULTIPOS 1031
#define IDD_PAGE_ANALOG 1032
