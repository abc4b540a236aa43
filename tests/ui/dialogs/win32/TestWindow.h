#pragma once
// Ids of the tests' own window and its part; the resource compiler reads this file too.
#define IDD_TEST_WINDOW 900
#define IDC_TEST_WIDE 901
#define IDC_TEST_WIDE_UD 902
#define IDC_TEST_NARROW 903
#define IDC_TEST_NARROW_UD 904
#define IDC_TEST_FAIL 905
#define IDC_TEST_LIST 906
#define IDC_TEST_PICTURE 907
#define IDC_TEST_PLACE 908
#define IDD_TEST_PART 910
#define IDC_TEST_PART_LABEL 911
