// Moving formula text between cells.

#include <gtest/gtest.h>

#include "automation/embedded/excel/FormulaShift.h"

using dorvane::embedded::excel::ShiftFormula;

TEST(FormulaShift, RelativePartsMoveAbsolutePartsStay) {
    EXPECT_EQ(ShiftFormula("A1+B2", 1, 0), "A2+B3");
    EXPECT_EQ(ShiftFormula("$A$1+A$1+$A1", 2, 3), "$A$1+D$1+$A3");
    EXPECT_EQ(ShiftFormula("SUM(A1:C3)*2", 0, 1), "SUM(B1:D3)*2");
    EXPECT_EQ(ShiftFormula("SUM(A:A)+SUM(3:5)", 1, 1), "SUM(B:B)+SUM(4:6)");
    EXPECT_EQ(ShiftFormula("Sheet2!B2+'My Sheet'!C3", 1, 0), "Sheet2!B3+'My Sheet'!C4");
}

TEST(FormulaShift, LeavesTextsNamesAndNumbersAlone) {
    EXPECT_EQ(ShiftFormula("IF(A1=\"B2\",LOG10(A1),1.5E+3)", 1, 0), "IF(A2=\"B2\",LOG10(A2),1.5E+3)");
    EXPECT_EQ(ShiftFormula("Table1[[#This Row],[A1]]+TRUE", 1, 1), "Table1[[#This Row],[A1]]+TRUE");
    EXPECT_EQ(ShiftFormula("'It''s A1'!A1", 1, 0), "'It''s A1'!A2");
    EXPECT_EQ(ShiftFormula("#REF!+1", 1, 1), "#REF!+1");
}

TEST(FormulaShift, ReferencesPushedOffTheSheetBecomeRefErrors) {
    EXPECT_EQ(ShiftFormula("A1+B2", -1, 0), "#REF!+B1");
    EXPECT_EQ(ShiftFormula("XFD1", 0, 1), "#REF!");
    EXPECT_EQ(ShiftFormula("A1048576", 1, 0), "#REF!");
}
