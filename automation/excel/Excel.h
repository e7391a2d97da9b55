#pragma once

// The whole Excel object model.
#include "automation/AutomationError.h"
#include "automation/excel/Application.h"
#include "automation/excel/CellValue.h"
#include "automation/excel/Range.h"
#include "automation/excel/Sheet.h"
#include "automation/excel/Workbook.h"
