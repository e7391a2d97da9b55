#pragma once

// The whole Word object model.
#include "automation/AutomationError.h"
#include "automation/word/Application.h"
#include "automation/word/Borders.h"
#include "automation/word/Document.h"
#include "automation/word/Fields.h"
#include "automation/word/Find.h"
#include "automation/word/Font.h"
#include "automation/word/Paragraphs.h"
#include "automation/word/Range.h"
#include "automation/word/Table.h"
