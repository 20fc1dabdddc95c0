// The unit Tolvane: TCaptioneer, its language choices and TSortList.
#pragma once

#include "Tolvane/component/Captioneer.h"
#include "Tolvane/dictionary/LangName.h"
#include "Tolvane/dictionary/SortList.h"
